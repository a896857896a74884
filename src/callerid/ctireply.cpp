#include "callerid/ctireply.h"

namespace
{

bool hasFourDigitsInARow(const QByteArray &value)
{
    int run = 0;
    for (char c : value) {
        run = (c >= '0' && c <= '9') ? run + 1 : 0;
        if (run >= 4)
            return true;
    }
    return false;
}

QString unusable(CtiAsker asker)
{
    return asker == CtiAsker::OrderWindow ? CtiWords::kUnknown : CtiWords::kTestUnusable;
}

} // namespace

QString ParseCtiReply(const QByteArray &reply, CtiAsker asker)
{
    static const QByteArray kCallingParty = QByteArrayLiteral("RECEIVE CALLING PARTY");
    static const QByteArray kValueMark = QByteArrayLiteral("= ");
    // Every piece ended by CR LF is a line; what follows the last CR LF is unfinished.
    qsizetype start = 0;
    for (qsizetype end = reply.indexOf("\r\n"); end >= 0; start = end + 2, end = reply.indexOf("\r\n", start)) {
        const QByteArray line = reply.mid(start, end - start);
        if (!line.contains(kCallingParty))
            continue;
        const qsizetype mark = line.indexOf(kValueMark);
        if (mark < 0)
            return unusable(asker);
        const QByteArray value = line.mid(mark + kValueMark.size());
        if (hasFourDigitsInARow(value))
            return QString::fromLatin1(value);
        if (value == "BUFFER EMPTY")
            return CtiWords::kWithheld;
        return unusable(asker);
    }
    return QString();
}

QString CtiNoAnswer(CtiAsker asker)
{
    return asker == CtiAsker::OrderWindow ? CtiWords::kNoAnswer : CtiWords::kTestNoAnswer;
}
