#include "snmpd_process.h"

#include "agent_support.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#ifndef KMV_SNMPD_PATH
#define KMV_SNMPD_PATH "/usr/sbin/snmpd"
#endif

bool snmpAgentAnswers(quint16 port, int waitMs)
{
    // SNMPv1 GET sysUpTime.0 with community "public", encoded by hand so that the fixture needs
    // nothing of the code under test.
    static const unsigned char get[] = {0x30, 0x26, 0x02, 0x01, 0x00, 0x04, 0x06, 'p',  'u',  'b',
                                        'l',  'i',  'c',  0xa0, 0x19, 0x02, 0x01, 0x01, 0x02, 0x01,
                                        0x00, 0x02, 0x01, 0x00, 0x30, 0x0e, 0x30, 0x0c, 0x06, 0x08,
                                        0x2b, 0x06, 0x01, 0x02, 0x01, 0x01, 0x03, 0x00, 0x05, 0x00};
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (fd < 0)
        return false;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(port);
    bool ok = false;
    QElapsedTimer t;
    t.start();
    while (!ok && t.elapsed() < waitMs) {
        ::sendto(fd, get, sizeof get, 0, reinterpret_cast<sockaddr *>(&a), sizeof a);
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 100) > 0) {
            char buf[1500];
            ok = ::recv(fd, buf, sizeof buf, 0) > 0;
        }
    }
    ::close(fd);
    return ok;
}

SnmpdProcess::SnmpdProcess(const QStringList &extraConfig) : m_extra(extraConfig) {}

SnmpdProcess::~SnmpdProcess()
{
    stop();
    if (!m_dir.isEmpty())
        QDir(m_dir).removeRecursively();
}

bool SnmpdProcess::start(int waitMs)
{
    stop();
    if (m_dir.isEmpty())
        m_dir = makeTempDir(QStringLiteral("kmv-snmpd"));
    for (int attempt = 0; attempt < 3; ++attempt) {
        m_port = freeUdpPort();
        QStringList conf{
            QStringLiteral("agentaddress udp:127.0.0.1:%1").arg(m_port),
            QStringLiteral("rocommunity %1 127.0.0.1").arg(QLatin1String(ReadCommunity)),
            QStringLiteral("rwcommunity %1 127.0.0.1").arg(QLatin1String(WriteCommunity)),
            QStringLiteral("createUser %1").arg(QLatin1String(NoAuthUser)),
            QStringLiteral("createUser %1 MD5 \"md5password\" DES \"despassword\"").arg(QLatin1String(Md5DesUser)),
            QStringLiteral("createUser %1 SHA \"shapassword\" AES \"aespassword\"").arg(QLatin1String(ShaAesUser)),
            QStringLiteral("createUser %1 SHA-256 \"sha256password\" AES \"sha256privpw\"")
                .arg(QLatin1String(Sha256User)),
            QStringLiteral("rouser %1 noauth").arg(QLatin1String(NoAuthUser)),
            QStringLiteral("rwuser %1 priv").arg(QLatin1String(Md5DesUser)),
            QStringLiteral("createUser %1 MD5 \"md5password\"").arg(QLatin1String(Md5OnlyUser)),
            QStringLiteral("rwuser %1 auth").arg(QLatin1String(Md5OnlyUser)),
            QStringLiteral("rwuser %1 priv").arg(QLatin1String(ShaAesUser)),
            QStringLiteral("rwuser %1 priv").arg(QLatin1String(Sha256User)),
            QStringLiteral("sysContact kmv-test"),
        };
        conf += m_extra;
        const QString confPath = m_dir + QStringLiteral("/snmpd.conf");
        QFile f(confPath);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            m_error = QStringLiteral("cannot write ") + confPath;
            return false;
        }
        f.write(conf.join(QLatin1Char('\n')).toLatin1() + '\n');
        f.close();
        QDir().mkpath(m_dir + QStringLiteral("/persist"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SNMP_PERSISTENT_DIR"), m_dir + QStringLiteral("/persist"));
        env.insert(QStringLiteral("MIBS"), QString());
        env.insert(QStringLiteral("MIBDIRS"), m_dir + QStringLiteral("/nomibs"));
        m_proc.setProcessEnvironment(env);
        m_proc.setProcessChannelMode(QProcess::MergedChannels);
        m_proc.start(QStringLiteral(KMV_SNMPD_PATH),
                     {QStringLiteral("-f"), QStringLiteral("-Lo"), QStringLiteral("-C"), QStringLiteral("-c"), confPath});
        if (!m_proc.waitForStarted(5000)) {
            m_error = QStringLiteral("snmpd did not start: ") + m_proc.errorString();
            return false;
        }
        if (snmpAgentAnswers(m_port, waitMs))
            return true;
        m_error = QStringLiteral("snmpd did not answer on port %1: %2").arg(m_port).arg(output());
        stop();
    }
    return false;
}

void SnmpdProcess::stop()
{
    if (m_proc.state() == QProcess::NotRunning)
        return;
    m_proc.terminate();
    if (!m_proc.waitForFinished(3000)) {
        m_proc.kill();
        m_proc.waitForFinished(3000);
    }
}

bool SnmpdProcess::running() const { return m_proc.state() == QProcess::Running; }

QString SnmpdProcess::output() const
{
    return QString::fromLatin1(const_cast<QProcess &>(m_proc).readAll());
}
