#include "settings/ui/frmShop.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "store/ui/fieldcheck.h"
#include "platform/ui/widgetnaming.h"
#include "settings/shopform.h"
#include "store/settingfiles.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{

const QString kSaveQuestionTitle = QStringLiteral("保存確認");
const QString kSaveQuestion = QStringLiteral("店舗情報が変更されています。保存しますか？");

QLabel *Caption(const QString &text, QWidget *buddy, const QString &name = {})
{
    QLabel *label = caption(text, buddy);
    if (!name.isEmpty())
        label->setObjectName(name);
    return label;
}

QLabel *Hint(const QString &text, QWidget *buddy)
{
    QLabel *label = hint(text, buddy);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

// Free text in Japanese: the input method stays on.
QLineEdit *TextField(const QString &name, int maxLength)
{
    auto *edit = named(new QLineEdit, name);
    edit->setMaxLength(maxLength);
    const QFontMetrics fm(edit->font());
    edit->setFixedWidth(fm.horizontalAdvance(QString(maxLength, QChar(0x3042))) + 12);
    return edit;
}

// Digits only: the input method is switched off so the digits arrive half-width.
QLineEdit *DigitField(const QString &name, int maxLength)
{
    auto *edit = named(new QLineEdit, name);
    edit->setMaxLength(maxLength);
    edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    edit->setInputMethodHints(Qt::ImhDigitsOnly);
    const QFontMetrics fm(edit->font());
    edit->setFixedWidth(fm.horizontalAdvance(QString(qMax(maxLength, 2) + 1, QLatin1Char('0'))) + 12);
    return edit;
}

QWidget *Row(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w : widgets)
        layout->addWidget(w);
    layout->addStretch(1);
    return row;
}

} // namespace

frmShop::frmShop(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    setObjectName(QStringLiteral("frmShop"));
    setWindowTitle(QStringLiteral("店舗設定"));
    setModal(true);

    tabs = named(new QTabWidget, QStringLiteral("tabShop"));
    tabs->addTab(buildShopPage(), QStringLiteral("店舗設定"));
    tabs->addTab(buildPointPage(), QStringLiteral("ポイントサービス設定"));

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    cmdApply = named(new QPushButton(QStringLiteral("適用(&A)"), this), "cmdApply");
    buttons.layout->addWidget(cmdApply);
    // A click on a button must not move the focus: the field being edited is checked by the
    // button itself, so a refused value is reported once, not on leaving and again on clicking.
    for (QPushButton *b : {cmdOK, cmdApply, cmdCancel}) {
        b->setFocusPolicy(Qt::TabFocus);
        b->setMinimumWidth(88);
    }
    auto *root = new QVBoxLayout(this);
    root->addWidget(tabs);
    root->addLayout(buttons.layout);

    connect(cmdOK, &QPushButton::clicked, this, &frmShop::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmShop::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmShop::reject);

    fillFromSettings();
    connectChanges();
    watchFields();
    cmdApply->setEnabled(false);
    txtShopName->setFocus();
}

QWidget *frmShop::buildShopPage()
{
    txtShopName = TextField(QStringLiteral("txtShopName"), 20);
    txtZip = DigitField(QStringLiteral("txtZip"), 7);
    txtAddress = TextField(QStringLiteral("txtAddress"), 40);
    for (int i = 0; i < 3; ++i)
        txtTel[i] = DigitField(QStringLiteral("txtTel%1").arg(i), 7);
    txtTel[1]->setAccessibleName(QStringLiteral("電話番号（2番目）"));
    txtTel[2]->setAccessibleName(QStringLiteral("電話番号（3番目）"));
    txtTax = DigitField(QStringLiteral("txtTax"), 2);
    txtRenraku = TextField(QStringLiteral("txtRenraku"), 40);
    txtInfo = TextField(QStringLiteral("txtInfo"), 38);

    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pageShop"));
    auto *grid = new QGridLayout(page);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(10);
    int row = 0;
    const auto addRow = [&](QLabel *caption, QWidget *field) {
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
    };
    const auto addHintRow = [&](QLabel *hint) {
        grid->addWidget(hint, row, 1);
        ++row;
    };

    addRow(Caption(QStringLiteral("店舗名："), txtShopName, QStringLiteral("lblShopName")), Row({txtShopName}));
    addRow(Caption(QStringLiteral("郵便番号："), txtZip, QStringLiteral("lblZip")),
           Row({txtZip, Hint(QStringLiteral("（ハイホンなしで入力）"), txtZip)}));
    addRow(Caption(QStringLiteral("住所："), txtAddress, QStringLiteral("lblAddress")), Row({txtAddress}));
    addRow(Caption(QStringLiteral("電話番号："), txtTel[0], QStringLiteral("lblTel")),
           Row({txtTel[0], new QLabel(QStringLiteral("-")), txtTel[1], new QLabel(QStringLiteral("-")), txtTel[2]}));
    addRow(Caption(QStringLiteral("消費税："), txtTax, QStringLiteral("lblTax")),
           Row({txtTax, hint(QStringLiteral("％　（内税の場合は0を入力）"), txtTax)}));
    addRow(Caption(QStringLiteral("連絡事項："), txtRenraku, QStringLiteral("lblRenraku")), Row({txtRenraku}));
    addHintRow(Hint(QStringLiteral("（画面上部に表示されます）"), txtRenraku));
    addRow(Caption(QStringLiteral("お知らせ："), txtInfo, QStringLiteral("lblInfo")), Row({txtInfo}));
    addHintRow(Hint(QStringLiteral("（納品書に印刷されます）"), txtInfo));
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *frmShop::buildPointPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("pagePoint"));
    auto *layout = new QVBoxLayout(page);

    auto *explanation = new QLabel(QStringLiteral(
        "顧客データにポイントを記録できます。ポイントサービスを行うことで継続的な利用を促すことができます。"));
    explanation->setObjectName(QStringLiteral("lblPointExplanation"));
    layout->addWidget(explanation);

    fraPoint = named(new QGroupBox(QStringLiteral("ポイントサービス：")), QStringLiteral("fraPoint"));
    optPoint[0] = named(new QRadioButton(QStringLiteral("実施しない")), QStringLiteral("optPoint0"));
    optPoint[1] = named(new QRadioButton(QStringLiteral("実施する")), QStringLiteral("optPoint1"));
    auto *choice = new QHBoxLayout(fraPoint);
    choice->addWidget(optPoint[0]);
    choice->addSpacing(24);
    choice->addWidget(optPoint[1]);
    choice->addStretch(1);
    layout->addWidget(fraPoint);

    fraService = named(new QGroupBox(QStringLiteral("サービス内容：")), QStringLiteral("fraService"));
    // The sentence's parts do not name a list on their own, so each list is named by its role.
    const QString spoken[ShopForm::kPointFieldCount] = {
        QStringLiteral("ポイントを進呈する金額（円あたり）"), QStringLiteral("進呈するポイント"),
        QStringLiteral("割引になるポイント"), QStringLiteral("割引額（円）"), QStringLiteral("有効期間（ヶ月）")};
    for (int i = 0; i < ShopForm::kPointFieldCount; ++i) {
        auto *combo = named(new QComboBox, QStringLiteral("cboPoint%1").arg(i), spoken[i]);
        combo->setEditable(true);
        // Typed values are settings, not new suggestions.
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
        combo->setInputMethodHints(Qt::ImhFormattedNumbersOnly);
        combo->setMinimumContentsLength(6);
        cboPoint[i] = combo;
    }
    // The labels and lists read as one sentence, one clause a line.
    auto *grid = new QGridLayout(fraService);
    grid->setVerticalSpacing(10);
    grid->setColumnStretch(3, 1); // the sentence stays together at the left
    const auto clause = [&](int row, const QString &before, const QString &after) {
        QComboBox *combo = cboPoint[row];
        if (!before.isEmpty()) {
            QLabel *lead = Caption(before, combo);
            lead->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(lead, row, 0);
        }
        grid->addWidget(combo, row, 1);
        QLabel *tail = Caption(after, combo);
        tail->setWordWrap(true);
        grid->addWidget(tail, row, 2);
    };
    clause(0, QStringLiteral("お買い上げ"), QStringLiteral("円あたり"));
    clause(1, QString(), QStringLiteral("ポイント進呈。"));
    clause(2, QString(), QStringLiteral("ポイント貯まるごとに、次回お買い上げより"));
    clause(3, QString(), QStringLiteral("円割引"));
    clause(4, QStringLiteral("有効期間："),
           QStringLiteral("ヶ月 （有効期間中に一度も利用が無い場合は、         獲得ポイントを０にします）"));
    // The remark is meant to break at its run of blanks; blanks at a line end take no room,
    // so a width just short of one more character makes the break fall exactly there.
    if (auto *remark = qobject_cast<QLabel *>(grid->itemAtPosition(4, 2)->widget())) {
        const QFontMetrics fm(remark->font());
        remark->setFixedWidth(fm.horizontalAdvance(QStringLiteral("ヶ月 （有効期間中に一度も利用が無い場合は、")) +
                              fm.horizontalAdvance(QChar(0x7372)) / 2);
    }
    layout->addWidget(fraService);
    layout->addStretch(1);
    return page;
}

void frmShop::fillFromSettings()
{
    const ShopSettings &s = m_tables.Shop;
    txtShopName->setText(s.ShopName);
    txtZip->setText(s.ShopZip);
    txtAddress->setText(s.ShopAddress);
    for (int i = 0; i < 3; ++i)
        txtTel[i]->setText(s.ShopTel[i]);
    txtTax->setText(s.TaxRate);
    txtRenraku->setText(s.NoticeLine);
    txtInfo->setText(s.NoteText);
    const auto points = ShopForm::PointValues(s);
    for (int i = 0; i < ShopForm::kPointFieldCount; ++i) {
        cboPoint[i]->clear();
        cboPoint[i]->addItems(ShopForm::PointListValues(i));
        cboPoint[i]->setEditText(points[i]);
    }
    const bool on = s.PointService == QLatin1String("1");
    optPoint[1]->setChecked(on);
    optPoint[0]->setChecked(!on);
    fraService->setEnabled(on);
}

void frmShop::connectChanges()
{
    const auto changed = [this] { cmdApply->setEnabled(true); };
    for (QLineEdit *edit :
         {txtShopName, txtZip, txtAddress, txtTel[0], txtTel[1], txtTel[2], txtTax, txtRenraku, txtInfo})
        connect(edit, &QLineEdit::textChanged, this, changed);
    for (QComboBox *combo : cboPoint)
        connect(combo, &QComboBox::editTextChanged, this, changed);
    for (QRadioButton *option : optPoint)
        connect(option, &QRadioButton::toggled, this, changed);
    connect(optPoint[1], &QRadioButton::toggled, fraService, &QWidget::setEnabled);
}

void frmShop::PrefillFirstStart()
{
    txtRenraku->setText(kDefaultNoticeLine);
    txtTax->setText(QStringLiteral("0"));
}

ShopSettings frmShop::formValues() const
{
    ShopSettings v;
    v.ShopName = txtShopName->text();
    v.ShopZip = txtZip->text();
    v.ShopAddress = txtAddress->text();
    for (int i = 0; i < 3; ++i)
        v.ShopTel[i] = txtTel[i]->text();
    v.TaxRate = txtTax->text();
    v.NoticeLine = txtRenraku->text();
    v.NoteText = txtInfo->text();
    v.PointService = optPoint[1]->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    v.PointYenUnit = cboPoint[0]->currentText();
    v.PointsPerUnit = cboPoint[1]->currentText();
    v.PointStep = cboPoint[2]->currentText();
    v.PointStepYen = cboPoint[3]->currentText();
    v.PointValidMonths = cboPoint[4]->currentText();
    return v;
}

void frmShop::watchFields()
{
    // Postal code, telephone parts and tax take digits only; the point lists a range.
    const auto rule = [](ShopForm::FieldCheck (*check)(const QString &)) {
        return [check](const QString &text) { return ShopForm::ReportFieldCheck(check(text)); };
    };
    m_fieldCheck = new LeaveFieldCheck(this);
    for (QLineEdit *digits : {txtZip, txtTel[0], txtTel[1], txtTel[2], txtTax})
        m_fieldCheck->watch(digits, rule(ShopForm::CheckDigitsField));
    for (QComboBox *combo : cboPoint)
        m_fieldCheck->watch(combo, rule(ShopForm::CheckPointField));
}

frmShop::SaveResult frmShop::SaveSettings()
{
    // The field being edited is checked as if it were being left.
    if (!m_fieldCheck->checkFocusedField())
        return SaveResult::Refused;
    const ShopSettings values = formValues();
    if (!ShopForm::ConfirmShopInput(values))
        return SaveResult::Refused;
    m_tables.Shop = values;
    if (!SaveShopSettings(m_tables))
        return SaveResult::WriteFailed; // the writer has reported it; the changes stay pending
    cmdApply->setEnabled(false);
    return SaveResult::Saved;
}

void frmShop::cmdOK_Click()
{
    if (SaveSettings() == SaveResult::Saved)
        accept();
}

void frmShop::cmdApply_Click()
{
    SaveSettings();
}

void frmShop::reject()
{
    if (!cmdApply->isEnabled()) {
        QDialog::reject();
        return;
    }
    // Asked again after a refused save, so the staff can fix the input, discard it or go back.
    for (;;) {
        const PromptAnswer answer = AskYesNoCancel(kSaveQuestionTitle, kSaveQuestion, PromptIcon::Warning);
        if (answer == PromptAnswer::No) {
            QDialog::reject();
            return;
        }
        if (answer != PromptAnswer::Yes)
            return;
        switch (SaveSettings()) {
        case SaveResult::Saved:
            accept();
            return;
        case SaveResult::Refused:
            continue;
        case SaveResult::WriteFailed:
            // Asking again would only fail again; the window stays open with the changes.
            return;
        }
    }
}
