// The RMON menu entries against the simulated switch: with RMON switched off each entry says
// "Please enable RMON first!" and shows nothing; with it on each opens its own window.
#include "agent_support.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmpsession.h"
#include "rmonentries.h"
#include "session_scope.h"
#include "snmp_tools.h"
#include "talarmform.h"
#include "thistoryform.h"
#include "tmessagebox.h"
#include "trmonstatisticsform.h"

#include <gtest/gtest.h>

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
        QStringList asked;
        const QvMessageHook previous = QvSetMessageHook(
            [&](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
                asked << text;
                return QMessageBox::Ok;
            });
        QStringList shown;
        TMenuHandlers handlers;
        AddRmonHandlers(handlers, nullptr, [&](QDialog *d) {
            if (qobject_cast<TRMONStatisticsForm *>(d))
                shown << QStringLiteral("statistics");
            else if (qobject_cast<THistoryForm *>(d))
                shown << QStringLiteral("history");
            else if (qobject_cast<TAlarmForm *>(d))
                shown << QStringLiteral("alarm");
            return 0;
        });
        for (const char *entry : {"Statistics1Click", "History1Click", "AlarmEvent1Click"}) {
            ASSERT_TRUE(handlers.contains(QLatin1String(entry)));
            handlers.value(QLatin1String(entry))(nullptr);
        }
        QvSetMessageHook(previous);
        if (enabled) {
            EXPECT_EQ(shown, (QStringList{"statistics", "history", "alarm"}));
            EXPECT_TRUE(asked.isEmpty()) << asked.join(',').toStdString();
        } else {
            EXPECT_TRUE(shown.isEmpty());
            EXPECT_EQ(asked, QStringList(3, QStringLiteral("Please enable RMON first!")));
        }
    }
}
