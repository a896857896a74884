#pragma once
// The terminal adapter's answer to the calling-party query, read into the result the windows
// show: the number, or one of the fixed words.
#include <QByteArray>
#include <QString>

// The order window and the settings window's test word some results differently.
enum class CtiAsker { OrderWindow, SettingsTest };

namespace CtiWords
{
inline const QString kWithheld = QStringLiteral("番号非通知");
inline const QString kUnknown = QStringLiteral("不明");
inline const QString kNoAnswer = QStringLiteral("通信できません");
inline const QString kTestNoAnswer = QStringLiteral("TAと通信できません");
inline const QString kTestUnusable = QStringLiteral("ご使用のTAは使用できません");
} // namespace CtiWords

// The reply is complete once it holds "OK" CR LF.
inline const QByteArray kCtiReplyEnd = QByteArrayLiteral("OK\r\n");

// The result of a complete reply: the first CR LF-ended line holding "RECEIVE CALLING PARTY"
// decides (its value after "= "); no such line gives the empty text.
QString ParseCtiReply(const QByteArray &reply, CtiAsker asker);
// The result when the reply did not complete in time.
QString CtiNoAnswer(CtiAsker asker);
