#include "orders/ui/menuboardpanel.h"

#include "platform/ui/widgetnaming.h"

#include <QPushButton>
#include <QScrollBar>
#include <QWheelEvent>

namespace
{

// The board's grid in pixels: the first column 1230 twips wide, the others 660, all 290 high,
// rows 330 apart, at a twip of 1/12 pixel (a little larger than 96 dpi gives, so that three
// characters of today's screen fonts fit the small buttons).
constexpr int kFirstWidth = 102;
constexpr int kWidth = 55;
constexpr int kHeight = 24;
constexpr int kRowPitch = 27;
constexpr int kGap = 3;
constexpr int kSmallStep = 17; // 200 twips
constexpr int kBarGap = 4;     // 50 twips

int columnLeft(int column) // 1-based
{
    return column == 1 ? 0 : kFirstWidth + kGap + (column - 2) * (kWidth + kGap);
}

constexpr int kSurfaceHeight = MenuBoardPanel::kRows * kRowPitch;

QString emptySlotName(int k)
{
    return QStringLiteral("空き（ボード%1）").arg(k);
}

} // namespace

bool MenuBoardPanel::IsEmptySlot(const MenuBoardSlot &slot)
{
    // A nameless slot could only give a nameless line, so it counts as empty as well.
    return slot.BoardMenuName.isEmpty() || slot.BoardMenuName == QLatin1String("00000");
}

MenuBoardPanel::MenuBoardPanel(QWidget *parent) : QWidget(parent)
{
    named(this, "picFrame", QStringLiteral("ボード検索"));

    picDraw = new QWidget(this);
    picDraw->setObjectName(QStringLiteral("picDraw"));
    picDraw->move(0, 0);
    picDraw->resize(columnLeft(kColumns) + kWidth, kSurfaceHeight);

    for (int k = 1; k <= kButtons; ++k) {
        auto *b = named(new QPushButton(picDraw), QStringLiteral("cmdMenu%1").arg(k), emptySlotName(k));
        const int row = (k - 1) / kColumns + 1;
        const int column = (k - 1) % kColumns + 1;
        b->setGeometry(columnLeft(column), (row - 1) * kRowPitch, column == 1 ? kFirstWidth : kWidth, kHeight);
        // Six or three characters must fit the small buttons.
        b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; }"));
        b->setFocusPolicy(Qt::NoFocus);
        b->hide();
        b->setEnabled(false);
        connect(b, &QPushButton::clicked, this, [this, k] { emit boardButtonPressed(k); });
        cmdMenu[size_t(k)] = b;
    }

    vsbMain = new QScrollBar(Qt::Vertical, this);
    vsbMain->setObjectName(QStringLiteral("vsbMain"));
    vsbMain->hide();
    connect(vsbMain, &QScrollBar::valueChanged, this, [this](int value) { picDraw->move(0, -value); });

    setMinimumSize(columnLeft(kColumns) + kWidth + 24, 120);
}

void MenuBoardPanel::Refresh(const SettingTables &tables)
{
    for (int k = 1; k <= kButtons; ++k) {
        const MenuBoardSlot &slot = tables.MenuBoard[size_t(k)];
        QPushButton *b = cmdMenu[size_t(k)];
        const bool occupied = !IsEmptySlot(slot);
        b->setText(occupied ? slot.BoardCaption : QString());
        b->setToolTip(occupied ? slot.BoardMenuName : QString());
        // The caption is often cut short to fit; the menu's own name is what is read out.
        b->setAccessibleName(occupied ? slot.BoardMenuName : emptySlotName(k));
        b->setEnabled(occupied);
        b->setVisible(occupied);
    }
}

void MenuBoardPanel::layoutSurface()
{
    const int panelHeight = height();
    if (kSurfaceHeight > panelHeight) {
        const int barWidth = vsbMain->sizeHint().width();
        const int surfaceWidth = qMax(0, width() - barWidth - kBarGap);
        picDraw->resize(surfaceWidth, kSurfaceHeight);
        vsbMain->setGeometry(surfaceWidth, 0, barWidth, qMax(0, panelHeight - kBarGap));
        vsbMain->setRange(0, kSurfaceHeight - panelHeight);
        vsbMain->setSingleStep(kSmallStep);
        vsbMain->setPageStep(panelHeight);
        vsbMain->show();
        picDraw->move(0, -vsbMain->value());
    } else {
        vsbMain->hide();
        vsbMain->setValue(0);
        picDraw->resize(width(), kSurfaceHeight);
        picDraw->move(0, 0);
    }
}

void MenuBoardPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutSurface();
}

void MenuBoardPanel::wheelEvent(QWheelEvent *event)
{
    if (vsbMain->isVisible()) {
        const int steps = event->angleDelta().y() / 120;
        vsbMain->setValue(vsbMain->value() - steps * vsbMain->singleStep() * 3);
        event->accept();
        return;
    }
    QWidget::wheelEvent(event);
}
