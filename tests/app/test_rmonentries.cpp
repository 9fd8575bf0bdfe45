// The RMON menu entries against the simulated switch: each opens its window at once, non-modal and
// several at once, an open one is raised again; with RMON off each says "Please enable RMON first!"
// and goes; with the switch silent each says that it waits, keeps taking input, and a time-out,
// Escape or closing ends the wait - a time-out named as such, with an offer to try again.
#include "agent_support.h"
#include "box_answer.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmperrors.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "rmoncommon.h"
#include "rmonentries.h"
#include "session_scope.h"
#include "snmp_tools.h"
#include "talarmform.h"
#include "thistoryform.h"
#include "tmessagebox.h"
#include "trmonstatisticsform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>

namespace {

class Environment : public ::testing::Environment {
public:
    void SetUp() override
    {
        BuildCatalogueLists();
        OpenGlobalSession(makeTempDir(QStringLiteral("rmonentries-session")));
    }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const env = ::testing::AddGlobalTestEnvironment(new Environment);

const QString RmonState = QStringLiteral("1.3.6.1.4.1.171.11.2.1.2.3.0");
const char *const Entries[] = {"Statistics1Click", "History1Click", "AlarmEvent1Click"};

QList<TRmonWindow *> OpenWindows()
{
    QList<TRmonWindow *> open;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *r = qobject_cast<TRmonWindow *>(w); r && r->isVisible())
            open << r;
    return open;
}

// Opens an entry and returns the window it opened (nullptr when none).
TRmonWindow *Open(const TMenuHandlers &handlers, const char *entry)
{
    const QList<TRmonWindow *> before = OpenWindows();
    handlers.value(QLatin1String(entry))(nullptr);
    for (TRmonWindow *w : OpenWindows())
        if (!before.contains(w))
            return w;
    return nullptr;
}

QString StatusLine(const QWidget *window)
{
    const auto *panel = window->findChild<QLabel *>(QStringLiteral("StatusBar1Panel0"));
    return panel ? panel->text() : QStringLiteral("(no status panel)");
}

}  // namespace

TEST(RmonMenu, EachEntryOpensItsWindowOnlyWithRmonOn)
{
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    SessionScope session(sim.port(), 100);
    for (const char *state : {"2", "3"}) {
        const bool enabled = QByteArray(state) == "3";
        SCOPED_TRACE(enabled ? "RMON enabled" : "RMON disabled");
        ASSERT_TRUE(ToolSet(sim, {RmonState, QStringLiteral("i"), QLatin1String(state)}));
        BoxAnswer box([](const QString &) { return QMessageBox::Ok; });
        TMenuHandlers handlers;
        AddRmonHandlers(handlers, nullptr);
        QList<QPointer<TRmonWindow>> windows;
        for (const char *entry : Entries) {
            ASSERT_TRUE(handlers.contains(QLatin1String(entry)));
            TRmonWindow *w = Open(handlers, entry);
            ASSERT_NE(w, nullptr) << entry << " opens at once";
            windows << w;
        }
        EXPECT_EQ(OpenWindows().size(), 3) << "the three windows are open together";
        EXPECT_NE(qobject_cast<TRMONStatisticsForm *>(windows[0]), nullptr);
        EXPECT_NE(qobject_cast<THistoryForm *>(windows[1]), nullptr);
        EXPECT_NE(qobject_cast<TAlarmForm *>(windows[2]), nullptr);
        for (const QPointer<TRmonWindow> &w : windows)
            EXPECT_FALSE(w->isModal());
        ASSERT_TRUE(WaitUntil([&] {
            for (const QPointer<TRmonWindow> &w : windows)
                if (w && w->Probe() == TRmonWindow::ProbePending)
                    return false;
            return true;
        }));
        if (enabled) {
            for (const QPointer<TRmonWindow> &w : windows)
                EXPECT_TRUE(w && w->RmonAvailable());
            EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
            // Opening one that is open brings it forward instead of a second one.
            windows[1]->showMinimized();
            EXPECT_EQ(Open(handlers, "History1Click"), nullptr);
            EXPECT_EQ(OpenWindows().size(), 3);
            EXPECT_FALSE(windows[1]->isMinimized());
            EXPECT_TRUE(windows[1]->isVisible());
            for (const QPointer<TRmonWindow> &w : windows)
                w->close();
        } else {
            ASSERT_TRUE(WaitUntil([&] { return box.asked.size() == 3; }));
            EXPECT_EQ(box.asked, QStringList(3, QStringLiteral("Please enable RMON first!")));
        }
        EXPECT_TRUE(WaitUntil([&] {
            for (const QPointer<TRmonWindow> &w : windows)
                if (w)
                    return false;
            return true;
        })) << "closed windows are deleted";
    }
}

// With the switch silent every RMON window opens at once and says that it waits; another widget
// takes input meanwhile; the wait ends by Escape, by closing the window or by the time-out, which
// is named with an offer to try again - never taken for RMON being off.
TEST(RmonMenu, ASilentSwitchIsSaidToBeSilent)
{
    enum Ending { Escape, Close, TimeOut };
    KmvSimProcess sim({QStringLiteral("--scenario"), QStringLiteral("static")});
    ASSERT_TRUE(sim.isRunning()) << sim.errorText().toStdString();
    ASSERT_TRUE(ToolSet(sim, {RmonState, QStringLiteral("i"), QStringLiteral("3")}));
    SessionScope session(sim.port(), 50);
    SessionParams().Retries = 1;
    TMenuHandlers handlers;
    AddRmonHandlers(handlers, nullptr);
    for (const char *entry : Entries) {
        for (Ending ending : {Escape, Close, TimeOut}) {
            SCOPED_TRACE(testing::Message() << entry << (ending == Escape ? " Escape" : ending == Close ? " close" : " time-out"));
            sim.stopAnswering();
            // The time-out is answered "try again" with the switch answering again.
            BoxAnswer box([&](const QString &) {
                if (ending != TimeOut)
                    return QMessageBox::Cancel;
                sim.resumeAnswering();
                return QMessageBox::Retry;
            });
            QLineEdit other;
            other.show();

            QElapsedTimer t;
            t.start();
            QPointer<TRmonWindow> w = Open(handlers, entry);
            EXPECT_LT(t.elapsed(), 400) << "opens at once";
            ASSERT_TRUE(w);
            EXPECT_TRUE(w->isVisible());
            ASSERT_TRUE(w->Wait()->Waiting());
            EXPECT_TRUE(StatusLine(w).startsWith(QStringLiteral("Waiting for the switch"))) << StatusLine(w).toStdString();
            EXPECT_FALSE(w->findChild<QPushButton *>(QStringLiteral("BT_Refresh"))->isEnabled());

            QCoreApplication::postEvent(&other, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x"));
            EXPECT_TRUE(WaitUntil([&] { return other.text() == QStringLiteral("x"); }, 300));
            EXPECT_TRUE(w->Wait()->Waiting()) << "input was handled while the request is out";

            if (ending == Escape) {
                QApplication::setActiveWindow(w);
                QTest::keyClick(w, Qt::Key_Escape);
                EXPECT_FALSE(w->Wait()->Waiting());
                ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }, 500));
                EXPECT_EQ(box.asked.value(0), RmonNoAnswerMessage(QStringLiteral("Cancelled.")));
                EXPECT_TRUE(WaitUntil([&] { return !w; })) << "Cancel closes the window";
            } else if (ending == Close) {
                w->close();
                EXPECT_TRUE(WaitUntil([&] { return !w; }));
                // Past the time-out and its retry nothing more comes.
                WaitUntil([] { return false; }, 1300);
                EXPECT_TRUE(box.asked.isEmpty()) << box.asked.join(',').toStdString();
            } else {
                ASSERT_TRUE(WaitUntil([&] { return !box.asked.isEmpty(); }, 4000));
                EXPECT_EQ(box.asked.value(0), RmonNoAnswerMessage(QvErrorText(QVC_TIMEOUT)));
                EXPECT_FALSE(box.asked.value(0).contains(QStringLiteral("enable RMON")));
                ASSERT_TRUE(WaitUntil([&] { return w && w->Probe() != TRmonWindow::ProbePending; }, 4000));
                EXPECT_TRUE(w->RmonAvailable()) << "asked again, the switch answered";
                w->close();
                EXPECT_TRUE(WaitUntil([&] { return !w; }));
            }
        }
    }
    sim.resumeAnswering();
}
