#include "backup/ui/ftpframe.h"

#include "platform/ui/widgetnaming.h"
#include "store/preferences.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace
{
// Typed once per run of the program; never written anywhere.
QString &sessionPassword()
{
    static QString password;
    return password;
}
} // namespace

FtpFrame::FtpFrame(const QString &title, const QString &actionCaption, const QString &actionName, QWidget *dialog)
    : QGroupBox(title, dialog), m_dialog(dialog)
{
    named(this, "fraServer");
    txtUser = named(new QLineEdit(this), "txtUser");
    txtPassword = named(new QLineEdit(this), "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    cmdAction = named(new QPushButton(actionCaption, this), actionName);
    prgFtp = named(new QProgressBar(this), "prgFtp");
    prgFtp->setAccessibleName(QStringLiteral("進行状況"));
    prgFtp->setTextVisible(false);
    prgFtp->setValue(0);
    sbrFtp = named(new QStatusBar(this), "sbrFtp");
    sbrFtp->setSizeGripEnabled(false);
    lblStatus = named(new QLabel(sbrFtp), "lblStatus");
    lblStatus->setAccessibleName(QStringLiteral("状態"));
    sbrFtp->addWidget(lblStatus, 1);

    m_grid = new QGridLayout(this);
    m_grid->addWidget(caption(QStringLiteral("ﾕｰｻﾞｰ名："), txtUser, this), 0, 0);
    m_grid->addWidget(txtUser, 0, 1);
    m_grid->addWidget(caption(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ："), txtPassword, this), 1, 0);
    m_grid->addWidget(txtPassword, 1, 1);
    m_grid->addWidget(cmdAction, 0, 2, 2, 1, Qt::AlignTop);
    m_grid->addWidget(prgFtp, 3, 0, 1, 3);
    m_grid->addWidget(sbrFtp, 4, 0, 1, 3);
    m_grid->setColumnStretch(1, 1);

    txtUser->setText(Prefs::FtpUser.get());
    txtPassword->setText(sessionPassword());
}

void FtpFrame::addNote(const QString &text)
{
    auto *note = named(new QLabel(text, this), "lblNote");
    note->setWordWrap(true);
    m_grid->addWidget(note, 2, 0, 1, 3);
}

FtpAccount FtpFrame::account() const
{
    if (Prefs::FtpUser.get() != txtUser->text())
        Prefs::FtpUser.set(txtUser->text());
    sessionPassword() = txtPassword->text();
    return {Prefs::FtpHost.get(), static_cast<int>(Prefs::FtpPort.get()), txtUser->text(), txtPassword->text()};
}

FtpView FtpFrame::view()
{
    FtpView v;
    v.status = [this](const QString &text) {
        lblStatus->setText(text);
        lblStatus->repaint();
    };
    v.busy = [this](bool on) {
        m_dialog->setEnabled(!on);
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    };
    // A bar with no range shows the busy animation; a tiny archive still shows an empty bar.
    v.setMaximum = [this](int maximum) { prgFtp->setMaximum(qMax(1, maximum)); };
    v.setProgress = [this](int value) {
        prgFtp->setValue(value);
        prgFtp->repaint(); // the transfer runs on this thread: paint now, not after it
    };
    return v;
}
