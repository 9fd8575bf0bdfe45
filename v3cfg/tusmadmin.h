// SNMPv3 user administration on one switch, by name and password: reads its users, groups,
// access entries and views, and creates, re-keys, tests and deletes users the way RFC 3414
// prescribes (clone, KeyChange from the clone's key, activate). Every operation is a chain of
// asynchronous requests with the global session parameters: it returns at once and its outcome
// arrives through a callback from the event loop; Cancel() drops what is under way.
#pragma once

#include "tusmtask.h"

#include <QByteArray>
#include <QPair>
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
    QString failedStep;        // the step that failed ("" when none or before any step)
    QString error;             // the failure in plain words
    QStringList done;          // steps that took effect on the switch
    QString leftOnSwitch;      // what remains there after a failure ("" when nothing)

    // One text for a message strip or box.
    QString Report() const;
};

// The switch's user, group, access and view tables as one refresh reads them.
struct TUsmTables {
    QList<TUsmUser> users;
    QList<TVacmMember> groups;
    QList<TVacmAccess> access;
    QList<TVacmView> views;
    TUsmOutcome outcome;       // ok when all four were read
};

class TUsmAdmin {
public:
    TUsmAdmin() = default;
    TUsmAdmin(const TUsmAdmin &) = delete;
    TUsmAdmin &operator=(const TUsmAdmin &) = delete;
    // Drops what is under way; no callback runs afterwards.
    ~TUsmAdmin();

    // RFC 3414 refuses shorter passwords: the key derivation needs at least 8 octets.
    static constexpr int MinPasswordLength = 8;
    // "" when the password may be used, else why not.
    static QString PasswordProblem(const QString &password);

    using Done = std::function<void(const TUsmOutcome &outcome)>;

    // Each returns at once; its callback runs once from the event loop (never inside the call).
    void ReadTables(std::function<void(const TUsmTables &tables)> done);
    void CreateUser(const TUsmNewUser &request, Done done);
    void ChangePasswords(const TUsmPasswordChange &request, Done done);
    void DeleteUser(const QString &name, Done done);
    // A GET of sysDescr with the credentials; on success the outcome's done holds the answer.
    void TestCredentials(const TUsmCredentials &credentials, Done done);

    // Drops every operation under way: its requests are cancelled, its callback never runs.
    void Cancel();
    bool Busy() const { return !m_running.isEmpty(); }
    // How long one request may stay without an answer: the session's time-out with its retries.
    static int WaitLimitMs();

    // Runs at every answer (or time-out) an operation receives.
    std::function<void()> Answered;
    // Called before each step that writes to the switch, with a short name of the step (tests
    // use it to fail a step on purpose).
    std::function<void(const QString &step)> BeforeStep;

    // The usmUserTable instance of a user: engine ID and name, each with its length.
    static QString UserIndex(const QByteArray &engineId, const QString &name);
    // Plain words for a framework code from an SNMPv3 exchange.
    static QString PlainFailure(int code, const QString &catalogueText);
    // True when a failure code means the credentials were not accepted (security or time-out).
    static bool IsCredentialFailure(int code);
    // True when the session speaks as this user (own key change columns apply; never deleted).
    static bool IsSessionUser(const QString &name);
    // True when keys would travel with the community in clear (an SNMPv1/v2c session).
    static bool SessionInClear();

    // A step's attempts when its answer does not come: reads are asked again, a write that may
    // have been applied is checked first.
    static constexpr int StepAttempts = 3;

private:
    struct Running;
    // What a check of a write without answer found.
    enum class Applied { Yes, No, Unknown };
    enum class Accepted { Yes, No, Unknown };
    template <typename T>
    void Run(TUsmTask<T> task, std::function<void(T)> done);
    void Finish(int id);

    enum class RowWanted { Present, Absent, Active };
    // A check of a write without answer. Lambdas are named before they are awaited with: a
    // capturing lambda made inside an awaited call is destroyed twice by GCC 12.
    using CheckFn = std::function<TUsmTask<Applied>()>;
    TUsmTask<QByteArray> EngineId();
    // One request sent; a read that gets no answer is asked again, up to attempts times.
    TUsmTask<QvSNMPError> Exchange(QvSNMPRequest *request, bool write, bool first, int attempts);
    // A walk over a catalogue table; rowFn sees the variable list of each row. Throws QvSNMPException.
    TUsmTask<bool> Walk(const QvSNMPVarDesc *table, int indexCount, std::function<void(QvSNMPVarList &)> rowFn);
    TUsmTask<QList<TUsmUser>> Users();
    TUsmTask<QList<TVacmMember>> Groups();
    TUsmTask<QList<TVacmAccess>> Access();
    TUsmTask<QList<TVacmView>> Views();
    TUsmTask<TUsmTables> Tables();
    TUsmTask<TUsmOutcome> Create(TUsmNewUser q);
    TUsmTask<TUsmOutcome> Rekey(TUsmPasswordChange q);
    TUsmTask<TUsmOutcome> Delete(QString name);
    // One GET of sysDescr as the user (a time-out with privacy looks at the decryption counters).
    TUsmTask<TUsmOutcome> Test(TUsmCredentials c);
    // Test, asked again while only time-outs answer it.
    TUsmTask<TUsmOutcome> Probe(TUsmCredentials c);
    // The decryption and parse error counters (-1 when unknown).
    TUsmTask<qint64> DecryptionErrors();
    // Removes an unfinished user again and says so in out->leftOnSwitch.
    TUsmTask<bool> Unmake(QString name, TUsmOutcome *out);
    // Writes of usmUserEntry / vacmSecurityToGroupEntry columns. once: the write must not take
    // effect twice (it goes without blind resends). A write without answer is checked with check
    // before it goes again. Throw QvSNMPException with the failure.
    TUsmTask<bool> SetUserColumns(QString name, QList<QPair<int, QString>> columns, bool once,
                                  std::function<TUsmTask<Applied>()> check);
    TUsmTask<bool> SetGroupColumns(QString name, QList<QPair<int, QString>> columns, bool once,
                                   std::function<TUsmTask<Applied>()> check);
    TUsmTask<bool> CheckedWrite(QvSNMPRequest *request, bool once, std::function<TUsmTask<Applied>()> check);
    // One column of the user's (or its group entry's) row; QvNullText when there is no such row.
    TUsmTask<QString> ReadColumn(QString name, bool group, int column, quint32 syntax);
    TUsmTask<Applied> RowCheck(QString name, bool group, RowWanted wanted);
    TUsmTask<Applied> ColumnCheck(QString name, int column, QString wanted);
    TUsmTask<bool> UserExists(QString name, TUsmUser *found);
    // Whether a key change that got no answer took effect: the new credentials first, then the old.
    TUsmTask<Applied> KeyChanged(TUsmCredentials now, TUsmCredentials before);
    TUsmTask<Accepted> Accepts(TUsmCredentials c);
    // A key change of a new user whose answer was lost, settled once the user is active.
    TUsmTask<bool> Resend(QString name, int column, QByteArray kc, TUsmCredentials now, TUsmCredentials before);
    void Step(const QString &name)
    {
        if (BeforeStep)
            BeforeStep(name);
    }

    QByteArray m_engineId;
    QList<Running *> m_running;
    int m_nextId = 1;
};
