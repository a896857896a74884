#include "board/ui/progressindicator.h"

#include "board/progress.h"

#include <QPainter>

#include <algorithm>

namespace
{
constexpr int kBorder = 2;
}

ProgressIndicator::ProgressIndicator(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("進行状況"));
}

void ProgressIndicator::setStatus(int status)
{
    if (status == m_status)
        return;
    m_status = status;
    update();
}

int ProgressIndicator::barHeight() const
{
    // The nominal box height in twips maps onto the inside of the box, whatever its size.
    const int inner = std::max(0, height() - 2 * kBorder);
    return int(qint64(inner) * ProgressBarTwips(m_status) / kProgressBoxTwips);
}

QSize ProgressIndicator::sizeHint() const
{
    return {28, 227}; // 3400 twips at 96 dpi
}

QSize ProgressIndicator::minimumSizeHint() const
{
    return {20, 120};
}

void ProgressIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect outer = rect();
    p.fillRect(outer, palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(outer.adjusted(0, 0, -1, -1));
    const QRect inner = outer.adjusted(kBorder, kBorder, -kBorder, -kBorder);
    const QRect bar(inner.left(), inner.top(), inner.width(), barHeight());
    if (bar.height() > 0)
        p.fillRect(bar, palette().color(QPalette::Highlight));
}
