#include "qvsnmprequest.h"

#include "qvoptionlist.h"
#include "qvsnmpadapter.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmpexpr.h"
#include "qvsnmpsession.h"

#include <QCoreApplication>

#include <utility>

#include <arpa/inet.h>

namespace {

bool validHostName(const QString &a)
{
    if (a.isEmpty() || a.size() > 253 || a.startsWith(QLatin1Char('.')) || a.startsWith(QLatin1Char('-')))
        return false;
    for (QChar c : a)
        if (!(c.isLetterOrNumber() && c.unicode() < 128) && c != QLatin1Char('.') && c != QLatin1Char('-'))
            return false;
    return true;
}

bool validAddress(const QString &a)
{
    const QByteArray b = a.toLatin1();
    unsigned char buf[16];
    if (inet_pton(AF_INET, b.constData(), buf) == 1 || inet_pton(AF_INET6, b.constData(), buf) == 1)
        return true;
    return validHostName(a);
}

// Lexicographic order of sub-identifiers.
int compareOid(const QvOid &a, const QvOid &b)
{
    const int n = qMin(a.size(), b.size());
    for (int k = 0; k < n; ++k)
        if (a[k] != b[k])
            return a[k] < b[k] ? -1 : 1;
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

QvOid parseOidOrThrow(const QString &text)
{
    QvOid o;
    if (!QvParseOid(text, &o) || o.isEmpty())
        QvThrow(MapStatus(LIBSTAT_INVALID_OID).code);
    return o;
}

[[noreturn]] void throwStatus(int status)
{
    if (status == LIBSTAT_INVALID_ADDRESS)
        QvThrow(QVE_BAD_ADDRESS);
    const QvStatus s = MapStatus(status);
    throw QvSNMPException(s.code, s.text);
}

} // namespace

namespace {

// The kept rows of a GETBULK answer being handed to a caller (GUI thread only).
struct RowDelivery {
    QvSNMPRequest *request = nullptr;
    bool wanted = false;  // the caller asked for the next row
    QvSNMPRequestCallback callback = nullptr;
    void *data = nullptr;
};
RowDelivery *g_delivery = nullptr;

// The engine's completion of a send runs its record's.
QvSNMPAsyncHandler handlerOf(QvSNMPCompletionRecord *record)
{
    return [record](int status, const QvSNMPResponse &r) { record->complete(record, status, &r); };
}

QvSNMPCompletionRecord *newReadRecord(QvSNMPRequest *request, QvSNMPRequestCallback callback, void *data,
                                      quint8 bulk)
{
    auto *rec = new QvSNMPCompletionRecord;
    rec->complete = &QvSNMPRequest::Complete;
    rec->request = request;
    rec->readBack = 1;
    rec->callback = callback;
    rec->data = data;
    rec->bulk = bulk;
    return rec;
}

} // namespace

struct QvSNMPRequest::Prepared {
    QvSNMPTarget target;
    QvSNMPPduKind kind = PDU_GET;
    QList<QvSNMPVb> vbs;
    QList<int> sent;
};

QvSNMPRequest::QvSNMPRequest() { LoadSessionParams(); }

QvSNMPRequest::~QvSNMPRequest()
{
    alive = 0;
    Cancel();
}

void QvSNMPRequest::Cancel()
{
    const QList<QvSNMPCompletionRecord *> records = std::exchange(m_records, {});
    for (QvSNMPCompletionRecord *r : records) {
        if (r->bulk == 2) {
            // A row handed over from the message loop: the posted call frees its record.
            r->request = nullptr;
            r->callback = nullptr;
            continue;
        }
        QvSNMPAdapter::Cancel(r->handle);
        delete r;
    }
    m_bulkRows.clear();
    pending = 0;
}

void QvSNMPRequest::LoadSessionParams()
{
    const QvSNMPSessionParams &p = SessionParams();
    timeout = p.Timeout;
    retries = p.Retries;
    useGetBulk = p.UseGetBulk ? 1 : 0;
    agentAddress = p.Device.Address;
    agentPort = p.Device.Port;
    contextEngineID = p.Scope.ContextEngineID;
    contextName = p.Scope.ContextName;
    version = p.Security.Version;
    readCommunity = p.Security.ReadCommunity;
    writeCommunity = p.Security.WriteCommunity;
    securityModel = p.Security.SecurityModel;
    securityLevel = p.Security.SecurityLevel;
    securityName = p.Security.SecurityName;
    authPassword = p.Security.AuthPassword;
    privPassword = p.Security.PrivPassword;
    authProtocol = p.Security.AuthProtocol;
    privProtocol = p.Security.PrivProtocol;
}

QString QvSNMPRequest::SubstituteVars(const QString &expression, bool quoteStrings, const QString &marker)
{
    return QvExpr::SubstituteVars(expression, quoteStrings, marker, vars);
}

QString QvSNMPRequest::DecodeIndex(int i, const QString &suffix) { return QvDecodeIndex(vars, i, suffix); }

QString QvSNMPRequest::EncodeIndex(int i) { return QvEncodeIndex(vars, i); }

void QvSNMPRequest::StoreValue(int i, const QvSNMPVb &binding) { QvStoreValue(vars, i, binding.value); }

void QvSNMPRequest::LoadValue(int i, QvSNMPVb &binding) { binding.value = QvLoadValue(vars, i); }

void QvSNMPRequest::ApplyExpression(int i, bool afterRead)
{
    QvSNMPVar &v = vars.Item(i);
    const QString &expr = afterRead ? v.readExpr : v.writeExpr;
    if (expr.isEmpty())
        return;
    const double value = QvExpr::Evaluate(SubstituteVars(expr, false, QStringLiteral("$")));
    const QString text = QvExpr::ResultText(value, v.syntax);
    v.valueText = v.options ? v.options->ValueToLabel(text) : text;
}

bool QvSNMPRequest::MatchesFilter(const QString &expression)
{
    if (expression.isEmpty())
        return true;
    return QvExpr::Test(SubstituteVars(expression, true, QStringLiteral("$")));
}

bool QvSNMPRequest::IsColumnDone(const QString &base, const QString &previous, const QString &received)
{
    if (!vars.IsTable())
        return false;
    QvOid b, r;
    if (!QvParseOid(base, &b) || !QvParseOid(received, &r))
        return true;
    // Below base: begins with base followed by a further sub-identifier.
    if (r.size() <= b.size() || compareOid(r.mid(0, b.size()), b) != 0)
        return true;
    if (previous.isEmpty())
        return false;
    QvOid p;
    if (!QvParseOid(previous, &p))
        return false;
    // An answer that does not advance (a looping or broken agent) ends the column too.
    return compareOid(r, p) <= 0;
}

QString QvSNMPRequest::RowIndex()
{
    QStringList parts;
    for (int i = 0; i < vars.indexCount && i < vars.Count(); ++i)
        parts << EncodeIndex(i);
    return parts.join(QLatin1Char('.'));
}

QString QvSNMPRequest::Base(int i) const
{
    const QString &o = vars.Item(i).oid;
    return vars.instanceSuffix.isEmpty() ? o : o + QLatin1Char('.') + vars.instanceSuffix;
}

void QvSNMPRequest::LoadTarget(bool write, QvSNMPTarget *target) const
{
    if (!validAddress(agentAddress))
        QvThrow(QVE_BAD_ADDRESS);
    QvSNMPTarget &t = *target;
    t.address = agentAddress;
    t.port = agentPort;
    t.version = version == 3 ? 3 : (version == 1 ? 1 : 0);
    t.community = write ? writeCommunity : readCommunity;
    t.securityModel = securityModel;
    t.securityLevel = securityLevel;
    t.securityName = securityName;
    t.authPassword = authPassword;
    t.privPassword = privPassword;
    t.authProtocol = authProtocol;
    t.privProtocol = privProtocol;
    t.contextName = contextName;
    t.contextEngineID = contextEngineID;
    t.timeout = timeout;
    t.retries = retries;
}

void QvSNMPRequest::Prepare(BuildMode mode, Prepared *out)
{
    if (vars.itemType > MVT_UMV)
        QvThrow(QVE_BAD_ITEM_TYPE);
    if (mode == BuildNextRead && (vars.itemType == SVT_SV || vars.itemType == MVT_SV))
        QvThrow(QVE_GETNEXT_SINGLE);
    LoadTarget(mode == BuildWrite, &out->target);
    // The request PDU.
    if (mode == BuildWrite)
        out->kind = PDU_SET;
    else if (vars.itemType == SVT_SV)
        out->kind = PDU_GET;
    else if (vars.itemType == MVT_SV)
        out->kind = useGetNext && mode == BuildFirstRead ? PDU_GETNEXT : PDU_GET;
    else
        out->kind = PDU_GETNEXT;
    const QString row = mode == BuildWrite && vars.IsTable() ? RowIndex() : QString();
    for (int i = 0; i < vars.Count(); ++i) {
        QvSNMPVb vb;
        if (mode == BuildWrite) {
            if (!vars.IsWritable(i) || (vars.IsTable() && i < vars.indexCount))
                continue;
            QString o = Base(i);
            if (vars.itemType == SVT_SV)
                o += QLatin1String(".0");
            else if (vars.IsTable())
                o += QLatin1Char('.') + row;
            vb.oid = parseOidOrThrow(o);
            LoadValue(i, vb);
        } else {
            if (!vars.IsReadable(i))
                continue;
            if (mode == BuildFirstRead) {
                vars.Item(i).currentOid.clear();
                vb.oid = parseOidOrThrow(vars.itemType == SVT_SV ? Base(i) + QLatin1String(".0") : Base(i));
            } else {
                vb.oid = parseOidOrThrow(vars.Item(i).currentOid);
            }
        }
        out->vbs.append(vb);
        out->sent.append(i);
    }
}

void QvSNMPRequest::DecodeRowSuffix(const QString &rowSuffix)
{
    QString rest = rowSuffix;
    const int columns = qMin(vars.indexCount, vars.Count());
    for (int i = 0; i < columns; ++i) {
        if (rest.isEmpty())
            QvThrow(QVE_INSTANCE_SHORT);
        if (!vars.IsReadable(i))
            vars.Item(i).currentOid = Base(i) + QLatin1Char('.') + rowSuffix;
        rest = DecodeIndex(i, rest);
    }
    // Sub-identifiers beyond the index are an agent's fault: ignoring them would show one row
    // many times over.
    if (columns > 0 && !rest.isEmpty())
        QvThrow(QVE_INSTANCE_MISMATCH);
}

bool QvSNMPRequest::IsV1WalkEnd(const QvSNMPResponse &response)
{
    // The first readable variable decides.
    for (int i = 0, k = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i))
            continue;
        return k < response.vbs.size() && vars.Item(i).currentOid == QvOidToText(response.vbs[k].oid);
    }
    return false;
}

bool QvSNMPRequest::StoreReadResponse(const void *response, const QList<QvSNMPVb> &asked)
{
    const auto *resp = static_cast<const QvSNMPResponse *>(response);
    QString rowSuffix;
    int readable = 0, done = 0, k = 0;
    // The row before this answer, for the columns that have left their subtree. Taken before a
    // readable index column is overwritten below; empty when no row has been read yet.
    QString previousRow;
    if (vars.IsTable()) {
        try {
            previousRow = RowIndex();
        } catch (const QvSNMPException &) {
        }
    }
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i))
            continue;
        ++readable;
        if (k >= resp->vbs.size())
            QvThrow(MapStatus(LIBSTAT_INVALID_PDU).code);
        const QvSNMPVb &vb = resp->vbs[k++];
        const QString received = QvOidToText(vb.oid);
        QvSNMPVar &v = vars.Item(i);
        const QString base = Base(i);
        // The end of the agent's view comes back as the asked OID with an exception: that ends
        // the column. Any other answer not beyond the asked OID, inside the column or not, is
        // an agent that loops or goes backwards.
        const bool viewEnded = vars.IsTable() && vb.value.type == QvSNMPValue::EndOfMibView;
        if (vars.IsTable() && !viewEnded) {
            QvOid sent;
            if (k - 1 < asked.size())
                sent = asked[k - 1].oid;
            else
                QvParseOid(v.currentOid.isEmpty() ? base : v.currentOid, &sent);
            if (compareOid(vb.oid, sent) <= 0)
                QvThrow(QVE_OID_NOT_INCREASING);
        }
        if (viewEnded || IsColumnDone(base, v.currentOid, received)) {
            ++done;
            v.valueText = QvNotDoneText;
            v.currentOid = previousRow.isEmpty() ? base : base + QLatin1Char('.') + previousRow;
            continue;
        }
        if (!QvValueFitsSyntax(v.syntax, vb.value))
            QvThrow(QVE_WRONG_TYPE);
        StoreValue(i, vb);
        v.currentOid = received;
        // The row's instance comes from a column still inside its subtree.
        if (rowSuffix.isEmpty() && received.size() > base.size())
            rowSuffix = received.mid(base.size() + 1);
    }
    if (readable == done)
        return false;
    if (vars.IsTable()) {
        DecodeRowSuffix(rowSuffix);
        if (++m_walkRows > maxWalkRows)
            throw QvSNMPException(QVE_ROW_LIMIT, FillPlaceholder(QvErrorText(QVE_ROW_LIMIT), QStringLiteral("[MAXROWS]"),
                                                                  QString::number(maxWalkRows)));
    }
    for (int i = 0; i < vars.Count(); ++i)
        ApplyExpression(i, true);
    return true;
}

bool QvSNMPRequest::Read(bool first)
{
    if (!alive)
        return false;
    Prepared p;
    Prepare(first ? BuildFirstRead : BuildNextRead, &p);
    if (first)
        m_walkRows = 0;
    if (p.vbs.isEmpty())
        return false;
    QvSNMPResponse resp;
    const int status = QvSNMPAdapter::SendBlocking(p.target, p.kind, p.vbs, &resp);
    if (status == LIBSTAT_INVALID_ADDRESS)
        QvThrow(QVE_BAD_ADDRESS);
    const QvStatus mapped = MapStatus(status);
    if (mapped.code == QVA_NO_SUCH_NAME && vars.IsTable() && IsV1WalkEnd(resp))
        return false;
    if (mapped.code != 0)
        throw QvSNMPException(mapped.code, mapped.text);
    return StoreReadResponse(&resp, p.vbs) && vars.IsTable();
}

void QvSNMPRequest::SelectForWrite(const QString &varSelection, const QStringList *values)
{
    if (varSelection.isEmpty())
        return;
    QvNumList sel(',');
    sel.Parse(varSelection);
    for (int i = 0; i < vars.Count(); ++i) {
        QvSNMPVar &v = vars.Item(i);
        const int p = sel.IndexOf(i);
        if (p < 0) {
            v.setInvalid(true);
            continue;
        }
        v.setInvalid(false);
        if (values && p < values->size())
            v.valueText = values->at(p);
    }
}

void QvSNMPRequest::StoreReadBack(const QList<int> &sent, const void *response)
{
    // The response's bindings follow the written variables.
    const auto *resp = static_cast<const QvSNMPResponse *>(response);
    for (int k = 0; k < sent.size() && k < resp->vbs.size(); ++k)
        if (sent[k] < vars.Count())
            StoreValue(sent[k], resp->vbs[k]);
}

void QvSNMPRequest::Write(bool readBack, const QString &varSelection, const QStringList *values)
{
    if (!alive)
        return;
    const QvSNMPVarList saved(vars);
    Prepared p;
    int status = 0;
    QvSNMPResponse resp;
    try {
        SelectForWrite(varSelection, values);
        for (int i = 0; i < vars.Count(); ++i)
            ApplyExpression(i, false);
        Prepare(BuildWrite, &p);
        if (!p.vbs.isEmpty())
            status = QvSNMPAdapter::SendBlocking(p.target, p.kind, p.vbs, &resp);
    } catch (...) {
        vars.Assign(saved);
        throw;
    }
    vars.Assign(saved);
    // The agent may have applied a write whose answer was lost.
    if (status == LIBSTAT_TIMEOUT)
        QvThrow(QVE_SET_UNKNOWN);
    if (status != 0)
        throwStatus(status);
    if (readBack)
        StoreReadBack(p.sent, &resp);
}

void QvSNMPRequest::SendAsync(Prepared &p, QvSNMPRequestCallback callback, void *data, bool readBack)
{
    auto *rec = new QvSNMPCompletionRecord;
    rec->complete = &QvSNMPRequest::Complete;
    rec->request = this;
    rec->readBack = readBack ? 1 : 0;
    rec->callback = callback;
    rec->data = data;
    rec->write = p.kind == PDU_SET;
    rec->sent = p.sent;
    if (!rec->write)
        rec->bulkVbs = p.vbs;
    Keep(rec, QvSNMPAdapter::SendAsync(p.target, p.kind, p.vbs, handlerOf(rec), &rec->handle));
}

void QvSNMPRequest::Keep(QvSNMPCompletionRecord *record, int status)
{
    if (status != 0) {
        delete record;
        throwStatus(status);
    }
    m_records.append(record);
    ++pending;
}

bool QvSNMPRequest::BulkWalk() const
{
    return useGetBulk && vars.IsTable() && (version == SNMP_VERSION_V2C || version == SNMP_VERSION_V3);
}

int QvSNMPRequest::BulkRepetitions()
{
    if (m_bulkRepetitions > 0)
        return m_bulkRepetitions;
    if (maxRepetitions > 0)
        return m_bulkRepetitions = maxRepetitions;
    // The first request asks for as many rows as fit an answer of about 1,400 octets (below
    // every path's MTU); answers that come back whole let the walk ask for more.
    return m_bulkRepetitions = qBound(1, 1400 / BulkRowOctets(), 64);
}

int QvSNMPRequest::BulkRowOctets() const
{
    // Per binding the encoded name with an instance of some ten sub-identifiers, the value and
    // the headers.
    int row = 0;
    for (int i = 0; i < vars.Count(); ++i) {
        if (!vars.IsReadable(i))
            continue;
        const QvSNMPVar &v = vars.Item(i);
        int value = 6;
        switch (v.syntax) {
        case SYN_OCTETSTR: case SYN_DISPLAYSTR: case SYN_BITSTR: value = 24; break;
        case SYN_OBJECTID: value = 16; break;
        case SYN_COUNTER64: value = 11; break;
        case SYN_MACADDRESS: value = 8; break;
        default: break;
        }
        row += int(v.oid.count(QLatin1Char('.'))) + 1 + 12 + value + 6;
    }
    return qMax(1, row);
}

void QvSNMPRequest::GrowBulkRepetitions()
{
    // Twice as many rows while answers come back whole, within one UDP datagram; after the agent
    // has refused a size the walk keeps the one that worked instead of trying again.
    if (m_bulkRefusedSize > 0)
        return;
    const int limit = qMin(MaxBulkRepetitions, 60000 / BulkRowOctets());
    m_bulkRepetitions = qMax(m_bulkRepetitions, qMin(m_bulkRepetitions * 2, limit));
}

void QvSNMPRequest::SendBulk(const QvSNMPTarget &target, const QList<QvSNMPVb> &vbs,
                            QvSNMPRequestCallback callback, void *data)
{
    QvSNMPCompletionRecord *rec = newReadRecord(this, callback, data, 1);
    rec->bulkVbs = vbs;
    Keep(rec, QvSNMPAdapter::SendBulkAsync(target, vbs, BulkRepetitions(), handlerOf(rec), &rec->handle));
}

void QvSNMPRequest::PostBufferedRow(QvSNMPRequestCallback callback, void *data)
{
    QvSNMPCompletionRecord *rec = newReadRecord(this, callback, data, 2);
    Keep(rec, 0);
    // From the message loop, as an answer would come: the caller's callback never runs inside
    // its own call, and the window paints between rows.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [rec] { rec->complete(rec, 0, nullptr); }, Qt::QueuedConnection);
}

bool QvSNMPRequest::StoreBufferedRow(QvSNMPError *outcome)
{
    QvSNMPResponse row;
    row.vbs = m_bulkRows.takeFirst();
    // Each row of the answer answers the row before it.
    const QList<QvSNMPVb> asked = std::exchange(m_bulkAsked, row.vbs);
    const bool stored = StoreReadResponse(&row, asked);
    // Past the table's end the rest of the answer belongs to other objects.
    if (!stored)
        m_bulkRows.clear();
    outcome->finished = stored ? 0 : 1;
    return stored;
}

bool QvSNMPRequest::CompleteBulk(QvSNMPCompletionRecord *record, int reason, const void *response,
                                 QvSNMPError *outcome)
{
    const auto *resp = static_cast<const QvSNMPResponse *>(response);
    const int errorStatus = reason == 0 && resp ? resp->errorStatus : 0;
    const int width = record->bulkVbs.size();
    const int rows = reason == 0 && resp && errorStatus == 0 && width > 0 ? int(resp->vbs.size()) / width : 0;
    constexpr int kTooBig = 1;
    if (reason == 0 && (errorStatus == kTooBig || (errorStatus == 0 && rows == 0)) && m_bulkRepetitions > 1) {
        // The answer would not fit one message: ask for fewer rows, and never again this many.
        m_bulkRefusedSize = m_bulkRepetitions;
        m_bulkRepetitions = qMax(1, m_bulkRepetitions / 2);
        QvSNMPTarget target;
        LoadTarget(false, &target);
        SendBulk(target, record->bulkVbs, record->callback, record->data);
        return false;
    }
    if (reason == 0 && ((errorStatus != 0 && errorStatus != kTooBig) || (errorStatus == 0 && rows == 0))) {
        // An agent that refuses GETBULK answers it with an error, or with less than one row even
        // when asked for one: one GET-NEXT per row from here.
        m_bulkRefused = true;
        Prepared p;
        LoadTarget(false, &p.target);
        p.kind = PDU_GETNEXT;
        p.vbs = record->bulkVbs;
        SendAsync(p, record->callback, record->data, true);
        return false;
    }
    if (reason != 0 || errorStatus != 0 || rows == 0) {
        const QvStatus mapped = MapStatus(reason != 0 ? reason : (errorStatus != 0 ? errorStatus : kTooBig));
        outcome->code = mapped.code;
        outcome->text = mapped.text;
        outcome->finished = 1;
        return true;
    }
    // A whole answer: the agent can give more at once.
    if (maxRepetitions <= 0 && rows >= m_bulkRepetitions && resp->vbs.size() == qsizetype(rows) * width)
        GrowBulkRepetitions();
    // The answer runs row by row through the columns; a row cut short at its end is asked again.
    m_bulkRows.clear();
    m_bulkAsked = record->bulkVbs;
    for (int r = 0; r < rows; ++r)
        m_bulkRows.append(resp->vbs.mid(r * width, width));
    StoreBufferedRow(outcome);
    return true;
}

void QvSNMPRequest::ReadAsync(QvSNMPRequestCallback callback, void *data, bool first)
{
    if (!alive)
        return;
    if (BulkWalk()) {
        if (first) {
            m_bulkRows.clear();
            m_bulkRefused = false;
            m_bulkRepetitions = 0;
            m_bulkRefusedSize = 0;
            m_walkRows = 0;
        }
        if (!first && !m_bulkRows.isEmpty()) {
            if (g_delivery && g_delivery->request == this) {
                g_delivery->wanted = true;
                g_delivery->callback = callback;
                g_delivery->data = data;
            } else {
                PostBufferedRow(callback, data);
            }
            return;
        }
        if (!m_bulkRefused) {
            Prepared p;
            Prepare(first ? BuildFirstRead : BuildNextRead, &p);
            SendBulk(p.target, p.vbs, callback, data);
            return;
        }
    }
    Prepared p;
    Prepare(first ? BuildFirstRead : BuildNextRead, &p);
    if (first)
        m_walkRows = 0;
    SendAsync(p, callback, data, true);
}

void QvSNMPRequest::WriteAsync(QvSNMPRequestCallback callback, void *data, bool readBack,
                               const QString &varSelection, const QStringList *values)
{
    if (!alive)
        return;
    const QvSNMPVarList saved(vars);
    Prepared p;
    try {
        SelectForWrite(varSelection, values);
        for (int i = 0; i < vars.Count(); ++i)
            ApplyExpression(i, false);
        Prepare(BuildWrite, &p);
    } catch (...) {
        vars.Assign(saved);
        throw;
    }
    vars.Assign(saved);
    SendAsync(p, callback, data, readBack);
}

void QvSNMPRequest::Complete(QvSNMPCompletionRecord *record, int reason, const void *response)
{
    QvSNMPRequest *req = record->request;
    if (!req) {
        delete record;
        return;
    }
    req->m_records.removeOne(record);
    const auto *resp = static_cast<const QvSNMPResponse *>(response);
    if (reason == LIBSTAT_SESSION_CLOSING) {
        --req->pending;
        delete record;
        return;
    }
    QvSNMPError outcome;
    const int status = reason != 0 ? reason : (resp ? resp->errorStatus : 0);
    QvStatus mapped = MapStatus(status);
    if (record->write && reason == LIBSTAT_TIMEOUT)
        mapped = {QVE_SET_UNKNOWN, QvErrorText(QVE_SET_UNKNOWN)};
    outcome.code = mapped.code;
    outcome.text = mapped.text;
    outcome.errorIndex = resp ? resp->errorIndex : 0;
    outcome.agentAddress = req->agentAddress;
    outcome.agentPort = req->agentPort;
    outcome.finished = 0;
    const bool table = req->vars.IsTable();
    try {
        if (record->bulk && !req->alive) {
            outcome.code = 0;
            outcome.text = QvErrorText(0);
            outcome.finished = 1;
        } else if (record->bulk == 2) {
            outcome.code = 0;
            outcome.text = QvErrorText(0);
            outcome.errorIndex = 0;
            req->StoreBufferedRow(&outcome);
        } else if (record->bulk == 1) {
            if (!req->CompleteBulk(record, reason, response, &outcome)) {
                delete record;
                --req->pending;
                return;
            }
        } else if (record->write) {
            outcome.finished = 1;
            if (outcome.code == 0 && record->readBack && req->alive)
                req->StoreReadBack(record->sent, resp);
        } else if ((outcome.code == 0 && record->readBack) || (outcome.code == QVA_NO_SUCH_NAME && table)) {
            if (!req->alive) {
                outcome.finished = 1;
            } else if (outcome.code == QVA_NO_SUCH_NAME) {
                outcome.finished = 1;
                if (req->IsV1WalkEnd(*resp)) {
                    outcome.code = 0;
                    outcome.text = QvErrorText(0);
                }
            } else {
                const bool row = req->StoreReadResponse(resp, record->bulkVbs);
                outcome.finished = (!row || !table) ? 1 : 0;
            }
        } else {
            outcome.finished = 1;
        }
    } catch (const QvSNMPException &e) {
        outcome.code = e.code();
        outcome.text = e.text();
        outcome.finished = 1;
    } catch (...) {
        const QvStatus s = MapStatus(LIBSTAT_ERROR);
        outcome.code = s.code;
        outcome.text = s.text;
        outcome.finished = 1;
    }
    QvSNMPRequestCallback cb = record->callback;
    void *data = record->data;
    const bool bulkRows = record->bulk != 0;
    delete record;
    if (cb) {
        // The rows of one answer go to the caller in one turn of the message loop: its next
        // read of a kept row is answered here, after its callback has returned.
        RowDelivery delivery{req};
        RowDelivery *outer = g_delivery;
        if (bulkRows)
            g_delivery = &delivery;
        try {
            cb(data, &outcome, &req->vars);
            while (delivery.wanted && req->alive && !req->m_bulkRows.isEmpty()) {
                delivery.wanted = false;
                QvSNMPError next = outcome;
                next.code = 0;
                next.text = QvErrorText(0);
                next.errorIndex = 0;
                try {
                    req->StoreBufferedRow(&next);
                } catch (const QvSNMPException &e) {
                    req->m_bulkRows.clear();
                    next.code = e.code();
                    next.text = e.text();
                    next.finished = 1;
                }
                delivery.callback(delivery.data, &next, &req->vars);
            }
        } catch (...) {
        }
        g_delivery = outer;
    }
    --req->pending;
}
