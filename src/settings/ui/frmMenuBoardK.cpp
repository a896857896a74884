#include "settings/ui/frmMenuBoardK.h"

#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/numbertext.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuBoardK::frmMenuBoardK(MenuBoardLayout::Slots &working, int button, const MenuBoardLayout::DroppedItem &item,
                             QWidget *parent)
    : QDialog(parent), m_working(working), m_button(button)
{
    setObjectName(QStringLiteral("frmMenuBoardK"));
    setWindowTitle(QStringLiteral("ボタン設定"));
    setModal(true);

    auto *frame = named(new QGroupBox(QStringLiteral("このボタンに下のメニューを登録します")), "fraMenu");
    lblName = named(new QLabel(item.name), "lblName");
    lblMoney = named(new QLabel(item.priceText), "lblMoney");
    txtView = named(new QLineEdit(item.name), "txtView");
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("正式メニュー名：")), 0, 0, Qt::AlignRight);
    grid->addWidget(lblName, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("値段：")), 1, 0, Qt::AlignRight);
    grid->addWidget(lblMoney, 1, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(QStringLiteral("円")), 1, 2);
    grid->addWidget(caption(QStringLiteral("ボタンに表示されるメニュー名："), txtView), 2, 0, Qt::AlignRight);
    grid->addWidget(txtView, 2, 1, 1, 2);
    auto *note = new QLabel(
        QStringLiteral("ボタンに表示されるメニュー名はご自由に変更できます。（正式メニュー名には影響しません）"));
    note->setWordWrap(true);
    grid->addWidget(note, 3, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    auto *root = new QVBoxLayout(this);
    root->addWidget(frame);
    root->addLayout(buttons.layout);

    connect(txtView, &QLineEdit::textChanged, this, [this](const QString &t) { cmdOK->setEnabled(!t.isEmpty()); });
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuBoardK::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    cmdOK->setEnabled(!txtView->text().isEmpty());
    txtView->selectAll();
    txtView->setFocus();
}

void frmMenuBoardK::cmdOK_Click()
{
    if (txtView->text().isEmpty())
        return;
    MenuBoardLayout::Assign(m_working, m_button, lblName->text(), ParseCurrencyText(lblMoney->text()).value_or(0),
                            txtView->text());
    accept();
}
