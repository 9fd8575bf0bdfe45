// Idle cost of the main window while it polls: the front panel against the simulated switch on a
// free loopback port, CPU time of this process over the measuring time divided by the wall time.
//   bench_idle [seconds (60)] [--kmvsim PATH] [--visible]
// Ends with one line cpu_share=X%.
#include "agent_support.h"
#include "mibenums.h"
#include "tmainform.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <sys/resource.h>

namespace {


double CpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

} // namespace

int main(int argc, char **argv)
{
    bool visible = false;
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--visible")
            visible = true;
    if (!visible && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    int seconds = 60;
    QString simPath = QDir(QCoreApplication::applicationDirPath()).filePath("../sim/kmvsim");
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--kmvsim" && i + 1 < args.size())
            simPath = args[++i];
        else if (args[i] != "--visible")
            seconds = qMax(1, args[i].toInt());
    }

    QTemporaryDir work;
    const quint16 port = freeUdpPort();
    if (!work.isValid() || port == 0) {
        std::fprintf(stderr, "bench_idle: no temporary folder or free port\n");
        return 1;
    }
    QDir(work.path()).mkpath("state");
    QProcess sim;
    sim.setProcessChannelMode(QProcess::MergedChannels);
    sim.start(simPath, {"--listen", QStringLiteral("127.0.0.1:%1").arg(port), "--state", work.path() + "/state",
                        "--scenario", "static"});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "bench_idle: cannot start %s\n", qPrintable(simPath));
        return 1;
    }
    // The engine-boots file goes to the working folder.
    QDir::setCurrent(work.path());
    SetMessageBoxFunc([](QWidget *, const QString &text, const QString &caption, QMessageBox::StandardButtons) {
        std::fprintf(stderr, "bench_idle: %s: %s\n", qPrintable(caption), qPrintable(text));
        return QMessageBox::Yes;
    });

    int rc = 0;
    {
        QvCatalogueListsScope lists;
        TStartupEnv env{{"/I127.0.0.1", QStringLiteral("/t%1").arg(port), "/v1"},
                        QCoreApplication::applicationFilePath(), work.path()};
        TMainForm form(env);
        form.show();
        // Let the first polls and the start-up painting pass before measuring.
        QTimer::singleShot(2000, &app, [] { QCoreApplication::exit(0); });
        app.exec();

        const double cpu0 = CpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QTimer::singleShot(seconds * 1000, &app, [] { QCoreApplication::exit(0); });
        app.exec();
        const double cpu = CpuSeconds() - cpu0;
        const double elapsed = double(wall.nsecsElapsed()) / 1e9;
        std::printf("measured %.1f s wall, %.3f s cpu; status: %s\n", elapsed, cpu,
                    qPrintable(form.StatusBar->currentMessage()));
        std::printf("cpu_share=%.2f%%\n", 100.0 * cpu / elapsed);
        std::fflush(stdout);
        if (!form.PortBinding())
            rc = 1;
    }
    sim.terminate();
    if (!sim.waitForFinished(3000))
        sim.kill();
    sim.waitForFinished(3000);
    return rc;
}
