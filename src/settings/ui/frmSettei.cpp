#include "settings/ui/frmSettei.h"

#include "platform/prompt.h"
#include "platform/ui/savequestion.h"
#include "platform/shell.h"
#include "platform/ui/buttonrow.h"
#include "platform/ui/widgetnaming.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace
{
constexpr int kHelpTopic = 160;

const char *const kOptionNames[DetailOptions::Count] = {"optOrder", "optMenu", "optShinko", "optPrint", "optNohin"};
} // namespace

frmSettei::frmSettei(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSettei"));
    setWindowTitle(QStringLiteral("詳細設定"));
    setModal(true);

    using O = DetailOptions;
    fraOrder =
        optionGroup(O::Order, QStringLiteral("[注文確定]ボタンクリック時の処理："), "fraOrder",
                    {QStringLiteral("注文確定のみ（初期値）(&O)"), QStringLiteral("注文確定と納品書の印刷を行う(&P)")});
    fraMenu = optionGroup(O::Menu, QStringLiteral("注文時のメニューリストをダブルクリックした時の処理："), "fraMenu",
                          {QStringLiteral("オプション入力画面を表示（初期値）(&V)"),
                           QStringLiteral("オプション入力画面を表示しない(&D)")},
                          QStringLiteral("（数量1で注文リストに直接追加されます）"));
    fraShinko = optionGroup(O::Shinko, QStringLiteral("配達進行状況の設定："), "fraShinko",
                            {QStringLiteral("通常（初期値）(&N)"), QStringLiteral("容器回収を行わない(&Y)"),
                             QStringLiteral("注文確定時に完了にする(&A)")});
    fraNohin = optionGroup(O::Nohin, QStringLiteral("納品書の形式："), "fraNohin",
                           {QStringLiteral("A5縦（文字大）（初期値）(&S)"),
                            QStringLiteral("A5横（文字小、店舗控・配達控・お客様用3分割）(&W)")});
    fraPrint = optionGroup(O::Print, QStringLiteral("納品書印刷時のプリンター設定ダイアログ："), "fraPrint",
                           {QStringLiteral("表示させる（初期値）(&T)"), QStringLiteral("表示させない(&F)")});
    const auto copy = [this](auto &members, O::Option option) {
        for (std::size_t i = 0; i < members.size(); ++i)
            members[i] = m_choices[option][i];
    };
    copy(optOrder, O::Order);
    copy(optMenu, O::Menu);
    copy(optShinko, O::Shinko);
    copy(optPrint, O::Print);
    copy(optNohin, O::Nohin);

    const auto page = [](const char *name, std::initializer_list<QGroupBox *> groups) {
        auto *w = named(new QWidget, name);
        auto *layout = new QVBoxLayout(w);
        for (QGroupBox *g : groups)
            layout->addWidget(g);
        layout->addStretch(1);
        return w;
    };
    tabSettei = named(new QTabWidget, "tabSettei", QStringLiteral("詳細設定"));
    tabSettei->addTab(page("pageOrder", {fraOrder, fraMenu}), QStringLiteral("注文受付"));
    tabSettei->addTab(page("pageShinko", {fraShinko}), QStringLiteral("進捗管理"));
    tabSettei->addTab(page("pagePrint", {fraNohin, fraPrint}), QStringLiteral("印刷"));

    cmdHelp = named(new QPushButton(QStringLiteral("ﾍﾙﾌﾟ(&H)"), this), "cmdHelp");
    const ButtonRow buttons = OkCancelRow(this);
    cmdOK = buttons.ok;
    cmdCancel = buttons.cancel;
    cmdApply = named(new QPushButton(QStringLiteral("適用(&A)"), this), "cmdApply");
    buttons.layout->insertWidget(0, cmdHelp);
    buttons.layout->addWidget(cmdApply);
    for (QPushButton *b : {cmdHelp, cmdOK, cmdApply, cmdCancel})
        b->setMinimumWidth(88);

    auto *root = new QVBoxLayout(this);
    root->addWidget(tabSettei);
    root->addLayout(buttons.layout);

    const DetailOptions stored = DetailOptions::Load();
    for (int o = 0; o < O::Count; ++o) {
        const auto &choices = m_choices[o];
        const int index = stored.choice[o] >= 0 && stored.choice[o] < int(choices.size()) ? stored.choice[o] : 0;
        choices[index]->setChecked(true);
    }
    cmdApply->setEnabled(false);
    // Connected after the stored choices are shown, so only the staff's choices count as changes.
    for (const auto &choices : m_choices)
        for (QRadioButton *r : choices)
            connect(r, &QRadioButton::toggled, this, [this] { cmdApply->setEnabled(true); });

    connect(cmdHelp, &QPushButton::clicked, this, [] { OpenHelp(kHelpTopic); });
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        SaveOptions();
        accept();
    });
    connect(cmdApply, &QPushButton::clicked, this, &frmSettei::SaveOptions);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSettei::reject);
}

QGroupBox *frmSettei::optionGroup(DetailOptions::Option option, const QString &caption, const char *name,
                                  std::initializer_list<QString> choices, const QString &note)
{
    auto *box = named(new QGroupBox(caption), name);
    auto *layout = new QVBoxLayout(box);
    auto *group = new QButtonGroup(box);
    int i = 0;
    for (const QString &text : choices) {
        auto *r = named(new QRadioButton(text), QStringLiteral("%1%2").arg(QLatin1String(kOptionNames[option])).arg(i));
        group->addButton(r, i++);
        layout->addWidget(r);
        m_choices[option].push_back(r);
    }
    if (!note.isEmpty()) {
        QLabel *label = hint(note, m_choices[option].back(), box);
        label->setContentsMargins(24, 0, 0, 0);
        layout->addWidget(label);
    }
    return box;
}

DetailOptions frmSettei::Shown() const
{
    DetailOptions o;
    for (int option = 0; option < DetailOptions::Count; ++option) {
        const auto &choices = m_choices[option];
        for (std::size_t i = 0; i < choices.size(); ++i)
            if (choices[i]->isChecked())
                o.choice[option] = int(i);
    }
    return o;
}

void frmSettei::SaveOptions()
{
    Shown().Save();
    cmdApply->setEnabled(false);
}

void frmSettei::reject()
{
    CloseWithSaveQuestion(*this, cmdApply->isEnabled(), QStringLiteral("設定"), [this] {
        SaveOptions();
        return true;
    });
}
