#pragma once
// The order window: a telephone order from the caller's number to the stored sale. Three
// numbered sections (phone, customer, menu) and the pricing area; mostly driven by keyboard.
#include "orders/ordercustomer.h"
#include "orders/ui/ordermenuarea.h"
#include "platform/ui/refreshable.h"

#include <QWidget>

#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class CallerCardPanel;
class KanaKeyboard;
class LeaveFieldCheck;
class MenuBoardPanel;
struct OrderCustomerFields;
struct AppData;

class frmOrder : public QWidget, public Refreshable, public OrderMenuArea
{
    Q_OBJECT
  public:
    explicit frmOrder(AppData &data, QWidget *parent = nullptr);
    ~frmOrder() override;

    // ---- public operations
    void cmdCheck_Click();
    void Re_view() override;
    // Switched to from another child window (or just opened): a typed number is checked.
    void ActivatedAfterOtherChild() override;
    void RegiKeisan();
    void Wari_view();
    void cmdPoi_Click();
    void Menu_enabled(bool on);
    void Menu_enabled2(bool on);
    // The whole confirmation; true when the order was stored.
    bool ConfirmOrder();

    // ---- OrderWindowHost
    void LinesChanged() override;

    // A number from caller ID or its history enters the phone field: a number runs the customer
    // check, anything else (a word such as "番号非通知", or nothing) resets the window for typing.
    void TakeCallerNumber(const QString &number);
    // The caller-ID buttons follow the caller-ID mode of the settings; "▼" also stays off while
    // the history list is open.
    void UpdateCallerIdButtons();
    void SetHistoryOpen(bool open);
    // "前回と同じ": the lines of the caller's last completed order join the order.
    void cmdRepeat_Click();

    bool IsNewCustomer() const { return m_newCustomer; }
    // The customer the window takes the order for (Pos -1 while there is none).
    const OrderCustomer &Customer() const { return m_customer; }

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
    // ---- the caller card
    CallerCardPanel *fraCard;
    // ---- section 3 and the pricing area: OrderMenuArea
    QToolBar *tlbGo;
    QAction *tlbGoConfirm; // the toolbar's one button: the confirm button
    QToolButton *cmdGo;    // the widget of that button

    // Captions of the confirm button.
    static const QString kConfirmPrintCaption;
    static const QString kConfirmCaption;

  signals:
    // A confirmed order reached the sales file; the window closes right after.
    void orderStored(const QString &orderKey);
    // "ﾒﾆｭｰ設定(&M)": the menu catalogue is to be opened; the candidates follow on the next refresh.
    void menuSettingsRequested();
    // The caller-ID buttons: "自動入力（CTI）(&T)", the save button beside it, and "▼".
    void ctiRequested();
    void ctiSaveRequested();
    void historyRequested();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

  private:
    // layout (frmOrder_layout.cpp)
    void buildLayout();
    QGroupBox *buildPhoneSection();
    QGroupBox *buildCustomerSection();
    QGroupBox *buildMenuSection();
    QGroupBox *buildPriceSection();
    void connectSignals();
    // Wide or compact (a narrow frame): chosen by the width the window gets.
    void placeAll(bool compact);
    void measureLayouts();

    // opening and activation (frmOrder.cpp)
    void openWindow();
    void showCustomerState(int state);
    void clearCustomerFields();
    void resetForManualEntry();
    void showCallerCard();
    void showFields(const OrderCustomerFields &fields);
    OrderCustomerFields windowFields() const;
    // Pending lines before a new customer: true to go on, false when the caller stops here.
    bool handlePendingLines(bool clearSearchOnNo);
    void cmdNew_Click();
    void cmdChange_Click();
    void cmdCust_Click();
    void cmdOut_Click();
    void cmdBuilding_Click();
    void updateZipButton();
    void openCustomerSearch();
    void openChangeCalculator();

    // candidates, lines and pricing (frmOrder_menu.cpp, frmOrder_price.cpp)
    QWidget *areaWindow() override { return this; }
    void LinesRemoved() override;
    void cbo5g_Click();
    void updateLineButtons();
    void updateConfirmCaption();
    void keepFocusIn(QWidget *field) override;

    OrderCustomer m_customer;
    QSize m_wideMinimum;
    bool m_measuredShown = false;
    bool m_newCustomer = true;
    bool m_historyOpen = false;
    bool m_reentry = false; // while RegiKeisan re-applies the point discount
    LeaveFieldCheck *m_fieldCheck = nullptr;
};
