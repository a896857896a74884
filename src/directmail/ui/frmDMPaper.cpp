#include "directmail/ui/frmDMPaper.h"

#include "directmail/dmpaper.h"
#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/widgetnaming.h"
#include "store/ui/fieldcheck.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

bool ShowRefusals(const std::vector<DmPaperRefusal> &refusals)
{
    for (const DmPaperRefusal &r : refusals)
        ShowWarning(r.title, r.text);
    return refusals.empty();
}

} // namespace

frmDMPaper::frmDMPaper(QWidget *parent) : QDialog(parent)
{
    named(this, "frmDMPaper");
    setWindowTitle(QStringLiteral("宛名用紙設定"));
    setModal(true);

    fraPaper = named(new QGroupBox(QStringLiteral("用紙設定　（A4横３列の用紙を使用して下さい）"), this), "fraPaper");
    auto *grid = new QGridLayout(fraPaper);
    const QString captions[5] = {QStringLiteral("①上マージン："), QStringLiteral("②左マージン："),
                                 QStringLiteral("③ラベルの幅："), QStringLiteral("④ラベルの高さ："),
                                 QStringLiteral("⑤ラベル枚数（横×縦）：")};
    m_check = new LeaveFieldCheck(this);
    for (int i = 0; i < 5; ++i) {
        txtA[i] = named(new QLineEdit(fraPaper), QStringLiteral("txtA%1").arg(i));
        txtA[i]->setMaximumWidth(80);
        txtA[i]->setAlignment(Qt::AlignRight);
        grid->addWidget(caption(captions[i], txtA[i], fraPaper), i, 0);
        if (i == 4) {
            grid->addWidget(new QLabel(QStringLiteral("3 ×"), fraPaper), i, 1, Qt::AlignRight);
            grid->addWidget(txtA[i], i, 2);
            grid->addWidget(new QLabel(QStringLiteral("（横枚数は変更不可）"), fraPaper), i, 3);
        } else {
            grid->addWidget(txtA[i], i, 2);
            grid->addWidget(new QLabel(QStringLiteral("（単位：mm）"), fraPaper), i, 3);
        }
        m_check->watch(txtA[i], [i](const QString &text) { return ShowRefusals(CheckDmPaperField(i, text)); });
    }
    grid->addWidget(new QLabel(QStringLiteral("エーワン：28315（A4判 21面(3列7段) 64×33.9mm）"), fraPaper), 5, 0, 1, 4);
    cmdAone = named(new QPushButton(QStringLiteral("初期設定に戻す(&D)"), fraPaper), "cmdAone",
                    QStringLiteral("初期設定に戻す(&D)"));
    grid->addWidget(cmdAone, 6, 0, 1, 4, Qt::AlignRight);

    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK", QStringLiteral("OK"));
    cmdApply = named(new QPushButton(QStringLiteral("適用(&A)"), this), "cmdApply", QStringLiteral("適用(&A)"));
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel", QStringLiteral("ｷｬﾝｾﾙ"));
    cmdOK->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdApply);
    buttons->addWidget(cmdCancel);
    auto *main = new QVBoxLayout(this);
    main->addWidget(fraPaper);
    main->addLayout(buttons);

    const DmPaperTexts texts = ReadDmPaperTexts();
    for (int i = 0; i < 5; ++i) {
        txtA[i]->setText(texts[size_t(i)]);
        connect(txtA[i], &QLineEdit::textEdited, this, [this] { cmdApply->setEnabled(true); });
    }
    cmdApply->setEnabled(false);
    connect(cmdAone, &QPushButton::clicked, this, &frmDMPaper::cmdAone_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmDMPaper::cmdOK_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmDMPaper::cmdApply_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmDMPaper::reject);
}

void frmDMPaper::cmdAone_Click()
{
    const DmPaperTexts texts = DefaultDmPaperTexts();
    for (int i = 0; i < 5; ++i)
        txtA[i]->setText(texts[size_t(i)]);
    cmdApply->setEnabled(true);
}

bool frmDMPaper::cmdApply_Click()
{
    // A click need not take the focus: the field being typed in is checked as if left.
    if (!m_check->checkFocusedField())
        return false;
    DmPaperTexts texts;
    for (int i = 0; i < 5; ++i)
        texts[size_t(i)] = txtA[i]->text();
    if (!ShowRefusals(CheckDmPaperSheet(texts)))
        return false;
    StoreDmPaperTexts(texts);
    cmdApply->setEnabled(false);
    return true;
}

void frmDMPaper::cmdOK_Click()
{
    if (cmdApply_Click())
        done(QDialog::Accepted);
}

void frmDMPaper::reject()
{
    CloseWithSaveQuestion(*this, cmdApply->isEnabled(), QStringLiteral("用紙設定"),
                          [this] { return cmdApply_Click(); });
}
