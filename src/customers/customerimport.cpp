#include "customers/customerimport.h"

#include "customers/importfields.h"
#include "store/cp932.h"
#include "store/importsource.h"
#include "store/recordstore.h"

#include <QSet>

namespace CustomerImport
{

namespace
{
constexpr int kTelWidth = 14;
constexpr int kNameWidth = 30;
} // namespace

QStringList TargetCaptions()
{
    return {QStringLiteral("電話番号"), QStringLiteral("ﾅﾏｴ（半角ｶﾅ）"), QStringLiteral("郵便番号"),
            QStringLiteral("市区町村"), QStringLiteral("番地"),          QStringLiteral("マンション名")};
}

CustomerRecord ConvertLine(const QStringList &line, const Mapping &mapping, double lastEdit)
{
    using ImportSource::Cell;
    CustomerRecord c;
    c.Tel = ImportFields::Tel(Cell(line, mapping[TelTarget]));
    c.NameKana = ImportFields::Name(Cell(line, mapping[NameTarget]));
    c.Zip = ImportFields::Zip(Cell(line, mapping[ZipTarget]));
    c.City = Cell(line, mapping[CityTarget]);
    c.Banchi = Cell(line, mapping[BanchiTarget]);
    c.Building = Cell(line, mapping[BuildingTarget]);
    c.Points = 0;
    c.FirstUseDate = 0;
    c.LastUseDate = 0;
    c.UseCount = 0;
    c.Motive = -1;
    c.LastEditDate = lastEdit;
    c.DmFlag = 0;
    return c;
}

Checked CheckLines(const CsvTable &lines, const Mapping &mapping, const RecordStore &store, double lastEdit,
                   const std::function<bool(int)> &progress)
{
    QSet<QString> registered;
    registered.reserve(store.CustomerCount());
    for (int pos = 1; pos <= store.CustomerCount(); ++pos)
        registered.insert(store.CustomerIndex[size_t(pos)].Tel);

    Checked out;
    out.total = int(lines.size());
    for (int i = 0; i < out.total; ++i) {
        if (progress && !progress(i + 1))
            return {out.total, {}, {}};
        const QStringList &line = lines[size_t(i)];
        CustomerRecord c = ConvertLine(line, mapping, lastEdit);
        QString refusal;
        // The name as it will be stored: cut to its field, then trimmed as every reader does.
        if (TrimField(FromCp932(Cp932Field(c.NameKana, kNameWidth))).isEmpty())
            refusal = QStringLiteral("名前が空白：");
        else if (!ImportFields::IsPhoneNumber(c.Tel, kTelWidth))
            refusal = QStringLiteral("電話番号が不正：");
        else if (registered.contains(c.Tel))
            refusal = QStringLiteral("電話番号の重複：");
        if (refusal.isEmpty())
            out.batch.push_back(std::move(c));
        else
            out.failures << refusal + ImportSource::FirstColumns(lines, line);
    }
    return out;
}

} // namespace CustomerImport
