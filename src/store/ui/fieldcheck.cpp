#include "store/ui/fieldcheck.h"

#include "store/helpers.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

namespace
{

QString textOf(const QWidget *field)
{
    if (auto *edit = qobject_cast<const QLineEdit *>(field))
        return edit->text();
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    return {};
}

void clear(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->clear();
    else if (auto *combo = qobject_cast<QComboBox *>(field))
        combo->setEditText(QString());
}

void selectAll(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

// Every tab page on the way up to the window shows the field.
void showPageOf(QWidget *field)
{
    for (QWidget *w = field->parentWidget(); w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<QTabWidget *>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                if (tabs->widget(i)->isAncestorOf(field))
                    tabs->setCurrentIndex(i);
            }
        }
    }
}

} // namespace

LeaveFieldCheck::Rule LeaveFieldCheck::Number()
{
    return [](const QString &text) {
        if (IsNumericInput(text))
            return true;
        ShowNotNumericWarning();
        return false;
    };
}

LeaveFieldCheck::Rule LeaveFieldCheck::Phone()
{
    return [](const QString &text) {
        if (IsPhoneInput(text))
            return true;
        ShowNotNumericWarning();
        return false;
    };
}

LeaveFieldCheck::LeaveFieldCheck(QWidget *window)
    : QObject(window), m_window(window), m_active([window] { return window->isVisible(); })
{
}

void LeaveFieldCheck::watch(QWidget *field, Rule rule, Refused refused)
{
    m_rules[field] = {std::move(rule), refused};
    field->installEventFilter(this);
}

bool LeaveFieldCheck::check(QWidget *field)
{
    const auto it = m_rules.find(field);
    if (it == m_rules.end())
        return true;
    const bool wasChecking = m_checking;
    m_checking = true;
    bool accepted = it->second.rule(textOf(field));
    if (!accepted && it->second.refused == Refused::Clear) {
        // The wrong text is gone, so the staff may go on from here.
        clear(field);
        accepted = true;
    }
    m_checking = wasChecking;
    if (!accepted)
        keepFocusIn(field);
    return accepted;
}

bool LeaveFieldCheck::checkFocusedField()
{
    QWidget *focused = m_window->focusWidget();
    if (!focused || !isWatched(focused) || !focused->isEnabled())
        return true;
    return check(focused);
}

void LeaveFieldCheck::keepFocusIn(QWidget *field)
{
    const auto refocus = [this, field] {
        // Taking the focus back must not count as leaving whatever field it is taken from.
        const bool wasChecking = m_checking;
        m_checking = true;
        showPageOf(field);
        field->setFocus(Qt::OtherFocusReason);
        selectAll(field);
        m_entered = field;
        m_checking = wasChecking;
    };
    if (field->isVisible())
        refocus();
    // The focus may still be on its way to the control that was clicked, or a page may be
    // being switched; take it back once that has happened.
    QTimer::singleShot(0, field, refocus);
}

bool LeaveFieldCheck::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QWidget *>(watched);
    if (!field || m_checking)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        m_entered = field;
    } else if (event->type() == QEvent::FocusOut && field == m_entered) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        // The list's own pop-up, a message box or another application taking the focus is not
        // leaving the field.
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason && field->isEnabled() &&
            m_active()) {
            if (check(field))
                m_entered = nullptr;
        }
    }
    return QObject::eventFilter(watched, event);
}
