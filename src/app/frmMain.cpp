#include "app/frmMain.h"
#include "platform/ui/widgetnaming.h"

#include "app/commandtable.h"
#include "callerid/callerid.h"
#include "app/frmCompact.h"
#include "app/frmExit.h"
#include "app/icons.h"
#include "app/leftpanel.h"
#include "platform/prompt.h"
#include "platform/shell.h"
#include "platform/ui/refreshable.h"
#include "store/appdata.h"
#include "store/settingfiles.h"
#include "store/windowplacement.h"

#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

// The two large icons repeat a command with its own caption and the command's icon.
QToolButton *makeLargeButton(QWidget *parent, const QString &caption, const QString &name, Command command)
{
    const CommandRow &row = CommandRowOf(command);
    auto *b = named(new QToolButton(parent), name);
    b->setText(caption);
    b->setIcon(MakeCommandIcon(row.glyph, row.color, 64));
    b->setIconSize(QSize(48, 48));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setAutoRaise(true);
    b->setMinimumSize(64, 76);
    return b;
}

// The focused control when it is a text box, else nullptr.
QWidget *focusedTextBox()
{
    QWidget *focus = QApplication::focusWidget();
    if (qobject_cast<QLineEdit *>(focus) || qobject_cast<QTextEdit *>(focus) || qobject_cast<QPlainTextEdit *>(focus))
        return focus;
    return nullptr;
}

bool hasSelectedText(QWidget *box)
{
    if (auto *e = qobject_cast<QLineEdit *>(box))
        return e->hasSelectedText();
    if (auto *t = qobject_cast<QTextEdit *>(box))
        return t->textCursor().hasSelection();
    if (auto *p = qobject_cast<QPlainTextEdit *>(box))
        return p->textCursor().hasSelection();
    return false;
}

} // namespace

frmMain::frmMain(AppData &data, QWidget *parent) : QMainWindow(parent), m_data(data)
{
    named(this, "frmMain");
    setWindowTitle(QStringLiteral("ソラノワ"));
    resize(1280, 800);

    auto *central = new QWidget(this);
    auto *outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    lblRenraku = named(new QLabel(central), "lblRenraku");
    lblRenraku->setMargin(6);
    lblRenraku->setAutoFillBackground(true);
    QPalette notice = lblRenraku->palette();
    notice.setColor(QPalette::Window, QColor(0xff, 0xf6, 0xd5));
    notice.setColor(QPalette::WindowText, QColor(0x60, 0x30, 0x00));
    lblRenraku->setPalette(notice);
    QFont noticeFont = lblRenraku->font();
    noticeFont.setPointSizeF(noticeFont.pointSizeF() * 1.15);
    lblRenraku->setFont(noticeFont);
    outer->addWidget(lblRenraku);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    auto *left = named(new QWidget(central), "picLeft");
    left->setFixedWidth(140);
    auto *leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 4, 0, 0);
    leftLayout->setSpacing(2);
    auto *large = new QHBoxLayout;
    cmdJokyo = makeLargeButton(left, QStringLiteral("注文状況"), QStringLiteral("cmdJokyo"), Command::Jokyo);
    cmdUketsuke = makeLargeButton(left, QStringLiteral("注文受付"), QStringLiteral("cmdUketsuke"), Command::Uketsuke);
    large->addWidget(cmdJokyo);
    large->addWidget(cmdUketsuke);
    leftLayout->addLayout(large);
    picLeftMenu = new LeftPanel(left);
    leftLayout->addWidget(picLeftMenu, 1);
    middle->addWidget(left);

    m_mdi = named(new QMdiArea(central), "mdiMain");
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setBackground(QColor(0xe4, 0xe8, 0xee));
    middle->addWidget(m_mdi, 1);
    outer->addLayout(middle, 1);

    prgMain = named(new QProgressBar(central), "prgMain");
    prgMain->setTextVisible(false);
    prgMain->setMaximumHeight(10);
    prgMain->setValue(0);
    outer->addWidget(prgMain);
    setCentralWidget(central);

    tlbMain = addToolBar(QStringLiteral("tlbMain"));
    tlbMain->setObjectName(QStringLiteral("tlbMain"));
    tlbMain->setMovable(false);
    tlbClose = tlbMain->addAction(style()->standardIcon(QStyle::SP_TitleBarCloseButton), QStringLiteral("Close"));
    tlbClose->setObjectName(QStringLiteral("tlbClose"));
    tlbMain->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(tlbClose, &QAction::triggered, this, [this] {
        if (QMdiSubWindow *w = m_mdi->activeSubWindow())
            w->close();
        updateCloseButton();
    });

    sbrCaller = named(new QLabel(this), "sbrCaller");
    sbrCaller->setMinimumWidth(260);
    sbrReplaced = named(new QLabel(this), "sbrReplaced");
    sbrReplaced->setMinimumWidth(200);
    statusBar()->setObjectName(QStringLiteral("sbrMain"));
    statusBar()->addWidget(sbrCaller);
    statusBar()->addWidget(sbrReplaced);

    buildMenus();
    buildPanel();

    connect(cmdJokyo, &QToolButton::clicked, this, [this] { RunCommand(Command::Jokyo); });
    connect(cmdUketsuke, &QToolButton::clicked, this, [this] { RunCommand(Command::Uketsuke); });
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &frmMain::onSubWindowActivated);

    RefreshNotice();
    updateCommandStates();
    updateCloseButton();
    // The order board is the first child window, when the program has one.
    if (FindCommand(Command::Jokyo))
        RunCommand(Command::Jokyo);
}

frmMain::~frmMain()
{
    // The child windows are hidden by the QWidget part of the destruction, after this part is
    // gone; the activations that hiding reports must not reach this object's slots any more.
    disconnect(m_mdi, nullptr, this, nullptr);
}

QAction *frmMain::addCommand(QMenu *menu, const CommandRow &row)
{
    QAction *a = menu->addAction(row.caption);
    a->setObjectName(row.objectName);
    a->setIcon(MakeCommandIcon(row.glyph, row.color));
    a->setIconVisibleInMenu(false);
    const Command command = row.command;
    connect(a, &QAction::triggered, this, [this, command] { RunCommand(command); });
    m_actions.insert(command, a);
    return a;
}

void frmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("mnuMain"));

    QMenu *file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileExit = file->addAction(QStringLiteral("ソラノワの終了(&X)"));
    mnuFileExit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);

    mnuEdit = bar->addMenu(QStringLiteral("編集(&E)"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCut = mnuEdit->addAction(QStringLiteral("切り取り(&T)"));
    mnuEditCut->setObjectName(QStringLiteral("mnuEditCut"));
    mnuEditCopy = mnuEdit->addAction(QStringLiteral("コピー(&C)"));
    mnuEditCopy->setObjectName(QStringLiteral("mnuEditCopy"));
    mnuEditPaste = mnuEdit->addAction(QStringLiteral("貼り付け(&P)"));
    mnuEditPaste->setObjectName(QStringLiteral("mnuEditPaste"));
    connect(mnuEdit, &QMenu::aboutToShow, this, &frmMain::updateEditMenu);
    // Text boxes of every kind have the cut, copy and paste slots.
    connect(mnuEditCut, &QAction::triggered, this, [] {
        if (QWidget *box = focusedTextBox()) {
            QApplication::clipboard()->clear();
            QMetaObject::invokeMethod(box, "cut");
        }
    });
    connect(mnuEditCopy, &QAction::triggered, this, [] {
        if (QWidget *box = focusedTextBox())
            QMetaObject::invokeMethod(box, "copy");
    });
    connect(mnuEditPaste, &QAction::triggered, this, [] {
        if (QWidget *box = focusedTextBox())
            QMetaObject::invokeMethod(box, "paste");
    });

    // The command groups: submenus of "ﾒﾆｭｰ(&M)", then the menus of their own (ﾂｰﾙ).
    QMenu *menu = bar->addMenu(QStringLiteral("ﾒﾆｭｰ(&M)"));
    menu->setObjectName(QStringLiteral("mnuMenu"));
    for (const CommandGroupInfo &g : CommandGroups()) {
        QMenu *groupMenu = g.panelTitle.isEmpty() ? bar->addMenu(g.menuCaption) : menu->addMenu(g.menuCaption);
        groupMenu->setObjectName(g.menuName);
        for (const CommandRow &row : CommandTable()) {
            if (row.group == g.group)
                addCommand(groupMenu, row);
        }
    }

    mnuWindow = bar->addMenu(QStringLiteral("ｳｨﾝﾄﾞｳ(&W)"));
    mnuWindow->setObjectName(QStringLiteral("mnuWindow"));
    connect(mnuWindow, &QMenu::aboutToShow, this, &frmMain::fillWindowMenu);

    QMenu *help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = help->addAction(QStringLiteral("目次(&C)"));
    mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    connect(mnuHelpContents, &QAction::triggered, this, [] { OpenHelp(0); });
    QMenu *web = help->addMenu(QStringLiteral("ソラノワ WEB ﾍﾟｰｼﾞ(&W)"));
    web->setObjectName(QStringLiteral("mnuWeb"));
    mnuWebTop = web->addAction(QStringLiteral("ソラノワ ﾄｯﾌﾟﾍﾟｰｼﾞ(&T)"));
    mnuWebTop->setObjectName(QStringLiteral("mnuWebTop"));
    connect(mnuWebTop, &QAction::triggered, this, [] { Shell().openUrl(ProductTopPageUrl()); });
    mnuWebProduct = web->addAction(QStringLiteral("ソラノワ 製品情報(&P)"));
    mnuWebProduct->setObjectName(QStringLiteral("mnuWebProduct"));
    connect(mnuWebProduct, &QAction::triggered, this, [] { Shell().openUrl(ProductInfoPageUrl()); });
}

void frmMain::buildPanel()
{
    for (const CommandGroupInfo &g : CommandGroups()) {
        if (g.panelTitle.isEmpty())
            continue;
        const int index = picLeftMenu->addGroup(g.panelTitle, g.panelName);
        for (const CommandRow &row : CommandTable()) {
            if (row.group == g.group)
                picLeftMenu->addItem(index, m_actions.value(row.command));
        }
    }
    picLeftMenu->openGroup(0);
}

void frmMain::RunCommand(Command command)
{
    if (RefuseCommand(CommandRowOf(command), m_data))
        return;
    const CommandHandler *handler = FindCommand(command);
    if (!handler)
        return;
    if (handler->createChild) {
        // A closed window may not be deleted yet; only one still in the frame is brought forward.
        QMdiSubWindow *open = m_children.value(command);
        if (open && m_mdi->subWindowList().contains(open)) {
            open->showNormal();
            m_mdi->setActiveSubWindow(open);
            updateCloseButton();
            return;
        }
        QWidget *child = handler->createChild(m_data, *this);
        if (child)
            m_children.insert(command, ShowChild(child));
    } else if (handler->runDialog) {
        handler->runDialog(m_data, *this);
        // Some platforms do not activate the frame again when a dialog closes.
        requestRefresh();
    }
}

QMdiSubWindow *frmMain::ShowChild(QWidget *child)
{
    child->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow *w = m_mdi->addSubWindow(child);
    w->setAttribute(Qt::WA_DeleteOnClose);
    connect(w, &QObject::destroyed, this, [this] {
        QMetaObject::invokeMethod(
            this, [this] { updateCloseButton(); }, Qt::QueuedConnection);
    });
    // Working windows fill the frame: the board and order entry need all the room they can get.
    w->showMaximized();
    m_mdi->setActiveSubWindow(w);
    tlbClose->setEnabled(true);
    return w;
}

void frmMain::updateCommandStates()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        // A command that would be refused stays clickable: its box tells the user why nothing shows.
        const bool enabled = FindCommand(it.key()) != nullptr || RefusalApplies(CommandRowOf(it.key()).refusal, m_data);
        it.value()->setEnabled(enabled);
    }
    cmdJokyo->setEnabled(m_actions.value(Command::Jokyo)->isEnabled());
    cmdUketsuke->setEnabled(m_actions.value(Command::Uketsuke)->isEnabled());
}

void frmMain::updateCloseButton()
{
    tlbClose->setEnabled(!m_mdi->subWindowList().isEmpty());
}

void frmMain::updateEditMenu()
{
    QWidget *box = focusedTextBox();
    const bool selected = box && hasSelectedText(box);
    mnuEditCut->setEnabled(selected);
    mnuEditCopy->setEnabled(selected);
    mnuEditPaste->setEnabled(box && !QApplication::clipboard()->text().isEmpty());
}

void frmMain::fillWindowMenu()
{
    mnuWindow->clear();
    const QList<QMdiSubWindow *> windows = m_mdi->subWindowList();
    int n = 1;
    for (QMdiSubWindow *w : windows) {
        QAction *a = mnuWindow->addAction(QStringLiteral("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setCheckable(true);
        a->setChecked(w == m_mdi->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] { m_mdi->setActiveSubWindow(w); });
    }
}

void frmMain::RefreshNotice()
{
    lblRenraku->setText(QStringLiteral("連絡事項：") + m_data.settings.Shop.NoticeLine);
}

void frmMain::RefreshOnActivation()
{
    RefreshNotice();
    updateCommandStates();
    if (QMdiSubWindow *w = m_mdi->activeSubWindow()) {
        if (auto *r = dynamic_cast<Refreshable *>(w->widget()))
            r->Re_view();
    }
}

void frmMain::onSubWindowActivated(QMdiSubWindow *w)
{
    updateCloseButton();
    // Null when the whole program lost the activation; when it comes back the same child is
    // activated again, which is not a switch between children.
    if (!w)
        return;
    const bool switched = w != m_lastActiveChild;
    m_lastActiveChild = w;
    requestRefresh();
    if (switched) {
        if (auto *child = dynamic_cast<Refreshable *>(w->widget()))
            child->ActivatedAfterOtherChild();
    }
}

void frmMain::requestRefresh()
{
    // Getting the focus back from another program brings both the frame's activation and the
    // area's activation of the same child, in one go; the board rereads the sales file on every
    // refresh, so the second request for the same child is dropped until events flow again.
    QMdiSubWindow *active = m_mdi->activeSubWindow();
    if (m_refreshedInThisPass && active == m_refreshedChild)
        return;
    m_refreshedInThisPass = true;
    m_refreshedChild = active;
    QMetaObject::invokeMethod(
        this, [this] { m_refreshedInThisPass = false; }, Qt::QueuedConnection);
    RefreshOnActivation();
}

CallerId &frmMain::callerId()
{
    if (!m_callerId) {
        m_callerId = std::make_unique<CallerId>(m_data);
        m_callerId->callerPanelChanged = [this](const QString &text) { sbrCaller->setText(text); };
    }
    return *m_callerId;
}

void frmMain::SetCallerPanels(const QString &caller, const QString &replacedText)
{
    sbrCaller->setText(caller);
    sbrReplaced->setText(replacedText);
}

bool frmMain::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        requestRefresh();
    return QMainWindow::event(event);
}

void frmMain::ShowPlaced()
{
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const WindowPlacement placement = FitWindowPlacement(LoadWindowPlacement(), screens);
    if (placement.normal.isValid())
        setGeometry(placement.normal);
    if (placement.maximized)
        showMaximized();
    else
        show();
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_mayClose || runExitSequence()) {
        if (!m_mayClose)
            SaveWindowPlacement({isMaximized(), normalGeometry()});
        m_mayClose = true;
        event->accept();
        return;
    }
    event->ignore();
}

void frmMain::EndAtOnce()
{
    // The frame is the last window: closing it ends the program.
    m_mayClose = true;
    close();
}

bool frmMain::runExitSequence()
{
    // Child windows close first; one that keeps itself open (its user chose to stay) stops the exit.
    m_mdi->closeAllSubWindows();
    if (!m_mdi->subWindowList().isEmpty())
        return false;
    updateCloseButton();

    SaveInputSupportLists(m_data.settings);

    RecordStore &records = m_data.records;
    // After a failed backup the dialog asks again with the user's compaction choice kept.
    bool compactionChosen = false;
    for (;;) {
        frmExit dialog(AutomaticBackupFolder(), AutomaticBackupFileName(), this);
        dialog.chkOptimize->setChecked(compactionChosen);
        dialog.exec();
        const frmExit::Choice choice = dialog.choice();
        compactionChosen = dialog.compactionChosen();
        if (choice == frmExit::Cancel) {
            // Compacted files no longer match the tables: rebuild them before work goes on.
            if (m_indexesStale) {
                if (!records.IsOpen())
                    records.OpenRecordFiles();
                records.BuildIndexes();
                m_indexesStale = false;
            }
            return false;
        }
        if (dialog.compactionChosen()) {
            frmCompact compaction(this);
            compaction.Run(records);
            m_indexesStale = true;
        }
        if (choice == frmExit::No || !automaticBackup) {
            records.CloseRecordFiles();
            return true;
        }
        records.CloseRecordFiles();
        if (automaticBackup(m_data))
            return true;
        // The backup failed or was declined: the files reopen and the dialog asks again.
        records.OpenRecordFiles();
    }
}
