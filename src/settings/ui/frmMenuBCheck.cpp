#include "settings/ui/frmMenuBCheck.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

frmMenuBCheck::frmMenuBCheck(MenuBoardLayout::Slots &working, int button, QWidget *parent)
    : QDialog(parent), m_working(working), m_button(button)
{
    setObjectName(QStringLiteral("frmMenuBCheck"));
    setWindowTitle(QStringLiteral("メニューボードの操作"));
    setModal(true);

    const MenuBoardSlot &slot = working[button];
    lblName = named(new QLabel(slot.BoardMenuName), "lblName");
    lblMoney = named(new QLabel(MenuBoardLayout::PriceText(slot.BoardPrice)), "lblMoney");
    txtView = named(new QLineEdit(slot.BoardCaption), "txtView");
    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("正式メニュー名：")), 0, 0, Qt::AlignRight);
    top->addWidget(lblName, 0, 1, 1, 2);
    top->addWidget(new QLabel(QStringLiteral("値段：")), 1, 0, Qt::AlignRight);
    top->addWidget(lblMoney, 1, 1, Qt::AlignRight);
    top->addWidget(new QLabel(QStringLiteral("円")), 1, 2);
    top->addWidget(caption(QStringLiteral("ボタンに表示されるメニュー名："), txtView), 2, 0, Qt::AlignRight);
    top->addWidget(txtView, 2, 1, 1, 2);
    top->setColumnStretch(1, 1);

    auto *frame = named(new QGroupBox(QStringLiteral("登録ボタンの操作")), "fraOperation");
    const QStringList options{QStringLiteral("削除する"), QStringLiteral("列全体を削除する"),
                              QStringLiteral("列全体を入れ替える")};
    auto *group = new QButtonGroup(this);
    auto *frameLayout = new QVBoxLayout(frame);
    for (int i = 0; i < 3; ++i) {
        optDel[i] = named(new QRadioButton(options.at(i)), QStringLiteral("optDel%1").arg(i));
        group->addButton(optDel[i]);
        frameLayout->addWidget(optDel[i]);
    }
    cboRetsu = named(new QComboBox, "cboRetsu", QStringLiteral("交換する列"));
    cboRetsu->addItem(QStringLiteral("交換する列を選択"));
    for (int r = 1; r <= MenuBoardLayout::kRows; ++r)
        cboRetsu->addItem(QStringLiteral("%1 列目と入れ替え").arg(r));
    cboRetsu->setCurrentIndex(0);
    cboRetsu->setEnabled(false);
    frameLayout->addWidget(cboRetsu);

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    auto *root = new QVBoxLayout(this);
    root->addLayout(top);
    root->addWidget(frame);
    root->addLayout(buttons.layout);

    connect(optDel[2], &QRadioButton::toggled, cboRetsu, &QWidget::setEnabled);
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuBCheck::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMenuBCheck::cmdOK_Click()
{
    if (optDel[2]->isChecked() && cboRetsu->currentIndex() == 0) {
        ShowWarning(QStringLiteral("入れ替え対象の列が選択されていません"),
                    QStringLiteral("入れ替えする列を選択して下さい。"));
        cboRetsu->setFocus();
        return;
    }
    MenuBoardLayout::Assign(m_working, m_button, lblName->text(), m_working[m_button].BoardPrice, txtView->text());
    if (optDel[0]->isChecked())
        MenuBoardLayout::EmptySlot(m_working, m_button);
    else if (optDel[1]->isChecked())
        MenuBoardLayout::EmptyRow(m_working, MenuBoardLayout::RowOf(m_button));
    else if (optDel[2]->isChecked())
        MenuBoardLayout::ExchangeRows(m_working, MenuBoardLayout::RowOf(m_button), cboRetsu->currentIndex());
    accept();
}
