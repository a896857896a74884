#pragma once
// The check a window runs when the staff leave one of its fields: numbers, phone numbers,
// ranges. A refused value is reported by its rule; the field then keeps the focus with its text
// selected (or, where the field's rule says so, is emptied). The check guards itself against
// the focus changes its own boxes and refocusing cause.
#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QWidget;

class LeaveFieldCheck : public QObject
{
  public:
    // Shows the warning of a refused text and returns false; true when the text is accepted.
    using Rule = std::function<bool(const QString &text)>;
    enum class Refused { KeepFocus, Clear };

    // Numeric boxes: empty, or a number ("数字以外は入力できません。").
    static Rule Number();
    // Phone boxes: a number without any "-", else the same warning.
    static Rule Phone();

    explicit LeaveFieldCheck(QWidget *window);

    // Line edits and (editable) combo boxes.
    void watch(QWidget *field, Rule rule, Refused refused = Refused::KeepFocus);
    // Checks run only while this holds; by default while the window is shown.
    void setActiveWhen(std::function<bool()> active) { m_active = std::move(active); }

    // The watched field that has the focus, checked as if it were being left (buttons that
    // confirm do this, since a click need not take the focus). False when it was refused.
    bool checkFocusedField();
    // Puts the focus into `field` (on its page, its text selected) without that counting as
    // leaving the field the focus comes from.
    void keepFocusIn(QWidget *field);
    bool isWatched(const QWidget *field) const { return m_rules.count(field) > 0; }

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Watched {
        Rule rule;
        Refused refused;
    };
    // True when the field may be left.
    bool check(QWidget *field);

    QWidget *m_window;
    std::map<const QWidget *, Watched> m_rules;
    std::function<bool()> m_active;
    bool m_checking = false;
    // The watched field the staff last entered; only leaving it is checked.
    QWidget *m_entered = nullptr;
};
