#include "orders/ui/frmMenuIn.h"

#include "orders/ui/orderlinelist.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "platform/prompt.h"
#include "store/numbertext.h"
#include "store/preferences.h"
#include "store/records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

const QString kRefusedTitle = QStringLiteral("不正な入力");
const QString kNotNumber = QStringLiteral("数字以外は入力できません。");
const QString kQtyRange = QStringLiteral("1～99の範囲で入力して下さい。");

// Lives as long as the program: the staff set it once and it holds for every later line.
bool g_resetCandidates = false;

// A whole number typed into a box; nullopt for anything else (fractions included:
// lines hold whole yen, and a silently rounded price would be a wrong bill).
std::optional<qint64> wholeNumber(const QString &text)
{
    if (!IsNumberText(text))
        return std::nullopt;
    const auto currency = ParseCurrencyText(text);
    if (!currency || *currency % kCurrencyScale != 0)
        return std::nullopt;
    return CurrencyToYen(*currency);
}

void selectAllIn(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

} // namespace

bool frmMenuIn::ResetCandidatesChoice()
{
    return g_resetCandidates;
}

void frmMenuIn::SetResetCandidatesChoice(bool on)
{
    g_resetCandidates = on;
}

frmMenuIn::frmMenuIn(SettingTables &tables, OrderWindowHost &host, Mode mode, QWidget *parent)
    : QDialog(parent), m_tables(tables), m_host(host), m_mode(mode)
{
    named(this, "frmMenuIn");
    setWindowTitle(mode == Mode::Add ? QStringLiteral("注文品目の追加") : QStringLiteral("注文品目の変更"));

    txtName = named(new QLineEdit, "txtName");
    txtName->setMinimumWidth(260);

    cboNum = named(new QComboBox, "cboNum");
    cboNum->setEditable(true);
    cboNum->setInsertPolicy(QComboBox::NoInsert);
    for (int i = 1; i <= 10; ++i)
        cboNum->addItem(QString::number(i));

    cboSub = named(new QComboBox, "cboSub");
    cboSub->setEditable(true);
    cboSub->setInsertPolicy(QComboBox::NoInsert);
    cboSub->addItem(kNoOption);
    for (int i = 1; i < m_tables.MenuOptionList.size(); ++i) {
        if (!m_tables.MenuOptionList.at(i).isEmpty())
            cboSub->addItem(m_tables.MenuOptionList.at(i));
    }

    txtMoney = named(new QLineEdit, "txtMoney");
    txtMoney->setAlignment(Qt::AlignRight);
    txtMoney->setMaximumWidth(110);

    chkReset = named(new QCheckBox(QStringLiteral("メニュー候補をリセット")), "chkReset");
    chkReset->setChecked(g_resetCandidates);
    chkReset->setVisible(Prefs::MenuSearchMode.get() == 0);
    connect(chkReset, &QCheckBox::toggled, this, [](bool on) { g_resetCandidates = on; });

    const ButtonRow buttons = OkCancelRow(this, QStringLiteral("OK"), "cmdOk");
    cmdOk = buttons.ok;
    cmdCancel = buttons.cancel;
    cmdCancel->setAutoDefault(false);

    auto *form = new QFormLayout;
    const auto addRow = [&](const QString &caption, QWidget *field, QLayout *row = nullptr) {
        QLabel *label = ::caption(caption, field);
        if (row)
            form->addRow(label, row);
        else
            form->addRow(label, field);
    };
    addRow(QStringLiteral("メニュー名："), txtName);
    auto *numRow = new QHBoxLayout;
    numRow->addWidget(cboNum);
    numRow->addStretch();
    cboNum->setMinimumWidth(80);
    addRow(QStringLiteral("数量："), cboNum, numRow);
    addRow(QStringLiteral("補助項目："), cboSub);
    auto *moneyRow = new QHBoxLayout;
    moneyRow->addWidget(txtMoney);
    moneyRow->addWidget(new QLabel(QStringLiteral("円")));
    moneyRow->addStretch();
    addRow(QStringLiteral("単価："), txtMoney, moneyRow);

    buttons.layout->insertWidget(0, chkReset);

    auto *top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addSpacing(6);
    top->addLayout(buttons.layout);

    connect(cmdOk, &QPushButton::clicked, this, &frmMenuIn::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    fillFields();
}

void frmMenuIn::fillFields()
{
    QString name;
    qint64 price = 0;
    bool have = false;
    qint64 qty = 1;
    QString option = kNoOption;

    if (m_mode == Mode::Change) {
        if (QTreeWidgetItem *item = m_host.OrderLines()->currentItem()) {
            const OrderLine line = OrderLineList::LineOf(item);
            name = line.MenuName;
            option = line.Option.isEmpty() ? kNoOption : line.Option;
            price = line.UnitPrice;
            qty = line.Qty;
            have = true;
        }
    } else if (Prefs::MenuSearchMode.get() == 2) {
        const int k = m_host.BoardCellNo();
        if (k >= 1 && k <= kMenuBoardSlots) {
            const MenuBoardSlot &slot = m_tables.MenuBoard[size_t(k)];
            if (!slot.BoardMenuName.isEmpty() && slot.BoardMenuName != QLatin1String("00000")) {
                name = slot.BoardMenuName;
                price = CurrencyToYen(slot.BoardPrice);
                have = true;
            }
        }
    } else {
        have = m_host.PickedCandidate(name, price);
    }

    txtName->setText(name);
    txtMoney->setText(have ? QString::number(price) : QString());
    cboNum->setEditText(QString::number(qty));
    const int optionIndex = cboSub->findText(option);
    if (optionIndex >= 0)
        cboSub->setCurrentIndex(optionIndex);
    else
        cboSub->setEditText(option);
}

void frmMenuIn::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The quantity is what the staff change most; after showing, so the selection survives.
    QTimer::singleShot(0, this, [this] {
        cboNum->setFocus();
        selectAllIn(cboNum);
    });
}

void frmMenuIn::refuse(QWidget *field, const QString &text)
{
    ShowWarning(kRefusedTitle, text);
    field->setFocus();
    selectAllIn(field);
}

void frmMenuIn::rememberOption(const QString &option)
{
    if (option == kNoOption || cboSub->findText(option, Qt::MatchExactly) >= 0)
        return;
    m_tables.MenuOptionList.append(option);
    cboSub->addItem(option);
}

void frmMenuIn::cmdOk_Click()
{
    const QString qtyText = cboNum->currentText().trimmed();
    if (!IsNumberText(qtyText)) {
        refuse(cboNum, kNotNumber);
        return;
    }
    // A quantity is a whole number: "1.5" is refused rather than rounded into the order.
    const auto qty = wholeNumber(qtyText);
    if (!qty || *qty <= 0 || *qty > 99) {
        refuse(cboNum, kQtyRange);
        return;
    }
    const auto price = wholeNumber(txtMoney->text().trimmed());
    if (!price) {
        refuse(txtMoney, kNotNumber);
        return;
    }

    // A cleared sub-item means none: the line must never carry an empty option.
    QString option = cboSub->currentText().trimmed();
    if (option.isEmpty())
        option = kNoOption;
    const OrderLine line{txtName->text(), option, *price, *qty};

    QTreeWidget *lines = m_host.OrderLines();
    if (m_mode == Mode::Change) {
        QTreeWidgetItem *item = lines->currentItem();
        if (!item) {
            reject();
            return;
        }
        OrderLineList::SetLine(item, line);
        lines->clearSelection();
        item->setSelected(true);
    } else {
        OrderLineList::AddOrMerge(lines, line);
    }
    m_host.LinesChanged();

    rememberOption(option);
    if (chkReset->isChecked())
        m_host.ClearReadingSearch();
    accept();
}
