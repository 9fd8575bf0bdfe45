// The counter monitor without any window: deltas across a Counter32 wrap, rates per second of the
// time that passed (uptime or local clock), restarts told from wraps, the peak rules, the
// first-sample rules of both window families, Reset, pause and the history.
#include "qvsnmpconvert.h"
#include "tcountermonitor.h"

#include <gtest/gtest.h>

void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }

namespace {

QTime At(int s) { return QTime(12, 0, 0).addSecs(s); }
QString T(int s) { return TCounterMonitor::TimeText(At(s)); }

// One counter at position 0; feeds the values at one-second steps from At(1) on.
TCounterMonitor Fed(TFirstSample style, const QList<QString> &values, int intervalMs = 1000)
{
    TCounterMonitorOptions o;
    o.firstSample = style;
    o.intervalMs = intervalMs;
    TCounterMonitor m({{QStringLiteral("c"), 0}}, o);
    if (style == TFirstSample::ShowValues)
        m.PrepareRows(At(0));
    int s = 1;
    for (const QString &v : values)
        EXPECT_TRUE(m.Update({v}, nullptr, At(s++)));
    return m;
}

// One reading: the counter's text, the local monotonic clock and the switch's uptime (-1: none).
struct Reading {
    QString value;
    qint64 ms;
    qint64 upTicks = -1;
};

TCounterMonitor FedReadings(const QList<Reading> &readings, TCounterSpec spec = {QStringLiteral("c"), 0})
{
    TCounterMonitorOptions o;
    o.firstSample = TFirstSample::RecordOnly;
    o.upTimePosition = 1;
    o.history = THistoryValue::Rate;
    TCounterMonitor m({spec}, o);
    for (const Reading &r : readings) {
        const QString up = r.upTicks >= 0 ? QvTimeTicksText(quint32(r.upTicks)) : QString();
        EXPECT_TRUE(m.Update({r.value, up}, nullptr, At(int(r.ms / 1000)), r.ms));
    }
    return m;
}

struct RateCase {
    const char *name;
    QList<Reading> readings;
    quint64 delta;
    QString rate, peak;
    bool fromUpTime;
    TCounterSpec spec = {QStringLiteral("c"), 0};
};

TEST(CounterMonitor, RateIsPerSecondOfTheTimeThatReallyPassed)
{
    TCounterSpec wide{QStringLiteral("ifHCInOctets"), 0, true, true, MaxOctetRate};
    TCounterSpec octets{QStringLiteral("ifInOctets"), 0, false, true, MaxOctetRate};
    const RateCase cases[] = {
        {"interval changed from 1 to 5 s", {{"1000", 0}, {"2000", 1000}, {"7000", 6000}}, 5000, "1000", "1000", false},
        {"paused a minute, then Start", {{"100", 0}, {"200", 1000}, {"6200", 61000}}, 6000, "100", "100", false},
        {"timed-out poll answered 3 s later", {{"0", 0}, {"100", 1000}, {"400", 4000}}, 300, "100", "100", false},
        {"lost poll: two intervals", {{"0", 0}, {"100", 1000}, {"300", 3000}}, 200, "100", "100", false},
        {"under a second", {{"10", 0}, {"30", 500}}, 20, "40", "40", false},
        {"fractions below 100", {{"100", 0}, {"195", 10000}}, 95, "9.5", "9.5", false},
        {"uptime before a late local answer", {{"100", 0, 0}, {"200", 2500, 100}}, 100, "100", "100", true},
        {"uptime at one poll only: local clock", {{"100", 0, 0}, {"200", 2000}}, 100, "50", "50", false},
        {"32-bit wrap", {{"4294967290", 0}, {"5", 1000}}, 11, "11", "11", false},
        {"Counter64 text kept in 32 bits", {{"18446744073709551615", 0}, {"4", 1000}}, 5, "5", "5", false},
        {"64-bit counter passes 2^32 without a wrap", {{"4294967290", 0}, {"4294967300", 1000}}, 10,
         "10 (80 bit/s)", "10", false, wide},
        {"octets wrapping at gigabit line rate", {{"4200000000", 0}, {"30000000", 1000}}, 124967296,
         "124967296 (999.74 Mbit/s)", "124967296", false, octets},
        {"no change", {{"77", 0}, {"77", 1000}}, 0, "0", "", false},
    };
    for (const RateCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TCounterMonitor m = FedReadings(c.readings, c.spec);
        EXPECT_EQ(m.Delta(0), c.delta);
        EXPECT_EQ(m.Cells(0).delta, QString::number(c.delta));
        EXPECT_EQ(m.Cells(0).rate, c.rate);
        EXPECT_EQ(m.Cells(0).peak, c.peak);
        EXPECT_EQ(m.ElapsedFromUpTime(), c.fromUpTime);
        EXPECT_EQ(m.Restarts(), 0);
        EXPECT_TRUE(m.Notice().isEmpty());
        EXPECT_EQ(m.History(0).last().value, m.Rate(0));
    }
}

struct RestartCase {
    const char *name;
    QList<Reading> readings;
    int restarts;
    QString notice;
    QString peak;        // never the false increase of a wrap
    QString rateAfter;   // the rate cell after the last reading
};

TEST(CounterMonitor, ARestartStartsAgainAndOnlyANormalUptimeAllowsAWrap)
{
    const RestartCase cases[] = {
        {"reboot: uptime went back", {{"339104", 0, 100000}, {"339204", 1000, 100100}, {"1678", 2000, 150}},
         1, "The switch restarted at 12:00:00", "100", ""},
        {"reboot, then counting goes on",
         {{"339104", 0, 100000}, {"339204", 1000, 100100}, {"1678", 2000, 150}, {"1778", 3000, 250}},
         1, "The switch restarted at 12:00:00", "100", "100"},
        {"reboot without uptime: a fall no wrap explains", {{"339104", 0}, {"339204", 1000}, {"1678", 2000}},
         1, "The switch restarted at 12:00:02", "100", ""},
        {"restarted while paused: uptime far behind the clock",
         {{"5000", 0, 1000}, {"6000", 600000, 30000}}, 1, "The switch restarted at 12:05:00", "", ""},
        {"wrap while uptime advanced normally", {{"4294967000", 0, 0}, {"200", 1000, 100}}, 0, "", "496", "496"},
        {"counters cleared, uptime went on", {{"339104", 0, 0}, {"1678", 1000, 100}}, 1,
         "The counters started again at 12:00:01 (the switch kept running)", "", ""},
        {"a fall that a wrap could explain in 10 min", {{"4294000000", 0}, {"5000000", 600000}}, 0, "", "9945",
         "9945"},
    };
    for (const RestartCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TCounterMonitor m = FedReadings(c.readings);
        EXPECT_EQ(m.Restarts(), c.restarts);
        EXPECT_EQ(m.Notice(), c.notice);
        EXPECT_EQ(m.Cells(0).peak, c.peak);
        EXPECT_EQ(m.Cells(0).rate, c.rateAfter);
        EXPECT_EQ(m.Cells(0).value, c.readings.last().value);
        for (const THistorySample &h : m.History(0))
            EXPECT_LT(h.value, 1e6) << "a restart became a sample";
    }
}

struct PeakCase {
    const char *name;
    TFirstSample style;
    QList<QString> values;  // one update per value, at At(1), At(2), ...
    QString peak, peakTime;
};

TEST(CounterMonitor, PeakIsTheLargestRateWithItsTime)
{
    const PeakCase cases[] = {
        {"first update never sets a peak", TFirstSample::ShowValues, {"900"}, "", T(0)},
        {"equal delta keeps the earlier time", TFirstSample::ShowValues, {"100", "200", "300"}, "100", T(2)},
        {"larger delta replaces", TFirstSample::ShowValues, {"100", "200", "400"}, "200", T(3)},
        {"smaller delta keeps", TFirstSample::ShowValues, {"100", "400", "450"}, "300", T(2)},
        {"from 0 to 500 is a real increase", TFirstSample::RecordOnly, {"0", "500", "900"}, "500", T(2)},
        {"record-only second update may set it", TFirstSample::RecordOnly, {"100", "150"}, "50", T(2)},
        {"wrapped delta can be a peak", TFirstSample::ShowValues, {"4294967000", "4294967290", "5"}, "290", T(2)},
    };
    for (const PeakCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TCounterMonitor m = Fed(c.style, c.values);
        EXPECT_EQ(m.Cells(0).peak, c.peak);
        EXPECT_EQ(m.Cells(0).peakTime, c.peakTime);
        EXPECT_EQ(m.Peak(0), c.peak.isEmpty() ? 0.0 : c.peak.toDouble());
    }
}

// What the display row shows after each step of a window's life.
struct Step {
    enum Action { Update, Reset, ClearFirst } action;
    QString value;
    TCounterCells cells;
};

struct LifeCase {
    const char *name;
    TFirstSample style;
    QList<Step> steps;
};

TEST(CounterMonitor, FirstSampleRulesOfBothWindowFamilies)
{
    const LifeCase cases[] = {
        {"IP window: values from the first tick, deltas from the second",
         TFirstSample::ShowValues,
         {{Step::Update, "1000", {"1000", "", "", "", T(0)}},
          {Step::Update, "1300", {"1300", "300", "300", "300", T(2)}}}},
        {"ICMP window: update at creation, flag cleared, peak at tick 1 but delta at tick 2",
         TFirstSample::ShowValues,
         {{Step::Update, "1000", {"1000", "", "", "", T(0)}},
          {Step::ClearFirst, "", {"1000", "", "", "", T(0)}},
          {Step::Update, "1100", {"1100", "", "", "100", T(2)}},
          {Step::Update, "1150", {"1150", "50", "50", "100", T(2)}}}},
        {"Reset writes 0; the next update shows the raw value but no delta or peak",
         TFirstSample::ShowValues,
         {{Step::Update, "1000", {"1000", "", "", "", T(0)}},
          {Step::Update, "1200", {"1200", "200", "200", "200", T(2)}},
          {Step::Reset, "", {"0", "0", "0", "0", T(3)}},
          {Step::Update, "1300", {"1300", "0", "0", "0", T(3)}},
          {Step::Update, "1310", {"1310", "10", "10", "10", T(5)}}}},
        {"IF window: first update after reset fills no cells, the second fills all",
         TFirstSample::RecordOnly,
         {{Step::Update, "1000", {"", "", "", "", T(1)}},
          {Step::Update, "1250", {"1250", "250", "250", "250", T(2)}},
          {Step::Reset, "", {}},
          {Step::Update, "2000", {"", "", "", "", T(4)}},
          {Step::Update, "2100", {"2100", "100", "100", "100", T(5)}}}},
    };
    for (const LifeCase &c : cases) {
        SCOPED_TRACE(c.name);
        TCounterMonitorOptions o;
        o.firstSample = c.style;
        TCounterMonitor m({{QStringLiteral("c"), 0}}, o);
        EXPECT_EQ(m.RowsPresent(), false);
        if (c.style == TFirstSample::ShowValues)
            m.PrepareRows(At(0));
        int s = 1;
        for (const Step &step : c.steps) {
            SCOPED_TRACE(s);
            switch (step.action) {
            case Step::Update: EXPECT_TRUE(m.Update({step.value}, nullptr, At(s))); break;
            case Step::Reset: m.Reset(At(s)); break;
            case Step::ClearFirst: m.ClearFirstSample(); break;
            }
            if (step.action != Step::ClearFirst)
                ++s;
            EXPECT_EQ(m.RowsPresent(), !(step.action == Step::Reset && c.style == TFirstSample::RecordOnly));
            EXPECT_EQ(m.Cells(0), step.cells) << m.Cells(0).value.toStdString() << " / "
                                              << m.Cells(0).delta.toStdString() << " / "
                                              << m.Cells(0).peak.toStdString();
        }
    }
}

TEST(CounterMonitor, OnlyOctetCountersGetBitRates)
{
    const struct {
        const char *name;
        bool octets;
    } cases[] = {{"InOctets", true}, {"Octets", true}, {"ifHCOutOctets", true}, {"64Octets", false},
                 {"65to127Octets", false}, {"InUcastPkts", false}, {"", false}};
    for (const auto &c : cases) {
        const TCounterSpec spec = TCounterMonitor::Sequence({QLatin1String(c.name)}).first();
        EXPECT_EQ(spec.octets, c.octets) << c.name;
        EXPECT_EQ(spec.maxRate, c.octets ? MaxOctetRate : MaxPacketRate) << c.name;
    }
}

TEST(CounterMonitor, ResetZeroesResumesAndRestartsTheFirstSample)
{
    TCounterMonitor m(TCounterMonitor::Sequence({"a", "b"}, 2));
    m.PrepareRows(At(0));
    ASSERT_TRUE(m.Update({"x", "y", "10", "20"}, nullptr, At(1)));
    ASSERT_TRUE(m.Update({"x", "y", "15", "40"}, nullptr, At(2)));
    EXPECT_EQ(m.Current(1), 40u);
    EXPECT_EQ(m.Previous(1), 20u);
    EXPECT_EQ(m.Peak(1), 20u);
    m.SetRunning(false);
    m.Reset(At(3));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(m.Current(i), 0u);
        EXPECT_EQ(m.Previous(i), 0u);
        EXPECT_EQ(m.Delta(i), 0u);
        EXPECT_EQ(m.Peak(i), 0u);
    }
    EXPECT_TRUE(m.Running());
    EXPECT_FALSE(m.FirstSampleTaken());
    EXPECT_EQ(m.UpdateCount(), 0);
}

TEST(CounterMonitor, PauseKeepsValuesAndTheNextDeltaCoversThePause)
{
    TCounterMonitorOptions o;
    o.intervalMs = 1000;
    TCounterMonitor m({{QStringLiteral("c"), 0}}, o);
    m.PrepareRows(At(0));
    ASSERT_TRUE(m.Update({"100"}, nullptr, At(1)));
    ASSERT_TRUE(m.Update({"110"}, nullptr, At(2)));
    m.SetRunning(false);
    EXPECT_FALSE(m.Running());
    EXPECT_EQ(m.Cells(0).value, "110");  // a pause keeps what is shown
    m.SetRunning(true);
    ASSERT_TRUE(m.Update({"5110"}, nullptr, At(52)));
    EXPECT_EQ(m.Delta(0), 5000u);
    EXPECT_EQ(m.Cells(0).rate, "100");   // over the 50 s that passed
    EXPECT_EQ(m.ValuesTime(), T(52));
    m.SetIntervalMs(5000);                // an interval change resets nothing
    ASSERT_TRUE(m.Update({"6110"}, nullptr, At(57)));
    EXPECT_EQ(m.Cells(0).rate, "200");
    EXPECT_EQ(m.Cells(0).peak, "200");
}

TEST(CounterMonitor, ARowThatIsNotAllNumbersChangesNothing)
{
    const QList<QStringList> badRows = {
        {"5", "", "7"},          // an empty cell after a failed get
        {"5", "(NULL)", "7"},
        {"5", "6", "12abc"},
        {"5", "6"},              // too short
        {"-", "6", "7"},
    };
    for (const QStringList &row : badRows) {
        SCOPED_TRACE(row.join('|').toStdString());
        TCounterMonitor m(TCounterMonitor::Sequence({"a", "b", "c"}));
        m.PrepareRows(At(0));
        ASSERT_TRUE(m.Update({"1", "2", "3"}, nullptr, At(1)));
        QString error;
        EXPECT_FALSE(m.Update(row, &error, At(2)));
        EXPECT_TRUE(error.contains(QStringLiteral("is not a valid integer value"))) << error.toStdString();
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(m.Current(i), quint32(i + 1));
            EXPECT_EQ(m.Previous(i), 0u);
        }
        EXPECT_EQ(m.UpdateCount(), 1);
    }
}

struct HistoryCase {
    const char *name;
    THistoryValue kind;
    bool prefilled;
    int h;
    int intervalMs;
    QList<QString> values;          // one update per value at At(1), At(2), ...
    QList<THistorySample> expected; // history of the counter
};

TEST(CounterMonitor, HistoryKeepsTheLastHSamples)
{
    const HistoryCase cases[] = {
        {"deltas from the second update", THistoryValue::Delta, false, 3, 1000, {"10", "20"}, {{10, T(2)}}},
        {"oldest dropped when full", THistoryValue::Delta, false, 3, 1000, {"10", "20", "40", "70", "110"},
         {{20, T(3)}, {30, T(4)}, {40, T(5)}}},
        {"prefilled lists always hold H", THistoryValue::Delta, true, 3, 1000, {"10", "20", "40"},
         {{0, ""}, {10, T(2)}, {20, T(3)}}},
        {"rates per second that passed", THistoryValue::Rate, true, 2, 5000, {"1000", "2000", "2500"},
         {{1000, T(2)}, {500, T(3)}}},
        {"first update only records", THistoryValue::Delta, false, 3, 1000, {"10"}, {}},
    };
    for (const HistoryCase &c : cases) {
        SCOPED_TRACE(c.name);
        TCounterMonitorOptions o;
        o.firstSample = TFirstSample::RecordOnly;
        o.history = c.kind;
        o.historyPrefilled = c.prefilled;
        o.historyCount = c.h;
        o.intervalMs = c.intervalMs;
        TCounterMonitor m({{QStringLiteral("c"), 0}}, o);
        int s = 1;
        for (const QString &v : c.values)
            ASSERT_TRUE(m.Update({v}, nullptr, At(s++)));
        ASSERT_EQ(m.HistoryListCount(), 1);
        EXPECT_EQ(m.History(0), c.expected);
    }
}

TEST(CounterMonitor, HistoryOfChosenCountersIsRebuiltOnResetAndNewH)
{
    TCounterMonitorOptions o;
    o.firstSample = TFirstSample::RecordOnly;
    o.history = THistoryValue::Delta;
    o.historyCounters = {2, 0};
    o.historyPrefilled = true;
    o.historyCount = 10;
    TCounterMonitor m(TCounterMonitor::Sequence({"a", "b", "c"}), o);
    ASSERT_EQ(m.HistoryListCount(), 2);
    EXPECT_EQ(m.HistoryCounter(0), 2);
    ASSERT_TRUE(m.Update({"1", "1", "1"}, nullptr, At(1)));
    ASSERT_TRUE(m.Update({"2", "5", "9"}, nullptr, At(2)));
    EXPECT_EQ(m.History(0).last(), (THistorySample{8, T(2)}));
    EXPECT_EQ(m.History(1).last(), (THistorySample{1, T(2)}));
    EXPECT_EQ(m.History(0).size(), 10);
    m.SetHistoryCount(20);
    EXPECT_EQ(m.History(1), QList<THistorySample>(20));
    ASSERT_TRUE(m.Update({"3", "5", "9"}, nullptr, At(3)));
    m.Reset(At(4));
    EXPECT_EQ(m.History(0), QList<THistorySample>(20));
    EXPECT_FALSE(m.RowsPresent());
}

} // namespace
