#include "settings/ui/frmMenuName.h"

#include "settings/menureading.h"
#include "settings/ui/readingcapture.h"

#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/ui/fieldcheck.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmMenuName::frmMenuName(Mode mode, const MenuCatalogue::Group &group, int changing, QWidget *parent)
    : QDialog(parent), m_group(group), m_changing(mode == Mode::Change ? changing : -1)
{
    setObjectName(QStringLiteral("frmMenuName"));
    setWindowTitle((mode == Mode::Add ? QStringLiteral("メニューの追加") : QStringLiteral("メニュー名の変更")) +
                   QStringLiteral(" [") + group.name + QLatin1Char(']'));
    setModal(true);

    txtName = named(new QLineEdit(this), "txtName");
    txtName->setMaxLength(MenuCatalogue::kNameMaxLength);
    txtName->setAttribute(Qt::WA_InputMethodEnabled, true);
    txtName->setMinimumWidth(
        QFontMetrics(txtName->font()).horizontalAdvance(QString(MenuCatalogue::kNameMaxLength + 1, QChar(0x3042))));
    txtMoney = named(new QLineEdit(this), "txtMoney");
    txtMoney->setMaxLength(MenuCatalogue::kPriceMaxLength);
    txtMoney->setAttribute(Qt::WA_InputMethodEnabled, false);
    txtNameKana = named(new QLineEdit(this), "txtNameKana");

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;

    auto *grid = new QGridLayout;
    grid->addWidget(caption(QStringLiteral("メニュー名："), txtName, this), 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 2);
    grid->addWidget(caption(QStringLiteral("値段："), txtMoney, this), 1, 0);
    grid->addWidget(txtMoney, 1, 1);
    grid->addWidget(named(new QLabel(QStringLiteral("円"), this), "lblYen"), 1, 2);
    grid->addWidget(caption(QStringLiteral("フリガナ："), txtNameKana, this), 2, 0);
    grid->addWidget(txtNameKana, 2, 1, 1, 2);
    grid->addWidget(
        named(new QLabel(QStringLiteral("（半角ｶﾅで入力。メニュー検索時に使用します。）"), this), "lblKanaHint"), 3, 1,
        1, 2);
    auto *root = new QVBoxLayout(this);
    root->addLayout(grid);
    root->addLayout(buttons.layout);

    if (m_changing >= 0 && m_changing < static_cast<int>(group.items.size())) {
        const MenuCatalogue::Item &item = group.items[m_changing];
        txtName->setText(item.name);
        txtMoney->setText(item.priceText);
        txtNameKana->setText(item.kana);
        txtName->selectAll();
    }
    // In Change mode the unchanged item is nothing to confirm: OK waits for an edit.
    cmdOK->setEnabled(false);
    for (QLineEdit *edit : {txtName, txtMoney, txtNameKana}) {
        connect(edit, &QLineEdit::textEdited, this, [this] { cmdOK->setEnabled(allFilled()); });
        connect(edit, &QLineEdit::textChanged, this, [this] {
            if (!allFilled())
                cmdOK->setEnabled(false);
        });
    }
    // A reading the staff typed (or one already stored) is theirs; otherwise leaving the name
    // fills in the reading the analyser gives.
    m_readingTyped = !txtNameKana->text().isEmpty();
    connect(txtNameKana, &QLineEdit::textEdited, this, [this] { m_readingTyped = !txtNameKana->text().isEmpty(); });
    m_capture = new ReadingCapture(txtName, txtNameKana, this);
    connect(txtNameKana, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (text.isEmpty())
            m_readingTyped = false;
    });
    connect(m_capture, &ReadingCapture::readingAdded, this, [this] { cmdOK->setEnabled(allFilled()); });
    connect(txtName, &QLineEdit::editingFinished, this, [this] {
        // A reading typed by the staff, or one that came in whole with the name as it was typed,
        // stays; otherwise the analyser reads the name.
        if (m_readingTyped || m_capture->Complete())
            return;
        const std::optional<QString> reading = MenuNameReading(txtName->text(), QString(), ProgramMenuReader());
        if (!reading)
            return;
        txtNameKana->setText(*reading);
        cmdOK->setEnabled(allFilled());
    });
    // The price stays as typed; only leaving the field checks that it is a number.
    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->watch(txtMoney, LeaveFieldCheck::Number());
    connect(cmdOK, &QPushButton::clicked, this, &frmMenuName::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMenuName::reject);
    txtName->setFocus();
}

bool frmMenuName::allFilled() const
{
    return !txtName->text().isEmpty() && !txtMoney->text().isEmpty() && !txtNameKana->text().isEmpty();
}

MenuCatalogue::Item frmMenuName::Entered() const
{
    return {txtName->text(), txtMoney->text(), txtNameKana->text()};
}

void frmMenuName::cmdOK_Click()
{
    if (!allFilled())
        return;
    // A click on OK need not take the focus from the price; a price that is no number would
    // otherwise be saved as 0.
    if (!m_fieldCheck->checkFocusedField())
        return;
    if (!LeaveFieldCheck::Number()(txtMoney->text())) {
        m_fieldCheck->keepFocusIn(txtMoney);
        return;
    }
    if (MenuCatalogue::IsItemTaken(m_group, txtName->text(), m_changing)) {
        ShowWarning(QStringLiteral("メニューの重複"), QStringLiteral("同一名のメニューが既に存在します。"));
        txtName->setFocus();
        txtName->selectAll();
        return;
    }
    accept();
}
