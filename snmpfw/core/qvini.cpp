// A small profile-string reader: enough of the platform reader's rules for the device
// configuration files, reading bytes as Latin-1 so every octet survives.
#include "qvini.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr qsizetype MaxValue = 4095;

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= 0x20 || c.unicode() == 0x7f;
}

QString trimBlanksAndControls(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlankOrControl(s.at(b)))
        ++b;
    while (e > b && isBlankOrControl(s.at(e - 1)))
        --e;
    return s.mid(b, e - b);
}

// The profile reader trims only spaces and tabs around names and values.
QString trimSpaces(QStringView s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && (s.at(b) == QLatin1Char(' ') || s.at(b) == QLatin1Char('\t')))
        ++b;
    while (e > b && (s.at(e - 1) == QLatin1Char(' ') || s.at(e - 1) == QLatin1Char('\t')))
        --e;
    return s.mid(b, e - b).toString();
}

QString unquote(const QString &v)
{
    if (v.size() >= 2) {
        const QChar q = v.front();
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && v.back() == q)
            return v.mid(1, v.size() - 2);
    }
    return v;
}

bool findValue(const QString &path, const QString &section, const QString &key, QString &value)
{
    if (!QFileInfo(path).isFile())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool seenSection = false;
    bool inSection = false;
    while (!file.atEnd()) {
        QByteArray raw = file.readLine();
        while (raw.endsWith('\n') || raw.endsWith('\r'))
            raw.chop(1);
        const QString line = trimSpaces(QString::fromLatin1(raw));
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            if (seenSection)
                return false; // only the first matching section counts
            qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0)
                close = line.size();
            const QString name = trimSpaces(QStringView(line).mid(1, close - 1));
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            seenSection = inSection;
            continue;
        }
        if (!inSection)
            continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        if (trimSpaces(QStringView(line).left(eq)).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        value = unquote(trimSpaces(QStringView(line).mid(eq + 1)));
        return true;
    }
    return false;
}

} // namespace

QString QvIni::ReadProfileString(const QString &section, const QString &key, const QString &defaultValue) const
{
    QString value;
    if (!findValue(m_path, section, key, value))
        value = defaultValue;
    return value.left(MaxValue);
}

QString QvIni::ReadString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const QString value = ReadProfileString(section, key, defaultValue);
    if (value.isEmpty())
        return defaultValue;
    return trimBlanksAndControls(value);
}

QString JoinPath(const QString &directory, const QString &name)
{
    if (directory.isEmpty())
        return name;
    const QChar last = directory.back();
    if (last == QDir::separator() || last == QLatin1Char('/'))
        return directory + name;
    return directory + QDir::separator() + name;
}
