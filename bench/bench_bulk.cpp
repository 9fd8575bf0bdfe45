// Bulk read benchmark: windows reading big tables from the simulated switch, each divided by the
// best "snmpbulkwalk" over the same columns (one walk per column, as the tool walks one subtree at
// a time), all offscreen in one run:
//   fdb20k   the forwarding window, 20,000 entries, no delay, against -Cr10/-Cr25/-Cr50
//   delay    the forwarding window, 3,000 entries, answers 20 ms late, against -Cr10/-Cr25/-Cr50
//   iftable  the device manager's IF Table, answers 20 ms late, against -Cr50
//   bulk     the forwarding window, 5,000 entries, answers 5 ms late, against the window's own
//            max-repetitions; getnext: the same window with GETBULK turned off
// The last line is "fdb20k_ratio=X delay_ratio=Y iftable_ratio=Z bulk_ratio=… getnext_ratio=…".
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

constexpr int kRuns = 3;
const QString kFdbEntry = QStringLiteral("1.3.6.1.2.1.17.4.3.1");

struct WindowRun {
    double ms = -1;
    int rows = 0;
    int repetitions = 0;
};

// Opens the window of def and waits until its first walk has ended; -1 ms when it failed.
WindowRun TimeWindow(const TWindowDef *def, bool module)
{
    const QString address = SessionParams().Device.Address;
    std::unique_ptr<TConfigForm> form(module ? BuildModuleWindow(*def, address) : BuildGeneratedWindow(*def, address));
    QvSNMPRequest2Edits *binding = form->BindingAt(0);
    auto *strip = qobject_cast<QPlainTextEdit *>(binding->ReportTarget());
    auto *list = form->findChild<TSNMPListViewPanel *>();
    WindowRun run;
    QElapsedTimer t;
    t.start();
    form->show();
    QDeadlineTimer deadline(180000);
    while (binding->Busy() || !strip->toPlainText().contains(QStringLiteral("Get: "))) {
        if (deadline.hasExpired())
            return run;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    // The last rows are on screen once their batch has gone into the list.
    QCoreApplication::processEvents();
    run.ms = double(t.nsecsElapsed()) / 1e6;
    run.rows = list->ListPanel->ListView->topLevelItemCount();
    run.repetitions = binding->Request().BulkRepetitionsInUse();
    if (!strip->toPlainText().contains(QStringLiteral("Ok!")))
        run.ms = -1;
    form->FormClose();
    return run;
}

// snmpbulkwalk over each column; returns the total time and counts the values.
double TimeReference(const QString &endpoint, const QStringList &columns, int repetitions, int *values)
{
    QElapsedTimer t;
    t.start();
    *values = 0;
    for (const QString &column : columns) {
        QProcess p;
        p.start(QStringLiteral("snmpbulkwalk"), {"-v2c", "-c", "corvet", "-Cr" + QString::number(repetitions), "-M",
                                                  "/dev/null", "-m", "", "-On", "-t", "2", "-r", "1", endpoint, column});
        if (!p.waitForFinished(120000) || p.exitCode() != 0)
            return -1;
        *values += int(p.readAllStandardOutput().count('\n'));
    }
    return double(t.nsecsElapsed()) / 1e6;
}

QStringList Columns(const QString &entry, std::initializer_list<int> numbers)
{
    QStringList out;
    for (int n : numbers)
        out << entry + '.' + QString::number(n);
    return out;
}

// The readable columns of a window's first list, in the window's order.
QStringList ReadableColumns(const TWindowDef *def)
{
    const QString address = SessionParams().Device.Address;
    std::unique_ptr<TConfigForm> form(BuildGeneratedWindow(*def, address));
    QStringList out;
    const QvSNMPVarList &vars = form->BindingAt(0)->Vars();
    for (int i = 0; i < vars.Count(); ++i)
        if (vars.IsReadable(i))
            out << vars.Item(i).oid;
    form->FormClose();
    return out;
}

struct Case {
    double window = 1e300, reference = 1e300;
    int rows = 0, repetitions = 0;
    double ratio() const { return window / reference; }
};

void Aim(const KmvSimProcess &sim, bool bulk)
{
    QvSNMPSessionParams &p = SessionParams();
    p.Device.Address = sim.address();
    p.Device.Port = sim.port();
    p.Security.Version = 1;
    p.Security.ReadCommunity = QStringLiteral("corvet");
    p.Timeout = 200;
    p.UseGetBulk = bulk;
}

// Best of kRuns of the window against the best of the tool at each of the given repetitions
// (0: the window's own last max-repetitions).
bool Measure(const char *name, const KmvSimProcess &sim, const TWindowDef *def, bool module, int expectedRows,
             const QStringList &columns, QList<int> toolRepetitions, Case *out)
{
    Aim(sim, true);
    for (int k = 0; k < kRuns; ++k) {
        const WindowRun w = TimeWindow(def, module);
        if (w.ms < 0 || (expectedRows > 0 && w.rows != expectedRows)) {
            std::fprintf(stderr, "%s: the window showed %d rows\n", name, w.rows);
            return false;
        }
        out->window = qMin(out->window, w.ms);
        out->rows = w.rows;
        out->repetitions = w.repetitions;
        for (int reps : toolRepetitions) {
            int values = 0;
            const double ref = TimeReference(sim.endpoint(), columns, reps > 0 ? reps : w.repetitions, &values);
            if (ref < 0 || values < int(columns.size()) * w.rows) {
                std::fprintf(stderr, "%s: snmpbulkwalk failed (%d values)\n", name, values);
                return false;
            }
            out->reference = qMin(out->reference, ref);
        }
    }
    std::printf("%s: rows=%d window=%.0f ms (max-repetitions at the end %d) best snmpbulkwalk=%.0f ms ratio=%.3f\n",
                name, out->rows, out->window, out->repetitions, out->reference, out->ratio());
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QString home = makeTempDir(QStringLiteral("bench-bulk"));
    QDir::setCurrent(home);
    OpenGlobalSession(home);
    QvCatalogueListsScope lists;
    const TWindowDef *fdb = FindModuleWindowDef(QStringLiteral("/TBridge_Forwarding"));
    const TWindowDef *ifTable = FindWindowDef(u"MIB2IFTableClick");
    const QStringList fdbColumns = Columns(kFdbEntry, {1, 2, 3});
    const auto sim = [](int entries, int delay) {
        return std::make_unique<KmvSimProcess>(QStringList{"--fdb-size", QString::number(entries), "--delay",
                                                           QString::number(delay), "--scenario", "static"});
    };
    Case fdb20k, delayed, iftable, bulk;
    {
        auto s = sim(20000, 0);
        if (!s->isRunning() || !Measure("fdb20k", *s, fdb, true, 20000, fdbColumns, {10, 25, 50}, &fdb20k))
            return 1;
    }
    {
        auto s = sim(3000, 20);
        if (!s->isRunning() || !Measure("delay", *s, fdb, true, 3000, fdbColumns, {10, 25, 50}, &delayed))
            return 1;
        Aim(*s, true);
        if (!Measure("iftable", *s, ifTable, false, 0, ReadableColumns(ifTable), {50}, &iftable))
            return 1;
    }
    double getNext = -1;
    {
        auto s = sim(5000, 5);
        if (!s->isRunning() || !Measure("bulk", *s, fdb, true, 5000, fdbColumns, {0}, &bulk))
            return 1;
        Aim(*s, false);
        const WindowRun w = TimeWindow(fdb, true);
        if (w.ms < 0 || w.rows != 5000) {
            std::fprintf(stderr, "the GET-NEXT window showed %d rows\n", w.rows);
            return 1;
        }
        getNext = w.ms;
        std::printf("getnext: window=%.0f ms\n", getNext);
    }
    std::printf("fdb20k_ratio=%.3f delay_ratio=%.3f iftable_ratio=%.3f bulk_ratio=%.3f getnext_ratio=%.3f\n",
                fdb20k.ratio(), delayed.ratio(), iftable.ratio(), bulk.ratio(), getNext / bulk.reference);
    QDir(home).removeRecursively();
    return 0;
}
