#include "platform/ui/widgetnaming.h"

#include <QRegularExpression>

QString SpokenCaption(const QString &caption)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)"));
    static const QRegularExpression ending(QStringLiteral("[\\s：:]+$"));
    QString spoken = caption;
    spoken.remove(mnemonic);
    spoken.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    spoken.remove(QLatin1Char('&'));
    spoken.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    spoken.remove(ending);
    return spoken.trimmed();
}

QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    if (buddy && buddy->accessibleName().isEmpty())
        buddy->setAccessibleName(SpokenCaption(text));
    return label;
}

QLabel *hint(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    if (buddy && buddy->accessibleDescription().isEmpty())
        buddy->setAccessibleDescription(text);
    return label;
}
