// Boot counter file: parsed whole, so that a damaged file is noticed before anything is written
// over it, and replaced only through a complete temporary file.
#include "qvbootcounter.h"
#include "qvini.h"
#include "qvsnmperrors.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

struct Entry {
    QByteArray engineId;
    quint32 boots;
};

enum { SaveCannotRead = 1, SaveCannotWrite = 2, SaveBadCount = 3 };

bool isHexDigit(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int parseLine(const QByteArray &line, Entry &entry)
{
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() != 2)
        return BOOTS_BAD_LINE;
    const QByteArray &hex = fields.at(0);
    if (hex.isEmpty() || hex.size() % 2 != 0)
        return BOOTS_BAD_LINE;
    for (char c : hex)
        if (!isHexDigit(c))
            return BOOTS_BAD_LINE;
    const QByteArray &count = fields.at(1);
    if (count.isEmpty() || count.size() > 10)
        return BOOTS_BAD_COUNT;
    quint64 value = 0;
    for (char c : count) {
        if (c < '0' || c > '9')
            return BOOTS_BAD_COUNT;
        value = value * 10 + quint64(c - '0');
    }
    if (value > QvMaxEngineBoots)
        return BOOTS_BAD_COUNT;
    entry = {QByteArray::fromHex(hex), quint32(value)};
    return BOOTS_OK;
}

// BOOTS_OK with all entries, BOOTS_NO_FILE, or a damage code.
int readEntries(const QString &fileName, QList<Entry> &entries)
{
    if (!QFileInfo(fileName).isFile())
        return BOOTS_NO_FILE;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return BOOTS_NO_FILE;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.isEmpty())
            continue;
        Entry e;
        if (const int r = parseLine(line, e); r != BOOTS_OK)
            return r;
        entries.append(e);
    }
    return file.error() == QFileDevice::NoError ? BOOTS_OK : BOOTS_NO_FILE;
}

} // namespace

int GetBootCounter(const QString &fileName, const QByteArray &engineId, quint32 &boots)
{
    boots = 0;
    QList<Entry> entries;
    if (const int r = readEntries(fileName, entries); r != BOOTS_OK)
        return r;
    for (const Entry &e : entries) {
        if (e.engineId == engineId) {
            boots = e.boots;
            return BOOTS_OK;
        }
    }
    return BOOTS_NO_ENTRY;
}

int SaveBootCounter(const QString &fileName, const QByteArray &engineId, quint32 boots)
{
    if (boots > QvMaxEngineBoots)
        return SaveBadCount;
    QList<Entry> entries;
    if (QFileInfo::exists(fileName) || QFileInfo(fileName).isSymLink()) {
        if (readEntries(fileName, entries) != BOOTS_OK)
            return SaveCannotRead;
    }
    QByteArray content;
    bool written = false;
    for (const Entry &e : entries) {
        if (e.engineId == engineId) {
            if (written)
                continue; // a duplicate line would shadow nothing; drop it
            content += engineId.toHex() + ' ' + QByteArray::number(boots) + '\n';
            written = true;
        } else {
            content += e.engineId.toHex() + ' ' + QByteArray::number(e.boots) + '\n';
        }
    }
    if (!written)
        content += engineId.toHex() + ' ' + QByteArray::number(boots) + '\n';

    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return SaveCannotWrite;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return SaveCannotWrite;
    }
    return file.commit() ? 0 : SaveCannotWrite;
}

quint32 LoadAndBumpBoots(const QString &directory)
{
    const QString file = JoinPath(directory, QString::fromLatin1(QvBootCounterFileName));
    const QByteArray engineId(QvLocalEngineId);
    quint32 boots = 0;
    if (GetBootCounter(file, engineId, boots) < BOOTS_NO_FILE)
        QvThrow(QVE_LOAD_BOOTS);
    // RFC 3414: the count stays at its maximum once reached.
    if (boots < QvMaxEngineBoots)
        ++boots;
    if (SaveBootCounter(file, engineId, boots) != 0)
        QvThrow(QVE_SAVE_BOOTS);
    return boots;
}
