#include "customers/ui/CustomerImportTab.h"

#include "customers/customerimport.h"
#include "customers/ui/importsteps.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/importsource.h"
#include "store/oledate.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

CustomerImportTab::CustomerImportTab(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    setObjectName(QStringLiteral("CustomerImportTab"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = named(new QLabel(QStringLiteral("他のアプリケーションで作成したCSV形式（カンマ区切り）の顧客データ"
                                                  "を一括して取り込む事ができます。")),
                        "lblSetsumei");
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_steps = new ImportSteps(this, {QStringLiteral("１．インポートしたい顧客データ（CSV形式）を指定してください。"),
                                     QStringLiteral("顧客データのインポート"), CustomerImport::TargetCaptions()});
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
    layout->addWidget(step3.box);

    cmdInport->setEnabled(false);
    connect(m_steps, &ImportSteps::mappingChanged, this, [this] { cmdInport->setEnabled(m_steps->anyMapped()); });
    connect(cmdInport, &QPushButton::clicked, this, &CustomerImportTab::cmdInport_Click);
}

void CustomerImportTab::setControlsEnabled(bool enabled)
{
    m_steps->setControlsEnabled(enabled);
    cmdInport->setEnabled(enabled && m_steps->anyMapped());
}

void CustomerImportTab::cmdInport_Click()
{
    const CsvTable &lines = m_steps->rows();
    const int total = int(lines.size());
    if (Prompt().ask({PromptIcon::Information, QStringLiteral("インポートの確認"), ImportSource::ConfirmText(total),
                      PromptButtons::YesNo}) != PromptAnswer::Yes)
        return;

    CustomerImport::Mapping mapping{};
    const std::vector<int> columns = m_steps->columns();
    std::copy_n(columns.begin(), std::min<size_t>(columns.size(), mapping.size()), mapping.begin());

    const QPointer<CustomerImportTab> self(this);
    m_importing = true;
    CustomerImport::Checked checked;
    {
        WaitCursor wait(true);
        setControlsEnabled(false);
        // Repainting for every line would cost more than the import; a few hundred steps do.
        const int step = std::max(1, total / 300);
        const double now = ToOleDate(Clock::Now());
        checked = CustomerImport::CheckLines(lines, mapping, m_data.records, now, [&](int done) {
            if (done % step != 0 && done != total && done != 1)
                return true;
            lblSin->setText(QStringLiteral("%1/%2").arg(done).arg(total));
            QApplication::processEvents();
            // The window was closed meanwhile: the import is abandoned, nothing is stored.
            return !self.isNull() && window()->isVisible();
        });
    }
    if (self.isNull())
        return;
    m_importing = false;
    if (!window()->isVisible()) {
        setControlsEnabled(true);
        return;
    }

    int stored = 0;
    if (!checked.batch.empty() && m_data.records.RecordAddAll(checked.batch))
        stored = int(checked.batch.size());
    setControlsEnabled(true);
    ShowInformation(QStringLiteral("インポート結果"), ImportSource::ResultText(total, stored));
    if (!checked.failures.isEmpty() && !ImportSource::WriteErrorLog(checked.failures))
        ImportSource::ReportErrorLogFailure();
    if (stored > 0)
        emit customersImported(stored);
}
