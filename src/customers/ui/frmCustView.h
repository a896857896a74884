#pragma once
// The customer search window: customers found by the first digits of their phone number, the
// first kana of their name (typed or tapped on the kana keypad) or their customer number, and
// from the list the customer's detail window or the deletion of the customer.
#include "platform/ui/refreshable.h"
#include "store/sortkind.h"

#include <QWidget>

#include <functional>

class CustomerHitModel;
class KanaKeypad;
class LeaveFieldCheck;
class QAction;
class QGroupBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QToolBar;
class QTreeView;
struct AppData;
struct CustomerHit;

class frmCustView : public QWidget, public Refreshable
{
    Q_OBJECT
  public:
    explicit frmCustView(AppData &data, QWidget *parent = nullptr);
    ~frmCustView() override;

    // The selected row's phone and name brought up to date from the customer index (after the
    // detail window saved them), without searching again.
    void Re_view() override;

    // Opens the detail window for the customer at this customer index position. The detail
    // command is offered only while this is set and the list has rows.
    std::function<void(int customerPos)> openDetail;

    // The commands as the menu, the pop-up, the tool bar and the buttons run them.
    void mnuDetail_Click();
    void mnuReset_Click();
    void mnuDel_Click();
    void cmdIDSearch_Click();

    // The listed row that the commands act on; nullptr when the list is empty.
    const CustomerHit *SelectedHit() const;
    int RowCount() const;

    // ---- controls
    QMenuBar *mnuBar;
    QMenu *mnuKensaku;
    QAction *mnuDetail;
    QAction *mnuReset;
    QAction *mnuDel;
    QMenu *mnuPopup;
    QToolBar *tlbCustView;
    QAction *tlbDetail;
    QAction *tlbReset;
    QAction *tlbDel;
    QGroupBox *fraTel;
    QLineEdit *txtTelSearch;
    QPushButton *cmdTelClear;
    QGroupBox *fraMoji;
    QLineEdit *txtMojiSearch;
    QPushButton *cmdMojiClear;
    KanaKeypad *cmd50;
    QGroupBox *fraID;
    QLineEdit *txtIDSearch;
    QPushButton *cmdIDSearch;
    QTreeView *lsvCust;

  protected:
    // Windows set after construction are offered as soon as the list shows.
    void showEvent(QShowEvent *event) override;

  private:
    void buildMenus();
    QWidget *buildSearchFrames();
    void telSearch();
    void nameSearch();
    // Lists `hits` in the current sort order with the first row selected.
    void showHits(std::vector<CustomerHit> hits);
    void headerClicked(int column);
    void selectRow(int row);
    void updateCommands();
    QString areaCode() const;

    AppData &m_data;
    CustomerHitModel *m_model;
    LeaveFieldCheck *m_fieldCheck;
    int m_sortColumn = 0;
    SortOrder m_sortOrder = SortOrder::Ascending;
    bool m_shown = false;
};
