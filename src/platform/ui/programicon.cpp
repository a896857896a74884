#include "platform/ui/programicon.h"

QList<int> ProgramIconSizes()
{
    return {16, 32, 48, 64, 128, 256};
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : ProgramIconSizes())
        icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/soranowa.png").arg(size), QSize(size, size));
    return icon;
}
