#include "printing/salessheets.h"

#include "printing/pagesurface.h"

namespace
{

QString column(const QStringList &row, int i)
{
    return i < row.size() ? row[i] : QString();
}

int pagesFor(qsizetype rows, int perPage)
{
    return qMax(1, int((rows + perPage - 1) / perPage));
}

QString pageText(int page, int count)
{
    return QString::number(page) + QLatin1Char('/') + QString::number(count);
}

} // namespace

int DrawTotalsSheet(PageSurface &s, const TotalsSheetInput &in, int page)
{
    using A = PageSurface::Align;
    // The list ends at its first item without a name.
    qsizetype items = 0;
    while (items < qsizetype(in.Items.size()) && !column(in.Items[items], 0).isEmpty())
        ++items;
    const int count = pagesFor(items, kTotalsItemsPerPage);
    page = qBound(1, page, count);

    s.SetFont(kPrintFace, 14, true);
    s.Text(10, 10, in.Caption, 178);
    s.Text(180, 10, pageText(page, count));
    s.SetFont(kPrintFace, 10);
    for (double base : {10.0, 105.0}) {
        s.Text(base + 3, 17, QStringLiteral("商品名"));
        s.Text(base + 52, 17, QStringLiteral("数量"));
        s.Text(base + 62, 17, QStringLiteral("単価"));
        s.Text(base + 82.5, 17, QStringLiteral("小計"));
    }
    const qsizetype first = qsizetype(page - 1) * kTotalsItemsPerPage;
    for (qsizetype p = first; p < qMin(items, first + kTotalsItemsPerPage); ++p) {
        const QStringList &row = in.Items[p];
        const double base = (p - first) % 2 == 0 ? 10 : 105;
        const double y = 22.3 + 4.6 * double((p - first) / 2);
        s.TextBox(base, y, base + 52, y + 4.5, column(row, 0).left(20), A::Left, true);
        s.TextBox(base + 52, y, base + 58, y + 4.5, column(row, 1), A::Right);
        s.TextBox(base + 58, y, base + 70, y + 4.5, column(row, 2), A::Right);
        s.TextBox(base + 70, y, base + 90, y + 4.5, column(row, 3), A::Right);
    }
    if (page == count) {
        const std::pair<double, const char *> headings[] = {{10, "区分"},     {40, "件数"},       {60, "数量"},
                                                            {83, "売上合計"}, {107, "消費税"},    {132, "税込合計"},
                                                            {157, "客単価"},  {175, "税込客単価"}};
        for (const auto &[x, text] : headings)
            s.Text(x, 240, QString::fromUtf8(text));
        const std::pair<double, double> cols[] = {{20, 48},   {49, 68},   {70, 98},  {100, 119},
                                                  {120, 147}, {148, 169}, {170, 194}};
        for (int u = 1; u <= 6 && u <= int(in.Summary.size()); ++u) {
            const QStringList &row = in.Summary[u - 1];
            const double y = 241 + 4.5 * u;
            s.TextBox(10, y, 20, y + 4.5, column(row, 0));
            for (int c = 0; c < 7; ++c)
                s.TextBox(cols[c].first, y, cols[c].second, y + 4.5, column(row, c + 1), A::Right);
        }
    }
    s.Line(8, 21, 196, 21);
    s.Line(102, 17, 102, 236);
    s.Line(8, 234, 196, 234);
    s.Line(8, 244, 196, 244);
    return count;
}

int DrawCollectionSheet(PageSurface &s, const CollectionSheetInput &in, int page)
{
    using A = PageSurface::Align;
    const qsizetype rows = qsizetype(in.Rows.size());
    const int count = pagesFor(rows, kCollectionRowsPerPage);
    page = qBound(1, page, count);

    s.SetFont(kPrintFace, 11, true);
    s.Text(5, 8, in.Caption, 133);
    s.Text(135, 8, pageText(page, count));
    s.SetFont(kPrintFace, 11);
    s.Text(13, 16, QStringLiteral("スタッフ名"));
    s.Text(50, 16, QStringLiteral("配達件数"));
    s.Text(72, 16, QStringLiteral("税込金額"));
    s.Text(102, 16, QStringLiteral("割引"));
    s.Text(121, 16, QStringLiteral("集金合計"));
    s.SetFont(kPrintFace, 12);
    const std::pair<double, double> cols[] = {{45, 60}, {60, 87}, {87, 109}, {109, 136}};
    const qsizetype first = qsizetype(page - 1) * kCollectionRowsPerPage;
    for (qsizetype p = first; p < qMin(rows, first + kCollectionRowsPerPage); ++p) {
        const QStringList &row = in.Rows[p];
        const double y = 18 + 6.5 * double(p - first + 1);
        s.TextBox(8, y, 45, y + 4.5, column(row, 0).left(20), A::Left, true);
        for (int c = 0; c < 4; ++c)
            s.TextBox(cols[c].first, y, cols[c].second, y + 4.5, column(row, c + 1), A::Right);
    }
    if (page == count) {
        s.Text(15, 185, QStringLiteral("合計："));
        const QString totals[] = {in.Ken, in.Total, in.TotalWari, in.Money};
        for (int c = 0; c < 4; ++c)
            s.TextBox(c == 0 ? 35 : cols[c].first, 185, cols[c].second, 195, totals[c], A::Right);
    }
    s.Line(8, 21, 140, 21);
    s.Line(8, 182, 140, 182);
    return count;
}
