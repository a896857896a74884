#include "callerid/ctiport.h"

#include "store/preferences.h"

namespace
{

const SettingValue<QString> &portValue(int port)
{
    static const SettingValue<QString> *const kPorts[kCtiPortCount] = {&Prefs::CtiCom1, &Prefs::CtiCom2,
                                                                       &Prefs::CtiCom3, &Prefs::CtiCom4};
    return *kPorts[(port >= 1 && port <= kCtiPortCount) ? port - 1 : 0];
}

} // namespace

QString CtiPortDevice(int port)
{
    return portValue(port).get();
}

void SetCtiPortDevice(int port, const QString &device)
{
    portValue(port).set(device);
}

QString CtiPortName(int port)
{
    return QStringLiteral("COM%1").arg(port);
}

int CtiPortNumber(const QString &text)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    return (ok && n >= 1 && n <= kCtiPortCount) ? n : 1;
}
