#include "board/ui/statusicons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace
{

constexpr int kSize = 16;

QIcon draw(StatusIcon icon)
{
    QPixmap pm(kSize, kSize);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (icon) {
    case StatusIcon::Complete: { // a white tick in a circle
        p.setPen(QPen(Qt::white, 1.5));
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(4.5, 8), QPointF(7, 10.5), QPointF(11.5, 5)}));
        break;
    }
    case StatusIcon::Received: { // a red telephone receiver shape (a filled dot with a ring)
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 0, 0));
        p.drawEllipse(QRectF(2, 2, 12, 12));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(6, 6, 4, 4));
        break;
    }
    case StatusIcon::Departed: { // a yellow arrow pointing onwards
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 0));
        p.drawPolygon(QPolygonF({QPointF(1, 5.5), QPointF(8, 5.5), QPointF(8, 2), QPointF(15, 8), QPointF(8, 14),
                                 QPointF(8, 10.5), QPointF(1, 10.5)}));
        break;
    }
    case StatusIcon::ContainersOut: { // a green bowl
        QPainterPath bowl;
        bowl.moveTo(1.5, 6);
        bowl.lineTo(14.5, 6);
        bowl.arcTo(QRectF(1.5, -0.5, 13, 13), 0, -180);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 255, 0));
        p.drawPath(bowl);
        p.drawRect(QRectF(5, 12.5, 6, 2));
        break;
    }
    case StatusIcon::None:
        return QIcon();
    }
    return QIcon(pm);
}

} // namespace

QIcon BoardStatusIconImage(StatusIcon icon)
{
    // Kept for the whole run; never destroyed after the application object.
    static QIcon *icons = new QIcon[5];
    const int i = static_cast<int>(icon);
    if (icon == StatusIcon::None || i < 0 || i > 4)
        return QIcon();
    if (icons[i].isNull())
        icons[i] = draw(icon);
    return icons[i];
}
