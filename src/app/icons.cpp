#include "app/icons.h"

#include <QPainter>
#include <QPixmap>

QIcon MakeCommandIcon(QChar glyph, const QColor &color, int size)
{
    QIcon icon;
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor fill = mode == QIcon::Disabled ? QColor(0xa0, 0xa4, 0xaa) : color;
        p.setBrush(fill);
        p.setPen(QPen(fill.darker(140), size / 24.0));
        p.drawRoundedRect(QRectF(size * 0.06, size * 0.06, size * 0.88, size * 0.88), size * 0.2, size * 0.2);
        QFont f(QStringLiteral("IPAPGothic"));
        f.setPixelSize(int(size * 0.56));
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(glyph));
        p.end();
        icon.addPixmap(pm, mode);
    }
    return icon;
}
