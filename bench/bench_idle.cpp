// Idle cost of the main window while it polls: the front panel against the simulated switch on a
// free loopback port, CPU time of this process over the measuring time divided by the wall time.
//   bench_idle [seconds (60)] [--kmvsim PATH] [--visible]
// Ends with one line cpu_share=X%.
#include "benchsupport.h"
#include "mibenums.h"
#include "tmainform.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    if (!BenchWantsVisible(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
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
        TStartupEnv env{{"/I127.0.0.1", QStringLiteral("/t%1").arg(port), "/v1"},
                        QCoreApplication::applicationFilePath(), sim.folder()};
        TMainForm form(env);
        form.show();
        // Let the first polls and the start-up painting pass before measuring.
        QTimer::singleShot(2000, &app, [] { QCoreApplication::exit(0); });
        app.exec();

        const double cpu0 = BenchCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        const double cpu = BenchCpuSeconds() - cpu0;
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        std::printf("measured %.1f s wall, %.3f s cpu; status: %s\n", elapsed, cpu,
                    qPrintable(form.StatusBar->currentMessage()));
        std::printf("cpu_share=%.2f%%\n", 100.0 * cpu / elapsed);
        std::fflush(stdout);
        if (!form.PortBinding())
            rc = 1;
    }
    return rc;
}
