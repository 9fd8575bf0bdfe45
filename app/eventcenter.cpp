// Notifications in the main window.
#include "eventcenter.h"

#include "qvsnmpnotify.h"
#include "teventlog.h"
#include "teventlogform.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTime>

TEventCenter::TEventCenter(QWidget *window, QStatusBar *bar, Hooks hooks, const QString &folder)
    : QObject(window), m_window(window), m_hooks(std::move(hooks)),
      m_receiver(new QvSNMPNotificationReceiver(this)), m_model(new TEventLogModel(folder, this)),
      m_count(new QLabel(bar))
{
    m_count->setObjectName(QStringLiteral("EventCountPanel"));
    m_count->setTextFormat(Qt::PlainText);
    m_count->setCursor(Qt::PointingHandCursor);
    m_count->installEventFilter(this);
    if (bar)
        bar->addPermanentWidget(m_count);
    connect(m_receiver, &QvSNMPNotificationReceiver::Received, this, [this](const QvSNMPNotification &n) {
        try {
            Received(n);
        } catch (...) {
        }
    });
    connect(m_receiver, &QvSNMPNotificationReceiver::IgnoredChanged, this, [this] { UpdateCount(); });
    connect(m_model, &TEventLogModel::UnacknowledgedChanged, this, [this] { UpdateCount(); });
    UpdateCount();
}

TEventCenter::~TEventCenter() = default;

int TEventCenter::Restart()
{
    m_receiver->SetSender(QvSNMPNotificationReceiver::SessionSender());
    const QvNotifyListenParams &p = NotifyListenParams();
    const int st = m_receiver->Start(p.Address, p.Port);
    if (m_hooks.notice) {
        // A failure stays shown until a later start succeeds; that start replaces it.
        if (st != 0)
            m_hooks.notice(m_receiver->ErrorText(), true);
        else if (m_listenFailed)
            m_hooks.notice(QStringLiteral("Notifications are received on UDP %1 (%2).")
                               .arg(m_receiver->Port())
                               .arg(p.Address),
                           false);
    }
    m_listenFailed = st != 0;
    UpdateCount();
    return st;
}

TEventLogForm *TEventCenter::ShowLog()
{
    m_form = TEventLogForm::ShowFor(m_model, m_window);
    m_form->SetIgnoredText(m_receiver->IgnoredText());
    return m_form;
}

void TEventCenter::Received(const QvSNMPNotification &n)
{
    // Into the journal and the log first; then the panel reacts.
    m_model->AddNotification(n);
    static const QvOid generic{1, 3, 6, 1, 6, 3, 1, 1, 5};
    if (n.trapOid.size() != generic.size() + 1 || n.trapOid.mid(0, generic.size()) != generic)
        return;
    const quint32 which = n.trapOid.last();
    if ((which == 3 || which == 4) && m_hooks.pollPorts)
        m_hooks.pollPorts();
    if ((which == 1 || which == 2) && m_hooks.notice)
        m_hooks.notice(QStringLiteral("The switch restarted (%1 at %2)")
                           .arg(which == 1 ? QStringLiteral("coldStart") : QStringLiteral("warmStart"),
                                QTime::currentTime().toString(QStringLiteral("HH:mm:ss"))),
                       false);
}

void TEventCenter::UpdateCount()
{
    const int n = m_model->UnacknowledgedCount();
    QString text = n == 0 ? QString() : n == 1 ? QStringLiteral("1 new notification")
                                                : QStringLiteral("%1 new notifications").arg(n);
    QString tip = QStringLiteral("Event Log: %1 unacknowledged").arg(n);
    const QString ignored = m_receiver->IgnoredText();
    if (!ignored.isEmpty())
        tip += QStringLiteral("\n") + ignored;
    if (m_receiver->IsListening())
        tip += QStringLiteral("\nListening on UDP %1 (%2)").arg(m_receiver->Port()).arg(NotifyListenParams().Address);
    else if (!m_receiver->ErrorText().isEmpty())
        tip += QStringLiteral("\n") + m_receiver->ErrorText();
    m_count->setText(text);
    m_count->setToolTip(tip + QStringLiteral("\nClick to open the Event Log"));
    m_count->setVisible(!text.isEmpty());
    if (m_form)
        m_form->SetIgnoredText(ignored);
}

bool TEventCenter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_count && event->type() == QEvent::MouseButtonRelease) {
        try {
            ShowLog();
        } catch (...) {
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
