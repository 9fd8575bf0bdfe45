// Readable forms shown beside the stated value texts: port lists, MAC addresses, known object
// identifiers and speeds, and which columns take which form.
#include "qvreadable.h"
#include "qvsnmptypes.h"

#include <gtest/gtest.h>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

TEST(Readable, PortLists)
{
    const struct { const char *name, *hex, *expected; } cases[] = {
        {"ports 1-8 and 49", "FF000000000080", "1-8, 49"},
        {"5-8 and 49, the picked VLAN ports", "0F000000000080", "5-8, 49"},
        {"single ports and a pair", "A0C0000000000000", "1, 3, 9-10"},
        {"all 50 ports", "FFFFFFFFFFFFC0", "1-50"},
        {"range across octets", "01800000", "8-9"},
        {"last bit of the last octet", "0001", "16"},
        {"lower case and blanks", "0f 00 00", "5-8"},
        {"no port", "00000000000000", "none"},
        {"empty text", "", ""},
        {"odd digit count", "F00", ""},
        {"not hex", "XYZ0", ""},
        {"(NULL) placeholder", "(NULL)", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QvPortListText(QString::fromLatin1(c.hex)), QString::fromLatin1(c.expected)) << c.name;
}

TEST(Readable, MacAddresses)
{
    const struct { const char *name, *hex, *expected; } cases[] = {
        {"six octets", "0011223344AA", "00:11:22:33:44:AA"},
        {"lower case", "00e0fc0a0b0c", "00:E0:FC:0A:0B:0C"},
        {"five octets", "0011223344", ""},
        {"seven octets", "0011223344AABB", ""},
        {"not hex", "00112233440G", ""},
        {"empty", "", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QvMacText(QString::fromLatin1(c.hex)), QString::fromLatin1(c.expected)) << c.name;
}

TEST(Readable, KnownObjectIdentifiers)
{
    const struct { const char *oid, *expected; } cases[] = {
        {"1.3.6.1.6.3.10.1.1.1", "usmNoAuthProtocol (none)"},
        {"1.3.6.1.6.3.10.1.1.2", "usmHMACMD5AuthProtocol (HMAC-MD5)"},
        {".1.3.6.1.6.3.10.1.1.3", "usmHMACSHAAuthProtocol (HMAC-SHA)"},
        {"1.3.6.1.6.3.10.1.1.5", "usmHMAC192SHA256AuthProtocol (HMAC-SHA-256)"},
        {"1.3.6.1.6.3.10.1.2.1", "usmNoPrivProtocol (none)"},
        {"1.3.6.1.6.3.10.1.2.2", "usmDESPrivProtocol (DES)"},
        {"1.3.6.1.6.3.10.1.2.4", "usmAesCfb128Protocol (AES-128)"},
        {"0.0", "zeroDotZero"},
        {"1.3.6.1.6.3.10.1.2.44", ""},
        {"1.3.6.1.6.3.10.1.2", ""},
        {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QvOidName(QString::fromLatin1(c.oid)), QString::fromLatin1(c.expected)) << c.oid;
}

TEST(Readable, Speeds)
{
    const struct { quint64 bps; const char *expected; } cases[] = {
        {0, "0 bit/s"},
        {999, "999 bit/s"},
        {10000000, "10 Mbit/s"},
        {100000000, "100 Mbit/s"},
        {1000000000, "1 Gbit/s"},
        {1500000, "1.5 Mbit/s"},
        {4294967295ULL, "4.295 Gbit/s"},
        {64000, "64 kbit/s"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(QvSpeedText(c.bps), QString::fromLatin1(c.expected)) << c.bps;
}

TEST(Readable, ColumnsTakeTheirForm)
{
    const struct {
        const char *name;
        quint32 syntax;
        const char *column;
        bool options, portList;
        const char *text, *expected;
    } cases[] = {
        {"port-list editor column", SYN_OCTETSTR, "Egress Ports", false, true, "0F000000000080", "5-8, 49"},
        {"octet string named Ports", SYN_OCTETSTR, "CurrentUntaggedPorts", false, false, "80", "1"},
        {"plain octet string", SYN_OCTETSTR, "Engine ID", false, false, "80001F88", ""},
        {"MAC syntax", SYN_MACADDRESS, "PhysAddress     ", false, false, "0011223344AA", "00:11:22:33:44:AA"},
        {"protocol identifier", SYN_OBJECTID, "Privacy Protocol", false, false, "1.3.6.1.6.3.10.1.2.2",
         "usmDESPrivProtocol (DES)"},
        {"ifSpeed padded name", SYN_GAUGE, "Speed           ", false, false, "100000000", "100 Mbit/s"},
        {"ifHighSpeed in Mbit/s", SYN_GAUGE, "HighSpeed", false, false, "1000", "1 Gbit/s"},
        {"enumerated speed keeps its label", SYN_INTEGER, "Speed", true, false, "auto", ""},
        {"speed placeholder", SYN_GAUGE, "Speed", false, false, "(NULL)", ""},
        {"other integer", SYN_INTEGER, "VLAN ID", false, false, "77", ""},
    };
    for (const auto &c : cases) {
        const QvReadableKind kind =
            QvReadableKindOf(c.syntax, QString::fromLatin1(c.column), c.options, c.portList);
        EXPECT_EQ(QvReadableText(kind, QString::fromLatin1(c.text)), QString::fromLatin1(c.expected)) << c.name;
    }
}
