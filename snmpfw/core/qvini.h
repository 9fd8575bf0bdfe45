// INI reading in the manner of the platform's profile-string reader, and path joining.
#pragma once

#include <QString>

// Reads string values from one INI file. Section and key match case-insensitively, the first
// matching section and the first matching key in it win, values are cut at 4095 characters.
// The file is read afresh on every call; a missing or unreadable file yields the defaults.
class QvIni {
public:
    explicit QvIni(const QString &path) : m_path(path) {}

    const QString &path() const { return m_path; }
    // The value trimmed of blanks and control characters, or the default untouched when the
    // value is empty or absent and the default is empty.
    QString ReadString(const QString &section, const QString &key, const QString &defaultValue) const;
    // The raw profile-reader answer: the value (outer blanks and one pair of matching quotes
    // removed) or the default, both cut to 4095 characters.
    QString ReadProfileString(const QString &section, const QString &key, const QString &defaultValue) const;

private:
    QString m_path;
};

// directory + name with the native separator between them; an empty directory gives the name,
// a directory already ending in a separator gets none added.
QString JoinPath(const QString &directory, const QString &name);
