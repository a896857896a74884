#pragma once
// The main window: a frame holding the child windows, with the menu bar, the left command panel,
// the notice line, the toolbar's "Close" button, the caller panels and a progress bar.
#include "app/commands.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <functional>
#include <memory>

class CallerId;
class LeftPanel;
struct CommandRow;
class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QToolBar;
class QToolButton;
struct AppData;

class frmMain : public QMainWindow
{
    Q_OBJECT
  public:
    explicit frmMain(AppData &data, QWidget *parent = nullptr);
    ~frmMain() override;

    AppData &data() { return m_data; }
    QMdiArea *mdiArea() const { return m_mdi; }
    QProgressBar *progressBar() const { return prgMain; }

    // Shows the frame where the user left it, maximized on its screen the first time.
    void ShowPlaced();

    // Runs a command as the menu, the panel or the large icons do.
    void RunCommand(Command command);
    QAction *commandAction(Command command) const { return m_actions.value(command); }
    // Shows a child window inside the frame and enables "Close".
    QMdiSubWindow *ShowChild(QWidget *child);
    // The notice line, the enabled commands and the active child's lists (Re_view) brought up
    // to date. Runs, once, after a child became active and after the frame was activated again
    // (the focus came back from another program or a dialog closed).
    void RefreshOnActivation();
    void RefreshNotice();
    // The two caller panels of the status bar.
    void SetCallerPanels(const QString &caller, const QString &replacedText);
    // Caller ID lives as long as the frame: the latest number and the history outlast the order
    // window. Its recordings show in the first caller panel.
    CallerId &callerId();

    // Ends the program now: no end-of-work dialog, nothing written back (after a restore).
    void EndAtOnce();

    // The automatic backup at exit; returns true when the program may end. Unset: no backup.
    std::function<bool(AppData &)> automaticBackup;

    // ---- controls
    QLabel *lblRenraku;
    LeftPanel *picLeftMenu;
    QToolButton *cmdJokyo;
    QToolButton *cmdUketsuke;
    QToolBar *tlbMain;
    QAction *tlbClose;
    QLabel *sbrCaller;
    QLabel *sbrReplaced;
    QProgressBar *prgMain;

    QAction *mnuFileExit;
    QAction *mnuEditCut;
    QAction *mnuEditCopy;
    QAction *mnuEditPaste;
    QMenu *mnuEdit;
    QMenu *mnuWindow;
    QAction *mnuHelpContents;
    QAction *mnuWebTop;
    QAction *mnuWebProduct;

  protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

  private:
    void buildMenus();
    void buildPanel();
    QAction *addCommand(QMenu *menu, const CommandRow &row);
    void onSubWindowActivated(QMdiSubWindow *w);
    // The one place the activations of the frame and its children lead to: RefreshOnActivation,
    // once for the same child however many of them arrive together.
    void requestRefresh();
    void updateCommandStates();
    void updateCloseButton();
    void updateEditMenu();
    void fillWindowMenu();
    // The end of work: returns true when the program may end now.
    bool runExitSequence();

    AppData &m_data;
    std::unique_ptr<CallerId> m_callerId;
    QMdiArea *m_mdi;
    QMap<Command, QAction *> m_actions;
    QMap<Command, QPointer<QMdiSubWindow>> m_children;
    bool m_mayClose = false;
    bool m_indexesStale = false;
    bool m_refreshedInThisPass = false;
    QPointer<QMdiSubWindow> m_refreshedChild;
    // The child activated last; a child closed since then leaves it null.
    QPointer<QMdiSubWindow> m_lastActiveChild;
};
