// The fields of a value shown in several edits, one codec per syntax: a value text split into the
// edits' texts and joined back from them, each the exact inverse of the other. Also the octets a
// value shares between controls: parts spliced in at an offset and single bits.
// Failures throw QvSNMPException: -519 a bit beyond the value, -522 too few edits for the value.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// True when a value of this syntax spreads over count edits field by field (addresses, object
// identifiers, time ticks, dates, hex octets); otherwise the first edit shows the whole text.
bool QvSplitsIntoFields(quint32 syntax, int count);
// The edits' texts for a value text, first edit first. Edits past the returned texts keep what
// they show; a placeholder or an unreadable date-time real returns none.
QStringList QvSplitFields(quint32 syntax, const QString &value, int count);
// The value text from all the edits' texts (an edit gone reads as empty). A placeholder in the
// first edit comes back unchanged.
QString QvJoinFields(quint32 syntax, const QStringList &fields);

// An option list's prefix in one control and the rest of the value in an edit: the rest after
// the matched length of the prefix, and the value from both.
QString QvPrefixRest(quint32 syntax, const QString &text, int matched);
QString QvJoinPrefix(quint32 syntax, const QString &prefix, const QString &rest);

// Copies part into value at offset, growing the value with zero octets as needed.
void QvSpliceOctets(QByteArray *value, int offset, const QByteArray &part);
// Bit 0 is the most significant bit of the first octet.
bool QvOctetBit(const QByteArray &octets, int bit);
void QvSetOctetBit(QByteArray *octets, int bit, bool on);
