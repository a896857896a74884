#pragma once
// The menu board settings: catalogue items are dragged from the tree onto the 120 buttons of
// the board. The window edits a working copy; the board and its file change only on saving.
#include "settings/menuboardlayout.h"
#include "store/settingtables.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QTreeWidget;

class frmMenuBoard : public QDialog
{
    Q_OBJECT
  public:
    explicit frmMenuBoard(SettingTables &tables, QWidget *parent = nullptr);

    static const QColor kHighlight;

    // Drag feedback: k = 1..120 lights button k, 0 (the grid's background) lights none.
    void DragOver(int k);
    // A drop on button k: an item opens the button dialog; anything else is ignored.
    void DropOnButton(int k, const QString &text);
    // Buttons 1..120 captioned from the working copy.
    void RefreshCaptions();
    // What OK does, without closing: false when the file could not be written (reported).
    bool SaveBoard();

    const MenuBoardLayout::Slots &Working() const { return m_working; }
    bool IsChanged() const { return m_changed; }

    QTreeWidget *tvwMenu = nullptr;
    std::array<QPushButton *, MenuBoardLayout::kButtons + 1> cmdMenu{}; // element 0 unused
    QPushButton *cmdOK = nullptr;
    QPushButton *cmdCancel = nullptr;

  public slots:
    void reject() override;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget *buildGrid();
    void fillTree();
    void cmdMenu_Click(int k);
    void cmdOK_Click();

    SettingTables &m_tables;
    MenuBoardLayout::Slots m_working;
    QWidget *m_grid = nullptr;
    bool m_changed = false;
};
