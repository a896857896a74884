#include "sales/ui/chartcriteriapanel.h"

#include "platform/ui/widgetnaming.h"
#include "store/preferences.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimeEdit>

namespace
{
const SettingValue<QString> *startPref(int slot)
{
    static const SettingValue<QString> *prefs[] = {nullptr, &Prefs::BandStart1, &Prefs::BandStart2, &Prefs::BandStart3};
    return prefs[slot];
}

const SettingValue<QString> *endPref(int slot)
{
    static const SettingValue<QString> *prefs[] = {nullptr, &Prefs::BandEnd1, &Prefs::BandEnd2, &Prefs::BandEnd3};
    return prefs[slot];
}

QDateEdit *datePicker(const QDate &today, const QString &name, const QString &caption, QWidget *parent)
{
    auto *d = named(new QDateEdit(today, parent), name, caption);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    return d;
}
} // namespace

ChartCriteriaPanel::ChartCriteriaPanel(const QStringList &years, const QDate &today, QWidget *parent) : QWidget(parent)
{
    sstSeach = named(new QTabWidget(this), "sstSeach", QStringLiteral("集計期間"));
    cboYear = named(new QComboBox, "cboYear");
    cboYear->addItems(years);
    for (int i = 0; i < 3; ++i)
        dtpDate[size_t(i)] = datePicker(today, QStringLiteral("dtpDate%1").arg(i),
                                        i == 0   ? QStringLiteral("集計開始日")
                                        : i == 1 ? QStringLiteral("集計終了日")
                                                 : QStringLiteral("集計日"),
                                        nullptr);
    sstSeach->addTab(buildMonthTab(), QStringLiteral("月単位で集計"));
    sstSeach->addTab(buildRangeTab(), QStringLiteral("特定期間で集計"));
    sstSeach->addTab(buildDayTab(), QStringLiteral("特定日で集計"));
    buildTimeGroup();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sstSeach, 3);
    layout->addWidget(fraTime, 2);
}

QWidget *ChartCriteriaPanel::buildMonthTab()
{
    auto *tab = new QWidget;
    auto *grid = new QGridLayout(tab);
    grid->addWidget(caption(QStringLiteral("集計年度："), cboYear, tab), 0, 0);
    grid->addWidget(cboYear, 0, 1);
    auto *months = new QWidget(tab);
    auto *row = new QHBoxLayout(months);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (int m = 1; m <= 12; ++m) {
        QCheckBox *box = named(new QCheckBox(QString::number(m), months), QStringLiteral("chkMonth%1").arg(m),
                               QStringLiteral("%1月").arg(m));
        box->installEventFilter(this);
        chkMonth[size_t(m)] = box;
        row->addWidget(box);
    }
    chkMonth[1]->setChecked(true);
    auto *monthCaption = new QLabel(QStringLiteral("集計月： （ドラッグで複数月の選択が可能）"), tab);
    grid->addWidget(monthCaption, 1, 0, 1, 3);
    grid->addWidget(months, 2, 0, 1, 3);
    cmdAll = named(new QPushButton(QStringLiteral("通年(&T)"), tab), "cmdAll");
    connect(cmdAll, &QPushButton::clicked, this, [this] {
        for (int m = 1; m <= 12; ++m)
            chkMonth[size_t(m)]->setChecked(true);
    });
    grid->addWidget(cmdAll, 0, 2, Qt::AlignRight);
    grid->setColumnStretch(1, 1);
    return tab;
}

QWidget *ChartCriteriaPanel::buildRangeTab()
{
    auto *tab = new QWidget;
    auto *row = new QHBoxLayout(tab);
    dtpDate[0]->setParent(tab);
    dtpDate[1]->setParent(tab);
    row->addWidget(dtpDate[0]);
    row->addWidget(new QLabel(QStringLiteral("～"), tab));
    row->addWidget(dtpDate[1]);
    row->addStretch();
    return tab;
}

QWidget *ChartCriteriaPanel::buildDayTab()
{
    auto *tab = new QWidget;
    auto *row = new QHBoxLayout(tab);
    dtpDate[2]->setParent(tab);
    row->addWidget(dtpDate[2]);
    row->addStretch();
    return tab;
}

void ChartCriteriaPanel::buildTimeGroup()
{
    fraTime = named(new QGroupBox(QStringLiteral("時間指定："), this), "fraTime");
    auto *grid = new QGridLayout(fraTime);
    grid->setVerticalSpacing(2);
    const QStringList captions = {QStringLiteral("終日"), QStringLiteral("指定時間１"), QStringLiteral("指定時間２"),
                                  QStringLiteral("指定時間３")};
    for (int i = 0; i < 4; ++i) {
        optTime[size_t(i)] = named(new QRadioButton(captions[i], fraTime), QStringLiteral("optTime%1").arg(i));
        grid->addWidget(optTime[size_t(i)], i, 0);
        connect(optTime[size_t(i)], &QRadioButton::toggled, this, [this] { enableSlots(); });
        if (i == 0)
            continue;
        QTimeEdit *&s = dtpTimeS[size_t(i)];
        QTimeEdit *&e = dtpTimeE[size_t(i)];
        s = named(new QTimeEdit(QTime(0, 0), fraTime), QStringLiteral("dtpTimeS%1").arg(i),
                  captions[i] + QStringLiteral("開始"));
        e = named(new QTimeEdit(QTime(0, 0), fraTime), QStringLiteral("dtpTimeE%1").arg(i),
                  captions[i] + QStringLiteral("終了"));
        s->setDisplayFormat(QStringLiteral("HH:mm"));
        e->setDisplayFormat(QStringLiteral("HH:mm"));
        // Start never passes end: moving one pulls the other along.
        connect(s, &QTimeEdit::timeChanged, e, [s, e] {
            if (s->time() > e->time())
                e->setTime(s->time());
        });
        connect(e, &QTimeEdit::timeChanged, s, [s, e] {
            if (e->time() < s->time())
                s->setTime(e->time());
        });
        grid->addWidget(s, i, 1);
        grid->addWidget(new QLabel(QStringLiteral("～"), fraTime), i, 2);
        grid->addWidget(e, i, 3);
    }
    grid->setColumnStretch(4, 1);
    optTime[0]->setChecked(true);
    enableSlots();
}

void ChartCriteriaPanel::enableSlots()
{
    for (int i = 1; i <= 3; ++i) {
        const bool on = optTime[size_t(i)]->isChecked();
        dtpTimeS[size_t(i)]->setEnabled(on);
        dtpTimeE[size_t(i)]->setEnabled(on);
    }
}

ChartPeriods ChartCriteriaPanel::Periods() const
{
    switch (sstSeach->currentIndex()) {
    case 0: {
        std::array<bool, 13> ticked{};
        for (int m = 1; m <= 12; ++m)
            ticked[size_t(m)] = chkMonth[size_t(m)]->isChecked();
        return ChartMonthPeriods(cboYear->currentText().left(4).toInt(), ticked);
    }
    case 1:
        return ChartRangePeriods(dtpDate[0]->date(), dtpDate[1]->date());
    default:
        return ChartRangePeriods(dtpDate[2]->date(), dtpDate[2]->date());
    }
}

ChartTimeRange ChartCriteriaPanel::TimeRange() const
{
    for (int i = 1; i <= 3; ++i)
        if (optTime[size_t(i)]->isChecked())
            return ChartSlot(dtpTimeS[size_t(i)]->time(), dtpTimeE[size_t(i)]->time());
    return ChartAllDay();
}

void ChartCriteriaPanel::LoadSlotTimes()
{
    for (int i = 1; i <= 3; ++i) {
        // The end first, so that a stored start later than the stored end pulls the end along.
        dtpTimeE[size_t(i)]->setTime(ChartSlotTimeFromText(endPref(i)->get()));
        dtpTimeS[size_t(i)]->setTime(ChartSlotTimeFromText(startPref(i)->get()));
    }
}

void ChartCriteriaPanel::SaveSlotTimes() const
{
    for (int i = 1; i <= 3; ++i) {
        startPref(i)->set(ChartSlotTimeText(dtpTimeS[size_t(i)]->time()));
        endPref(i)->set(ChartSlotTimeText(dtpTimeE[size_t(i)]->time()));
    }
}

QCheckBox *ChartCriteriaPanel::monthAt(const QPoint &globalPos) const
{
    for (int m = 1; m <= 12; ++m) {
        QCheckBox *box = chkMonth[size_t(m)];
        if (box->rect().contains(box->mapFromGlobal(globalPos)))
            return box;
    }
    return nullptr;
}

// Pressing a month clears the others and starts a drag; every month the drag passes is ticked.
bool ChartCriteriaPanel::eventFilter(QObject *watched, QEvent *event)
{
    auto *box = qobject_cast<QCheckBox *>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            break;
        for (int m = 1; m <= 12; ++m)
            chkMonth[size_t(m)]->setChecked(false);
        box->setChecked(true);
        m_dragging = true;
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            if (QCheckBox *over = monthAt(static_cast<QMouseEvent *>(event)->globalPosition().toPoint()))
                over->setChecked(true);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging) {
            m_dragging = false;
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
