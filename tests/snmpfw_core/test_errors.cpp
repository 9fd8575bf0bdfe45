#include "qvsnmperrors.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTime>
#include <gtest/gtest.h>

#include <climits>

namespace {

struct CatalogueGuard {
    CatalogueGuard() { ResetCatalogues(); }
    ~CatalogueGuard() { ResetCatalogues(); }
};

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        ADD_FAILURE() << "cannot write " << path.toStdString();
    return path;
}

} // namespace

TEST(Errors, MapStatusCoversEveryRangeAndItsEdges)
{
    CatalogueGuard guard;
    const struct {
        int status;
        int code;
        const char *text;
    } rows[] = {
        {0, 0, "Ok!"},
        {1400, 0, "Ok!"},
        {-1401, 0, "Ok!"},
        {1, -101, "Response PDU Too Big!"},
        {2, -102, "Variable does not exist!"},
        {18, -118, "Cannot create variable, Inconsistent Name!"},
        {19, -528, "Unknown error code!"},
        {-1, -401, "Operation failed!"},
        {-5, -405, "SNMP request timed out!"},
        {-23, -423, "Blocked Mode Shutdown!"},
        {-24, -528, "Unknown error code!"},
        {1401, -301, "error!"},
        {1408, -308, "Authentication failure!"},
        {1414, -314, "Address error!"},
        {1415, -528, "Unknown error code!"},
        {1399, -528, "Unknown error code!"},
        {-1402, -201, "Unsupported Security Model!"},
        {-1403, -202, "Message not in Time Window!"},
        {-1418, -217, "Report sent!"},
        {-1419, -528, "Unknown error code!"},
        {99, -528, "Unknown error code!"},
        {INT_MIN, -528, "Unknown error code!"},
        {INT_MAX, -528, "Unknown error code!"},
    };
    for (const auto &r : rows) {
        const QvStatus s = MapStatus(r.status);
        EXPECT_EQ(s.code, r.code) << "status " << r.status;
        EXPECT_EQ(s.text.toStdString(), r.text) << "status " << r.status;
    }
}

TEST(Errors, CodeTextsAgreeWithTheMappingAndCatalogueSizes)
{
    CatalogueGuard guard;
    for (int s = -1500; s <= 1500; ++s) {
        const QvStatus m = MapStatus(s);
        EXPECT_EQ(QvErrorText(m.code), m.text) << "status " << s;
    }
    const std::pair<QvCatalogue, int> sizes[] = {{CAT_AGENT, 18}, {CAT_V3MP, 17},     {CAT_USM, 14},   {CAT_CLASS, 23},
                                                 {CAT_OWN, 35},   {CAT_LOGFORMAT, 2}, {CAT_COMMON, 19}};
    for (const auto &[catalogue, entries] : sizes) {
        for (int i = 0; i < entries; ++i)
            EXPECT_FALSE(CatalogueText(catalogue, i).isEmpty()) << catalogue << ":" << i;
        EXPECT_TRUE(CatalogueText(catalogue, entries).isEmpty()) << catalogue;
        EXPECT_TRUE(CatalogueText(catalogue, -1).isEmpty()) << catalogue;
    }
    EXPECT_EQ(QvErrorText(QVE_UNKNOWN), QStringLiteral("Unknown error code!"));
    EXPECT_EQ(QvErrorText(QvLastOwnCode), CatalogueText(CAT_OWN, -500 - QvLastOwnCode));
    for (int code : {-500, -119, -200, 1, -19, QvLastOwnCode - 1})
        EXPECT_EQ(QvErrorText(code), QStringLiteral("Unknown error code!")) << code;
    EXPECT_EQ(QvErrorText(-2), QStringLiteral("Bad format specifier of edit's constraint!"));
}

TEST(Errors, ThrowCarriesCodeAndText)
{
    CatalogueGuard guard;
    const std::pair<void (*)(), std::pair<int, const char *>> rows[] = {
        {[] { QvThrow(-507); }, {-507, "Error when loading SNMP engine boots counter!"}},
        {[] { QvThrowCommon(1); }, {-1, "Bad logic operand!"}},
    };
    for (const auto &[raise, expected] : rows) {
        try {
            raise();
            ADD_FAILURE() << "nothing thrown";
        } catch (const QvSNMPException &e) {
            EXPECT_EQ(e.code(), expected.first);
            EXPECT_STREQ(e.what(), expected.second);
        }
    }
}

TEST(Errors, CatalogueFiles)
{
    const QByteArray eighteen = [] {
        QByteArray b;
        for (int i = 1; i <= 18; ++i)
            b += "line" + QByteArray::number(i) + "\n";
        return b;
    }();
    const QByteArray a1500(1500, 'a'), a1023(1023, 'b'), a1022(1022, 'c');
    QByteArray binary("\x01x");
    for (int c = 0x80; c <= 0xff; ++c)
        binary += char(c);
    binary += QByteArray("\0z\x7f", 3);

    const struct {
        const char *name;
        QByteArray content;
        bool loads;
        QList<std::pair<int, QByteArray>> expect; // snmp.err index (code -101 - index) -> text
    } rows[] = {
        {"full file", eighteen, true, {{0, "line1"}, {1, "line2"}, {17, "line18"}}},
        {"blank lines between", "\n\nline1\n \t\n\r\nline2\n\n", true, {{0, "line1"}, {1, "line2"}}},
        {"blanks kept, CR LF dropped", "  two  \r\nx\r\n", true, {{0, "  two  "}, {1, "x"}}},
        {"lone CR stays", "a\rb\r\r\n", true, {{0, "a\rb\r"}}},
        {"last line unterminated", "one\ntwo", true, {{0, "one"}, {1, "two"}}},
        {"short file falls back", "only\n", true,
         {{0, "only"}, {1, "Variable does not exist!"}, {17, "Cannot create variable, Inconsistent Name!"}}},
        {"over-long line split", a1500 + "\nnext\n", true,
         {{0, a1500.left(1023)}, {1, a1500.mid(1023)}, {2, "next"}}},
        {"1023 characters, then the break alone", a1023 + "\nnext\n", true, {{0, a1023}, {1, "next"}}},
        {"1023 characters, then the rest", a1023 + "X\n", true, {{0, a1023}, {1, "X"}}},
        {"1022 characters fit with their break", a1022 + "\nnext\n", true, {{0, a1022}, {1, "next"}}},
        {"1022 characters with CR LF", a1022 + "\r\nnext\r\n", true, {{0, a1022}, {1, "next"}}},
        {"binary octets survive", binary + "\n", true, {{0, binary}}},
        {"control-only lines are blank", QByteArray("\x01\x02\x7f\n\0\nreal\n", 10), true, {{0, "real"}}},
        {"more lines than built in", eighteen + "extra\n", true, {{18, "extra"}}},
        {"blank file keeps built-in", " \n\t\r\n\n", false, {{0, "Response PDU Too Big!"}}},
        {"empty file keeps built-in", "", false, {{1, "Variable does not exist!"}}},
        {"missing file keeps built-in", "<none>", false, {{0, "Response PDU Too Big!"}}},
        {"folder keeps built-in", "<dir>", false, {{0, "Response PDU Too Big!"}}},
    };
    for (const auto &r : rows) {
        CatalogueGuard guard;
        QTemporaryDir dir;
        QString path = dir.filePath("snmp.err");
        if (r.content == "<dir>")
            QDir().mkdir(path);
        else if (r.content != "<none>")
            writeFile(dir, "snmp.err", r.content);
        EXPECT_EQ(LoadCatalogue(CAT_AGENT, path), r.loads) << r.name;
        for (const auto &[index, text] : r.expect) {
            const QString expected = QString::fromLatin1(text);
            EXPECT_EQ(CatalogueText(CAT_AGENT, index), expected) << r.name << " entry " << index;
            if (index < 18) {
                EXPECT_EQ(QvErrorText(-101 - index), expected) << r.name << " entry " << index;
            }
        }
        EXPECT_TRUE(CatalogueText(CAT_AGENT, 19 + int(r.content.size())).isEmpty()) << r.name;
    }
}

TEST(Errors, LoadCataloguesMapsEachFileToItsCatalogue)
{
    CatalogueGuard guard;
    QTemporaryDir dir;
    const struct {
        const char *file;
        QvCatalogue catalogue;
    } files[] = {{"snmp.err", CAT_AGENT},   {"snmpv3.err", CAT_V3MP},    {"snmpusm.err", CAT_USM},
                 {"snmpclass.err", CAT_CLASS}, {"qvsnmp.err", CAT_OWN}, {"snmp.msg", CAT_LOGFORMAT},
                 {"common.err", CAT_COMMON}};
    for (const auto &f : files)
        writeFile(dir, f.file, QByteArray("from ") + f.file + "\n");
    LoadCatalogues(dir.path());
    for (const auto &f : files) {
        EXPECT_EQ(CatalogueText(f.catalogue, 0), QStringLiteral("from ") + QLatin1String(f.file));
        EXPECT_FALSE(CatalogueText(f.catalogue, 1).isEmpty()); // built-in beyond the file
    }
}

TEST(Errors, FillPlaceholder)
{
    const struct {
        const char *text, *placeholder, *value, *expected;
    } rows[] = {
        {"a [LEN] b [LEN]", "[LEN]", "7", "a 7 b 7"},
        {"[LEN][LEN]", "[LEN]", "x", "xx"},
        {"value [LEN] is not rescanned", "[LEN]", "[LEN]!", "value [LEN]! is not rescanned"},
        {"[[LEN]]", "[LEN]", "3", "[3]"},
        {"no placeholder", "[LEN]", "3", "no placeholder"},
        {"case [len]", "[LEN]", "3", "case [len]"},
        {"empty placeholder", "", "3", "empty placeholder"},
        {"cut [LEN", "[LEN]", "3", "cut [LEN"},
    };
    for (const auto &r : rows)
        EXPECT_EQ(FillPlaceholder(QString::fromLatin1(r.text), QString::fromLatin1(r.placeholder),
                                  QString::fromLatin1(r.value)),
                  QString::fromLatin1(r.expected))
            << r.text;
}

TEST(Errors, RequestLogLine)
{
    const QString am = QLocale::system().amText(), pm = QLocale::system().pmText();
    const struct {
        const char *format; // nullptr: built-in
        bool write;
        const char *message, *title;
        QTime time;
        QString expected;
    } rows[] = {
        {nullptr, false, "Ok!", "", QTime(20, 5, 9), "Get: Ok!. Receive at 08:05:09 " + pm + "."},
        {nullptr, true, "Ok!", "", QTime(0, 0, 0), "Set: Ok!. Receive at 12:00:00 " + am + "."},
        {nullptr, false, "Ok!", "VLAN", QTime(12, 30, 1), "Get: Ok! Request:VLAN. Receive at 12:30:01 " + pm + "."},
        {nullptr, true, "SNMP request timed out!", "Ports", QTime(9, 59, 59),
         "Set: SNMP request timed out! Request:Ports. Receive at 09:59:59 " + am + "."},
        {nullptr, false, "bad [TIME] [VARLIST]", "t[ERROR]", QTime(23, 59, 59),
         "Get: bad [TIME] [VARLIST] Request:t[ERROR]. Receive at 11:59:59 " + pm + "."},
        {"[VARLIST]<[ERROR]>\n", false, "Ok!", "", QTime(1, 2, 3), "<Ok!>"},
        {"no error [VARLIST] at [TIME]\n", false, "Ok!", "", QTime(13, 0, 0), "no error  at 01:00:00 " + pm},
        {"[ERROR] x [VARLIST][VARLIST]\n", false, "E", "", QTime(1, 0, 0), "E"},
    };
    for (const auto &r : rows) {
        CatalogueGuard guard;
        QTemporaryDir dir;
        if (r.format)
            LoadCatalogue(CAT_LOGFORMAT, writeFile(dir, "snmp.msg", r.format));
        EXPECT_EQ(RequestLogLine(r.write, QString::fromLatin1(r.message), QString::fromLatin1(r.title), r.time),
                  r.expected)
            << r.message << " / " << r.title;
    }
}
