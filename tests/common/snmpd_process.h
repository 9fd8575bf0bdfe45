// A private Net-SNMP agent for integration tests: started on a free loopback port with its own
// configuration and persistent folder, stopped (and its folder removed) when the object dies.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

class SnmpdProcess {
public:
    // Communities and users every agent knows.
    static constexpr const char *ReadCommunity = "public";
    static constexpr const char *WriteCommunity = "private";
    static constexpr const char *NoAuthUser = "noauthuser";
    static constexpr const char *Md5DesUser = "md5des";      // MD5 "md5password", DES "despassword"
    static constexpr const char *Md5OnlyUser = "md5only";    // MD5 "md5password", no privacy
    static constexpr const char *ShaAesUser = "shaaes";      // SHA "shapassword", AES "aespassword"
    static constexpr const char *Sha256User = "sha256aes";   // SHA-256 "sha256password", AES "sha256privpw"

    // extraConfig: further snmpd.conf lines (for example many "view" lines for a big table).
    explicit SnmpdProcess(const QStringList &extraConfig = {});
    ~SnmpdProcess();
    SnmpdProcess(const SnmpdProcess &) = delete;
    SnmpdProcess &operator=(const SnmpdProcess &) = delete;

    // Starts the agent and waits until it answers; false (with errorText) when it does not.
    bool start(int waitMs = 10000);
    void stop();
    bool running() const;
    quint16 port() const { return m_port; }
    QString errorText() const { return m_error; }
    QString output() const;

private:
    QStringList m_extra;
    QString m_dir;
    quint16 m_port = 0;
    QProcess m_proc;
    QString m_error;
};

// True when an SNMPv1 GET of sysUpTime.0 to 127.0.0.1:port gets any answer within waitMs.
bool snmpAgentAnswers(quint16 port, int waitMs);
