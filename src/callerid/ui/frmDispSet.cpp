#include "callerid/ui/frmDispSet.h"

#include "callerid/taquery.h"
#include "platform/prompt.h"
#include "platform/shell.h"
#include "platform/ui/savequestion.h"
#include "platform/ui/widgetnaming.h"
#include "store/cp932.h"
#include "store/settingfiles.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QVBoxLayout>

namespace
{
constexpr int kHelpTopic = 150;
constexpr int kTestTimeoutMs = 1000;
} // namespace

frmDispSet::frmDispSet(SettingTables &tables, QWidget *parent) : QDialog(parent), m_tables(tables)
{
    for (int port = 1; port <= kCtiPortCount; ++port)
        m_devices[port - 1] = CtiPortDevice(port);
    buildLayout();

    const CtiSettings &cti = m_tables.Cti;
    if (cti.CtiMode == QLatin1String("1"))
        optCti1->setChecked(true);
    else if (cti.CtiMode == QLatin1String("2"))
        optCti2->setChecked(true);
    else
        optCti0->setChecked(true);
    cboPort->setCurrentIndex(CtiPortNumber(cti.CtiPort) - 1);
    showDeviceOfPort();
    txtFolder->setText(cti.CtiFolder);
    followChoice();
    cmdApply->setEnabled(false);
    m_loading = false;
}

void frmDispSet::buildLayout()
{
    setObjectName(QStringLiteral("frmDispSet"));
    setWindowTitle(QStringLiteral("CTI（ナンバーディスプレイ機能）設定"));

    auto *use = new QGroupBox(QStringLiteral("CTIの使用："), this);
    use->setObjectName(QStringLiteral("fraUse"));
    optCti0 = named(new QRadioButton(QStringLiteral("しない"), use), "optCti0");
    optCti1 = named(new QRadioButton(QStringLiteral("TAをこのパソコンに接続して使用する。"), use), "optCti1");
    optCti2 =
        named(new QRadioButton(QStringLiteral("TAをネットワーク上の他のパソコンに接続して使用する。"), use), "optCti2");
    auto *choice = new QButtonGroup(this);
    auto *useBox = new QVBoxLayout(use);
    for (QRadioButton *o : {optCti0, optCti1, optCti2}) {
        choice->addButton(o);
        useBox->addWidget(o);
    }

    fraPort = named(new QGroupBox(QStringLiteral("通信ポートの設定："), this), "fraPort");
    cboPort = named(new QComboBox(fraPort), "cboPort");
    for (int port = 1; port <= kCtiPortCount; ++port)
        cboPort->addItem(CtiPortName(port));
    cboDevice = named(new QComboBox(fraPort), "cboDevice");
    cboDevice->setEditable(true);
    cboDevice->setMinimumContentsLength(16);
    fillDevices();
    cmdTest = named(new QPushButton(QStringLiteral("通信テスト(&T)"), fraPort), "cmdTest");
    txtResult = named(new QLineEdit(fraPort), "txtResult");
    txtResult->setReadOnly(true);
    auto *portNote = new QLabel(
        QStringLiteral("直前の着信電話番号もしくは番号非通知と表示されればCTI機能をご使用いただけます。"), fraPort);
    portNote->setWordWrap(true);
    auto *portGrid = new QGridLayout(fraPort);
    portGrid->addWidget(caption(QStringLiteral("通信ポート："), cboPort, fraPort), 0, 0);
    portGrid->addWidget(cboPort, 0, 1);
    portGrid->addWidget(cmdTest, 0, 2);
    portGrid->addWidget(caption(QStringLiteral("接続機器："), cboDevice, fraPort), 1, 0);
    portGrid->addWidget(cboDevice, 1, 1, 1, 2);
    portGrid->addWidget(caption(QStringLiteral("テスト結果："), txtResult, fraPort), 2, 0);
    portGrid->addWidget(txtResult, 2, 1, 1, 2);
    portGrid->addWidget(portNote, 3, 0, 1, 3);
    portGrid->setColumnStretch(1, 1);

    fraFolder = named(new QGroupBox(QStringLiteral("着信番号参照フォルダの設定："), this), "fraFolder");
    txtFolder = named(new QLineEdit(fraFolder), "txtFolder");
    cmdBrowse = named(new QPushButton(QStringLiteral("参照(&S)..."), fraFolder), "cmdBrowse");
    auto *folderNote =
        new QLabel(QStringLiteral("CTIネットワークツールで設定したフォルダを指定して下さい。"), fraFolder);
    folderNote->setWordWrap(true);
    auto *folderGrid = new QGridLayout(fraFolder);
    folderGrid->addWidget(caption(QStringLiteral("参照フォルダ名："), txtFolder, fraFolder), 0, 0);
    folderGrid->addWidget(txtFolder, 0, 1);
    folderGrid->addWidget(cmdBrowse, 0, 2);
    folderGrid->addWidget(folderNote, 1, 0, 1, 3);
    folderGrid->setColumnStretch(1, 1);

    cmdOK = named(new QPushButton(QStringLiteral("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(QStringLiteral("ｷｬﾝｾﾙ"), this), "cmdCancel");
    cmdApply = named(new QPushButton(QStringLiteral("適用(&A)"), this), "cmdApply");
    cmdHelp = named(new QPushButton(QStringLiteral("ヘルプ(&H)"), this), "cmdHelp");
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelp);
    buttons->addStretch(1);
    for (QPushButton *b : {cmdOK, cmdCancel, cmdApply})
        buttons->addWidget(b);

    auto *box = new QVBoxLayout(this);
    box->setSizeConstraint(QLayout::SetMinimumSize);
    box->addWidget(use);
    box->addWidget(fraPort);
    box->addWidget(fraFolder);
    box->addStretch(1);
    box->addLayout(buttons);
    setMinimumWidth(460);

    connect(choice, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool on) {
        if (!on)
            return;
        followChoice();
        setChanged();
    });
    connect(cboPort, &QComboBox::currentIndexChanged, this, [this] {
        showDeviceOfPort();
        setChanged();
    });
    connect(cboDevice, &QComboBox::currentTextChanged, this, [this](const QString &text) {
        const int port = cboPort->currentIndex();
        if (m_loading || port < 0)
            return;
        // The list shows "device  description"; the device is what the port stands for.
        const QString device = text.section(QLatin1Char(' '), 0, 0).trimmed();
        if (device == m_devices[port])
            return;
        m_devices[port] = device;
        setChanged();
    });
    connect(txtFolder, &QLineEdit::textChanged, this, &frmDispSet::setChanged);
    connect(cmdTest, &QPushButton::clicked, this, &frmDispSet::cmdTest_Click);
    connect(cmdBrowse, &QPushButton::clicked, this, &frmDispSet::cmdBrowse_Click);
    connect(cmdApply, &QPushButton::clicked, this, &frmDispSet::cmdApply_Click);
    connect(cmdOK, &QPushButton::clicked, this, [this] {
        if (cmdApply_Click())
            done(QDialog::Accepted);
    });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { OpenHelp(kHelpTopic); });
}

void frmDispSet::fillDevices()
{
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts()) {
        QString text = info.systemLocation();
        if (!info.description().isEmpty())
            text += QStringLiteral("  ") + info.description();
        cboDevice->addItem(text);
    }
}

void frmDispSet::showDeviceOfPort()
{
    const int port = cboPort->currentIndex();
    if (port < 0)
        return;
    const bool loading = m_loading;
    m_loading = true;
    const int listed = cboDevice->findText(m_devices[port], Qt::MatchStartsWith);
    if (listed >= 0 && cboDevice->itemText(listed).section(QLatin1Char(' '), 0, 0) == m_devices[port])
        cboDevice->setCurrentIndex(listed);
    else
        cboDevice->setEditText(m_devices[port]);
    m_loading = loading;
}

QString frmDispSet::chosenMode() const
{
    if (optCti1->isChecked())
        return QStringLiteral("1");
    if (optCti2->isChecked())
        return QStringLiteral("2");
    return QStringLiteral("0");
}

void frmDispSet::followChoice()
{
    fraPort->setVisible(optCti1->isChecked());
    fraFolder->setVisible(optCti2->isChecked());
    // The window grows and shrinks with the frame shown, so its notes are never cut.
    layout()->activate();
    adjustSize();
}

void frmDispSet::setChanged()
{
    if (!m_loading)
        cmdApply->setEnabled(true);
}

void frmDispSet::cmdTest_Click()
{
    const int port = cboPort->currentIndex() + 1;
    TaQuery query;
    query.Device = m_devices[port - 1];
    query.PortName = CtiPortName(port);
    query.Command = ToCp932(m_tables.Cti.CtiInitCommand) + "\r\n";
    query.TimeoutMs = kTestTimeoutMs;
    query.Asker = CtiAsker::SettingsTest;
    query.busy = [this](bool waiting) { setEnabled(!waiting); };
    const TaQueryResult result = RunTaQuery(query);
    ShowTaQueryFailure(result);
    txtResult->setText(result.Text);
}

void frmDispSet::cmdBrowse_Click()
{
    const QString folder = Prompt().folderName(QStringLiteral("着信番号読込フォルダの指定"), txtFolder->text());
    if (!folder.isEmpty())
        txtFolder->setText(folder);
}

bool frmDispSet::cmdApply_Click()
{
    for (int port = 1; port <= kCtiPortCount; ++port) {
        if (!m_devices[port - 1].isEmpty())
            SetCtiPortDevice(port, m_devices[port - 1]);
    }
    CtiSettings &cti = m_tables.Cti;
    cti.CtiMode = chosenMode();
    cti.CtiPort = QString::number(cboPort->currentIndex() + 1);
    cti.CtiFolder = txtFolder->text();
    // The failure has shown "CTIファイル書き込みエラー"; the window stays open to try again.
    if (!SaveCtiSettings(m_tables))
        return false;
    cmdApply->setEnabled(false);
    return true;
}

void frmDispSet::reject()
{
    CloseWithSaveQuestion(*this, cmdApply->isEnabled(), QStringLiteral("CTI設定"), [this] { return cmdApply_Click(); });
}
