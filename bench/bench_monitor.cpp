// Cost of live counter monitoring: the main window with the "SNMP Counters" window (27 counters)
// and the "IF Counters" window (chart page shown) open against the simulated switch, polling every
// second. First the main window alone for a third of the time as the reference, then all three
// windows; CPU time of this process divided by wall time for each.
//   bench_monitor [seconds (60)] [--kmvsim PATH] [--visible]
// Ends with one line cpu_share=X% (all three windows).
#include "benchsupport.h"
#include "mibenums.h"
#include "tcounterforms.h"
#include "tmainform.h"
#include "tmessagebox.h"
#include "tportcounterform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace {

// Runs the event loop for the given time; returns the CPU share of this process in percent.
double MeasureShare(QApplication &app, int seconds, double *cpuSeconds = nullptr)
{
    const double cpu0 = BenchCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    const double cpu = BenchCpuSeconds() - cpu0;
    if (cpuSeconds)
        *cpuSeconds = cpu;
    return 100.0 * cpu / (double(wall.nsecsElapsed()) / 1e9);
}

} // namespace

int main(int argc, char **argv)
{
    if (!BenchWantsVisible(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const TBenchOptions options = BenchOptions();
    TBenchSim sim(options.simPath, "bench_monitor");
    if (!sim.ok())
        return 1;
    QvSetMessageHook([](QWidget *, const QString &text, const QString &caption, QMessageBox::StandardButtons) {
        std::fprintf(stderr, "bench_monitor: %s: %s\n", qPrintable(caption), qPrintable(text));
        return QMessageBox::Yes;
    });

    int rc = 0;
    {
        QvCatalogueListsScope lists;
        TStartupEnv env{{"/I127.0.0.1", QStringLiteral("/t%1").arg(sim.port()), "/v1"},
                        QCoreApplication::applicationFilePath(), sim.folder()};
        TMainForm form(env);
        form.show();
        QTimer::singleShot(2000, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        const int referenceSeconds = qMax(1, options.seconds / 3);
        const double reference = MeasureShare(app, referenceSeconds);
        std::printf("main window alone: %d s, cpu_share %.2f%%\n", referenceSeconds, reference);

        // Shown without a modal loop of their own, so that one loop drives all three.
        TSNMP_Counters snmp(&form);
        snmp.show();
        TIF_Counters ifs(&form);
        ifs.Pages()->setCurrentIndex(1);
        ifs.show();
        QTimer::singleShot(2000, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        double cpu = 0;
        const double share = MeasureShare(app, options.seconds, &cpu);
        std::printf("with SNMP Counters and IF Counters (chart shown): %d s, %.3f s cpu, %d polls, "
                    "%d interface updates\n",
                    options.seconds, cpu, snmp.PollsSent(), ifs.Monitor().UpdateCount());
        std::printf("ratio to the main window alone: %.2f\n", reference > 0 ? share / reference : 0.0);
        std::printf("cpu_share=%.2f%%\n", share);
        std::fflush(stdout);
        if (snmp.Monitor().UpdateCount() < options.seconds / 2 || ifs.Monitor().UpdateCount() < options.seconds / 2) {
            std::fprintf(stderr, "bench_monitor: the windows did not poll as expected\n");
            rc = 1;
        }
    }
    return rc;
}
