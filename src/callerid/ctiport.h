#pragma once
// The caller-ID ports COM1 to COM4 and the devices they stand for on this computer. Each
// user's preferences say which device a number means (a USB adapter may be /dev/ttyUSB0), so a
// shop keeps the port numbers of its settings file.
#include <QString>

constexpr int kCtiPortCount = 4;

// The device of port 1..4; numbers outside that range mean port 1.
QString CtiPortDevice(int port);
void SetCtiPortDevice(int port, const QString &device);
// "COM1".."COM4".
QString CtiPortName(int port);
// The port number a `CtiPort` text holds, 1 when it holds none of 1..4.
int CtiPortNumber(const QString &text);
