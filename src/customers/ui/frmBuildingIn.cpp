#include "customers/ui/frmBuildingIn.h"

#include "customers/buildingentry.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/helpers.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmBuildingIn::frmBuildingIn(QStringList &buildingList, const QString &address, QLineEdit *target, QWidget *parent)
    : QDialog(parent), m_buildingList(buildingList), m_target(target)
{
    named(this, "frmBuildingIn");
    setWindowTitle(QStringLiteral("マンションの登録"));
    setModal(true);

    txtBuilding = named(new QLineEdit(this), "txtBuilding");
    txtAddress = named(new QLineEdit(address, this), "txtAddress");
    auto *form = new QFormLayout;
    form->addRow(caption(QStringLiteral("マンション名："), txtBuilding, this), txtBuilding);
    form->addRow(caption(QStringLiteral("マンション所在地："), txtAddress, this), txtAddress);

    auto *fraNotes = new QGroupBox(QStringLiteral("マンション所在地入力時の注意事項："), this);
    auto *notes = new QVBoxLayout(fraNotes);
    for (const QString &text : {QStringLiteral("■ 部屋番号は入れないで下さい。"),
                                QStringLiteral("■ 「丁目」、「番地」等は使用せず、すべて数字で入力して下さい。"),
                                QStringLiteral("■ 都道府県名は含めないで下さい。"), QStringLiteral("○　2-1-5"),
                                QStringLiteral("×　2丁目1番地5号")})
        notes->addWidget(new QLabel(text, fraNotes));

    const ButtonRow buttons = OkCancelRow(this, QStringLiteral("新規登録＆入力"), "cmdOk");
    cmdOk = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(fraNotes);
    layout->addLayout(buttons.layout);

    connect(txtBuilding, &QLineEdit::textChanged, this, &frmBuildingIn::updateOk);
    connect(txtAddress, &QLineEdit::textChanged, this, &frmBuildingIn::updateOk);
    connect(cmdOk, &QPushButton::clicked, this, &frmBuildingIn::registerBuilding);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    updateOk();
    txtBuilding->setFocus();
}

void frmBuildingIn::updateOk()
{
    cmdOk->setEnabled(CanRegisterBuilding(txtBuilding->text(), txtAddress->text()));
}

void frmBuildingIn::registerBuilding()
{
    // The default button also answers Enter, so the check is repeated here.
    if (!CanRegisterBuilding(txtBuilding->text(), txtAddress->text()))
        return;
    if (m_target)
        m_target->setText(txtBuilding->text());
    RegisterBuilding(m_buildingList, txtBuilding->text(), txtAddress->text());
    accept();
}

void RunBuildingLookup(QWidget *parent, QStringList &buildingList, const QString &city, const QString &banchi,
                       QLineEdit *target)
{
    const QString address = BuildingLookupAddress(city, banchi);
    const QString name = FindBuilding(buildingList, address);
    if (!name.isEmpty()) {
        target->setText(name);
        return;
    }
    frmBuildingIn dlg(buildingList, address, target, parent);
    dlg.exec();
}
