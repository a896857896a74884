#include "directmail/dmhistory.h"

#include "store/helpers.h"
#include "store/settingfiles.h"

namespace
{

QString TextAt(const QStringList &texts, int index)
{
    return index >= 0 && index < texts.size() ? texts.at(index) : QString();
}

} // namespace

QStringList DmHistoryRowTexts(const DmHistoryEntry &e)
{
    return {e.DmDate.date().toString(QStringLiteral("yyyy/MM/dd")), TextAt(DmTargetTexts(), e.DmTarget),
            TextAt(DmPurposeTexts(), e.DmPurpose), e.DmCondition,
            QStringLiteral("%1").arg(e.DmCount, 4, 10, QLatin1Char('0'))};
}

DmHistoryEntry MakeDmHistoryEntry(const QDateTime &now, int target, int purpose, const DmConditions &conditions,
                                  int count)
{
    DmHistoryEntry e;
    // Whole seconds: the file keeps no more, and a reloaded entry should equal the one stored.
    e.DmDate = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute(), now.time().second()));
    e.DmTarget = qint16(target);
    e.DmPurpose = qint16(purpose);
    e.DmCondition = DmConditionText(conditions);
    e.DmCount = count;
    return e;
}

bool StoreDmHistory(SettingTables &tables, const std::vector<DmHistoryEntry> &rows)
{
    tables.DmHistory.assign(1, DmHistoryEntry());
    tables.DmHistory.insert(tables.DmHistory.end(), rows.begin(), rows.end());
    if (SaveDmHistory(tables, true))
        return true;
    // Said once, so the user knows the mailings just registered are not on disk.
    ShowErrorBox(19, QStringLiteral("DMファイル書き込みエラー"));
    return false;
}
