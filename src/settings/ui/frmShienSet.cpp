#include "settings/ui/frmShienSet.h"

#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/ui/frmMenuBuilding.h"
#include "settings/ui/frmMenuSiteiName.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace
{

constexpr int kNameRole = Qt::UserRole;
constexpr int kAddressRole = Qt::UserRole + 1;

// A small block of flats, so that entries stand apart from the folder-like root.
QIcon BuildingIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setPen(QColor(0x55, 0x55, 0x66));
    p.setBrush(QColor(0xc8, 0xd4, 0xe6));
    p.drawRect(3, 1, 10, 14);
    p.setBrush(QColor(0x3a, 0x6e, 0xb0));
    for (int y = 3; y <= 9; y += 3)
        for (int x = 5; x <= 9; x += 4)
            p.drawRect(x, y, 2, 1);
    p.drawRect(7, 12, 2, 3);
    return QIcon(pixmap);
}

QToolBar *ToolBar(const char *name, const QString &spokenName)
{
    auto *bar = named(new QToolBar, name, spokenName);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

QAction *Tool(QToolBar *bar, const char *name, const QString &text)
{
    return named(bar->addAction(text), name);
}

QAction *MenuItem(QMenu *menu, const char *name, const QString &text)
{
    return named(menu->addAction(text), name);
}

QTreeWidget *Tree(const char *name, const QString &spokenName)
{
    auto *tree = named(new QTreeWidget, name, spokenName);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    // The root always shows its entries, so it shows no handle to fold them away.
    tree->setItemsExpandable(false);
    tree->setRootIsDecorated(false);
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree,
                     [tree](QTreeWidgetItem *item) { tree->expandItem(item); });
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

QTreeWidgetItem *Root(QTreeWidget *tree)
{
    return tree->topLevelItemCount() > 0 ? tree->topLevelItem(0) : nullptr;
}

QTreeWidgetItem *AddEntry(QTreeWidgetItem *root, const QString &text, const QIcon &icon)
{
    auto *item = new QTreeWidgetItem(root, QStringList{text});
    item->setIcon(0, icon);
    return item;
}

void SetBuilding(QTreeWidgetItem *item, const InputSupport::Building &b)
{
    item->setText(0, InputSupport::BuildingNodeText(b));
    item->setData(0, kNameRole, b.name);
    item->setData(0, kAddressRole, b.address);
}

void Select(QTreeWidget *tree, QTreeWidgetItem *item)
{
    tree->setCurrentItem(item);
    item->setSelected(true);
    tree->scrollToItem(item);
}

} // namespace

frmShienSet::frmShienSet(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    named(this, "frmShienSet");
    setWindowTitle(QStringLiteral("入力支援設定"));

    buildBuildingFrame();
    buildSiteiFrame();

    const ButtonRow buttons = OkCancelRow(this, QStringLiteral("OK"), "cmdSave");
    cmdSave = buttons.ok;
    cmdCancel = buttons.cancel;
    for (QPushButton *b : {cmdSave, cmdCancel})
        b->setMinimumWidth(88);
    connect(cmdSave, &QPushButton::clicked, this, &frmShienSet::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmShienSet::reject);

    auto *frames = new QHBoxLayout;
    frames->addWidget(fraBuilding, 3);
    frames->addWidget(fraSitei, 2);
    auto *root = new QVBoxLayout(this);
    root->addLayout(frames, 1);
    root->addLayout(buttons.layout);
    resize(qMax(sizeHint().width(), 760), 460);

    Re_view();
}

QGroupBox *frmShienSet::treeFrame(const QString &title, QTreeWidget *tree, QToolBar *tools, QToolBar *sort,
                                  QToolBar *sort50)
{
    auto *frame = new QGroupBox(title, this);
    // Every button stays in view: a tool bar short of room hides its last ones behind a menu.
    for (QToolBar *bar : {tools, sort, sort50})
        bar->setMinimumWidth(bar->sizeHint().width());
    auto *bars = new QHBoxLayout;
    bars->addWidget(tools);
    bars->addStretch(1);
    bars->addWidget(new QLabel(QStringLiteral("並び順："), frame));
    bars->addWidget(sort);
    bars->addWidget(sort50);
    auto *layout = new QVBoxLayout(frame);
    layout->addLayout(bars);
    layout->addWidget(tree, 1);
    return frame;
}

void frmShienSet::buildBuildingFrame()
{
    tvwBuilding = Tree("tvwBuilding", QStringLiteral("マンション名等"));
    tlbBuilding = ToolBar("tlbBuilding", QStringLiteral("マンション名等の編集"));
    btnAdd = Tool(tlbBuilding, "btnAdd", QStringLiteral("項目追加"));
    btnChange = Tool(tlbBuilding, "btnChange", QStringLiteral("変更"));
    btnDel = Tool(tlbBuilding, "btnDel", QStringLiteral("削除"));
    tlbSort = ToolBar("tlbSort", QStringLiteral("マンション名等の並び順"));
    btnUp = Tool(tlbSort, "btnUp", QStringLiteral("上へ"));
    btnDown = Tool(tlbSort, "btnDown", QStringLiteral("下へ"));
    tlbSort50 = ToolBar("tlbSort50", QStringLiteral("マンション名等の50音順"));
    btnSort50 = Tool(tlbSort50, "btnSort50", QStringLiteral("50音順"));
    fraBuilding = named(treeFrame(QStringLiteral("マンション名等設定"), tvwBuilding, tlbBuilding, tlbSort, tlbSort50),
                        "fraBuilding");

    mnuBuilding = named(new QMenu(QStringLiteral("マンション名等設定(&M)"), this), "mnuBuilding");
    mnuBuildingAdd = MenuItem(mnuBuilding, "mnuBuildingAdd", QStringLiteral("項目追加(&A)"));
    mnuBuildingChange = MenuItem(mnuBuilding, "mnuBuildingChange", QStringLiteral("変更(&M)"));
    mnuBuildingDel = MenuItem(mnuBuilding, "mnuBuildingDel", QStringLiteral("削除(&D)"));

    for (QAction *a : {btnAdd, mnuBuildingAdd})
        connect(a, &QAction::triggered, this, &frmShienSet::addBuilding);
    for (QAction *a : {btnChange, mnuBuildingChange})
        connect(a, &QAction::triggered, this, &frmShienSet::changeBuilding);
    for (QAction *a : {btnDel, mnuBuildingDel})
        connect(a, &QAction::triggered, this, [this] { deleteEntry(tvwBuilding); });
    connect(btnUp, &QAction::triggered, this, [this] { moveEntry(tvwBuilding, -1); });
    connect(btnDown, &QAction::triggered, this, [this] { moveEntry(tvwBuilding, 1); });
    connect(btnSort50, &QAction::triggered, this, [this] { sortEntries(tvwBuilding); });
    connect(tvwBuilding, &QTreeWidget::itemSelectionChanged, this, [this] { updateStates(tvwBuilding); });
    connect(tvwBuilding, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent())
            changeBuilding();
    });
    connect(tvwBuilding, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuBuilding->popup(tvwBuilding->viewport()->mapToGlobal(at)); });
}

void frmShienSet::buildSiteiFrame()
{
    tvwSitei = Tree("tvwSitei", QStringLiteral("特定配達先"));
    tlbSitei = ToolBar("tlbSitei", QStringLiteral("特定配達先の編集"));
    btnSiteiAdd = Tool(tlbSitei, "btnSiteiAdd", QStringLiteral("配達先追加"));
    btnSiteiChange = Tool(tlbSitei, "btnSiteiChange", QStringLiteral("変更"));
    btnSiteiDel = Tool(tlbSitei, "btnSiteiDel", QStringLiteral("削除"));
    tlbSortSitei = ToolBar("tlbSortSitei", QStringLiteral("特定配達先の並び順"));
    btnSiteiUp = Tool(tlbSortSitei, "btnSiteiUp", QStringLiteral("上へ"));
    btnSiteiDown = Tool(tlbSortSitei, "btnSiteiDown", QStringLiteral("下へ"));
    tlbSortSitei50 = ToolBar("tlbSortSitei50", QStringLiteral("特定配達先の50音順"));
    btnSiteiSort50 = Tool(tlbSortSitei50, "btnSiteiSort50", QStringLiteral("50音順"));
    fraSitei = named(treeFrame(QStringLiteral("特定配達先設定"), tvwSitei, tlbSitei, tlbSortSitei, tlbSortSitei50),
                     "fraSitei");

    mnuSitei = named(new QMenu(QStringLiteral("特定配達先設定(&T)"), this), "mnuSitei");
    mnuSiteiAdd = MenuItem(mnuSitei, "mnuSiteiAdd", QStringLiteral("特定配達先追加(&A)"));
    mnuSiteiChange = MenuItem(mnuSitei, "mnuSiteiChange", QStringLiteral("変更(&M)"));
    mnuSiteiDel = MenuItem(mnuSitei, "mnuSiteiDel", QStringLiteral("削除(&D)"));

    for (QAction *a : {btnSiteiAdd, mnuSiteiAdd})
        connect(a, &QAction::triggered, this, &frmShienSet::addSitei);
    for (QAction *a : {btnSiteiChange, mnuSiteiChange})
        connect(a, &QAction::triggered, this, &frmShienSet::changeSitei);
    for (QAction *a : {btnSiteiDel, mnuSiteiDel})
        connect(a, &QAction::triggered, this, [this] { deleteEntry(tvwSitei); });
    connect(btnSiteiUp, &QAction::triggered, this, [this] { moveEntry(tvwSitei, -1); });
    connect(btnSiteiDown, &QAction::triggered, this, [this] { moveEntry(tvwSitei, 1); });
    connect(btnSiteiSort50, &QAction::triggered, this, [this] { sortEntries(tvwSitei); });
    connect(tvwSitei, &QTreeWidget::itemSelectionChanged, this, [this] { updateStates(tvwSitei); });
    connect(tvwSitei, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent())
            changeSitei();
    });
    connect(tvwSitei, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { mnuSitei->popup(tvwSitei->viewport()->mapToGlobal(at)); });
}

void frmShienSet::Re_view()
{
    const QIcon rootIcon = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon building = BuildingIcon();
    const QIcon place = style()->standardIcon(QStyle::SP_FileIcon);

    tvwBuilding->clear();
    auto *buildingRoot = new QTreeWidgetItem(tvwBuilding, QStringList{QStringLiteral("マンション名等")});
    buildingRoot->setIcon(0, rootIcon);
    for (const InputSupport::Building &b : InputSupport::BuildingsOf(m_tables.BuildingList))
        SetBuilding(AddEntry(buildingRoot, QString(), building), b);

    tvwSitei->clear();
    auto *siteiRoot = new QTreeWidgetItem(tvwSitei, QStringList{QStringLiteral("特定配達先")});
    siteiRoot->setIcon(0, rootIcon);
    for (const QString &name : InputSupport::DeliverTosOf(m_tables.DeliverToList))
        AddEntry(siteiRoot, name, place);

    for (QTreeWidget *tree : {tvwBuilding, tvwSitei}) {
        tree->expandAll();
        Select(tree, Root(tree));
        updateStates(tree);
    }
}

QTreeWidgetItem *frmShienSet::selectedEntry(QTreeWidget *tree) const
{
    QTreeWidgetItem *item = tree->currentItem();
    return item && item->parent() && item->isSelected() ? item : nullptr;
}

void frmShienSet::updateStates(QTreeWidget *tree)
{
    const bool entry = selectedEntry(tree) != nullptr;
    const bool building = tree == tvwBuilding;
    const std::vector<QAction *> actions =
        building
            ? std::vector<QAction *>{btnChange, btnDel, btnUp, btnDown, btnSort50, mnuBuildingChange, mnuBuildingDel}
            : std::vector<QAction *>{btnSiteiChange, btnSiteiDel,    btnSiteiUp, btnSiteiDown,
                                     btnSiteiSort50, mnuSiteiChange, mnuSiteiDel};
    for (QAction *a : actions)
        a->setEnabled(entry);
}

void frmShienSet::deleteEntry(QTreeWidget *tree)
{
    QTreeWidgetItem *item = selectedEntry(tree);
    if (!item)
        return;
    const QString text = QStringLiteral("「") + item->text(0) + QStringLiteral("」を削除してもよろしいですか？");
    if (!AskYesNo(QStringLiteral("削除確認"), text))
        return;
    QTreeWidgetItem *root = item->parent();
    delete item;
    Select(tree, root);
    updateStates(tree);
    m_changed = true;
}

void frmShienSet::moveEntry(QTreeWidget *tree, int step)
{
    QTreeWidgetItem *item = selectedEntry(tree);
    if (!item)
        return;
    QTreeWidgetItem *root = item->parent();
    const int from = root->indexOfChild(item);
    const int to = from + step;
    if (to < 0 || to >= root->childCount())
        return;
    root->takeChild(from);
    root->insertChild(to, item);
    Select(tree, item);
    m_changed = true;
}

void frmShienSet::sortEntries(QTreeWidget *tree)
{
    QTreeWidgetItem *item = selectedEntry(tree);
    if (!item)
        return;
    QTreeWidgetItem *root = item->parent();
    QList<QTreeWidgetItem *> entries = root->takeChildren();
    std::stable_sort(entries.begin(), entries.end(), [](QTreeWidgetItem *a, QTreeWidgetItem *b) {
        return InputSupport::SortsBefore(a->text(0), b->text(0));
    });
    root->addChildren(entries);
    Select(tree, item);
    m_changed = true;
}

std::vector<InputSupport::Building> frmShienSet::buildings() const
{
    std::vector<InputSupport::Building> out;
    QTreeWidgetItem *root = Root(tvwBuilding);
    for (int i = 0; root && i < root->childCount(); ++i) {
        const QTreeWidgetItem *item = root->child(i);
        out.push_back({item->data(0, kNameRole).toString(), item->data(0, kAddressRole).toString()});
    }
    return out;
}

QStringList frmShienSet::siteiNames() const
{
    QStringList out;
    QTreeWidgetItem *root = Root(tvwSitei);
    for (int i = 0; root && i < root->childCount(); ++i)
        out << root->child(i)->text(0);
    return out;
}

void frmShienSet::addBuilding()
{
    const std::vector<InputSupport::Building> existing = buildings();
    frmMenuBuilding dlg(frmMenuBuilding::Mode::Add, existing, {}, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    QTreeWidgetItem *item = AddEntry(Root(tvwBuilding), QString(), BuildingIcon());
    SetBuilding(item, dlg.result());
    Select(tvwBuilding, item);
    m_changed = true;
}

void frmShienSet::changeBuilding()
{
    QTreeWidgetItem *item = selectedEntry(tvwBuilding);
    if (!item)
        return;
    const std::vector<InputSupport::Building> existing = buildings();
    const InputSupport::Building current{item->data(0, kNameRole).toString(), item->data(0, kAddressRole).toString()};
    frmMenuBuilding dlg(frmMenuBuilding::Mode::Change, existing, current, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    SetBuilding(item, dlg.result());
    m_changed = true;
}

void frmShienSet::addSitei()
{
    frmMenuSiteiName dlg(frmMenuSiteiName::Mode::Add, siteiNames(), {}, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    QTreeWidgetItem *item = AddEntry(Root(tvwSitei), dlg.result(), style()->standardIcon(QStyle::SP_FileIcon));
    Select(tvwSitei, item);
    m_changed = true;
}

void frmShienSet::changeSitei()
{
    QTreeWidgetItem *item = selectedEntry(tvwSitei);
    if (!item)
        return;
    frmMenuSiteiName dlg(frmMenuSiteiName::Mode::Change, siteiNames(), item->text(0), this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    item->setText(0, dlg.result());
    m_changed = true;
}

bool frmShienSet::SaveLists()
{
    if (!InputSupport::SaveInputSupport(m_tables, buildings(), siteiNames()))
        return false; // reported; the window stays open with its changes
    m_changed = false;
    return true;
}

void frmShienSet::cmdSave_Click()
{
    if (SaveLists())
        accept();
}

void frmShienSet::reject()
{
    CloseWithSaveQuestion(*this, m_changed, QStringLiteral("メニュー内容"), [this] { return SaveLists(); });
}
