// Idle cost of the main window while it polls: the front panel against the simulated switch on a
// free loopback port, CPU time of this process over the measuring time divided by the wall time,
// first with the traffic overlay on, then with it off (each for the given seconds).
//   bench_idle [seconds (60)] [--kmvsim PATH] [--visible]
// SNMPv2c (GETBULK); KMV_BENCH_SNMP=v1 measures SNMPv1 (GET-NEXT walks) instead.
// Ends with one line cpu_share_overlay_on=X% cpu_share_overlay_off=Y%.
#include "benchsupport.h"
#include "mibenums.h"
#include "portoverlay.h"
#include "portpoller.h"
#include "tmainform.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (!BenchWantsVisible(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The user's remembered overlay choice plays no part.
    QStandardPaths::setTestModeEnabled(true);
    const TBenchOptions options = BenchOptions();
    const int seconds = options.seconds;
    TBenchSim sim(options.simPath, "bench_idle");
    if (!sim.ok())
        return 1;
    const quint16 port = sim.port();
    QvSetMessageHook([](QWidget *, const QString &text, const QString &caption, QMessageBox::StandardButtons) {
        std::fprintf(stderr, "bench_idle: %s: %s\n", qPrintable(caption), qPrintable(text));
        return QMessageBox::Yes;
    });

    int rc = 0;
    {
        QvCatalogueListsScope lists;
        const bool v1 = qEnvironmentVariable("KMV_BENCH_SNMP") == QLatin1String("v1");
        TStartupEnv env{{"/I127.0.0.1", QStringLiteral("/t%1").arg(port), v1 ? "/v0" : "/v1"},
                        QCoreApplication::applicationFilePath(), sim.folder()};
        TMainForm form(env);
        form.show();
        TPortOverlay *overlay = form.Overlay();
        overlay->SetEnabled(true);
        auto run = [&app](int ms) {
            QTimer::singleShot(ms, &app, [] { QCoreApplication::exit(0); });
            app.exec();
        };
        // Each share is measured after the first polls and the painting they cause have passed.
        auto measure = [&](const char *what) {
            run(2000);
            const int polls = overlay->Poller()->TrafficPolls();
            const double cpu0 = BenchCpuSeconds();
            QElapsedTimer wall;
            wall.start();
            run(seconds * 1000);
            const double cpu = BenchCpuSeconds() - cpu0;
            const double elapsed = double(wall.nsecsElapsed()) / 1e9;
            std::printf("overlay %s: measured %.1f s wall, %.3f s cpu, %d traffic polls; status: %s\n", what, elapsed,
                        cpu, overlay->Poller()->TrafficPolls() - polls, qPrintable(form.StatusBar->currentMessage()));
            std::fflush(stdout);
            return 100.0 * cpu / elapsed;
        };
        const double on = measure("on");
        overlay->SetEnabled(false);
        const double off = measure("off");
        std::printf("cpu_share_overlay_on=%.2f%% cpu_share_overlay_off=%.2f%%\n", on, off);
        std::fflush(stdout);
        if (!form.PortBinding())
            rc = 1;
    }
    return rc;
}
