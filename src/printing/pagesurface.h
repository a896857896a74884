#pragma once
// The drawing surface a page drawing receives: millimetre coordinates from the top-left of the
// sheet, font sizes in points. It wraps a painter recording a page picture.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;

class PageSurface
{
  public:
    // `dpiX`/`dpiY`: the resolution of the painter's device. Drawing is done in tenths of a
    // device unit, so fonts and positions keep their precision on low-resolution recordings.
    PageSurface(QPainter &painter, double dpiX, double dpiY);
    ~PageSurface();
    PageSurface(const PageSurface &) = delete;
    PageSurface &operator=(const PageSurface &) = delete;

    // Device units per millimetre and per point (56.7 / twips per pixel, and 1440 / twips per
    // pixel / 72).
    double MmScaleX() const { return m_mmX; }
    double MmScaleY() const { return m_mmY; }
    double PtScale() const { return m_pt; }

    // A rectangle filled with `brush` and outlined with `pen`.
    void FillBox(double l, double t, double r, double b, const QColor &pen, const QColor &brush);
    // A gray box: filled and outlined in RGB (192, 192, 192).
    void GrayBox(double l, double t, double r, double b);
    // Font by face name and size in points. `escapement` in tenths of a degree counterclockwise;
    // `vertical` sets the characters top to bottom; `widthPercent` (0 = normal) narrows or widens.
    void SetFont(const QString &face, double points, bool bold = false, int escapement = 0, bool vertical = false,
                 int widthPercent = 0);
    // Colour of the text drawn from now on.
    void SetTextColor(const QColor &color) { m_textColor = color; }
    // One line with its top-left corner at (x, y). With `maxRight` > x the text is cut there.
    void Text(double x, double y, const QString &text, double maxRight = 0);
    // One line that must stay left of `maxRight`: narrowed (down to half width) when too long,
    // and cut there if even that is not enough.
    void TextFitted(double x, double y, const QString &text, double maxRight);
    enum class Align { Left, Right };
    // Text in a box, starting at its top; cut at the box edges. `wrap` breaks lines inside the box;
    // a single line that is too wide is narrowed first.
    void TextBox(double l, double t, double r, double b, const QString &text, Align align = Align::Left,
                 bool wrap = false);
    void Line(double x1, double y1, double x2, double y2, const QColor &color = Qt::black);
    // The lines the text falls into in the current font at `widthMm`: broken at word boundaries
    // (between any two Japanese characters), or anywhere when a word is longer than a line.
    QStringList WrapLines(const QString &text, double widthMm) const;
    // Width of one line of text in the current font, in millimetres.
    double TextWidth(const QString &text) const;
    // Height of one line in the current font, in millimetres.
    double LineHeight() const;

  private:
    double x(double mm) const { return mm * m_mmX * kSub; }
    double y(double mm) const { return mm * m_mmY * kSub; }

    static constexpr double kSub = 10;
    QPainter &m_p;
    double m_mmX, m_mmY, m_pt;
    QFont m_font;
    int m_escapement = 0;
    bool m_vertical = false;
    QColor m_textColor = Qt::black;
};

inline const QString kPrintFace = QStringLiteral("ＭＳ Ｐゴシック");
