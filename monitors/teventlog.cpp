// Event log: decoding, journal and model.
#include "teventlog.h"

#include "mibcatalogue.h"
#include "qvoptionlist.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QStandardPaths>

namespace {

QString dotted(const QvOid &o)
{
    QStringList parts;
    parts.reserve(o.size());
    for (quint32 a : o)
        parts << QString::number(a);
    return parts.join(QLatin1Char('.'));
}

struct KnownNotification {
    const char *oid;
    const char *name;
    TEventSeverity severity;
};

constexpr KnownNotification kNotifications[] = {
    {"1.3.6.1.6.3.1.1.5.1", "coldStart", TEventSeverity::Warning},
    {"1.3.6.1.6.3.1.1.5.2", "warmStart", TEventSeverity::Warning},
    {"1.3.6.1.6.3.1.1.5.3", "linkDown", TEventSeverity::Critical},
    {"1.3.6.1.6.3.1.1.5.4", "linkUp", TEventSeverity::Info},
    {"1.3.6.1.6.3.1.1.5.5", "authenticationFailure", TEventSeverity::Warning},
    {"1.3.6.1.6.3.1.1.5.6", "egpNeighborLoss", TEventSeverity::Warning},
    {"1.3.6.1.2.1.16.0.1", "risingAlarm", TEventSeverity::Warning},
    {"1.3.6.1.2.1.16.0.2", "fallingAlarm", TEventSeverity::Info},
    {"1.3.6.1.2.1.17.0.1", "newRoot", TEventSeverity::Warning},
    {"1.3.6.1.2.1.17.0.2", "topologyChange", TEventSeverity::Info},
};

const KnownNotification *knownNotification(const QString &oid)
{
    for (const KnownNotification &k : kNotifications)
        if (oid == QLatin1String(k.oid))
            return &k;
    return nullptr;
}

// Objects that notifications carry, with their enumerations; ifTable columns index ports.
struct KnownObject {
    const char *oid;
    const char *name;
    const char *enums;  // "1=up,2=down" or null
    bool portIndexed;
};

constexpr KnownObject kObjects[] = {
    {"1.3.6.1.2.1.1.3", "sysUpTime", nullptr, false},
    {"1.3.6.1.2.1.2.2.1.1", "ifIndex", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.2", "ifDescr", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.5", "ifSpeed", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.7", "ifAdminStatus", "1=up,2=down,3=testing", true},
    {"1.3.6.1.2.1.2.2.1.8", "ifOperStatus", "1=up,2=down,3=testing,4=unknown,5=dormant,6=notPresent,7=lowerLayerDown",
     true},
    {"1.3.6.1.2.1.2.2.1.10", "ifInOctets", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.11", "ifInUcastPkts", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.13", "ifInDiscards", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.14", "ifInErrors", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.16", "ifOutOctets", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.17", "ifOutUcastPkts", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.19", "ifOutDiscards", nullptr, true},
    {"1.3.6.1.2.1.2.2.1.20", "ifOutErrors", nullptr, true},
    {"1.3.6.1.2.1.31.1.1.1.1", "ifName", nullptr, true},
    {"1.3.6.1.2.1.16.3.1.1.1", "alarmIndex", nullptr, false},
    {"1.3.6.1.2.1.16.3.1.1.3", "alarmVariable", nullptr, false},
    {"1.3.6.1.2.1.16.3.1.1.4", "alarmSampleType", "1=absoluteValue,2=deltaValue", false},
    {"1.3.6.1.2.1.16.3.1.1.5", "alarmValue", nullptr, false},
    {"1.3.6.1.2.1.16.3.1.1.7", "alarmRisingThreshold", nullptr, false},
    {"1.3.6.1.2.1.16.3.1.1.8", "alarmFallingThreshold", nullptr, false},
    {"1.3.6.1.2.1.16.1.1.1.6", "etherStatsPkts", nullptr, false},
    {"1.3.6.1.6.3.18.1.3", "snmpTrapAddress", nullptr, false},
    {"1.3.6.1.6.3.18.1.4", "snmpTrapCommunity", nullptr, false},
    {"1.3.6.1.6.3.1.1.4.3", "snmpTrapEnterprise", nullptr, false},
};

struct ObjectName {
    QString name;
    QString instance;  // "port 3", "3", "" for .0
    QString enums;
    const QvOptionList *options = nullptr;
};

// The catalogue's objects by OID (its display names), for what the table above lacks.
const QHash<QString, const QvSNMPVarDesc *> &catalogueByOid()
{
    static const QHash<QString, const QvSNMPVarDesc *> index = [] {
        QHash<QString, const QvSNMPVarDesc *> h;
        for (const MibTableEntry &t : MibTableIndex())
            for (int i = 0; t.table && i < t.records && t.table[i].oid; ++i)
                h.insert(QString::fromLatin1(t.table[i].oid), &t.table[i]);
        return h;
    }();
    return index;
}

bool nameOf(const QvOid &oid, ObjectName *out)
{
    for (int len = oid.size(); len >= 2; --len) {
        const QString prefix = dotted(oid.mid(0, len));
        const QvOid rest = oid.mid(len);
        for (const KnownObject &k : kObjects) {
            if (prefix != QLatin1String(k.oid))
                continue;
            out->name = QLatin1String(k.name);
            out->enums = k.enums ? QLatin1String(k.enums) : QString();
            out->instance = k.portIndexed && rest.size() == 1 ? QStringLiteral("port %1").arg(rest.first())
                            : rest == QvOid{0}                 ? QString()
                                                               : dotted(rest);
            return true;
        }
        if (const QvSNMPVarDesc *d = catalogueByOid().value(prefix)) {
            out->name = QString::fromLatin1(d->name).simplified();
            out->options = d->options;
            out->instance = rest == QvOid{0} ? QString() : dotted(rest);
            return true;
        }
    }
    return false;
}

QString objectText(const QvOid &oid)
{
    ObjectName n;
    if (!nameOf(oid, &n))
        return dotted(oid);
    return n.instance.isEmpty() ? n.name : n.name + QLatin1Char('.') + n.instance;
}

QString enumText(const ObjectName &n, qint32 v)
{
    if (!n.enums.isEmpty()) {
        for (const QString &pair : n.enums.split(QLatin1Char(','))) {
            const qsizetype eq = pair.indexOf(QLatin1Char('='));
            if (pair.left(eq).toInt() == v)
                return QStringLiteral("%1(%2)").arg(pair.mid(eq + 1)).arg(v);
        }
    }
    if (n.options) {
        const QString label = n.options->ValueToLabel(QString::number(v));
        if (!label.isEmpty() && label != QString::number(v))
            return QStringLiteral("%1(%2)").arg(label.simplified()).arg(v);
    }
    return QString::number(v);
}

QString valueText(const QvSNMPValue &v, const ObjectName *n)
{
    switch (v.type) {
    case QvSNMPValue::Integer: return n ? enumText(*n, v.i) : QString::number(v.i);
    case QvSNMPValue::Counter32:
    case QvSNMPValue::Gauge32: return QString::number(v.u);
    case QvSNMPValue::TimeTicks: return TEventDecoder::UptimeText(v.u);
    case QvSNMPValue::Counter64: return QString::number(v.u64);
    case QvSNMPValue::IpAddress:
        return v.octets.size() == 4 ? QStringLiteral("%1.%2.%3.%4")
                                          .arg(quint8(v.octets[0]))
                                          .arg(quint8(v.octets[1]))
                                          .arg(quint8(v.octets[2]))
                                          .arg(quint8(v.octets[3]))
                                    : QString::fromLatin1(v.octets.toHex(':'));
    case QvSNMPValue::ObjectId: return objectText(v.oid);
    case QvSNMPValue::OctetString:
    case QvSNMPValue::Opaque: {
        bool printable = true;
        for (char c : v.octets)
            printable = printable && (uchar(c) >= 0x20 && uchar(c) < 0x7f);
        return printable ? QLatin1Char('"') + QString::fromLatin1(v.octets) + QLatin1Char('"')
                         : QString::fromLatin1(v.octets.toHex(' ')).toUpper();
    }
    default: return QStringLiteral("(none)");
    }
}

QString versionText(qint8 v) { return v == 0 ? QStringLiteral("v1") : v == 1 ? QStringLiteral("v2c") : QStringLiteral("v3"); }

} // namespace

namespace TEventDecoder {

QString NotificationName(const QvOid &trapOid)
{
    const QString d = dotted(trapOid);
    if (const KnownNotification *k = knownNotification(d))
        return QLatin1String(k->name);
    if (const QvSNMPVarDesc *desc = catalogueByOid().value(d))
        return QString::fromLatin1(desc->name).simplified();
    return d.isEmpty() ? QStringLiteral("(no notification OID)") : d;
}

TEventSeverity Severity(const QvOid &trapOid)
{
    const KnownNotification *k = knownNotification(dotted(trapOid));
    return k ? k->severity : TEventSeverity::Info;
}

QString SeverityText(TEventSeverity s)
{
    switch (s) {
    case TEventSeverity::Critical: return QStringLiteral("Critical");
    case TEventSeverity::Warning: return QStringLiteral("Warning");
    default: return QStringLiteral("Info");
    }
}

QColor SeverityColour(TEventSeverity s)
{
    switch (s) {
    case TEventSeverity::Critical: return QColor(0xd0, 0x20, 0x20);
    case TEventSeverity::Warning: return QColor(0xd0, 0x80, 0x00);
    default: return QColor(0x20, 0x80, 0x30);
    }
}

QString ReadableBinding(const QvSNMPVb &vb)
{
    ObjectName n;
    if (!nameOf(vb.oid, &n))
        return dotted(vb.oid) + QStringLiteral(" = ") + valueText(vb.value, nullptr);
    // ifIndex names the port itself.
    if (n.name == QLatin1String("ifIndex") && vb.value.type == QvSNMPValue::Integer)
        return QStringLiteral("port %1").arg(vb.value.i);
    const QString object = n.instance.isEmpty() ? n.name : n.name + QLatin1Char('.') + n.instance;
    return object + QStringLiteral(" = ") + valueText(vb.value, &n);
}

QString UptimeText(quint32 h)
{
    const quint32 s = h / 100;
    return QStringLiteral("%1d %2:%3:%4.%5")
        .arg(s / 86400)
        .arg((s / 3600) % 24, 2, 10, QLatin1Char('0'))
        .arg((s / 60) % 60, 2, 10, QLatin1Char('0'))
        .arg(s % 60, 2, 10, QLatin1Char('0'))
        .arg(h % 100, 2, 10, QLatin1Char('0'));
}

TEventRecord Decode(const QvSNMPNotification &n, const QDateTime &received)
{
    TEventRecord r;
    r.received = received;
    r.uptime = n.uptime;
    r.trapOid = dotted(n.trapOid);
    r.name = NotificationName(n.trapOid);
    r.severity = Severity(n.trapOid);
    QStringList parts;
    for (const QvSNMPVb &vb : n.vbs)
        parts << ReadableBinding(vb);
    r.details = parts.join(QStringLiteral("; "));
    r.source = n.sourceAddress.contains(QLatin1Char(':'))
                   ? QStringLiteral("[%1]:%2").arg(n.sourceAddress).arg(n.sourcePort)
                   : QStringLiteral("%1:%2").arg(n.sourceAddress).arg(n.sourcePort);
    r.kind = versionText(n.version) + (n.inform ? QStringLiteral(" inform") : QStringLiteral(" trap"));
    return r;
}

int PortOf(const QvSNMPNotification &n)
{
    static const QvOid ifIndex{1, 3, 6, 1, 2, 1, 2, 2, 1, 1};
    for (const QvSNMPVb &vb : n.vbs) {
        if (vb.oid.size() == ifIndex.size() + 1 && vb.oid.mid(0, ifIndex.size()) == ifIndex)
            return vb.value.type == QvSNMPValue::Integer ? vb.value.i : int(vb.oid.last());
        // Any ifTable column's instance names the port, too.
        if (vb.oid.size() == ifIndex.size() + 1 && vb.oid.mid(0, ifIndex.size() - 1) == ifIndex.mid(0, 9))
            return int(vb.oid.last());
    }
    return 0;
}

} // namespace TEventDecoder

QJsonObject TEventRecord::toJson() const
{
    return QJsonObject{
        {QStringLiteral("type"), QStringLiteral("notification")},
        {QStringLiteral("id"), id},
        {QStringLiteral("received"), received.toString(Qt::ISODateWithMs)},
        {QStringLiteral("uptime"), qint64(uptime)},
        {QStringLiteral("oid"), trapOid},
        {QStringLiteral("name"), name},
        {QStringLiteral("severity"), TEventDecoder::SeverityText(severity)},
        {QStringLiteral("details"), details},
        {QStringLiteral("source"), source},
        {QStringLiteral("kind"), kind},
    };
}

bool TEventRecord::fromJson(const QJsonObject &o, TEventRecord *out)
{
    if (o.value(QStringLiteral("type")).toString() != QLatin1String("notification"))
        return false;
    TEventRecord r;
    r.id = o.value(QStringLiteral("id")).toInteger();
    r.received = QDateTime::fromString(o.value(QStringLiteral("received")).toString(), Qt::ISODateWithMs);
    r.uptime = quint32(o.value(QStringLiteral("uptime")).toInteger());
    r.trapOid = o.value(QStringLiteral("oid")).toString();
    r.name = o.value(QStringLiteral("name")).toString();
    const QString sev = o.value(QStringLiteral("severity")).toString();
    r.severity = sev == QLatin1String("Critical")  ? TEventSeverity::Critical
                 : sev == QLatin1String("Warning") ? TEventSeverity::Warning
                                                   : TEventSeverity::Info;
    r.details = o.value(QStringLiteral("details")).toString();
    r.source = o.value(QStringLiteral("source")).toString();
    r.kind = o.value(QStringLiteral("kind")).toString();
    if (r.id <= 0 || !r.received.isValid())
        return false;
    *out = r;
    return true;
}

// ---- journal ----

TEventJournal::TEventJournal(const QString &folder, qint64 maxBytes, int keep)
    : m_folder(folder.isEmpty() ? DefaultFolder() : folder), m_maxBytes(qMax<qint64>(1024, maxBytes)),
      m_keep(qMax(1, keep))
{
}

QString TEventJournal::DefaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("eventlog"));
}

QString TEventJournal::FilePath() const { return QDir(m_folder).filePath(QStringLiteral("events.jsonl")); }

void TEventJournal::Rotate()
{
    const QString base = FilePath();
    QFile::remove(base + QStringLiteral(".%1").arg(m_keep));
    for (int k = m_keep - 1; k >= 1; --k)
        QFile::rename(base + QStringLiteral(".%1").arg(k), base + QStringLiteral(".%1").arg(k + 1));
    QFile::rename(base, base + QStringLiteral(".1"));
}

bool TEventJournal::Append(const QJsonObject &line)
{
    if (!QDir().mkpath(m_folder))
        return false;
    const QByteArray bytes = QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
    const QFileInfo info(FilePath());
    if (info.exists() && info.size() + bytes.size() > m_maxBytes)
        Rotate();
    QFile f(FilePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // Written through before the row is shown.
    return f.write(bytes) == bytes.size() && f.flush();
}

QList<TEventRecord> TEventJournal::Load(int limit) const
{
    QList<TEventRecord> records;
    QHash<qint64, qsizetype> byId;
    QStringList files;
    for (int k = m_keep; k >= 1; --k)
        files << FilePath() + QStringLiteral(".%1").arg(k);
    files << FilePath();
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            continue;
        while (!f.atEnd()) {
            const QByteArray line = f.readLine().trimmed();
            if (line.isEmpty())
                continue;
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            const QString type = o.value(QStringLiteral("type")).toString();
            TEventRecord r;
            if (TEventRecord::fromJson(o, &r)) {
                byId.insert(r.id, records.size());
                records.append(r);
            } else if (type == QLatin1String("ack")) {
                if (const auto it = byId.constFind(o.value(QStringLiteral("id")).toInteger()); it != byId.cend())
                    records[*it].acknowledged = true;
            } else if (type == QLatin1String("ackAll") || type == QLatin1String("clear")) {
                const qint64 upTo = o.value(QStringLiteral("upTo")).toInteger();
                if (type == QLatin1String("ackAll")) {
                    for (TEventRecord &x : records)
                        x.acknowledged = x.acknowledged || x.id <= upTo;
                } else {
                    records.removeIf([upTo](const TEventRecord &x) { return x.id <= upTo; });
                    byId.clear();
                    for (qsizetype i = 0; i < records.size(); ++i)
                        byId.insert(records[i].id, i);
                }
            }
        }
    }
    if (records.size() > limit)
        records = records.mid(records.size() - limit);
    return records;
}

// ---- model ----

TEventLogModel::TEventLogModel(const QString &folder, QObject *parent)
    : QAbstractTableModel(parent), m_journal(folder)
{
    const QList<TEventRecord> loaded = m_journal.Load(MaxRows);
    for (const TEventRecord &r : loaded) {
        m_rows.prepend(r);
        m_nextId = qMax(m_nextId, r.id + 1);
    }
    // Ids keep rising past cleared rows, too.
    QFile f(m_journal.FilePath());
    if (f.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = f.readAll().split('\n');
        for (const QByteArray &line : lines) {
            const QJsonObject o = QJsonDocument::fromJson(line).object();
            m_nextId = qMax(m_nextId, qMax(o.value(QStringLiteral("id")).toInteger(),
                                           o.value(QStringLiteral("upTo")).toInteger()) + 1);
        }
    }
    Recount();
}

int TEventLogModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TEventLogModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TEventLogModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= ColumnCount)
        return {};
    const TEventRecord &r = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        switch (index.column()) {
        case ColTime: return r.received.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        case ColUptime: return TEventDecoder::UptimeText(r.uptime);
        case ColName: return r.name;
        case ColSeverity: return TEventDecoder::SeverityText(r.severity);
        case ColDetails: return r.details;
        case ColSource: return r.source + QStringLiteral(" (") + r.kind + QLatin1Char(')');
        }
        break;
    case Qt::ForegroundRole:
        if (index.column() == ColSeverity)
            return TEventDecoder::SeverityColour(r.severity);
        break;
    case Qt::FontRole:
        if (!r.acknowledged) {
            QFont f;
            f.setBold(true);
            return f;
        }
        break;
    case SeverityRole: return int(r.severity);
    case AcknowledgedRole: return r.acknowledged;
    case IdRole: return r.id;
    default: break;
    }
    return {};
}

QVariant TEventLogModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const titles[] = {"Received", "Switch uptime", "Notification", "Severity", "Variables", "From"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return QString::fromLatin1(titles[section]);
    return {};
}

bool TEventLogModel::Add(const TEventRecord &record)
{
    TEventRecord r = record;
    r.id = m_nextId++;
    const bool written = m_journal.Append(r.toJson());
    m_journalError = written ? QString()
                             : QStringLiteral("The event log file %1 cannot be written").arg(m_journal.FilePath());
    beginInsertRows(QModelIndex(), 0, 0);
    m_rows.prepend(r);
    endInsertRows();
    if (m_rows.size() > MaxRows) {
        beginRemoveRows(QModelIndex(), MaxRows, int(m_rows.size()) - 1);
        m_rows.resize(MaxRows);
        endRemoveRows();
    }
    Recount();
    return written;
}

bool TEventLogModel::AddNotification(const QvSNMPNotification &n)
{
    return Add(TEventDecoder::Decode(n, QDateTime::currentDateTime()));
}

void TEventLogModel::Acknowledge(const QList<int> &rows)
{
    for (int row : rows) {
        if (row < 0 || row >= m_rows.size() || m_rows[row].acknowledged)
            continue;
        m_rows[row].acknowledged = true;
        m_journal.Append(QJsonObject{{QStringLiteral("type"), QStringLiteral("ack")}, {QStringLiteral("id"), m_rows[row].id}});
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    }
    Recount();
}

void TEventLogModel::AcknowledgeAll()
{
    if (m_unacked == 0)
        return;
    m_journal.Append(QJsonObject{{QStringLiteral("type"), QStringLiteral("ackAll")}, {QStringLiteral("upTo"), m_nextId - 1}});
    for (TEventRecord &r : m_rows)
        r.acknowledged = true;
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
    Recount();
}

void TEventLogModel::Clear()
{
    m_journal.Append(QJsonObject{{QStringLiteral("type"), QStringLiteral("clear")}, {QStringLiteral("upTo"), m_nextId - 1}});
    beginResetModel();
    m_rows.clear();
    endResetModel();
    Recount();
}

QString TEventLogModel::Csv(const QList<int> &rows) const
{
    const auto field = [](QString s) {
        if (s.contains(QLatin1Char(',')) || s.contains(QLatin1Char('"')) || s.contains(QLatin1Char('\n'))) {
            s.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            s = QLatin1Char('"') + s + QLatin1Char('"');
        }
        return s;
    };
    QStringList lines;
    QStringList head;
    for (int c = 0; c < ColumnCount; ++c)
        head << field(headerData(c, Qt::Horizontal).toString());
    head << QStringLiteral("Acknowledged");
    lines << head.join(QLatin1Char(','));
    for (int row : rows) {
        if (row < 0 || row >= m_rows.size())
            continue;
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells << field(data(index(row, c)).toString());
        cells << (m_rows[row].acknowledged ? QStringLiteral("yes") : QStringLiteral("no"));
        lines << cells.join(QLatin1Char(','));
    }
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

void TEventLogModel::Recount()
{
    int n = 0;
    for (const TEventRecord &r : std::as_const(m_rows))
        n += r.acknowledged ? 0 : 1;
    if (n != m_unacked) {
        m_unacked = n;
        emit UnacknowledgedChanged(n);
    }
}
