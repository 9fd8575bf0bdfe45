#include "qvini.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(Ini, ReadString)
{
    const QByteArray base = "[Program Information]\r\nPort=  161  \r\nEmpty=\r\nAgent=10.0.0.1\r\n";
    const QByteArray longValue(5000, 'v');
    const struct {
        const char *name;
        QByteArray content;
        const char *section, *key, *def;
        QString expected;
    } rows[] = {
        {"blanks around value", base, "Program Information", "Port", "", "161"},
        {"missing key, default", base, "Program Information", "Community", "abc", "abc"},
        {"missing key, blank default trimmed", base, "Program Information", "Community", "  abc ", "abc"},
        {"empty value, default", base, "Program Information", "Empty", "abc", "abc"},
        {"empty value, empty default", base, "Program Information", "Empty", "", ""},
        {"blank-only value gives the untrimmed default", "[S]\nk=   \n", "S", "k", " d ", " d "},
        {"section and key ignore case", base, "PROGRAM information", "aGeNt", "", "10.0.0.1"},
        {"blanks around names", "[ S ]\n  Key  =  v  \n", "S", "key", "", "v"},
        {"first key wins", "[S]\nk=first\nK=second\n", "S", "k", "", "first"},
        {"first section wins", "[S]\na=1\n[s]\nb=2\n", "S", "b", "none", "none"},
        {"key of another section", "[T]\nk=1\n[S]\nj=2\n", "S", "k", "none", "none"},
        {"key before any section", "k=1\n[S]\n", "S", "k", "none", "none"},
        {"section name is not a prefix", "[Program]\nk=1\n", "Program Information", "k", "none", "none"},
        {"key name is not a prefix", "[S]\nkey2=1\n", "S", "key", "none", "none"},
        {"equals sign inside value", "[S]\nk=a=b\n", "S", "k", "", "a=b"},
        {"matching quotes removed", "[S]\nk=\"quoted\"\n", "S", "k", "", "quoted"},
        {"comment line skipped", "[S]\n;k=1\nk=2\n", "S", "k", "", "2"},
        {"control characters trimmed", "[S]\nk=\x01v\x02\n", "S", "k", "", "v"},
        {"no final line break", "[S]\nk=last", "S", "k", "", "last"},
        {"high octets are Latin-1", "[S]\nk=\xe9\xff\n", "S", "k", "", QString::fromLatin1("\xe9\xff")},
        {"long value cut to 4095", "[S]\nk=" + longValue + "\n", "S", "k", "", QString(4095, 'v')},
        {"cut after the reader's own trim", "[S]\nk=   " + longValue + "\n", "S", "k", "", QString(4095, 'v')},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString path = dir.filePath("dev.cfg");
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.content);
        f.close();
        EXPECT_EQ(QvIni(path).ReadString(QString::fromLatin1(r.section), QString::fromLatin1(r.key),
                                         QString::fromLatin1(r.def)),
                  r.expected)
            << r.name;
    }
}

TEST(Ini, MissingOrUnreadableFileYieldsDefaults)
{
    QTemporaryDir dir;
    for (const QString &path : {dir.filePath("absent.cfg"), dir.path(), QString()}) {
        const QvIni ini(path);
        EXPECT_EQ(ini.ReadString("S", "k", " 161 "), QStringLiteral("161")) << path.toStdString();
        EXPECT_EQ(ini.ReadString("S", "k", ""), QString()) << path.toStdString();
    }
}

TEST(Ini, JoinPath)
{
    const QString sep = QDir::separator();
    const struct {
        QString directory, name, expected;
    } rows[] = {
        {"", "x", "x"},
        {"C:" + sep + "conf", "x", "C:" + sep + "conf" + sep + "x"},
        {"C:" + sep + "conf" + sep, "x", "C:" + sep + "conf" + sep + "x"},
        {"/var/lib/kmv", "QvSNMP_PP_BootCounter", "/var/lib/kmv" + sep + "QvSNMP_PP_BootCounter"},
        {"/var/lib/kmv/", "x", "/var/lib/kmv/x"},
        {"/", "x", "/x"},
        {"dir", "", "dir" + sep},
    };
    for (const auto &r : rows)
        EXPECT_EQ(JoinPath(r.directory, r.name), r.expected) << r.directory.toStdString();
}
