// Conversions between values and display texts, index columns and partial data.
#include "qvdatetime.h"
#include "qvoptionlist.h"
#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"
#include "qvsnmpvarlist.h"
#include "thrown_code.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

QByteArray bytes(std::initializer_list<int> list)
{
    QByteArray o;
    for (int b : list)
        o.append(char(b));
    return o;
}

QByteArray allOctets()
{
    QByteArray o;
    for (int b = 0; b < 256; ++b)
        o.append(char(b));
    return o;
}

QByteArray le64(double d)
{
    QByteArray o(8, '\0');
    std::memcpy(o.data(), &d, 8); // the test machine is little-endian, as the wire layout
    return o;
}

const QvOptionDesc rowStatusTable[] = {{1, "active"}, {2, "notInService"}, {3, "notReady"}, {4, "createAndGo"},
                                       {5, "createAndWait"}, {6, "destroy"}, {0, nullptr}};
const QvOptionList rowStatus(rowStatusTable);

} // namespace

TEST(Convert, ReceivedValueText)
{
    using V = QvSNMPValue;
    struct Row {
        const char *fault;
        quint32 syntax;
        V value;
        QString text;
    } rows[] = {
        {"boolean nonzero", SYN_BOOLEAN, V::integer(7), "true"},
        {"boolean zero", SYN_BOOLEAN, V::integer(0), "false"},
        {"negative integer", SYN_INTEGER, V::integer(-42), "-42"},
        {"integer absent", SYN_INTEGER, V::exception(V::NoSuchInstance), "(NULL)"},
        {"hex keeps leading zero", SYN_OCTETSTR, V::string(bytes({0x00, 0x1A, 0xFF})), "001AFF"},
        {"empty bitmap", SYN_BITSTR, V::string({}), ""},
        {"absent octet string", SYN_OPAQUE, V::null(), ""},
        {"null syntax", SYN_NULL, V::integer(5), "(NULL)"},
        {"object id", SYN_OBJECTID, V::objectId({1, 3, 6, 1, 4294967295u}), "1.3.6.1.4294967295"},
        {"ip address", SYN_IPADDRESS, V::string(bytes({10, 0, 255, 1}), V::IpAddress), "10.0.255.1"},
        {"nsap as ip", SYN_NSAPADDR, V::string(bytes({1, 2, 3, 4}), V::IpAddress), "1.2.3.4"},
        {"counter max", SYN_COUNTER, V::unsigned32(V::Counter32, 4294967295u), "4294967295"},
        {"gauge absent", SYN_GAUGE, V::exception(V::EndOfMibView), "(NULL)"},
        {"time-ticks", SYN_TIMETICKS, V::unsigned32(V::TimeTicks, 123456), "0:20:34.56"},
        {"counter64 full range", SYN_COUNTER64, V::counter64(18446744073709551615ull), "18446744073709551615"},
        {"double", SYN_DOUBLE, V::string(le64(2.5)), "2.5"},
        {"empty double", SYN_DOUBLE, V::string({}), "(NULL)"},
        {"mac", SYN_MACADDRESS, V::string(bytes({0, 1, 2, 0xab, 0xcd, 0xef})), "000102ABCDEF"},
        {"datetime", SYN_DATETIME, V::string(bytes({7, 213, 6, 1, 13, 30, 15, 0, '+', 8, 0})),
         "2005-6-1,13:30:15.0,+8:0"},
        {"short datetime", SYN_DATETIME, V::string(bytes({7, 213, 6})), "2005-6-0,0:0:0.0"},
        {"date-time real", SYN_BCDATETIME, V::string(le64(38504.5625)), "2005/06/01 01:30:00 PM"},
        {"empty display string", SYN_DISPLAYSTR, V::string({}), ""},
        {"display string absent", SYN_DISPLAYSTR, V::exception(V::NoSuchObject), ""},
        {"display string", SYN_DISPLAYSTR, V::string("port 1"), "port 1"},
    };
    for (const Row &r : rows)
        EXPECT_EQ(QvValueToText(r.syntax, r.value), r.text) << r.fault;

    // Octets missing from a short double or date-time real count as 0.
    for (quint32 syntax : {SYN_DOUBLE, SYN_BCDATETIME}) {
        const QByteArray shortValue = le64(38504.5625).left(7);
        EXPECT_EQ(QvValueToText(syntax, V::string(shortValue)), QvValueToText(syntax, V::string(shortValue + '\0')));
    }

    EXPECT_EQ(QvValueToText(SYN_INTEGER, V::integer(3), &rowStatus), "notReady");
    EXPECT_EQ(QvValueToText(SYN_INTEGER, V::null(), &rowStatus), "(NULL)");
    for (quint32 bad : {0u, 7u, 63u, 77u, quint32(SYN_INT8), 999u})
        EXPECT_EQ(thrownCode([&] { QvValueToText(bad, V::integer(1)); }), -511) << bad;
}

TEST(Convert, TextToValueAndBack)
{
    using V = QvSNMPValue;
    struct Row {
        const char *fault;
        quint32 syntax;
        QString text;
        V value;
    } rows[] = {
        {"true", SYN_BOOLEAN, "true", V::integer(1)},
        {"anything else is false", SYN_BOOLEAN, "yes", V::integer(0)},
        {"signed", SYN_INTEGER, "-17", V::integer(-17)},
        {"even hex", SYN_OCTETSTR, "1aff", V::string(bytes({0x1A, 0xFF}))},
        {"odd hex", SYN_OCTETSTR, "1AF", V::string(bytes({0x01, 0xAF}))},
        {"hex with blanks", SYN_BITSTR, "1A FF", V::string(bytes({0x1A, 0xFF}))},
        {"opaque stays opaque", SYN_OPAQUE, "01", V::string(bytes({1}), V::Opaque)},
        {"null text", SYN_INTEGER, "(NULL)", V::null()},
        {"null syntax", SYN_NULL, "5", V::null()},
        {"oid", SYN_OBJECTID, "1.3.6.1", V::objectId({1, 3, 6, 1})},
        {"ip", SYN_IPADDRESS, "192.168.0.1", V::string(bytes({192, 168, 0, 1}), V::IpAddress)},
        {"counter", SYN_COUNTER, "4294967295", V::unsigned32(V::Counter32, 4294967295u)},
        {"uinteger as gauge", SYN_UINTEGER, "12", V::unsigned32(V::Gauge32, 12)},
        {"time-ticks text", SYN_TIMETICKS, "2 days, 1:02:03.04", V::unsigned32(V::TimeTicks, 17652304)},
        {"counter64 exact", SYN_COUNTER64, "18446744073709551615", V::counter64(18446744073709551615ull)},
        {"counter64 real", SYN_COUNTER64, "1.5e3", V::counter64(1500)},
        {"double", SYN_DOUBLE, " 2.5 ", V::string(le64(2.5))},
        {"integer minimum", SYN_INTEGER, "-2147483648", V::integer(-2147483647 - 1)},
        {"integer with blanks and sign", SYN_INTEGER, " +7 ", V::integer(7)},
        {"bare ticks", SYN_TIMETICKS, "4294967295", V::unsigned32(V::TimeTicks, 4294967295u)},
        {"one day", SYN_TIMETICKS, "1 day 0:00:00.5", V::unsigned32(V::TimeTicks, 8640050)},
        {"date-time real", SYN_BCDATETIME, "2005/06/01 01:30:00 PM", V::string(le64(38504.5625))},
        {"datetime", SYN_DATETIME, "2005-6-1,13:30:15.0,-8:0",
         V::string(bytes({7, 213, 6, 1, 13, 30, 15, 0, '-', 8, 0}))},
        {"display", SYN_DISPLAYSTR, "ab", V::string("ab")},
    };
    for (const Row &r : rows)
        EXPECT_EQ(QvTextToValue(r.syntax, r.text), r.value) << r.fault;

    EXPECT_EQ(QvTextToValue(SYN_INTEGER, "CREATEANDGO", &rowStatus), V::integer(4));
    struct Bad {
        const char *fault;
        quint32 syntax;
        QString text;
    } bad[] = {
        {"unknown syntax", 8, "1"},
        {"partial-only syntax", SYN_UINT16, "1"},
        {"oid with letters", SYN_OBJECTID, "1.3.x"},
        {"oid sub-id overflow", SYN_OBJECTID, "1.4294967296"},
        {"ip with three numbers", SYN_IPADDRESS, "1.2.3"},
        {"ip number too large", SYN_IPADDRESS, "1.2.3.256"},
    };
    for (const Bad &b : bad)
        EXPECT_EQ(thrownCode([&] { QvTextToValue(b.syntax, b.text); }), -511) << b.fault;
}

// A text that is no value of its syntax is refused, never sent as a guessed value.
TEST(Convert, TextsThatAreNoValueAreRefused)
{
    struct Bad {
        const char *fault;
        quint32 syntax;
        QString text;
    } bad[] = {
        {"letters as integer", SYN_INTEGER, "abc"},
        {"number then letters", SYN_INTEGER, "12abc"},
        {"empty integer", SYN_INTEGER, ""},
        {"sign alone", SYN_INTEGER, "-"},
        {"integer above range", SYN_INTEGER, "2147483648"},
        {"integer below range", SYN_INTEGER, "-2147483649"},
        {"huge integer does not wrap", SYN_INTEGER, "18446744073709551617"},
        {"negative counter", SYN_COUNTER, "-1"},
        {"counter above range", SYN_COUNTER, "4294967296"},
        {"letters as gauge", SYN_GAUGE, "abc"},
        {"unsigned with a fraction", SYN_UINTEGER, "1.5"},
        {"letters as ticks", SYN_TIMETICKS, "abc"},
        {"ticks above range", SYN_TIMETICKS, "4294967296"},
        {"days beyond ticks", SYN_TIMETICKS, "500 days, 0:00:00.00"},
        {"ticks with letters", SYN_TIMETICKS, "1:xx:00.00"},
        {"ticks with too many fields", SYN_TIMETICKS, "1:2:3:4"},
        {"negative counter64", SYN_COUNTER64, "-3"},
        {"counter64 above range", SYN_COUNTER64, "18446744073709551616"},
        {"counter64 letters", SYN_COUNTER64, "12abc"},
        {"double nan", SYN_DOUBLE, "nan"},
        {"double infinity", SYN_DOUBLE, "inf"},
        {"double out of range", SYN_DOUBLE, "1e999"},
        {"double with letters", SYN_DOUBLE, "2.5xyz"},
        {"unreadable date", SYN_BCDATETIME, "yesterday"},
        {"impossible date", SYN_BCDATETIME, "2005/02/30"},
        {"date-time real year beyond 9999", SYN_BCDATETIME, "20220244/01/01"},
        {"datetime year 70000", SYN_DATETIME, "70000-1-1,0:0:0.0"},
        {"datetime month 13", SYN_DATETIME, "2005-13-1,0:0:0.0"},
        {"datetime hour 24", SYN_DATETIME, "2005-6-1,24:0:0.0"},
        {"datetime deci-seconds 10", SYN_DATETIME, "2005-6-1,0:0:0.10"},
        {"datetime offset hours 15", SYN_DATETIME, "2005-6-1,0:0:0.0,+15:0"},
        {"datetime garbage", SYN_DATETIME, "garbage"},
        {"datetime trailing text", SYN_DATETIME, "2005-6-1,0:0:0.0 x"},
        {"datetime year only", SYN_DATETIME, "2005"},
    };
    for (const Bad &b : bad) {
        EXPECT_EQ(thrownCode([&] { QvTextToValue(b.syntax, b.text); }), -529) << b.fault;
        EXPECT_EQ(thrownCode([&] { QvEncodeIndex(b.syntax, b.text, false); }), -529) << b.fault;
    }
    struct BadIndex {
        const char *fault;
        quint32 syntax;
        QString text;
    } badIndex[] = {
        {"mac of five octets", SYN_MACADDRESS, "0102030405"},
        {"mac of seven octets", SYN_MACADDRESS, "01020304050607"},
        {"empty mac", SYN_MACADDRESS, ""},
    };
    for (const BadIndex &b : badIndex)
        EXPECT_EQ(thrownCode([&] { QvEncodeIndex(b.syntax, b.text, false); }), -529) << b.fault;
    struct BadPart {
        const char *fault;
        quint32 syntax;
        QString text;
    } badPart[] = {
        {"int8 above range", SYN_INT8, "128"},
        {"uint8 negative", SYN_UINT8, "-1"},
        {"uint8 above range", SYN_UINT8, "256"},
        {"int16 below range", SYN_INT16, "-32769"},
        {"uint16 above range", SYN_UINT16, "65536"},
        {"letters as int16", SYN_INT16, "abc"},
        {"letters as integer", SYN_INTEGER, "abc"},
        {"counter above range", SYN_COUNTER, "4294967296"},
        {"datetime year 70000", SYN_DATETIME, "70000-1-1,0:0:0.0"},
        {"double nan", SYN_DOUBLE, "nan"},
    };
    for (const BadPart &b : badPart)
        EXPECT_EQ(thrownCode([&] { TextToOctets(b.text, b.syntax); }), -529) << b.fault;

    // Valid date-and-time texts still read, with a date alone or a time cut short.
    QvDateTime d;
    ASSERT_TRUE(QvDateTime::Parse("2005-6-1", &d));
    EXPECT_EQ(d, QvDateTime(2005, 6, 1, 0, 0, 0));
    ASSERT_TRUE(QvDateTime::Parse(" 65535-12-31,23:59:60.9,-14:59 ", &d));
    EXPECT_EQ(d, QvDateTime(65535, 12, 31, 23, 59, 60, 9, '-', 14, 59));
    EXPECT_EQ(TextToOctets("-128", SYN_INT8), bytes({0x80}));
    EXPECT_EQ(TextToOctets("65535", SYN_UINT16), bytes({0xFF, 0xFF}));
}

// A MAC address typed in any usual notation is six octets wherever text becomes a value, an
// index or a part; anything else is refused, never sent with another length.
TEST(Convert, MacAddressNotations)
{
    const QByteArray mac = bytes({0x00, 0x11, 0x22, 0x33, 0x44, 0xAA});
    const QString good[] = {
        "0011223344AA",      "0011223344aa",      "00:11:22:33:44:AA", "00-11-22-33-44-aa",
        "0011.2233.44AA",    " 00:11:22:33:44:AA ", "0:11:22:33:44:AA", "00 11 22 33 44 AA",
    };
    for (const QString &t : good) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_EQ(QvTextToValue(SYN_MACADDRESS, t), QvSNMPValue::string(mac));
        EXPECT_EQ(QvEncodeIndex(SYN_MACADDRESS, t, false), "0.17.34.51.68.170");
        EXPECT_EQ(TextToOctets(t, SYN_MACADDRESS), mac);
        // What is shown again reads back to the same value.
        EXPECT_EQ(QvValueToText(SYN_MACADDRESS, QvTextToValue(SYN_MACADDRESS, t)), "0011223344AA");
    }
    EXPECT_EQ(QvTextToValue(SYN_MACADDRESS, "(NULL)"), QvSNMPValue::null());
    const QString bad[] = {
        "",
        "0011223344",           // five octets
        "0011223344AA55",       // seven
        "00:11:22:33:44",       "00:11:22:33:44:AA:55", "00:11:22:33:44:GG", "00:11:22:33:44:AAA",
        "00:11-22:33:44:AA",    // mixed separators
        "00::11:22:33:44",      "00:11:22:33:44:AA:", "0011.2233.44A", "0011.2233.44AA.55",
        "00112.233.44AA",       "0x0011223344AA",     "zz1122334455",  "00 11 22 33 44 AA x",
    };
    for (const QString &t : bad) {
        SCOPED_TRACE(t.toStdString());
        EXPECT_EQ(thrownCode([&] { QvTextToValue(SYN_MACADDRESS, t); }), -529);
        EXPECT_EQ(thrownCode([&] { QvEncodeIndex(SYN_MACADDRESS, t, false); }), -529);
        EXPECT_EQ(thrownCode([&] { TextToOctets(t, SYN_MACADDRESS); }), -529);
    }
}

TEST(Convert, ReadingRules)
{
    struct Hex {
        QString text;
        QByteArray octets;
    } hex[] = {
        {"", {}},
        {"F", bytes({0x0F})},
        {"fFa", bytes({0x0F, 0xFA})},
        {"zz", bytes({0x00})},
        {"1g2", bytes({0x01, 0x02})},
        {" 0 1 ", bytes({0x01})},
    };
    for (const Hex &h : hex)
        EXPECT_EQ(QvReadHex(h.text), h.octets) << h.text.toStdString();

    struct Dec {
        QString text;
        quint32 value;
    } dec[] = {
        {"", 0}, {"abc", 0}, {"  12x3", 12}, {"+7", 7}, {"-1", 4294967295u}, {"4294967295", 4294967295u},
        {"4294967296", 0}, {"99999999999", 1215752191u}, {"- 5", 0}, {"--5", 0},
    };
    for (const Dec &d : dec)
        EXPECT_EQ(QvReadDecimal(d.text), d.value) << d.text.toStdString();

    EXPECT_EQ(QvReadReal(" -1.25e2abc"), -125.0);
    EXPECT_EQ(QvReadReal("e5"), 0.0);
    EXPECT_EQ(QvReadReal(".5."), 0.5);
    EXPECT_EQ(QvReadCounter64("99999999999999999999999"), 18446744073709551615ull);
    EXPECT_EQ(QvReadCounter64("-3"), 0u);
}

TEST(Convert, TimeTicks)
{
    struct Row {
        quint32 ticks;
        QString text;
    } rows[] = {
        {0, "0:00:00.00"},
        {123456, "0:20:34.56"},
        {8639999, "23:59:59.99"},
        {8640000, "1 day 0:00:00.00"},
        {17280002, "2 days, 0:00:00.02"},
        {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(QvTimeTicksText(r.ticks), r.text);
        EXPECT_EQ(QvReadTimeTicks(r.text), r.ticks) << r.text.toStdString();
    }
    EXPECT_EQ(QvReadTimeTicks("2 days, 1:02:03.04"), 2u * 8640000 + 360000 + 2 * 6000 + 3 * 100 + 4);
    EXPECT_EQ(QvReadTimeTicks("0:00:01.5"), 150u);
    EXPECT_EQ(QvReadTimeTicks("500"), 500u);
}

TEST(Convert, DateAndTime)
{
    struct Row {
        QString text;
        QString printed;
        char direction;
    } rows[] = {
        {"2005-6-1,13:30:15.0,+8:0", "2005-6-1,13:30:15.0,+8:0", '+'},
        {"2005-6-1,13:30:15.0,-5:30", "2005-6-1,13:30:15.0,-5:30", '-'},
        {"2005-6-1,13:30:15.0", "2005-6-1,13:30:15.0", '+'},
        {"2005-6-1,13:30:15.0,+0:0", "2005-6-1,13:30:15.0", '+'},
        {"2005-6-1", "2005-6-1,0:0:0.0", '+'},
        {"garbage", "0-0-0,0:0:0.0", '+'},
    };
    for (const Row &r : rows) {
        const QvDateTime d = QvDateTime::FromText(r.text);
        EXPECT_EQ(d.ToText(), r.printed) << r.text.toStdString();
        EXPECT_EQ(d.direction, r.direction) << r.text.toStdString();
        EXPECT_EQ(QvDateTime::FromOctets(d.ToOctets()), d);
    }
    // The year is most significant octet first on the wire.
    EXPECT_EQ(QvDateTime(0x07D5, 6, 1, 0, 0, 0).ToOctets().left(2), bytes({0x07, 0xD5}));
    // A direction that is neither sign hides the offset.
    EXPECT_EQ(QvDateTime(2005, 6, 1, 0, 0, 0, 0, 'x', 8, 0).ToText(), "2005-6-1,0:0:0.0");

    for (double real : {0.0, 38504.5625, -1.25, 2958465.5, 1.0 / 3}) {
        double back = 0;
        ASSERT_TRUE(QvReadDateTimeReal(QvDateTimeRealText(real), &back)) << real;
        EXPECT_NEAR(back, real, 1.0 / 86400) << real;
    }
    EXPECT_EQ(QvDateTimeRealText(0.0), "1899/12/30 12:00:00 AM");
    EXPECT_EQ(QvDateTimeRealText(-1.25), "1899/12/29 06:00:00 AM");
}

TEST(Convert, IndexEncoding)
{
    struct Row {
        const char *fault;
        quint32 syntax;
        QString text;
        bool implied;
        QString sub;
    } rows[] = {
        {"integer", SYN_INTEGER, "12", false, "12"},
        {"negative integer", SYN_INTEGER, "-1", false, "4294967295"},
        {"boolean", SYN_BOOLEAN, "true", false, "1"},
        {"display with length", SYN_DISPLAYSTR, "ab", false, "2.97.98"},
        {"display implied", SYN_DISPLAYSTR, "ab", true, "97.98"},
        {"octets with length", SYN_OCTETSTR, "0AFF", false, "2.10.255"},
        {"octets implied", SYN_OCTETSTR, "0AFF", true, "10.255"},
        {"oid with length", SYN_OBJECTID, "1.3.6", false, "3.1.3.6"},
        {"oid implied", SYN_OBJECTID, "1.3.6", true, "1.3.6"},
        {"empty string", SYN_DISPLAYSTR, "", false, "0"},
        {"null", SYN_NULL, "x", false, ""},
        {"ip", SYN_IPADDRESS, "1.2.3.4", false, "1.2.3.4"},
        {"counter64 high first", SYN_COUNTER64, "4294967298", false, "1.2"},
        {"mac", SYN_MACADDRESS, "000102030405", false, "0.1.2.3.4.5"},
        {"datetime", SYN_DATETIME, "2005-6-1,13:30:15.0", false, "7.213.6.1.13.30.15.0.43.0.0"},
    };
    for (const Row &r : rows) {
        const QString sub = QvEncodeIndex(r.syntax, r.text, r.implied);
        EXPECT_EQ(sub, r.sub) << r.fault;
        if (r.syntax == SYN_NULL || (r.syntax == SYN_MACADDRESS && r.sub.isEmpty()))
            continue;
        // Decoding gives the text back and leaves what follows the column.
        QString back;
        const QString tail = r.implied ? QString() : QStringLiteral(".9.9");
        EXPECT_EQ(QvDecodeIndex(r.syntax, sub + tail, r.implied, &back), r.implied ? "" : "9.9") << r.fault;
        EXPECT_EQ(back, r.text) << r.fault;
    }
    // The double's halves go low first.
    const QvOid halves = QvEncodeIndexOid(SYN_DOUBLE, "2.5", false);
    ASSERT_EQ(halves.size(), 2);
    QString text;
    EXPECT_EQ(QvDecodeIndex(SYN_DOUBLE, QvOidToText(halves), false, &text), "");
    EXPECT_EQ(text, "2.5");
    EXPECT_EQ(halves[1], 0x40040000u);
}

TEST(Convert, IndexDecodingOfRows)
{
    const QvSNMPVarDesc ipTable[] = {
        {"1.3.6.1.9.1", "If", SYN_INTEGER, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.9.2", "Addr", SYN_IPADDRESS, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
        {"1.3.6.1.9.3", "Name", SYN_DISPLAYSTR, ACC_NOTACCESS | ACC_IMPLIED, nullptr, nullptr, nullptr, nullptr,
         nullptr, nullptr},
        {},
    };
    QvSNMPVarList list(ipTable, MVT_FMV, 3);
    QString rest = QvDecodeIndex(list, 0, "5.1.2.3.4.7.104.105");
    rest = QvDecodeIndex(list, 1, rest);
    EXPECT_EQ(rest, "7.104.105");
    rest = QvDecodeIndex(list, 2, rest);
    EXPECT_EQ(rest, "");
    EXPECT_EQ(list.Item(0).valueText, "5");
    EXPECT_EQ(list.Item(1).valueText, "1.2.3.4");
    EXPECT_EQ(list.Item(2).valueText, QString::fromLatin1("\ahi"));
    EXPECT_EQ(QvEncodeIndex(list, 2), "7.104.105");

    // A datetime column consumes eleven sub-identifiers.
    QString dt;
    EXPECT_EQ(QvDecodeIndex(SYN_DATETIME, "7.213.6.1.13.30.15.0.43.8.0.12", false, &dt), "12");
    EXPECT_EQ(dt, "2005-6-1,13:30:15.0,+8:0");

    QString status;
    QvDecodeIndex(SYN_INTEGER, "4", false, &status, &rowStatus);
    EXPECT_EQ(status, "createAndGo");
}

TEST(Convert, MalformedInstanceSuffixes)
{
    struct Row {
        const char *fault;
        quint32 syntax;
        QString suffix;
        bool implied;
        int code;
    } rows[] = {
        {"empty for integer", SYN_INTEGER, "", false, -514},
        {"ip needs four", SYN_IPADDRESS, "1.2.3", false, -514},
        {"ip octet too large", SYN_IPADDRESS, "1.2.3.300", false, -514},
        {"length beyond the suffix", SYN_DISPLAYSTR, "5.97.98", false, -514},
        {"huge length", SYN_OCTETSTR, "4294967295.1", false, -514},
        {"oid length beyond", SYN_OBJECTID, "3.1.2", false, -514},
        {"implied octet too large", SYN_DISPLAYSTR, "97.256", true, -514},
        {"mac needs six", SYN_MACADDRESS, "1.2.3.4.5", false, -514},
        {"datetime needs eleven", SYN_DATETIME, "7.213.6.1.13.30.15.0.43.8", false, -514},
        {"counter64 needs two", SYN_COUNTER64, "1", false, -514},
        {"not an oid", SYN_INTEGER, "1.x", false, -514},
        {"double dot", SYN_INTEGER, "1..2", false, -514},
        {"bad syntax", SYN_UINT8, "1", false, -511},
    };
    QvSNMPVarList list;
    list.itemType = MVT_FMV;
    list.indexCount = 1;
    for (const Row &r : rows) {
        list.Clear();
        list.AddVar("1.3.6.1.9.1", "Index", r.syntax, ACC_NOTACCESS | (r.implied ? quint32(ACC_IMPLIED) : 0u));
        list.Item(0).valueText = "before";
        EXPECT_EQ(thrownCode([&] { QvDecodeIndex(list, 0, r.suffix); }), r.code) << r.fault;
        EXPECT_EQ(list.Item(0).valueText, "before") << r.fault;
    }
}

TEST(Convert, AllOctetsRoundTrip)
{
    const QByteArray all = allOctets();
    const QString text = QString::fromLatin1(all);
    ASSERT_EQ(text.size(), 256);

    EXPECT_EQ(QvValueToText(SYN_DISPLAYSTR, QvSNMPValue::string(all)), text);
    EXPECT_EQ(QvTextToValue(SYN_DISPLAYSTR, text).octets, all);
    const QString hex = QvValueToText(SYN_OCTETSTR, QvSNMPValue::string(all));
    EXPECT_EQ(QvTextToValue(SYN_OCTETSTR, hex).octets, all);
    EXPECT_EQ(TextToOctets(OctetsToText(all, SYN_DISPLAYSTR), SYN_DISPLAYSTR), all);
    EXPECT_EQ(TextToOctets(OctetsToText(all, SYN_BITSTR), SYN_BITSTR), all);
    for (bool implied : {false, true}) {
        for (quint32 syntax : {SYN_DISPLAYSTR, SYN_OCTETSTR}) {
            const QString value = syntax == SYN_DISPLAYSTR ? text : hex;
            QString back;
            const QString sub = QvEncodeIndex(syntax, value, implied);
            EXPECT_EQ(QvDecodeIndex(syntax, sub, implied, &back), "");
            EXPECT_EQ(back, value) << syntax << implied;
        }
    }
}

TEST(Convert, PartialData)
{
    struct Row {
        const char *fault;
        quint32 syntax;
        QByteArray octets;
        QString text;
    } rows[] = {
        {"bool16", SYN_BOOL16, bytes({0x00, 0x01}), "true"},
        {"int16 negative", SYN_INT16, bytes({0xFF, 0xFE}), "-2"},
        {"uint16", SYN_UINT16, bytes({0xFF, 0xFE}), "65534"},
        {"int16 order", SYN_INT16, bytes({0x01, 0x02}), "258"},
        {"int8", SYN_INT8, bytes({0xFF}), "-1"},
        {"uint8", SYN_UINT8, bytes({0xFF}), "255"},
        {"bool8", SYN_BOOL8, bytes({0x01}), "true"},
        {"integer least significant first", SYN_INTEGER, bytes({0xFE, 0xFF, 0xFF, 0xFF}), "-2"},
        {"counter", SYN_COUNTER, bytes({0x01, 0x00, 0x00, 0x00}), "1"},
        {"ip", SYN_IPADDRESS, bytes({10, 1, 2, 3}), "10.1.2.3"},
        {"counter64 low then high", SYN_COUNTER64, bytes({2, 0, 0, 0, 1, 0, 0, 0}), "4294967298"},
        {"oid words", SYN_OBJECTID, bytes({1, 0, 0, 0, 3, 0, 0, 0}), "1.3"},
        {"time-ticks", SYN_TIMETICKS, bytes({0x00, 0xD6, 0x83, 0x00}), "1 day 0:00:00.00"},
        {"hex", SYN_OCTETSTR, bytes({0xAB, 0x01}), "AB01"},
        {"double", SYN_DOUBLE, le64(-0.5), "-0.5"},
    };
    for (const Row &r : rows) {
        EXPECT_EQ(OctetsToText(r.octets, r.syntax), r.text) << r.fault;
        EXPECT_EQ(TextToOctets(r.text, r.syntax), r.octets) << r.fault;
    }
    EXPECT_EQ(OctetsToText({}, SYN_UINT8), "(NULL)");
    EXPECT_EQ(OctetsToText({}, SYN_DISPLAYSTR), "");
    EXPECT_EQ(TextToOctets("(NULL)", SYN_INT16), QByteArray());

    const QByteArray record = bytes({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88});
    struct Part {
        const char *fault;
        int index;
        quint32 syntax;
        QByteArray part;
        int code;
    } parts[] = {
        {"one octet", 7, SYN_UINT8, bytes({0x88}), 0},
        {"two octets at the end", 6, SYN_UINT16, bytes({0x77, 0x88}), 0},
        {"two octets past the end", 7, SYN_UINT16, {}, -519},
        {"four octets", 4, SYN_INTEGER, bytes({0x55, 0x66, 0x77, 0x88}), 0},
        {"eight octets from 1", 1, SYN_DOUBLE, {}, -519},
        {"rest of the octets", 5, SYN_OCTETSTR, bytes({0x66, 0x77, 0x88}), 0},
        {"rest at the end is empty", 8, SYN_DISPLAYSTR, {}, 0},
        {"rest far past the end", 1000, SYN_OCTETSTR, {}, 0},
        {"negative index", -1, SYN_UINT8, {}, -519},
        {"null has no part", 3, SYN_NULL, {}, 0},
        {"bad syntax", 0, 200, {}, -511},
    };
    for (const Part &p : parts) {
        QByteArray got;
        EXPECT_EQ(thrownCode([&] { got = ExtractPart(record, p.index, p.syntax); }), p.code) << p.fault;
        EXPECT_EQ(got, p.part) << p.fault;
    }
    EXPECT_EQ(ExtractPart({}, 5, SYN_UINT16), QByteArray());

    struct Short {
        quint32 syntax;
        int size;
    } shorts[] = {{SYN_INTEGER, 3}, {SYN_UINT16, 1}, {SYN_DOUBLE, 7}, {SYN_BCDATETIME, 4},
                  {SYN_DATETIME, 10}, {SYN_MACADDRESS, 5}, {SYN_OBJECTID, 3}, {SYN_COUNTER64, 6}};
    for (const Short &s : shorts)
        EXPECT_EQ(thrownCode([&] { OctetsToText(record.left(s.size), s.syntax); }), -518) << s.syntax;
    EXPECT_EQ(thrownCode([&] { OctetsToText(record, 100); }), -511);
    for (const char *bad : {"1.2.3", "1.2.3.4.5", "1.2.3.999"})
        EXPECT_EQ(thrownCode([&] { TextToOctets(bad, SYN_IPADDRESS); }), -511) << bad;
    EXPECT_EQ(thrownCode([&] { TextToOctets("1", 100); }), -511);
}

TEST(Convert, ListOperationsKeepTextOnFailure)
{
    QvSNMPVarList list;
    list.AddVar("1.3.6.1.9.1", "Status", SYN_INTEGER, ACC_READWRITE, &rowStatus);
    list.AddVar("1.3.6.1.9.2", "Broken", 300, ACC_READWRITE);
    QvStoreValue(list, 0, QvSNMPValue::integer(6));
    EXPECT_EQ(list.Item(0).valueText, "destroy");
    EXPECT_EQ(QvLoadValue(list, 0), QvSNMPValue::integer(6));

    list.Item(1).valueText = "kept";
    EXPECT_EQ(thrownCode([&] { QvStoreValue(list, 1, QvSNMPValue::integer(1)); }), -511);
    EXPECT_EQ(thrownCode([&] { QvLoadValue(list, 1); }), -511);
    EXPECT_EQ(thrownCode([&] { QvEncodeIndex(list, 1); }), -511);
    EXPECT_EQ(list.Item(1).valueText, "kept");
}
