// "dm.snw": the direct-mail history, one quoted value per line holding
// DmDate TAB DmTarget TAB DmPurpose TAB DmCondition TAB DmCount.
#include "store/datetimetext.h"
#include "store/helpers.h"
#include "store/quotedlist.h"
#include "store/settingfileio.h"
#include "store/settingfiles.h"

namespace
{

const FileMessage kReadError{19, QStringLiteral("DMファイル読み込みエラー")};

std::optional<DmHistoryEntry> parseEntry(const QString &value)
{
    const QStringList fields = value.split(QLatin1Char('\t'));
    if (fields.size() < 5)
        return std::nullopt;
    DmHistoryEntry e;
    bool okTarget = false, okPurpose = false, okCount = false;
    e.DmDate = ParseDateTimeText(fields.at(0));
    e.DmTarget = fields.at(1).trimmed().toShort(&okTarget);
    e.DmPurpose = fields.at(2).trimmed().toShort(&okPurpose);
    e.DmCondition = fields.at(3);
    e.DmCount = fields.at(4).trimmed().toInt(&okCount);
    if (!e.DmDate.isValid() || !okTarget || !okPurpose || !okCount)
        return std::nullopt;
    return e;
}

} // namespace

bool LoadDmHistory(SettingTables &t)
{
    t.DmHistory.assign(1, DmHistoryEntry());
    bool failed = false;
    const auto text = ReadSettingText(SettingFiles::kDm, kReadError, &failed);
    if (!text)
        return !failed;
    for (const QString &value : ReadListValues(*text)) {
        const auto entry = parseEntry(value);
        if (!entry) {
            ShowErrorBox(kReadError.code, kReadError.text);
            return false;
        }
        t.DmHistory.push_back(*entry);
    }
    return true;
}

bool SaveDmHistory(const SettingTables &t, bool deleteWhenEmpty)
{
    QStringList lines;
    for (size_t i = 1; i < t.DmHistory.size(); ++i) {
        const DmHistoryEntry &e = t.DmHistory[i];
        // An entry without a valid moment would make the whole file unreadable next time.
        const QDateTime when = e.DmDate.isValid() ? e.DmDate : QDateTime(QDate(1899, 12, 30), QTime(0, 0));
        const QString value = DateTimeText(when) + QLatin1Char('\t') + QString::number(e.DmTarget) + QLatin1Char('\t') +
                              QString::number(e.DmPurpose) + QLatin1Char('\t') + e.DmCondition + QLatin1Char('\t') +
                              QString::number(e.DmCount);
        lines << ListValue(value);
    }
    // The direct-mail window reports a failure itself.
    return SaveSettingList(SettingFiles::kDm, lines, deleteWhenEmpty, {19, QString()});
}
