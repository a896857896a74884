// A menu import file: the first bytes map the source columns, the rest is the file. The
// imported table is written to the menu file and must load back whole.
#include "fuzzsupport.h"

#include "settings/menuimport.h"
#include "store/settingfiles.h"

namespace
{

// The menu file holds one item per line and TAB-separated fields: line ends and TABs in a
// value are dropped when it is written.
QString oneField(QString value)
{
    value.remove(QLatin1Char('\r'));
    value.remove(QLatin1Char('\n'));
    value.remove(QLatin1Char('\t'));
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    MenuImport::Mapping mapping{};
    for (int &column : mapping)
        column = in.byte() % 6;
    Fuzz::WriteFile(QStringLiteral("import.csv"), in.rest());
    CsvTable rows;
    if (MenuImport::ReadSource(Fuzz::DataFolder() + QStringLiteral("/import.csv"), rows) !=
        ImportSource::ReadStatus::Ok)
        return 0;
    if (!MenuImport::MappingError(mapping).isEmpty())
        return 0;
    SettingTables tables;
    const auto outcome = MenuImport::ImportRows(rows, mapping, tables.MenuTable);
    Fuzz::Check(outcome.accepted == int(tables.MenuTable.size()) - 1, "accepted rows missing from the menu");
    MenuImport::ResultText(outcome);
    if (SaveMenuTable(tables, false)) {
        SettingTables loaded;
        Fuzz::Check(LoadMenuTable(loaded), "an imported menu file does not load");
        Fuzz::Check(loaded.MenuTable.size() == tables.MenuTable.size(), "an imported menu loads with other rows");
        for (size_t i = 1; i < loaded.MenuTable.size(); ++i)
            Fuzz::Check(loaded.MenuTable[i].MenuName == oneField(tables.MenuTable[i].MenuName) &&
                            loaded.MenuTable[i].Price == tables.MenuTable[i].Price,
                        "an imported menu item loads changed");
    }
    Fuzz::RemoveFile(SettingFiles::kMenu);
    Fuzz::TakeBoxCount();
    return 0;
}
