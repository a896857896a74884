#include "app/frmSplash.h"
#include "platform/ui/widgetnaming.h"

#include <QLabel>
#include <QVBoxLayout>

QString VersionText()
{
    return QStringLiteral("Ver. %1.%2.%3")
        .arg(SORANOWA_VERSION_MAJOR)
        .arg(SORANOWA_VERSION_MINOR)
        .arg(SORANOWA_VERSION_PATCH);
}

frmSplash::frmSplash(QWidget *parent) : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    named(this, "frmSplash");
    setWindowTitle(QStringLiteral("ソラノワ起動中"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x2f, 0x5d, 0x9a));
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);

    auto *title = new QLabel(QStringLiteral("ソラノワ"), this);
    QFont f = title->font();
    f.setPointSize(28);
    f.setBold(true);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto *sub = new QLabel(QStringLiteral("出前・宅配 受付管理"), this);
    sub->setAlignment(Qt::AlignCenter);
    auto *loading = new QLabel(QStringLiteral("ソラノワ起動中"), this);
    loading->setAlignment(Qt::AlignCenter);
    lblVersion = named(new QLabel(VersionText(), this), "lblVersion");
    lblVersion->setAlignment(Qt::AlignRight);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 12);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(sub);
    layout->addStretch(1);
    layout->addWidget(loading);
    layout->addWidget(lblVersion);
    setFixedSize(420, 240);
}
