#include "settings/ui/frmMenuImport.h"

#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/helpers.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

constexpr int kColumnRole = Qt::UserRole; // the source column (1-based) a target holds, 0 = none

const QString kFilter = QStringLiteral("csvﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*.*)");

QPushButton *Button(const char *name, const QString &text)
{
    return named(new QPushButton(text), name, text);
}

QTreeWidget *List(const char *name, const QString &spokenName, const QStringList &headers)
{
    auto *list = named(new QTreeWidget, name, spokenName);
    list->setColumnCount(int(headers.size()));
    list->setHeaderLabels(headers);
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setAllColumnsShowFocus(true);
    return list;
}

// The wait cursor while a long step runs.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

} // namespace

frmMenuImport::frmMenuImport(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    setObjectName(QStringLiteral("frmMenuImport"));
    setWindowTitle(QStringLiteral("メニューデータのインポート"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        named(new QLabel(QStringLiteral("他のアプリケーションで作成したCSV形式（カンマ区切り）のメニューデー"
                                        "タを一括して取り込む事ができます。")),
              "lblSetsumei"));

    auto *step1 = named(
        new QGroupBox(QStringLiteral("１．インポートしたいメニューデータ（CSV形式）を指定してください。")), "fraFile");
    auto *fileRow = new QHBoxLayout(step1);
    lblPath = named(new QLabel, "lblPath", QStringLiteral("インポートファイル"));
    lblPath->setFrameShape(QFrame::StyledPanel);
    lblPath->setMinimumWidth(320);
    cmdSan = Button("cmdSan", QStringLiteral("参照(&S)..."));
    cmdNext = Button("cmdNext", QStringLiteral("次へ(&N) >"));
    fileRow->addWidget(lblPath, 1);
    fileRow->addWidget(cmdSan);
    fileRow->addWidget(cmdNext);
    layout->addWidget(step1);

    auto *step2 = named(new QGroupBox(QStringLiteral("２．インポートしたい項目をソラノワの項目に設定して下さい。")),
                        "fraMapping");
    auto *grid = new QGridLayout(step2);
    lsvList = List("lsvList", QStringLiteral("ソラノワの項目"),
                   {QStringLiteral("ソラノワの項目"), QStringLiteral("インポート元項目")});
    lsvData = List("lsvData", QStringLiteral("インポート元項目"), {QStringLiteral("インポート元項目")});
    cmdSet = Button("cmdSet", QStringLiteral("<< 設定(&S)"));
    cmdClear = Button("cmdClear", QStringLiteral("クリア(&C) >>"));
    cmdAllClear = Button("cmdAllClear", QStringLiteral("全てクリア(&A)"));
    auto *mapButtons = new QVBoxLayout;
    mapButtons->addStretch();
    mapButtons->addWidget(cmdSet);
    mapButtons->addWidget(cmdClear);
    mapButtons->addWidget(cmdAllClear);
    mapButtons->addStretch();
    grid->addWidget(lsvList, 0, 0);
    grid->addLayout(mapButtons, 0, 1);
    grid->addWidget(lsvData, 0, 2);
    layout->addWidget(step2);

    auto *step3 = named(new QGroupBox, "fraInport");
    auto *importRow = new QHBoxLayout(step3);
    cmdInport = Button("cmdInport", QStringLiteral("インポート(&I)"));
    pgbInport = named(new QProgressBar, "pgbInport", QStringLiteral("インポートの進み具合"));
    pgbInport->setRange(0, 1);
    pgbInport->setValue(0);
    pgbInport->setTextVisible(false);
    cmdCancel = Button("cmdCancel", QStringLiteral("閉じる"));
    importRow->addWidget(cmdInport);
    importRow->addWidget(pgbInport, 1);
    importRow->addWidget(cmdCancel);
    layout->addWidget(step3);

    cmdNext->setEnabled(false);
    cmdInport->setEnabled(false);
    resetTargets();

    connect(cmdSan, &QPushButton::clicked, this, &frmMenuImport::cmdSan_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmMenuImport::cmdNext_Click);
    connect(cmdSet, &QPushButton::clicked, this, &frmMenuImport::cmdSet_Click);
    connect(lsvData, &QTreeWidget::itemDoubleClicked, this, &frmMenuImport::cmdSet_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmMenuImport::cmdClear_Click);
    connect(cmdAllClear, &QPushButton::clicked, this, &frmMenuImport::cmdAllClear_Click);
    connect(cmdInport, &QPushButton::clicked, this, &frmMenuImport::cmdInport_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void frmMenuImport::resetTargets()
{
    lsvList->clear();
    for (const QString &target : MenuImport::TargetCaptions()) {
        auto *item = new QTreeWidgetItem(lsvList, {target, MenuImport::kNotSet});
        item->setData(0, kColumnRole, 0);
    }
    lsvList->setCurrentItem(lsvList->topLevelItem(0));
}

void frmMenuImport::updateImportButton()
{
    bool any = false;
    for (int i = 0; i < lsvList->topLevelItemCount(); ++i)
        any = any || lsvList->topLevelItem(i)->data(0, kColumnRole).toInt() != 0;
    cmdInport->setEnabled(any);
}

MenuImport::Mapping frmMenuImport::mapping() const
{
    MenuImport::Mapping out{};
    for (int i = 0; i < MenuImport::TargetCount; ++i)
        out[size_t(i)] = lsvList->topLevelItem(i)->data(0, kColumnRole).toInt();
    return out;
}

void frmMenuImport::cmdSan_Click()
{
    const QString path = Prompt().openFileName(QStringLiteral("開く"), SpecialFolderPath(0), kFilter);
    if (path.isEmpty())
        return;
    lblPath->setText(path);
    cmdNext->setEnabled(true);
}

void frmMenuImport::cmdNext_Click()
{
    MenuImport::ReadStatus status;
    {
        WaitCursor wait;
        status = MenuImport::ReadSource(lblPath->text(), m_rows);
    }
    // Whatever was read before is gone: no mapping may point into it.
    lsvData->clear();
    resetTargets();
    cmdInport->setEnabled(false);
    switch (status) {
    case MenuImport::ReadStatus::Missing:
        ShowWarning(QStringLiteral("ファイルを開けません"), QStringLiteral("指定したファイルは存在しません。"));
        return;
    case MenuImport::ReadStatus::Empty:
        ShowWarning(QStringLiteral("読み込めません"), QStringLiteral("指定したファイルは中身がありません。"));
        return;
    case MenuImport::ReadStatus::Unreadable:
        ShowErrorBox(5, QStringLiteral("インポートファイル読み込みエラー"));
        return;
    case MenuImport::ReadStatus::Ok:
        break;
    }
    const QStringList entries = MenuImport::SourceEntries(m_rows);
    for (int c = 0; c < entries.size(); ++c) {
        auto *item = new QTreeWidgetItem(lsvData, {entries.at(c)});
        item->setData(0, kColumnRole, c + 1);
    }
    lsvData->setCurrentItem(lsvData->topLevelItem(0));
}

void frmMenuImport::cmdSet_Click()
{
    QTreeWidgetItem *source = lsvData->currentItem();
    QTreeWidgetItem *target = lsvList->currentItem();
    if (!source || !target)
        return;
    target->setText(1, source->text(0));
    target->setData(0, kColumnRole, source->data(0, kColumnRole));
    updateImportButton();
}

void frmMenuImport::cmdClear_Click()
{
    QTreeWidgetItem *target = lsvList->currentItem();
    if (!target)
        return;
    target->setText(1, MenuImport::kNotSet);
    target->setData(0, kColumnRole, 0);
    updateImportButton();
}

void frmMenuImport::cmdAllClear_Click()
{
    const int current = lsvList->indexOfTopLevelItem(lsvList->currentItem());
    resetTargets();
    if (current >= 0)
        lsvList->setCurrentItem(lsvList->topLevelItem(current));
    cmdInport->setEnabled(false);
}

void frmMenuImport::cmdInport_Click()
{
    const MenuImport::Mapping map = mapping();
    if (const QString refusal = MenuImport::MappingError(map); !refusal.isEmpty()) {
        ShowWarning(QStringLiteral("設定エラー"), refusal);
        return;
    }
    const int total = int(m_rows.size());
    if (Prompt().ask({PromptIcon::Information, QStringLiteral("インポートの確認"), MenuImport::ConfirmText(total),
                      PromptButtons::YesNo}) != PromptAnswer::Yes)
        return;

    MenuImport::Outcome outcome;
    {
        WaitCursor wait;
        pgbInport->setRange(0, std::max(total, 1));
        pgbInport->setValue(0);
        // Redrawing for every row would cost more than the import; a few hundred steps suffice.
        const int step = std::max(1, total / 200);
        outcome = MenuImport::ImportRows(m_rows, map, m_tables.MenuTable, [this, step, total](int done) {
            if (done % step == 0 || done == total) {
                pgbInport->setValue(done);
                QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
        });
    }
    m_changed = true;
    ShowInformation(QStringLiteral("インポート結果"), MenuImport::ResultText(outcome));
    pgbInport->setValue(0);
    if (!outcome.failures.isEmpty() && !MenuImport::WriteErrorLog(outcome.failures))
        ShowErrorBox(16, QStringLiteral("インポートログファイル書き込みエラー"));
    accept();
}
