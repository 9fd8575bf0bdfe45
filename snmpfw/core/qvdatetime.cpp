#include "qvdatetime.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace {

// The day date-time reals count from.
QDate RealEpoch()
{
    return QDate(1899, 12, 30);
}
constexpr qint64 MsPerDay = 86400000;
// Day numbers of 0001-01-01 and 10000-01-01 in date-time reals.
constexpr double FirstDay = -693593;
constexpr double EndDay = 2958466;

// Reads a signed decimal the way "%d" does: optional blanks, one sign, at least one digit.
bool scanInt(const QByteArray &s, int &pos, int *out)
{
    int p = pos;
    while (p < s.size() && (s[p] == ' ' || s[p] == '\t' || s[p] == '\n' || s[p] == '\r'))
        ++p;
    bool negative = false;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        negative = s[p] == '-';
        ++p;
    }
    if (p >= s.size() || s[p] < '0' || s[p] > '9')
        return false;
    quint32 v = 0;
    while (p < s.size() && s[p] >= '0' && s[p] <= '9') {
        v = v * 10u + quint32(s[p] - '0');
        ++p;
    }
    *out = negative ? int(0u - v) : int(v);
    pos = p;
    return true;
}

// Matches text against a pattern in which 'd' stands for a number and every other character
// for itself; returns how many numbers were read before the first mismatch.
int scanPattern(const QByteArray &text, const char *pattern, int *fields)
{
    int pos = 0;
    int n = 0;
    for (const char *c = pattern; *c; ++c) {
        if (*c == 'd') {
            if (!scanInt(text, pos, &fields[n]))
                break;
            ++n;
        } else {
            if (pos >= text.size() || text[pos] != *c)
                break;
            ++pos;
        }
    }
    return n;
}

} // namespace

QvDateTime::QvDateTime()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    year = quint16(d.year());
    month = quint8(d.month());
    day = quint8(d.day());
    hour = quint8(t.hour());
    minutes = quint8(t.minute());
    seconds = quint8(t.second());
}

QvDateTime::QvDateTime(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minutes, quint8 seconds,
                       quint8 deciSeconds, char direction, quint8 utcHours, quint8 utcMinutes)
    : year(year), month(month), day(day), hour(hour), minutes(minutes), seconds(seconds),
      deciSeconds(deciSeconds), direction(direction), utcHours(utcHours), utcMinutes(utcMinutes)
{
}

QvDateTime QvDateTime::FromOctets(const QByteArray &octets)
{
    quint8 o[WireSize] = {};
    const int n = qMin<int>(octets.size(), WireSize);
    for (int k = 0; k < n; ++k)
        o[k] = quint8(octets[k]);
    return QvDateTime(quint16((o[0] << 8) | o[1]), o[2], o[3], o[4], o[5], o[6], o[7], char(o[8]), o[9], o[10]);
}

QByteArray QvDateTime::ToOctets() const
{
    QByteArray o(WireSize, '\0');
    o[0] = char(year >> 8);
    o[1] = char(year & 0xFF);
    o[2] = char(month);
    o[3] = char(day);
    o[4] = char(hour);
    o[5] = char(minutes);
    o[6] = char(seconds);
    o[7] = char(deciSeconds);
    o[8] = direction;
    o[9] = char(utcHours);
    o[10] = char(utcMinutes);
    return o;
}

QString QvDateTime::ToText() const
{
    QString s = QString::asprintf("%d-%d-%d,%d:%d:%d.%d", int(year), int(month), int(day), int(hour),
                                  int(minutes), int(seconds), int(deciSeconds));
    if ((utcHours != 0 || utcMinutes != 0) && (direction == '+' || direction == '-'))
        s += QString::asprintf(",%c%d:%d", direction, int(utcHours), int(utcMinutes));
    return s;
}

QvDateTime QvDateTime::FromText(const QString &text)
{
    const QByteArray s = text.toLatin1();
    int f[9] = {};
    char direction = '+';
    if (scanPattern(s, "d-d-d,d:d:d.d,+d:d", f) != 9) {
        int g[9] = {};
        if (scanPattern(s, "d-d-d,d:d:d.d,-d:d", g) == 9) {
            std::copy(g, g + 9, f);
            direction = '-';
        } else {
            std::fill(f, f + 9, 0);
            scanPattern(s, "d-d-d,d:d:d.d", f);
        }
    }
    return QvDateTime(quint16(f[0]), quint8(f[1]), quint8(f[2]), quint8(f[3]), quint8(f[4]), quint8(f[5]),
                      quint8(f[6]), direction, quint8(f[7]), quint8(f[8]));
}

bool QvDateTime::Parse(const QString &text, QvDateTime *value)
{
    const QByteArray s = text.trimmed().toLatin1();
    int pos = 0;
    // At most five digits: every field fits, and nothing can wrap into range.
    auto number = [&](int *out) {
        int v = 0;
        int digits = 0;
        while (pos < s.size() && s[pos] >= '0' && s[pos] <= '9' && digits < 6) {
            v = v * 10 + (s[pos] - '0');
            ++pos;
            ++digits;
        }
        *out = v;
        return digits > 0 && digits <= 5;
    };
    auto literal = [&](char c) {
        if (pos >= s.size() || s[pos] != c)
            return false;
        ++pos;
        return true;
    };
    int f[9] = {};
    char direction = '+';
    int n = 0;
    static const char separators[] = "--,::.,";
    for (; n < 7; ++n) {
        if (n > 0 && !literal(separators[n - 1]))
            break;
        if (!number(&f[n]))
            return false;
    }
    // The date alone, or with a time cut after any field.
    if (n < 3)
        return false;
    if (n == 7 && pos < s.size()) {
        if (!literal(','))
            return false;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
            direction = s[pos++];
        else
            return false;
        if (!number(&f[7]) || !literal(':') || !number(&f[8]))
            return false;
    }
    if (pos != s.size())
        return false;
    static const int low[9] = {0, 1, 1, 0, 0, 0, 0, 0, 0};
    static const int high[9] = {65535, 12, 31, 23, 59, 60, 9, 14, 59};
    for (int k = 0; k < 9; ++k) {
        if (f[k] < low[k] || f[k] > high[k])
            return false;
    }
    *value = QvDateTime(quint16(f[0]), quint8(f[1]), quint8(f[2]), quint8(f[3]), quint8(f[4]), quint8(f[5]),
                        quint8(f[6]), direction, quint8(f[7]), quint8(f[8]));
    return true;
}

bool QvDateTimeRealParts(double value, QDate *date, int *msOfDay)
{
    if (!std::isfinite(value) || value < FirstDay || value >= EndDay)
        return false;
    const double whole = std::trunc(value);
    qint64 ms = qint64(std::llround(std::fabs(value - whole) * double(MsPerDay)));
    if (ms >= MsPerDay)
        ms = MsPerDay - 1;
    *date = RealEpoch().addDays(qint64(whole));
    *msOfDay = int(ms);
    return true;
}

double QvDateTimeReal(const QDate &date, int msOfDay)
{
    const qint64 days = RealEpoch().daysTo(date);
    const double fraction = double(msOfDay) / double(MsPerDay);
    return days >= 0 ? double(days) + fraction : double(days) - fraction;
}
