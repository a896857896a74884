#include "directmail/ui/frmDM.h"

#include "customers/ui/frmCust.h"
#include "directmail/dmexport.h"
#include "directmail/dmlabels.h"
#include "directmail/dmresultmodel.h"
#include "directmail/dmsnapshot.h"
#include "directmail/ui/frmDMPaper.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "printing/ui/frmPreview.h"
#include "store/appdata.h"
#include "store/helpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

frmDM::frmDM(AppData &data, const ProgressFn &progress, QWidget *parent) : QWidget(parent), m_data(data)
{
    named(this, "frmDM");
    setWindowTitle(QStringLiteral("DM発行"));
    setAttribute(Qt::WA_DeleteOnClose);

    tabMain = named(new QTabWidget(this), "tabMain");
    tabMain->addTab(buildPickTab(), QStringLiteral("顧客抽出"));
    tabMain->addTab(buildHistoryTab(), QStringLiteral("DM発行履歴"));
    auto *main = new QVBoxLayout(this);
    main->addWidget(tabMain);

    auto snapshot = ReadDmSnapshot(data.records.filePath(RecordStore::kCustomerFile), progress);
    if (!snapshot)
        ShowErrorBox(9, QStringLiteral("顧客データの読み込みエラー"));
    m_model->SetSnapshot(std::make_shared<const std::vector<DmCustomer>>(snapshot.value_or(std::vector<DmCustomer>{})));
    if (progress)
        progress(0, 0);

    for (size_t i = 1; i < data.settings.DmHistory.size(); ++i)
        addHistoryRow(data.settings.DmHistory[i]);
    applyTarget(0);
    updateResultButtons();
    updateHistoryButtons();
}

frmDM::~frmDM() = default;

QWidget *frmDM::buildPickTab()
{
    auto *tab = named(new QWidget, "tabPick");
    cboTar = named(new QComboBox(tab), "cboTar");
    cboTar->addItems(DmTargetTexts());
    cboMoku = named(new QComboBox(tab), "cboMoku");
    cboMoku->addItems(DmPurposeTexts());
    cmdPic = named(new QPushButton(QStringLiteral("抽出(&S)"), tab), "cmdPic", QStringLiteral("抽出(&S)"));

    auto *top = new QGridLayout;
    top->addWidget(caption(QStringLiteral("1．ターゲット："), cboTar, tab), 0, 0);
    top->addWidget(cboTar, 0, 1);
    top->addWidget(caption(QStringLiteral("2．目的："), cboMoku, tab), 1, 0);
    top->addWidget(cboMoku, 1, 1);
    auto *conLabel = new QLabel(QStringLiteral("3．抽出条件："), tab);
    top->addWidget(conLabel, 2, 0, Qt::AlignTop);
    top->addWidget(buildConditionFrame(), 2, 1);
    top->addWidget(cmdPic, 2, 2, Qt::AlignBottom);
    top->setColumnStretch(3, 1);

    m_model = new DmResultModel(this);
    lsvList = named(new QTreeView(tab), "lsvList", QStringLiteral("抽出顧客リスト："));
    lsvList->setModel(m_model);
    lsvList->setRootIsDecorated(false);
    lsvList->setUniformRowHeights(true);
    lsvList->setSelectionBehavior(QAbstractItemView::SelectRows);
    lsvList->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvList->header()->setSectionsClickable(true);
    lsvList->header()->setStretchLastSection(false);
    lsvList->setColumnWidth(0, 70);
    lsvList->setColumnWidth(1, 200);
    lsvList->setColumnWidth(2, 100);
    lsvList->setColumnWidth(3, 100);
    lsvList->setColumnWidth(4, 70);
    lblNum = named(new QLabel(QStringLiteral("0名"), tab), "lblNum");

    cmdCustView =
        named(new QPushButton(QStringLiteral("顧客詳細(&K)"), tab), "cmdCustView", QStringLiteral("顧客詳細(&K)"));
    cmdGo[0] =
        named(new QPushButton(QStringLiteral("プレビュー(&V)"), tab), "cmdGo0", QStringLiteral("プレビュー(&V)"));
    cmdGo[1] = named(new QPushButton(QStringLiteral("宛名印刷(&P)"), tab), "cmdGo1", QStringLiteral("宛名印刷(&P)"));
    cmdRegist =
        named(new QPushButton(QStringLiteral("履歴に登録(&R)"), tab), "cmdRegist", QStringLiteral("履歴に登録(&R)"));
    cmdEx = named(new QPushButton(QStringLiteral("顧客リストのエクスポート(&E)"), tab), "cmdEx",
                  QStringLiteral("顧客リストのエクスポート(&E)"));
    cmdPaper = named(new QPushButton(QStringLiteral("用紙設定(&Y)"), tab), "cmdPaper", QStringLiteral("用紙設定(&Y)"));

    auto *listHead = new QHBoxLayout;
    listHead->addWidget(caption(QStringLiteral("抽出顧客リスト："), lsvList, tab));
    listHead->addStretch();
    listHead->addWidget(lblNum);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {cmdCustView, cmdGo[0], cmdGo[1], cmdRegist, cmdEx})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(cmdPaper);
    auto *listRow = new QHBoxLayout;
    listRow->addWidget(lsvList, 1);
    listRow->addLayout(buttons);

    auto *layout = new QVBoxLayout(tab);
    layout->addLayout(top);
    layout->addLayout(listHead);
    layout->addLayout(listRow, 1);

    connect(cboTar, &QComboBox::activated, this, &frmDM::applyTarget);
    connect(cmdPic, &QPushButton::clicked, this, &frmDM::cmdPic_Click);
    connect(cmdCustView, &QPushButton::clicked, this, &frmDM::cmdCustView_Click);
    connect(cmdGo[0], &QPushButton::clicked, this, &frmDM::cmdPreview_Click);
    connect(cmdGo[1], &QPushButton::clicked, this, &frmDM::cmdPrint_Click);
    connect(cmdRegist, &QPushButton::clicked, this, &frmDM::cmdRegist_Click);
    connect(cmdEx, &QPushButton::clicked, this, &frmDM::cmdEx_Click);
    connect(cmdPaper, &QPushButton::clicked, this, &frmDM::cmdPaper_Click);
    connect(lsvList, &QTreeView::doubleClicked, this, [this] { cmdCustView_Click(); });
    connect(lsvList->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->SortByColumn(column);
        if (m_model->rowCount() > 0)
            lsvList->setCurrentIndex(m_model->index(0, 0));
    });
    return tab;
}

QWidget *frmDM::buildConditionFrame()
{
    fraCon = named(new QGroupBox(QStringLiteral("設定："), this), "fraCon");
    optPic[0] = named(new QRadioButton(QStringLiteral("条件"), fraCon), "optPic0", QStringLiteral("条件"));
    optPic[1] = named(new QRadioButton(QStringLiteral("すべて"), fraCon), "optPic1", QStringLiteral("すべて"));
    const QString captions[3] = {QStringLiteral("初回利用日が"), QStringLiteral("最終利用日が"),
                                 QStringLiteral("利用回数が")};
    for (int i = 0; i < 3; ++i)
        chkCon[i] = named(new QCheckBox(captions[i], fraCon), QStringLiteral("chkCon%1").arg(i), captions[i]);
    auto makeDate = [this](const char *name, const QString &spoken) {
        auto *d = named(new QDateEdit(Clock::Today(), fraCon), name, spoken);
        d->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
        d->setCalendarPopup(true);
        return d;
    };
    dtpFirst = makeDate("dtpFirst", QStringLiteral("初回利用日"));
    dtpLast = makeDate("dtpLast", QStringLiteral("最終利用日"));
    const QStringList dateDirs = {DmDateComparisonText(+1), DmDateComparisonText(-1)};
    cboFirst = named(new QComboBox(fraCon), "cboFirst", QStringLiteral("初回利用日の比較"));
    cboFirst->addItems(dateDirs);
    cboLast = named(new QComboBox(fraCon), "cboLast", QStringLiteral("最終利用日の比較"));
    cboLast->addItems(dateDirs);
    cboKaisu = named(new QComboBox(fraCon), "cboKaisu", QStringLiteral("利用回数"));
    for (int n : DmCountThresholds())
        cboKaisu->addItem(QString::number(n));
    cboNum = named(new QComboBox(fraCon), "cboNum", QStringLiteral("利用回数の比較"));
    cboNum->addItems({DmCountComparisonText(+1), DmCountComparisonText(-1)});

    auto *grid = new QGridLayout(fraCon);
    auto *modes = new QHBoxLayout;
    modes->addWidget(optPic[0]);
    modes->addWidget(optPic[1]);
    modes->addStretch();
    grid->addLayout(modes, 0, 0, 1, 3);
    grid->addWidget(chkCon[0], 1, 0);
    grid->addWidget(dtpFirst, 1, 1);
    grid->addWidget(cboFirst, 1, 2);
    grid->addWidget(chkCon[1], 2, 0);
    grid->addWidget(dtpLast, 2, 1);
    grid->addWidget(cboLast, 2, 2);
    grid->addWidget(chkCon[2], 3, 0);
    grid->addWidget(cboKaisu, 3, 1);
    grid->addWidget(cboNum, 3, 2);

    for (QRadioButton *o : optPic)
        connect(o, &QRadioButton::toggled, this, &frmDM::updateConditionControls);
    for (QCheckBox *c : chkCon)
        connect(c, &QCheckBox::toggled, this, &frmDM::updateConditionControls);
    return fraCon;
}

void frmDM::applyTarget(int target)
{
    const DmConditions c = PresetForTarget(target, Conditions());
    optPic[c.all ? 1 : 0]->setChecked(true);
    chkCon[0]->setChecked(c.first.on);
    chkCon[1]->setChecked(c.last.on);
    chkCon[2]->setChecked(c.countOn);
    if (c.first.on)
        cboFirst->setCurrentIndex(c.first.direction < 0 ? 1 : 0);
    if (c.last.on)
        cboLast->setCurrentIndex(c.last.direction < 0 ? 1 : 0);
    if (c.countOn)
        cboNum->setCurrentIndex(c.countDirection < 0 ? 1 : 0);
    updateConditionControls();
}

void frmDM::updateConditionControls()
{
    const bool conditions = optPic[0]->isChecked();
    QWidget *rows[3][2] = {{dtpFirst, cboFirst}, {dtpLast, cboLast}, {cboKaisu, cboNum}};
    for (int i = 0; i < 3; ++i) {
        chkCon[i]->setEnabled(conditions);
        for (QWidget *w : rows[i])
            w->setEnabled(conditions && chkCon[i]->isChecked());
    }
}

DmConditions frmDM::Conditions() const
{
    DmConditions c;
    c.all = !optPic[0]->isChecked();
    c.first = {chkCon[0]->isChecked(), dtpFirst->date(), cboFirst->currentIndex() == 1 ? -1 : +1};
    c.last = {chkCon[1]->isChecked(), dtpLast->date(), cboLast->currentIndex() == 1 ? -1 : +1};
    c.countOn = chkCon[2]->isChecked();
    c.count = DmCountThresholds().at(size_t(qMax(0, cboKaisu->currentIndex())));
    c.countDirection = cboNum->currentIndex() == 1 ? -1 : +1;
    return c;
}

void frmDM::cmdPic_Click()
{
    std::vector<int> rows = ExtractDmCustomers(m_model->Snapshot(), Conditions());
    // The snapshot predates a "しない" saved while the window is open; that choice still counts.
    if (!m_declinedEver.isEmpty()) {
        const auto &snapshot = m_model->Snapshot();
        std::erase_if(rows, [&](int pos) { return m_declinedEver.contains(snapshot[size_t(pos)].CustomerId); });
    }
    m_model->SetRows(std::move(rows));
    if (m_model->rowCount() > 0)
        lsvList->setCurrentIndex(m_model->index(0, 0));
    updateResultButtons();
}

void frmDM::updateResultButtons()
{
    const int rows = m_model->rowCount();
    lblNum->setText(QString::number(rows) + QStringLiteral("名"));
    for (QPushButton *b : {cmdCustView, cmdGo[0], cmdGo[1], cmdRegist, cmdEx})
        b->setEnabled(rows > 0);
}

int frmDM::ResultCount() const
{
    return m_model->rowCount();
}

QStringList frmDM::ResultRowTexts(int row) const
{
    return m_model->RowTexts(row);
}

int frmDM::SnapshotSize() const
{
    return int(m_model->Snapshot().size());
}

void frmDM::cmdCustView_Click()
{
    const QModelIndex current = lsvList->currentIndex();
    if (!current.isValid())
        return;
    const int pos = m_data.records.FindCustomerPos(m_model->CustomerIdAt(current.row()));
    if (pos < 1) {
        ShowWarning(QStringLiteral("表示不可能"), QStringLiteral("該当顧客データが削除されたため、表示できません。"));
        return;
    }
    frmCust dialog(m_data, pos, this);
    connect(&dialog, &frmCust::directMailDeclined, this, &frmDM::DirectMailDeclined);
    dialog.exec();
    Re_view();
}

void frmDM::DirectMailDeclined(const QString &customerId)
{
    bool ok = false;
    const qint32 id = customerId.toInt(&ok);
    if (ok) {
        m_declined.insert(id);
        m_declinedEver.insert(id);
    }
}

void frmDM::Re_view()
{
    // Every customer declined since the last refresh, not only the last one: several detail
    // windows may have been saved before this window became active again.
    for (qint32 id : std::as_const(m_declined))
        m_model->RemoveCustomer(id);
    m_declined.clear();
    updateResultButtons();
}

std::vector<CustomerRecord> frmDM::resultCustomers()
{
    return ReadDmCustomers(m_data.records, m_model->CustomerIds());
}

void frmDM::previewOrPrint(bool preview)
{
    PrintDocument doc = MakeDmLabelDocument(resultCustomers());
    frmPreview window(doc, this);
    if (preview)
        window.exec();
    else
        window.GoPrint();
}

void frmDM::cmdPreview_Click()
{
    previewOrPrint(true);
}

void frmDM::cmdPrint_Click()
{
    previewOrPrint(false);
}

void frmDM::cmdEx_Click()
{
    const QString path = Prompt().saveFileName(QStringLiteral("名前を付けて保存"), SpecialFolderPath(5),
                                               QStringLiteral("csvﾌｧｲﾙ (*.csv);;すべてのﾌｧｲﾙ (*.*)"));
    if (path.isEmpty())
        return;
    if (WriteDmCsv(path, resultCustomers()))
        ShowInformation(QStringLiteral("完了"), QStringLiteral("エクスポートが完了しました。"));
}

void frmDM::cmdPaper_Click()
{
    frmDMPaper dialog(this);
    dialog.exec();
}
