#include "qvsnmpvalue.h"

bool QvParseOid(const QString &text, QvOid *out)
{
    QvOid oid;
    int p = 0;
    const int n = text.size();
    if (p < n && text[p] == QLatin1Char('.'))
        ++p;
    if (p == n) {
        // "" is the empty OID; a lone "." is not an OID.
        if (out)
            *out = oid;
        return n == 0;
    }
    while (true) {
        if (p >= n || text[p].unicode() < '0' || text[p].unicode() > '9')
            return false;
        quint64 v = 0;
        while (p < n && text[p].unicode() >= '0' && text[p].unicode() <= '9') {
            v = v * 10 + (text[p].unicode() - '0');
            if (v > 0xFFFFFFFFull)
                return false;
            ++p;
        }
        oid.append(quint32(v));
        if (p == n)
            break;
        if (text[p] != QLatin1Char('.'))
            return false;
        ++p;
    }
    if (out)
        *out = oid;
    return true;
}

QString QvOidToText(const QvOid &oid)
{
    QString s;
    s.reserve(oid.size() * 4);
    for (int k = 0; k < oid.size(); ++k) {
        if (k)
            s += QLatin1Char('.');
        s += QString::number(oid[k]);
    }
    return s;
}
