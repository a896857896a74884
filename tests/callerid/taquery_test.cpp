// The terminal-adapter dialogue against a scripted adapter on a pty pair, and the reply rules.
#include <gtest/gtest.h>

#include "ptyadapter.h"

#include "callerid/ctiport.h"
#include "callerid/ctireply.h"
#include "callerid/taquery.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"

#include <QElapsedTimer>
#include <QSerialPort>

namespace
{

const QByteArray kNumberReply = "RECEIVE CALLING PARTY = 0312345678\r\nOK\r\n";

TEST(CtiReply, ResultWordsFollowTheCallingPartyLine)
{
    const auto order = [](const QByteArray &r) { return ParseCtiReply(r, CtiAsker::OrderWindow); };
    const auto test = [](const QByteArray &r) { return ParseCtiReply(r, CtiAsker::SettingsTest); };
    EXPECT_EQ(order(kNumberReply), QStringLiteral("0312345678"));
    // An echo and other lines before it do not matter; the first calling-party line decides.
    EXPECT_EQ(order("AT\\L1\r\nRECEIVE CALLING PARTY = 09011112222\r\nRECEIVE CALLING PARTY = 0311\r\nOK\r\n"),
              QStringLiteral("09011112222"));
    EXPECT_EQ(order("RECEIVE CALLING PARTY = BUFFER EMPTY\r\nOK\r\n"), QStringLiteral("番号非通知"));
    EXPECT_EQ(order("RECEIVE CALLING PARTY = P\r\nOK\r\n"), QStringLiteral("不明"));
    EXPECT_EQ(test("RECEIVE CALLING PARTY = P\r\nOK\r\n"), QStringLiteral("ご使用のTAは使用できません"));
    // Without "= " there is no value: treated as an unusable answer.
    EXPECT_EQ(order("RECEIVE CALLING PARTY 0312345678\r\nOK\r\n"), QStringLiteral("不明"));
    EXPECT_EQ(order("OK\r\n"), QString());
    // A line not ended by CR LF is not looked at.
    EXPECT_EQ(order("OK\r\nRECEIVE CALLING PARTY = 0312345678"), QString());
    // Invalid bytes around the digits: no crash, the value is kept as it came.
    const QString odd = order(QByteArray("RECEIVE CALLING PARTY = \xff\xfe"
                                         "0312\x80\r\nOK\r\n"));
    EXPECT_TRUE(odd.contains(QStringLiteral("0312")));
    EXPECT_EQ(CtiNoAnswer(CtiAsker::OrderWindow), QStringLiteral("通信できません"));
    EXPECT_EQ(CtiNoAnswer(CtiAsker::SettingsTest), QStringLiteral("TAと通信できません"));
}

TEST(CtiPort, PortNumbersMapToDevicesThroughThePreferences)
{
    TestDataFolder folder;
    EXPECT_EQ(CtiPortDevice(1), QStringLiteral("/dev/ttyS0"));
    EXPECT_EQ(CtiPortDevice(4), QStringLiteral("/dev/ttyS3"));
    SetCtiPortDevice(2, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(CtiPortDevice(2), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(CtiPortNumber(QStringLiteral("3")), 3);
    EXPECT_EQ(CtiPortNumber(QStringLiteral("9")), 1);
    EXPECT_EQ(CtiPortNumber(QString()), 1);
}

class TaDialogue : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        if (!PtyAdapter::SocatAvailable())
            GTEST_SKIP() << "socat is not installed";
        adapter = std::make_unique<PtyAdapter>();
        ASSERT_TRUE(adapter->ready());
    }

    TaQueryResult ask(CtiAsker asker = CtiAsker::OrderWindow, int timeoutMs = 1500)
    {
        TaQuery q;
        q.Device = adapter->programEnd();
        q.PortName = QStringLiteral("COM1");
        q.Command = "AT\\L1\r\n";
        q.TimeoutMs = timeoutMs;
        q.Asker = asker;
        q.busy = [this](bool waiting) { busyCalls.push_back(waiting); };
        return RunTaQuery(q);
    }

    TestDataFolder folder;
    TestPrompt prompt;
    std::unique_ptr<PtyAdapter> adapter;
    std::vector<bool> busyCalls;
};

TEST_F(TaDialogue, AnsweredQueriesGiveTheNumberOrTheirWords)
{
    adapter->answerWith({kNumberReply});
    QElapsedTimer t;
    t.start();
    TaQueryResult r = ask();
    EXPECT_EQ(r.Text, QStringLiteral("0312345678"));
    EXPECT_LT(t.elapsed(), 1000) << "a complete reply ends the wait at once";
    EXPECT_EQ(adapter->received(), QByteArray("AT\\L1\r\n"));
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false}));
    EXPECT_FALSE(r.PortFailed);

    adapter->answerWith({"RECEIVE CALLING PARTY = BUFFER EMPTY\r\nOK\r\n"});
    EXPECT_EQ(ask().Text, QStringLiteral("番号非通知"));
    adapter->answerWith({"OK\r\n"});
    EXPECT_EQ(ask().Text, QString());
    adapter->answerWith({"\x01\x02garbage\xff\r\nERROR\r\nOK\r\n"});
    EXPECT_EQ(ask().Text, QString());
    adapter->answerWith({"RECEIVE CALLING PARTY\r\nOK\r\n"});
    EXPECT_EQ(ask(CtiAsker::SettingsTest).Text, QStringLiteral("ご使用のTAは使用できません"));
    // Split anywhere, even inside the end mark, across several reads.
    adapter->answerWith({"RECEIVE CALL", "ING PARTY = 0612", "345678\r\nO", "K\r", "\n"}, 40);
    EXPECT_EQ(ask().Text, QStringLiteral("0612345678"));
    EXPECT_TRUE(prompt.asked.isEmpty());
}

TEST_F(TaDialogue, NoEndMarkOrSilenceRunsOutTheTimer)
{
    adapter->answerWith({"RECEIVE CALLING PARTY = 0312345678\r\n"});
    QElapsedTimer t;
    t.start();
    EXPECT_EQ(ask(CtiAsker::OrderWindow, 400).Text, QStringLiteral("通信できません"));
    EXPECT_GE(t.elapsed(), 350) << "the wait lasts the whole timeout (coarse timers may fire a little early)";
    adapter->answerWith({});
    EXPECT_EQ(ask(CtiAsker::SettingsTest, 300).Text, QStringLiteral("TAと通信できません"));
    EXPECT_EQ(busyCalls, (std::vector<bool>{true, false, true, false}));
    EXPECT_TRUE(prompt.asked.isEmpty()) << "a timeout is only the result text";
}

TEST_F(TaDialogue, AMegabyteOfNoiseBeforeTheAnswerIsRead)
{
    QByteArray noise(1024 * 1024, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((i * 131 + 7) % 251); // never "OK" CR LF
    adapter->answerWith({noise, kNumberReply});
    EXPECT_EQ(ask(CtiAsker::OrderWindow, 8000).Text, QStringLiteral("0312345678"));
}

TEST_F(TaDialogue, PortsThatCannotBeOpenedAreReportedOnce)
{
    // Held by another program.
    QSerialPort other;
    other.setPortName(adapter->programEnd());
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    TaQueryResult r = ask();
    other.close();
    EXPECT_TRUE(r.PortFailed);
    EXPECT_TRUE(r.HeldByOther);
    EXPECT_TRUE(r.Text.isEmpty());
    EXPECT_TRUE(busyCalls.empty()) << "no wait without a port";
    ShowTaQueryFailure(r);
    ASSERT_EQ(prompt.count(), 1);
    EXPECT_EQ(prompt.last().title, QStringLiteral("通信不能"));
    EXPECT_EQ(prompt.last().icon, PromptIcon::Warning);
    EXPECT_TRUE(prompt.last().text.endsWith(QStringLiteral("\n他のプログラムが指定ポートを使用しています。")))
        << prompt.last().text.toStdString();

    // A device that does not exist.
    TaQuery q;
    q.Device = folder.file(QStringLiteral("nothing"));
    q.PortName = QStringLiteral("COM3");
    r = RunTaQuery(q);
    EXPECT_TRUE(r.PortFailed);
    EXPECT_FALSE(r.HeldByOther);
    ShowTaQueryFailure(r);
    EXPECT_TRUE(prompt.last().text.startsWith(QStringLiteral("COM3"))) << prompt.last().text.toStdString();
    EXPECT_FALSE(prompt.last().text.contains(QStringLiteral("他のプログラム")));
}

} // namespace
