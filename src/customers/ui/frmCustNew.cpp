#include "customers/ui/frmCustNew.h"

#include "customers/ui/CustomerImportTab.h"

#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/ui/fieldcheck.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

frmCustNew::frmCustNew(AppData &data, QWidget *parent) : QDialog(parent), m_data(data)
{
    named(this, "frmCustNew");
    setWindowTitle(QStringLiteral("顧客新規登録"));
    setModal(true);

    tabMain = named(new QTabWidget(this), "tabMain", QStringLiteral("顧客新規登録"));
    tabInput = buildInputTab();
    tabImport = buildImportTab();
    tabMain->addTab(tabInput, QStringLiteral("新規入力"));
    tabMain->addTab(tabImport, QStringLiteral("外部データのインポート"));

    // "閉じる" sits below the tabs: it closes the window from either of them, also while an
    // import is running.
    cmdCancel = named(new QPushButton(QStringLiteral("閉じる"), this), "cmdCancel");
    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabMain, 1);
    layout->addLayout(closeRow);

    ConnectCustomerEditors(this, m_editors, m_data.settings.BuildingList, [this] { m_changed = true; });
    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->watch(txtTel, LeaveFieldCheck::Phone());
    connect(cmdOk, &QPushButton::clicked, this, [this] {
        // What was refused, or did not reach the file, stays on screen to be corrected or retried.
        if (cmdOk_Click())
            closing();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmCustNew::reject);
    openWindow();
}

QWidget *frmCustNew::buildInputTab()
{
    auto *page = named(new QWidget, "tabInput");
    CustomerEditorOptions options;
    options.zipCaption = QStringLiteral("参照(&R)");
    options.remarksLimit = 50;
    options.motives = m_data.settings.MotiveList;
    m_editors = MakeCustomerEditors(page, options);
    txtTel = m_editors.txtTel;
    txtNameKana = m_editors.txtNameKana;
    txtZip = m_editors.txtZip;
    cmdZip = m_editors.cmdZip;
    txtShiku = m_editors.txtShiku;
    txtBanchi = m_editors.txtBanchi;
    txtBuilding = m_editors.txtBuilding;
    cmdBuilding = m_editors.cmdBuilding;
    cboDouki = m_editors.cboDouki;
    optDM[0] = m_editors.optDM[0];
    optDM[1] = m_editors.optDM[1];
    txtEtc = m_editors.txtEtc;

    auto *dm = new QHBoxLayout;
    dm->addWidget(optDM[0]);
    dm->addWidget(optDM[1]);
    dm->addStretch(1);

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto addRow = [&](const QString &text, QWidget *field, QWidget *beside = nullptr) {
        grid->addWidget(caption(text, field, page), row, 0);
        grid->addWidget(field, row, 1, 1, beside ? 1 : 2);
        if (beside)
            grid->addWidget(beside, row, 2);
        ++row;
    };
    addRow(QStringLiteral("電話番号："), txtTel, hint(QStringLiteral("（ハイホンなしで）"), txtTel, page));
    addRow(QStringLiteral("ﾅﾏｴ："), txtNameKana, hint(QStringLiteral("（半角ｶﾅ）"), txtNameKana, page));
    addRow(QStringLiteral("郵便番号："), txtZip, cmdZip);
    addRow(QStringLiteral("市区町村："), txtShiku);
    addRow(QStringLiteral("番地："), txtBanchi);
    addRow(QStringLiteral("ﾏﾝｼｮﾝ名等："), txtBuilding, cmdBuilding);
    addRow(QStringLiteral("利用動機："), cboDouki);
    auto *dmCaption = new QLabel(QStringLiteral("DM送付："), page);
    dmCaption->setBuddy(optDM[0]);
    grid->addWidget(dmCaption, row, 0);
    grid->addLayout(dm, row++, 1, 1, 2);
    addRow(QStringLiteral("備考："), txtEtc);

    cmdOk = named(new QPushButton(QStringLiteral("新規登録(&N)"), page), "cmdOk");
    cmdOk->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    txtTel->setMinimumWidth(160);
    txtNameKana->setMinimumWidth(220);
    txtShiku->setMinimumWidth(300);
    return page;
}

CustomerImportTab *frmCustNew::buildImportTab()
{
    auto *tab = named(new CustomerImportTab(m_data), "tabImport");
    return tab;
}

void frmCustNew::openWindow()
{
    // The shop's own area code: typing replaces it, End continues it.
    txtTel->setText(m_data.settings.Shop.ShopTel[0]);
    txtTel->selectAll();
    optDM[0]->setChecked(true);
    cboDouki->setCurrentIndex(-1);
    m_changed = false;
    tabMain->setCurrentWidget(tabInput);
    txtTel->setFocus();
}

bool frmCustNew::cmdOk_Click()
{
    // A click need not take the focus from the phone field, so its check runs here too.
    if (!m_fieldCheck->checkFocusedField())
        return false;
    int pos = -1;
    const CustomerSaveResult result = RegisterCustomer(m_data.records, m_editors.fields(), pos);
    if (result == CustomerSaveResult::Saved) {
        m_registeredPos = pos;
        m_changed = false;
    }
    return result == CustomerSaveResult::Saved;
}

void frmCustNew::closing()
{
    clearImportProgress();
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    done(m_registeredPos ? QDialog::Accepted : QDialog::Rejected);
}

void frmCustNew::clearImportProgress()
{
    tabImport->lblSin->clear();
}

void frmCustNew::reject()
{
    if (m_changed) {
        switch (AskYesNoCancel(QStringLiteral("保存確認"), QStringLiteral("顧客情報が変更されています。保存しますか？"),
                               PromptIcon::Warning)) {
        case PromptAnswer::Yes:
            // Refused fields stay on screen to be corrected rather than lost with the window.
            if (!cmdOk_Click())
                return;
            break;
        case PromptAnswer::No:
            break;
        default:
            return;
        }
    }
    closing();
}
