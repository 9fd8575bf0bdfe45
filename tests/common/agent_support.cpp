#include "agent_support.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

quint16 freeUdpPort()
{
    int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return 0;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    quint16 port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0) {
        socklen_t len = sizeof a;
        if (::getsockname(fd, reinterpret_cast<sockaddr *>(&a), &len) == 0)
            port = ntohs(a.sin_port);
    }
    ::close(fd);
    return port;
}

namespace {

// Every folder a test made, removed when the test process ends (a process that crashes leaves
// them for inspection; so does KMV_KEEP_TEST_DIRS=1).
struct MadeDirs {
    QStringList paths;
    ~MadeDirs()
    {
        if (qEnvironmentVariableIntValue("KMV_KEEP_TEST_DIRS") == 1)
            return;
        for (const QString &p : std::as_const(paths))
            QDir(p).removeRecursively();
    }
};

MadeDirs &madeDirs()
{
    static MadeDirs dirs;
    return dirs;
}

} // namespace

QString makeTempDir(const QString &prefix)
{
    QTemporaryDir dir(QDir::tempPath() + "/" + prefix + "-XXXXXX");
    dir.setAutoRemove(false);
    madeDirs().paths << dir.path();
    return dir.path();
}

bool WaitUntil(const std::function<bool()> &pred, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!pred() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    return pred();
}

bool WaitFor(const std::function<bool()> &done, int ms)
{
    QDeadlineTimer deadline(ms);
    while (!done() && !deadline.hasExpired())
        QTest::qWait(20);
    return done();
}
