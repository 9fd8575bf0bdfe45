// The counter monitor shared by the counter windows, the RMON statistics and the bridge port
// counters: a fixed list of counters (32 or 64 bits) read from one polled row, with per counter
// the current and previous value, the delta modulo the counter's width, the rate per second of
// the time that really passed between the two readings, the peak rate with its time of day, the
// texts of the display row and an optional history of recent samples.
// The time between readings is the switch's sysUpTime when the row carries it, else the local
// monotonic clock given with each update. A reading that the switch's restart explains (uptime
// went back, or a counter fell further than any wrap could in the time that passed) starts the
// counting again from itself instead of being taken for a wrap.
// It knows nothing of widgets or timers: a window feeds it rows and copies its cell texts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>


// How the first update after creation or Reset is treated.
enum class TFirstSample {
    // IP, ICMP, UDP, SNMP windows: display rows exist from the start (Reset writes "0" into
    // them); every update shows the values and may set a peak; Delta and Rate appear once the
    // first-sample-taken flag is set, i.e. from the update after the first one.
    ShowValues,
    // IF, bridge port and RMON statistics windows: Reset removes the display rows; the first
    // update after it only records the values and creates the rows with empty cells; values,
    // deltas, rates, peaks and history samples start with the second update.
    RecordOnly,
};

// What the history lists hold.
enum class THistoryValue { None, Delta, Rate };

struct TCounterMonitorOptions {
    TFirstSample firstSample = TFirstSample::ShowValues;
    THistoryValue history = THistoryValue::None;
    // Counters that keep a history, in history order; empty means every counter.
    QList<int> historyCounters;
    // A rebuilt history holds H samples of (0, "") instead of none.
    bool historyPrefilled = false;
    // H: samples kept per history list.
    int historyCount = 10;
    // Poll interval in milliseconds (the windows' timer; rates use the time that passed).
    int intervalMs = 1000;
    // Position of sysUpTime (TimeTicks text) in the polled row; -1 when the row has none.
    int upTimePosition = -1;
    // Line speed in bits per second for the octet counters' utilisation; 0 when unknown.
    quint64 speedBps = 0;
};

// Plausible top rates per second: octets of a 10 Gbit/s link, packets of one at minimum size.
constexpr double MaxOctetRate = 1.25e9;
constexpr double MaxPacketRate = 1.5e7;

struct TCounterSpec {
    QString name;      // display name, the row caption
    int position = 0;  // index of the value in the polled row (0 = the row caption)
    bool wide = false; // a Counter64
    bool octets = false; // counts octets: its rate is also shown as bits per second
    // Above this rate a fall of the counter cannot be a wrap.
    double maxRate = MaxPacketRate;
};

// The five texts of a display row after its name.
struct TCounterCells {
    QString value, delta, rate, peak, peakTime;
    bool operator==(const TCounterCells &) const = default;
};

struct THistorySample {
    double value = 0;
    QString time;
    bool operator==(const THistorySample &) const = default;
};

class TCounterMonitor {
public:
    TCounterMonitor(const QList<TCounterSpec> &counters, const TCounterMonitorOptions &options = {});
    // Names with positions firstPosition, firstPosition + 1, ...; a name with "Octets" counts
    // octets (and may reach the octet rate).
    static QList<TCounterSpec> Sequence(const QStringList &names, int firstPosition = 0);

    // The time-of-day text used for peaks and history samples.
    static QString TimeText(const QTime &time);

    int Count() const { return int(m_counters.size()); }
    const QString &Name(int i) const { return m_counters[i].spec.name; }
    int Position(int i) const { return m_counters[i].spec.position; }
    const TCounterSpec &Spec(int i) const { return m_counters[i].spec; }
    quint64 Current(int i) const { return m_counters[i].current; }
    quint64 Previous(int i) const { return m_counters[i].previous; }
    quint64 Delta(int i) const { return m_counters[i].delta; }
    // Per second of the time between the last two readings; -1 when there is no such rate.
    double Rate(int i) const { return m_counters[i].rate; }
    double Peak(int i) const { return m_counters[i].peak; }
    // Milliseconds between the last two readings (-1 when none) and how they were measured.
    qint64 ElapsedMs() const { return m_elapsedMs; }
    bool ElapsedFromUpTime() const { return m_elapsedFromUpTime; }
    // The time of day of the last reading taken; empty before the first.
    QString ValuesTime() const { return m_valuesTime; }
    // "The switch restarted at 17:31:05" after the readings told of a restart; empty otherwise.
    QString Notice() const { return m_notice; }
    int Restarts() const { return m_restarts; }
    // Text of a rate: whole numbers from 100 on, one decimal below.
    static QString RateText(double rate);
    // "1.50 Mbit/s", "980 bit/s", ...
    static QString BitRateText(double bitsPerSecond);
    QString PeakTime(int i) const { return m_counters[i].cells.peakTime; }
    const TCounterCells &Cells(int i) const { return m_counters[i].cells; }
    // Whether the display rows exist (always after PrepareRows in ShowValues mode; from the
    // first update after a reset in RecordOnly mode).
    bool RowsPresent() const { return m_rowsPresent; }

    // Display rows with empty cells and `now` as peak time (ShowValues windows at creation).
    void PrepareRows(const QTime &now = QTime::currentTime());

    // One poll: reads every counter's value text from row (position per counter). A text that
    // is not a whole number leaves the whole monitor unchanged and returns false with the
    // error text in *error. Returns true after a complete update. monotonicMs is the local
    // monotonic clock when the answer came (QElapsedTimer); below 0, the time of day now stands
    // in for it.
    bool Update(const QStringList &row, QString *error = nullptr, const QTime &now = QTime::currentTime(),
                qint64 monotonicMs = -1);

    // Zeroes every counter, rebuilds the history, sets running and restarts the first sample.
    void Reset(const QTime &now = QTime::currentTime());

    // Clears the first-sample-taken flag only (the ICMP, UDP and SNMP windows after the update
    // made at their creation).
    void ClearFirstSample() { m_firstSampleTaken = false; }
    bool FirstSampleTaken() const { return m_firstSampleTaken; }
    // Updates done since creation or the last reset.
    int UpdateCount() const { return m_updateCount; }

    bool Running() const { return m_running; }
    void SetRunning(bool on) { m_running = on; }

    int IntervalMs() const { return m_options.intervalMs; }
    void SetIntervalMs(int ms) { m_options.intervalMs = ms; }
    void SetSpeedBps(quint64 bps) { m_options.speedBps = bps; }

    // History lists, in history order (see TCounterMonitorOptions::historyCounters).
    int HistoryListCount() const { return int(m_history.size()); }
    const QList<THistorySample> &History(int k) const { return m_history[k]; }
    // The counter whose values history list k holds.
    int HistoryCounter(int k) const { return m_historyCounters[k]; }
    int HistoryCount() const { return m_options.historyCount; }
    // Takes the new H and rebuilds the history (the windows reset as well).
    void SetHistoryCount(int h);
    void RebuildHistory();

    const TCounterMonitorOptions &Options() const { return m_options; }

private:
    struct Counter {
        TCounterSpec spec;
        quint64 current = 0, previous = 0, delta = 0;
        double rate = -1, peak = 0;
        TCounterCells cells;
    };
    QString RateCell(const Counter &c) const;

    QList<Counter> m_counters;
    TCounterMonitorOptions m_options;
    QList<int> m_historyCounters;
    QList<QList<THistorySample>> m_history;
    bool m_rowsPresent = false;
    bool m_firstSampleTaken = false;
    bool m_running = true;
    int m_updateCount = 0;
    // The last reading's clocks: time of day, monotonic ms, sysUpTime (-1: none).
    QTime m_lastTime;
    qint64 m_lastMonotonic = -1;
    qint64 m_lastUpTime = -1;
    qint64 m_elapsedMs = -1;
    bool m_elapsedFromUpTime = false;
    QString m_valuesTime;
    QString m_notice;
    int m_restarts = 0;
};
