#include "sales/ui/frmSalesView.h"

#include "customers/ui/frmCust.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "sales/chartcriteria.h"
#include "sales/saledelete.h"
#include "sales/ui/frmSalesM.h"
#include "sales/ui/frmSalesStaff.h"
#include "sales/ui/salesrowmodel.h"
#include "store/appdata.h"
#include "store/datetimetext.h"
#include "store/preferences.h"
#include "store/ui/listsort.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTimeEdit>
#include <QTreeView>
#include <QTreeWidget>

namespace
{

const std::array<SettingValue<QString>, 4> kSlotStart = {Prefs::BandStart1, Prefs::BandStart1, Prefs::BandStart2,
                                                         Prefs::BandStart3};
const std::array<SettingValue<QString>, 4> kSlotEnd = {Prefs::BandEnd1, Prefs::BandEnd1, Prefs::BandEnd2,
                                                       Prefs::BandEnd3};

QTreeWidget *detailList(QWidget *parent, const char *name, const QString &spoken, const QStringList &headers)
{
    auto *list = named(new QTreeWidget(parent), name, spoken);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headers);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(false);
    return list;
}

} // namespace

frmSalesView::frmSalesView(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    named(this, "frmSalesView");
    setWindowTitle(QStringLiteral("売上検索"));
    setAttribute(Qt::WA_DeleteOnClose);

    sstSeach = named(new QTabWidget(this), "sstSeach", QStringLiteral("検索条件"));
    sstSeach->addTab(buildMonthTab(), QStringLiteral("月単位で検索"));
    sstSeach->addTab(buildPeriodTab(), QStringLiteral("特定期間で検索"));
    sstSeach->addTab(buildDayTab(), QStringLiteral("特定日で検索"));
    sstSeach->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

    auto *customerBox = new QGroupBox(QStringLiteral("特定顧客のみ抽出"), this);
    txtID = named(new QLineEdit(customerBox), "txtID");
    txtID->setMaximumWidth(100);
    auto *customerRow = new QHBoxLayout(customerBox);
    customerRow->addWidget(caption(QStringLiteral("顧客ID："), txtID, customerBox));
    customerRow->addWidget(txtID);
    customerRow->addStretch();

    cmdGo = named(new QPushButton(QStringLiteral("検索(&S)"), this), "cmdGo");
    cmdCust = named(new QPushButton(QStringLiteral("顧客詳細(&K)"), this), "cmdCust");
    cmdDel = named(new QPushButton(QStringLiteral("履歴削除(&D)"), this), "cmdDel");
    cmdSales = named(new QPushButton(QStringLiteral("売上集計(&M)"), this), "cmdSales");
    cmdStaff = named(new QPushButton(QStringLiteral("スタッフ別集金集計(&T)"), this), "cmdStaff");
    connect(cmdGo, &QPushButton::clicked, this, &frmSalesView::cmdGo_Click);
    connect(cmdCust, &QPushButton::clicked, this, &frmSalesView::cmdCust_Click);
    connect(cmdDel, &QPushButton::clicked, this, &frmSalesView::cmdDel_Click);
    connect(cmdSales, &QPushButton::clicked, this, &frmSalesView::cmdSales_Click);
    connect(cmdStaff, &QPushButton::clicked, this, &frmSalesView::cmdStaff_Click);

    // The criteria of the last search, read by the totals windows.
    lblStart = named(new QLabel(this), "lblStart");
    lblEnd = named(new QLabel(this), "lblEnd");
    lblStartT = named(new QLabel(this), "lblStartT");
    lblEndT = named(new QLabel(this), "lblEndT");
    for (QLabel *l : {lblStart, lblEnd, lblStartT, lblEndT})
        l->hide();

    m_model = new SalesRowModel(this);
    lsvSales = named(new QTreeView(this), "lsvSales", QStringLiteral("売上一覧"));
    lsvSales->setModel(m_model);
    lsvSales->setRootIsDecorated(false);
    lsvSales->setUniformRowHeights(true);
    lsvSales->setSelectionBehavior(QAbstractItemView::SelectRows);
    lsvSales->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvSales->header()->setSectionsClickable(true);
    lsvSales->setColumnWidth(0, 130);
    lsvSales->setColumnWidth(1, 130);
    connect(lsvSales->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_model->sortBy(column);
        lsvSales->header()->setSortIndicator(
            column, m_model->sortOrder() == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
        clearDetail();
    });
    lsvSales->header()->setSortIndicatorShown(true);
    lsvSales->header()->setSortIndicator(0, Qt::AscendingOrder);
    connect(lsvSales->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { SelectRow(current.row()); });
    connect(lsvSales, &QTreeView::doubleClicked, this, [this] {
        if (m_model->rowCount() > 0)
            cmdCust_Click();
    });

    lsvOrder = detailList(this, "lsvOrder", QStringLiteral("注文明細"), {"注文メニュー", "数量", "単価"});
    lsvOrder->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    lsvOrder->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    lsvOrder->setColumnWidth(0, 200);
    connect(lsvOrder->header(), &QHeaderView::sectionClicked, this, &frmSalesView::sortOrderLines);
    lsvStaff = detailList(this, "lsvStaff", QStringLiteral("進行状況"), {"ステータス", "時間", "スタッフ名"});
    lsvStaff->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    lblTotal = named(new QLabel(this), "lblTotal");
    lblTotal->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto *criteria = new QHBoxLayout;
    criteria->addWidget(sstSeach, 3, Qt::AlignTop);
    auto *side = new QVBoxLayout;
    side->addWidget(buildTimeBox());
    side->addWidget(customerBox);
    criteria->addLayout(side, 2);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {cmdGo, cmdCust, cmdDel, cmdSales, cmdStaff})
        buttons->addWidget(b);
    buttons->addStretch();

    // The order list takes the window's height; the line and progress lists share the side.
    auto *detail = new QWidget(this);
    auto *detailLayout = new QVBoxLayout(detail);
    detailLayout->setContentsMargins(0, 0, 0, 0);
    detailLayout->addWidget(lsvOrder, 3);
    detailLayout->addWidget(lblTotal);
    detailLayout->addWidget(lsvStaff, 2);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(lsvSales);
    split->addWidget(detail);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(criteria, 0);
    layout->addLayout(buttons);
    layout->addWidget(split, 1);

    loadSlotTimes();
    timeChoiceChanged();
    setResultButtons(false);
}

frmSalesView::~frmSalesView() = default;

QWidget *frmSalesView::buildMonthTab()
{
    auto *tab = new QWidget;
    cboYear = named(new QComboBox(tab), "cboYear");
    cboYear->addItems(SearchYears(Clock::Now().date().year(), m_data.records.OldestSalesDate));
    cboYear->setCurrentIndex(0);
    auto *monthCaption = new QLabel(QStringLiteral("検索月：  （ドラッグで複数月の選択が可能）"), tab);
    auto *months = new QHBoxLayout;
    for (int m = 0; m < 12; ++m) {
        chkMonth[size_t(m)] = named(new QCheckBox(QString::number(m + 1), tab), QStringLiteral("chkMonth%1").arg(m + 1),
                                    QStringLiteral("%1月").arg(m + 1));
        chkMonth[size_t(m)]->installEventFilter(this);
        months->addWidget(chkMonth[size_t(m)]);
    }
    chkMonth[0]->setChecked(true);
    cmdAll = named(new QPushButton(QStringLiteral("通年(&T)"), tab), "cmdAll");
    connect(cmdAll, &QPushButton::clicked, this, &frmSalesView::cmdAll_Click);
    months->addStretch();
    // "通年" sits beside the year, so the month row stays narrow enough for a 1024-wide screen.
    auto *yearRow = new QHBoxLayout;
    yearRow->addWidget(cboYear);
    yearRow->addWidget(cmdAll);
    yearRow->addStretch();
    auto *grid = new QGridLayout(tab);
    grid->addWidget(caption(QStringLiteral("検索年度："), cboYear, tab), 0, 0);
    grid->addLayout(yearRow, 0, 1);
    grid->addWidget(monthCaption, 1, 0, 1, 2);
    grid->addLayout(months, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(3, 1);
    return tab;
}

QWidget *frmSalesView::buildPeriodTab()
{
    auto *tab = new QWidget;
    const QDate today = Clock::Now().date();
    for (int i = 0; i < 3; ++i) {
        static const char *const spoken[] = {"開始日", "終了日", "検索日"};
        dtpDate[size_t(i)] =
            named(new QDateEdit(today), QStringLiteral("dtpDate%1").arg(i), QString::fromUtf8(spoken[i]));
        dtpDate[size_t(i)]->setCalendarPopup(true);
        dtpDate[size_t(i)]->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    }
    auto *row = new QHBoxLayout(tab);
    row->addWidget(dtpDate[0]);
    row->addWidget(new QLabel(QStringLiteral("～"), tab));
    row->addWidget(dtpDate[1]);
    row->addStretch();
    row->setAlignment(Qt::AlignTop);
    return tab;
}

QWidget *frmSalesView::buildDayTab()
{
    auto *tab = new QWidget;
    auto *row = new QHBoxLayout(tab);
    row->addWidget(dtpDate[2]);
    row->addStretch();
    row->setAlignment(Qt::AlignTop);
    return tab;
}

QWidget *frmSalesView::buildTimeBox()
{
    auto *box = new QGroupBox(QStringLiteral("時間指定："), this);
    auto *grid = new QGridLayout(box);
    static const char *const captions[] = {"終日", "指定時間１", "指定時間２", "指定時間３"};
    for (int i = 0; i < 4; ++i) {
        optTime[size_t(i)] =
            named(new QRadioButton(QString::fromUtf8(captions[i]), box), QStringLiteral("optTime%1").arg(i));
    }
    optTime[0]->setChecked(true);
    grid->addWidget(optTime[0], 0, 0);
    dtpTimeS[0] = dtpTimeE[0] = nullptr;
    for (int n = 1; n <= 3; ++n) {
        dtpTimeS[size_t(n)] =
            named(new QTimeEdit(box), QStringLiteral("dtpTimeS%1").arg(n), QStringLiteral("指定時間%1の開始").arg(n));
        dtpTimeE[size_t(n)] =
            named(new QTimeEdit(box), QStringLiteral("dtpTimeE%1").arg(n), QStringLiteral("指定時間%1の終了").arg(n));
        for (QTimeEdit *t : {dtpTimeS[size_t(n)], dtpTimeE[size_t(n)]})
            t->setDisplayFormat(QStringLiteral("HH:mm"));
        connect(dtpTimeS[size_t(n)], &QTimeEdit::timeChanged, this, [this, n] { keepSlotOrder(n, true); });
        connect(dtpTimeE[size_t(n)], &QTimeEdit::timeChanged, this, [this, n] { keepSlotOrder(n, false); });
        grid->addWidget(optTime[size_t(n)], n, 0);
        grid->addWidget(dtpTimeS[size_t(n)], n, 1);
        grid->addWidget(new QLabel(QStringLiteral("～"), box), n, 2);
        grid->addWidget(dtpTimeE[size_t(n)], n, 3);
    }
    grid->setColumnStretch(4, 1);
    for (QRadioButton *o : optTime)
        connect(o, &QRadioButton::toggled, this, &frmSalesView::timeChoiceChanged);
    return box;
}

void frmSalesView::loadSlotTimes()
{
    for (int n = 1; n <= 3; ++n) {
        dtpTimeS[size_t(n)]->setTime(ChartSlotTimeFromText(kSlotStart[size_t(n)].get()));
        dtpTimeE[size_t(n)]->setTime(ChartSlotTimeFromText(kSlotEnd[size_t(n)].get()));
    }
}

void frmSalesView::saveSlotTimes()
{
    for (int n = 1; n <= 3; ++n) {
        kSlotStart[size_t(n)].set(ChartSlotTimeText(dtpTimeS[size_t(n)]->time()));
        kSlotEnd[size_t(n)].set(ChartSlotTimeText(dtpTimeE[size_t(n)]->time()));
    }
}

void frmSalesView::timeChoiceChanged()
{
    for (int n = 1; n <= 3; ++n) {
        const bool on = optTime[size_t(n)]->isChecked();
        dtpTimeS[size_t(n)]->setEnabled(on);
        dtpTimeE[size_t(n)]->setEnabled(on);
    }
}

void frmSalesView::keepSlotOrder(int slot, bool startMoved)
{
    QTimeEdit *s = dtpTimeS[size_t(slot)];
    QTimeEdit *e = dtpTimeE[size_t(slot)];
    if (s->time() <= e->time())
        return;
    if (startMoved)
        e->setTime(s->time());
    else
        s->setTime(e->time());
}

void frmSalesView::cmdAll_Click()
{
    for (QCheckBox *c : chkMonth)
        c->setChecked(true);
}

bool frmSalesView::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QCheckBox *>(watched);
    if (!box || std::find(chkMonth.begin(), chkMonth.end(), box) == chkMonth.end())
        return QWidget::eventFilter(watched, event);
    // A press starts a new choice of months; dragging across the boxes adds each one passed.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        for (QCheckBox *c : chkMonth)
            c->setChecked(false);
        box->setChecked(true);
        m_dragging = true;
        m_dragMonth = int(std::find(chkMonth.begin(), chkMonth.end(), box) - chkMonth.begin());
        return true;
    case QEvent::MouseMove:
        if (m_dragging) {
            const QPoint global = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            for (int m = 0; m < 12; ++m) {
                QCheckBox *c = chkMonth[size_t(m)];
                if (!c->rect().contains(c->mapFromGlobal(global)))
                    continue;
                // A quick drag skips boxes between two pointer positions; they were passed over.
                for (int k = std::min(m, m_dragMonth); k <= std::max(m, m_dragMonth); ++k)
                    chkMonth[size_t(k)]->setChecked(true);
                m_dragMonth = m;
            }
        }
        return true;
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}

void frmSalesView::closeEvent(QCloseEvent *event)
{
    saveSlotTimes();
    event->accept();
}

SearchCriteria frmSalesView::Criteria() const
{
    SearchCriteria c;
    c.Start = lblStart->text();
    c.End = lblEnd->text();
    c.TimeStart = lblStartT->text();
    c.TimeEnd = lblEndT->text();
    c.CustomerId = txtID->text();
    c.Tab = m_tag;
    return c;
}

std::vector<int> frmSalesView::ListedPositions() const
{
    return RowPositions(m_model->rows());
}

void frmSalesView::cmdGo_Click()
{
    SearchCriteria c;
    c.Tab = sstSeach->currentIndex();
    if (c.Tab == 0) {
        std::array<bool, 12> ticked{};
        for (int m = 0; m < 12; ++m)
            ticked[size_t(m)] = chkMonth[size_t(m)]->isChecked();
        MonthPeriod(cboYear->currentText().left(4).toInt(), ticked, &c.Start, &c.End);
    } else {
        const QDate from = dtpDate[c.Tab == 1 ? 0 : 2]->date();
        const QDate to = dtpDate[c.Tab == 1 ? 1 : 2]->date();
        c.Start = from.toString(QStringLiteral("yyyyMMdd"));
        c.End = to.toString(QStringLiteral("yyyyMMdd"));
    }
    for (int n = 1; n <= 3; ++n) {
        if (optTime[size_t(n)]->isChecked()) {
            c.TimeStart = SlotTimeText(dtpTimeS[size_t(n)]->time());
            c.TimeEnd = SlotTimeText(dtpTimeE[size_t(n)]->time());
        }
    }
    c.CustomerId = txtID->text();
    lblStart->setText(c.Start);
    lblEnd->setText(c.End);
    lblStartT->setText(c.TimeStart);
    lblEndT->setText(c.TimeEnd);
    m_tag = c.Tab;

    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->setRows(SearchSales(m_data.records, c));
    clearDetail();
    const bool found = m_model->rowCount() > 0;
    setResultButtons(found);
    QApplication::restoreOverrideCursor();
    if (!found) {
        lblTotal->clear();
        ShowInformation(QStringLiteral("売上検索"), QStringLiteral("該当する売上はございません。"));
    }
}

void frmSalesView::setResultButtons(bool enabled)
{
    for (QPushButton *b : {cmdCust, cmdDel, cmdSales, cmdStaff})
        b->setEnabled(enabled);
}

void frmSalesView::clearDetail()
{
    lsvOrder->clear();
    lsvStaff->clear();
}

int frmSalesView::selectedRow() const
{
    const QModelIndex current = lsvSales->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void frmSalesView::SelectRow(int row)
{
    const SalesRow *r = m_model->rowAt(row);
    if (!r)
        return;
    if (lsvSales->currentIndex().row() != row)
        lsvSales->setCurrentIndex(m_model->index(row, 0));
    clearDetail();
    const std::optional<SalesRecord> sale = m_data.records.ReadSale(r->Pos);
    if (!sale)
        return;
    const SaleDetailView view = BuildSaleDetail(*sale);
    for (const QStringList &line : view.Lines) {
        auto *item = new QTreeWidgetItem(lsvOrder, line);
        item->setTextAlignment(1, Qt::AlignCenter);
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const QStringList &step : view.Progress) {
        auto *item = new QTreeWidgetItem(lsvStaff, step);
        item->setTextAlignment(1, Qt::AlignCenter);
    }
    lblTotal->setText(view.TotalText);
}

void frmSalesView::sortOrderLines(int column)
{
    m_orderSortOrder = column == m_orderSortColumn ? 1 - m_orderSortOrder : 0;
    m_orderSortColumn = column;
    SortListByColumn(lsvOrder, column + 1, column == 0 ? SortKind::Text : SortKind::Number,
                     m_orderSortOrder == 0 ? SortOrder::Ascending : SortOrder::Descending);
}

void frmSalesView::cmdCust_Click()
{
    const SalesRow *r = m_model->rowAt(selectedRow());
    if (!r)
        return;
    const int customerPos = m_data.records.FindCustomerPos(m_data.records.SalesIndex[size_t(r->Pos)].CustomerId);
    if (customerPos == -1) {
        ShowWarning(QStringLiteral("表示できません"), QStringLiteral("顧客データが削除されています。"));
        return;
    }
    frmCust dialog(m_data, customerPos, this);
    dialog.exec();
}

void frmSalesView::cmdDel_Click()
{
    const int row = selectedRow();
    const SalesRow *r = m_model->rowAt(row);
    if (!r)
        return;
    if (!DeleteSaleFromHistory(m_data, r->Pos, r->Name))
        return;
    m_model->removeRowAt(row);
    clearDetail();
    cmdGo_Click();
}

void frmSalesView::cmdSales_Click()
{
    frmSalesM window(m_data, Criteria(), ListedPositions(), this);
    window.exec();
}

void frmSalesView::cmdStaff_Click()
{
    frmSalesStaff window(m_data, Criteria(), ListedPositions(), this);
    window.exec();
}
