// Engine-neutral SNMP value and variable binding. Conversions work on these, so they can be
// tested without a network; the protocol adapter translates them to and from the wire engine.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

using QvOid = QList<quint32>;

struct QvSNMPValue {
    enum Type : quint8 {
        Null,
        Integer,      // signed 32-bit in i
        OctetString,  // octets
        ObjectId,     // oid
        IpAddress,    // 4 octets
        Counter32,    // u
        Gauge32,      // u
        TimeTicks,    // u
        Opaque,       // octets
        Counter64,    // u64
        NoSuchObject, // exceptions: an absent value
        NoSuchInstance,
        EndOfMibView,
    };

    Type type = Null;
    qint32 i = 0;
    quint32 u = 0;
    quint64 u64 = 0;
    QByteArray octets;
    QvOid oid;

    bool isException() const { return type == NoSuchObject || type == NoSuchInstance || type == EndOfMibView; }
    // True when the binding carries no printable value (NULL, an exception).
    bool isAbsent() const { return type == Null || isException(); }

    static QvSNMPValue null() { return {}; }
    static QvSNMPValue integer(qint32 v) { QvSNMPValue x; x.type = Integer; x.i = v; return x; }
    static QvSNMPValue unsigned32(Type t, quint32 v) { QvSNMPValue x; x.type = t; x.u = v; return x; }
    static QvSNMPValue counter64(quint64 v) { QvSNMPValue x; x.type = Counter64; x.u64 = v; return x; }
    static QvSNMPValue string(const QByteArray &o, Type t = OctetString) { QvSNMPValue x; x.type = t; x.octets = o; return x; }
    static QvSNMPValue objectId(const QvOid &o) { QvSNMPValue x; x.type = ObjectId; x.oid = o; return x; }
    static QvSNMPValue exception(Type t) { QvSNMPValue x; x.type = t; return x; }

    bool operator==(const QvSNMPValue &) const = default;
};

struct QvSNMPVb {
    QvOid oid;
    QvSNMPValue value;
    bool operator==(const QvSNMPVb &) const = default;
};

// Dotted text <-> sub-identifiers. Parsing returns false on anything that is not a dotted
// list of unsigned 32-bit numbers (a leading dot is accepted).
bool QvParseOid(const QString &text, QvOid *out);
QString QvOidToText(const QvOid &oid);
