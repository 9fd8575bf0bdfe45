// Shared by the fuzz harnesses: the input as byte text (one character per octet, as every value
// text of the framework), a cursor that takes small pieces off the front of the input, and
// running a call with the framework's error object as an expected outcome.
#pragma once

#include "qvsnmpexception.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

inline QString ByteText(const uint8_t *data, size_t size)
{
    return QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));
}

class FuzzCursor {
public:
    FuzzCursor(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}
    bool empty() const { return m_pos >= m_size; }
    uint8_t byte() { return empty() ? 0 : m_data[m_pos++]; }
    quint32 word()
    {
        quint32 v = 0;
        for (int k = 0; k < 4; ++k)
            v = (v << 8) | byte();
        return v;
    }
    // Up to max octets, the count taken from the input.
    QByteArray bytes(int max)
    {
        const size_t n = qMin<size_t>(size_t(byte()) % size_t(max + 1), m_size - qMin(m_pos, m_size));
        QByteArray b(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return b;
    }
    QByteArray rest()
    {
        QByteArray b(reinterpret_cast<const char *>(m_data + qMin(m_pos, m_size)), qsizetype(m_size - qMin(m_pos, m_size)));
        m_pos = m_size;
        return b;
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

// The framework's error object is an outcome like any other; anything else escaping is a fault.
template <typename F>
void Tolerating(F &&call)
{
    try {
        call();
    } catch (const QvSNMPException &) {
    }
}
