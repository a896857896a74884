#include "board/ui/frmShinko.h"

#include "board/progress.h"
#include "board/ui/progressindicator.h"
#include "platform/clock.h"
#include "platform/prompt.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"
#include "store/appdata.h"
#include "store/helpers.h"
#include "store/oledate.h"
#include "store/preferences.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString kSaveTitle = QStringLiteral("保存確認");
const QString kSaveQuestion = QStringLiteral("出前状況が変更されています。保存しますか？");
const QString kStaffCaption = QStringLiteral("担当：");

// Selects the entry equal to `name`; false (selection unchanged) when there is none.
bool SelectName(QComboBox *box, const QString &name)
{
    if (name.isEmpty())
        return false;
    const int i = box->findText(name, Qt::MatchExactly);
    if (i < 0)
        return false;
    box->setCurrentIndex(i);
    return true;
}

} // namespace

frmShinko::frmShinko(AppData &data, const SalesRecord &sale, int salePos, const QString &customerName,
                     const QString &orderTaker, QWidget *parent)
    : QDialog(parent), m_data(data), m_orderTaker(orderTaker), m_mode(Prefs::ProgressMode.get()), m_edited(sale),
      m_salePos(salePos)
{
    named(this, "frmShinko");
    setWindowTitle(QStringLiteral("出前状況入力 - [ ") + customerName + QStringLiteral(" 様]"));
    buildLayout();
    lblTaker->setText(orderTaker);
    fillStaffBoxes();
    ShowStep();
    preselectStaff();
    m_changed = false;
}

void frmShinko::buildLayout()
{
    const QStringList captions = {QStringLiteral("注文受付"), QStringLiteral("出前出発"), QStringLiteral("出前完了"),
                                  QStringLiteral("容器回収完了")};
    for (int i = 0; i < 4; ++i)
        fraStep[size_t(i)] = named(new QGroupBox(captions[i]), QStringLiteral("fraStep%1").arg(i));

    lblTaker = named(new QLabel, QStringLiteral("lblTaker"));
    cmdStep1 = named(new QPushButton(QStringLiteral("出前出発(&S)")), QStringLiteral("cmdStep1"));
    cmdStep2 = named(new QPushButton(QStringLiteral("出前完了(&E)")), QStringLiteral("cmdStep2"));
    cmdStep3 = named(new QPushButton(QStringLiteral("回収完了(&K)")), QStringLiteral("cmdStep3"));
    cboStaff1 = named(new QComboBox, QStringLiteral("cboStaff1"));
    cboStaff3 = named(new QComboBox, QStringLiteral("cboStaff3"));
    lblStaff2 = named(new QLabel, QStringLiteral("lblStaff2"));
    cmdAll = named(new QPushButton(QStringLiteral("すべて完了にする(&A)")), QStringLiteral("cmdAll"));
    cmdBack = named(new QPushButton(QStringLiteral("状況を一つ前に戻す(&R)")), QStringLiteral("cmdBack"));
    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    picProgress = named(new ProgressIndicator, QStringLiteral("picProgress"));

    // Every frame has the same two columns (step button, then "担当：" and the name), so the
    // names line up from frame to frame.
    QPushButton *const stepButtons[4] = {nullptr, cmdStep1, cmdStep2, cmdStep3};
    QWidget *const names[4] = {lblTaker, cboStaff1, lblStaff2, cboStaff3};
    const int buttonWidth = cmdStep1->sizeHint().width() + 16;
    for (int i = 0; i < 4; ++i) {
        auto *row = new QGridLayout(fraStep[size_t(i)]);
        row->setColumnMinimumWidth(0, buttonWidth);
        row->setColumnStretch(3, 1);
        if (stepButtons[i]) {
            stepButtons[i]->setMinimumWidth(buttonWidth);
            row->addWidget(stepButtons[i], 0, 0);
        }
        // The staff lists are named by their step, since every frame's caption reads "担当：".
        if (auto *box = qobject_cast<QComboBox *>(names[i])) {
            box->setAccessibleName(SpokenCaption(captions[i] + kStaffCaption));
            row->addWidget(caption(kStaffCaption, box), 0, 1);
            box->setMinimumWidth(140);
        } else {
            row->addWidget(new QLabel(kStaffCaption), 0, 1);
            names[i]->setMinimumWidth(140);
        }
        row->addWidget(names[i], 0, 2);
        fraStep[size_t(i)]->setMinimumHeight(cmdStep1->sizeHint().height() + 34);
    }

    auto *frames = new QVBoxLayout;
    for (QGroupBox *frame : fraStep)
        frames->addWidget(frame);
    auto *upper = new QHBoxLayout;
    upper->addLayout(frames, 1);
    upper->addWidget(picProgress);

    auto *stepRow = new QHBoxLayout;
    stepRow->addWidget(cmdAll);
    stepRow->addWidget(cmdBack);
    stepRow->addStretch(1);

    auto *main = new QVBoxLayout(this);
    main->addLayout(upper, 1);
    main->addLayout(stepRow);
    main->addSpacing(6);
    main->addLayout(buttons.layout);

    connect(cmdStep1, &QPushButton::clicked, this, [this] { cmdStep_Click(1); });
    connect(cmdStep2, &QPushButton::clicked, this, [this] { cmdStep_Click(2); });
    connect(cmdStep3, &QPushButton::clicked, this, [this] { cmdStep_Click(3); });
    connect(cmdAll, &QPushButton::clicked, this, [this] { cmdStep_Click(kStepAll); });
    connect(cmdBack, &QPushButton::clicked, this, &frmShinko::cmdBack_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmShinko::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmShinko::reject);
    // The person who left is the person who delivers.
    connect(cboStaff1, &QComboBox::currentTextChanged, lblStaff2, &QLabel::setText);
}

void frmShinko::fillStaffBoxes()
{
    const QStringList &staff = m_data.settings.StaffList;
    for (qsizetype i = 1; i < staff.size() && !staff[i].isEmpty(); ++i) {
        cboStaff1->addItem(staff[i]);
        cboStaff3->addItem(staff[i]);
    }
    SelectName(cboStaff1, m_orderTaker);
    SelectName(cboStaff3, m_orderTaker);
    lblStaff2->setText(cboStaff1->currentText());
}

void frmShinko::preselectStaff()
{
    if (!SelectName(cboStaff1, TrimField(m_edited.DeliveryStaff)) &&
        !SelectName(cboStaff1, Prefs::DepartureStaff.get()))
        SelectName(cboStaff1, m_orderTaker);
    if (!SelectName(cboStaff3, TrimField(m_edited.CollectStaff)) &&
        !SelectName(cboStaff3, Prefs::CollectionStaff.get()))
        SelectName(cboStaff3, m_orderTaker);
}

void frmShinko::ShowStep()
{
    const int status = m_edited.Status;
    cmdStep1->setEnabled(status == 1);
    cboStaff1->setEnabled(status == 1);
    cmdStep2->setEnabled(status == 2);
    cmdStep3->setEnabled(status == 3);
    cboStaff3->setEnabled(status == 3);
    // A complete order has nothing left to complete; pressing it would only overwrite the
    // recorded step times with the present moment.
    cmdAll->setEnabled(status != 0);
    cmdBack->setEnabled(status != 1);
    picProgress->setStatus(status);
}

void frmShinko::cmdStep_Click(int step)
{
    const ProgressStaff staff{cboStaff1->currentText(), cboStaff3->currentText(), m_orderTaker};
    ApplyProgressStep(m_edited, step, staff, m_mode, ToOleDate(Clock::Now()));
    if (step == 1)
        Prefs::DepartureStaff.set(cboStaff1->currentText());
    else if (step == 3)
        Prefs::CollectionStaff.set(cboStaff3->currentText());
    ShowStep();
    m_changed = true;
}

void frmShinko::cmdBack_Click()
{
    StepProgressBack(m_edited, m_mode);
    ShowStep();
    m_changed = true;
}

void frmShinko::cmdOK_Click()
{
    // A failed write has shown its error box; the dialog closes all the same.
    SaveProgress(m_data.records, m_salePos, m_edited, ToOleDate(Clock::Now()));
    m_changed = false;
    accept();
}

void frmShinko::reject()
{
    if (!m_changed) {
        QDialog::reject();
        return;
    }
    switch (AskYesNoCancel(kSaveTitle, kSaveQuestion, PromptIcon::Warning)) {
    case PromptAnswer::Yes:
        cmdOK_Click();
        break;
    case PromptAnswer::No:
        m_changed = false;
        QDialog::reject();
        break;
    default:
        break;
    }
}
