#include "printing/pagesurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

PageSurface::PageSurface(QPainter &painter, double dpiX, double dpiY)
    : m_p(painter), m_mmX(dpiX / 25.4), m_mmY(dpiY / 25.4), m_pt(dpiY / 72.0)
{
    m_p.save();
    m_p.scale(1.0 / kSub, 1.0 / kSub);
    m_p.setRenderHint(QPainter::Antialiasing, true);
    m_p.setRenderHint(QPainter::TextAntialiasing, true);
    m_p.setBackgroundMode(Qt::TransparentMode);
    SetFont(kPrintFace, 10);
}

PageSurface::~PageSurface()
{
    m_p.restore();
}

void PageSurface::FillBox(double l, double t, double r, double b, const QColor &pen, const QColor &brush)
{
    m_p.save();
    m_p.setPen(pen.isValid() ? QPen(pen, 0) : QPen(Qt::NoPen));
    m_p.setBrush(brush);
    m_p.drawRect(QRectF(QPointF(x(l), y(t)), QPointF(x(r), y(b))));
    m_p.restore();
}

void PageSurface::GrayBox(double l, double t, double r, double b)
{
    const QColor gray(192, 192, 192);
    FillBox(l, t, r, b, gray, gray);
}

void PageSurface::SetFont(const QString &face, double points, bool bold, int escapement, bool vertical,
                          int widthPercent)
{
    QFont f(face);
    // The size is the character height (em), as the pixel size of a font is.
    f.setPixelSize(qMax(1, qRound(points * m_pt * kSub)));
    f.setWeight(bold ? QFont::Bold : QFont::Normal);
    f.setHintingPreference(QFont::PreferNoHinting);
    if (widthPercent > 0)
        f.setStretch(widthPercent);
    m_font = f;
    m_escapement = vertical ? 2700 : escapement;
    m_vertical = vertical;
    m_p.setFont(m_font);
}

void PageSurface::Text(double xm, double ym, const QString &text, double maxRight)
{
    if (text.isEmpty())
        return;
    m_p.save();
    m_p.setPen(m_textColor);
    m_p.setFont(m_font);
    const QPointF origin(x(xm), y(ym));
    const QFontMetricsF fm(m_font, m_p.device());
    if (m_vertical) {
        // Characters stacked downward from the point, each in an em square.
        const double em = m_font.pixelSize();
        double top = origin.y();
        for (const QChar c : text) {
            m_p.drawText(QRectF(origin.x(), top, em * 2, em * 2), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                         QString(c));
            top += em;
        }
        m_p.restore();
        return;
    }
    if (m_escapement != 0) {
        m_p.translate(origin);
        m_p.rotate(-m_escapement / 10.0);
        m_p.drawText(QPointF(0, fm.ascent()), text);
        m_p.restore();
        return;
    }
    if (maxRight > xm)
        m_p.setClipRect(QRectF(origin, QPointF(x(maxRight), origin.y() + fm.height() * 1.5)), Qt::IntersectClip);
    m_p.drawText(QRectF(origin, QSizeF(1e7, 1e7)), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    m_p.restore();
}

void PageSurface::TextFitted(double xm, double ym, const QString &text, double maxRight)
{
    const double width = TextWidth(text), room = maxRight - xm;
    if (width <= room || room <= 0 || m_vertical || m_escapement != 0) {
        Text(xm, ym, text, maxRight);
        return;
    }
    const QFont normal = m_font;
    m_font.setStretch(qBound(50, int(100.0 * room / width), 99));
    Text(xm, ym, text, maxRight);
    m_font = normal;
    m_p.setFont(m_font);
}

void PageSurface::TextBox(double l, double t, double r, double b, const QString &text, Align align, bool wrap)
{
    if (text.isEmpty() || r <= l || b <= t)
        return;
    m_p.save();
    m_p.setPen(m_textColor);
    // A single line too long for its box is narrowed (down to half width) before anything is cut,
    // so an amount keeps all its digits.
    QFont font = m_font;
    const double width = TextWidth(text);
    if (!wrap && width > r - l && !m_vertical && m_escapement == 0)
        font.setStretch(qBound(50, int(100.0 * (r - l) / width), 99));
    m_p.setFont(font);
    const QRectF box(QPointF(x(l), y(t)), QPointF(x(r), y(b)));
    m_p.setClipRect(box, Qt::IntersectClip);
    int flags = Qt::AlignTop | (align == Align::Right ? Qt::AlignRight : Qt::AlignLeft);
    flags |= wrap ? Qt::TextWordWrap : Qt::TextSingleLine;
    m_p.drawText(box, flags, text);
    m_p.restore();
}

void PageSurface::Line(double x1, double y1, double x2, double y2, const QColor &color)
{
    m_p.save();
    // One device pixel wide on any device.
    QPen pen(color, 0);
    pen.setCosmetic(true);
    m_p.setPen(pen);
    m_p.drawLine(QPointF(x(x1), y(y1)), QPointF(x(x2), y(y2)));
    m_p.restore();
}

QStringList PageSurface::WrapLines(const QString &text, double widthMm) const
{
    QTextLayout layout(text, m_font, m_p.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(x(widthMm));
        // Blanks where a line breaks take no room on either line.
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        if (!part.isEmpty())
            lines << part;
    }
    layout.endLayout();
    return lines;
}

double PageSurface::TextWidth(const QString &text) const
{
    return QFontMetricsF(m_font, m_p.device()).horizontalAdvance(text) / kSub / m_mmX;
}

double PageSurface::LineHeight() const
{
    return QFontMetricsF(m_font, m_p.device()).height() / kSub / m_mmY;
}
