#include "devicewatch.h"

#include "devicecommands.h"
#include "mibtables.h"
#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"

#include <QTimer>

TDeviceWatch::TDeviceWatch(Kind kind, Notify notify, QObject *parent)
    : QObject(parent), m_kind(kind), m_notify(std::move(notify)), m_timer(new QTimer(this))
{
    m_request.LoadSessionParams();
    m_request.vars.itemType = SVT_SV;
    if (kind == SaveStatus)
        m_request.vars.AddVar(QLatin1String(ConfigSaveStatusObject.oid), QLatin1String(ConfigSaveStatusObject.name),
                              ConfigSaveStatusObject.syntax, ACC_READONLY);
    else
        m_request.vars.AddVar(QLatin1String(SysUpTimeObject.oid), QStringLiteral("sysUpTime"), SysUpTimeObject.syntax,
                              ACC_READONLY);
    m_timer->setSingleShot(true);
    m_timer->setInterval(IntervalMs);
    connect(m_timer, &QTimer::timeout, this, &TDeviceWatch::Poll);
    m_age.start();
    m_timer->start();
}

TDeviceWatch::~TDeviceWatch()
{
    // The request cancels its outstanding send when it goes; nothing may reach us meanwhile.
    m_dying = true;
    m_request.alive = 0;
}

void TDeviceWatch::Poll()
{
    if (m_finished || m_dying)
        return;
    try {
        m_request.ReadAsync(&TDeviceWatch::Completed, this, true);
    } catch (const QvSNMPException &e) {
        QvSNMPError failed;
        failed.code = e.code() ? e.code() : -1;
        failed.text = e.text();
        Answered(failed);
    } catch (const std::exception &) {
        Finish(QString());
    }
}

void TDeviceWatch::Completed(void *data, QvSNMPError *outcome, QvSNMPVarList *)
{
    auto *self = static_cast<TDeviceWatch *>(data);
    if (!self || self->m_dying || !outcome)
        return;
    try {
        self->Answered(*outcome);
    } catch (...) {
        // Nothing may leave a completion.
    }
}

void TDeviceWatch::Answered(const QvSNMPError &outcome)
{
    if (m_finished)
        return;
    const bool expired = m_age.elapsed() > LimitMs;
    if (m_kind == SaveStatus) {
        if (outcome.code != 0) {
            Finish(QStringLiteral("Save Configure: the save status could not be read: ") + outcome.text);
            return;
        }
        bool ok = false;
        const int status = m_request.vars.Item(0).valueText.toInt(&ok);
        if (ok && status != m_lastStatus && status != 2) {
            Finish(SaveStatusNotice(status));
            return;
        }
        if (ok && status != m_lastStatus)
            m_notify(SaveStatusNotice(status), false);
        m_lastStatus = status;
        if (expired) {
            Finish(QStringLiteral("Save Configure: the switch still reports proceeding."));
            return;
        }
    } else {
        // Back: it answers after a silence, or its uptime began after the command.
        if (outcome.code != 0) {
            m_silenceSeen = true;
        } else if (m_silenceSeen
                   || qint64(QvReadTimeTicks(m_request.vars.Item(0).valueText)) * 10 <= m_age.elapsed() + 2000) {
            Finish(QStringLiteral("Reboot: the switch answers again."));
            return;
        }
        if (expired) {
            Finish(m_silenceSeen ? QStringLiteral("Reboot: the switch has not answered since the reboot.")
                                 : QStringLiteral("Reboot: the switch kept answering; it may not have rebooted."));
            return;
        }
    }
    m_timer->start();
}

void TDeviceWatch::Finish(const QString &text)
{
    m_finished = true;
    m_timer->stop();
    if (!text.isEmpty())
        m_notify(text, true);
    emit Ended();
}
