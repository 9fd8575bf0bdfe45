#include "qvfieldcodec.h"

#include "qvdatetime.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmptypes.h"

#include <QDate>
#include <QTime>

namespace {

constexpr quint32 TicksPerDay = 8640000;
constexpr quint32 TicksPerHour = 360000;
constexpr quint32 TicksPerMinute = 6000;
constexpr quint32 TicksPerSecond = 100;

bool IsPlaceholder(const QString &text)
{
    return text == QvNullText || text == QvNotDoneText;
}

bool IsHexSyntax(quint32 syntax)
{
    return syntax == SYN_BITSTR || syntax == SYN_OCTETSTR || syntax == SYN_OPAQUE;
}

// The edits a syntax always needs; 0 when the value decides (hex octets, object identifiers).
int FixedFieldCount(quint32 syntax)
{
    switch (syntax) {
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return 4;
    case SYN_TIMETICKS:
        return 5;
    case SYN_MACADDRESS:
        return 6;
    case SYN_DATETIME:
        return 10;
    case SYN_BCDATETIME:
        return 7;
    default:
        return 0;
    }
}

QString TwoHex(quint8 b)
{
    return QvHexText(QByteArray(1, char(b)));
}

// An edit's hex field: empty counts as "00", one digit gets a leading "0".
QString HexField(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QStringLiteral("00");
    if (t.size() == 1)
        return QLatin1Char('0') + t;
    return t;
}

QStringList HexFields(const QByteArray &octets, int count)
{
    QStringList fields;
    for (int k = 0; k < count; ++k)
        fields.append(k < octets.size() ? TwoHex(quint8(octets.at(k))) : QString());
    return fields;
}

QStringList Numbers(std::initializer_list<qint64> values)
{
    QStringList fields;
    for (qint64 v : values)
        fields.append(QString::number(v));
    return fields;
}

} // namespace

bool QvSplitsIntoFields(quint32 syntax, int count)
{
    return count > 1 && (FixedFieldCount(syntax) > 0 || IsHexSyntax(syntax) || syntax == SYN_OBJECTID);
}

QStringList QvSplitFields(quint32 syntax, const QString &value, int count)
{
    if (FixedFieldCount(syntax) > count)
        QvThrow(QVE_CONTROL_COUNT);
    // The placeholders have no fields to split into.
    if (IsPlaceholder(value))
        return {};
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE: {
        const QByteArray octets = QvReadHex(value);
        if (octets.size() > count)
            QvThrow(QVE_CONTROL_COUNT);
        return HexFields(octets, count);
    }
    case SYN_MACADDRESS:
        return HexFields(QvReadHex(value), 6);
    case SYN_OBJECTID: {
        QvOid oid;
        if (!QvParseOid(value, &oid))
            oid.clear();
        if (oid.size() > count)
            QvThrow(QVE_CONTROL_COUNT);
        QStringList fields;
        for (int k = 0; k < count; ++k)
            fields.append(k < oid.size() ? QString::number(oid.at(k)) : QString());
        return fields;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        const QByteArray b = TextToOctets(value, syntax);
        QStringList fields;
        for (int k = 0; k < 4; ++k)
            fields.append(QString::number(k < b.size() ? quint8(b.at(k)) : 0));
        return fields;
    }
    case SYN_TIMETICKS: {
        const quint32 t = QvReadTimeTicks(value);
        return Numbers({t / TicksPerDay, t / TicksPerHour % 24, t / TicksPerMinute % 60, t / TicksPerSecond % 60,
                        t % TicksPerSecond});
    }
    case SYN_DATETIME: {
        const QvDateTime d = QvDateTime::FromText(value);
        QStringList fields = Numbers({d.year, d.month, d.day, d.hour, d.minutes, d.seconds, d.deciSeconds});
        // Shown as the sign character itself, which is what joining reads back.
        fields.append(QString(QLatin1Char(d.direction == '-' ? '-' : '+')));
        fields.append(Numbers({d.utcHours, d.utcMinutes}));
        return fields;
    }
    case SYN_BCDATETIME: {
        double real = 0;
        QDate date;
        int ms = 0;
        if (!QvReadDateTimeReal(value, &real) || !QvDateTimeRealParts(real, &date, &ms))
            return {};
        const QTime time = QTime::fromMSecsSinceStartOfDay(ms);
        return Numbers({date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second(), time.msec()});
    }
    default:
        return {};
    }
}

QString QvJoinFields(quint32 syntax, const QStringList &fields)
{
    const int count = int(fields.size());
    if (FixedFieldCount(syntax) > count)
        QvThrow(QVE_CONTROL_COUNT);
    if (count > 0 && IsPlaceholder(fields.first()))
        return fields.first();
    auto number = [&](int k) { return QvReadDecimal(fields.value(k)); };
    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS: {
        QString hex;
        const int n = syntax == SYN_MACADDRESS ? 6 : count;
        for (int k = 0; k < n; ++k)
            hex += HexField(fields.at(k));
        return hex;
    }
    case SYN_OBJECTID: {
        // Trailing empty edits are edits the value did not need.
        int n = count;
        while (n > 0 && fields.at(n - 1).trimmed().isEmpty())
            --n;
        QStringList parts;
        for (int k = 0; k < n; ++k)
            parts.append(QString::number(number(k)));
        return parts.join(QLatin1Char('.'));
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        QStringList parts;
        for (int k = 0; k < 4; ++k)
            parts.append(QString::number(number(k)));
        return parts.join(QLatin1Char('.'));
    }
    case SYN_TIMETICKS: {
        const quint64 t = quint64(number(0)) * TicksPerDay + quint64(number(1)) * TicksPerHour +
                          quint64(number(2)) * TicksPerMinute + quint64(number(3)) * TicksPerSecond + number(4);
        return QvTimeTicksText(quint32(t));
    }
    case SYN_DATETIME: {
        const QString dir = fields.at(7).trimmed();
        const QvDateTime d(quint16(number(0)), quint8(number(1)), quint8(number(2)), quint8(number(3)),
                           quint8(number(4)), quint8(number(5)), quint8(number(6)),
                           dir.startsWith(QLatin1Char('-')) ? '-' : '+', quint8(number(8)), quint8(number(9)));
        return d.ToText();
    }
    case SYN_BCDATETIME: {
        const QDate date(int(number(0)), int(number(1)), int(number(2)));
        const QTime time(int(number(3)), int(number(4)), int(number(5)), int(number(6)));
        if (!date.isValid() || !time.isValid())
            return QString();
        return QvDateTimeRealText(QvDateTimeReal(date, time.msecsSinceStartOfDay()));
    }
    default:
        return fields.value(0);
    }
}

QString QvPrefixRest(quint32 syntax, const QString &text, int matched)
{
    if (IsPlaceholder(text))
        return text;
    QString rest = text.mid(qMax(matched, 0));
    if (matched >= 0 && syntax == SYN_OBJECTID && rest.startsWith(QLatin1Char('.')))
        rest.remove(0, 1);
    return rest;
}

QString QvJoinPrefix(quint32 syntax, const QString &prefix, const QString &rest)
{
    if (syntax == SYN_OBJECTID && !prefix.isEmpty() && !rest.isEmpty())
        return prefix + QLatin1Char('.') + rest;
    return prefix + rest;
}

void QvSpliceOctets(QByteArray *value, int offset, const QByteArray &part)
{
    if (value->size() < offset + part.size())
        value->append(QByteArray(offset + part.size() - value->size(), '\0'));
    for (int k = 0; k < part.size(); ++k)
        (*value)[offset + k] = part.at(k);
}

bool QvOctetBit(const QByteArray &octets, int bit)
{
    if (bit < 0 || bit / 8 >= octets.size())
        QvThrow(QVE_PART_INDEX);
    return (quint8(octets.at(bit / 8)) & (0x80 >> (bit % 8))) != 0;
}

void QvSetOctetBit(QByteArray *octets, int bit, bool on)
{
    const int byte = bit / 8;
    if (octets->size() <= byte)
        octets->append(QByteArray(byte + 1 - octets->size(), '\0'));
    const quint8 mask = quint8(0x80 >> (bit % 8));
    (*octets)[byte] = char(on ? (quint8(octets->at(byte)) | mask) : (quint8(octets->at(byte)) & ~mask));
}
