#include "settings/ui/frmMenuSet.h"

#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/widgetnaming.h"
#include "settings/ui/frmMenuBoard.h"
#include "settings/ui/frmMenuGroup.h"
#include "settings/ui/frmMenuImport.h"
#include "settings/ui/frmMenuName.h"
#include "settings/ui/frmMenuSubName.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

const QString kMenuRootText = QStringLiteral("出前メニュー");
const QString kSubRootText = QStringLiteral("メニュー補助項目");

// An item node carries its values beside its display text.
constexpr int kNameRole = Qt::UserRole;
constexpr int kPriceRole = Qt::UserRole + 1;
constexpr int kKanaRole = Qt::UserRole + 2;

QAction *Action(QObject *parent, const QString &text, const char *name)
{
    auto *a = new QAction(text, parent);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QToolBar *Bar(const char *name, const QString &spoken)
{
    auto *bar = named(new QToolBar, name, spoken);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return bar;
}

QIcon FolderIcon(bool open)
{
    return QApplication::style()->standardIcon(open ? QStyle::SP_DirOpenIcon : QStyle::SP_DirClosedIcon);
}

QTreeWidget *Tree(const char *name, const QString &spoken)
{
    auto *tree = named(new QTreeWidget, name, spoken);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setContextMenuPolicy(Qt::CustomContextMenu);
    tree->setMinimumSize(300, 220);
    return tree;
}

// The root of either tree stays open; a group shows whether it is open by its folder icon.
void KeepRootOpen(QTreeWidget *tree)
{
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree, [](QTreeWidgetItem *item) {
        if (!item->parent())
            item->setExpanded(true);
        else
            item->setIcon(0, FolderIcon(false));
    });
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree, [](QTreeWidgetItem *item) {
        if (item->parent())
            item->setIcon(0, FolderIcon(true));
    });
}

QWidget *SortRow(QToolBar *main, QToolBar *sort, QToolBar *sort50, const char *labelName)
{
    auto *row = new QWidget;
    auto *bars = new QHBoxLayout(row);
    bars->setContentsMargins(0, 0, 0, 0);
    // Every tool in view: a tool bar squeezed into its overflow menu hides 削除 and 下へ.
    for (QToolBar *bar : {main, sort, sort50})
        bar->setMinimumWidth(bar->sizeHint().width());
    bars->addWidget(main);
    bars->addStretch(1);
    bars->addWidget(named(new QLabel(QStringLiteral("並び順：")), labelName));
    bars->addWidget(sort);
    bars->addWidget(sort50);
    return row;
}

} // namespace

frmMenuSet::frmMenuSet(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    setObjectName(QStringLiteral("frmMenuSet"));
    setWindowTitle(QStringLiteral("出前メニュー設定"));
    setModal(true);

    buildMenuFrame();
    buildSubFrame();

    cmdSave = named(new QPushButton(QStringLiteral("OK"), this), "cmdSave");
    cmdSave->setDefault(true);
    cmdSave->setAutoDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");
    cmdBoard = named(new QPushButton(QStringLiteral("よく使うメニューのボード設定(&S)"), this), "cmdBoard");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdBoard);
    buttons->addStretch(1);
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraMenu, 3);
    layout->addWidget(fraSub, 2);
    layout->addLayout(buttons);

    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (cmdSave_Click())
            accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmMenuSet::reject);
    // Saved exactly as OK saves, so the board is laid out from the catalogue as stored.
    connect(cmdBoard, &QPushButton::clicked, this, [this] {
        if (!cmdSave_Click())
            return;
        accept();
        frmMenuBoard board(m_tables, parentWidget());
        board.exec();
    });

    m_changed = false;
    Re_view();
}

void frmMenuSet::buildMenuFrame()
{
    fraMenu = named(new QGroupBox(QStringLiteral("出前メニュー設定"), this), "fraMenu");
    tvwMenu = Tree("tvwMenu", QStringLiteral("出前メニュー"));
    KeepRootOpen(tvwMenu);

    tlbMain = Bar("tlbMain", QStringLiteral("メニューの編集"));
    btnGAdd = Action(tlbMain, QStringLiteral("グループ追加"), "btnGAdd");
    btnMAdd = Action(tlbMain, QStringLiteral("メニュー追加"), "btnMAdd");
    btnChange = Action(tlbMain, QStringLiteral("変更"), "btnChange");
    btnDel = Action(tlbMain, QStringLiteral("削除"), "btnDel");
    tlbMain->addAction(btnGAdd);
    tlbMain->addAction(btnMAdd);
    tlbMain->addSeparator();
    tlbMain->addAction(btnChange);
    tlbMain->addAction(btnDel);
    tlbSort = Bar("tlbSort", QStringLiteral("並び順"));
    btnUp = Action(tlbSort, QStringLiteral("上へ"), "btnUp");
    btnDown = Action(tlbSort, QStringLiteral("下へ"), "btnDown");
    tlbSort->addAction(btnUp);
    tlbSort->addAction(btnDown);
    tlbSort50 = Bar("tlbSort50", QStringLiteral("50音順"));
    btn50 = Action(tlbSort50, QStringLiteral("50音順"), "btn50");
    tlbSort50->addAction(btn50);

    mnuMenu = named(new QMenu(QStringLiteral("メニュー設定(&M)"), this), "mnuMenu");
    mnuGAdd = Action(mnuMenu, QStringLiteral("グループ追加(&G)"), "mnuGAdd");
    mnuMAdd = Action(mnuMenu, QStringLiteral("メニュー追加(&I)"), "mnuMAdd");
    mnuChange = Action(mnuMenu, QStringLiteral("変更(&M)"), "mnuChange");
    mnuDel = Action(mnuMenu, QStringLiteral("削除(&D)"), "mnuDel");
    mnuAllView = Action(mnuMenu, QStringLiteral("全表示(&A)"), "mnuAllView");
    mnuGroupView = Action(mnuMenu, QStringLiteral("グループのみ表示(&V)"), "mnuGroupView");
    mnuImport = Action(mnuMenu, QStringLiteral("メニューデータのインポート(&I)"), "mnuImport");
    mnuMenu->addActions({mnuGAdd, mnuMAdd, mnuChange, mnuDel});
    mnuMenu->addSeparator();
    mnuMenu->addActions({mnuAllView, mnuGroupView});
    mnuMenu->addSeparator();
    mnuMenu->addAction(mnuImport);

    auto *frame = new QVBoxLayout(fraMenu);
    frame->addWidget(SortRow(tlbMain, tlbSort, tlbSort50, "lblSort"));
    frame->addWidget(tvwMenu, 1);

    for (QAction *a : {btnGAdd, mnuGAdd})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnGAdd_Click);
    for (QAction *a : {btnMAdd, mnuMAdd})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnMAdd_Click);
    for (QAction *a : {btnChange, mnuChange})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnChange_Click);
    for (QAction *a : {btnDel, mnuDel})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnDel_Click);
    connect(btnUp, &QAction::triggered, this, &frmMenuSet::btnUp_Click);
    connect(btnDown, &QAction::triggered, this, &frmMenuSet::btnDown_Click);
    connect(btn50, &QAction::triggered, this, &frmMenuSet::btn50_Click);
    connect(mnuAllView, &QAction::triggered, this, &frmMenuSet::mnuAllView_Click);
    connect(mnuGroupView, &QAction::triggered, this, &frmMenuSet::mnuGroupView_Click);
    connect(mnuImport, &QAction::triggered, this, [this] {
        frmMenuImport import(m_tables, this);
        import.exec();
        if (!import.IsChanged())
            return;
        // The imported rows are in the table: the trees show the table, unsaved edits included.
        Re_view();
        m_changed = true;
    });

    connect(tvwMenu, &QTreeWidget::currentItemChanged, this, &frmMenuSet::updateMenuButtons);
    connect(tvwMenu, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && menuKind() == 3)
            btnChange_Click();
    });
    connect(tvwMenu, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QTreeWidgetItem *item = tvwMenu->itemAt(pos))
            tvwMenu->setCurrentItem(item);
        updateMenuButtons();
        mnuMenu->popup(tvwMenu->viewport()->mapToGlobal(pos));
    });
}

void frmMenuSet::buildSubFrame()
{
    fraSub = named(new QGroupBox(QStringLiteral("メニュー補助項目設定"), this), "fraSub");
    tvwSub = Tree("tvwSub", QStringLiteral("メニュー補助項目"));
    tvwSub->setItemsExpandable(false);
    tvwSub->setExpandsOnDoubleClick(false);
    KeepRootOpen(tvwSub);

    tlbSub = Bar("tlbSub", QStringLiteral("補助項目の編集"));
    btnAdd = Action(tlbSub, QStringLiteral("項目追加"), "btnAdd");
    btnSubChange = Action(tlbSub, QStringLiteral("変更"), "btnChange");
    btnSubDel = Action(tlbSub, QStringLiteral("削除"), "btnDel");
    tlbSub->addAction(btnAdd);
    tlbSub->addSeparator();
    tlbSub->addAction(btnSubChange);
    tlbSub->addAction(btnSubDel);
    tlbSortSub = Bar("tlbSortSub", QStringLiteral("補助項目の並び順"));
    btnSubUp = Action(tlbSortSub, QStringLiteral("上へ"), "btnUp");
    btnSubDown = Action(tlbSortSub, QStringLiteral("下へ"), "btnDown");
    tlbSortSub->addAction(btnSubUp);
    tlbSortSub->addAction(btnSubDown);
    tlbSortSub50 = Bar("tlbSortSub50", QStringLiteral("補助項目の50音順"));
    btnSub50 = Action(tlbSortSub50, QStringLiteral("50音順"), "btn50");
    tlbSortSub50->addAction(btnSub50);

    mnuSub = named(new QMenu(QStringLiteral("メニュー備考設定(&S)"), this), "mnuSub");
    mnuSubAdd = Action(mnuSub, QStringLiteral("項目追加(&A)"), "mnuSubAdd");
    mnuSubChange = Action(mnuSub, QStringLiteral("変更(&M)"), "mnuSubChange");
    mnuSubDel = Action(mnuSub, QStringLiteral("削除(&D)"), "mnuSubDel");
    mnuSub->addActions({mnuSubAdd, mnuSubChange, mnuSubDel});

    auto *frame = new QVBoxLayout(fraSub);
    frame->addWidget(SortRow(tlbSub, tlbSortSub, tlbSortSub50, "lblSortSub"));
    frame->addWidget(tvwSub, 1);

    for (QAction *a : {btnAdd, mnuSubAdd})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnAdd_Click);
    for (QAction *a : {btnSubChange, mnuSubChange})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnSubChange_Click);
    for (QAction *a : {btnSubDel, mnuSubDel})
        connect(a, &QAction::triggered, this, &frmMenuSet::btnSubDel_Click);
    connect(btnSubUp, &QAction::triggered, this, &frmMenuSet::btnSubUp_Click);
    connect(btnSubDown, &QAction::triggered, this, &frmMenuSet::btnSubDown_Click);
    connect(btnSub50, &QAction::triggered, this, &frmMenuSet::btnSub50_Click);

    connect(tvwSub, &QTreeWidget::currentItemChanged, this, &frmMenuSet::updateSubButtons);
    connect(tvwSub, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item->parent())
            btnSubChange_Click();
    });
    connect(tvwSub, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QTreeWidgetItem *item = tvwSub->itemAt(pos))
            tvwSub->setCurrentItem(item);
        updateSubButtons();
        mnuSub->popup(tvwSub->viewport()->mapToGlobal(pos));
    });
}

void frmMenuSet::Re_view()
{
    tvwMenu->clear();
    tvwSub->clear();
    auto *menuTop = new QTreeWidgetItem(tvwMenu, QStringList{kMenuRootText});
    auto *subTop = new QTreeWidgetItem(tvwSub, QStringList{kSubRootText});
    menuTop->setExpanded(true);
    subTop->setExpanded(true);
    for (const MenuCatalogue::Group &g : MenuCatalogue::FromTable(m_tables.MenuTable)) {
        QTreeWidgetItem *group = addGroupNode(g.name);
        for (const MenuCatalogue::Item &item : g.items)
            addItemNode(group, item);
    }
    for (int i = 1; i < m_tables.MenuOptionList.size(); ++i)
        new QTreeWidgetItem(subTop, QStringList{m_tables.MenuOptionList[i]});
    tvwMenu->setCurrentItem(menuTop);
    tvwSub->setCurrentItem(subTop);
    updateMenuButtons();
    updateSubButtons();
}

QTreeWidgetItem *frmMenuSet::menuRoot() const
{
    return tvwMenu->topLevelItem(0);
}

QTreeWidgetItem *frmMenuSet::subRoot() const
{
    return tvwSub->topLevelItem(0);
}

int frmMenuSet::menuKind() const
{
    const QTreeWidgetItem *item = tvwMenu->currentItem();
    if (!item)
        return 0;
    if (!item->parent())
        return 1;
    return item->parent()->parent() ? 3 : 2;
}

QTreeWidgetItem *frmMenuSet::selectedGroup() const
{
    QTreeWidgetItem *item = tvwMenu->currentItem();
    switch (menuKind()) {
    case 2:
        return item;
    case 3:
        return item->parent();
    default:
        return nullptr;
    }
}

QTreeWidgetItem *frmMenuSet::addGroupNode(const QString &name)
{
    auto *group = new QTreeWidgetItem(menuRoot(), QStringList{name});
    group->setIcon(0, FolderIcon(false));
    return group;
}

void frmMenuSet::setItemValues(QTreeWidgetItem *node, const MenuCatalogue::Item &item)
{
    node->setText(0, MenuCatalogue::ItemText(item.name, item.priceText));
    node->setData(0, kNameRole, item.name);
    node->setData(0, kPriceRole, item.priceText);
    node->setData(0, kKanaRole, item.kana);
}

QTreeWidgetItem *frmMenuSet::addItemNode(QTreeWidgetItem *group, const MenuCatalogue::Item &item)
{
    auto *node = new QTreeWidgetItem(group);
    setItemValues(node, item);
    return node;
}

MenuCatalogue::Group frmMenuSet::groupOf(const QTreeWidgetItem *groupNode) const
{
    MenuCatalogue::Group group{groupNode->text(0), {}};
    for (int i = 0; i < groupNode->childCount(); ++i) {
        const QTreeWidgetItem *node = groupNode->child(i);
        group.items.push_back({node->data(0, kNameRole).toString(), node->data(0, kPriceRole).toString(),
                               node->data(0, kKanaRole).toString()});
    }
    return group;
}

MenuCatalogue::Groups frmMenuSet::GroupsShown() const
{
    MenuCatalogue::Groups groups;
    for (int i = 0; i < menuRoot()->childCount(); ++i)
        groups.push_back(groupOf(menuRoot()->child(i)));
    return groups;
}

QStringList frmMenuSet::groupNames() const
{
    QStringList names;
    for (int i = 0; i < menuRoot()->childCount(); ++i)
        names << menuRoot()->child(i)->text(0);
    return names;
}

QStringList frmMenuSet::SubItemsShown() const
{
    QStringList texts;
    for (int i = 0; i < subRoot()->childCount(); ++i)
        texts << subRoot()->child(i)->text(0);
    return texts;
}

void frmMenuSet::updateMenuButtons()
{
    const bool onNode = menuKind() >= 2;
    for (QAction *a : {btnMAdd, btnChange, btnDel, btnUp, btnDown, btn50, mnuMAdd, mnuChange, mnuDel})
        a->setEnabled(onNode);
}

void frmMenuSet::updateSubButtons()
{
    const QTreeWidgetItem *item = tvwSub->currentItem();
    const bool onSubItem = item && item->parent();
    for (QAction *a : {btnSubChange, btnSubDel, btnSubUp, btnSubDown, btnSub50, mnuSubChange, mnuSubDel})
        a->setEnabled(onSubItem);
}

void frmMenuSet::setChanged()
{
    m_changed = true;
}

bool frmMenuSet::refuseWhenMenuFull(const QTreeWidgetItem *targetGroup)
{
    // An item joining an empty group takes that group's placeholder row.
    const bool needsRow = !targetGroup || targetGroup->childCount() > 0;
    if (!needsRow)
        return false;
    int rows = 0;
    for (int i = 0; i < menuRoot()->childCount(); ++i)
        rows += std::max(1, menuRoot()->child(i)->childCount());
    if (rows < MenuCatalogue::kMaxRows)
        return false;
    ShowWarning(MenuCatalogue::kRowsFullTitle, MenuCatalogue::MenuRowsFullText());
    return true;
}

void frmMenuSet::btnGAdd_Click()
{
    if (refuseWhenMenuFull(nullptr))
        return;
    frmMenuGroup dialog(frmMenuGroup::Mode::Add, groupNames(), {}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    tvwMenu->setCurrentItem(addGroupNode(dialog.GroupName()));
    setChanged();
}

void frmMenuSet::btnMAdd_Click()
{
    QTreeWidgetItem *group = selectedGroup();
    if (!group || refuseWhenMenuFull(group))
        return;
    frmMenuName dialog(frmMenuName::Mode::Add, groupOf(group), -1, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTreeWidgetItem *node = addItemNode(group, dialog.Entered());
    group->setExpanded(true);
    tvwMenu->setCurrentItem(node);
    setChanged();
}

void frmMenuSet::btnChange_Click()
{
    QTreeWidgetItem *node = tvwMenu->currentItem();
    const int kind = menuKind();
    if (kind == 2) {
        frmMenuGroup dialog(frmMenuGroup::Mode::Change, groupNames(), node->text(0), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        node->setText(0, dialog.GroupName());
        setChanged();
    } else if (kind == 3) {
        QTreeWidgetItem *group = node->parent();
        frmMenuName dialog(frmMenuName::Mode::Change, groupOf(group), group->indexOfChild(node), this);
        if (dialog.exec() != QDialog::Accepted)
            return;
        setItemValues(node, dialog.Entered());
        setChanged();
    }
}

void frmMenuSet::btnDel_Click()
{
    QTreeWidgetItem *node = tvwMenu->currentItem();
    const int kind = menuKind();
    if (kind < 2)
        return;
    const QString what = kind == 2 ? QStringLiteral("グループ") : QStringLiteral("メニュー");
    if (!AskYesNo(QStringLiteral("削除確認"),
                  what + QStringLiteral("「") + node->text(0) + QStringLiteral("」を削除してもよろしいですか？"),
                  PromptIcon::Question))
        return;
    QTreeWidgetItem *parent = node->parent();
    if (parent->childCount() == 1)
        parent->setExpanded(false); // the root opens itself again
    delete node;
    setChanged();
    updateMenuButtons();
}

void frmMenuSet::move(QTreeWidget *tree, int offset)
{
    QTreeWidgetItem *node = tree->currentItem();
    QTreeWidgetItem *parent = node ? node->parent() : nullptr;
    if (!parent)
        return;
    const int from = parent->indexOfChild(node);
    const int to = from + offset;
    if (to < 0 || to >= parent->childCount())
        return;
    // Taking a node out of the view forgets whether it was open.
    const bool open = node->isExpanded();
    parent->takeChild(from);
    parent->insertChild(to, node);
    node->setExpanded(open);
    tree->setCurrentItem(node);
    setChanged();
}

void frmMenuSet::sortSiblings(QTreeWidget *tree)
{
    QTreeWidgetItem *node = tree->currentItem();
    QTreeWidgetItem *parent = node ? node->parent() : nullptr;
    if (!parent)
        return;
    // Taking nodes out of the view forgets which were open.
    QSet<const QTreeWidgetItem *> open;
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->isExpanded())
            open.insert(parent->child(i));
    QList<QTreeWidgetItem *> nodes = parent->takeChildren();
    QStringList texts;
    for (const QTreeWidgetItem *n : nodes)
        texts << n->text(0);
    MenuCatalogue::SortByReading(texts);
    // Equal texts keep their order: each text takes the first unused node that shows it.
    QList<QTreeWidgetItem *> sorted;
    for (const QString &text : texts) {
        const auto it = std::find_if(nodes.begin(), nodes.end(),
                                     [&text](const QTreeWidgetItem *n) { return n && n->text(0) == text; });
        sorted << *it;
        *it = nullptr;
    }
    parent->addChildren(sorted);
    for (QTreeWidgetItem *n : sorted)
        n->setExpanded(open.contains(n));
    tree->setCurrentItem(node);
    setChanged();
}

void frmMenuSet::btnUp_Click()
{
    move(tvwMenu, -1);
}

void frmMenuSet::btnDown_Click()
{
    move(tvwMenu, +1);
}

void frmMenuSet::btn50_Click()
{
    sortSiblings(tvwMenu);
}

void frmMenuSet::mnuAllView_Click()
{
    for (int i = 0; i < menuRoot()->childCount(); ++i)
        menuRoot()->child(i)->setExpanded(true);
}

void frmMenuSet::mnuGroupView_Click()
{
    for (int i = 0; i < menuRoot()->childCount(); ++i)
        menuRoot()->child(i)->setExpanded(false);
}

void frmMenuSet::btnAdd_Click()
{
    if (subRoot()->childCount() >= MenuCatalogue::kMaxRows) {
        ShowWarning(MenuCatalogue::kRowsFullTitle, MenuCatalogue::SubItemsFullText());
        return;
    }
    frmMenuSubName dialog(frmMenuSubName::Mode::Add, SubItemsShown(), {}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    tvwSub->setCurrentItem(new QTreeWidgetItem(subRoot(), QStringList{dialog.SubItemName()}));
    setChanged();
}

void frmMenuSet::btnSubChange_Click()
{
    QTreeWidgetItem *node = tvwSub->currentItem();
    if (!node || !node->parent())
        return;
    frmMenuSubName dialog(frmMenuSubName::Mode::Change, SubItemsShown(), node->text(0), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    node->setText(0, dialog.SubItemName());
    setChanged();
}

void frmMenuSet::btnSubDel_Click()
{
    QTreeWidgetItem *node = tvwSub->currentItem();
    if (!node || !node->parent())
        return;
    if (!AskYesNo(QStringLiteral("削除確認"),
                  QStringLiteral("「") + node->text(0) + QStringLiteral("」を削除してもよろしいですか？"),
                  PromptIcon::Question))
        return;
    delete node;
    setChanged();
    updateSubButtons();
}

void frmMenuSet::btnSubUp_Click()
{
    move(tvwSub, -1);
}

void frmMenuSet::btnSubDown_Click()
{
    move(tvwSub, +1);
}

void frmMenuSet::btnSub50_Click()
{
    sortSiblings(tvwSub);
}

bool frmMenuSet::cmdSave_Click()
{
    if (!MenuCatalogue::Save(m_tables, GroupsShown(), SubItemsShown()))
        return false; // the writer has reported it; the trees and the changed flag stay
    m_changed = false;
    return true;
}

void frmMenuSet::reject()
{
    CloseWithSaveQuestion(*this, m_changed, QStringLiteral("メニュー内容"), [this] { return cmdSave_Click(); });
}
