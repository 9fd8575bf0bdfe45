#include "benchsupport.h"

#include "agent_support.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>
#include <sys/resource.h>

bool BenchWantsVisible(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]) == "--visible")
            return true;
    return false;
}

TBenchOptions BenchOptions()
{
    TBenchOptions o;
    o.simPath = QDir(QCoreApplication::applicationDirPath()).filePath("../sim/kmvsim");
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--kmvsim" && i + 1 < args.size())
            o.simPath = args[++i];
        else if (args[i] == "--visible")
            o.visible = true;
        else
            o.seconds = qMax(1, args[i].toInt());
    }
    return o;
}

double BenchCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

TBenchSim::TBenchSim(const QString &simPath, const char *benchName)
{
    m_port = freeUdpPort();
    if (!m_work.isValid() || m_port == 0) {
        std::fprintf(stderr, "%s: no temporary folder or free port\n", benchName);
        return;
    }
    QDir(m_work.path()).mkpath("state");
    m_sim.setProcessChannelMode(QProcess::MergedChannels);
    m_sim.start(simPath, {"--listen", QStringLiteral("127.0.0.1:%1").arg(m_port), "--state",
                          m_work.path() + "/state", "--scenario", "static"});
    if (!m_sim.waitForStarted(5000) || !m_sim.waitForReadyRead(10000)) {
        std::fprintf(stderr, "%s: cannot start %s\n", benchName, qPrintable(simPath));
        return;
    }
    QDir::setCurrent(m_work.path());
    m_ok = true;
}

TBenchSim::~TBenchSim()
{
    if (m_sim.state() == QProcess::NotRunning)
        return;
    m_sim.terminate();
    if (!m_sim.waitForFinished(3000))
        m_sim.kill();
    m_sim.waitForFinished(3000);
}
