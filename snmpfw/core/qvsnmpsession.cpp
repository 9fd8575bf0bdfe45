// The global session state and its event pump.
#include "qvsnmpsession.h"

#include "qvbootcounter.h"
#include "qvsnmpadapter.h"
#include "qvsnmperrors.h"

#include <QCoreApplication>
#include <QHash>
#include <QSocketNotifier>
#include <QTimer>

namespace {

const char kLocalEngineId[] = "QvSNMP_PP_Application";

struct GlobalSession {
    QvSNMPSessionParams params;
    bool open = false;
    quint32 boots = 0;
};

GlobalSession &G()
{
    static GlobalSession g;
    return g;
}

// A session opened or a request left: follow the sockets and arm the time-out timer. Queued,
// so that the pump never runs inside the call that sent.
void engineActivity()
{
    if (SnmpEventProcessor *p = G().params.EventProcessor) {
        p->SyncNotifiers();
        QMetaObject::invokeMethod(p, [p] { p->Arm(); }, Qt::QueuedConnection);
    }
}

} // namespace

QvSNMPSessionParams &SessionParams() { return G().params; }
bool GlobalSessionOpen() { return G().open; }
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
    QvSNMPAdapter::SetActivityHook(engineActivity);
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
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, [this] { ProcessPendingEvents(); });
}

SnmpEventProcessor::~SnmpEventProcessor()
{
    if (G().params.EventProcessor == this)
        G().params.EventProcessor = nullptr;
    delete m_notifiers;
}

void SnmpEventProcessor::Start()
{
    m_started = true;
    SyncNotifiers();
    Arm();
}

void SnmpEventProcessor::Stop()
{
    m_started = false;
    m_timer->stop();
}

bool SnmpEventProcessor::IsActive() const { return m_started; }

bool SnmpEventProcessor::TimerArmed() const { return m_timer->isActive(); }

void SnmpEventProcessor::Arm()
{
    if (!m_started || m_running)
        return;
    const int ms = QvSNMPAdapter::NextTimeoutMs();
    if (ms < 0)
        m_timer->stop();
    else
        m_timer->start(ms);
}

bool SnmpEventProcessor::ProcessPendingEvents()
{
    if (m_running)
        return false;
    m_running = true;
    m_timer->stop();
    try {
        QvSNMPAdapter::ProcessEvents();
    } catch (...) {
        // Callbacks catch their own failures; nothing may reach the event loop.
    }
    ++m_rounds;
    m_running = false;
    SyncNotifiers();
    Arm();
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
