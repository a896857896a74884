#include "settings/ui/frmStaffSet.h"

#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/staffnames.h"
#include "settings/ui/frmStaffName.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

const QString kRootText = QStringLiteral("スタッフ一覧");

// A small figure of a person, drawn so the window needs no image files.
QIcon PersonIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3a, 0x6e, 0xa5));
    p.drawEllipse(QRectF(5, 1, 6, 6));
    p.drawRoundedRect(QRectF(2.5, 8, 11, 7.5), 3, 3);
    return QIcon(pm);
}

QIcon GroupIcon()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x5c, 0xb8));
    p.drawEllipse(QRectF(1, 2, 5, 5));
    p.drawEllipse(QRectF(10, 2, 5, 5));
    p.drawRoundedRect(QRectF(0, 8, 7, 7), 2, 2);
    p.drawRoundedRect(QRectF(9, 8, 7, 7), 2, 2);
    return QIcon(pm);
}

QAction *Action(QObject *parent, const QString &text, const char *name)
{
    auto *a = new QAction(text, parent);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

frmStaffSet::frmStaffSet(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    setObjectName(QStringLiteral("frmStaffSet"));
    setWindowTitle(QStringLiteral("スタッフ設定"));
    setModal(true);

    fraStaff = named(new QGroupBox(QStringLiteral("スタッフ設定"), this), "fraStaff");
    tvwStaff = named(new QTreeWidget, "tvwStaff", QStringLiteral("スタッフ一覧"));
    tvwStaff->setHeaderHidden(true);
    tvwStaff->setColumnCount(1);
    // The list is one level deep and always open.
    tvwStaff->setItemsExpandable(false);
    tvwStaff->setExpandsOnDoubleClick(false);
    tvwStaff->setContextMenuPolicy(Qt::CustomContextMenu);
    tvwStaff->setMinimumSize(260, 280);
    buildToolbars();
    buildContextMenu();

    auto *bars = new QHBoxLayout;
    bars->addWidget(tlbMain);
    bars->addStretch(1);
    bars->addWidget(named(new QLabel(QStringLiteral("並び順："), this), "lblSort"));
    bars->addWidget(tlbSort);
    bars->addWidget(tlbSort50);
    auto *frame = new QVBoxLayout(fraStaff);
    frame->addLayout(bars);
    frame->addWidget(tvwStaff, 1);

    const ButtonRow buttons = OkCancelRow(this, QStringLiteral("OK"), "cmdSave");
    cmdSave = buttons.ok;
    cmdCancel = buttons.cancel;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(fraStaff, 1);
    layout->addLayout(buttons.layout);

    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (cmdSave_Click())
            accept();
    });
    connect(cmdCancel, &QPushButton::clicked, this, &frmStaffSet::reject);
    connect(tvwStaff, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem *item) { item->setExpanded(true); });
    connect(tvwStaff, &QTreeWidget::itemSelectionChanged, this, &frmStaffSet::updateButtons);
    connect(tvwStaff, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (item && item != root())
            btnChange_Click();
    });
    connect(tvwStaff, &QTreeWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QTreeWidgetItem *item = tvwStaff->itemAt(pos))
            tvwStaff->setCurrentItem(item);
        updateButtons();
        mnuStaff->popup(tvwStaff->viewport()->mapToGlobal(pos));
    });

    fillTree();
}

void frmStaffSet::buildToolbars()
{
    tlbMain = named(new QToolBar, "tlbMain", QStringLiteral("スタッフの編集"));
    tlbMain->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnSAdd = Action(this, QStringLiteral("スタッフ追加"), "btnSAdd");
    btnChange = Action(this, QStringLiteral("変更"), "btnChange");
    btnDel = Action(this, QStringLiteral("削除"), "btnDel");
    tlbMain->addAction(btnSAdd);
    tlbMain->addSeparator();
    tlbMain->addAction(btnChange);
    tlbMain->addAction(btnDel);

    tlbSort = named(new QToolBar, "tlbSort", QStringLiteral("並び順"));
    tlbSort->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btnUp = Action(this, QStringLiteral("上へ"), "btnUp");
    btnDown = Action(this, QStringLiteral("下へ"), "btnDown");
    tlbSort->addAction(btnUp);
    tlbSort->addAction(btnDown);

    tlbSort50 = named(new QToolBar, "tlbSort50", QStringLiteral("50音順"));
    tlbSort50->setToolButtonStyle(Qt::ToolButtonTextOnly);
    btn50 = Action(this, QStringLiteral("50音順"), "btn50");
    tlbSort50->addAction(btn50);

    connect(btnSAdd, &QAction::triggered, this, &frmStaffSet::btnSAdd_Click);
    connect(btnChange, &QAction::triggered, this, &frmStaffSet::btnChange_Click);
    connect(btnDel, &QAction::triggered, this, &frmStaffSet::btnDel_Click);
    connect(btnUp, &QAction::triggered, this, &frmStaffSet::btnUp_Click);
    connect(btnDown, &QAction::triggered, this, &frmStaffSet::btnDown_Click);
    connect(btn50, &QAction::triggered, this, &frmStaffSet::btn50_Click);
}

void frmStaffSet::buildContextMenu()
{
    mnuStaff = named(new QMenu(QStringLiteral("スタッフ設定(&S)"), this), "mnuStaff");
    mnuSAdd = Action(mnuStaff, QStringLiteral("スタッフ追加(&S)"), "mnuSAdd");
    mnuChange = Action(mnuStaff, QStringLiteral("変更(&M)"), "mnuChange");
    mnuDel = Action(mnuStaff, QStringLiteral("削除(&D)"), "mnuDel");
    mnuStaff->addAction(mnuSAdd);
    mnuStaff->addAction(mnuChange);
    mnuStaff->addAction(mnuDel);
    connect(mnuSAdd, &QAction::triggered, this, &frmStaffSet::btnSAdd_Click);
    connect(mnuChange, &QAction::triggered, this, &frmStaffSet::btnChange_Click);
    connect(mnuDel, &QAction::triggered, this, &frmStaffSet::btnDel_Click);
}

void frmStaffSet::fillTree()
{
    tvwStaff->clear();
    auto *top = new QTreeWidgetItem(tvwStaff, QStringList{kRootText});
    top->setIcon(0, GroupIcon());
    for (const QString &name : StaffNames::FromTable(m_tables.StaffList))
        addStaffNode(name);
    top->setExpanded(true);
    tvwStaff->setCurrentItem(top);
    updateButtons();
}

QTreeWidgetItem *frmStaffSet::root() const
{
    return tvwStaff->topLevelItem(0);
}

QTreeWidgetItem *frmStaffSet::selectedStaff() const
{
    QTreeWidgetItem *item = tvwStaff->currentItem();
    return item && item->parent() == root() ? item : nullptr;
}

QTreeWidgetItem *frmStaffSet::addStaffNode(const QString &name)
{
    auto *item = new QTreeWidgetItem(root(), QStringList{name});
    item->setIcon(0, PersonIcon());
    return item;
}

QStringList frmStaffSet::StaffNamesShown() const
{
    QStringList names;
    for (int i = 0; i < root()->childCount(); ++i)
        names << root()->child(i)->text(0);
    return names;
}

void frmStaffSet::updateButtons()
{
    const bool onStaff = selectedStaff() != nullptr;
    for (QAction *a : {btnChange, btnDel, btnUp, btnDown, btn50, mnuChange, mnuDel})
        a->setEnabled(onStaff);
}

void frmStaffSet::setChanged()
{
    m_changed = true;
}

void frmStaffSet::btnSAdd_Click()
{
    frmStaffName dialog(frmStaffName::Mode::Add, StaffNamesShown(), {}, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    tvwStaff->setCurrentItem(addStaffNode(dialog.StaffName()));
    setChanged();
}

void frmStaffSet::btnChange_Click()
{
    QTreeWidgetItem *item = selectedStaff();
    if (!item)
        return;
    frmStaffName dialog(frmStaffName::Mode::Change, StaffNamesShown(), item->text(0), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    item->setText(0, dialog.StaffName());
    setChanged();
}

void frmStaffSet::btnDel_Click()
{
    QTreeWidgetItem *item = selectedStaff();
    if (!item)
        return;
    if (!AskYesNo(QStringLiteral("削除確認"),
                  QStringLiteral("「") + item->text(0) + QStringLiteral("」を削除してもよろしいですか？"),
                  PromptIcon::Question))
        return;
    delete item;
    setChanged();
    updateButtons();
}

void frmStaffSet::swapWith(int offset)
{
    QTreeWidgetItem *item = selectedStaff();
    if (!item)
        return;
    QTreeWidgetItem *top = root();
    const int from = top->indexOfChild(item);
    const int to = from + offset;
    if (to < 0 || to >= top->childCount())
        return;
    top->takeChild(from);
    top->insertChild(to, item);
    tvwStaff->setCurrentItem(item);
    setChanged();
}

void frmStaffSet::btnUp_Click()
{
    swapWith(-1);
}

void frmStaffSet::btnDown_Click()
{
    swapWith(+1);
}

void frmStaffSet::btn50_Click()
{
    if (!selectedStaff())
        return;
    const QString selected = selectedStaff()->text(0);
    const QStringList sorted = StaffNames::SortedByReading(StaffNamesShown());
    for (int i = 0; i < sorted.size(); ++i)
        root()->child(i)->setText(0, sorted[i]);
    // The selection follows the name, not the place.
    for (int i = 0; i < sorted.size(); ++i) {
        if (sorted[i] == selected)
            tvwStaff->setCurrentItem(root()->child(i));
    }
    setChanged();
}

bool frmStaffSet::cmdSave_Click()
{
    if (!StaffNames::Save(m_tables, StaffNamesShown()))
        return false; // the writer has reported it; the changes stay in the window
    m_changed = false;
    return true;
}

void frmStaffSet::reject()
{
    CloseWithSaveQuestion(*this, m_changed, QStringLiteral("スタッフ"), [this] { return cmdSave_Click(); });
}
