// Readable forms of value texts, shown beside the texts themselves (which edits and writes rely
// on): a port list as port numbers and ranges, a MAC address with separators, a known object
// identifier by its name, a speed in bit/s units. Each returns "" when it has nothing to add.
#pragma once

#include <QString>

// Hex port list, bit 0 (most significant bit of octet 0) = port 1: "1-8, 49"; "none" for no port.
QString QvPortListText(const QString &hexText);
// Six octets in hex: "00:11:22:AA:BB:CC".
QString QvMacText(const QString &hexText);
// Name of a known object identifier (leading dot allowed): "usmHMACMD5AuthProtocol (HMAC-MD5)".
QString QvOidName(const QString &oidText);
// Bits per second: "100 Mbit/s", "1 Gbit/s", "1.5 Mbit/s", "0 bit/s".
QString QvSpeedText(quint64 bitsPerSecond);

// Which readable form a column takes, from its syntax and name.
enum QvReadableKind { RK_NONE, RK_PORTLIST, RK_MAC, RK_OID, RK_SPEED_BPS, RK_SPEED_MBPS };
// portList: the column is known to hold a port list (it has a port-list editor); an octet
// string named "... Ports" counts as one too. Numeric speeds are found by name ("Speed",
// "HighSpeed" in Mbit/s); a column with an option list has none.
QvReadableKind QvReadableKindOf(quint32 syntax, const QString &name, bool hasOptions, bool portList);
// The readable form of text for a column of that kind, or "" when it would say nothing more.
QString QvReadableText(QvReadableKind kind, const QString &text);
