// Bulk read benchmark: the simulated switch with a 5,000-entry forwarding database, answering
// every request 5 ms late. Measures how long the Bridge module's forwarding window (offscreen)
// takes from being shown to showing every row, divided by the time "snmpbulkwalk" takes over
// the same three columns with the same max-repetitions (one walk per column, as the tool walks
// one subtree at a time); the same window reading one GET-NEXT per row is given for reference.
// The last line is "bulk_ratio=X getnext_ratio=Y".
#include "agent_support.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "qvsnmpsession.h"
#include "tconfigform.h"
#include "tlistviewpanel.h"
#include "tsnmppanel.h"
#include "windowbuilder.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QProcess>
#include <QThread>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

namespace {

constexpr int kEntries = 5000;
constexpr int kRuns = 3;
const QString kEntry = QStringLiteral("1.3.6.1.2.1.17.4.3.1");

struct WindowRun {
    double ms = -1;
    int rows = 0;
    int repetitions = 0;
};

// Opens the forwarding window and waits until its walk has ended; -1 ms when it failed.
WindowRun TimeWindow(bool bulk)
{
    const TWindowDef *def = FindModuleWindowDef(QStringLiteral("/TBridge_Forwarding"));
    const QString address = SessionParams().Device.Address;
    std::unique_ptr<TConfigForm> form(bulk ? BuildModuleWindow(*def, address) : BuildGeneratedWindow(*def, address));
    QvSNMPRequest2Edits *binding = form->BindingAt(0);
    auto *strip = qobject_cast<QPlainTextEdit *>(binding->ReportTarget());
    auto *list = form->findChild<TSNMPListViewPanel *>();
    WindowRun run;
    QElapsedTimer t;
    t.start();
    form->show();
    QDeadlineTimer deadline(180000);
    while (binding->Busy() || strip->toPlainText().isEmpty()) {
        if (deadline.hasExpired())
            return run;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    run.ms = double(t.nsecsElapsed()) / 1e6;
    run.rows = list->ListPanel->ListView->topLevelItemCount();
    run.repetitions = binding->Request().BulkRepetitionsInUse();
    if (!strip->toPlainText().contains(QStringLiteral("Ok!")))
        run.ms = -1;
    form->FormClose();
    return run;
}

// snmpbulkwalk over each column; returns the total time and counts the values.
double TimeReference(const QString &endpoint, int repetitions, int *values)
{
    QElapsedTimer t;
    t.start();
    *values = 0;
    for (int column = 1; column <= 3; ++column) {
        QProcess p;
        p.start(QStringLiteral("snmpbulkwalk"),
                {"-v2c", "-c", "corvet", "-Cr" + QString::number(repetitions), "-M", "/dev/null", "-m", "", "-On",
                 "-t", "2", "-r", "1", endpoint, kEntry + '.' + QString::number(column)});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            return -1;
        *values += int(p.readAllStandardOutput().count('\n'));
    }
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString home = makeTempDir(QStringLiteral("bench-bulk"));
    QDir::setCurrent(home);
    OpenGlobalSession(home);
    QvCatalogueListsScope lists;
    KmvSimProcess sim({"--fdb-size", QString::number(kEntries), "--delay", "5", "--scenario", "static"});
    if (!sim.isRunning()) {
        std::fprintf(stderr, "kmvsim did not start: %s\n", qPrintable(sim.errorText()));
        return 1;
    }
    QvSNMPSessionParams &p = SessionParams();
    p.Device.Address = sim.address();
    p.Device.Port = sim.port();
    p.Security.Version = 1;
    p.Security.ReadCommunity = QStringLiteral("corvet");
    p.Timeout = 200;

    double bulk = 1e300, reference = 1e300, equalValues = 1e300;
    int repetitions = 0, values = 0, rows = 0;
    for (int k = 0; k < kRuns; ++k) {
        const WindowRun w = TimeWindow(true);
        if (w.ms < 0 || w.rows != kEntries) {
            std::fprintf(stderr, "the bulk window showed %d rows\n", w.rows);
            return 1;
        }
        bulk = qMin(bulk, w.ms);
        repetitions = w.repetitions;
        rows = w.rows;
        const double ref = TimeReference(sim.endpoint(), repetitions, &values);
        if (ref < 0 || values != 3 * kEntries) {
            std::fprintf(stderr, "snmpbulkwalk failed (%d values)\n", values);
            return 1;
        }
        reference = qMin(reference, ref);
        // The tool with as many values per answer as the window gets, for comparison only.
        int same = 0;
        const double eq = TimeReference(sim.endpoint(), 3 * repetitions, &same);
        if (eq > 0)
            equalValues = qMin(equalValues, eq);
    }
    const WindowRun getNext = TimeWindow(false);
    if (getNext.ms < 0 || getNext.rows != kEntries) {
        std::fprintf(stderr, "the GET-NEXT window showed %d rows\n", getNext.rows);
        return 1;
    }
    std::printf("rows=%d max_repetitions=%d (values per reference walk %d)\n", rows, repetitions, values);
    std::printf("best of %d: window_bulk=%.0f ms snmpbulkwalk=%.0f ms snmpbulkwalk_-Cr%d=%.0f ms window_getnext=%.0f ms\n",
                kRuns, bulk, reference, 3 * repetitions, equalValues, getNext.ms);
    std::printf("bulk_ratio=%.3f getnext_ratio=%.3f\n", bulk / reference, getNext.ms / reference);
    QDir(home).removeRecursively();
    return 0;
}
