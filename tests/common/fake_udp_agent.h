// A tiny SNMPv1/v2c responder on a loopback port, for answers a real agent never gives (OIDs
// that loop or go backwards, a no-such-name that returns the request unchanged) and for
// looking at exactly what a request put on the wire. Runs its own thread; stops by itself when
// destroyed. Speaks just enough BER for that.
#pragma once

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QString>

#include <atomic>
#include <functional>
#include <thread>

struct FakeVb {
    QList<quint32> oid;
    QByteArray value;  // the whole value TLV
};

struct FakeRequest {
    int version = 0;
    QByteArray community;
    quint8 pduType = 0;  // 0xa0 GET, 0xa1 GET-NEXT, 0xa3 SET, 0xa5 GETBULK
    int requestId = 0;
    int errorStatus = 0;  // GETBULK (0xa5): non-repeaters
    int errorIndex = 0;   // GETBULK: max-repetitions
    QList<FakeVb> vbs;
};

struct FakeResponse {
    int errorStatus = 0;
    int errorIndex = 0;
    QList<FakeVb> vbs;
    bool drop = false;  // send nothing
};

class FakeUdpAgent {
public:
    using Handler = std::function<FakeResponse(const FakeRequest &)>;
    explicit FakeUdpAgent(Handler handler);
    ~FakeUdpAgent();

    quint16 port() const { return m_port; }
    bool ok() const { return m_fd >= 0; }
    QList<FakeRequest> requests() const;
    int datagrams() const { return m_datagrams.load(); }

    // Value TLVs.
    static QByteArray integer(qint64 v);
    static QByteArray octets(const QByteArray &s);
    static QByteArray null();
    static QByteArray endOfMibView();
    static QList<quint32> oid(const QString &dotted);
    static QString text(const QList<quint32> &oid);
    // Integer or octet-string TLV contents, for checking what a SET carried.
    static qint64 intOf(const QByteArray &tlv);
    static QByteArray octetsOf(const QByteArray &tlv);

private:
    void run();

    Handler m_handler;
    int m_fd = -1;
    quint16 m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_datagrams{0};
    mutable QMutex m_mutex;
    QList<FakeRequest> m_requests;
    std::thread m_thread;
};
