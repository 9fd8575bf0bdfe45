// What the GUI benchmarks share: the command line, the simulated switch on a free loopback port
// with its working folder, and the CPU time of this process.
//   bench_xxx [seconds (60)] [--kmvsim PATH] [--visible]
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

struct TBenchOptions {
    int seconds = 60;
    bool visible = false;
    QString simPath;
};

// Before the QApplication: chooses the offscreen platform unless --visible.
bool BenchWantsVisible(int argc, char **argv);
// After it: the seconds, the switch program (default ../sim/kmvsim beside the benchmark).
TBenchOptions BenchOptions();

// CPU seconds (user and system) this process has used so far.
double BenchCpuSeconds();

// kmvsim with a static link scenario on a free port, its state in a temporary folder that also
// becomes the working folder (the engine-boots file goes there). Stopped by the destructor.
class TBenchSim {
public:
    TBenchSim(const QString &simPath, const char *benchName);
    ~TBenchSim();
    bool ok() const { return m_ok; }
    quint16 port() const { return m_port; }
    QString folder() const { return m_work.path(); }
    qint64 pid() const { return m_sim.processId(); }

private:
    QTemporaryDir m_work;
    QProcess m_sim;
    quint16 m_port = 0;
    bool m_ok = false;
};
