// A window that waits on a silent switch: it says so with the seconds, shows a busy cursor on
// itself only, disables what would send again, keeps handling input, and Escape or closing the
// window ends the wait so that no late outcome arrives.
#include "agent_support.h"
#include "fake_udp_agent.h"
#include "qvsnmpadapter.h"
#include "qvsnmperrors.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "table_agent.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

class ScalarBinding : public QvSNMPRequest2Controls {
public:
    using QvSNMPRequest2Controls::QvSNMPRequest2Controls;
    void RowReceived() override { ++rows; }
    int rows = 0;
};

struct Window {
    QWidget form;
    QPlainTextEdit *memo = new QPlainTextEdit(&form);
    QLabel *label = new QLabel(&form);
    QStatusBar *bar = new QStatusBar(&form);
    QPushButton *refresh = new QPushButton(QStringLiteral("Refresh"), &form);
    QLineEdit *typing = new QLineEdit(&form);
    ScalarBinding *binding = new ScalarBinding(&form);
    QvWaitIndicator *wait = new QvWaitIndicator(&form);

    explicit Window(quint16 port, int timeout = 100)
    {
        auto *l = new QVBoxLayout(&form);
        for (QWidget *w : std::initializer_list<QWidget *>{memo, label, bar, refresh, typing})
            l->addWidget(w);
        QvSNMPRequest &r = binding->Request();
        r.agentAddress = QStringLiteral("127.0.0.1");
        r.agentPort = port;
        r.version = 1;
        r.readCommunity = QStringLiteral("public");
        r.timeout = timeout;
        r.retries = 1;
        binding->Vars().AddVar(QStringLiteral("1.3.6.1.2.1.1.5"), QStringLiteral("sysName"), SYN_DISPLAYSTR,
                               ACC_READONLY);
        binding->SetReportTarget(memo);
        wait->SetStatusTarget(memo);
        wait->Watch(binding);
        wait->AddSendControl(refresh);
    }
};

class WaitIndicator : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static const QString dir = makeTempDir(QStringLiteral("kmv-wait"));
        OpenGlobalSession(dir);
    }
};

FakeResponse silence(const FakeRequest &)
{
    FakeResponse r;
    r.drop = true;
    return r;
}

TEST_F(WaitIndicator, SaysItWaitsCountsAndKeepsTakingInput)
{
    FakeUdpAgent agent(silence);
    Window w(agent.port());
    QWidget other;
    w.form.show();
    other.show();
    QElapsedTimer sent;
    sent.start();
    w.binding->Refresh();
    ASSERT_TRUE(w.binding->Busy()) << "Refresh returns at once with the request out";
    EXPECT_LT(sent.elapsed(), 500);
    EXPECT_FALSE(w.refresh->isEnabled());
    EXPECT_EQ(w.form.cursor().shape(), Qt::BusyCursor);
    EXPECT_NE(other.cursor().shape(), Qt::BusyCursor);
    EXPECT_TRUE(w.memo->toPlainText().endsWith(QvWaitIndicator::WaitingText(0, 2))) << w.memo->toPlainText().toStdString();

    // Input posted meanwhile is handled at once.
    QTest::keyClicks(w.typing, QStringLiteral("ab"));
    w.typing->setFocus();
    QCoreApplication::postEvent(w.typing, new QKeyEvent(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, "c"));
    EXPECT_TRUE(WaitUntil([&] { return w.typing->text() == QStringLiteral("abc"); }, 200));
    EXPECT_TRUE(WaitUntil([&] { return w.memo->toPlainText().endsWith(QvWaitIndicator::WaitingText(1, 2)); }, 1500));

    // The time-out ends it: the waiting line gives way to the failure, and all is as before.
    ASSERT_TRUE(WaitUntil([&] { return !w.binding->Busy(); }, 4000));
    EXPECT_FALSE(w.memo->toPlainText().contains(QStringLiteral("Waiting for the switch")));
    EXPECT_TRUE(w.memo->toPlainText().contains(QvErrorText(QVC_TIMEOUT)));
    EXPECT_TRUE(w.refresh->isEnabled());
    EXPECT_NE(w.form.cursor().shape(), Qt::BusyCursor);
}

TEST_F(WaitIndicator, EscapeEndsTheWaitAndTheLateOutcomeNeverComes)
{
    FakeUdpAgent agent(silence);
    Window w(agent.port(), 30);
    w.form.show();
    QApplication::setActiveWindow(&w.form);
    int ended = 0, cancelled = 0;
    QObject::connect(w.binding, &QvSNMPRequest2Controls::RefreshEnded, [&] { ++ended; });
    QObject::connect(w.binding, &QvSNMPRequest2Controls::Cancelled, [&] { ++cancelled; });
    w.binding->Refresh();
    ASSERT_TRUE(w.wait->Waiting());
    QTest::keyClick(&w.form, Qt::Key_Escape);
    EXPECT_FALSE(w.binding->Busy());
    EXPECT_FALSE(w.wait->Waiting());
    EXPECT_EQ(cancelled, 1);
    EXPECT_TRUE(w.refresh->isEnabled());
    EXPECT_TRUE(w.memo->toPlainText().endsWith(QStringLiteral("Cancelled: the switch's answer is no longer awaited.")));
    // Past the time-out and its retry: nothing more.
    QTest::qWait(800);
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(w.memo->toPlainText().contains(QvErrorText(QVC_TIMEOUT)));
}

// Each kind of status target shows the line while waiting and loses it afterwards; an answer
// that arrives ends the wait with the report alone.
TEST_F(WaitIndicator, EveryTargetKindShowsAndDropsTheLine)
{
    std::atomic<bool> answer = false;
    FakeUdpAgent agent([&](const FakeRequest &q) {
        FakeResponse r;
        r.drop = !answer;
        r.vbs = q.vbs;
        r.vbs[0].value = QByteArray("\x04\x02hi", 4);
        return r;
    });
    for (int kind = 0; kind < 3; ++kind) {
        Window w(agent.port());
        QWidget *targets[] = {w.memo, w.label, w.bar};
        const auto shown = [&]() -> QString {
            if (kind == 0)
                return w.memo->toPlainText();
            if (kind == 1)
                return w.label->text();
            return w.bar->currentMessage();
        };
        w.binding->SetReportTarget(targets[kind]);
        w.wait->SetStatusTarget(targets[kind]);
        answer = false;
        w.binding->Refresh();
        EXPECT_TRUE(shown().contains(QStringLiteral("Waiting for the switch"))) << kind;
        if (kind == 2) {
            auto *cancel = w.bar->findChild<QPushButton *>(QStringLiteral("BT_CancelWait"));
            ASSERT_NE(cancel, nullptr);
            EXPECT_FALSE(cancel->isHidden());
        }
        answer = true;  // the retry is answered
        ASSERT_TRUE(WaitUntil([&] { return !w.binding->Busy(); }, 4000)) << kind;
        EXPECT_EQ(w.binding->rows, 1) << kind;
        EXPECT_FALSE(shown().contains(QStringLiteral("Waiting for the switch"))) << kind;
        EXPECT_TRUE(shown().contains(QvErrorText(0))) << kind << " " << shown().toStdString();
    }
}

// Closing the window while it waits drops the request: its late time-out reaches nothing of the
// window (the sanitizers see any use of it) and leaves the engine with nothing outstanding.
TEST_F(WaitIndicator, ClosingTheWindowCancels)
{
    FakeUdpAgent agent(silence);
    auto w = std::make_unique<Window>(agent.port(), 20);
    int ended = 0;
    QObject watcher;
    QObject::connect(w->binding, &QvSNMPRequest2Controls::RefreshEnded, &watcher, [&] { ++ended; });
    w->binding->Refresh();
    ASSERT_EQ(w->binding->Request().pending, 1);
    w.reset();
    EXPECT_TRUE(WaitUntil([] { return QvSNMPAdapter::PendingCount() == 0; }, 3000));
    EXPECT_EQ(ended, 0);
}

}  // namespace

namespace {

// A refresh that gets no answer keeps the last good rows, greyed, and says from when they are;
// a refresh that is answered shows what the switch has, also when that is nothing.
TEST_F(WaitIndicator, ListKeepsItsLastRowsWhenTheSwitchDoesNotAnswer)
{
    TableAgent agent;
    ASSERT_TRUE(agent.ok());
    const QString col = QStringLiteral("1.3.6.1.4.1.99.1.1.");
    for (int i = 1; i <= 3; ++i) {
        agent.put(col + QStringLiteral("1.%1").arg(i), QByteArray("\x02\x01", 2) + char(i));
        agent.put(col + QStringLiteral("2.%1").arg(i), QByteArray("\x04\x01", 2) + char('a' + i));
    }
    QWidget form;
    auto *memo = new QPlainTextEdit(&form);
    auto *lv = new QTreeWidget(&form);
    auto *binding = new QvSNMPRequest2Edits(&form);
    QvSNMPRequest &r = binding->Request();
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = agent.port();
    r.version = 1;
    r.readCommunity = QStringLiteral("public");
    r.timeout = 20;
    r.retries = 0;
    QvSNMPVarList &v = binding->Vars();
    v.itemType = MVT_FMV;
    v.indexCount = 1;
    v.AddVar(col + "1", QStringLiteral("Index"), SYN_INTEGER, ACC_READONLY);
    v.AddVar(col + "2", QStringLiteral("Name"), SYN_DISPLAYSTR, ACC_READONLY);
    binding->BindListView(lv, false);
    binding->SetReportTarget(memo);
    const auto refresh = [&] {
        binding->Refresh();
        return WaitUntil([&] { return !binding->Busy(); }, 3000);
    };
    const QColor normal = lv->palette().color(QPalette::Active, QPalette::Text);

    ASSERT_TRUE(refresh());
    ASSERT_EQ(lv->topLevelItemCount(), 3);
    agent.dropNextsFrom(col);
    ASSERT_TRUE(refresh());
    EXPECT_EQ(lv->topLevelItemCount(), 3) << "the last good rows stay";
    EXPECT_NE(lv->topLevelItem(0)->foreground(1).color(), normal) << "greyed";
    EXPECT_TRUE(memo->toPlainText().contains(QStringLiteral("The list was not refreshed: it still shows the 3 rows read at ")));
    EXPECT_TRUE(memo->toPlainText().contains(QvErrorText(QVC_TIMEOUT)));

    agent.dropNextsFrom(QString());
    agent.put(col + "2.2", QByteArray("\x04\x01z", 3));
    ASSERT_TRUE(refresh());
    ASSERT_EQ(lv->topLevelItemCount(), 3);
    EXPECT_EQ(lv->topLevelItem(1)->text(1), QStringLiteral("z"));
    EXPECT_EQ(lv->topLevelItem(1)->foreground(1).style(), Qt::NoBrush) << "fresh rows are not greyed";
}

}  // namespace

namespace {

// In a dialog Escape ends the wait and leaves the dialog open (a dialog takes Escape as Close);
// with nothing out it closes the dialog as ever.
TEST_F(WaitIndicator, EscapeInADialogEndsTheWaitNotTheDialog)
{
    FakeUdpAgent agent(silence);
    QDialog dialog;
    auto *edit = new QLineEdit(&dialog);
    auto *binding = new ScalarBinding(&dialog);
    QvSNMPRequest &r = binding->Request();
    r.agentAddress = QStringLiteral("127.0.0.1");
    r.agentPort = agent.port();
    r.version = 1;
    r.readCommunity = QStringLiteral("public");
    binding->Vars().AddVar(QStringLiteral("1.3.6.1.2.1.1.5"), QStringLiteral("sysName"), SYN_DISPLAYSTR, ACC_READONLY);
    auto *wait = new QvWaitIndicator(edit);
    wait->Watch(binding);
    dialog.show();
    edit->setFocus();
    binding->Refresh();
    ASSERT_TRUE(binding->Busy());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(binding->Busy());
    EXPECT_TRUE(dialog.isVisible());
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
}

}  // namespace
