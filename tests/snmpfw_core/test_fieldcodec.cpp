// Field codecs: every syntax that spreads over several edits, split and joined back both ways,
// the octets shared between controls, and the date-time real's parts. Runs without any
// application object: the codecs are plain core code.
#include "qvdatetime.h"
#include "qvfieldcodec.h"
#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"
#include "qvsnmptypes.h"
#include "thrown_code.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <functional>

namespace {

struct FieldCase {
    const char *name;
    quint32 syntax;
    const char *value;   // canonical: joining the fields gives it back
    QStringList fields;  // one per edit
};

void PrintTo(const FieldCase &c, std::ostream *os)
{
    *os << c.name;
}

class Fields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(Fields, SplitAndJoinAreInverses)
{
    const FieldCase &c = GetParam();
    const QString value = QString::fromLatin1(c.value);
    ASSERT_TRUE(QvSplitsIntoFields(c.syntax, int(c.fields.size())));
    EXPECT_EQ(QvSplitFields(c.syntax, value, int(c.fields.size())), c.fields);
    EXPECT_EQ(QvJoinFields(c.syntax, c.fields), value);
}

INSTANTIATE_TEST_SUITE_P(
    Syntaxes, Fields,
    ::testing::Values(
        FieldCase{"ipaddress", SYN_IPADDRESS, "10.0.0.1", {"10", "0", "0", "1"}},
        FieldCase{"ipaddress_extremes", SYN_IPADDRESS, "255.0.255.0", {"255", "0", "255", "0"}},
        FieldCase{"nsapaddr", SYN_NSAPADDR, "192.168.200.255", {"192", "168", "200", "255"}},
        FieldCase{"octetstr", SYN_OCTETSTR, "001AFF80", {"00", "1A", "FF", "80"}},
        FieldCase{"bitstr", SYN_BITSTR, "8001", {"80", "01"}},
        FieldCase{"opaque", SYN_OPAQUE, "7F00FE", {"7F", "00", "FE"}},
        FieldCase{"objectid", SYN_OBJECTID, "1.3.6.1.4294967295", {"1", "3", "6", "1", "4294967295"}},
        FieldCase{"objectid_spare_edits", SYN_OBJECTID, "1.3.6.1", {"1", "3", "6", "1", "", ""}},
        FieldCase{"timeticks", SYN_TIMETICKS, "2 days, 1:02:03.04", {"2", "1", "2", "3", "4"}},
        FieldCase{"timeticks_zero", SYN_TIMETICKS, "0:00:00.00", {"0", "0", "0", "0", "0"}},
        FieldCase{"timeticks_largest", SYN_TIMETICKS, "497 days, 2:27:52.95", {"497", "2", "27", "52", "95"}},
        FieldCase{"macaddress", SYN_MACADDRESS, "0011223344AA", {"00", "11", "22", "33", "44", "AA"}},
        FieldCase{"macaddress_high", SYN_MACADDRESS, "FFFEFDFCFBFA", {"FF", "FE", "FD", "FC", "FB", "FA"}},
        FieldCase{"datetime_east", SYN_DATETIME, "2005-6-1,13:30:15.0,+8:0",
                  {"2005", "6", "1", "13", "30", "15", "0", "+", "8", "0"}},
        FieldCase{"datetime_west", SYN_DATETIME, "1999-12-31,23:59:59.9,-5:30",
                  {"1999", "12", "31", "23", "59", "59", "9", "-", "5", "30"}},
        FieldCase{"datetime_utc", SYN_DATETIME, "2005-6-1,13:30:15.0",
                  {"2005", "6", "1", "13", "30", "15", "0", "+", "0", "0"}},
        FieldCase{"daterealafternoon", SYN_BCDATETIME, "1900/01/02 06:00:00 PM", {"1900", "1", "2", "18", "0", "0", "0"}},
        FieldCase{"daterealepoch", SYN_BCDATETIME, "1899/12/30 12:00:00 AM", {"1899", "12", "30", "0", "0", "0", "0"}},
        FieldCase{"daterealbeforeepoch", SYN_BCDATETIME, "1899/12/29 06:00:00 AM", {"1899", "12", "29", "6", "0", "0", "0"}},
        FieldCase{"daterealfirstday", SYN_BCDATETIME, "0001/01/01 12:00:00 AM", {"1", "1", "1", "0", "0", "0", "0"}},
        FieldCase{"daterealleapday", SYN_BCDATETIME, "2024/02/29 12:30:01 PM", {"2024", "2", "29", "12", "30", "1", "0"}},
        FieldCase{"dateareallastday", SYN_BCDATETIME, "9999/12/31 11:59:59 PM", {"9999", "12", "31", "23", "59", "59", "0"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(FieldCodec, RunsWithoutAnApplication)
{
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

// Syntaxes that never split show the whole text in the first edit, whatever the edit count.
TEST(FieldCodec, OnlyStructuredSyntaxesSplit)
{
    const QList<quint32> split = {SYN_BITSTR,   SYN_OCTETSTR,   SYN_OBJECTID, SYN_IPADDRESS,  SYN_TIMETICKS,
                                  SYN_OPAQUE,   SYN_NSAPADDR,   SYN_MACADDRESS, SYN_DATETIME, SYN_BCDATETIME};
    for (quint32 syntax = 0; syntax <= SYN_UINT16; ++syntax) {
        if (!QvIsPartSyntax(syntax))
            continue;
        EXPECT_FALSE(QvSplitsIntoFields(syntax, 1)) << syntax;
        for (int count = 2; count <= 12; ++count)
            EXPECT_EQ(QvSplitsIntoFields(syntax, count), split.contains(syntax)) << syntax << " in " << count;
    }
    EXPECT_EQ(QvJoinFields(SYN_INTEGER, {"-42", "7"}), QStringLiteral("-42"));
    // A spare edit after the six of an address keeps what it shows.
    EXPECT_EQ(QvSplitFields(SYN_MACADDRESS, QStringLiteral("0011223344AA"), 7).size(), 6);
}

TEST(FieldCodec, EveryOctetValueInEveryHexField)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    for (quint32 syntax : {SYN_OCTETSTR, SYN_BITSTR, SYN_OPAQUE}) {
        const QString value = QvHexText(all);
        const QStringList fields = QvSplitFields(syntax, value, 256);
        ASSERT_EQ(fields.size(), 256);
        for (int b = 0; b < 256; ++b)
            EXPECT_EQ(QvReadHex(fields.at(b)), all.mid(b, 1)) << syntax << " octet " << b;
        EXPECT_EQ(QvJoinFields(syntax, fields), value) << syntax;
    }
    for (int b = 0; b < 256; ++b) {
        for (int k = 0; k < 6; ++k) {
            QByteArray mac(6, '\x5a');
            mac[k] = char(b);
            const QString value = QvHexText(mac);
            EXPECT_EQ(QvJoinFields(SYN_MACADDRESS, QvSplitFields(SYN_MACADDRESS, value, 6)), value);
        }
    }
}

TEST(FieldCodec, EveryOctetValueInEveryAddressField)
{
    for (quint32 syntax : {SYN_IPADDRESS, SYN_NSAPADDR}) {
        for (int b = 0; b < 256; ++b) {
            for (int k = 0; k < 4; ++k) {
                QStringList fields = {"1", "2", "3", "4"};
                fields[k] = QString::number(b);
                const QString value = QvJoinFields(syntax, fields);
                EXPECT_EQ(TextToOctets(value, syntax).at(k), char(b));
                EXPECT_EQ(QvSplitFields(syntax, value, 4), fields) << syntax << " field " << k;
            }
        }
    }
}

// Edits as the user leaves them: empty, one hex digit, blanks, signs; joined to what they mean.
TEST(FieldCodec, LooseEditTextsJoinToTheirValue)
{
    EXPECT_EQ(QvJoinFields(SYN_OCTETSTR, {"a", "", " 7 ", "Ff"}), QStringLiteral("0a0007Ff"));
    EXPECT_EQ(QvJoinFields(SYN_MACADDRESS, {"1", "2", "3", "4", "5", "6", "77"}), QStringLiteral("010203040506"));
    EXPECT_EQ(QvJoinFields(SYN_IPADDRESS, {"", " 12", "3x", "4"}), QStringLiteral("0.12.3.4"));
    EXPECT_EQ(QvJoinFields(SYN_OBJECTID, {"1", "", "6", " ", ""}), QStringLiteral("1.0.6"));
    EXPECT_EQ(QvJoinFields(SYN_TIMETICKS, {"0", "25", "61", "0", "0"}), QvTimeTicksText(25 * 360000 + 61 * 6000));
    EXPECT_EQ(QvJoinFields(SYN_DATETIME, {"2005", "6", "1", "13", "30", "15", "0", " -x", "5", "0"}),
              QStringLiteral("2005-6-1,13:30:15.0,-5:0"));
    EXPECT_EQ(QvJoinFields(SYN_BCDATETIME, {"2023", "2", "29", "0", "0", "0", "0"}), QString()) << "no such day";
    EXPECT_EQ(QvJoinFields(SYN_BCDATETIME, {"2023", "2", "28", "24", "0", "0", "0"}), QString()) << "no such hour";
    EXPECT_EQ(QvJoinFields(SYN_BCDATETIME, {"2023", "2", "28", "10", "0", "0", "500"}),
              QStringLiteral("2023/02/28 10:00:00 AM"));
}

TEST(FieldCodec, PlaceholdersHaveNoFields)
{
    for (const QString &placeholder : {QvNullText, QvNotDoneText}) {
        for (quint32 syntax : {SYN_IPADDRESS, SYN_TIMETICKS, SYN_DATETIME, SYN_BCDATETIME, SYN_OCTETSTR, SYN_OBJECTID}) {
            EXPECT_TRUE(QvSplitFields(syntax, placeholder, 10).isEmpty()) << syntax;
            QStringList fields(10, QStringLiteral("7"));
            fields[0] = placeholder;
            EXPECT_EQ(QvJoinFields(syntax, fields), placeholder) << syntax;
        }
    }
    EXPECT_TRUE(QvSplitFields(SYN_BCDATETIME, QStringLiteral("not a date"), 7).isEmpty());
}

TEST(FieldCodec, TooFewEditsForTheValue)
{
    struct Case {
        quint32 syntax;
        const char *value;
        int count;
    };
    for (const Case &c : {Case{SYN_IPADDRESS, "1.2.3.4", 3}, Case{SYN_TIMETICKS, "0:00:00.00", 4},
                          Case{SYN_MACADDRESS, "000000000000", 5}, Case{SYN_DATETIME, "2005-6-1,0:0:0.0", 9},
                          Case{SYN_BCDATETIME, "2000/01/01 12:00:00 AM", 6}, Case{SYN_OCTETSTR, "010203", 2},
                          Case{SYN_OBJECTID, "1.3.6", 2}}) {
        EXPECT_EQ(thrownCode([&] { QvSplitFields(c.syntax, QString::fromLatin1(c.value), c.count); }), -522)
            << c.syntax;
    }
    for (quint32 syntax : {SYN_IPADDRESS, SYN_TIMETICKS, SYN_MACADDRESS, SYN_DATETIME, SYN_BCDATETIME})
        EXPECT_EQ(thrownCode([&] { QvJoinFields(syntax, {"1", "2", "3"}); }), -522) << syntax;
}

TEST(FieldCodec, OptionPrefixAndRest)
{
    struct Case {
        quint32 syntax;
        const char *text;
        int matched;
        const char *prefix;
        const char *rest;
    };
    for (const Case &c : {Case{SYN_OBJECTID, "enterprises.9.1", 11, "enterprises", "9.1"},
                          Case{SYN_OBJECTID, "enterprises", 11, "enterprises", ""},
                          Case{SYN_OCTETSTR, "abc.def", 3, "abc", ".def"},
                          Case{SYN_OBJECTID, ".1.3", -1, "", ".1.3"}}) {
        const QString text = QString::fromLatin1(c.text);
        EXPECT_EQ(QvPrefixRest(c.syntax, text, c.matched), QString::fromLatin1(c.rest)) << c.text;
        EXPECT_EQ(QvJoinPrefix(c.syntax, QString::fromLatin1(c.prefix), QString::fromLatin1(c.rest)), text) << c.text;
    }
    EXPECT_EQ(QvPrefixRest(SYN_OBJECTID, QvNullText, 2), QvNullText);
}

// Parts of an octet string written by one control each and read back by the same syntax.
TEST(FieldCodec, EveryOctetValueSplicedAsAPart)
{
    for (int b = 0; b < 256; ++b) {
        for (int offset : {0, 3}) {
            QByteArray value("\x11\x22", 2);
            const QByteArray part(1, char(b));
            QvSpliceOctets(&value, offset, part);
            ASSERT_EQ(value.size(), qMax(2, offset + 1));
            EXPECT_EQ(value.at(offset), char(b));
            EXPECT_EQ(ExtractPart(value, offset, SYN_UINT8), part);
            EXPECT_EQ(TextToOctets(OctetsToText(part, SYN_UINT8), SYN_UINT8), part);
            if (offset > 2) {
                EXPECT_EQ(value.mid(2, offset - 2), QByteArray(offset - 2, '\0')) << "gap filled with zeros";
            }
        }
    }
    QByteArray value("\x01\x02\x03\x04\x05", 5);
    QvSpliceOctets(&value, 1, QByteArray("\xAA\xBB", 2));
    EXPECT_EQ(value, QByteArray("\x01\xAA\xBB\x04\x05", 5));
}

TEST(FieldCodec, BitsOfEveryOctetValue)
{
    for (int b = 0; b < 256; ++b) {
        QByteArray built;
        for (int bit = 0; bit < 8; ++bit)
            QvSetOctetBit(&built, 8 + bit, (b >> (7 - bit)) & 1);
        EXPECT_EQ(built, QByteArray("\0", 1) + char(b)) << b;
        for (int bit = 0; bit < 8; ++bit) {
            EXPECT_EQ(QvOctetBit(built, 8 + bit), bool((b >> (7 - bit)) & 1));
            QByteArray flipped = built;
            QvSetOctetBit(&flipped, 8 + bit, !QvOctetBit(built, 8 + bit));
            EXPECT_EQ(quint8(flipped.at(1)), quint8(b ^ (0x80 >> bit)));
        }
    }
    EXPECT_EQ(thrownCode([] { QvOctetBit(QByteArray(1, '\xff'), 8); }), -519);
}

// The date-time real's parts and the real are inverses on both sides of the day it counts from.
TEST(FieldCodec, DateTimeRealParts)
{
    struct Case {
        int y, m, d, ms;
        double real;
    };
    for (const Case &c : {Case{1899, 12, 30, 0, 0.0}, Case{1900, 1, 2, 64800000, 3.75},
                          Case{1899, 12, 29, 21600000, -1.25}, Case{1, 1, 1, 0, -693593.0},
                          Case{9999, 12, 31, 43200000, 2958465.5}}) {
        const QDate date(c.y, c.m, c.d);
        EXPECT_DOUBLE_EQ(QvDateTimeReal(date, c.ms), c.real) << c.y;
        QDate back;
        int ms = -1;
        ASSERT_TRUE(QvDateTimeRealParts(c.real, &back, &ms)) << c.y;
        EXPECT_EQ(back, date);
        EXPECT_EQ(ms, c.ms);
    }
    QDate date;
    int ms = 0;
    EXPECT_FALSE(QvDateTimeRealParts(2958466.0, &date, &ms));
    EXPECT_FALSE(QvDateTimeRealParts(-693594.0, &date, &ms));
}

} // namespace
