// Input latency while windows wait on a silent switch. The main window runs against the simulated
// switch, which is then silenced (SIGUSR1); each kind of window is opened and made to send, and
// while its request is out key presses are posted to a widget of another window every 20 ms. The
// time from posting to handling is measured; a reference run with nothing out comes first.
//   bench_latency [seconds per window (3)] [--kmvsim PATH] [--visible]
// Last line: latency_ms=X (the worst case over every window), target below 50.
#include "benchsupport.h"
#include "mibenums.h"
#include "qvmessage.h"
#include "qvsnmpadapter.h"
#include "tmainform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>

namespace {

// Posts key presses to a line edit and keeps how long each waited.
class LatencyProbe : public QObject {
public:
    LatencyProbe() { edit.installEventFilter(this); edit.show(); }
    QLineEdit edit;

    // Runs the event loop for ms while posting; the worst wait in milliseconds.
    double Measure(int ms)
    {
        waits.clear();
        QTimer poster;
        poster.setInterval(20);
        QObject::connect(&poster, &QTimer::timeout, [this] {
            const int id = next++;
            posted.insert(id, clock.nsecsElapsed());
            QCoreApplication::postEvent(&edit, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier,
                                                             QString::number(id)));
        });
        poster.start();
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
        poster.stop();
        QCoreApplication::processEvents();
        return waits.isEmpty() ? -1 : *std::max_element(waits.begin(), waits.end());
    }

    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::KeyPress) {
            const int id = static_cast<QKeyEvent *>(e)->text().toInt();
            if (posted.contains(id))
                waits.append(double(clock.nsecsElapsed() - posted.take(id)) / 1e6);
            return true;
        }
        return false;
    }

private:
    QElapsedTimer clock = [] { QElapsedTimer t; t.start(); return t; }();
    QHash<int, qint64> posted;
    QList<double> waits;
    int next = 0;
};

}  // namespace

int main(int argc, char **argv)
{
    if (!BenchWantsVisible(argc, argv) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TBenchOptions options = BenchOptions();
    const int ms = (options.seconds == 60 ? 3 : options.seconds) * 1000;
    TBenchSim sim(options.simPath, "bench_latency");
    if (!sim.ok())
        return 1;
    QvSetMessageHook([](QWidget *, const QString &, const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Yes;
    });

    QvCatalogueListsScope lists;
    TStartupEnv env{{"/I127.0.0.1", QStringLiteral("/t%1").arg(sim.port()), "/v1"},
                    QCoreApplication::applicationFilePath(), sim.folder()};
    TMainForm form(env);
    form.show();
    LatencyProbe probe;
    QTimer::singleShot(1500, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    const double reference = probe.Measure(ms);
    std::printf("%-28s worst %.1f ms\n", "nothing out (reference)", reference);
    ::kill(pid_t(sim.pid()), SIGUSR1);

    // Each entry: a menu action of the main window; what it opens is measured while it waits.
    const struct { const char *label; const char *action; } cases[] = {
        {"generated window (VLAN)", "N8021QVLAN1"},
        {"generated window (System)", "BasicConfig"},
        {"IF counter", "MIB2IFCounter"},
        {"IP routing", "MIB2IPRouting"},
        {"RMON statistics", "Statistics1"},
        {"Save Configure", "SaveConfig"},
    };
    double worst = reference;
    QApplication::setQuitOnLastWindowClosed(false);
    for (const auto &c : cases) {
        auto *action = form.menuBar()->findChild<QAction *>(QLatin1String(c.action));
        if (!action) {
            std::printf("%-28s no such menu entry\n", c.label);
            continue;
        }
        double measured = -1;
        int outstanding = 0;
        // A window shown modally is measured inside its own loop, then closed.
        QTimer::singleShot(100, &app, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                outstanding = QvSNMPAdapter::PendingCount();
                measured = probe.Measure(ms);
                modal->close();
            }
        });
        action->trigger();
        if (measured < 0) {
            QEventLoop settle;
            QTimer::singleShot(150, &settle, &QEventLoop::quit);
            settle.exec();
        }
        if (measured < 0) {
            outstanding = QvSNMPAdapter::PendingCount();
            measured = probe.Measure(ms);
            for (QWidget *w : QApplication::topLevelWidgets())
                if (w != &form && w != &probe.edit && w->isVisible() && qobject_cast<QDialog *>(w))
                    w->close();
        }
        std::printf("%-28s worst %.1f ms (%d requests out)\n", c.label, measured, outstanding);
        worst = std::max(worst, measured);
        QCoreApplication::processEvents();
    }
    ::kill(pid_t(sim.pid()), SIGUSR2);
    std::printf("latency_ms=%.1f\n", worst);
    std::fflush(stdout);
    return 0;
}
