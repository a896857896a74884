#pragma once
// The menu section and the pricing area both order windows show (order entry and order change):
// the candidate panels with their lists, the order lines with their buttons, the amounts, the
// discounts, the delivery fee, the requested time, the staff and the delivery place. Each window
// builds them into its own frames and adds what differs (confirming, the changed flag).
#include "orders/ui/orderwindowhost.h"
#include "store/ui/fieldcheck.h"
#include "store/sortkind.h"

#include <QString>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QObject;
class QPushButton;
class QStackedWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QVBoxLayout;
class QWidget;
class KanaKeyboard;
class MenuBoardPanel;
struct AppData;

// The service discount's check on leaving its list (negative, at most 30000 off).
LeaveFieldCheck::Rule ServiceDiscountRule();

class OrderMenuArea : public OrderWindowHost
{
  public:
    explicit OrderMenuArea(AppData &data) : m_data(data) {}

    // ---- OrderWindowHost (LinesChanged stays with each window)
    QTreeWidget *OrderLines() override;
    void ClearReadingSearch() override;
    bool PickedCandidate(QString &menuName, qint64 &price) const override;
    int BoardCellNo() const override { return m_boardCellNo; }
    QString TotalText() const override;

    // The candidate panel shown: 0 kana keyboard, 1 groups, 2 board.
    int SearchMode() const { return m_searchMode; }
    bool PointDiscountOn() const { return m_poiOn; }
    // The controls are placed for a narrow screen (fewer side by side).
    bool IsCompact() const { return m_compact; }

    // ---- menu section
    QGroupBox *fraMenu = nullptr;
    QComboBox *cbo5g = nullptr;
    QStackedWidget *stkPanels = nullptr;
    QWidget *picKana = nullptr;
    KanaKeyboard *keyboard = nullptr; // the cmdMoji keys
    QLineEdit *txtMojiSearch = nullptr;
    QPushButton *cmdMojiClear = nullptr;
    QPushButton *cmdMojiAllClear = nullptr;
    QWidget *picGroup = nullptr;
    QTreeWidget *lsvGroup = nullptr;
    MenuBoardPanel *picFrame = nullptr; // the menu board (cmdMenu buttons)
    QTreeWidget *lsvPick = nullptr;
    QTreeWidget *lsvMenu = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdDel = nullptr;
    QPushButton *cmdReset = nullptr;
    QPushButton *cmdNumChange = nullptr;
    QPushButton *cmdMenuSet = nullptr;
    // ---- pricing area
    QGroupBox *fraPrice = nullptr;
    QLabel *lblNum = nullptr;
    QLabel *lblpreTotal = nullptr;
    QLabel *lblTax = nullptr;
    QLabel *lblTotal = nullptr;
    std::array<QLabel *, 2> lblPoi{};
    QPushButton *cmdPoi = nullptr;
    QCheckBox *chkCoo = nullptr;
    QComboBox *cboCoo = nullptr;
    QLineEdit *txtHai = nullptr;
    QPushButton *cmdHai = nullptr;
    QCheckBox *chkTime = nullptr;
    QDateTimeEdit *dtpTime = nullptr;
    QComboBox *cboFun = nullptr;
    QComboBox *cboStaff = nullptr;
    QComboBox *cboSitei = nullptr;

    static const QString kPoiCaption;       // "割引(&P)"
    static const QString kPoiCancelCaption; // "取消(&P)"

  protected:
    // The window the dialogs opened from here belong to.
    virtual QWidget *areaWindow() = 0;

    // ---- layout (ordermenuarea_layout.cpp)
    // Creates the menu section's controls inside `frame` (which gets its layout).
    void buildMenuControls(QGroupBox *frame);
    // Creates the pricing controls inside `frame`; returns the right-hand column (staff and
    // place, two columns wide) and the first free row in it, for the window's own buttons.
    QGridLayout *buildPriceControls(QGroupBox *frame, int &freeRow);
    // Places the menu section and the pricing area for a wide window or, with `compact`, for a
    // narrow one (a 1024 pixel screen): the same controls, fewer side by side.
    void placeControls(bool compact);
    // Signals of the shared controls, handled with `context` as receiver.
    void connectMenuSignals(QObject *context);

    // ---- candidates and lines
    // Fills cbo5g, cboFun and cboCoo; saves SEARCH as "0" when empty; txtHai from HAITATSU.
    void fillFixedLists();
    // The SEARCH preference as a panel number.
    static int SavedSearchMode();
    // Switches the candidate panel without saving the choice.
    void showSearchPanel(int mode);
    // cbo5g chose a panel: saved as SEARCH, the candidates emptied, the panel shown.
    void switchSearchPanel(int mode);
    void fillGroups();
    void lsvGroup_Click(QTreeWidgetItem *item);
    // Lists the candidates of the panel shown again (kana search, or the remembered group).
    void refreshCandidates();
    void runKanaSearch();
    void updateAddButton();
    void lsvPick_DblClick();
    void cmdAdd_Click();
    void quickAdd(const QString &name, qint64 price);
    void openLineDialog(bool changeMode);
    void boardButtonPressed(int cell);
    // True when a selected line was removed.
    bool removeSelectedLine();
    void removeAllLines();
    // cmdDel, cmdReset and cmdNumChange follow whether any line exists; returns that.
    bool updateLineButtonsOnly();
    void sortByHeader(QTreeWidget *list, int column);
    // Line-command hooks: a line was removed (delete or reset).
    virtual void LinesRemoved() = 0;
    // The order-line dialog closed (whatever was done in it).
    virtual void LineDialogClosed(bool changeMode) { (void)changeMode; }

    // ---- pricing
    // The four amount labels from the lines.
    void showTotals();
    // Switches the point discount off (labels cleared, caption back).
    void pointDiscountOff();
    // Switches it on for `points`; a discount worth nothing shows its warning and stays off.
    // Returns whether it is on.
    bool pointDiscountOn(qint32 points);
    // The fee line; true when it was added.
    bool cmdHai_Click();
    void cboFun_Click();
    void fillStaff(const QString &select);
    void fillDeliverTo();
    // The discounts checked as at confirmation (the typed service discount, then both against
    // the subtotal): false after showing why they cannot be stored.
    bool discountsAcceptable(qint64 pointYen, qint64 subtotal);
    // A typed amount as whole yen ("1,200" and "300.0" read as numbers).
    static qint64 YenOf(const QString &text);
    // Puts the focus back into a refused field.
    virtual void keepFocusIn(QWidget *field) = 0;

    AppData &m_data;
    bool m_compact = false;
    bool m_poiOn = false;
    int m_searchMode = 0;
    int m_groupPos = 1;
    int m_boardCellNo = 0;
    int m_lastSearchLength = 0;
    QString m_siteiText;
    QStringList m_groupNames;
    int m_sortColumn[2] = {-1, -1};
    SortOrder m_sortOrder[2] = {SortOrder::Ascending, SortOrder::Ascending};

  private:
    void placeMenuControls(bool compact);
    void placePriceControls(bool compact);
    QGridLayout *m_menuGrid = nullptr;
    QVBoxLayout *m_lineButtons = nullptr;
    QGridLayout *m_priceGrid = nullptr;
    QGridLayout *m_priceWho = nullptr;
};
