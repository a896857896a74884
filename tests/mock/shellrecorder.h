#pragma once
#include "platform/shell.h"

#include <QList>

// Records the pages the program asks the browser to open.
class ShellRecorder final : public ShellService
{
  public:
    ShellRecorder() { SetShellService(this); }
    ~ShellRecorder() override { SetShellService(nullptr); }
    bool openUrl(const QUrl &url) override
    {
        opened << url;
        return true;
    }
    QList<QUrl> opened;
};
