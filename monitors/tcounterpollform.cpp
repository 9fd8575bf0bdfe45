#include "tcounterpollform.h"

#include "qvwaitindicator.h"
#include "thelpviewer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

TCounterPollForm::TCounterPollForm(QWidget *owner, const char *objectName, const char *caption,
                                   const QString &helpKey)
    : QDialog(owner)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QString::fromLatin1(caption));
    InstallHelpKey(this, helpKey);
    m_outer = new QVBoxLayout(this);
    m_outer->setContentsMargins(0, 0, 0, 0);
    m_outer->setSpacing(0);
    m_body = new QHBoxLayout;
    m_body->setContentsMargins(6, 6, 6, 6);
    m_outer->addLayout(m_body, 1);
}

TCounterPollForm::~TCounterPollForm()
{
    TCounterPollForm::Stop();
}

void TCounterPollForm::BeginSidePanel(const QString &timeCaption)
{
    m_side = new QVBoxLayout;
    m_side->addWidget(new QLabel(timeCaption, this));
    m_time = MonitorStaticText(this, "ST_Time", TimeOfDayNow());
    m_side->addWidget(m_time);
    m_side->addWidget(new QLabel(QStringLiteral("Poll  Interval"), this));
    m_interval = MonitorCombo(this, "CB_Interval", PollIntervalItems);
    m_side->addWidget(m_interval);
}

void TCounterPollForm::EndSidePanel(const QList<QPushButton *> &order, const TPollButtons &buttons)
{
    m_body->addLayout(m_side);
    m_side->addSpacing(12);
    for (QPushButton *b : order)
        m_side->addWidget(b);
    m_side->addStretch(1);
    m_status = AddMonitorStatusBar(this, m_outer);
    m_freshness = std::make_unique<TMonitorFreshness>(qobject_cast<QStatusBar *>(m_status->parentWidget()), m_display);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(1000);

    m_binding = new TMonitorBinding(this);
    m_binding->Request().LoadSessionParams();
    m_binding->BindListView(m_hidden, false);
    m_binding->SetReportTarget(m_status);
    m_binding->afterRefresh = [this] { PollDone(); };

    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(m_status);
    m_wait->AddSendControl(buttons.start);
    m_wait->Watch(m_binding);

    connect(m_binding, &QvSNMPRequest2Controls::RefreshEnded, this, &TCounterPollForm::PollFailed);
    connect(m_timer, &QTimer::timeout, this, &TCounterPollForm::Timer1Timer);
    connect(m_interval, &QComboBox::currentIndexChanged, this, &TCounterPollForm::CB_IntervalChange);
    connect(buttons.reset, &QPushButton::clicked, this, [this] { BT_ResetClick(); });
    connect(buttons.start, &QPushButton::clicked, this, &TCounterPollForm::BT_StartClick);
    connect(buttons.stop, &QPushButton::clicked, this, &TCounterPollForm::BT_StopClick);
    connect(buttons.exit, &QPushButton::clicked, this, &QWidget::close);
}

void TCounterPollForm::Stop()
{
    m_stopped = true;
    if (m_timer)
        m_timer->stop();
    if (m_binding) {
        // A poll still out is dropped: its late answer reaches nothing.
        m_binding->afterRefresh = nullptr;
        m_binding->Cancel();
        m_binding->Request().alive = 0;
    }
}

void TCounterPollForm::closeEvent(QCloseEvent *event)
{
    Stop();
    QDialog::closeEvent(event);
}

void TCounterPollForm::Report(const QString &text)
{
    if (m_binding)
        m_binding->Report(text);
}

void TCounterPollForm::Poll()
{
    // One poll at a time: a tick that finds the last one unanswered lets it be.
    if (!ReadyToPoll() || m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        BeforePoll();
        ++m_pollsSent;
        m_freshness->PollSent();
        m_binding->Refresh();
    });
}

void TCounterPollForm::PollFailed(const QvSNMPError &outcome)
{
    if (outcome.code == 0 || m_stopped || PollRefused(outcome))
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] { m_freshness->Failed(m_monitor->ValuesTime()); });
}

void TCounterPollForm::Timer1Timer()
{
    m_time->setText(TimeOfDayNow());
    if (m_monitor->Running())
        Poll();
}

void TCounterPollForm::CB_IntervalChange()
{
    const int ms = IntervalMsOf(m_interval);
    m_timer->setInterval(ms);
    m_monitor->SetIntervalMs(ms);
}

void TCounterPollForm::BT_StartClick() { m_monitor->SetRunning(true); }
void TCounterPollForm::BT_StopClick() { m_monitor->SetRunning(false); }
