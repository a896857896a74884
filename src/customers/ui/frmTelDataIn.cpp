#include "customers/ui/frmTelDataIn.h"

#include "customers/phonebookimport.h"
#include "customers/ui/importsteps.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/importsource.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

QPushButton *Button(const char *name, const QString &text)
{
    return named(new QPushButton(text), name, text);
}

} // namespace

frmTelDataIn::frmTelDataIn(AppData &data, QWidget *parent) : QDialog(parent), m_data(data)
{
    setObjectName(QStringLiteral("frmTelDataIn"));
    setWindowTitle(QStringLiteral("電話帳データのインポート"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *intro =
        named(new QLabel(QStringLiteral("CSV形式（カンマ区切り）の電話帳データを一括して登録します。")), "lblSetsumei");
    auto *benefit = named(new QLabel(QStringLiteral("電話帳データを登録しておくと、新規顧客の住所等の入力手間が"
                                                    "大幅に簡略化されます。")),
                          "lblSetsumei2");
    benefit->setWordWrap(true);
    layout->addWidget(intro);
    layout->addWidget(benefit);

    m_steps = new ImportSteps(this, {QStringLiteral("１．インポートしたい電話帳データ（CSV形式）を指定してください。"),
                                     QStringLiteral("電話帳データのインポート"), PhoneBookImport::TargetCaptions()});
    lblPath = m_steps->lblPath;
    cmdSan = m_steps->cmdSan;
    cmdNext = m_steps->cmdNext;
    lsvData = m_steps->lsvData;
    lsvList = m_steps->lsvList;
    cmdSet = m_steps->cmdSet;
    cmdClear = m_steps->cmdClear;
    cmdAllClear = m_steps->cmdAllClear;
    layout->addWidget(m_steps->fileStep());
    layout->addWidget(m_steps->mappingStep(), 1);

    const ImportRow step3 = MakeImportRow();
    cmdInport = step3.cmdInport;
    lblSin = step3.lblSin;
    cmdDel = Button("cmdDel", QStringLiteral("電話帳データを削除する(&D)"));
    cmdCancel = Button("cmdCancel", QStringLiteral("閉じる"));
    step3.row->addWidget(cmdDel);
    step3.row->addWidget(cmdCancel);
    layout->addWidget(step3.box);

    cmdInport->setEnabled(false);
    cmdDel->setEnabled(m_data.records.PhoneBookCount() > 0);
    resize(640, 520);

    connect(m_steps, &ImportSteps::mappingChanged, this, [this] { cmdInport->setEnabled(m_steps->anyMapped()); });
    connect(cmdInport, &QPushButton::clicked, this, &frmTelDataIn::cmdInport_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmTelDataIn::cmdDel_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmTelDataIn::setControlsEnabled(bool enabled)
{
    m_steps->setControlsEnabled(enabled);
    cmdInport->setEnabled(enabled && m_steps->anyMapped());
    cmdDel->setEnabled(enabled && m_data.records.PhoneBookCount() > 0);
}

void frmTelDataIn::cmdInport_Click()
{
    const CsvTable &rows = m_steps->rows();
    const int total = int(rows.size());
    if (Prompt().ask({PromptIcon::Information, QStringLiteral("インポートの確認"), ImportSource::ConfirmText(total),
                      PromptButtons::YesNo}) != PromptAnswer::Yes)
        return;

    PhoneBookImport::Mapping mapping{};
    const std::vector<int> columns = m_steps->columns();
    std::copy_n(columns.begin(), std::min<size_t>(columns.size(), mapping.size()), mapping.begin());

    const QPointer<frmTelDataIn> self(this);
    PhoneBookImport::Checked checked;
    {
        WaitCursor wait;
        setControlsEnabled(false);
        const int step = std::max(1, total / 300);
        checked = PhoneBookImport::CheckRows(rows, mapping, m_data.records, [&](int done) {
            if (done % step != 0 && done != total && done != 1)
                return true;
            lblSin->setText(QStringLiteral("%1/%2").arg(done).arg(total));
            QApplication::processEvents();
            // "閉じる" stays usable: closing the window abandons the import before anything is stored.
            return !self.isNull() && isVisible();
        });
    }
    if (self.isNull())
        return;
    if (!isVisible()) {
        lblSin->clear();
        setControlsEnabled(true);
        return;
    }

    int stored = 0;
    if (!checked.batch.empty() && m_data.records.AppendPhoneBookEntries(checked.batch))
        stored = int(checked.batch.size());
    setControlsEnabled(true);
    ShowInformation(QStringLiteral("インポート結果"), ImportSource::ResultText(total, stored));
    if (!checked.failures.isEmpty() && !ImportSource::WriteErrorLog(checked.failures))
        ImportSource::ReportErrorLogFailure();
    lblSin->clear();
}

void frmTelDataIn::cmdDel_Click()
{
    if (Prompt().ask({PromptIcon::Warning, QStringLiteral("削除確認"),
                      QStringLiteral("登録済みの電話帳データを全て削除してもよろしいですか？"),
                      PromptButtons::OkCancel}) != PromptAnswer::Ok)
        return;
    const bool deleted = m_data.records.DeleteAllPhoneBookEntries();
    cmdDel->setEnabled(m_data.records.PhoneBookCount() > 0);
    if (deleted)
        ShowInformation(QStringLiteral("削除完了"), QStringLiteral("電話帳データの削除が完了しました"));
}
