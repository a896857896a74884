#pragma once
// The period and time-of-day criteria of the sales charts: a year with a run of months, a
// period, or a single day; all day or one of three time slots kept in the preferences.
#include "sales/chartcriteria.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTimeEdit;

class ChartCriteriaPanel : public QWidget
{
    Q_OBJECT
  public:
    // `years` as the year list shows them; the pickers start at `today`.
    ChartCriteriaPanel(const QStringList &years, const QDate &today, QWidget *parent = nullptr);

    ChartPeriods Periods() const;
    ChartTimeRange TimeRange() const;
    // The six slot times: read from the preferences, written back.
    void LoadSlotTimes();
    void SaveSlotTimes() const;

    QTabWidget *sstSeach;
    QComboBox *cboYear;
    std::array<QCheckBox *, 13> chkMonth{}; // 1..12
    QPushButton *cmdAll;
    std::array<QDateEdit *, 3> dtpDate{};
    QGroupBox *fraTime;
    std::array<QRadioButton *, 4> optTime{}; // 0 all day, 1..3 the slots
    std::array<QTimeEdit *, 4> dtpTimeS{};   // 1..3
    std::array<QTimeEdit *, 4> dtpTimeE{};   // 1..3

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    QWidget *buildMonthTab();
    QWidget *buildRangeTab();
    QWidget *buildDayTab();
    void buildTimeGroup();
    void enableSlots();
    QCheckBox *monthAt(const QPoint &globalPos) const;

    bool m_dragging = false;
};
