#pragma once
// The order window: a telephone order from the caller's number to the stored sale. Three
// numbered sections (phone, customer, menu) and the pricing area; mostly driven by keyboard.
#include "orders/ui/orderwindowhost.h"
#include "platform/ui/refreshable.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiSubWindow;
class QPushButton;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class frmMain;
class KanaKeyboard;
class MenuBoardPanel;
struct OrderCustomerFields;
struct AppData;

class frmOrder : public QWidget, public Refreshable, public OrderWindowHost {
    Q_OBJECT
public:
    // `frame` is the main window holding the order window (null in a bare test window).
    explicit frmOrder(AppData &data, frmMain *frame = nullptr, QWidget *parent = nullptr);
    ~frmOrder() override;

    // ---- public operations
    void cmdCheck_Click();
    void Re_view() override;
    void RegiKeisan();
    void Wari_view();
    void cmdPoi_Click();
    void Menu_enabled(bool on);
    void Menu_enabled2(bool on);
    // The whole confirmation; true when the order was stored.
    bool ConfirmOrder();

    // ---- OrderWindowHost
    QTreeWidget *OrderLines() override;
    void LinesChanged() override;
    void ClearReadingSearch() override;
    bool PickedCandidate(QString &menuName, qint64 &price) const override;
    int BoardCellNo() const override { return m_boardCellNo; }
    QString TotalText() const override;

    // The candidate panel shown: 0 kana keyboard, 1 groups, 2 board.
    int SearchMode() const { return m_searchMode; }
    bool IsNewCustomer() const { return m_newCustomer; }
    bool PointDiscountOn() const { return m_poiOn; }

    // ---- section 1
    QGroupBox *fraTel;
    QLineEdit *txtTel;
    QPushButton *cmdCheck;
    QPushButton *cmdCTI;
    QPushButton *cmdRireki;
    QLabel *lblRireki;
    QPushButton *cmdTel;
    QPushButton *cmdOut;
    // ---- section 2
    QGroupBox *fraCust;
    QLabel *lblMsg;
    QLineEdit *txtNameKana;
    QLineEdit *txtZip;
    QPushButton *cmdZip;
    QLineEdit *txtShiku;
    QLineEdit *txtBanchi;
    QLineEdit *txtBuilding;
    QPushButton *cmdBuilding;
    QComboBox *cboDouki;
    QLineEdit *txtEtc;
    QPushButton *cmdNew;
    QPushButton *cmdChange;
    QPushButton *cmdCust;
    // ---- section 3
    QGroupBox *fraMenu;
    QComboBox *cbo5g;
    QStackedWidget *stkPanels;
    QWidget *picKana;
    KanaKeyboard *keyboard; // the cmdMoji keys
    QLineEdit *txtMojiSearch;
    QPushButton *cmdMojiClear;
    QPushButton *cmdMojiAllClear;
    QWidget *picGroup;
    QTreeWidget *lsvGroup;
    MenuBoardPanel *picFrame; // the menu board (cmdMenu buttons)
    QTreeWidget *lsvPick;
    QTreeWidget *lsvMenu;
    QPushButton *cmdAdd;
    QPushButton *cmdDel;
    QPushButton *cmdReset;
    QPushButton *cmdNumChange;
    QPushButton *cmdMenuSet;
    // ---- pricing area
    QGroupBox *fraPrice;
    QLabel *lblNum;
    QLabel *lblpreTotal;
    QLabel *lblTax;
    QLabel *lblTotal;
    std::array<QLabel *, 2> lblPoi{};
    QPushButton *cmdPoi;
    QCheckBox *chkCoo;
    QComboBox *cboCoo;
    QLineEdit *txtHai;
    QPushButton *cmdHai;
    QCheckBox *chkTime;
    QDateTimeEdit *dtpTime;
    QComboBox *cboFun;
    QComboBox *cboStaff;
    QComboBox *cboSitei;
    QToolBar *tlbGo;
    QAction *tlbGoConfirm; // the toolbar's one button: the confirm button
    QToolButton *cmdGo;    // the widget of that button

    // Captions of the confirm button.
    static const QString kConfirmPrintCaption;
    static const QString kConfirmCaption;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    // layout (frmOrder_layout.cpp)
    void buildLayout();
    QGroupBox *buildPhoneSection();
    QGroupBox *buildCustomerSection();
    QGroupBox *buildMenuSection();
    QGroupBox *buildPriceSection();
    void connectSignals();

    // opening and activation (frmOrder.cpp)
    void openWindow();
    void onSubWindowActivated(QMdiSubWindow *window);
    void showCustomerState(int state);
    void clearCustomerFields();
    void showFields(const OrderCustomerFields &fields);
    OrderCustomerFields windowFields() const;
    // Pending lines before a new customer: true to go on, false when the caller stops here.
    bool handlePendingLines(bool clearSearchOnNo);
    void cmdNew_Click();
    void cmdChange_Click();
    void cmdOut_Click();
    void cmdBuilding_Click();
    void openCustomerSearch();
    void openChangeCalculator();

    // candidates and lines (frmOrder_menu.cpp)
    void cbo5g_Click();
    void showSearchPanel(int mode);
    void fillGroups();
    void lsvGroup_Click(QTreeWidgetItem *item);
    void addCandidate(const QString &name, const QString &kana, qint64 price);
    void updateAddButton();
    void lsvPick_DblClick();
    void cmdAdd_Click();
    void quickAdd(const QString &name, qint64 price);
    void openLineDialog(bool changeMode);
    void cmdDel_Click();
    void cmdReset_Click();
    void updateLineButtons();
    void sortByHeader(QTreeWidget *list, int column);
    void boardButtonPressed(int cell);
    void runKanaSearch();

    // pricing and order fields (frmOrder_price.cpp)
    void cmdHai_Click();
    void cboFun_Click();
    void fillStaff();
    void fillDeliverTo();
    void updateConfirmCaption();
    void showOnBoard(const QString &orderKey);
    bool checkLeftField(QWidget *field);
    void keepFocusIn(QWidget *field);

    AppData &m_data;
    QPointer<frmMain> m_frame;
    QPointer<QMdiSubWindow> m_subWindow;
    bool m_newCustomer = true;
    bool m_poiOn = false;
    bool m_reentry = false; // while RegiKeisan re-applies the point discount
    int m_searchMode = 0;
    int m_groupPos = 1;
    int m_boardCellNo = 0;
    int m_lastSearchLength = 0;
    QString m_siteiText;
    QStringList m_groupNames;
    bool m_checking = false;
    QWidget *m_enteredField = nullptr;
    int m_sortColumn[2] = {-1, -1};
    int m_sortOrder[2] = {0, 0};
};
