// SNMPv3 user administration on one switch, by name and password: reads its users, groups,
// access entries and views, and creates, re-keys, tests and deletes users the way RFC 3414
// prescribes (clone, KeyChange from the clone's key, activate). Every operation speaks to the
// switch through the framework's blocking requests with the global session parameters, so the
// window above it only shows results and reports.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct TUsmUser {
    QString name;
    qint32 authProtocol = 0;  // session codes; 0 for a protocol this program does not know
    qint32 privProtocol = 0;
    QString authOid;
    QString privOid;
    QString status;           // row status label ("active", "notInService", ...)
    QString storage;          // storage type label
};

struct TVacmMember {
    qint32 model = 0;
    QString securityName;
    QString group;
    QString storage;
    QString status;
};

struct TVacmAccess {
    QString group;
    QString contextPrefix;
    qint32 model = 0;
    QString level;
    QString match;
    QString readView;
    QString writeView;
    QString notifyView;
    QString status;
};

struct TVacmView {
    QString name;
    QString subtree;
    QString mask;
    QString type;
    QString status;
};

// A user's credentials as a session would use them.
struct TUsmCredentials {
    QString name;
    qint32 level = 1;         // 1 noAuthNoPriv, 2 authNoPriv, 3 authPriv
    qint32 authProtocol = 1;
    QString authPassword;
    qint32 privProtocol = 1;
    QString privPassword;
};

struct TUsmNewUser {
    TUsmCredentials user;       // name, protocols and passwords of the new user (level from protocols)
    QString cloneFrom;          // an existing user with the same protocols
    QString cloneAuthPassword;  // the clone's passwords, to compute the KeyChange values
    QString clonePrivPassword;
    QString group;              // vacmSecurityToGroupTable entry to make; empty for none
};

struct TUsmPasswordChange {
    QString name;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    bool changeAuth = false;
    QString oldAuthPassword;
    QString newAuthPassword;
    bool changePriv = false;
    QString oldPrivPassword;
    QString newPrivPassword;
};

// The outcome of an operation: what was done on the switch, step by step, and what failed.
struct TUsmOutcome {
    bool ok = true;
    int code = 0;              // framework code of the failure, 0 when none
    QString error;             // the failure in plain words
    QStringList done;          // steps that took effect on the switch
    QString leftOnSwitch;      // what remains there after a failure ("" when nothing)

    // One text for a message strip or box.
    QString Report() const;
};

class TUsmAdmin {
public:
    // RFC 3414 refuses shorter passwords: the key derivation needs at least 8 octets.
    static constexpr int MinPasswordLength = 8;
    // "" when the password may be used, else why not.
    static QString PasswordProblem(const QString &password);

    // The switch's engine ID (snmpEngineID), read once and kept. Throws QvSNMPException.
    QByteArray EngineId();

    // Live reads; each throws QvSNMPException.
    QList<TUsmUser> Users();
    QList<TVacmMember> Groups();
    QList<TVacmAccess> Access();
    QList<TVacmView> Views();

    TUsmOutcome CreateUser(const TUsmNewUser &request);
    TUsmOutcome ChangePasswords(const TUsmPasswordChange &request);
    TUsmOutcome DeleteUser(const QString &name);
    // A GET of sysDescr with the credentials; on success the outcome's done holds the answer.
    TUsmOutcome TestCredentials(const TUsmCredentials &credentials);

    // The usmUserTable instance of a user: engine ID and name, each with its length.
    static QString UserIndex(const QByteArray &engineId, const QString &name);
    // Plain words for a framework code from an SNMPv3 exchange.
    static QString PlainFailure(int code, const QString &catalogueText);

    // Called before each step that writes to the switch, with a short name of the step (tests
    // use it to fail a step on purpose).
    std::function<void(const QString &step)> BeforeStep;

    // True when a failure code means the credentials were not accepted (security or time-out).
    static bool IsCredentialFailure(int code);

private:
    void Step(const QString &name)
    {
        if (BeforeStep)
            BeforeStep(name);
    }
    // Removes an unfinished user again and says so in out.leftOnSwitch.
    void Unmake(const QString &name, TUsmOutcome &out);
    // True when the session speaks as this user (own key change columns apply).
    static bool IsSessionUser(const QString &name);
    void SetUserColumns(const QString &name, const QList<QPair<int, QString>> &columns);
    void SetUserStatus(const QString &name, int status);
    bool UserExists(const QString &name, TUsmUser *found = nullptr);

    QByteArray m_engineId;
};
