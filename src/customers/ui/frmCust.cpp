// The customer detail window: opening, the editable record and saving.
#include "customers/ui/frmCust.h"

#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/ui/fieldcheck.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

QLabel *valueLabel(QWidget *parent, const char *name)
{
    auto *l = named(new QLabel(parent), name);
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(150);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

frmCust::frmCust(AppData &data, int customerPos, QWidget *parent) : QDialog(parent), m_data(data)
{
    named(this, "frmCust");
    setModal(true);
    setMinimumWidth(500);

    tabMain = named(new QTabWidget(this), "tabMain", QStringLiteral("顧客情報"));
    tabCustomer = buildCustomerTab();
    tabHistory = buildHistoryTab();
    tabMain->addTab(tabCustomer, QStringLiteral("顧客情報"));
    tabMain->addTab(tabHistory, QStringLiteral("注文履歴"));

    cmdOk[0] = named(new QPushButton(QStringLiteral("OK"), this), "cmdOk0");
    cmdOk[1] = named(new QPushButton(QStringLiteral("適用(&A)"), this), "cmdOk1");
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");
    cmdOk[0]->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOk[0]);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(cmdOk[1]);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabMain, 1);
    layout->addLayout(buttons);

    ConnectCustomerEditors(this, m_editors, m_data.settings.BuildingList, [this] { cmdOk[1]->setEnabled(true); });
    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->watch(txtTel, LeaveFieldCheck::Phone());
    m_fieldCheck->watch(txtPoint, LeaveFieldCheck::Number());
    connect(cmdOk[0], &QPushButton::clicked, this, [this] { Save(true); });
    connect(cmdOk[1], &QPushButton::clicked, this, [this] { Save(false); });
    connect(cmdCancel, &QPushButton::clicked, this, &frmCust::reject);
    connect(tabMain, &QTabWidget::currentChanged, this, [this](int index) {
        if (index != 0 && lsvSales->topLevelItemCount() == 0)
            fillSales();
    });

    openWindow(customerPos);
}

QWidget *frmCust::buildCustomerTab()
{
    auto *page = named(new QWidget, "tabCustomer");
    CustomerEditorOptions options;
    options.zipCaption = QStringLiteral("参照(&S)...");
    options.remarksLimit = 25;
    options.withPoints = true;
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
    txtPoint = m_editors.txtPoint;
    lblID = valueLabel(page, "lblID");
    lblFirstDay = valueLabel(page, "lblFirstDay");
    lblLastDay = valueLabel(page, "lblLastDay");
    lblCount = valueLabel(page, "lblCount");
    lblKinyu = valueLabel(page, "lblKinyu");

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    int row = 0;
    const auto addRow = [&](const QString &text, QWidget *field, QWidget *beside = nullptr, QWidget *buddy = nullptr) {
        grid->addWidget(caption(text, buddy ? buddy : field, page), row, 0);
        if (beside) {
            grid->addWidget(field, row, 1);
            grid->addWidget(beside, row, 2);
        } else {
            grid->addWidget(field, row, 1, 1, 2);
        }
        ++row;
    };
    const auto fixedWidth = [](QWidget *w, int width) {
        auto *box = new QHBoxLayout;
        box->setContentsMargins(0, 0, 0, 0);
        w->setMaximumWidth(width);
        box->addWidget(w);
        box->addStretch(1);
        auto *holder = new QWidget;
        holder->setLayout(box);
        return holder;
    };
    addRow(QStringLiteral("顧客ID："), fixedWidth(lblID, 120), nullptr, lblID);
    addRow(QStringLiteral("電話番号："), txtTel);
    addRow(QStringLiteral("ﾅﾏｴ："), txtNameKana);
    addRow(QStringLiteral("郵便番号："), txtZip, cmdZip);
    addRow(QStringLiteral("市区町村："), txtShiku);
    addRow(QStringLiteral("番地："), txtBanchi);
    addRow(QStringLiteral("マンション名："), txtBuilding, cmdBuilding);
    addRow(QStringLiteral("利用動機："), cboDouki);
    auto *dm = new QHBoxLayout;
    dm->addWidget(optDM[0]);
    dm->addWidget(optDM[1]);
    dm->addStretch(1);
    auto *dmCaption = new QLabel(QStringLiteral("DM送付："), page);
    dmCaption->setBuddy(optDM[0]);
    grid->addWidget(dmCaption, row, 0);
    grid->addLayout(dm, row++, 1, 1, 2);
    addRow(QStringLiteral("備考："), txtEtc);
    addRow(QStringLiteral("ポイント："), fixedWidth(txtPoint, 100), nullptr, txtPoint);

    // The usage figures the orders keep: shown, never typed.
    auto *usage = new QGridLayout;
    int urow = 0;
    for (const auto &[text, label] :
         {std::pair{QStringLiteral("初回利用日："), lblFirstDay}, std::pair{QStringLiteral("最終利用日："), lblLastDay},
          std::pair{QStringLiteral("利用回数："), lblCount}, std::pair{QStringLiteral("最終記入日："), lblKinyu}}) {
        usage->addWidget(caption(text, label, page), urow, 0);
        usage->addWidget(label, urow++, 1);
    }
    usage->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    auto *line = new QFrame(page);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addLayout(usage);
    layout->addStretch(1);
    txtShiku->setMinimumWidth(300);
    return page;
}

void frmCust::openWindow(int pos)
{
    m_pos = pos;
    const std::optional<CustomerRecord> record = LoadCustomerForDetail(m_data, pos);
    // A customer that could not be read is never written back: its fields would overwrite the
    // record with blanks.
    m_loaded = record.has_value();
    m_record = record.value_or(CustomerRecord());
    m_loadedTel = TrimField(m_record.Tel);

    m_editors.show(FieldsOfCustomer(m_record));
    if (m_loaded) {
        lblID->setText(FormatCustomerNo(m_record.CustomerId));
        lblKinyu->setText(LastEditText(m_record.LastEditDate));
        lblCount->setText(QString::number(m_record.UseCount));
        lblFirstDay->setText(UseDateText(m_record.FirstUseDate));
        lblLastDay->setText(UseDateText(m_record.LastUseDate));
    } else {
        txtPoint->clear();
    }
    setWindowTitle(DetailCaption(TrimField(m_record.NameKana)));
    cmdOk[1]->setEnabled(false);
    tabMain->setCurrentWidget(tabCustomer);
    txtTel->setFocus();
}

bool frmCust::IsChanged() const
{
    return cmdOk[1]->isEnabled();
}

bool frmCust::Save(bool closeAfter)
{
    if (!m_loaded) {
        if (closeAfter)
            done(QDialog::Rejected);
        return false;
    }
    if (!m_fieldCheck->checkFocusedField())
        return false;
    const CustomerFormFields fields = m_editors.fields();
    if (TelTakenOnChange(m_data.records, fields.Tel, m_loadedTel, m_pos)) {
        ShowTelTakenOnChange();
        tabMain->setCurrentWidget(tabCustomer);
        txtTel->setFocus();
        txtTel->setSelection(0, 13);
        return false;
    }
    CustomerRecord changed = m_record;
    ApplyCustomerFields(changed, fields, true, Clock::Now());
    if (!m_data.records.UpdateCustomer(m_pos, changed))
        return false;
    m_record = changed;
    lblKinyu->setText(LastEditText(m_record.LastEditDate));
    cmdOk[1]->setEnabled(false);
    if (m_record.DmFlag == 1)
        emit directMailDeclined(QString::number(m_record.CustomerId));
    if (closeAfter)
        done(QDialog::Accepted);
    return true;
}

void frmCust::reject()
{
    if (IsChanged()) {
        switch (AskYesNoCancel(QStringLiteral("保存確認"), QStringLiteral("顧客情報が変更されています。保存しますか？"),
                               PromptIcon::Warning)) {
        case PromptAnswer::Yes:
            // A refused or failed save keeps the window and what was typed.
            Save(true);
            return;
        case PromptAnswer::No:
            break;
        default:
            return;
        }
    }
    done(QDialog::Rejected);
}
