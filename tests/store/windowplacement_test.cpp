// Where the main window opens: maximized the first time, then as it was left, always on a screen.
#include <gtest/gtest.h>

#include "mock/testfolder.h"
#include "store/prefs.h"
#include "store/windowplacement.h"

TEST(WindowPlacement, FirstMaximizedThenAsLeftAndAlwaysOnAScreen)
{
    TestDataFolder folder;
    const QList<QRect> laptop = {QRect(0, 0, 1366, 740)};
    // Never placed: maximized.
    WindowPlacement first = FitWindowPlacement(LoadWindowPlacement(), laptop);
    EXPECT_TRUE(first.maximized);
    EXPECT_FALSE(first.normal.isValid());

    // Left un-maximized: the same place next time, read back from the stored text.
    SaveWindowPlacement({false, QRect(40, 30, 1100, 650)});
    EXPECT_EQ(GetPref("SET", "MAINMAX"), "0");
    EXPECT_EQ(GetPref("SET", "MAINWIDTH"), "1100");
    WindowPlacement again = FitWindowPlacement(LoadWindowPlacement(), laptop);
    EXPECT_FALSE(again.maximized);
    EXPECT_EQ(again.normal, QRect(40, 30, 1100, 650));

    // The screen got smaller: maximized, and shrunk and moved onto it for when it is restored.
    const WindowPlacement small = FitWindowPlacement(LoadWindowPlacement(), {QRect(0, 0, 1024, 740)});
    EXPECT_TRUE(small.maximized);
    EXPECT_EQ(small.normal, QRect(0, 30, 1024, 650));

    // Left on a second screen that is gone: brought onto the one that is left.
    SaveWindowPlacement({true, QRect(1500, 100, 800, 600)});
    const WindowPlacement gone = FitWindowPlacement(LoadWindowPlacement(), laptop);
    EXPECT_TRUE(gone.maximized);
    EXPECT_EQ(gone.normal, QRect(566, 100, 800, 600));
    // ... and kept there while the second screen is attached.
    const WindowPlacement twoScreens =
        FitWindowPlacement(LoadWindowPlacement(), {QRect(0, 0, 1366, 740), QRect(1366, 0, 1920, 1050)});
    EXPECT_EQ(twoScreens.normal, QRect(1500, 100, 800, 600));

    // Text that is not a number is as good as never placed.
    SavePref("SET", "MAINWIDTH", "abc");
    EXPECT_FALSE(LoadWindowPlacement().normal.isValid());
}
