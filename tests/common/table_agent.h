// A scripted SNMPv1/v2c agent over a sorted table of values, for tests that look at exactly which
// SETs a window sends: GET answers from the table, GET-NEXT and GETBULK walk it in OID order
// (ending with endOfMibView, or noSuchName under SNMPv1), SET stores the values and is recorded. A SET that
// touches an OID under a chosen prefix can be made to fail.
#pragma once

#include "fake_udp_agent.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class TableAgent {
public:
    TableAgent();
    ~TableAgent();

    quint16 port() const { return m_agent->port(); }
    bool ok() const { return m_agent->ok(); }

    void put(const QString &oid, const QByteArray &tlv);
    QByteArray value(const QString &oid) const;
    // The next SET with a binding under prefix fails with this error status (0: none).
    void failSetsUnder(const QString &prefix, int errorStatus);
    // GET-NEXT requests whose first binding is at or past oid go unanswered; "" answers all again.
    void dropNextsFrom(const QString &oid);

    // Each SET so far as "oid=value" texts (see text()), in request order.
    QList<QStringList> sets() const;
    void clearRequests();

    static QByteArray oidValue(const QString &dotted);
    static QByteArray counter(quint32 v);
    static QByteArray ticks(quint32 v);
    // INTEGER and the unsigned types as decimal, OCTET STRING in double quotes, OID dotted.
    static QString text(const QByteArray &tlv);

private:
    FakeResponse answer(const FakeRequest &request);
    FakeResponse bulkAnswer(const FakeRequest &request);

    mutable QMutex m_mutex;
    std::map<QList<quint32>, QByteArray> m_values;
    QString m_failPrefix;
    int m_failStatus = 0;
    QList<quint32> m_dropFrom;
    int m_skipRequests = 0;
    std::unique_ptr<FakeUdpAgent> m_agent;
};
