// The 11-octet date-and-time value (DateAndTime layout): year, month, day, hour, minutes,
// seconds, deci-seconds, direction from UTC, hours and minutes from UTC. The year is held in
// machine order and sent most significant octet first.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QtGlobal>

class QvDateTime {
public:
    enum { WireSize = 11 };

    // The current local date and time, deci-seconds 0, direction '+', offset 0:0.
    QvDateTime();
    QvDateTime(quint16 year, quint8 month, quint8 day, quint8 hour, quint8 minutes, quint8 seconds,
               quint8 deciSeconds = 0, char direction = '+', quint8 utcHours = 0, quint8 utcMinutes = 0);

    // From wire octets; octets missing from a short value count as 0, extra ones are ignored.
    static QvDateTime FromOctets(const QByteArray &octets);
    QByteArray ToOctets() const;

    // "y-m-d,h:m:s.d" or "y-m-d,h:m:s.d,+h:m"; the offset is left out when it is 0:0 or the
    // direction is neither '+' nor '-'.
    QString ToText() const;
    // The three text forms tried in turn; fields a partial match leaves unread are 0.
    static QvDateTime FromText(const QString &text);
    // Strict: one of the three forms (the date alone, or with a time, or with time and offset),
    // nothing after it, every field within its range; false otherwise.
    static bool Parse(const QString &text, QvDateTime *value);

    bool operator==(const QvDateTime &) const = default;

    quint16 year = 0;
    quint8 month = 0;
    quint8 day = 0;
    quint8 hour = 0;
    quint8 minutes = 0;
    quint8 seconds = 0;
    quint8 deciSeconds = 0;
    char direction = '+';
    quint8 utcHours = 0;
    quint8 utcMinutes = 0;
};

// Date-time real: days since 30 December 1899, the fraction the time of day. Before that day the
// whole days count back and the fraction still counts forward. Split into the date and the
// milliseconds since its midnight (false outside years 1 to 9999), and joined back.
bool QvDateTimeRealParts(double value, QDate *date, int *msOfDay);
double QvDateTimeReal(const QDate &date, int msOfDay);
