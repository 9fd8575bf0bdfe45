#include "kmvsim_process.h"

#include "agent_support.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QProcess>
#include <QThread>
#include <QUdpSocket>

#include <signal.h>

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
    QUdpSocket socket;
    if (!socket.bind(QHostAddress::LocalHost, 0))
        return false;
    const QByteArray packet =
        probePacket(optionValue(m_extraArgs, QStringLiteral("--read-community"), QStringLiteral("corvet")).toLatin1());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        socket.writeDatagram(packet, QHostAddress::LocalHost, m_port);
        if (socket.waitForReadyRead(100)) {
            while (socket.hasPendingDatagrams())
                if (socket.receiveDatagram().data().size() > 0)
                    return true;
        }
    }
    return false;
}
