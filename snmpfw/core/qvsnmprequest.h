// The request engine: turns a variable list into SNMP traffic over the global session and the
// answers back into value texts. Reads scalar groups, single instances and tables (one row
// per request), writes values and rows, blocking or with a completion callback run by the
// event pump on the GUI thread.
#pragma once

#include "qvsnmpvalue.h"
#include "qvsnmpvarlist.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

class QvSNMPRequest;
struct QvSNMPTarget;
struct QvSNMPResponse;

// Outcome handed to an asynchronous caller.
struct QvSNMPError {
    qint32 code = 0;         // framework code, 0 for success
    qint32 errorIndex = 0;   // the response's error index
    QString text;            // message text of the code
    QString agentAddress;    // target address up to the "/"
    quint16 agentPort = 0;   // the number after the "/"
    quint8 finished = 1;     // 1: no further row follows or nothing was read
};

// The caller's callback: (caller's data, outcome, the request's variable list). Runs on the GUI
// thread inside the message loop; it must not destroy the request that calls it.
using QvSNMPRequestCallback = void (*)(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);

// One record per asynchronous send; freed after its completion has run.
struct QvSNMPCompletionRecord {
    void (*complete)(QvSNMPCompletionRecord *record, int reason, const void *response);
    QvSNMPRequest *request = nullptr;
    quint8 readBack = 0;
    QvSNMPRequestCallback callback = nullptr;
    void *data = nullptr;
    bool write = false;
    QList<int> sent;  // variable positions of the bindings sent, in order
    quint64 handle = 0;  // the adapter's id of the send, for cancelling it
    // Table walks in bulk: 1 a GETBULK whose bindings are kept for a resend, 2 a row received
    // ahead, handed over from the message loop.
    quint8 bulk = 0;
    // The bindings a read sent: its answer must go beyond them.
    QList<QvSNMPVb> bulkVbs;
};

class QvSNMPRequest {
public:
    QvSNMPRequest();
    QvSNMPRequest(const QvSNMPRequest &) = delete;
    QvSNMPRequest &operator=(const QvSNMPRequest &) = delete;

    // The eight operations a subclass may refine, in slot order.
    // Replaces marker + variable number by that variable's value (see qvsnmpexpr.h).
    virtual QString SubstituteVars(const QString &expression, bool quoteStrings, const QString &marker);
    // Sets index column i's value text from the front of suffix; returns the rest.
    virtual QString DecodeIndex(int i, const QString &suffix);
    // The dotted instance sub-identifiers of index column i's value text.
    virtual QString EncodeIndex(int i);
    // Received binding to variable i's value text.
    virtual void StoreValue(int i, const QvSNMPVb &binding);
    // Variable i's value text into binding (its OID already set).
    virtual void LoadValue(int i, QvSNMPVb &binding);
    // readExpr after a read, writeExpr before a write.
    virtual void ApplyExpression(int i, bool afterRead);
    // True for an empty expression, else its boolean value.
    virtual bool MatchesFilter(const QString &expression);
    // End-of-column test of a table walk.
    virtual bool IsColumnDone(const QString &base, const QString &previous, const QString &received);

    // Cancels outstanding sends at once; their callbacks never run.
    virtual ~QvSNMPRequest();

    // Drops every outstanding asynchronous send: no callback runs for them and late answers
    // are discarded. pending becomes 0.
    void Cancel();

    // Copies the session parameters, time-out included.
    void LoadSessionParams();

    // Blocking read; true when a table row was read. Throws QvSNMPException.
    bool Read(bool first);
    // Non-blocking read; throws only for failures found before the request leaves.
    void ReadAsync(QvSNMPRequestCallback callback, void *data, bool first);
    // Blocking write of the selected variables (positions separated by ","), with optional
    // values in selection order; the list is restored afterwards. Does nothing once closed.
    void Write(bool readBack, const QString &varSelection = QString(), const QStringList *values = nullptr);
    void WriteAsync(QvSNMPRequestCallback callback, void *data, bool readBack,
                    const QString &varSelection = QString(), const QStringList *values = nullptr);

    bool MatchesRowFilter() { return MatchesFilter(rowFilter); }
    bool MatchesFilterText(const QString &expression) { return MatchesFilter(expression); }
    // Instance of the current row: the encoded index columns joined with ".".
    QString RowIndex();

    // Fields.
    quint8 useGetNext = 0;
    // Table walks under SNMPv2c and SNMPv3 ask for many rows per request (GETBULK); SNMPv1 and
    // agents that refuse it keep one GET-NEXT per row. Follows the session's setting.
    quint8 useGetBulk = 0;
    // Rows per GETBULK; 0 starts with as many as fit 1,400 octets and doubles while answers come
    // back whole (up to MaxBulkRepetitions and one datagram); tooBig halves it for good.
    qint32 maxRepetitions = 0;
    static constexpr qint32 MaxBulkRepetitions = 1024;
    // The rows per GETBULK of the walk under way (after shrinking on tooBig), 0 before one.
    qint32 BulkRepetitionsInUse() const { return m_bulkRepetitions; }
    qint32 timeout = 100;  // hundredths of a second
    qint32 retries = 1;
    QString agentAddress;
    quint16 agentPort = 161;
    QString contextEngineID;
    QString contextName;
    qint8 version = 0;
    QString readCommunity;
    QString writeCommunity;
    qint32 securityModel = 1;
    qint32 securityLevel = 1;
    QString securityName;
    QString authPassword;
    QString privPassword;
    qint32 authProtocol = 1;
    qint32 privProtocol = 1;
    QvSNMPVarList vars;
    QString rowFilter;
    quint8 alive = 1;
    qint32 pending = 0;

    // A table walk reads at most this many rows; the next one ends it with -533, so that an
    // agent whose table never ends cannot keep a window busy for ever.
    static constexpr qint32 MaxWalkRows = 100000;
    qint32 maxWalkRows = MaxWalkRows;

    // Runs a completion as the event pump does (reason: library status, -5 time-out,
    // -8 session closing). Public so that the engine's adapter and tests can drive it.
    static void Complete(QvSNMPCompletionRecord *record, int reason, const void *response);

private:
    enum BuildMode { BuildFirstRead, BuildNextRead, BuildWrite };
    struct Prepared;
    void Prepare(BuildMode mode, Prepared *out);
    // The target of one send, built once for it from the fields above.
    void LoadTarget(bool write, QvSNMPTarget *target) const;
    QString Base(int i) const;
    // Stores a read answer into the value texts; asked holds the bindings it answers, one per
    // readable variable. Returns true when at least one readable variable is not done.
    bool StoreReadResponse(const void *response, const QList<QvSNMPVb> &asked);
    // SNMPv1 ends a walk with a no-such-name answer that returns the request unchanged.
    bool IsV1WalkEnd(const QvSNMPResponse &response);
    void DecodeRowSuffix(const QString &rowSuffix);
    void SelectForWrite(const QString &varSelection, const QStringList *values);
    void StoreReadBack(const QList<int> &sent, const void *response);
    void SendAsync(Prepared &prepared, QvSNMPRequestCallback callback, void *data, bool readBack);
    // Keeps a record whose send left (status 0) as outstanding; else frees it and throws.
    void Keep(QvSNMPCompletionRecord *record, int status);
    bool BulkWalk() const;
    int BulkRepetitions();
    int BulkRowOctets() const;
    void GrowBulkRepetitions();
    void SendBulk(const QvSNMPTarget &target, const QList<QvSNMPVb> &vbs, QvSNMPRequestCallback callback,
                  void *data);
    void PostBufferedRow(QvSNMPRequestCallback callback, void *data);
    // A GETBULK answer: keeps its rows and stores the first; false when the walk continues
    // without a callback now (a smaller or a GET-NEXT request went out instead).
    bool CompleteBulk(QvSNMPCompletionRecord *record, int reason, const void *response, QvSNMPError *outcome);
    bool StoreBufferedRow(QvSNMPError *outcome);

    QList<QvSNMPCompletionRecord *> m_records;  // outstanding asynchronous sends
    int m_walkRows = 0;                         // rows read since the walk's first read
    QList<QList<QvSNMPVb>> m_bulkRows;           // rows of the last GETBULK not yet stored
    QList<QvSNMPVb> m_bulkAsked;                 // what the first of them answers
    int m_bulkRepetitions = 0;                   // of the walk under way
    int m_bulkRefusedSize = 0;                   // rows per answer the agent found too big
    bool m_bulkRefused = false;                  // the agent refused GETBULK: GET-NEXT from now on
};
