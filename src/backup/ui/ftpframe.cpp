#include "backup/ui/ftpframe.h"

#include "backup/ftppassword.h"
#include "platform/prompt.h"
#include "platform/ui/widgetnaming.h"
#include "store/preferences.h"
#include "store/ui/fieldcheck.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

namespace
{

const int kDefaultPort = 21;

// Empty stands for the usual FTP port.
int portOf(const QString &text)
{
    return text.trimmed().isEmpty() ? kDefaultPort : text.trimmed().toInt();
}

bool portAccepted(const QString &text)
{
    if (!LeaveFieldCheck::Number()(text))
        return false;
    const int port = portOf(text);
    if (port >= 1 && port <= 65535)
        return true;
    ShowWarning(QStringLiteral("ポート番号確認"), QStringLiteral("ポート番号は1～65535の数字で入力して下さい。"));
    return false;
}

} // namespace

FtpFrame::FtpFrame(const QString &title, const QString &actionCaption, const QString &actionName, QWidget *dialog)
    : QGroupBox(title, dialog), m_dialog(dialog)
{
    named(this, "fraServer");
    txtHost = named(new QLineEdit(this), "txtHost");
    txtPort = named(new QLineEdit(this), "txtPort");
    txtPort->setMaxLength(5);
    txtPort->setFixedWidth(txtPort->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
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
    auto *hostRow = new QHBoxLayout;
    hostRow->addWidget(txtHost, 1);
    hostRow->addWidget(caption(QStringLiteral("ﾎﾟｰﾄ："), txtPort, this));
    hostRow->addWidget(txtPort);
    m_grid->addWidget(caption(QStringLiteral("ｻｰﾊﾞｰ："), txtHost, this), 0, 0);
    m_grid->addLayout(hostRow, 0, 1);
    m_grid->addWidget(caption(QStringLiteral("ﾕｰｻﾞｰ名："), txtUser, this), 1, 0);
    m_grid->addWidget(txtUser, 1, 1);
    m_grid->addWidget(caption(QStringLiteral("ﾊﾟｽﾜｰﾄﾞ："), txtPassword, this), 2, 0);
    m_grid->addWidget(txtPassword, 2, 1);
    m_grid->addWidget(cmdAction, 0, 2, 3, 1, Qt::AlignTop);
    m_grid->addWidget(prgFtp, 4, 0, 1, 3);
    m_grid->addWidget(sbrFtp, 5, 0, 1, 3);
    m_grid->setColumnStretch(1, 1);

    m_check = new LeaveFieldCheck(dialog);
    m_check->watch(txtPort, &portAccepted);

    txtHost->setText(Prefs::FtpHost.get());
    txtPort->setText(QString::number(Prefs::FtpPort.get()));
    txtUser->setText(Prefs::FtpUser.get());
    recallPassword();
    // Another account brings its own password, when one is known.
    for (QLineEdit *field : {txtHost, txtPort, txtUser})
        connect(field, &QLineEdit::editingFinished, this, [this] {
            if (txtPassword->text().isEmpty())
                recallPassword();
        });
}

void FtpFrame::recallPassword()
{
    bool number = true;
    txtPort->text().trimmed().toInt(&number);
    if (txtHost->text().trimmed().isEmpty() || txtUser->text().isEmpty() || (!number && !txtPort->text().isEmpty()))
        return;
    txtPassword->setText(FtpPasswords().recall(txtHost->text().trimmed(), portOf(txtPort->text()), txtUser->text()));
}

void FtpFrame::addNote(const QString &text)
{
    auto *note = named(new QLabel(text, this), "lblNote");
    note->setWordWrap(true);
    m_grid->addWidget(note, 3, 0, 1, 3);
}

bool FtpFrame::checkFields()
{
    if (!m_check->checkFocusedField())
        return false;
    if (!portAccepted(txtPort->text())) {
        m_check->keepFocusIn(txtPort);
        return false;
    }
    return true;
}

FtpAccount FtpFrame::account() const
{
    const QString host = txtHost->text().trimmed();
    const int port = portOf(txtPort->text());
    if (Prefs::FtpHost.get() != host)
        Prefs::FtpHost.set(host);
    if (Prefs::FtpPort.get() != port)
        Prefs::FtpPort.set(port);
    if (Prefs::FtpUser.get() != txtUser->text())
        Prefs::FtpUser.set(txtUser->text());
    return {host, port, txtUser->text(), txtPassword->text(), Prefs::FtpCertificate.get()};
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
