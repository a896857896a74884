#include "customers/ui/frmCustView.h"

#include "customers/customersearch.h"
#include "customers/ui/customerhitmodel.h"
#include "platform/prompt.h"
#include "platform/ui/kanakeypad.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/ui/fieldcheck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace
{

// The keypad as the kana table: one row per consonant row (ア to ワ), the small kana beside
// their row, the marks at the end.
KanaKeypadLayout keypadLayout()
{
    KanaKeypadLayout layout;
    // clang-format off
    layout.rows = {
        QStringLiteral("ｱｲｳｴｵｧｨｩｪｫ"),
        QStringLiteral("ｶｷｸｹｺ"),
        QStringLiteral("ｻｼｽｾｿ"),
        QStringLiteral("ﾀﾁﾂﾃﾄｯ"),
        QStringLiteral("ﾅﾆﾇﾈﾉ"),
        QStringLiteral("ﾊﾋﾌﾍﾎ"),
        QStringLiteral("ﾏﾐﾑﾒﾓ"),
        QStringLiteral("ﾔ・ﾕ・ﾖｬ・ｭ・ｮ"),
        QStringLiteral("ﾗﾘﾙﾚﾛ"),
        QStringLiteral("ﾜ・ｦ・ﾝﾞﾟｰ"),
    };
    // clang-format on
    layout.caption = [](QChar ch) { return KeypadCaption(KeypadCode(ch)); };
    layout.namePrefix = QStringLiteral("cmd50_");
    layout.keySize = QSize(30, 26);
    return layout;
}

// Twips at the 96 dots per inch the list's column widths were drawn for.
constexpr int twips(int t)
{
    return t / 15;
}

QString idText(qint64 id)
{
    const QString digits = QStringLiteral("%1").arg(qAbs(id), 5, 10, QLatin1Char('0'));
    return id < 0 ? QLatin1Char('-') + digits : digits;
}

void removeLastCharacter(QLineEdit *field)
{
    const QString text = field->text();
    if (!text.isEmpty())
        field->setText(text.left(text.size() - 1));
}

} // namespace

frmCustView::frmCustView(AppData &data, QWidget *parent) : QWidget(parent), m_data(data)
{
    setObjectName(QStringLiteral("frmCustView"));
    setWindowTitle(QStringLiteral("顧客検索"));
    buildMenus();

    m_model = new CustomerHitModel(this);
    lsvCust = named(new QTreeView(this), "lsvCust", QStringLiteral("検索結果"));
    lsvCust->setModel(m_model);
    lsvCust->setRootIsDecorated(false);
    lsvCust->setUniformRowHeights(true); // a long hit list is laid out without measuring each row
    lsvCust->setItemsExpandable(false);
    lsvCust->setAllColumnsShowFocus(true);
    lsvCust->setSelectionMode(QAbstractItemView::SingleSelection);
    lsvCust->setSelectionBehavior(QAbstractItemView::SelectRows);
    lsvCust->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lsvCust->setContextMenuPolicy(Qt::CustomContextMenu);
    lsvCust->header()->setSectionsClickable(true);
    lsvCust->header()->setSortIndicatorShown(true);
    lsvCust->header()->setSortIndicator(m_sortColumn, Qt::AscendingOrder);
    lsvCust->header()->setStretchLastSection(true);
    lsvCust->setColumnWidth(0, twips(800));
    lsvCust->setColumnWidth(1, twips(1450));

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(mnuBar);
    layout->addWidget(tlbCustView);
    layout->addWidget(buildSearchFrames());
    // The list takes the height left below the search frames, following the frame's size.
    layout->addWidget(lsvCust, 1);

    m_fieldCheck = new LeaveFieldCheck(this);
    m_fieldCheck->watch(txtTelSearch, LeaveFieldCheck::Phone());
    m_fieldCheck->watch(txtIDSearch, LeaveFieldCheck::Number());

    connect(txtTelSearch, &QLineEdit::textChanged, this, &frmCustView::telSearch);
    connect(txtMojiSearch, &QLineEdit::textChanged, this, &frmCustView::nameSearch);
    connect(txtIDSearch, &QLineEdit::textChanged, this,
            [this](const QString &text) { cmdIDSearch->setEnabled(!text.isEmpty()); });
    connect(txtIDSearch, &QLineEdit::returnPressed, this, [this] {
        if (cmdIDSearch->isEnabled())
            cmdIDSearch_Click();
    });
    connect(cmdTelClear, &QPushButton::clicked, this, [this] { removeLastCharacter(txtTelSearch); });
    connect(cmdMojiClear, &QPushButton::clicked, this, [this] { removeLastCharacter(txtMojiSearch); });
    connect(cmdIDSearch, &QPushButton::clicked, this, &frmCustView::cmdIDSearch_Click);
    connect(cmd50, &KanaKeypad::characterPressed, this,
            [this](const QString &ch) { txtMojiSearch->setText(txtMojiSearch->text() + ch); });
    connect(lsvCust, &QAbstractItemView::doubleClicked, this, [this] {
        if (RowCount() > 0)
            mnuDetail_Click();
    });
    connect(lsvCust, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuPopup->popup(lsvCust->viewport()->mapToGlobal(at)); });
    connect(lsvCust->header(), &QHeaderView::sectionClicked, this, &frmCustView::headerClicked);

    // Opening: the shop's area code ready to be continued, and the first letters on the keypad.
    txtTelSearch->setText(areaCode());
    txtTelSearch->setSelection(0, 10);
    cmdIDSearch->setEnabled(false);
    nameSearch();
    txtTelSearch->setFocus();
}

frmCustView::~frmCustView() = default;

void frmCustView::buildMenus()
{
    mnuBar = named(new QMenuBar(this), "mnuBar");
    mnuBar->setNativeMenuBar(false);
    mnuKensaku = mnuBar->addMenu(QStringLiteral("顧客検索"));
    mnuKensaku->setObjectName(QStringLiteral("mnuKensaku"));
    mnuDetail = mnuKensaku->addAction(QStringLiteral("顧客詳細(&K)"));
    mnuDetail->setObjectName(QStringLiteral("mnuDetail"));
    mnuReset = mnuKensaku->addAction(QStringLiteral("検索ﾘｾｯﾄ(&R)"));
    mnuReset->setObjectName(QStringLiteral("mnuReset"));
    mnuDel = mnuKensaku->addAction(QStringLiteral("顧客削除(&D)"));
    mnuDel->setObjectName(QStringLiteral("mnuDel"));
    mnuPopup = named(new QMenu(this), "mnuPopup");
    mnuPopup->addActions(mnuKensaku->actions());

    tlbCustView = named(new QToolBar(this), "tlbCustView");
    tlbCustView->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    tlbDetail =
        tlbCustView->addAction(style()->standardIcon(QStyle::SP_FileDialogDetailedView), QStringLiteral("顧客詳細　"));
    tlbDetail->setObjectName(QStringLiteral("tlbDetail"));
    tlbDetail->setData(QStringLiteral("Detail"));
    tlbReset = tlbCustView->addAction(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("検索ﾘｾｯﾄ"));
    tlbReset->setObjectName(QStringLiteral("tlbReset"));
    tlbReset->setData(QStringLiteral("Reset"));
    tlbDel = tlbCustView->addAction(style()->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("顧客削除"));
    tlbDel->setObjectName(QStringLiteral("tlbDel"));
    tlbDel->setData(QStringLiteral("Del"));

    for (QAction *a : {mnuDetail, tlbDetail})
        connect(a, &QAction::triggered, this, &frmCustView::mnuDetail_Click);
    for (QAction *a : {mnuReset, tlbReset})
        connect(a, &QAction::triggered, this, &frmCustView::mnuReset_Click);
    for (QAction *a : {mnuDel, tlbDel})
        connect(a, &QAction::triggered, this, &frmCustView::mnuDel_Click);
}

QWidget *frmCustView::buildSearchFrames()
{
    auto *area = new QWidget(this);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);

    fraTel = named(new QGroupBox(QStringLiteral("電話番号で検索"), area), "fraTel");
    txtTelSearch = named(new QLineEdit(fraTel), "txtTelSearch", fraTel->title());
    txtTelSearch->setMaxLength(14);
    cmdTelClear = named(new QPushButton(QStringLiteral("1文字クリア(&T)"), fraTel), "cmdTelClear",
                        QStringLiteral("電話番号を1文字クリア"));
    auto *telRow = new QHBoxLayout(fraTel);
    telRow->addWidget(txtTelSearch, 1);
    telRow->addWidget(cmdTelClear);

    fraID = named(new QGroupBox(QStringLiteral("顧客IDで検索"), area), "fraID");
    txtIDSearch = named(new QLineEdit(fraID), "txtIDSearch", fraID->title());
    txtIDSearch->setMaxLength(10);
    cmdIDSearch = named(new QPushButton(QStringLiteral("検索(&S)"), fraID), "cmdIDSearch");
    auto *idRow = new QHBoxLayout(fraID);
    idRow->addWidget(txtIDSearch, 1);
    idRow->addWidget(cmdIDSearch);

    auto *left = new QVBoxLayout;
    left->addWidget(fraTel);
    left->addWidget(fraID);
    left->addStretch(1);

    fraMoji = named(new QGroupBox(QStringLiteral("50音で検索"), area), "fraMoji");
    txtMojiSearch = named(new QLineEdit(fraMoji), "txtMojiSearch", fraMoji->title());
    txtMojiSearch->setMaxLength(30);
    cmdMojiClear = named(new QPushButton(QStringLiteral("1文字クリア(&M)"), fraMoji), "cmdMojiClear",
                         QStringLiteral("名前を1文字クリア"));
    cmd50 = named(new KanaKeypad(keypadLayout(), fraMoji), "cmd50", QStringLiteral("50音キー"));
    auto *moji = new QGridLayout(fraMoji);
    moji->addWidget(txtMojiSearch, 0, 0);
    moji->addWidget(cmdMojiClear, 0, 1);
    moji->addWidget(cmd50, 1, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    moji->setColumnStretch(0, 1);

    row->addLayout(left, 2);
    row->addWidget(fraMoji, 3);
    row->addStretch(1);
    return area;
}

QString frmCustView::areaCode() const
{
    return m_data.settings.Shop.ShopTel[0];
}

void frmCustView::telSearch()
{
    const QString text = txtTelSearch->text();
    cmdTelClear->setEnabled(!text.isEmpty());
    showHits(SearchByTel(m_data.records.CustomerIndex, text));
}

void frmCustView::nameSearch()
{
    const QString text = txtMojiSearch->text();
    cmdMojiClear->setEnabled(!text.isEmpty());
    NameSearchResult result = SearchByName(m_data.records.CustomerIndex, text);
    cmd50->setEnabledCodes([&result](int code) { return result.isEnabled(code); });
    showHits(std::move(result.hits));
}

void frmCustView::showHits(std::vector<CustomerHit> hits)
{
    SortHits(hits, HitColumn(m_sortColumn), m_sortOrder);
    m_model->setHits(std::move(hits));
    selectRow(0);
    updateCommands();
}

void frmCustView::selectRow(int row)
{
    if (row < 0 || row >= RowCount())
        return;
    lsvCust->setCurrentIndex(m_model->index(row, 0));
}

const CustomerHit *frmCustView::SelectedHit() const
{
    return m_model->hitAt(lsvCust->currentIndex().row());
}

int frmCustView::RowCount() const
{
    return m_model->rowCount();
}

void frmCustView::updateCommands()
{
    const bool rows = RowCount() > 0;
    const bool detail = rows && bool(openDetail);
    mnuDetail->setEnabled(detail);
    tlbDetail->setEnabled(detail);
    mnuDel->setEnabled(rows);
    tlbDel->setEnabled(rows);
}

void frmCustView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    updateCommands();
    if (m_shown)
        return;
    m_shown = true;
    // The frame hands the focus around while a child window opens, and a line edit drops its
    // selection when it loses the focus: the area code is selected again once that has settled,
    // so the first digit typed replaces it.
    QTimer::singleShot(0, this, [this] {
        if (txtTelSearch->text() != areaCode())
            return;
        txtTelSearch->setFocus();
        txtTelSearch->setSelection(0, 10);
    });
}

void frmCustView::cmdIDSearch_Click()
{
    if (!m_fieldCheck->checkFocusedField())
        return;
    const std::optional<qint64> id = CustomerIdOfText(txtIDSearch->text());
    if (!id) {
        ShowNotNumericWarning();
        m_fieldCheck->keepFocusIn(txtIDSearch);
        return;
    }
    showHits(SearchById(m_data.records.CustomerIndex, *id));
    if (RowCount() == 0) {
        ShowInformation(QStringLiteral("該当IDなし"),
                        QStringLiteral("顧客ID：") + idText(*id) + QStringLiteral("での登録はございません。"));
        txtIDSearch->setFocus();
    }
}

void frmCustView::mnuDetail_Click()
{
    const CustomerHit *hit = SelectedHit();
    if (!hit || !openDetail)
        return;
    const int pos = m_data.records.FindCustomerPos(hit->CustomerId);
    if (pos < 1)
        return;
    openDetail(pos);
    Re_view();
}

void frmCustView::mnuDel_Click()
{
    const CustomerHit *hit = SelectedHit();
    if (!hit)
        return;
    const int row = lsvCust->currentIndex().row();
    const qint32 id = hit->CustomerId;
    const QString question = QStringLiteral("顧客ID：") + HitText(*hit, HitColumn::Id) + QStringLiteral(" を\r\n") +
                             QStringLiteral("削除してもよろしいですか？");
    if (AskYesNo(QStringLiteral("顧客データの削除確認"), question)) {
        const int pos = m_data.records.FindCustomerPos(id);
        // A customer whose deletion failed stays listed: it is still on file. One already gone
        // (deleted elsewhere) leaves the list at once.
        if (pos < 1 || m_data.records.DeleteCustomer(pos)) {
            m_model->removeHit(row);
            selectRow(std::min(row, RowCount() - 1));
        }
    }
    updateCommands();
}

void frmCustView::mnuReset_Click()
{
    txtIDSearch->clear();
    {
        const QSignalBlocker blockTel(txtTelSearch);
        const QSignalBlocker blockName(txtMojiSearch);
        txtTelSearch->setText(areaCode());
        txtMojiSearch->clear();
    }
    cmdTelClear->setEnabled(!txtTelSearch->text().isEmpty());
    // The keypad offers the first letters again; the list starts empty.
    nameSearch();
}

void frmCustView::Re_view()
{
    const CustomerHit *hit = SelectedHit();
    if (!hit)
        return;
    const int pos = m_data.records.FindCustomerPos(hit->CustomerId);
    if (pos < 1)
        return;
    const CustomerIndexEntry &entry = m_data.records.CustomerIndex[size_t(pos)];
    m_model->setHit(lsvCust->currentIndex().row(), CustomerHit{entry.CustomerId, entry.Tel, entry.NameKana});
}

void frmCustView::headerClicked(int column)
{
    m_sortOrder = column == m_sortColumn ? Reversed(m_sortOrder) : SortOrder::Ascending;
    m_sortColumn = column;
    lsvCust->header()->setSortIndicator(column,
                                        m_sortOrder == SortOrder::Ascending ? Qt::AscendingOrder : Qt::DescendingOrder);
    // The selected customer stays selected wherever the sort puts it.
    const CustomerHit *hit = SelectedHit();
    const qint32 selectedId = hit ? hit->CustomerId : 0;
    m_model->sortHits(HitColumn(column), m_sortOrder);
    const std::vector<CustomerHit> &hits = m_model->hits();
    for (size_t row = 0; row < hits.size(); ++row) {
        if (hits[row].CustomerId == selectedId) {
            selectRow(int(row));
            return;
        }
    }
    selectRow(0);
}
