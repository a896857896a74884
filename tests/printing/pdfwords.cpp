#include "pdfwords.h"

#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace
{
double mm(const QString &pt)
{
    return pt.toDouble() * 25.4 / 72.0;
}

QString unescape(QString t)
{
    t.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
    t.replace(QLatin1String("&quot;"), QLatin1String("\"")).replace(QLatin1String("&amp;"), QLatin1String("&"));
    return t;
}
} // namespace

const PdfWord *PdfPage::find(const QString &text, double x, double y, bool byRight) const
{
    const PdfWord *best = nullptr;
    double bestDistance = std::numeric_limits<double>::max();
    for (const PdfWord &w : words) {
        if (w.text != text)
            continue;
        const double d = std::hypot((byRight ? w.right : w.left) - x, w.top - y);
        if (d < bestDistance) {
            bestDistance = d;
            best = &w;
        }
    }
    return best;
}

int PdfPage::count(const QString &text) const
{
    int n = 0;
    for (const PdfWord &w : words)
        n += w.text == text ? 1 : 0;
    return n;
}

std::vector<PdfPage> ReadPdfWords(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression pageRe(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\">"));
    static const QRegularExpression wordRe(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfPage> pages;
    for (const QString &line : xml.split(QLatin1Char('\n'))) {
        if (const auto m = pageRe.match(line); m.hasMatch()) {
            pages.push_back({mm(m.captured(1)), mm(m.captured(2)), {}});
        } else if (const auto w = wordRe.match(line); w.hasMatch() && !pages.empty()) {
            pages.back().words.push_back(
                {unescape(w.captured(5)), mm(w.captured(1)), mm(w.captured(2)), mm(w.captured(3)), mm(w.captured(4))});
        }
    }
    return pages;
}
