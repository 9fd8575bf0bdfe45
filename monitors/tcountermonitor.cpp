#include "tcountermonitor.h"

#include <algorithm>

namespace {

// A counter text read as a 64-bit integer and kept modulo 2^32; false when it is no number.
bool ReadCounter(const QString &text, quint32 *value)
{
    bool ok = false;
    const QString t = text.trimmed();
    qint64 v = t.toLongLong(&ok);
    if (ok) {
        *value = quint32(quint64(v));
        return true;
    }
    // A Counter64 text above the signed range is still a whole number.
    const quint64 u = t.toULongLong(&ok);
    if (ok)
        *value = quint32(u);
    return ok;
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
    for (const QString &name : names)
        specs.append({name, firstPosition++});
    return specs;
}

QString TCounterMonitor::TimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

quint32 TCounterMonitor::RateDivisor() const
{
    // Whole seconds of the interval; shorter intervals count as one second.
    return quint32(std::max(1, m_options.intervalMs / 1000));
}

void TCounterMonitor::PrepareRows(const QTime &now)
{
    const QString t = TimeText(now);
    for (Counter &c : m_counters)
        c.cells = TCounterCells{{}, {}, {}, {}, t};
    m_rowsPresent = true;
}

bool TCounterMonitor::Update(const QStringList &row, QString *error, const QTime &now)
{
    // Read the whole row first, so that a bad cell cannot leave some counters a poll ahead.
    QList<quint32> values(Count());
    for (int i = 0; i < Count(); ++i) {
        const int pos = m_counters[i].spec.position;
        const QString text = pos >= 0 && pos < row.size() ? row[pos] : QString();
        if (!ReadCounter(text, &values[i])) {
            if (error)
                *error = QStringLiteral("'%1' is not a valid integer value").arg(text);
            return false;
        }
    }

    const bool recordOnly = m_options.firstSample == TFirstSample::RecordOnly;
    const bool established = recordOnly ? m_updateCount > 0 : true;
    const bool showDelta = recordOnly ? m_updateCount > 0 : m_firstSampleTaken;
    if (recordOnly && !m_rowsPresent)
        PrepareRows(now);
    const QString nowText = TimeText(now);
    const quint32 divisor = RateDivisor();

    for (int i = 0; i < Count(); ++i) {
        Counter &c = m_counters[i];
        c.previous = c.current;
        c.current = values[i];
        c.delta = c.current - c.previous; // modulo 2^32: one wrap still gives the true increase
        if (!established)
            continue;
        // A previous value of 0 is a counter not read yet, not an increase from zero.
        if (c.delta > c.peak && c.previous != 0) {
            c.peak = c.delta;
            c.cells.peak = QString::number(c.peak);
            c.cells.peakTime = nowText;
        }
        c.cells.value = QString::number(c.current);
        if (showDelta) {
            c.cells.delta = QString::number(c.delta);
            c.cells.rate = QString::number(c.delta / divisor);
        }
    }

    if (established && m_options.history != THistoryValue::None) {
        for (int k = 0; k < m_historyCounters.size(); ++k) {
            const Counter &c = m_counters[m_historyCounters[k]];
            const quint32 v = m_options.history == THistoryValue::Rate ? c.delta / divisor : c.delta;
            QList<THistorySample> &list = m_history[k];
            while (list.size() >= m_options.historyCount)
                list.removeFirst();
            list.append({v, nowText});
        }
    }
    m_firstSampleTaken = true;
    ++m_updateCount;
    return true;
}

void TCounterMonitor::Reset(const QTime &now)
{
    const QString t = TimeText(now);
    const QString zero = QStringLiteral("0");
    for (Counter &c : m_counters) {
        c.current = c.previous = c.delta = c.peak = 0;
        c.cells = m_options.firstSample == TFirstSample::ShowValues ? TCounterCells{zero, zero, zero, zero, t}
                                                                    : TCounterCells{};
    }
    m_rowsPresent = m_options.firstSample == TFirstSample::ShowValues;
    m_firstSampleTaken = false;
    m_updateCount = 0;
    m_running = true;
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
