#include "qvreadable.h"

#include "qvsnmptypes.h"

#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>

namespace {

// Strict hex: only digits and blanks, an even count; else an empty result and *ok false.
QByteArray strictHex(const QString &text, bool *ok)
{
    QString digits;
    for (QChar c : text) {
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t'))
            continue;
        const char16_t u = c.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex) {
            *ok = false;
            return {};
        }
        digits += c;
    }
    *ok = digits.size() % 2 == 0;
    return *ok ? QByteArray::fromHex(digits.toLatin1()) : QByteArray();
}

struct KnownOid {
    const char *oid;
    const char *name;
};

// The USM protocol identifiers and the null identifier.
const KnownOid KnownOids[] = {
    {"0.0", "zeroDotZero"},
    {"1.3.6.1.6.3.10.1.1.1", "usmNoAuthProtocol (none)"},
    {"1.3.6.1.6.3.10.1.1.2", "usmHMACMD5AuthProtocol (HMAC-MD5)"},
    {"1.3.6.1.6.3.10.1.1.3", "usmHMACSHAAuthProtocol (HMAC-SHA)"},
    {"1.3.6.1.6.3.10.1.1.4", "usmHMAC128SHA224AuthProtocol (HMAC-SHA-224)"},
    {"1.3.6.1.6.3.10.1.1.5", "usmHMAC192SHA256AuthProtocol (HMAC-SHA-256)"},
    {"1.3.6.1.6.3.10.1.1.6", "usmHMAC256SHA384AuthProtocol (HMAC-SHA-384)"},
    {"1.3.6.1.6.3.10.1.1.7", "usmHMAC384SHA512AuthProtocol (HMAC-SHA-512)"},
    {"1.3.6.1.6.3.10.1.2.1", "usmNoPrivProtocol (none)"},
    {"1.3.6.1.6.3.10.1.2.2", "usmDESPrivProtocol (DES)"},
    {"1.3.6.1.6.3.10.1.2.3", "usm3DESEDEPrivProtocol (3DES)"},
    {"1.3.6.1.6.3.10.1.2.4", "usmAesCfb128Protocol (AES-128)"},
    {"1.3.6.1.4.1.14832.1.3", "usmAES192PrivProtocol (AES-192)"},
    {"1.3.6.1.4.1.14832.1.4", "usmAES256PrivProtocol (AES-256)"},
    {"1.3.6.1.4.1.9.12.6.1.1", "usmAES192PrivProtocol (AES-192, alternative)"},
    {"1.3.6.1.4.1.9.12.6.1.2", "usmAES256PrivProtocol (AES-256, alternative)"},
};

QString trimmedNumber(double value)
{
    return QString::number(value, 'f', 3).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

}  // namespace

QString QvPortListText(const QString &hexText)
{
    bool ok = false;
    const QByteArray octets = strictHex(hexText, &ok);
    if (!ok || octets.isEmpty())
        return QString();
    QStringList ranges;
    const int bits = int(octets.size()) * 8;
    auto isSet = [&](int bit) { return (quint8(octets[bit / 8]) >> (7 - bit % 8)) & 1; };
    for (int bit = 0; bit < bits;) {
        if (!isSet(bit)) {
            ++bit;
            continue;
        }
        int last = bit;
        while (last + 1 < bits && isSet(last + 1))
            ++last;
        ranges << (last == bit ? QString::number(bit + 1)
                               : QString::number(bit + 1) + QLatin1Char('-') + QString::number(last + 1));
        bit = last + 1;
    }
    return ranges.isEmpty() ? QStringLiteral("none") : ranges.join(QStringLiteral(", "));
}

QString QvMacText(const QString &hexText)
{
    bool ok = false;
    const QByteArray octets = strictHex(hexText, &ok);
    if (!ok || octets.size() != 6)
        return QString();
    QStringList parts;
    for (char o : octets)
        parts << QString::fromLatin1(QByteArray(1, o).toHex().toUpper());
    return parts.join(QLatin1Char(':'));
}

QString QvOidName(const QString &oidText)
{
    QString oid = oidText.trimmed();
    if (oid.startsWith(QLatin1Char('.')))
        oid.remove(0, 1);
    for (const KnownOid &k : KnownOids)
        if (oid == QLatin1String(k.oid))
            return QLatin1String(k.name);
    return QString();
}

QString QvSpeedText(quint64 bps)
{
    static const struct { quint64 unit; const char *name; } units[] = {
        {1000000000ULL, "Gbit/s"}, {1000000ULL, "Mbit/s"}, {1000ULL, "kbit/s"}};
    for (const auto &u : units)
        if (bps >= u.unit)
            return trimmedNumber(double(bps) / double(u.unit)) + QLatin1Char(' ') + QLatin1String(u.name);
    return QString::number(bps) + QStringLiteral(" bit/s");
}

QvReadableKind QvReadableKindOf(quint32 syntax, const QString &name, bool hasOptions, bool portList)
{
    const QString n = name.trimmed();
    if (hasOptions)
        return RK_NONE;
    switch (syntax) {
    case SYN_OCTETSTR:
    case SYN_BITSTR:
        if (portList || n.endsWith(QLatin1String("Ports"), Qt::CaseInsensitive))
            return RK_PORTLIST;
        return RK_NONE;
    case SYN_MACADDRESS:
        return RK_MAC;
    case SYN_OBJECTID:
        return RK_OID;
    case SYN_GAUGE:
    case SYN_INTEGER:
    case SYN_UINTEGER:
        if (n.compare(QLatin1String("HighSpeed"), Qt::CaseInsensitive) == 0)
            return RK_SPEED_MBPS;
        if (n.compare(QLatin1String("Speed"), Qt::CaseInsensitive) == 0)
            return RK_SPEED_BPS;
        return RK_NONE;
    default:
        return RK_NONE;
    }
}

QString QvReadableText(QvReadableKind kind, const QString &text)
{
    switch (kind) {
    case RK_PORTLIST:
        return QvPortListText(text);
    case RK_MAC:
        return QvMacText(text);
    case RK_OID:
        return QvOidName(text);
    case RK_SPEED_BPS:
    case RK_SPEED_MBPS: {
        bool ok = false;
        const quint64 n = text.trimmed().toULongLong(&ok);
        if (!ok)
            return QString();
        return QvSpeedText(kind == RK_SPEED_MBPS ? n * 1000000ULL : n);
    }
    case RK_NONE:
        break;
    }
    return QString();
}
