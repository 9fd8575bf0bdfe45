#include "tcountermonitor.h"

#include "qvsnmpconvert.h"

#include <algorithm>
#include <cmath>

namespace {

// A counter text read as an unsigned integer, kept modulo 2^32 unless wide; false when it is no
// number (the framework's strict reader: "12ab" is no number).
bool ReadCounter(const QString &text, bool wide, quint64 *value)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    for (QChar ch : t)
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9'))
            return false;
    bool ok = false;
    const quint64 v = t.toULongLong(&ok);
    if (ok)
        *value = wide ? v : quint64(quint32(v));
    return ok;
}

// ms since midnight, continued across one midnight after `from`.
qint64 MsBetween(const QTime &from, const QTime &to)
{
    qint64 ms = from.msecsTo(to);
    if (ms < 0)
        ms += 24LL * 3600 * 1000;
    return ms;
}

} // namespace

TCounterMonitor::TCounterMonitor(const QList<TCounterSpec> &counters, const TCounterMonitorOptions &options)
    : m_options(options)
{
    for (const TCounterSpec &spec : counters) {
        Counter c;
        c.spec = spec;
        m_counters.append(c);
    }
    if (m_options.history != THistoryValue::None) {
        if (m_options.historyCounters.isEmpty()) {
            for (int i = 0; i < Count(); ++i)
                m_historyCounters << i;
        } else {
            for (int c : m_options.historyCounters)
                if (c >= 0 && c < Count())
                    m_historyCounters << c;
        }
    }
    m_options.historyCount = std::max(1, m_options.historyCount);
    RebuildHistory();
}

QList<TCounterSpec> TCounterMonitor::Sequence(const QStringList &names, int firstPosition)
{
    QList<TCounterSpec> specs;
    for (const QString &name : names) {
        TCounterSpec spec{name, firstPosition++};
        // "InOctets" counts octets; "64Octets", "65to127Octets" count packets of those sizes.
        spec.octets = name.contains(QLatin1String("Octets"), Qt::CaseInsensitive) && !name.isEmpty() &&
                      !name[0].isDigit();
        spec.maxRate = spec.octets ? MaxOctetRate : MaxPacketRate;
        specs.append(spec);
    }
    return specs;
}

QString TCounterMonitor::TimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString TCounterMonitor::RateText(double rate)
{
    if (rate < 0)
        return QString();
    if (rate >= 100 || std::abs(rate - std::round(rate)) < 0.05)
        return QString::number(qint64(std::llround(rate)));
    return QString::number(rate, 'f', 1);
}

QString TCounterMonitor::BitRateText(double bps)
{
    if (bps >= 1e9)
        return QString::number(bps / 1e9, 'f', 2) + QStringLiteral(" Gbit/s");
    if (bps >= 1e6)
        return QString::number(bps / 1e6, 'f', 2) + QStringLiteral(" Mbit/s");
    if (bps >= 1e3)
        return QString::number(bps / 1e3, 'f', 2) + QStringLiteral(" kbit/s");
    return QString::number(qint64(std::llround(bps))) + QStringLiteral(" bit/s");
}

QString TCounterMonitor::RateCell(const Counter &c) const
{
    QString text = RateText(c.rate);
    if (c.rate < 0 || !c.spec.octets)
        return text;
    const double bps = c.rate * 8;
    text += QStringLiteral(" (") + BitRateText(bps);
    if (m_options.speedBps > 0)
        text += QStringLiteral(", ") + QString::number(100.0 * bps / double(m_options.speedBps), 'f', 1) +
                QStringLiteral(" %");
    return text + QLatin1Char(')');
}

void TCounterMonitor::PrepareRows(const QTime &now)
{
    const QString t = TimeText(now);
    for (Counter &c : m_counters)
        c.cells = TCounterCells{{}, {}, {}, {}, t};
    m_rowsPresent = true;
}

bool TCounterMonitor::Update(const QStringList &row, QString *error, const QTime &now, qint64 monotonicMs)
{
    // Read the whole row first, so that a bad cell cannot leave some counters a poll ahead.
    QList<quint64> values(Count());
    for (int i = 0; i < Count(); ++i) {
        const int pos = m_counters[i].spec.position;
        const QString text = pos >= 0 && pos < row.size() ? row[pos] : QString();
        if (!ReadCounter(text, m_counters[i].spec.wide, &values[i])) {
            if (error)
                *error = QStringLiteral("'%1' is not a valid integer value").arg(text);
            return false;
        }
    }
    qint64 upTime = -1;
    if (m_options.upTimePosition >= 0) {
        quint32 ticks = 0;
        const int pos = m_options.upTimePosition;
        if (pos < row.size() && QvParseTimeTicks(row[pos], &ticks))
            upTime = ticks;
    }

    const bool recordOnly = m_options.firstSample == TFirstSample::RecordOnly;
    const bool havePrevious = m_lastTime.isValid();
    const bool established = recordOnly ? m_updateCount > 0 : true;
    const bool showDelta = recordOnly ? m_updateCount > 0 : m_firstSampleTaken;
    if (recordOnly && !m_rowsPresent)
        PrepareRows(now);
    const QString nowText = TimeText(now);

    // The time that passed: the switch's own clock when it advanced as the local one did.
    qint64 localMs = -1;
    if (havePrevious)
        localMs = m_lastMonotonic >= 0 && monotonicMs >= m_lastMonotonic ? monotonicMs - m_lastMonotonic
                                                                         : MsBetween(m_lastTime, now);
    bool restarted = false;
    bool upTimeNormal = false;
    m_elapsedMs = localMs;
    m_elapsedFromUpTime = false;
    if (havePrevious && upTime >= 0 && m_lastUpTime >= 0) {
        const qint64 upMs = (upTime - m_lastUpTime) * 10;
        // Back, or far behind the local clock (restarted while not watched).
        restarted = upMs < 0 || upMs < localMs / 2 - 2000;
        upTimeNormal = !restarted;
        if (upTimeNormal) {
            m_elapsedMs = upMs;
            m_elapsedFromUpTime = true;
        }
    }
    bool cleared = false;
    if (havePrevious && !restarted) {
        // A counter that fell further than a wrap at its top rate could explain.
        const double seconds = std::max<qint64>(m_elapsedMs, 0) / 1000.0;
        for (int i = 0; i < Count(); ++i) {
            const Counter &c = m_counters[i];
            if (values[i] >= c.current)
                continue;
            if (c.spec.wide) {
                cleared = true;
                break;
            }
            const double wrapped = double((quint64(1) << 32) - c.current + values[i]);
            if (wrapped > c.spec.maxRate * std::max(seconds, 0.001)) {
                cleared = true;
                break;
            }
        }
    }
    const bool anew = restarted || cleared;
    if (anew) {
        ++m_restarts;
        QTime at = now;
        if (upTime >= 0)
            at = now.addMSecs(-qint64(upTime) * 10);
        m_notice = upTimeNormal ? QStringLiteral("The counters started again at %1 (the switch kept running)").arg(nowText)
                                : QStringLiteral("The switch restarted at %1").arg(TimeText(at));
    }

    const bool haveRate = havePrevious && !anew && m_elapsedMs > 0;
    const double seconds = m_elapsedMs / 1000.0;
    for (int i = 0; i < Count(); ++i) {
        Counter &c = m_counters[i];
        c.previous = anew ? values[i] : c.current;
        c.current = values[i];
        // Modulo the counter's width: one wrap still gives the true increase.
        c.delta = c.spec.wide ? c.current - c.previous : quint64(quint32(c.current - c.previous));
        c.rate = haveRate ? double(c.delta) / seconds : -1;
        if (!established)
            continue;
        if (c.rate >= 0 && c.rate > c.peak) {
            c.peak = c.rate;
            c.cells.peak = RateText(c.peak);
            c.cells.peakTime = nowText;
        }
        c.cells.value = QString::number(c.current);
        if (showDelta) {
            c.cells.delta = anew ? QString() : QString::number(c.delta);
            c.cells.rate = RateCell(c);
        }
    }

    if (established && !anew && m_options.history != THistoryValue::None) {
        for (int k = 0; k < m_historyCounters.size(); ++k) {
            const Counter &c = m_counters[m_historyCounters[k]];
            const double v = m_options.history == THistoryValue::Rate ? std::max(c.rate, 0.0) : double(c.delta);
            QList<THistorySample> &list = m_history[k];
            while (list.size() >= m_options.historyCount)
                list.removeFirst();
            list.append({v, nowText});
        }
    }
    m_lastTime = now;
    m_lastMonotonic = monotonicMs;
    m_lastUpTime = upTime;
    m_valuesTime = nowText;
    m_firstSampleTaken = true;
    ++m_updateCount;
    return true;
}

void TCounterMonitor::Reset(const QTime &now)
{
    const QString t = TimeText(now);
    const QString zero = QStringLiteral("0");
    for (Counter &c : m_counters) {
        c.current = c.previous = c.delta = 0;
        c.peak = 0;
        c.rate = -1;
        c.cells = m_options.firstSample == TFirstSample::ShowValues ? TCounterCells{zero, zero, zero, zero, t}
                                                                    : TCounterCells{};
    }
    m_rowsPresent = m_options.firstSample == TFirstSample::ShowValues;
    m_firstSampleTaken = false;
    m_updateCount = 0;
    m_running = true;
    m_lastTime = QTime();
    m_lastMonotonic = m_lastUpTime = m_elapsedMs = -1;
    m_valuesTime.clear();
    m_notice.clear();
    RebuildHistory();
}

void TCounterMonitor::SetHistoryCount(int h)
{
    m_options.historyCount = std::max(1, h);
    RebuildHistory();
}

void TCounterMonitor::RebuildHistory()
{
    m_history.clear();
    for (int k = 0; k < m_historyCounters.size(); ++k) {
        QList<THistorySample> list;
        if (m_options.historyPrefilled)
            list.fill(THistorySample{}, m_options.historyCount);
        m_history.append(list);
    }
}
