#pragma once
// What flows between caller ID and an order window: the fetched number into the phone field,
// the history list beside it, and the frame's two caller panels.
#include <functional>

class CallerId;
class frmOrder;
class QString;

struct CallerPanelHooks {
    std::function<void(const QString &)> replaced; // the second panel: the phone text replaced
};

// Records the number kept from before (the window has just opened) and connects the window's
// caller-ID buttons.
void ConnectCallerId(frmOrder *order, CallerId &callerId, const CallerPanelHooks &panels);
// "自動入力（CTI）(&T)": fetch, record, put the number into the window.
void RunAutomaticEntry(frmOrder *order, CallerId &callerId, const CallerPanelHooks &panels);
