#include "customers/ui/frmPostPA.h"

#include "platform/ui/widgetnaming.h"

#include <QPushButton>
#include <QVBoxLayout>

frmPostPA::frmPostPA(QWidget *parent) : QDialog(parent)
{
    named(this, "frmPostPA");
    setWindowTitle(QStringLiteral("参照方法の選択"));
    setModal(true);

    const QString toAddress = QStringLiteral("郵便番号から住所を参照する(&A)");
    const QString toZip = QStringLiteral("住所から郵便番号を参照する(&Z)");
    cmdAddress = named(new QPushButton(toAddress, this), "cmdAddress", toAddress);
    cmdZip = named(new QPushButton(toZip, this), "cmdZip", toZip);
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel", QStringLiteral("ｷｬﾝｾﾙ"));
    cmdAddress->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    for (QPushButton *b : {cmdAddress, cmdZip, cmdCancel}) {
        b->setMinimumHeight(32);
        layout->addWidget(b);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdAddress, &QPushButton::clicked, this, [this] {
        m_chosen = ZipDirection::ZipToAddress;
        accept();
    });
    connect(cmdZip, &QPushButton::clicked, this, [this] {
        m_chosen = ZipDirection::AddressToZip;
        accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}
