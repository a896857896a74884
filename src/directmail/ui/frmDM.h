#pragma once
// The direct-mail window: customers chosen by target and conditions, their address labels and
// a CSV export, and the history of mailings.
#include "directmail/dmselection.h"
#include "platform/ui/refreshable.h"
#include "store/recordstore.h"
#include "store/settingtables.h"
#include "store/sortkind.h"

#include <QSet>
#include <QWidget>

#include <memory>

class DmResultModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTreeView;
class QTreeWidget;
struct AppData;

class frmDM : public QWidget, public Refreshable
{
    Q_OBJECT
  public:
    // Reads the customer snapshot at once; `progress` shows how far (the frame's progress bar).
    explicit frmDM(AppData &data, const ProgressFn &progress = {}, QWidget *parent = nullptr);
    ~frmDM() override;

    // Drops from the result list the customers who declined mail since the last refresh.
    void Re_view() override;

    void cmdPic_Click();      // 抽出
    void cmdCustView_Click(); // 顧客詳細
    void cmdPreview_Click();  // プレビュー
    void cmdPrint_Click();    // 宛名印刷
    void cmdRegist_Click();   // 履歴に登録
    void cmdEx_Click();       // 顧客リストのエクスポート
    void cmdPaper_Click();    // 用紙設定
    void cmdDelSelected_Click();
    void cmdDelAll_Click();

    // The conditions as the controls show them.
    DmConditions Conditions() const;
    int ResultCount() const;
    QStringList ResultRowTexts(int row) const;
    int HistoryCount() const;
    QStringList HistoryRowTexts(int row) const;
    int SnapshotSize() const;

    QTabWidget *tabMain = nullptr;
    QComboBox *cboTar = nullptr;
    QComboBox *cboMoku = nullptr;
    QGroupBox *fraCon = nullptr;
    QRadioButton *optPic[2] = {}; // "条件", "すべて"
    QCheckBox *chkCon[3] = {};    // first use, last use, use count
    QDateEdit *dtpFirst = nullptr;
    QComboBox *cboFirst = nullptr;
    QDateEdit *dtpLast = nullptr;
    QComboBox *cboLast = nullptr;
    QComboBox *cboKaisu = nullptr;
    QComboBox *cboNum = nullptr;
    QPushButton *cmdPic = nullptr;
    QTreeView *lsvList = nullptr;
    QLabel *lblNum = nullptr;
    QPushButton *cmdCustView = nullptr;
    QPushButton *cmdGo[2] = {}; // "プレビュー(&V)", "宛名印刷(&P)"
    QPushButton *cmdRegist = nullptr;
    QPushButton *cmdEx = nullptr;
    QPushButton *cmdPaper = nullptr;
    QTreeWidget *lsvRireki = nullptr;
    QPushButton *cmdDel[2] = {}; // "選択した履歴を削除(&D)", "すべての履歴削除(&A)"

  public slots:
    // A customer window saved this customer with direct mail "しない".
    void DirectMailDeclined(const QString &customerId);

  protected:
    void closeEvent(QCloseEvent *event) override;

  private:
    QWidget *buildPickTab();
    QWidget *buildConditionFrame();
    QWidget *buildHistoryTab();
    void applyTarget(int target);
    void updateConditionControls();
    void updateResultButtons();
    void updateHistoryButtons();
    void addHistoryRow(const DmHistoryEntry &entry);
    void sortHistory(int column);
    std::vector<CustomerRecord> resultCustomers();
    void previewOrPrint(bool preview);

    AppData &m_data;
    DmResultModel *m_model = nullptr;
    std::vector<DmHistoryEntry> m_history; // rows point here by position
    QSet<qint32> m_declined;               // to leave the list at the next refresh
    QSet<qint32> m_declinedEver;           // kept out of later extractions
    int m_historySortColumn = -1;
    SortOrder m_historyOrder = SortOrder::Ascending;
    bool m_closed = false;
};
