#include "directmail/dmlabels.h"

#include "printing/pagesurface.h"
#include "store/helpers.h"
#include "store/preferences.h"

#include <memory>

DmLabelSheet CurrentDmLabelSheet()
{
    DmLabelSheet s;
    s.up = Prefs::LabelTop.get();
    s.left = Prefs::LabelLeft.get();
    s.width = Prefs::LabelWidth.get();
    s.height = Prefs::LabelHeight.get();
    // No rows would mean no page can hold a label: print one row rather than divide by zero.
    s.rows = int(qBound(qint64(1), Prefs::LabelRows.get(), qint64(100)));
    return s;
}

QString DmLabelText(const CustomerRecord &c)
{
    const QString zip = TrimField(c.Zip);
    return QStringLiteral("〒") + zip.left(3) + QLatin1Char('-') + zip.mid(3, 4) + QLatin1Char('\n') +
           TrimField(c.City) + TrimField(c.Banchi) + QLatin1Char('\n') + QStringLiteral("　") + TrimField(c.Building) +
           QStringLiteral("\n\n") + TrimField(c.NameKana) + QStringLiteral("　様");
}

int DrawDmLabelPage(PageSurface &s, const std::vector<CustomerRecord> &labels, int page)
{
    const DmLabelSheet sheet = CurrentDmLabelSheet();
    const int perPage = sheet.perPage();
    const int pages = qMax(1, int((labels.size() + size_t(perPage) - 1) / size_t(perPage)));
    s.FillBox(0, 0, 210, 297, Qt::white, Qt::white);
    s.SetFont(kPrintFace, 9);
    const size_t first = size_t(qMax(0, page - 1)) * size_t(perPage);
    for (int k = 0; k < perPage && first + size_t(k) < labels.size(); ++k) {
        const int r = k / kDmLabelColumns, c = k % kDmLabelColumns;
        const double left = sheet.left + c * sheet.width + 5;
        const double top = sheet.up + r * sheet.height + 5;
        s.TextBox(left, top, left + sheet.width - 10, top + 30, DmLabelText(labels[first + size_t(k)]),
                  PageSurface::Align::Left, true);
    }
    return pages;
}

PrintDocument MakeDmLabelDocument(std::vector<CustomerRecord> labels)
{
    PrintDocument doc;
    doc.PrintKind = PrintKind::DM;
    auto shared = std::make_shared<const std::vector<CustomerRecord>>(std::move(labels));
    doc.DrawLabels = [shared](PageSurface &surface, int page) { return DrawDmLabelPage(surface, *shared, page); };
    return doc;
}
