#include "customers/ui/importsteps.h"

#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/importsource.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

constexpr int kColumnRole = Qt::UserRole; // the source column (1-based) an entry holds, 0 = none

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
    list->setUniformRowHeights(true);
    return list;
}

} // namespace

WaitCursor::WaitCursor(bool arrowToo)
{
    QApplication::setOverrideCursor(arrowToo ? Qt::BusyCursor : Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

ImportSteps::ImportSteps(QWidget *host, const Texts &texts) : QObject(host), m_host(host), m_texts(texts)
{
    m_fileStep = named(new QGroupBox(texts.fileStep, host), "fraFile");
    auto *fileRow = new QHBoxLayout(m_fileStep);
    lblPath = named(new QLabel, "lblPath", QStringLiteral("インポートファイル"));
    lblPath->setFrameShape(QFrame::StyledPanel);
    lblPath->setMinimumWidth(280);
    lblPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    cmdSan = Button("cmdSan", QStringLiteral("参照(&S)..."));
    cmdNext = Button("cmdNext", QStringLiteral("次へ(&N) >"));
    fileRow->addWidget(lblPath, 1);
    fileRow->addWidget(cmdSan);
    fileRow->addWidget(cmdNext);

    m_mappingStep =
        named(new QGroupBox(QStringLiteral("２．インポートしたい項目をソラノワの項目に設定して下さい。"), host),
              "fraMapping");
    auto *grid = new QGridLayout(m_mappingStep);
    lsvList = List("lsvList", QStringLiteral("ソラノワの項目"),
                   {QStringLiteral("ソラノワの項目"), QStringLiteral("インポート元項目")});
    lsvList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
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
    // Room for the six customer fields without scrolling, however small the window.
    lsvList->setMinimumHeight(170);
    lsvData->setMinimumHeight(170);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(2, 2);

    cmdNext->setEnabled(false);
    resetTargets();

    connect(cmdSan, &QPushButton::clicked, this, &ImportSteps::cmdSan_Click);
    connect(cmdNext, &QPushButton::clicked, this, &ImportSteps::cmdNext_Click);
    connect(cmdSet, &QPushButton::clicked, this, &ImportSteps::cmdSet_Click);
    connect(lsvData, &QTreeWidget::itemDoubleClicked, this, &ImportSteps::cmdSet_Click);
    connect(cmdClear, &QPushButton::clicked, this, &ImportSteps::cmdClear_Click);
    connect(cmdAllClear, &QPushButton::clicked, this, &ImportSteps::cmdAllClear_Click);
}

std::vector<int> ImportSteps::columns() const
{
    std::vector<int> out;
    for (int i = 0; i < lsvList->topLevelItemCount(); ++i)
        out.push_back(lsvList->topLevelItem(i)->data(0, kColumnRole).toInt());
    return out;
}

bool ImportSteps::anyMapped() const
{
    for (int column : columns()) {
        if (column != 0)
            return true;
    }
    return false;
}

void ImportSteps::setControlsEnabled(bool enabled)
{
    for (QWidget *w : std::initializer_list<QWidget *>{cmdSan, lsvData, lsvList, cmdSet, cmdClear, cmdAllClear})
        w->setEnabled(enabled);
    cmdNext->setEnabled(enabled && !lblPath->text().isEmpty());
}

void ImportSteps::resetTargets()
{
    const int current = lsvList->indexOfTopLevelItem(lsvList->currentItem());
    lsvList->clear();
    for (const QString &target : m_texts.targets) {
        auto *item = new QTreeWidgetItem(lsvList, {target, ImportSource::kNotSet});
        item->setData(0, kColumnRole, 0);
    }
    lsvList->setCurrentItem(lsvList->topLevelItem(std::max(current, 0)));
}

void ImportSteps::cmdSan_Click()
{
    const QString path = Prompt().openFileName(m_texts.dialogTitle, SpecialFolderPath(0), ImportSource::kFileFilter);
    if (!path.isEmpty())
        lblPath->setText(path);
    cmdNext->setEnabled(!lblPath->text().isEmpty());
}

void ImportSteps::cmdNext_Click()
{
    ImportSource::ReadStatus status;
    {
        WaitCursor wait;
        status = ImportSource::ReadSource(lblPath->text(), m_rows);
    }
    // A file that could not be read leaves the lists, their mapping and the rows as they were.
    if (!ImportSource::ReportReadStatus(status))
        return;
    lsvData->clear();
    const QStringList entries = ImportSource::SourceEntries(m_rows);
    QList<QTreeWidgetItem *> items;
    items.reserve(entries.size());
    for (int c = 0; c < entries.size(); ++c) {
        auto *item = new QTreeWidgetItem({entries.at(c)});
        item->setData(0, kColumnRole, c + 1);
        items << item;
    }
    lsvData->addTopLevelItems(items);
    lsvData->setCurrentItem(lsvData->topLevelItem(0));
    // The new file's columns are not the old one's: no target may keep pointing into them.
    resetTargets();
    emit mappingChanged();
}

void ImportSteps::cmdSet_Click()
{
    QTreeWidgetItem *source = lsvData->currentItem();
    QTreeWidgetItem *target = lsvList->currentItem();
    if (!source || !target)
        return;
    target->setText(1, source->text(0));
    target->setData(0, kColumnRole, source->data(0, kColumnRole));
    emit mappingChanged();
}

void ImportSteps::cmdClear_Click()
{
    QTreeWidgetItem *target = lsvList->currentItem();
    if (!target)
        return;
    target->setText(1, ImportSource::kNotSet);
    target->setData(0, kColumnRole, 0);
    emit mappingChanged();
}

void ImportSteps::cmdAllClear_Click()
{
    resetTargets();
    emit mappingChanged();
}

ImportRow MakeImportRow()
{
    ImportRow r;
    r.box = named(new QGroupBox, "fraInport");
    r.row = new QHBoxLayout(r.box);
    r.cmdInport =
        named(new QPushButton(QStringLiteral("インポート(&I)")), "cmdInport", QStringLiteral("インポート(&I)"));
    r.lblSin = named(new QLabel, "lblSin", QStringLiteral("インポートの進み具合"));
    r.lblSin->setMinimumWidth(120);
    r.row->addWidget(r.cmdInport);
    r.row->addWidget(r.lblSin, 1);
    return r;
}
