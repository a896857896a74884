#include "callerid/callerid.h"

#include "callerid/ctiport.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "store/appdata.h"
#include "store/cp932.h"
#include "store/helpers.h"

#include <QDir>
#include <QFile>

namespace
{

// Only the first line matters; a huge or binary file is not read further.
constexpr qint64 kMaxLine = 4096;

} // namespace

std::optional<QString> ReadSharedCtiNumber(const QString &folder)
{
    if (folder.trimmed().isEmpty())
        return std::nullopt;
    QFile file(QDir(folder.trimmed()).filePath(kCtiFileName));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray line = file.readLine(kMaxLine);
    if (line.isEmpty() && file.error() != QFileDevice::NoError)
        return std::nullopt;
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return FromCp932(line);
}

QString CallerNameOf(AppData &data, const QString &number)
{
    if (number.isEmpty() || !IsNumericInput(number))
        return QStringLiteral("???");
    const int pos = data.records.FindCustomerPosByTel(number);
    if (pos >= 1)
        return data.records.CustomerIndex[pos].NameKana;
    const int bookPos = data.records.FindPhoneBookPosByTel(number);
    if (bookPos >= 1) {
        if (const auto entry = data.records.ReadPhoneBookEntry(bookPos))
            return TrimField(entry->Name);
    }
    return QStringLiteral("新規");
}

QString CallerId::Fetch(const std::function<void(bool)> &busy)
{
    const CtiSettings &cti = m_data.settings.Cti;
    if (cti.CtiMode != QLatin1String("1")) {
        readSharedFile();
        return m_latest;
    }
    const int port = CtiPortNumber(cti.CtiPort);
    TaQuery query;
    query.Device = CtiPortDevice(port);
    query.PortName = CtiPortName(port);
    query.Command = ToCp932(cti.CtiInitCommand) + "\r\n";
    query.TimeoutMs = 3000;
    query.Asker = CtiAsker::OrderWindow;
    query.busy = busy;
    const TaQueryResult result = RunTaQuery(query);
    ShowTaQueryFailure(result);
    m_latest = result.Text;
    return m_latest;
}

void CallerId::readSharedFile()
{
    // A file that cannot be read leaves the number fetched before.
    if (const auto number = ReadSharedCtiNumber(m_data.settings.Cti.CtiFolder))
        m_latest = *number;
    if (m_latest.isEmpty())
        ShowWarning(QStringLiteral("着信番号を参照できません"),
                    QStringLiteral("着信番号参照フォルダの設定が間違っています。\n"
                                   "左メニューの[設定]-[CTI設定]で参照フォルダを確認して下さい。"));
}

void CallerId::Record()
{
    const bool recorded =
        m_history.Record(m_latest, Clock::Now(), [this](const QString &n) { return CallerNameOf(m_data, n); });
    if (!recorded)
        return;
    const CallEntry &newest = m_history.Entries().front();
    m_panelText = QStringLiteral("最新着信番号：") + newest.Number + QLatin1Char(' ') + newest.Name;
    if (callerPanelChanged)
        callerPanelChanged(m_panelText);
}

QString CallerId::ReplacedPanelText(const QString &oldTel)
{
    return QStringLiteral("直前入力番号：") + oldTel;
}
