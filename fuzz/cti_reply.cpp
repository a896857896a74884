// The terminal adapter's reply to the calling-party query, for both askers.
#include "fuzzsupport.h"

#include "callerid/ctireply.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    const QByteArray reply = in.rest();
    const QString forOrder = ParseCtiReply(reply, CtiAsker::OrderWindow);
    const QString forTest = ParseCtiReply(reply, CtiAsker::SettingsTest);
    // A number comes out the same whoever asked; only the fixed words differ.
    if (!forOrder.isEmpty() && forOrder.at(0).isDigit())
        Fuzz::Check(forOrder == forTest, "the askers read different numbers");
    return 0;
}
