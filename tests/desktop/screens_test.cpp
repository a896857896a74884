// The main window and the order windows on the screens shops use, under a real window manager:
// 1366x768 (every control at full size) and 1024x768 (the compact layout). Every visible control
// of the order path lies on the screen, uncut by its window, and the confirm button is clicked
// with the real pointer.
#include "desktop/desktopfixture.h"
#include "desktop/xsession.h"

#include "board/ui/frmJokyo.h"
#include "mock/modal.h"
#include "orders/ui/frmOrder.h"
#include "orders/ui/frmOrderChange.h"
#include "orders/ui/menuboardpanel.h"
#include "store/prefs.h"
#include "store/windowplacement.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QTreeWidget>

#include <iostream>

namespace
{

QRect globalRect(const QWidget *w)
{
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

QString describe(const QRect &r)
{
    return QStringLiteral("%1x%2+%3+%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}

// Every visible control of `window` lies on the screen and inside each of its parents up to
// `clip` (the frame's working area for a child window, the dialog itself for a dialog), and
// gets at least the room its caption needs.
void expectOnScreen(QWidget *window, QWidget *clip, const char *state, int atLeast = 30)
{
    const QRect screen = window->screen()->geometry();
    int checked = 0;
    QList<QWidget *> controls;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (!c->isVisibleTo(window) || c->objectName().isEmpty() || c->objectName().startsWith("qt_"))
            continue;
        const bool control = qobject_cast<QAbstractButton *>(c) || qobject_cast<QLineEdit *>(c) ||
                             qobject_cast<QComboBox *>(c) || qobject_cast<QLabel *>(c) ||
                             qobject_cast<QTreeWidget *>(c) || qobject_cast<QDateTimeEdit *>(c);
        if (!control)
            continue;
        // The menu board's buttons scroll inside the board: its own frame is what must show.
        if (c->parentWidget() && c->parentWidget()->objectName() == QLatin1String("picDraw"))
            continue;
        ++checked;
        controls << c;
        const std::string name = c->objectName().toStdString();
        const QRect r = globalRect(c);
        EXPECT_TRUE(screen.contains(r)) << state << ": " << name << " " << describe(r).toStdString() << " off screen";
        for (QWidget *p = c->parentWidget(); p; p = p->parentWidget()) {
            EXPECT_TRUE(globalRect(p).contains(r))
                << state << ": " << name << " cut by " << p->metaObject()->className() << " "
                << p->objectName().toStdString();
            if (p == clip)
                break;
        }
        if (auto *b = qobject_cast<QAbstractButton *>(c)) {
            QString text = b->text();
            text.remove(QLatin1Char('&'));
            const int needed = b->fontMetrics().horizontalAdvance(text) + (qobject_cast<QCheckBox *>(b) ? 16 : 6);
            EXPECT_GE(b->width(), needed) << state << ": " << name << " squeezed";
        }
    }
    EXPECT_GE(checked, atLeast) << state;
    // No control lies over another: a layout squeezed below what it needs stacks them.
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i];
            QWidget *b = controls[j];
            if (a->isAncestorOf(b) || b->isAncestorOf(a))
                continue;
            EXPECT_FALSE(globalRect(a).intersects(globalRect(b)))
                << state << ": " << a->objectName().toStdString() << " and " << b->objectName().toStdString()
                << " overlap";
        }
    }
}

// The widget under the pointer at the middle of `w` is `w` (nothing covers it).
bool uncovered(QWidget *w)
{
    const QPoint centre = w->mapToGlobal(w->rect().center());
    QWidget *at = QApplication::widgetAt(centre);
    return at == w || (at && w->isAncestorOf(at));
}

// A click of the real pointer, through the X server.
void clickWithPointer(QWidget *w)
{
    const QPoint centre = w->mapToGlobal(w->rect().center());
    RunXTool(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--sync"),
                                         QString::number(centre.x()), QString::number(centre.y())});
    RunXTool(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("1")});
}

void shoot(const char *name)
{
    const QString folder = qEnvironmentVariable("SORANOWA_SHOTS");
    if (folder.isEmpty())
        return;
    QApplication::processEvents();
    QScreen *screen = QGuiApplication::primaryScreen();
    screen->grabWindow(0).save(QStringLiteral("%1/%2x%3_%4.png")
                                   .arg(folder)
                                   .arg(screen->geometry().width())
                                   .arg(screen->geometry().height())
                                   .arg(QString::fromLatin1(name)));
}

void report(const QString &line)
{
    std::cout << "geometry: " << line.toStdString() << std::endl;
}

void runOnScreen(QSize size)
{
    XSession session(size);
    if (!session.ok())
        GTEST_SKIP() << session.error().toStdString();
    const XSession::Run run = session.runBody(QStringLiteral("DesktopScreens.OrderPathFitsTheScreen"));
    EXPECT_TRUE(run.passed) << run.output.toStdString();
    for (const QString &line : run.output.split(QLatin1Char('\n')))
        if (line.startsWith(QStringLiteral("geometry: ")))
            std::cout << line.toStdString() << std::endl;
}

using DesktopScreens = DesktopTest;

} // namespace

TEST(OrderPathOnScreens, At1366x768)
{
    runOnScreen(QSize(1366, 768));
}

TEST(OrderPathOnScreens, At1024x768)
{
    runOnScreen(QSize(1024, 768));
}

TEST_F(DesktopScreens, OrderPathFitsTheScreen)
{
    if (!InsideXSession())
        GTEST_SKIP() << "runs inside the X sessions OrderPathOnScreens starts";
    addCustomer("0311112222", QStringLiteral("ｻﾄｳ"));
    SavePref("SET", "MENU", "1");
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const bool narrow = available.width() < 1200;

    // A size left on a larger screen does not push the frame off this one.
    SaveWindowPlacement({false, QRect(0, 0, 1280, 800)});
    frame = std::make_unique<frmMain>(*data);
    frame->ShowPlaced();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return available.contains(frame->frameGeometry()); }, 3000))
        << describe(frame->frameGeometry()).toStdString() << " on " << describe(available).toStdString();
    EXPECT_TRUE(frame->isMaximized());
    report(QStringLiteral("screen %1, frame %2, working area %3")
               .arg(describe(QGuiApplication::primaryScreen()->geometry()), describe(frame->frameGeometry()),
                    describe(globalRect(mdi()->viewport()))));

    frmOrder *order = openChild<frmOrder>(Command::Uketsuke);
    ASSERT_NE(order, nullptr);
    QTest::qWait(100);
    EXPECT_EQ(order->IsCompact(), narrow);
    report(
        QStringLiteral("order window %1 (%2), smallest %3x%4")
            .arg(describe(globalRect(order)), order->IsCompact() ? QStringLiteral("compact") : QStringLiteral("wide"))
            .arg(order->minimumWidth())
            .arg(order->minimumHeight()));
    QWidget *clip = mdi()->viewport();
    expectOnScreen(order, clip, "opened");
    shoot("order_opened");
    order->txtTel->setText("0398765432");
    order->cmdCheck_Click();
    expectOnScreen(order, clip, "new caller");
    order->txtTel->setText("0311112222");
    order->cmdCheck_Click();
    expectOnScreen(order, clip, "known caller, kana keys");
    shoot("order_kana");
    order->cbo5g->setCurrentIndex(1);
    emit order->cbo5g->activated(1);
    emit order->lsvGroup->itemClicked(order->lsvGroup->topLevelItem(0), 0);
    expectOnScreen(order, clip, "groups");
    order->cbo5g->setCurrentIndex(2);
    emit order->cbo5g->activated(2);
    QTest::mouseClick(order->picFrame->cmdMenu[1], Qt::LeftButton);
    QTest::mouseClick(order->picFrame->cmdMenu[2], Qt::LeftButton);
    order->chkTime->setChecked(true);
    order->chkCoo->setChecked(true);
    expectOnScreen(order, clip, "board with two lines");
    shoot("order_board");

    // The confirm button: uncovered, and the real pointer's click stores the order.
    ASSERT_TRUE(order->cmdGo->isEnabled());
    ASSERT_TRUE(uncovered(order->cmdGo)) << describe(globalRect(order->cmdGo)).toStdString();
    report(QStringLiteral("confirm button %1").arg(describe(globalRect(order->cmdGo))));
    order->chkCoo->setChecked(false);
    clickWithPointer(order->cmdGo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return data->records.SalesCount() == 1; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return mdi()->activeSubWindow() && qobject_cast<frmJokyo *>(mdi()->activeSubWindow()->widget()); },
        3000));
    auto *board = qobject_cast<frmJokyo *>(mdi()->activeSubWindow()->widget());
    EXPECT_EQ(board->SelectedOrderKey(), QStringLiteral("202405101"));
    QTest::qWait(100);
    expectOnScreen(board, clip, "board", 10);
    shoot("board");

    // The order change window of that order: on the screen, its OK button under the pointer.
    bool checked = false;
    ModalHandler change([&](QWidget *dialog) {
        auto *w = qobject_cast<frmOrderChange *>(dialog);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        QTest::qWait(100);
        EXPECT_TRUE(available.contains(w->frameGeometry())) << describe(w->frameGeometry()).toStdString();
        report(QStringLiteral("order change %1 (%2)")
                   .arg(describe(w->frameGeometry()),
                        w->IsCompact() ? QStringLiteral("compact") : QStringLiteral("wide")));
        expectOnScreen(w, w, "order change", 20);
        shoot("order_change");
        EXPECT_TRUE(uncovered(w->cmdGo));
        checked = true;
        clickWithPointer(w->cmdGo);
    });
    ASSERT_TRUE(board->tlbHenko->isEnabled());
    board->tlbHenko->trigger();
    EXPECT_TRUE(change.done());
    EXPECT_TRUE(checked);
    // The unchanged order was closed by the pointer's OK without any question.
    EXPECT_EQ(prompt.count(), 0);
}
