#pragma once
// Small helpers for building windows in code: every control carries its name as objectName,
// and every caption label is the buddy of its field (mnemonics, accessible names).
#include <QLabel>
#include <QString>

template <typename W> W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

inline QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}
