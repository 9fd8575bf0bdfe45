// Notification throughput and latency: a burst of SNMPv2c traps at a steady rate from a sender
// thread (hand-encoded datagrams on loopback) to the device manager's receiver, event log model
// and journal (offscreen). Each trap carries its sequence number; the time from sending it to its
// row appearing in the log's model is measured.
//   bench_traps [count (10000)] [rate per second (1000)]
// Last line: received=N lost=M p99_ms=X
#include "eventcenter.h"
#include "qvsnmpnotify.h"
#include "qvsnmpsession.h"
#include "teventlog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

QByteArray tlv(quint8 tag, const QByteArray &body)
{
    QByteArray out(1, char(tag));
    const int n = int(body.size());
    if (n < 128) {
        out += char(n);
    } else if (n < 256) {
        out += char(0x81);
        out += char(n);
    } else {
        out += char(0x82);
        out += char(n >> 8);
        out += char(n & 0xff);
    }
    return out + body;
}

QByteArray integer(qint64 v, quint8 tag = 0x02)
{
    QByteArray b;
    do {
        b.prepend(char(v & 0xff));
        v >>= 8;
    } while (v != 0 && v != -1);
    if (tag == 0x02 && (quint8(b[0]) & 0x80))
        b.prepend(char(0));
    if (tag != 0x02 && (quint8(b[0]) & 0x80))
        b.prepend(char(0));
    return tlv(tag, b);
}

QByteArray oidBer(const QvOid &o)
{
    QByteArray b;
    b += char(o[0] * 40 + o[1]);
    for (int i = 2; i < o.size(); ++i) {
        quint32 v = o[i];
        QByteArray chunk(1, char(v & 0x7f));
        while (v >>= 7)
            chunk.prepend(char(0x80 | (v & 0x7f)));
        b += chunk;
    }
    return tlv(0x06, b);
}

QByteArray trapDatagram(const QByteArray &community, int seq)
{
    const QByteArray vbs = tlv(0x30, tlv(0x30, oidBer({1, 3, 6, 1, 2, 1, 1, 3, 0}) + integer(seq, 0x43))
                                          + tlv(0x30, oidBer({1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0})
                                                          + oidBer({1, 3, 6, 1, 6, 3, 1, 1, 5, 4}))
                                          + tlv(0x30, oidBer({1, 3, 6, 1, 2, 1, 2, 2, 1, 1, quint32(seq % 48 + 1)})
                                                          + integer(seq % 48 + 1))
                                          + tlv(0x30, oidBer({1, 3, 6, 1, 4, 1, 99999, 1, 0}) + integer(seq)));
    const QByteArray pdu = tlv(0xa7, integer(seq + 1) + integer(0) + integer(0) + vbs);
    return tlv(0x30, integer(1) + tlv(0x04, community) + pdu);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int count = args.size() > 1 ? qMax(1, args[1].toInt()) : 10000;
    const int rate = args.size() > 2 ? qMax(1, args[2].toInt()) : 1000;

    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    if (!work.isValid())
        return 1;
    OpenGlobalSession(work.path());
    SessionParams().Device.Address = QStringLiteral("127.0.0.1");
    SessionParams().Security.Version = SNMP_VERSION_V2C;
    NotifyListenParams() = {QStringLiteral("127.0.0.1"), 0};

    QWidget window;
    TEventCenter center(&window, nullptr, {}, work.filePath(QStringLiteral("eventlog")));
    if (center.Restart() != 0) {
        std::fprintf(stderr, "bench_traps: %s\n", qPrintable(center.Receiver()->ErrorText()));
        return 1;
    }
    const quint16 port = center.Receiver()->Port();

    // Send times by sequence number; latencies of the rows that arrived.
    std::vector<std::atomic<qint64>> sentAt(static_cast<size_t>(count));
    for (auto &s : sentAt)
        s.store(-1);
    std::vector<double> latencies;
    latencies.reserve(size_t(count));
    std::vector<char> seen(static_cast<size_t>(count), 0);
    QElapsedTimer clock;
    clock.start();
    TEventLogModel *model = center.Model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, [&] {
        const QString d = model->Record(0).details;
        const qsizetype eq = d.lastIndexOf(QStringLiteral(" = "));
        const int seq = eq < 0 ? -1 : d.mid(eq + 3).toInt();
        if (seq < 0 || seq >= count || seen[size_t(seq)])
            return;
        seen[size_t(seq)] = 1;
        const qint64 t0 = sentAt[size_t(seq)].load();
        if (t0 >= 0)
            latencies.push_back(double(clock.nsecsElapsed() - t0) / 1e6);
    });

    std::atomic<bool> sending{true};
    std::thread sender([&] {
        const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(port);
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        const QByteArray community = SessionParams().Security.ReadCommunity.toLatin1();
        std::vector<QByteArray> packets;
        packets.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            packets.push_back(trapDatagram(community, i));
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < count; ++i) {
            std::this_thread::sleep_until(start + std::chrono::microseconds(qint64(i) * 1000000 / rate));
            sentAt[size_t(i)].store(clock.nsecsElapsed());
            ::sendto(fd, packets[size_t(i)].constData(), size_t(packets[size_t(i)].size()), 0,
                     reinterpret_cast<const sockaddr *>(&to), sizeof to);
        }
        ::close(fd);
        sending = false;
    });

    // Runs until every row is in or 5 s after the last send.
    QElapsedTimer sinceEnd;
    while (true) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (latencies.size() == size_t(count))
            break;
        if (!sending) {
            if (!sinceEnd.isValid())
                sinceEnd.start();
            else if (sinceEnd.elapsed() > 5000)
                break;
        }
    }
    sender.join();
    const qint64 received = qint64(latencies.size());
    std::sort(latencies.begin(), latencies.end());
    const double p99 = latencies.empty() ? -1 : latencies[std::min(latencies.size() - 1, size_t(double(latencies.size()) * 0.99))];
    const double p50 = latencies.empty() ? -1 : latencies[latencies.size() / 2];
    std::printf("sent=%d rate=%d/s p50_ms=%.2f max_ms=%.2f ignored=%llu journal=%s\n", count, rate, p50,
                latencies.empty() ? -1.0 : latencies.back(), static_cast<unsigned long long>(center.Receiver()->IgnoredCount()),
                qPrintable(model->Journal().FilePath()));
    std::printf("received=%lld lost=%lld p99_ms=%.2f\n", static_cast<long long>(received),
                static_cast<long long>(count - received), p99);
    return 0;
}
