#pragma once
// The menu board as the order windows show it: 120 buttons in 24 rows of 5 on a surface that
// scrolls inside the panel. Only occupied slots show a button.
#include "store/settingtables.h"

#include <QWidget>

#include <array>

class QPushButton;
class QScrollBar;

class MenuBoardPanel : public QWidget
{
    Q_OBJECT
  public:
    static constexpr int kButtons = kMenuBoardWrittenSlots;
    static constexpr int kColumns = 5;
    static constexpr int kRows = kButtons / kColumns;

    explicit MenuBoardPanel(QWidget *parent = nullptr);

    // Occupied slots give a visible, enabled button with the slot's caption; the others are
    // hidden, disabled and blank.
    void Refresh(const SettingTables &tables);

    QWidget *picDraw = nullptr;
    QScrollBar *vsbMain = nullptr;
    // 1..120; element 0 unused.
    std::array<QPushButton *, kButtons + 1> cmdMenu{};

    // True when slot k holds no item.
    static bool IsEmptySlot(const MenuBoardSlot &slot);

  signals:
    void boardButtonPressed(int k);

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

  private:
    void layoutSurface();
};
