#include "kmvsim_process.h"

#include "agent_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// SNMPv1 GET of sysUpTime.0, encoded by hand so that the fixture needs no SNMP library.
QByteArray probePacket(const QByteArray &community)
{
    const QByteArray varbind = QByteArray::fromHex("300c06082b060102010103000500");
    QByteArray pdu = QByteArray::fromHex("020400004b56020100020100");
    pdu += QByteArray::fromHex("30") + char(varbind.size()) + varbind;
    QByteArray msg = QByteArray::fromHex("020100") + QByteArray::fromHex("04") + char(community.size()) + community;
    msg += QByteArray::fromHex("a0") + char(pdu.size()) + pdu;
    return QByteArray::fromHex("30") + char(msg.size()) + msg;
}

QString optionValue(const QStringList &args, const QString &name, const QString &fallback)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : fallback;
}

} // namespace

KmvSimProcess::KmvSimProcess(const QStringList &extraArgs, bool waitForAnswer)
    : m_extraArgs(extraArgs), m_waitForAnswer(waitForAnswer)
{
    m_stateDir = makeTempDir(QStringLiteral("kmvsim"));
    for (int attempt = 0; attempt < 3 && !isRunning(); ++attempt) {
        m_port = freeUdpPort();
        start();
    }
}

KmvSimProcess::~KmvSimProcess()
{
    stop();
    if (!m_stateDir.isEmpty())
        QDir(m_stateDir).removeRecursively();
}

bool KmvSimProcess::isRunning() const
{
    return m_process && m_process->state() == QProcess::Running && m_error.isEmpty();
}

qint64 KmvSimProcess::pid() const
{
    return m_process ? m_process->processId() : 0;
}

void KmvSimProcess::stopAnswering()
{
    if (pid() > 0)
        ::kill(pid_t(pid()), SIGUSR1);
}

void KmvSimProcess::resumeAnswering()
{
    if (pid() > 0)
        ::kill(pid_t(pid()), SIGUSR2);
}

bool KmvSimProcess::restart()
{
    stop();
    return start();
}

bool KmvSimProcess::start()
{
#ifndef KMV_KMVSIM_PATH
    m_error = QStringLiteral("kmvsim was not built");
    return false;
#else
    stop();
    m_error.clear();
    m_process = new QProcess;
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{QStringLiteral("--listen"), endpoint(), QStringLiteral("--state"), m_stateDir};
    args += m_extraArgs;
    m_process->start(QStringLiteral(KMV_KMVSIM_PATH), args);
    if (!m_process->waitForStarted(5000)) {
        m_error = QStringLiteral("kmvsim did not start: ") + m_process->errorString();
        return false;
    }
    QByteArray output;
    QDeadlineTimer deadline(10000);
    while (!output.contains("kmvsim: listening") && !deadline.hasExpired()) {
        if (m_process->state() != QProcess::Running)
            break;
        m_process->waitForReadyRead(100);
        output += m_process->readAll();
    }
    if (!output.contains("kmvsim: listening")) {
        m_process->waitForFinished(100);
        output += m_process->readAll();
        m_error = QStringLiteral("kmvsim is not ready: ") + QString::fromLocal8Bit(output);
        stop();
        return false;
    }
    if (m_waitForAnswer && !answers(5000)) {
        m_error = QStringLiteral("kmvsim does not answer on ") + endpoint();
        stop();
        return false;
    }
    return true;
#endif
}

void KmvSimProcess::stop()
{
    if (!m_process)
        return;
    if (m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(3000)) {
            m_process->kill();
            m_process->waitForFinished(3000);
        }
    }
    delete m_process;
    m_process = nullptr;
}

bool KmvSimProcess::answers(int timeoutMs) const
{
    if (!m_process || m_process->state() != QProcess::Running)
        return false;
    const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    sockaddr_in agent{};
    agent.sin_family = AF_INET;
    agent.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    agent.sin_port = htons(m_port);
    const QByteArray packet =
        probePacket(optionValue(m_extraArgs, QStringLiteral("--read-community"), QStringLiteral("corvet")).toLatin1());
    bool answered = false;
    QElapsedTimer clock;
    clock.start();
    if (::connect(fd, reinterpret_cast<sockaddr *>(&agent), sizeof agent) == 0) {
        while (!answered && clock.elapsed() < timeoutMs) {
            (void)::send(fd, packet.constData(), size_t(packet.size()), 0);
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 100) > 0) {
                char buf[2048];
                answered = ::recv(fd, buf, sizeof buf, 0) > 0;
            }
        }
    }
    ::close(fd);
    return answered;
}
