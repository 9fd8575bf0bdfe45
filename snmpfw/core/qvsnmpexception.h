// The framework's error object: a signed code of the framework's numbering and its catalogue
// text. Blocking operations throw it; asynchronous ones hand the same pair to their callbacks.
#pragma once

#include <QString>
#include <exception>

class QvSNMPException : public std::exception {
public:
    QvSNMPException(int code, const QString &text) : m_code(code), m_text(text), m_what(text.toLatin1()) {}
    int code() const noexcept { return m_code; }
    const QString &text() const noexcept { return m_text; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_code;
    QString m_text;
    QByteArray m_what;
};
