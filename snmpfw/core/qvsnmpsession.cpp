// The global session state and its event pump.
#include "qvsnmpsession.h"

#include "qvbootcounter.h"
#include "qvsnmpadapter.h"
#include "qvsnmperrors.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>

namespace {

const char kLocalEngineId[] = "QvSNMP_PP_Application";

struct GlobalSession {
    QvSNMPSessionParams params;
    bool open = false;
    quint32 boots = 0;
    void (*repaint)() = nullptr;
};

GlobalSession &G()
{
    static GlobalSession g;
    return g;
}

void socketsChanged()
{
    // The pump picks new sockets up at its next round; a send made outside a round would
    // otherwise wait up to one tick for its answer.
    if (SnmpEventProcessor *p = G().params.EventProcessor) {
        p->SyncNotifiers();
        QMetaObject::invokeMethod(p, [p] { p->ProcessPendingEvents(); }, Qt::QueuedConnection);
    }
}

// While a blocking request waits, what the program changed in its windows is painted: only
// the paint requests are served, so no input, timer, socket or other posted event runs inside
// the request. A wait that lasts has its windows repainted whole now and then as well.
void repaintWhileBlocked()
{
    // The engine calls every 20 ms while it waits: a longer gap means a new wait.
    static QElapsedTimer sinceCall, sinceRepaint;
    if (!sinceCall.isValid() || sinceCall.elapsed() > 100)
        sinceRepaint.start();
    sinceCall.start();
    if (G().repaint && sinceRepaint.elapsed() >= 250) {
        G().repaint();
        sinceRepaint.start();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

} // namespace

QvSNMPSessionParams &SessionParams() { return G().params; }
bool GlobalSessionOpen() { return G().open; }
void SetBlockingRepaintHook(void (*hook)()) { G().repaint = hook; }
quint32 GlobalEngineBoots() { return G().boots; }

void OpenGlobalSession(const QString &directory)
{
    if (G().open)
        return;
    if (!QvSNMPAdapter::Init())
        QvThrow(QVE_CREATE_SESSION);
    const quint32 boots = LoadAndBumpBoots(directory);
    if (!QvSNMPAdapter::SetLocalEngine(QByteArray(kLocalEngineId), boots))
        QvThrow(QVE_CREATE_SESSION);
    QvSNMPSessionParams &p = G().params;
    SnmpEventProcessor *pump = p.EventProcessor;
    p = QvSNMPSessionParams();
    p.EventProcessor = pump ? pump : new SnmpEventProcessor(QCoreApplication::instance());
    QvSNMPAdapter::SetSocketsChangedHook(socketsChanged);
    QvSNMPAdapter::SetBlockingWaitHook(repaintWhileBlocked);
    G().boots = boots;
    G().open = true;
    p.EventProcessor->Start();
}

struct SnmpEventProcessor::Notifiers {
    QHash<int, QSocketNotifier *> bySocket;
};

SnmpEventProcessor::SnmpEventProcessor(QObject *parent)
    : QObject(parent), m_timer(new QTimer(this)), m_notifiers(new Notifiers)
{
    m_timer->setInterval(Interval());
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { ProcessPendingEvents(); });
}

SnmpEventProcessor::~SnmpEventProcessor()
{
    if (G().params.EventProcessor == this)
        G().params.EventProcessor = nullptr;
    delete m_notifiers;
}

void SnmpEventProcessor::Start() { m_timer->start(); }
void SnmpEventProcessor::Stop() { m_timer->stop(); }
bool SnmpEventProcessor::IsActive() const { return m_timer->isActive(); }

bool SnmpEventProcessor::ProcessPendingEvents()
{
    if (m_running)
        return false;
    m_running = true;
    const bool wasActive = m_timer->isActive();
    m_timer->stop();
    try {
        QvSNMPAdapter::ProcessEvents();
    } catch (...) {
        // Callbacks catch their own failures; nothing may reach the event loop.
    }
    ++m_rounds;
    m_running = false;
    if (wasActive)
        m_timer->start();
    SyncNotifiers();
    return true;
}

void SnmpEventProcessor::SyncNotifiers()
{
    const QList<int> socks = QvSNMPAdapter::Sockets();
    for (auto it = m_notifiers->bySocket.begin(); it != m_notifiers->bySocket.end();) {
        if (!socks.contains(it.key())) {
            it.value()->setEnabled(false);
            it.value()->deleteLater();
            it = m_notifiers->bySocket.erase(it);
        } else {
            ++it;
        }
    }
    for (int s : socks) {
        if (m_notifiers->bySocket.contains(s))
            continue;
        auto *n = new QSocketNotifier(s, QSocketNotifier::Read, this);
        connect(n, &QSocketNotifier::activated, this, [this] { ProcessPendingEvents(); });
        m_notifiers->bySocket.insert(s, n);
    }
}

void SNMPProcessPendingEvents()
{
    if (SnmpEventProcessor *p = G().params.EventProcessor)
        p->ProcessPendingEvents();
    else
        QvSNMPAdapter::ProcessEvents();
}
