#include "customers/phonebookimport.h"

#include "customers/importfields.h"
#include "store/importsource.h"
#include "store/recordstore.h"

#include <QSet>

namespace PhoneBookImport
{

namespace
{
constexpr int kTelWidth = 11;
} // namespace

QStringList TargetCaptions()
{
    return {QStringLiteral("ﾅﾏｴ"), QStringLiteral("郵便番号"), QStringLiteral("電話番号"), QStringLiteral("住所")};
}

PhoneBookRecord ConvertRow(const QStringList &row, const Mapping &mapping)
{
    using ImportSource::Cell;
    PhoneBookRecord p;
    p.Name = ImportFields::Name(Cell(row, mapping[NameTarget]));
    p.Zip = ImportFields::Zip(Cell(row, mapping[ZipTarget]));
    p.Tel = ImportFields::Tel(Cell(row, mapping[TelTarget]));
    p.Address = Cell(row, mapping[AddressTarget]);
    return p;
}

Checked CheckRows(const CsvTable &rows, const Mapping &mapping, const RecordStore &store,
                  const std::function<bool(int)> &progress)
{
    QSet<QString> known;
    known.reserve(store.PhoneBookCount() + qsizetype(rows.size()));
    for (int pos = 1; pos <= store.PhoneBookCount(); ++pos)
        known.insert(store.PhoneBookIndex[size_t(pos)].Tel);

    Checked out;
    out.total = int(rows.size());
    for (int i = 0; i < out.total; ++i) {
        if (progress && !progress(i + 1))
            return {out.total, {}, {}};
        const QStringList &row = rows[size_t(i)];
        PhoneBookRecord p = ConvertRow(row, mapping);
        QString refusal;
        if (!ImportFields::IsPhoneNumber(p.Tel, kTelWidth))
            refusal = QStringLiteral("電話番号が不正：");
        else if (known.contains(p.Tel))
            refusal = QStringLiteral("電話番号の重複：");
        if (refusal.isEmpty()) {
            known.insert(p.Tel);
            out.batch.push_back(std::move(p));
        } else {
            out.failures << refusal + ImportSource::FirstColumns(rows, row);
        }
    }
    return out;
}

} // namespace PhoneBookImport
