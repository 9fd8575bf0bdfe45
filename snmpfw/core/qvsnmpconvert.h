// Conversions between engine-neutral SNMP values and the display texts variables hold: received
// values, values to send, index columns in instance suffixes, and partial data cut out of octet
// strings. Failures throw QvSNMPException (-511 bad syntax, -514 instance too short,
// -518 partial data too short, -519 byte index beyond the data, -529 a text that is no value of
// its syntax) and change no text. A value to send is never guessed from a text that is not one.
#pragma once

#include "qvsnmpvalue.h"

#include <QByteArray>
#include <QString>

class QvOptionList;
class QvSNMPVarList;

// Marker texts: no value, and a table column whose walk has left its subtree.
inline const QString QvNullText = QStringLiteral("(NULL)");
inline const QString QvNotDoneText = QStringLiteral("(NOTDONE)");

// A syntax the variable conversions accept (1 to 6, 64 to 76).
bool QvIsVarSyntax(quint32 syntax);
// A syntax partial data accepts (the above and 193 to 198).
bool QvIsPartSyntax(quint32 syntax);

// Reading and writing rules shared by all conversions.
// Hex: blanks dropped, any non-hex character counts as 0, an odd count makes the first digit
// alone the first octet.
QByteArray QvReadHex(const QString &text);
QString QvHexText(const QByteArray &octets);
// Decimal: leading blanks, one sign, digits accumulated modulo 2^32 up to the first non-digit.
quint32 QvReadDecimal(const QString &text);
// The leading real of the text (C notation), 0 when there is none.
double QvReadReal(const QString &text);
QString QvRealText(double value);
// Counter64 text to value: exact for digit strings, else read as a real and clamped.
quint64 QvReadCounter64(const QString &text);
QString QvCounter64Text(quint64 value);
QString QvTimeTicksText(quint32 ticks);
quint32 QvReadTimeTicks(const QString &text);
// Strict readers for texts to send: the whole text (blanks around it aside) must be the value,
// in range; false otherwise.
bool QvParseDecimal(const QString &text, qint64 min, qint64 max, qint64 *value);
bool QvParseTimeTicks(const QString &text, quint32 *ticks);
// A finite real in C notation; "nan", "inf" and overflowing exponents are refused.
bool QvParseReal(const QString &text, double *value);
// A whole number, or a real that rounds into 0 .. 2^64-1.
bool QvParseCounter64(const QString &text, quint64 *value);
// A MAC address: twelve hex digits bare, six groups of one or two joined by ":", "-" or blanks
// (one kind throughout), or three groups of four joined by ".".
bool QvParseMac(const QString &text, QByteArray *octets);
// Date-time real: days since 30 December 1899, the fraction the time of day; years 1 to 9999.
QString QvDateTimeRealText(double value);
bool QvReadDateTimeReal(const QString &text, double *value);

// Received value to display text by syntax, then through the option list's ValueToLabel.
QString QvValueToText(quint32 syntax, const QvSNMPValue &value, const QvOptionList *options = nullptr);
// False when a received value is of a type the syntax cannot show (an agent's fault); absent
// values (NULL, exceptions) fit every syntax.
bool QvValueFitsSyntax(quint32 syntax, const QvSNMPValue &value);
// Display text (through LabelToValue first) to the value to send; "(NULL)" gives NULL.
QvSNMPValue QvTextToValue(quint32 syntax, const QString &text, const QvOptionList *options = nullptr);

// Index columns. lastImplied: the column is the last index column and IMPLIED.
QvOid QvEncodeIndexOid(quint32 syntax, const QString &text, bool lastImplied,
                       const QvOptionList *options = nullptr);
QString QvEncodeIndex(quint32 syntax, const QString &text, bool lastImplied,
                      const QvOptionList *options = nullptr);
// Decodes the column's value text from the front of suffix into *text; returns the rest of
// the suffix as dotted text (empty when nothing remains).
QString QvDecodeIndex(quint32 syntax, const QString &suffix, bool lastImplied, QString *text,
                      const QvOptionList *options = nullptr);

// The same on variable i of a list (its syntax, options and IMPLIED position).
void QvStoreValue(QvSNMPVarList &list, int i, const QvSNMPValue &value);
QvSNMPValue QvLoadValue(const QvSNMPVarList &list, int i);
QString QvEncodeIndex(const QvSNMPVarList &list, int i);
QString QvDecodeIndex(QvSNMPVarList &list, int i, const QString &suffix);

// Partial data: one field of an octet string.
QByteArray ExtractPart(const QByteArray &octets, int byteIndex, quint32 syntax);
QString OctetsToText(const QByteArray &octets, quint32 syntax);
QByteArray TextToOctets(const QString &text, quint32 syntax);
