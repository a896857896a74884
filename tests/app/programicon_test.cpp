// The program's own icon reaches the frame in every size the desktop theme uses.
#include <gtest/gtest.h>

#include "app/commands.h"
#include "app/frmMain.h"
#include "mock/testfolder.h"
#include "platform/ui/programicon.h"
#include "store/appdata.h"

#include <QApplication>

TEST(ProgramIcon, FrameShowsTheProgramIconInEveryShippedSize)
{
    TestDataFolder folder;
    AppData data(folder.path());
    data.LoadAll();
    QApplication::setWindowIcon(ProgramIcon());
    struct Reset {
        ~Reset() { QApplication::setWindowIcon(QIcon()); }
    } reset;
    frmMain w(data);

    const QIcon icon = w.windowIcon();
    ASSERT_FALSE(icon.isNull());
    QList<QSize> expected;
    for (int size : ProgramIconSizes())
        expected << QSize(size, size);
    EXPECT_EQ(icon.availableSizes(), expected);
    // Each size is drawn, not an empty placeholder: the middle of the icon is opaque.
    for (int size : ProgramIconSizes()) {
        const QImage image = icon.pixmap(size, size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}
