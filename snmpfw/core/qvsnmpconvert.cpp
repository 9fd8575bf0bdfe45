#include "qvsnmpconvert.h"

#include "qvdatetime.h"
#include "qvoptionlist.h"
#include "qvsnmperrors.h"
#include "qvsnmpvarlist.h"

#include <QDate>
#include <QtEndian>

#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr quint32 TicksPerDay = 8640000;

[[noreturn]] void badSyntax()
{
    QvThrow(QVE_BAD_SYNTAX);
}

[[noreturn]] void instanceTooShort()
{
    QvThrow(QVE_INSTANCE_SHORT);
}

[[noreturn]] void badValue()
{
    QvThrow(QVE_BAD_VALUE);
}

constexpr qint64 Int32Min = -2147483648LL;
constexpr qint64 Int32Max = 2147483647LL;
constexpr qint64 UInt32Max = 4294967295LL;

qint64 decimalIn(const QString &text, qint64 min, qint64 max)
{
    qint64 v = 0;
    if (!QvParseDecimal(text, min, max, &v))
        badValue();
    return v;
}

quint32 ticksOf(const QString &text)
{
    quint32 v = 0;
    if (!QvParseTimeTicks(text, &v))
        badValue();
    return v;
}

QByteArray macOf(const QString &text)
{
    QByteArray o;
    if (!QvParseMac(text, &o))
        badValue();
    return o;
}

double realOf(const QString &text)
{
    double v = 0;
    if (!QvParseReal(text, &v))
        badValue();
    return v;
}

quint64 counter64Of(const QString &text)
{
    quint64 v = 0;
    if (!QvParseCounter64(text, &v))
        badValue();
    return v;
}

double dateTimeRealOf(const QString &text)
{
    double v = 0;
    if (!QvReadDateTimeReal(text, &v))
        badValue();
    return v;
}

QvDateTime dateTimeOf(const QString &text)
{
    QvDateTime v;
    if (!QvDateTime::Parse(text, &v))
        badValue();
    return v;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool isMarker(const QString &text)
{
    return text == QvNullText || text == QvNotDoneText;
}

bool isTrue(const QString &text)
{
    return text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QString boolText(bool on)
{
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

QString labelOf(const QString &text, const QvOptionList *options)
{
    return options && !isMarker(text) ? options->ValueToLabel(text) : text;
}

QString valueOf(const QString &text, const QvOptionList *options)
{
    return options && !isMarker(text) ? options->LabelToValue(text) : text;
}

int hexValue(QChar ch)
{
    const ushort c = ch.unicode();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

quint32 le32(const QByteArray &o, int at)
{
    return qFromLittleEndian<quint32>(o.constData() + at);
}

void putLe32(QByteArray &o, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    o.append(b, 4);
}

// A double from up to eight octets, least significant first; missing octets count as 0.
double doubleFromOctets(const QByteArray &o)
{
    uchar b[8] = {};
    std::memcpy(b, o.constData(), size_t(qMin<qsizetype>(o.size(), 8)));
    const quint64 bits = qFromLittleEndian<quint64>(b);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

quint64 doubleBits(double d)
{
    quint64 bits;
    std::memcpy(&bits, &d, sizeof bits);
    return bits;
}

double doubleFromBits(quint64 bits)
{
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

QByteArray doubleOctets(double d)
{
    QByteArray o(8, '\0');
    qToLittleEndian(doubleBits(d), o.data());
    return o;
}

// Extent of the leading real of s from pos: [sign] digits [. digits] [e [sign] digits].
// Returns the end of the number, or pos when there is none.
int realExtent(const QByteArray &s, int pos, bool *hasFraction)
{
    int p = pos;
    if (p < s.size() && (s[p] == '+' || s[p] == '-'))
        ++p;
    int digits = 0;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
        ++p;
        ++digits;
    }
    *hasFraction = false;
    if (p < s.size() && s[p] == '.') {
        int q = p + 1;
        int fraction = 0;
        while (q < s.size() && s[q] >= '0' && s[q] <= '9') {
            ++q;
            ++fraction;
        }
        if (digits + fraction > 0) {
            p = q;
            digits += fraction;
            *hasFraction = true;
        }
    }
    if (digits == 0)
        return pos;
    if (p < s.size() && (s[p] == 'e' || s[p] == 'E')) {
        int q = p + 1;
        if (q < s.size() && (s[q] == '+' || s[q] == '-'))
            ++q;
        if (q < s.size() && s[q] >= '0' && s[q] <= '9') {
            while (q < s.size() && s[q] >= '0' && s[q] <= '9')
                ++q;
            p = q;
            *hasFraction = true;
        }
    }
    return p;
}

template <typename F>
F leadingReal(const QString &text)
{
    const QByteArray s = text.toLatin1();
    int pos = 0;
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
        ++pos;
    bool hasFraction;
    const int end = realExtent(s, pos, &hasFraction);
    if (end == pos)
        return 0;
    bool negative = false;
    if (s[pos] == '+' || s[pos] == '-') {
        negative = s[pos] == '-';
        ++pos;
    }
    F v = 0;
    std::from_chars(s.constData() + pos, s.constData() + end, v, std::chars_format::general);
    return negative ? -v : v;
}

// Four dotted numbers 0 to 255, nothing else.
bool parseIpAddress(const QString &text, QByteArray *octets)
{
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return false;
    QByteArray o;
    for (const QString &p : parts) {
        if (p.isEmpty() || p.size() > 3)
            return false;
        int v = 0;
        for (QChar c : p) {
            if (c.unicode() < '0' || c.unicode() > '9')
                return false;
            v = v * 10 + (c.unicode() - '0');
        }
        if (v > 255)
            return false;
        o.append(char(v));
    }
    *octets = o;
    return true;
}

QString dotted(const QByteArray &octets)
{
    QString s;
    for (int k = 0; k < octets.size(); ++k) {
        if (k)
            s += QLatin1Char('.');
        s += QString::number(uchar(octets[k]));
    }
    return s;
}

// The integer of a received binding; false when it carries none.
bool integerOf(const QvSNMPValue &v, qint64 *out)
{
    switch (v.type) {
    case QvSNMPValue::Integer:
        *out = v.i;
        return true;
    case QvSNMPValue::Counter32:
    case QvSNMPValue::Gauge32:
    case QvSNMPValue::TimeTicks:
        *out = v.u;
        return true;
    case QvSNMPValue::Counter64:
        *out = qint64(v.u64);
        return true;
    default:
        return false;
    }
}

// The octets of a received binding; false when it carries none.
bool octetsOf(const QvSNMPValue &v, QByteArray *out)
{
    switch (v.type) {
    case QvSNMPValue::OctetString:
    case QvSNMPValue::Opaque:
    case QvSNMPValue::IpAddress:
        *out = v.octets;
        return !v.octets.isEmpty();
    default:
        return false;
    }
}

QByteArray octetsFromSubIds(const QvOid &oid, int from, int count)
{
    QByteArray o;
    o.reserve(count);
    for (int k = from; k < from + count; ++k) {
        if (oid[k] > 255)
            instanceTooShort();
        o.append(char(oid[k]));
    }
    return o;
}

void appendOctets(QvOid &oid, const QByteArray &octets)
{
    for (char c : octets)
        oid.append(uchar(c));
}

} // namespace

bool QvIsVarSyntax(quint32 syntax)
{
    return (syntax >= SYN_BOOLEAN && syntax <= SYN_OBJECTID) || (syntax >= SYN_IPADDRESS && syntax <= SYN_DISPLAYSTR);
}

bool QvIsPartSyntax(quint32 syntax)
{
    return QvIsVarSyntax(syntax) || (syntax >= SYN_BOOL8 && syntax <= SYN_UINT16);
}

QByteArray QvReadHex(const QString &text)
{
    QString digits;
    digits.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            digits += c;
    }
    QByteArray o;
    o.reserve((digits.size() + 1) / 2);
    int k = 0;
    if (digits.size() % 2) {
        o.append(char(hexValue(digits[0])));
        k = 1;
    }
    for (; k + 1 < digits.size(); k += 2)
        o.append(char(hexValue(digits[k]) * 16 + hexValue(digits[k + 1])));
    return o;
}

bool QvParseMac(const QString &text, QByteArray *octets)
{
    const QString t = text.trimmed();
    auto isHex = [](QChar c) {
        const ushort u = c.unicode();
        return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
    };
    QChar separator;
    for (QChar c : t)
        if (!isHex(c)) {
            separator = c;
            break;
        }
    QStringList groups;
    int groupCount = 1, minDigits = 12, maxDigits = 12;
    if (separator.isNull()) {
        groups << t;
    } else if (separator == u':' || separator == u'-' || separator == u' ') {
        groups = t.split(separator);
        groupCount = 6;
        minDigits = 1;
        maxDigits = 2;
    } else if (separator == u'.') {
        groups = t.split(separator);
        groupCount = 3;
        minDigits = maxDigits = 4;
    } else {
        return false;
    }
    if (groups.size() != groupCount)
        return false;
    QString digits;
    for (const QString &g : groups) {
        if (g.size() < minDigits || g.size() > maxDigits)
            return false;
        for (QChar c : g)
            if (!isHex(c))
                return false;
        digits += g.size() < maxDigits && maxDigits == 2 ? QLatin1Char('0') + g : g;
    }
    *octets = QByteArray::fromHex(digits.toLatin1());
    return octets->size() == 6;
}

QString QvHexText(const QByteArray &octets)
{
    return QString::fromLatin1(octets.toHex().toUpper());
}

quint32 QvReadDecimal(const QString &text)
{
    int p = 0;
    while (p < text.size() && isBlank(text[p]))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == QLatin1Char('+') || text[p] == QLatin1Char('-'))) {
        negative = text[p] == QLatin1Char('-');
        ++p;
    }
    quint32 v = 0;
    for (; p < text.size(); ++p) {
        const ushort c = text[p].unicode();
        if (c < '0' || c > '9')
            break;
        v = v * 10u + quint32(c - '0');
    }
    return negative ? 0u - v : v;
}

bool QvParseDecimal(const QString &text, qint64 min, qint64 max, qint64 *value)
{
    const QString t = text.trimmed();
    int p = 0;
    bool negative = false;
    if (p < t.size() && (t[p] == QLatin1Char('+') || t[p] == QLatin1Char('-'))) {
        negative = t[p] == QLatin1Char('-');
        ++p;
    }
    if (p >= t.size())
        return false;
    // Far beyond any range checked here, and far below overflow.
    constexpr qint64 Cap = 100000000000000000LL;
    qint64 v = 0;
    for (; p < t.size(); ++p) {
        const ushort c = t[p].unicode();
        if (c < '0' || c > '9' || v > Cap)
            return false;
        v = v * 10 + (c - '0');
    }
    if (negative)
        v = -v;
    if (v < min || v > max)
        return false;
    *value = v;
    return true;
}

bool QvParseReal(const QString &text, double *value)
{
    const QByteArray s = text.trimmed().toLatin1();
    bool hasFraction;
    if (s.isEmpty() || realExtent(s, 0, &hasFraction) != s.size())
        return false;
    const char *begin = s.constData() + (s[0] == '+' ? 1 : 0);
    double v = 0;
    const auto r = std::from_chars(begin, s.constData() + s.size(), v, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != s.constData() + s.size() || !std::isfinite(v))
        return false;
    *value = v;
    return true;
}

bool QvParseCounter64(const QString &text, quint64 *value)
{
    const QString t = text.trimmed();
    const QByteArray s = t.toLatin1();
    bool hasFraction;
    if (s.isEmpty() || s[0] == '-' || realExtent(s, 0, &hasFraction) != s.size())
        return false;
    if (!hasFraction) {
        quint64 v = 0;
        for (int p = s[0] == '+' ? 1 : 0; p < s.size(); ++p) {
            const quint64 d = quint64(s[p] - '0');
            if (v > (~quint64(0) - d) / 10)
                return false;
            v = v * 10 + d;
        }
        *value = v;
        return true;
    }
    const long double r = leadingReal<long double>(t);
    if (!std::isfinite(r) || r < 0 || r + 0.5L >= 18446744073709551616.0L)
        return false;
    *value = quint64(r + 0.5L);
    return true;
}

bool QvParseTimeTicks(const QString &text, quint32 *ticks)
{
    const QString t = text.trimmed();
    qint64 total = 0;
    qint64 n = 0;
    QString rest = t;
    const int dayAt = t.indexOf(QLatin1String("day"), 0, Qt::CaseInsensitive);
    if (dayAt >= 0) {
        if (!QvParseDecimal(t.left(dayAt), 0, UInt32Max, &n))
            return false;
        total = n * TicksPerDay;
        int p = dayAt + 3;
        if (p < t.size() && (t[p] == QLatin1Char('s') || t[p] == QLatin1Char('S')))
            ++p;
        while (p < t.size() && isBlank(t[p]))
            ++p;
        if (p < t.size() && t[p] == QLatin1Char(','))
            ++p;
        rest = t.mid(p).trimmed();
    } else if (!t.contains(QLatin1Char(':'))) {
        // A bare number is a count of hundredths.
        if (!QvParseDecimal(t, 0, UInt32Max, &n))
            return false;
        *ticks = quint32(n);
        return true;
    }
    if (!rest.isEmpty()) {
        const QStringList parts = rest.split(QLatin1Char(':'));
        if (parts.size() > 3)
            return false;
        static const qint64 weights[3] = {360000, 6000, 100};
        for (int k = 0; k < parts.size(); ++k) {
            QString part = parts[k];
            if (k == 2) {
                const int dot = part.indexOf(QLatin1Char('.'));
                if (dot >= 0) {
                    // Hundredths: one or two digits, a single digit being tenths.
                    const QString fraction = part.mid(dot + 1);
                    if (fraction.isEmpty() || fraction.size() > 2 || !QvParseDecimal(fraction, 0, 99, &n)
                        || fraction[0] == QLatin1Char('+') || fraction[0] == QLatin1Char('-'))
                        return false;
                    total += fraction.size() == 1 ? n * 10 : n;
                    part = part.left(dot);
                }
            }
            if (part.startsWith(QLatin1Char('-')) || !QvParseDecimal(part, 0, UInt32Max, &n))
                return false;
            total += n * weights[k];
            if (total > UInt32Max)
                return false;
        }
    }
    if (total > UInt32Max)
        return false;
    *ticks = quint32(total);
    return true;
}

double QvReadReal(const QString &text)
{
    return leadingReal<double>(text);
}

QString QvRealText(double value)
{
    return QString::number(value, 'g', 15);
}

quint64 QvReadCounter64(const QString &text)
{
    const QByteArray s = text.toLatin1();
    int pos = 0;
    while (pos < s.size() && (s[pos] == ' ' || s[pos] == '\t'))
        ++pos;
    bool hasFraction;
    const int end = realExtent(s, pos, &hasFraction);
    if (end == pos || s[pos] == '-')
        return 0;
    if (!hasFraction) {
        // Whole numbers exactly, saturating at the maximum.
        quint64 v = 0;
        for (int p = s[pos] == '+' ? pos + 1 : pos; p < end; ++p) {
            const quint64 d = quint64(s[p] - '0');
            if (v > (~quint64(0) - d) / 10)
                return ~quint64(0);
            v = v * 10 + d;
        }
        return v;
    }
    const long double r = leadingReal<long double>(text);
    if (!(r > 0))
        return 0;
    if (r >= 18446744073709551615.0L)
        return ~quint64(0);
    return quint64(r + 0.5L);
}

QString QvCounter64Text(quint64 value)
{
    return QString::number(value);
}

QString QvTimeTicksText(quint32 ticks)
{
    const quint32 days = ticks / TicksPerDay;
    const quint32 rest = ticks % TicksPerDay;
    const QString time = QString::asprintf("%u:%02u:%02u.%02u", rest / 360000, rest / 6000 % 60, rest / 100 % 60,
                                           rest % 100);
    if (days == 0)
        return time;
    if (days == 1)
        return QStringLiteral("1 day ") + time;
    return QString::asprintf("%u days, ", days) + time;
}

quint32 QvReadTimeTicks(const QString &text)
{
    quint64 total = 0;
    QString rest = text;
    const int dayAt = text.indexOf(QLatin1String("day"), 0, Qt::CaseInsensitive);
    const bool hasDays = dayAt >= 0;
    if (hasDays) {
        total += quint64(QvReadDecimal(text.left(dayAt))) * TicksPerDay;
        int p = dayAt + 3;
        if (p < text.size() && (text[p] == QLatin1Char('s') || text[p] == QLatin1Char('S')))
            ++p;
        while (p < text.size() && isBlank(text[p]))
            ++p;
        if (p < text.size() && text[p] == QLatin1Char(','))
            ++p;
        rest = text.mid(p);
    }
    const QStringList parts = rest.split(QLatin1Char(':'));
    if (!hasDays && parts.size() == 1) {
        // A bare number is a count of hundredths.
        return QvReadDecimal(rest);
    }
    total += quint64(QvReadDecimal(parts[0])) * 360000;
    if (parts.size() > 1)
        total += quint64(QvReadDecimal(parts[1])) * 6000;
    if (parts.size() > 2) {
        const QString &sec = parts[2];
        total += quint64(QvReadDecimal(sec)) * 100;
        const int dot = sec.indexOf(QLatin1Char('.'));
        if (dot >= 0) {
            // Hundredths: the first two fraction digits, a single digit being tenths.
            int hundredths = 0;
            int weight = 10;
            for (int p = dot + 1; p < sec.size() && weight > 0; ++p) {
                const ushort c = sec[p].unicode();
                if (c < '0' || c > '9')
                    break;
                hundredths += (c - '0') * weight;
                weight /= 10;
            }
            total += quint64(hundredths);
        }
    }
    return quint32(total);
}

QString QvDateTimeRealText(double value)
{
    QDate date;
    int ms = 0;
    if (!QvDateTimeRealParts(value, &date, &ms))
        return QvRealText(value);
    const int secs = ms / 1000;
    const int h = secs / 3600;
    const int h12 = h % 12 == 0 ? 12 : h % 12;
    return QString::asprintf("%04d/%02d/%02d %02d:%02d:%02d %s", date.year(), date.month(), date.day(), h12,
                             secs / 60 % 60, secs % 60, h < 12 ? "AM" : "PM");
}

bool QvReadDateTimeReal(const QString &text, double *value)
{
    // Date "y/m/d" (also with "-" or "."), then an optional time "h:m[:s[.fff]]" with an
    // optional AM/PM designator.
    const QString t = text.trimmed();
    int p = 0;
    auto number = [&](int *out) {
        int digits = 0;
        qint64 v = 0;
        while (p < t.size() && t[p].unicode() >= '0' && t[p].unicode() <= '9' && digits < 9) {
            v = v * 10 + (t[p].unicode() - '0');
            ++p;
            ++digits;
        }
        *out = int(v);
        return digits > 0;
    };
    int y, mo, d;
    if (!number(&y) || p >= t.size())
        return false;
    const QChar sep = t[p];
    if (sep != QLatin1Char('/') && sep != QLatin1Char('-') && sep != QLatin1Char('.'))
        return false;
    ++p;
    if (!number(&mo) || p >= t.size() || t[p] != sep)
        return false;
    ++p;
    if (!number(&d))
        return false;
    const QDate date(y, mo, d);
    if (y < 1 || y > 9999 || !date.isValid())
        return false;
    int h = 0, mi = 0, s = 0, ms = 0;
    while (p < t.size() && isBlank(t[p]))
        ++p;
    if (p < t.size() && t[p].unicode() >= '0' && t[p].unicode() <= '9') {
        if (!number(&h) || p >= t.size() || t[p] != QLatin1Char(':'))
            return false;
        ++p;
        if (!number(&mi))
            return false;
        if (p < t.size() && t[p] == QLatin1Char(':')) {
            ++p;
            if (!number(&s))
                return false;
            if (p < t.size() && t[p] == QLatin1Char('.')) {
                ++p;
                int weight = 100;
                while (p < t.size() && t[p].unicode() >= '0' && t[p].unicode() <= '9') {
                    ms += (t[p].unicode() - '0') * weight;
                    weight /= 10;
                    ++p;
                }
            }
        }
        while (p < t.size() && isBlank(t[p]))
            ++p;
        const QString designator = t.mid(p);
        if (!designator.isEmpty()) {
            const bool am = designator.compare(QLatin1String("AM"), Qt::CaseInsensitive) == 0;
            const bool pm = designator.compare(QLatin1String("PM"), Qt::CaseInsensitive) == 0;
            if ((!am && !pm) || h < 1 || h > 12)
                return false;
            h = (h % 12) + (pm ? 12 : 0);
        }
        p = int(t.size());
    }
    if (p != t.size() || h > 23 || mi > 59 || s > 59)
        return false;
    *value = QvDateTimeReal(date, ((h * 60 + mi) * 60 + s) * 1000 + ms);
    return true;
}

QString QvValueToText(quint32 syntax, const QvSNMPValue &value, const QvOptionList *options)
{
    QString text;
    qint64 n = 0;
    QByteArray o;
    switch (syntax) {
    case SYN_BOOLEAN:
        text = integerOf(value, &n) ? boolText(n != 0) : QvNullText;
        break;
    case SYN_INTEGER:
        text = integerOf(value, &n) ? QString::number(qint32(n)) : QvNullText;
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        octetsOf(value, &o);
        text = QvHexText(o);
        break;
    case SYN_NULL:
        text = QvNullText;
        break;
    case SYN_OBJECTID:
        text = value.type == QvSNMPValue::ObjectId && !value.oid.isEmpty() ? QvOidToText(value.oid) : QvNullText;
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        text = octetsOf(value, &o) ? dotted(o.left(4)) : QvNullText;
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        text = integerOf(value, &n) ? QString::number(quint32(n)) : QvNullText;
        break;
    case SYN_TIMETICKS:
        text = integerOf(value, &n) ? QvTimeTicksText(quint32(n)) : QvNullText;
        break;
    case SYN_COUNTER64:
        text = integerOf(value, &n) ? QvCounter64Text(value.type == QvSNMPValue::Integer ? quint64(quint32(n))
                                                                                           : quint64(n))
                                    : QvNullText;
        break;
    case SYN_DOUBLE:
        text = octetsOf(value, &o) ? QvRealText(doubleFromOctets(o)) : QvNullText;
        break;
    case SYN_DATETIME:
        text = octetsOf(value, &o) ? QvDateTime::FromOctets(o).ToText() : QvNullText;
        break;
    case SYN_BCDATETIME:
        text = octetsOf(value, &o) ? QvDateTimeRealText(doubleFromOctets(o)) : QvNullText;
        break;
    case SYN_DISPLAYSTR:
        octetsOf(value, &o);
        text = QString::fromLatin1(o);
        break;
    default:
        badSyntax();
    }
    return labelOf(text, options);
}

bool QvValueFitsSyntax(quint32 syntax, const QvSNMPValue &value)
{
    if (value.isAbsent())
        return true;
    qint64 n = 0;
    QByteArray o;
    switch (syntax) {
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
    case SYN_TIMETICKS:
    case SYN_COUNTER64:
        return integerOf(value, &n);
    case SYN_OBJECTID:
        return value.type == QvSNMPValue::ObjectId;
    case SYN_NULL:
        return true;
    default:
        // Octet syntaxes; an empty string is a value, too.
        return value.type == QvSNMPValue::OctetString || value.type == QvSNMPValue::Opaque
            || value.type == QvSNMPValue::IpAddress;
    }
}

QvSNMPValue QvTextToValue(quint32 syntax, const QString &text, const QvOptionList *options)
{
    if (!QvIsVarSyntax(syntax))
        badSyntax();
    const QString t = valueOf(text, options);
    if (t == QvNullText)
        return QvSNMPValue::null();
    switch (syntax) {
    case SYN_BOOLEAN:
        return QvSNMPValue::integer(isTrue(t) ? 1 : 0);
    case SYN_INTEGER:
        return QvSNMPValue::integer(qint32(decimalIn(t, Int32Min, Int32Max)));
    case SYN_BITSTR:
    case SYN_OCTETSTR:
        return QvSNMPValue::string(QvReadHex(t));
    case SYN_MACADDRESS:
        return QvSNMPValue::string(macOf(t));
    case SYN_OPAQUE:
        return QvSNMPValue::string(QvReadHex(t), QvSNMPValue::Opaque);
    case SYN_NULL:
        return QvSNMPValue::null();
    case SYN_OBJECTID: {
        QvOid oid;
        if (!QvParseOid(t, &oid))
            badSyntax();
        return QvSNMPValue::objectId(oid);
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        QByteArray o;
        if (!parseIpAddress(t, &o))
            badSyntax();
        return QvSNMPValue::string(o, QvSNMPValue::IpAddress);
    }
    case SYN_COUNTER:
        return QvSNMPValue::unsigned32(QvSNMPValue::Counter32, quint32(decimalIn(t, 0, UInt32Max)));
    case SYN_GAUGE:
    case SYN_UINTEGER:
        return QvSNMPValue::unsigned32(QvSNMPValue::Gauge32, quint32(decimalIn(t, 0, UInt32Max)));
    case SYN_TIMETICKS:
        return QvSNMPValue::unsigned32(QvSNMPValue::TimeTicks, ticksOf(t));
    case SYN_COUNTER64:
        return QvSNMPValue::counter64(counter64Of(t));
    case SYN_DOUBLE:
        return QvSNMPValue::string(doubleOctets(realOf(t)));
    case SYN_DATETIME:
        return QvSNMPValue::string(dateTimeOf(t).ToOctets());
    case SYN_BCDATETIME:
        return QvSNMPValue::string(doubleOctets(dateTimeRealOf(t)));
    case SYN_DISPLAYSTR:
        return QvSNMPValue::string(t.toLatin1());
    default:
        badSyntax();
    }
}

QvOid QvEncodeIndexOid(quint32 syntax, const QString &text, bool lastImplied, const QvOptionList *options)
{
    if (!QvIsVarSyntax(syntax))
        badSyntax();
    const QString t = valueOf(text, options);
    QvOid oid;
    switch (syntax) {
    case SYN_BOOLEAN:
        oid.append(isTrue(t) ? 1 : 0);
        break;
    case SYN_INTEGER:
        oid.append(quint32(decimalIn(t, Int32Min, Int32Max)));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        oid.append(quint32(decimalIn(t, 0, UInt32Max)));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR: {
        const QByteArray o = syntax == SYN_DISPLAYSTR ? t.toLatin1() : QvReadHex(t);
        if (!lastImplied)
            oid.append(quint32(o.size()));
        appendOctets(oid, o);
        break;
    }
    case SYN_NULL:
        break;
    case SYN_OBJECTID: {
        QvOid value;
        if (!QvParseOid(t, &value))
            badSyntax();
        if (!lastImplied)
            oid.append(quint32(value.size()));
        oid += value;
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        QByteArray o;
        if (!parseIpAddress(t, &o))
            badSyntax();
        appendOctets(oid, o);
        break;
    }
    case SYN_TIMETICKS:
        oid.append(ticksOf(t));
        break;
    case SYN_COUNTER64: {
        const quint64 v = counter64Of(t);
        oid << quint32(v >> 32) << quint32(v);
        break;
    }
    case SYN_DOUBLE: {
        const quint64 bits = doubleBits(realOf(t));
        oid << quint32(bits) << quint32(bits >> 32);
        break;
    }
    case SYN_MACADDRESS: {
        // Exactly six octets: a shorter instance would address another row.
        appendOctets(oid, macOf(t));
        break;
    }
    case SYN_DATETIME:
        appendOctets(oid, dateTimeOf(t).ToOctets());
        break;
    case SYN_BCDATETIME: {
        const quint64 bits = doubleBits(dateTimeRealOf(t));
        oid << quint32(bits) << quint32(bits >> 32);
        break;
    }
    default:
        badSyntax();
    }
    return oid;
}

QString QvEncodeIndex(quint32 syntax, const QString &text, bool lastImplied, const QvOptionList *options)
{
    return QvOidToText(QvEncodeIndexOid(syntax, text, lastImplied, options));
}

QString QvDecodeIndex(quint32 syntax, const QString &suffix, bool lastImplied, QString *text,
                      const QvOptionList *options)
{
    if (!QvIsVarSyntax(syntax))
        badSyntax();
    QvOid oid;
    if (!QvParseOid(suffix, &oid))
        instanceTooShort();
    const int n = int(oid.size());
    auto need = [&](qint64 count) {
        if (count > n)
            instanceTooShort();
    };
    int used = 0;
    QString value;
    switch (syntax) {
    case SYN_BOOLEAN:
        need(1);
        value = boolText(oid[0] != 0);
        used = 1;
        break;
    case SYN_INTEGER:
        need(1);
        value = QString::number(qint32(oid[0]));
        used = 1;
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_DISPLAYSTR: {
        QByteArray o;
        if (lastImplied) {
            o = octetsFromSubIds(oid, 0, n);
            used = n;
        } else {
            need(1);
            need(qint64(oid[0]) + 1);
            o = octetsFromSubIds(oid, 1, int(oid[0]));
            used = int(oid[0]) + 1;
        }
        value = syntax == SYN_DISPLAYSTR ? QString::fromLatin1(o) : QvHexText(o);
        break;
    }
    case SYN_NULL:
        value = QvNullText;
        break;
    case SYN_OBJECTID:
        if (lastImplied) {
            value = QvOidToText(oid);
            used = n;
        } else {
            need(1);
            need(qint64(oid[0]) + 1);
            used = int(oid[0]) + 1;
            value = QvOidToText(oid.mid(1, used - 1));
        }
        break;
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        need(4);
        value = dotted(octetsFromSubIds(oid, 0, 4));
        used = 4;
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        need(1);
        value = QString::number(oid[0]);
        used = 1;
        break;
    case SYN_TIMETICKS:
        need(1);
        value = QvTimeTicksText(oid[0]);
        used = 1;
        break;
    case SYN_COUNTER64:
        need(2);
        value = QvCounter64Text((quint64(oid[0]) << 32) | oid[1]);
        used = 2;
        break;
    case SYN_DOUBLE:
        need(2);
        value = QvRealText(doubleFromBits((quint64(oid[1]) << 32) | oid[0]));
        used = 2;
        break;
    case SYN_MACADDRESS:
        need(6);
        value = QvHexText(octetsFromSubIds(oid, 0, 6));
        used = 6;
        break;
    case SYN_DATETIME:
        need(QvDateTime::WireSize);
        value = QvDateTime::FromOctets(octetsFromSubIds(oid, 0, QvDateTime::WireSize)).ToText();
        used = QvDateTime::WireSize;
        break;
    case SYN_BCDATETIME:
        need(2);
        value = QvDateTimeRealText(doubleFromBits((quint64(oid[1]) << 32) | oid[0]));
        used = 2;
        break;
    default:
        badSyntax();
    }
    *text = labelOf(value, options);
    return QvOidToText(oid.mid(used));
}

void QvStoreValue(QvSNMPVarList &list, int i, const QvSNMPValue &value)
{
    QvSNMPVar &v = list.Item(i);
    v.valueText = QvValueToText(v.syntax, value, v.options);
}

QvSNMPValue QvLoadValue(const QvSNMPVarList &list, int i)
{
    const QvSNMPVar &v = list.Item(i);
    return QvTextToValue(v.syntax, v.valueText, v.options);
}

QString QvEncodeIndex(const QvSNMPVarList &list, int i)
{
    const QvSNMPVar &v = list.Item(i);
    return QvEncodeIndex(v.syntax, v.valueText, list.IsLastImplied(i), v.options);
}

QString QvDecodeIndex(QvSNMPVarList &list, int i, const QString &suffix)
{
    QvSNMPVar &v = list.Item(i);
    QString text;
    const QString rest = QvDecodeIndex(v.syntax, suffix, list.IsLastImplied(i), &text, v.options);
    v.valueText = text;
    return rest;
}

namespace {

// Width of a fixed-size part; -1 for the rest of the octets, 0 for none.
int partWidth(quint32 syntax)
{
    switch (syntax) {
    case SYN_BOOL8:
    case SYN_INT8:
    case SYN_UINT8:
        return 1;
    case SYN_BOOL16:
    case SYN_INT16:
    case SYN_UINT16:
        return 2;
    case SYN_BOOLEAN:
    case SYN_INTEGER:
    case SYN_IPADDRESS:
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_TIMETICKS:
    case SYN_NSAPADDR:
    case SYN_UINTEGER:
        return 4;
    case SYN_MACADDRESS:
        return 6;
    case SYN_COUNTER64:
    case SYN_DOUBLE:
    case SYN_BCDATETIME:
        return 8;
    case SYN_DATETIME:
        return QvDateTime::WireSize;
    case SYN_NULL:
        return 0;
    default:
        return -1;
    }
}

} // namespace

QByteArray ExtractPart(const QByteArray &octets, int byteIndex, quint32 syntax)
{
    if (octets.isEmpty())
        return QByteArray();
    if (!QvIsPartSyntax(syntax))
        badSyntax();
    if (byteIndex < 0)
        QvThrow(QVE_PART_INDEX);
    const int width = partWidth(syntax);
    if (width == 0)
        return QByteArray();
    if (width < 0)
        return byteIndex >= octets.size() ? QByteArray() : octets.mid(byteIndex);
    if (qint64(byteIndex) + width > octets.size())
        QvThrow(QVE_PART_INDEX);
    return octets.mid(byteIndex, width);
}

QString OctetsToText(const QByteArray &o, quint32 syntax)
{
    if (!QvIsPartSyntax(syntax))
        badSyntax();
    if (o.isEmpty())
        return syntax == SYN_DISPLAYSTR ? QString() : QvNullText;
    // Variable-length syntaxes need one octet, object identifiers one sub-identifier.
    const int width = syntax == SYN_OBJECTID ? 4 : partWidth(syntax);
    if (o.size() < width)
        QvThrow(QVE_PART_VALUE);
    const uchar *b = reinterpret_cast<const uchar *>(o.constData());
    switch (syntax) {
    case SYN_BOOLEAN:
        return boolText(le32(o, 0) != 0);
    case SYN_INTEGER:
        return QString::number(qint32(le32(o, 0)));
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS:
        return QvHexText(o);
    case SYN_NULL:
        return QvNullText;
    case SYN_OBJECTID: {
        QvOid oid;
        for (int k = 0; k + 4 <= o.size(); k += 4)
            oid.append(le32(o, k));
        return QvOidToText(oid);
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return dotted(o.left(4));
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        return QString::number(le32(o, 0));
    case SYN_TIMETICKS:
        return QvTimeTicksText(le32(o, 0));
    case SYN_COUNTER64:
        return QvCounter64Text(quint64(le32(o, 0)) | (quint64(le32(o, 4)) << 32));
    case SYN_DOUBLE:
        return QvRealText(doubleFromOctets(o));
    case SYN_DATETIME:
        return QvDateTime::FromOctets(o).ToText();
    case SYN_BCDATETIME:
        return QvDateTimeRealText(doubleFromOctets(o));
    case SYN_DISPLAYSTR:
        return QString::fromLatin1(o);
    case SYN_BOOL8:
        return boolText(b[0] != 0);
    case SYN_INT8:
        return QString::number(qint8(b[0]));
    case SYN_UINT8:
        return QString::number(b[0]);
    case SYN_BOOL16:
        return boolText(qFromBigEndian<quint16>(b) != 0);
    case SYN_INT16:
        return QString::number(qFromBigEndian<qint16>(b));
    case SYN_UINT16:
        return QString::number(qFromBigEndian<quint16>(b));
    default:
        badSyntax();
    }
}

QByteArray TextToOctets(const QString &text, quint32 syntax)
{
    if (!QvIsPartSyntax(syntax))
        badSyntax();
    if (syntax == SYN_NULL || text == QvNullText)
        return QByteArray();
    QByteArray o;
    switch (syntax) {
    case SYN_BOOLEAN:
        putLe32(o, isTrue(text) ? 1 : 0);
        break;
    case SYN_INTEGER:
        putLe32(o, quint32(decimalIn(text, Int32Min, Int32Max)));
        break;
    case SYN_COUNTER:
    case SYN_GAUGE:
    case SYN_UINTEGER:
        putLe32(o, quint32(decimalIn(text, 0, UInt32Max)));
        break;
    case SYN_TIMETICKS:
        putLe32(o, ticksOf(text));
        break;
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
        o = QvReadHex(text);
        break;
    case SYN_MACADDRESS:
        // Six octets, or the part would shift the fields after it.
        o = macOf(text);
        break;
    case SYN_OBJECTID: {
        QvOid oid;
        if (!QvParseOid(text, &oid))
            badSyntax();
        for (quint32 s : oid)
            putLe32(o, s);
        break;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        // Exactly four octets, or the part would shift the fields after it.
        if (!parseIpAddress(text, &o))
            badSyntax();
        break;
    case SYN_COUNTER64: {
        const quint64 v = counter64Of(text);
        putLe32(o, quint32(v));
        putLe32(o, quint32(v >> 32));
        break;
    }
    case SYN_DOUBLE:
        o = doubleOctets(realOf(text));
        break;
    case SYN_BCDATETIME:
        o = doubleOctets(dateTimeRealOf(text));
        break;
    case SYN_DATETIME:
        o = dateTimeOf(text).ToOctets();
        break;
    case SYN_DISPLAYSTR:
        o = text.toLatin1();
        break;
    case SYN_BOOL8:
        o.append(char(isTrue(text) ? 1 : 0));
        break;
    case SYN_INT8:
        o.append(char(decimalIn(text, -128, 127)));
        break;
    case SYN_UINT8:
        o.append(char(decimalIn(text, 0, 255)));
        break;
    case SYN_BOOL16:
    case SYN_INT16:
    case SYN_UINT16: {
        const quint16 v = syntax == SYN_BOOL16 ? quint16(isTrue(text) ? 1 : 0)
                          : syntax == SYN_INT16 ? quint16(decimalIn(text, -32768, 32767))
                                                : quint16(decimalIn(text, 0, 65535));
        char b[2];
        qToBigEndian(v, b);
        o.append(b, 2);
        break;
    }
    default:
        badSyntax();
    }
    return o;
}
