// "Cti.snw": caller-ID mode, serial port, the adapter's initialisation command, shared folder.
#include "store/helpers.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"

namespace
{

const FileMessage kReadError{5, QStringLiteral("CTIファイル読み込みエラー")};
const FileMessage kWriteError{15, QStringLiteral("CTIファイル書き込みエラー")};

void applyDefault(QString &value, const QString &fallback)
{
    if (value.isEmpty())
        value = fallback;
}

} // namespace

bool LoadCtiSettings(SettingTables &t)
{
    t.Cti = CtiSettings();
    bool failed = false;
    const auto lines = ReadSettingLines(SettingFiles::kCti, kReadError, &failed);
    if (failed)
        return false;
    if (lines) {
        QString *values[] = {&t.Cti.CtiMode, &t.Cti.CtiPort, &t.Cti.CtiInitCommand, &t.Cti.CtiFolder};
        for (int i = 0; i < 4; ++i) {
            if (i >= lines->size()) {
                // A short file is a broken file: keep what was read, apply no defaults.
                ShowErrorBox(kReadError.code, kReadError.text);
                return false;
            }
            *values[i] = lines->at(i);
        }
    }
    applyDefault(t.Cti.CtiMode, QStringLiteral("0"));
    applyDefault(t.Cti.CtiPort, QStringLiteral("1"));
    applyDefault(t.Cti.CtiInitCommand, QStringLiteral("AT\\L1"));
    return true;
}

bool SaveCtiSettings(const SettingTables &t)
{
    return WriteSettingLines(
        SettingFiles::kCti,
        {OneLine(t.Cti.CtiMode), OneLine(t.Cti.CtiPort), OneLine(t.Cti.CtiInitCommand), OneLine(t.Cti.CtiFolder)},
        kWriteError);
}
