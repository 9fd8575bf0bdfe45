#include "qvbootcounter.h"
#include "qvsnmpexception.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Id(QvLocalEngineId);
const QByteArray IdHex = QByteArray(QvLocalEngineId).toHex();

QString counterPath(const QTemporaryDir &dir)
{
    return dir.filePath(QvBootCounterFileName);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(BootCounter, GetBootCounterResults)
{
    const struct {
        const char *name;
        QByteArray content; // "<dir>": the path is a folder; "<none>": no file
        int result;
        quint32 boots;
    } rows[] = {
        {"missing file", "<none>", BOOTS_NO_FILE, 0},
        {"folder in its place", "<dir>", BOOTS_NO_FILE, 0},
        {"empty file", "", BOOTS_NO_ENTRY, 0},
        {"other engine only", "0102 9\n", BOOTS_NO_ENTRY, 0},
        {"own line", IdHex + " 7\n", BOOTS_OK, 7},
        {"upper-case hex, CR LF, blank lines", "\r\n0102 3\r\n\r\n" + IdHex.toUpper() + " 12\r\n", BOOTS_OK, 12},
        {"first of two lines wins", IdHex + " 5\n" + IdHex + " 9\n", BOOTS_OK, 5},
        {"largest count", IdHex + " 2147483647\n", BOOTS_OK, 2147483647u},
        {"no final line break", IdHex + " 4", BOOTS_OK, 4},
        {"garbage line", "garbage\n" + IdHex + " 4\n", BOOTS_BAD_LINE, 0},
        {"id without count", IdHex + "\n", BOOTS_BAD_LINE, 0},
        {"three fields", IdHex + " 4 5\n", BOOTS_BAD_LINE, 0},
        {"odd hex digits", "abc 1\n", BOOTS_BAD_LINE, 0},
        {"foreign hex characters", "zz 1\n", BOOTS_BAD_LINE, 0},
        {"binary line", QByteArray("\x00\xff\x01 1\n", 6), BOOTS_BAD_LINE, 0},
        {"count with letters", IdHex + " 12x\n", BOOTS_BAD_COUNT, 0},
        {"negative count", IdHex + " -1\n", BOOTS_BAD_COUNT, 0},
        {"count past the maximum", IdHex + " 2147483648\n", BOOTS_BAD_COUNT, 0},
        {"damage after own line", IdHex + " 3\n0102 x\n", BOOTS_BAD_COUNT, 0},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString path = counterPath(dir);
        if (r.content == "<dir>") {
            ASSERT_TRUE(QDir().mkdir(path));
        } else if (r.content != "<none>") {
            writeBytes(path, r.content);
        }
        quint32 boots = 99;
        EXPECT_EQ(GetBootCounter(path, Id, boots), r.result) << r.name;
        EXPECT_EQ(boots, r.boots) << r.name;
    }
}

TEST(BootCounter, SaveKeepsOtherEnginesAndRoundTrips)
{
    QTemporaryDir dir;
    const QString path = counterPath(dir);
    writeBytes(path, "0102 9\n" + IdHex + " 3\n" + IdHex + " 8\nabcd 1\n");
    for (quint32 value : {0u, 4u, 2147483647u}) {
        ASSERT_EQ(SaveBootCounter(path, Id, value), 0);
        quint32 boots = 0, other = 0;
        EXPECT_EQ(GetBootCounter(path, Id, boots), BOOTS_OK);
        EXPECT_EQ(boots, value);
        EXPECT_EQ(GetBootCounter(path, QByteArray::fromHex("0102"), other), BOOTS_OK);
        EXPECT_EQ(other, 9u);
        EXPECT_EQ(GetBootCounter(path, QByteArray::fromHex("abcd"), other), BOOTS_OK);
        EXPECT_EQ(other, 1u);
    }
    EXPECT_EQ(readBytes(path).count(IdHex), 1); // the duplicate line is gone
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QvBootCounterFileName});
}

TEST(BootCounter, SaveRefusesWhatItCannotWriteSafely)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath("damaged");
    writeBytes(damaged, "0102 9\nbroken\n");
    EXPECT_NE(SaveBootCounter(damaged, Id, 1), 0);
    EXPECT_EQ(readBytes(damaged), QByteArray("0102 9\nbroken\n"));

    ASSERT_TRUE(QDir().mkdir(dir.filePath("folder")));
    EXPECT_NE(SaveBootCounter(dir.filePath("folder"), Id, 1), 0);
    EXPECT_NE(SaveBootCounter(dir.filePath("no/such/dir/file"), Id, 1), 0);
    EXPECT_NE(SaveBootCounter(dir.filePath("big"), Id, QvMaxEngineBoots + 1), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath("big")));
}

TEST(BootCounter, LoadAndBumpBoots)
{
    QTemporaryDir dir;
    const QString path = counterPath(dir);
    EXPECT_EQ(LoadAndBumpBoots(dir.path()), 1u);
    EXPECT_EQ(readBytes(path), IdHex + " 1\n");
    EXPECT_EQ(LoadAndBumpBoots(dir.path()), 2u);
    EXPECT_EQ(LoadAndBumpBoots(dir.path() + "/"), 3u);

    writeBytes(path, "0102 9\n" + IdHex + " 2147483647\n");
    EXPECT_EQ(LoadAndBumpBoots(dir.path()), QvMaxEngineBoots);
    quint32 other = 0;
    EXPECT_EQ(GetBootCounter(path, QByteArray::fromHex("0102"), other), BOOTS_OK);
    EXPECT_EQ(other, 9u);

    // An empty directory means the working folder.
    const QString cwd = QDir::currentPath();
    QTemporaryDir work;
    ASSERT_TRUE(QDir::setCurrent(work.path()));
    const quint32 first = LoadAndBumpBoots(QString());
    QDir::setCurrent(cwd);
    EXPECT_EQ(first, 1u);
    EXPECT_TRUE(QFile::exists(counterPath(work)));
}

TEST(BootCounter, LoadAndBumpBootsFailures)
{
    const struct {
        const char *name;
        QByteArray content; // "<dir>": the counter path is a folder
        int code;
        const char *text;
    } rows[] = {
        {"damaged line", "not a counter\n", -507, "Error when loading SNMP engine boots counter!"},
        {"damaged count", IdHex + " 99999999999\n", -507, "Error when loading SNMP engine boots counter!"},
        {"folder in its place", "<dir>", -508, "Error when saving SNMP engine boots counter!"},
    };
    for (const auto &r : rows) {
        QTemporaryDir dir;
        const QString path = counterPath(dir);
        if (r.content == "<dir>") {
            ASSERT_TRUE(QDir().mkdir(path));
        } else {
            writeBytes(path, r.content);
        }
        try {
            LoadAndBumpBoots(dir.path());
            ADD_FAILURE() << r.name << ": no error";
        } catch (const QvSNMPException &e) {
            EXPECT_EQ(e.code(), r.code) << r.name;
            EXPECT_EQ(e.text().toStdString(), r.text) << r.name;
        }
        if (r.content != "<dir>") {
            EXPECT_EQ(readBytes(path), r.content) << r.name << ": file must stay untouched";
        }
    }
    QTemporaryDir dir;
    EXPECT_THROW(LoadAndBumpBoots(dir.filePath("missing/folder")), QvSNMPException);
}
