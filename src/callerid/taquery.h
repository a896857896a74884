#pragma once
// One calling-party query to the terminal adapter: open the port at "56000,n,8,1", send the
// command, collect the reply until "OK" CR LF or the timeout, close the port. User-interface
// events keep being processed while it waits, so the window stays painted.
#include "callerid/ctireply.h"

#include <QByteArray>
#include <QString>

#include <functional>

struct TaQuery {
    QString Device;     // e.g. /dev/ttyS0
    QString PortName;   // "COM1", for the failure text
    QByteArray Command; // sent as given (the caller adds CR LF)
    int TimeoutMs = 3000;
    CtiAsker Asker = CtiAsker::OrderWindow;
    // Called with true before waiting for the reply and with false afterwards: the window is
    // disabled meanwhile, so no second query can start from it.
    std::function<void(bool waiting)> busy;
};

struct TaQueryResult {
    QString Text; // the number or word; empty when the port could not be opened
    bool PortFailed = false;
    bool HeldByOther = false;
    QString FailureText; // the warning's text when the port could not be opened
};

inline const QString kPortHeldText = QStringLiteral("他のプログラムが指定ポートを使用しています。");
inline const QString kPortFailedTitle = QStringLiteral("通信不能");

// Runs the query; shows nothing. ShowTaQueryFailure reports a port that could not be opened.
TaQueryResult RunTaQuery(const TaQuery &query);
// The warning "通信不能" when the port failed; nothing otherwise.
void ShowTaQueryFailure(const TaQueryResult &result);
