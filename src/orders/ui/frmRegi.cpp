#include "orders/ui/frmRegi.h"
#include "platform/ui/widgetnaming.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QLabel *amountLabel(const char *name)
{
    auto *l = named(new QLabel, name);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(140);
    l->setMinimumHeight(30);
    QFont f = l->font();
    f.setPointSizeF(f.pointSizeF() * 1.5);
    f.setBold(true);
    l->setFont(f);
    return l;
}

QPushButton *calcButton(const QString &text, const QString &name)
{
    auto *b = named(new QPushButton(text), name);
    // The window keeps the keyboard focus so that it sees every key first.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->setMinimumSize(48, 36);
    return b;
}

} // namespace

frmRegi::frmRegi(const QString &totalText, QWidget *parent) : QDialog(parent), m_calc(totalText.mid(1))
{
    named(this, "frmRegi");
    setWindowTitle(QStringLiteral("お釣り計算機"));

    lblDai = amountLabel("lblDai");
    lblIn = amountLabel("lblIn");
    lblBack = amountLabel("lblBack");

    auto *amounts = new QGridLayout;
    const auto addRow = [&](int row, const QString &caption, QLabel *value) {
        amounts->addWidget(::caption(caption, value), row, 0);
        amounts->addWidget(value, row, 1);
        amounts->addWidget(new QLabel(QStringLiteral("円")), row, 2);
    };
    addRow(0, QStringLiteral("商品代金："), lblDai);
    addRow(1, QStringLiteral("お預かり："), lblIn);
    addRow(2, QStringLiteral("お釣り："), lblBack);

    for (int i = 0; i <= 9; ++i)
        cmdNum[size_t(i)] = calcButton(QString::number(i), QStringLiteral("cmdNum%1").arg(i));
    cmdNum[10] = calcButton(QStringLiteral("00"), QStringLiteral("cmdNum10"));
    cmdBack = calcButton(QStringLiteral("Back"), QStringLiteral("cmdBack"));
    cmdClear = calcButton(QStringLiteral("Clear"), QStringLiteral("cmdClear"));
    cmdGo = calcButton(QStringLiteral("＝"), QStringLiteral("cmdGo"));
    cmdCancel = calcButton(QStringLiteral("閉じる"), QStringLiteral("cmdCancel"));
    // "＝" hands the focus to "閉じる", so that one can take it.
    cmdCancel->setFocusPolicy(Qt::StrongFocus);
    cmdCancel->installEventFilter(this);

    // A till keypad: 7 8 9 / 4 5 6 / 1 2 3 / 0 00, with the commands on the right.
    auto *keys = new QGridLayout;
    const int order[9] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    for (int i = 0; i < 9; ++i)
        keys->addWidget(cmdNum[size_t(order[i])], i / 3, i % 3);
    keys->addWidget(cmdNum[0], 3, 0);
    keys->addWidget(cmdNum[10], 3, 1);
    keys->addWidget(cmdBack, 0, 3);
    keys->addWidget(cmdClear, 1, 3);
    keys->addWidget(cmdGo, 2, 3, 2, 1);
    cmdGo->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    keys->addWidget(cmdCancel, 3, 2);

    auto *top = new QVBoxLayout(this);
    top->addLayout(amounts);
    top->addSpacing(8);
    top->addLayout(keys);
    setLayout(top);

    for (int i = 0; i <= 10; ++i)
        connect(cmdNum[size_t(i)], &QPushButton::clicked, this, [this, i] { cmdNum_Click(i); });
    connect(cmdBack, &QPushButton::clicked, this, &frmRegi::cmdBack_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmRegi::cmdClear_Click);
    connect(cmdGo, &QPushButton::clicked, this, &frmRegi::cmdGo_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);

    setFocusPolicy(Qt::StrongFocus);
    setFocus();
    showAmounts();
}

void frmRegi::showAmounts()
{
    lblDai->setText(m_calc.Price());
    lblIn->setText(m_calc.Tendered());
    lblBack->setText(m_calc.Change());
}

void frmRegi::cmdNum_Click(int index)
{
    if (index == 10)
        m_calc.DoubleZero();
    else
        m_calc.Digit(index);
    showAmounts();
}

void frmRegi::cmdBack_Click()
{
    m_calc.Back();
    showAmounts();
}

void frmRegi::cmdClear_Click()
{
    m_calc.Clear();
    showAmounts();
}

void frmRegi::cmdGo_Click()
{
    m_calc.Compute();
    showAmounts();
    cmdCancel->setFocus();
}

bool frmRegi::handleKey(QKeyEvent *event)
{
    const int key = event->key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        cmdNum_Click(key - Qt::Key_0);
        return true;
    }
    switch (key) {
    case Qt::Key_Delete:
        cmdClear_Click();
        return true;
    case Qt::Key_Backspace:
        cmdBack_Click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdGo_Click();
        return true;
    case Qt::Key_Comma:
    case Qt::Key_Period:
        // The keypad's separator key (a comma, or its decimal key where that is the separator)
        // sits beside Enter; the main keyboard's comma and full stop mean nothing here.
        if (!(event->modifiers() & Qt::KeypadModifier))
            return false;
        cmdGo_Click();
        return true;
    default:
        return false;
    }
}

void frmRegi::keyPressEvent(QKeyEvent *event)
{
    if (!handleKey(event))
        QDialog::keyPressEvent(event);
}

bool frmRegi::eventFilter(QObject *watched, QEvent *event)
{
    // The calculator's keys reach it even while "閉じる" has the focus.
    if (watched == cmdCancel && event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent *>(event)))
        return true;
    return QDialog::eventFilter(watched, event);
}
