#include "app/leftpanel.h"

#include "platform/ui/widgetnaming.h"

#include <QAction>
#include <QPushButton>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

LeftPanel::LeftPanel(QWidget *parent) : QWidget(parent)
{
    named(this, "picLeftMenu");
    setMinimumWidth(120);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x5a, 0x6e, 0x8c));
    setPalette(pal);
}

int LeftPanel::headerHeight()
{
    // 360 twips = 1/4 inch.
    // Taken from the screen, so the headers keep their size on high-density displays.
    const QScreen *screen = QGuiApplication::primaryScreen();
    return qMax(22, int((screen ? screen->logicalDotsPerInchY() : 96.0) / 4));
}

int LeftPanel::addGroup(const QString &title, const QString &objectName)
{
    Group g;
    g.header = named(new QPushButton(title, this), objectName);
    g.header->setFocusPolicy(Qt::NoFocus);
    g.items = named(new QWidget(this), objectName + QStringLiteral("Items"));
    auto *layout = new QVBoxLayout(g.items);
    layout->setContentsMargins(4, 8, 4, 8);
    layout->setSpacing(6);
    layout->addStretch(1);
    const int index = m_groups.size();
    connect(g.header, &QPushButton::clicked, this, [this, index] { openGroup(index); });
    m_groups.append(g);
    relayout();
    return index;
}

QToolButton *LeftPanel::addItem(int group, QAction *action)
{
    QWidget *items = m_groups.at(group).items;
    auto *button = named(new QToolButton(items), QStringLiteral("pnl_") + action->objectName());
    // The panel shows the plain caption; the menu's "(&X)" mnemonic belongs to the menu bar.
    QString caption = action->text();
    caption.remove(QRegularExpression(QStringLiteral("\\(&.\\)|\\.\\.\\.$")));
    button->setText(caption);
    button->setIcon(action->icon());
    button->setEnabled(action->isEnabled());
    button->setToolTip(caption);
    connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
    connect(button, &QToolButton::clicked, action, &QAction::trigger);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    // Flat until the pointer is over it, pressed while the button is down.
    button->setAutoRaise(true);
    button->setIconSize(QSize(36, 36));
    button->setMinimumWidth(110);
    // White on the dark panel; the raised face under the pointer is light, so the caption turns dark.
    button->setStyleSheet(QStringLiteral("QToolButton { color: white; } QToolButton:hover, QToolButton:pressed { "
                                         "color: #1c2533; } QToolButton:disabled { color: #9aa4b4; }"));
    auto *layout = static_cast<QVBoxLayout *>(items->layout());
    layout->insertWidget(layout->count() - 1, button, 0, Qt::AlignHCenter);
    return button;
}

void LeftPanel::openGroup(int group)
{
    if (group < 0 || group >= m_groups.size())
        return;
    m_open = group;
    relayout();
}

void LeftPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void LeftPanel::relayout()
{
    const int h = headerHeight();
    const int n = m_groups.size();
    for (int i = 0; i < n; ++i) {
        const Group &g = m_groups.at(i);
        const int y = i <= m_open ? i * h : height() - (n - i) * h;
        g.header->setGeometry(0, y, width(), h);
        g.items->setVisible(i == m_open);
    }
    if (n > 0) {
        const int top = (m_open + 1) * h;
        const int bottom = height() - (n - m_open - 1) * h;
        m_groups.at(m_open).items->setGeometry(0, top, width(), qMax(0, bottom - top));
    }
}
