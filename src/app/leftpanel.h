#pragma once
// The command panel on the left of the main window: five group headers, one group open at a
// time. The chosen header and those above it stack from the top, the headers below it stack at
// the bottom edge, and the space between shows the chosen group's command icons.
#include <QList>
#include <QWidget>

class QAction;
class QPushButton;
class QToolButton;

class LeftPanel : public QWidget
{
    Q_OBJECT
  public:
    explicit LeftPanel(QWidget *parent = nullptr);

    // Adds a group; returns its index. Items are added with addItem.
    int addGroup(const QString &title, const QString &objectName);
    // The button follows the action: caption, icon, enabled state and trigger.
    QToolButton *addItem(int group, QAction *action);
    void openGroup(int group);
    int openGroupIndex() const { return m_open; }
    int groupCount() const { return m_groups.size(); }
    QPushButton *header(int group) const { return m_groups.at(group).header; }

    // A header is a quarter of an inch high.
    static int headerHeight();

  protected:
    void resizeEvent(QResizeEvent *event) override;

  private:
    struct Group {
        QPushButton *header = nullptr;
        QWidget *items = nullptr;
    };
    void relayout();

    QList<Group> m_groups;
    int m_open = 0;
};
