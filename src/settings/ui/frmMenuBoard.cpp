#include "settings/ui/frmMenuBoard.h"

#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "settings/ui/frmMenuBCheck.h"
#include "settings/ui/frmMenuBoardK.h"
#include "store/numbertext.h"

#include <QApplication>
#include <algorithm>
#include <QDrag>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace
{

const QString kRootTag = QStringLiteral("1");
const QString kGroupTag = QStringLiteral("2");
constexpr int kTagRole = Qt::UserRole;

// Twips of the original layout, at 15 twips a pixel.
constexpr int kWideButton = 1230 / 15;
constexpr int kButton = 660 / 15;
constexpr int kButtonHeight = 290 / 15;
constexpr int kRowPitch = 330 / 15;

// Pressing an item node starts a drag that carries the item's tag.
class MenuTree : public QTreeWidget
{
  public:
    using QTreeWidget::QTreeWidget;

  protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        QTreeWidget::mousePressEvent(event);
        QTreeWidgetItem *item = itemAt(event->position().toPoint());
        if (event->button() != Qt::LeftButton || !item)
            return;
        const QString tag = item->data(0, kTagRole).toString();
        if (tag == kRootTag || tag == kGroupTag)
            return;
        auto *drag = new QDrag(this);
        auto *mime = new QMimeData;
        mime->setText(tag);
        drag->setMimeData(mime);
        drag->exec(Qt::CopyAction);
    }
};

} // namespace

const QColor frmMenuBoard::kHighlight(255, 255, 192);

frmMenuBoard::frmMenuBoard(SettingTables &tables, QWidget *parent)
    : QDialog(parent), m_tables(tables), m_working(tables.MenuBoard)
{
    setObjectName(QStringLiteral("frmMenuBoard"));
    setWindowTitle(QStringLiteral("よく使うメニューのボード設定"));
    setModal(true);

    tvwMenu = named(new MenuTree, "tvwMenu", QStringLiteral("メニュー一覧"));
    tvwMenu->setHeaderHidden(true);
    tvwMenu->setMinimumWidth(220);

    auto *hintLabel = new QLabel(QStringLiteral("登録したいボタン上にメニュー名をドラッグして下さい"));
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("scrBoard"));
    scroll->setWidget(buildGrid());
    scroll->setWidgetResizable(false);
    auto *right = new QVBoxLayout;
    right->addWidget(hintLabel);
    right->addWidget(scroll, 1);

    auto *body = new QHBoxLayout;
    body->addWidget(tvwMenu);
    body->addLayout(right, 1);

    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    cmdOK->setAutoDefault(false);
    auto *root = new QVBoxLayout(this);
    root->addLayout(body, 1);
    root->addLayout(buttons.layout);
    resize(720, 560);

    connect(cmdOK, &QPushButton::clicked, this, &frmMenuBoard::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmMenuBoard::reject);

    fillTree();
    RefreshCaptions();
}

QWidget *frmMenuBoard::buildGrid()
{
    m_grid = new QWidget;
    m_grid->setObjectName(QStringLiteral("picDraw"));
    m_grid->setAcceptDrops(true);
    m_grid->installEventFilter(this);
    auto *grid = new QGridLayout(m_grid);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(kRowPitch - kButtonHeight);
    for (int r = 1; r <= MenuBoardLayout::kRows; ++r) {
        auto *number = new QLabel(QString::number(r));
        number->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(number, r - 1, 0);
    }
    for (int k = 1; k <= MenuBoardLayout::kButtons; ++k) {
        auto *b = named(new QPushButton, QStringLiteral("cmdMenu%1").arg(k));
        // An empty button still has to be found by a screen reader.
        b->setAccessibleName(QStringLiteral("ボタン%1").arg(k));
        b->setFixedSize(MenuBoardLayout::ColumnOf(k) == 1 ? kWideButton : kButton, kButtonHeight + 6);
        b->setAutoDefault(false);
        b->setAcceptDrops(true);
        b->setAutoFillBackground(true);
        b->installEventFilter(this);
        grid->addWidget(b, MenuBoardLayout::RowOf(k) - 1, MenuBoardLayout::ColumnOf(k));
        connect(b, &QPushButton::clicked, this, [this, k] { cmdMenu_Click(k); });
        cmdMenu[k] = b;
    }
    m_grid->adjustSize();
    return m_grid;
}

void frmMenuBoard::fillTree()
{
    tvwMenu->clear();
    const QStyle *st = style();
    auto *root = new QTreeWidgetItem(tvwMenu, {QStringLiteral("出前メニュー")});
    root->setData(0, kTagRole, kRootTag);
    root->setIcon(0, st->standardIcon(QStyle::SP_DirHomeIcon));
    QTreeWidgetItem *group = root;
    QString groupName;
    for (size_t i = 1; i < m_tables.MenuTable.size(); ++i) {
        const MenuEntry &e = m_tables.MenuTable[i];
        if (!e.Group.isEmpty() && e.Group != groupName) {
            groupName = e.Group;
            group = new QTreeWidgetItem(root, {groupName});
            group->setData(0, kTagRole, kGroupTag);
            group->setIcon(0, st->standardIcon(QStyle::SP_DirClosedIcon));
        }
        if (e.MenuName.isEmpty())
            continue;
        auto *item = new QTreeWidgetItem(
            group, {e.MenuName + QStringLiteral(" (\\") + CurrencyPlainText(e.Price) + QLatin1Char(')')});
        item->setData(0, kTagRole, MenuBoardLayout::ItemTag(e));
        item->setIcon(0, st->standardIcon(QStyle::SP_FileIcon));
    }
    root->setExpanded(true);
    tvwMenu->setCurrentItem(root);
}

void frmMenuBoard::RefreshCaptions()
{
    for (int k = 1; k <= MenuBoardLayout::kButtons; ++k)
        cmdMenu[k]->setText(MenuBoardLayout::ShownCaption(m_working[k]));
}

void frmMenuBoard::DragOver(int k)
{
    for (int i = 1; i <= MenuBoardLayout::kButtons; ++i) {
        QPalette p = cmdMenu[i]->palette();
        p.setColor(QPalette::Button, i == k ? kHighlight : palette().color(QPalette::Button));
        cmdMenu[i]->setPalette(p);
    }
}

void frmMenuBoard::DropOnButton(int k, const QString &text)
{
    DragOver(0);
    const auto item = MenuBoardLayout::ParseDrop(text);
    if (!item || k < 1 || k > MenuBoardLayout::kButtons)
        return;
    m_changed = true;
    frmMenuBoardK dialog(m_working, k, *item, this);
    dialog.exec();
    RefreshCaptions();
}

bool frmMenuBoard::eventFilter(QObject *watched, QEvent *event)
{
    const int k = watched == m_grid ? 0 : int(std::find(cmdMenu.begin() + 1, cmdMenu.end(), watched) - cmdMenu.begin());
    if (watched != m_grid && k > MenuBoardLayout::kButtons)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (!drag->mimeData()->hasText())
            return false;
        DragOver(k);
        drag->setDropAction(Qt::CopyAction);
        drag->accept();
        return true;
    }
    case QEvent::DragLeave:
        DragOver(0);
        return false;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString text = drop->mimeData()->text();
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // The dialog opens once the drag has finished, not inside it.
        if (k > 0)
            QMetaObject::invokeMethod(
                this, [this, k, text] { DropOnButton(k, text); }, Qt::QueuedConnection);
        else
            DragOver(0);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void frmMenuBoard::cmdMenu_Click(int k)
{
    m_changed = true;
    if (MenuBoardLayout::IsEmptyName(m_working[k])) {
        ShowInformation(QStringLiteral("未登録"), QStringLiteral("登録されていません"));
        return;
    }
    frmMenuBCheck dialog(m_working, k, this);
    dialog.exec();
    RefreshCaptions();
}

bool frmMenuBoard::SaveBoard()
{
    if (!MenuBoardLayout::Save(m_working, m_tables)) {
        ShowWarning(QStringLiteral("保存エラー"), QStringLiteral("メニューボードファイルを保存できませんでした。"));
        return false;
    }
    m_changed = false;
    return true;
}

void frmMenuBoard::cmdOK_Click()
{
    if (SaveBoard())
        accept();
}

void frmMenuBoard::reject()
{
    CloseWithSaveQuestion(*this, m_changed, QStringLiteral("メニューボード登録内容"), [this] { return SaveBoard(); });
}
