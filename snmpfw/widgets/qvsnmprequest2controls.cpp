#include "qvsnmprequest2controls.h"

#include "qvsnmperrors.h"
#include "qvsnmpexception.h"

#include "qvmessage.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTextEdit>

namespace {

QvSNMPError ErrorOf(int code, const QString &text)
{
    QvSNMPError e;
    e.code = code;
    e.text = text;
    e.finished = 1;
    return e;
}

}  // namespace

QvSNMPRequest2Controls::QvSNMPRequest2Controls(QWidget *ownerForm) : QObject(ownerForm), m_owner(ownerForm) {}

QvSNMPRequest2Controls::~QvSNMPRequest2Controls()
{
    m_dying = true;
    m_request.alive = 0;
}

void QvSNMPRequest2Controls::Cancel()
{
    const bool was = m_busy;
    m_thenApplied = nullptr;
    m_request.Cancel();
    m_walking = false;
    SetBusy(false);
    if (was && !m_dying)
        emit Cancelled();
}

void QvSNMPRequest2Controls::ThenApplied(std::function<void(const QvSNMPError &)> step)
{
    m_thenApplied = std::move(step);
}

int QvSNMPRequest2Controls::WaitLimitMs() const
{
    return qMax(m_request.timeout, 1) * 10 * (qMax(m_request.retries, 0) + 1);
}

void QvSNMPRequest2Controls::SetBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    if (m_async && !m_dying)
        emit BusyChanged(busy);
}

bool QvSNMPRequest2Controls::IsTable() const
{
    return Vars().itemType == MVT_FMV || Vars().itemType == MVT_UMV;
}

void QvSNMPRequest2Controls::SetReportTarget(QWidget *target)
{
    // A widget that cannot show a line is no target: failures then still reach a message box.
    const bool shows = qobject_cast<QPlainTextEdit *>(target) || qobject_cast<QTextEdit *>(target) ||
                       qobject_cast<QStatusBar *>(target) || qobject_cast<QLabel *>(target);
    m_reportTarget = shows ? target : nullptr;
}

void QvSNMPRequest2Controls::Report(const QString &text)
{
    QWidget *target = m_reportTarget.data();
    if (!target)
        return;
    const QString line = RequestLogLine(m_lastOperation == 1, text, Vars().title);
    if (auto *memo = qobject_cast<QPlainTextEdit *>(target)) {
        // The newest line is the one to read, also once a long line has brought in the
        // horizontal scroll bar, which the memo lays out later (it then no longer counts as
        // scrolled to its end).
        memo->appendPlainText(line);
        const auto toEnd = [memo] { memo->verticalScrollBar()->setValue(memo->verticalScrollBar()->maximum()); };
        toEnd();
        QMetaObject::invokeMethod(memo, toEnd, Qt::QueuedConnection);
    }
    else if (auto *rich = qobject_cast<QTextEdit *>(target))
        rich->append(line.toHtmlEscaped());
    else if (auto *bar = qobject_cast<QStatusBar *>(target))
        bar->showMessage(line);
    else if (auto *panel = qobject_cast<QLabel *>(target))
        panel->setText(line);
}

void QvSNMPRequest2Controls::ReportOk()
{
    if (m_reportTarget)
        Report(QvErrorText(0));
}

void QvSNMPRequest2Controls::ReportFailure(const QvSNMPError &result)
{
    if (m_reportTarget)
        Report(result.text);
    else
        QvShowMessage(m_owner, result.text);
}

void QvSNMPRequest2Controls::RefreshFailed(const QvSNMPError &result)
{
    ReportFailure(result);
}

void QvSNMPRequest2Controls::ApplyFailed(const QvSNMPError &result)
{
    ReportFailure(result);
}

bool QvSNMPRequest2Controls::AcceptRow()
{
    if (!m_request.MatchesFilterText(QString()) || !m_request.MatchesRowFilter())
        return false;
    RowReceived();
    ++m_rowCount;
    return true;
}

void QvSNMPRequest2Controls::Refresh()
{
    // A second walk over the same list would share its cursors with the first.
    if (m_walking)
        return;
    m_lastOperation = 0;
    BeforeRefresh();
    m_rowCount = 0;
    if (!m_request.alive)
        return;
    m_busy = true;
    m_walking = IsTable();
    if (!m_async) {
        try {
            if (IsTable()) {
                for (bool first = true; m_request.Read(first); first = false)
                    AcceptRow();
            } else {
                m_request.Read(true);
                AcceptRow();
            }
            AfterRefresh();
        } catch (...) {
            m_busy = m_walking = false;
            throw;
        }
        m_busy = m_walking = false;
        ReportOk();
        return;
    }
    try {
        m_request.ReadAsync(&QvSNMPRequest2Controls::ReadDone, this, true);
    } catch (...) {
        m_busy = m_walking = false;
        throw;
    }
    emit BusyChanged(true);
}

void QvSNMPRequest2Controls::ReadDone(void *data, QvSNMPError *result, QvSNMPVarList *)
{
    auto *self = static_cast<QvSNMPRequest2Controls *>(data);
    if (!self || self->m_dying || !result)
        return;
    try {
        self->OnReadDone(*result);
    } catch (const QvSNMPException &e) {
        self->FailRefresh(ErrorOf(e.code(), e.text()));
    } catch (const std::exception &e) {
        self->FailRefresh(ErrorOf(QVE_UNKNOWN, QString::fromLatin1(e.what())));
    }
}

void QvSNMPRequest2Controls::OnReadDone(const QvSNMPError &result)
{
    if (result.code != 0) {
        FailRefresh(result);
        return;
    }
    const bool table = IsTable();
    // A table step that read a row says so by not being finished; a scalar read always
    // finishes with its one value set.
    if (!table || !result.finished)
        AcceptRow();
    if (table && !result.finished && m_request.alive) {
        if (m_async)
            emit Progress(m_rowCount);
        m_request.ReadAsync(&QvSNMPRequest2Controls::ReadDone, this, false);
        return;
    }
    FinishRefresh();
}

void QvSNMPRequest2Controls::FinishRefresh()
{
    m_walking = false;
    SetBusy(false);
    AfterRefresh();
    m_lastOperation = 0;
    ReportOk();
    emit RefreshEnded(ErrorOf(0, QvErrorText(0)));
}

void QvSNMPRequest2Controls::FailRefresh(const QvSNMPError &result)
{
    m_walking = false;
    SetBusy(false);
    try {
        RefreshFailed(result);
    } catch (const QvSNMPException &e) {
        Report(e.text());
    } catch (const std::exception &) {
    }
    if (!m_dying)
        emit RefreshEnded(result);
}

void QvSNMPRequest2Controls::Apply(bool refreshAfterApply, bool collectFirst)
{
    m_lastOperation = 1;
    m_refreshAfterApply = refreshAfterApply;
    // A step waits for this apply only if it leaves.
    auto then = std::move(m_thenApplied);
    m_thenApplied = nullptr;
    BeforeApply();
    if (collectFirst)
        CollectValues();
    if (!m_request.alive)
        return;
    m_busy = true;
    if (!m_async) {
        try {
            m_request.Write(false);
            AfterApply();
        } catch (...) {
            m_busy = false;
            throw;
        }
        m_busy = false;
        ReportOk();
        if (IsTable() && m_refreshAfterApply)
            Refresh();
        return;
    }
    try {
        m_request.WriteAsync(&QvSNMPRequest2Controls::WriteDone, this, false);
    } catch (...) {
        m_busy = false;
        throw;
    }
    m_thenApplied = std::move(then);
    emit BusyChanged(true);
}

void QvSNMPRequest2Controls::WriteDone(void *data, QvSNMPError *result, QvSNMPVarList *)
{
    auto *self = static_cast<QvSNMPRequest2Controls *>(data);
    if (!self || self->m_dying || !result)
        return;
    try {
        self->OnWriteDone(*result);
    } catch (const QvSNMPException &e) {
        self->FailApply(ErrorOf(e.code(), e.text()));
    } catch (const std::exception &e) {
        self->FailApply(ErrorOf(QVE_UNKNOWN, QString::fromLatin1(e.what())));
    }
}

void QvSNMPRequest2Controls::OnWriteDone(const QvSNMPError &result)
{
    if (result.code != 0) {
        FailApply(result);
        return;
    }
    FinishApply();
}

void QvSNMPRequest2Controls::FinishApply()
{
    SetBusy(false);
    AfterApply();
    m_lastOperation = 1;
    ReportOk();
    const QvSNMPError ok = ErrorOf(0, QvErrorText(0));
    if (auto then = std::exchange(m_thenApplied, nullptr))
        then(ok);
    if (m_dying)
        return;
    emit ApplyEnded(ok);
    if (IsTable() && m_refreshAfterApply && !m_dying) {
        try {
            Refresh();
        } catch (const QvSNMPException &e) {
            FailRefresh(ErrorOf(e.code(), e.text()));
        }
    }
}

void QvSNMPRequest2Controls::FailApply(const QvSNMPError &result)
{
    SetBusy(false);
    try {
        ApplyFailed(result);
    } catch (const QvSNMPException &e) {
        Report(e.text());
    } catch (const std::exception &) {
    }
    if (auto then = std::exchange(m_thenApplied, nullptr); then && !m_dying)
        then(result);
    if (!m_dying)
        emit ApplyEnded(result);
}
