// Port traffic rules: rates over the switch's own time, Counter32 wraps against restarts, levels,
// growing errors; VLAN port lists; the port tooltip's text.
#include "portstats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr quint64 Mbit100 = 100000000ULL;
constexpr quint64 Wrap = 4294967296ULL;

TPollReading Reading(std::optional<quint32> upTicks, qint64 ms, quint64 in, quint64 out, quint32 inErr = 0,
                     quint32 outErr = 0, bool wide = false, quint64 speed = Mbit100)
{
    TPollReading r;
    r.upTimeTicks = upTicks;
    r.monotonicMs = ms;
    r.wallTime = QDateTime(QDate(2026, 3, 1), QTime(12, 0)).addMSecs(ms);
    TPortReading p;
    p.valid = true;
    p.wide = wide;
    p.inOctets = in;
    p.outOctets = out;
    p.inErrors = inErr;
    p.outErrors = outErr;
    p.speedBps = speed;
    r.ports = {p};
    return r;
}

TEST(PortStats, RatesWrapsAndRestarts)
{
    const struct Case {
        const char *name;
        TPollReading before, after;
        TPortStats::Outcome outcome;
        double inBps, outBps;  // when outcome is Rates
    } cases[] = {
        {"rates over the uptime delta, not the local clock",
         Reading(1000, 0, 0, 0), Reading(1500, 9000, 625000, 125000), TPortStats::Rates, 1e6, 2e5},
        {"local clock when the uptime is missing",
         Reading(std::nullopt, 1000, 0, 0), Reading(std::nullopt, 3000, 250000, 0), TPortStats::Rates, 1e6, 0},
        {"local clock when one reading lacks the uptime",
         Reading(1000, 1000, 0, 0), Reading(std::nullopt, 5000, 500000, 0), TPortStats::Rates, 1e6, 0},
        {"Counter32 wrap at a plausible rate",
         Reading(0, 0, Wrap - 1000000, 10), Reading(500, 5000, 5250000, 10), TPortStats::Rates,
         6250000.0 * 8 / 5, 0},
        {"fall that no wrap explains in the time passed: a restart",
         Reading(0, 0, 3000000000ULL, 0), Reading(500, 5000, 1000, 0), TPortStats::Restarted, 0, 0},
        {"uptime went back: a restart even though counters grew",
         Reading(90000, 0, 1000, 0), Reading(300, 5000, 900000000, 0), TPortStats::Restarted, 0, 0},
        {"64-bit counters that fall: a restart",
         Reading(0, 0, 5000000000ULL, 0, 0, 0, true), Reading(500, 5000, 4000, 0, 0, 0, true),
         TPortStats::Restarted, 0, 0},
        {"64-bit counters past 2^32 are no wrap",
         Reading(0, 0, Wrap - 10, 0, 0, 0, true), Reading(100, 1000, Wrap + 124990, 0, 0, 0, true),
         TPortStats::Rates, 1e6, 0},
        {"errors that fall: a restart",
         Reading(0, 0, 100, 100, 50, 0), Reading(500, 5000, 200, 200, 3, 0), TPortStats::Restarted, 0, 0},
        {"no time passed: ignored",
         Reading(700, 1000, 0, 0), Reading(700, 1000, 10, 0), TPortStats::NoTime, 0, 0},
        {"wrap of a port without a known speed when the fall is small",
         Reading(0, 0, Wrap - 100, 0, 0, 0, false, 0), Reading(100, 1000, 900, 0, 0, 0, false, 0),
         TPortStats::Rates, 8000, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TPortStats stats;
        ASSERT_EQ(stats.Add(c.before), TPortStats::First);
        EXPECT_FALSE(stats.Port(1).known);
        EXPECT_EQ(stats.Add(c.after), c.outcome);
        const TPortRate r = stats.Port(1);
        EXPECT_EQ(r.known, c.outcome == TPortStats::Rates);
        if (c.outcome == TPortStats::Rates) {
            EXPECT_NEAR(r.inBps, c.inBps, 1.0);
            EXPECT_NEAR(r.outBps, c.outBps, 1.0);
        }
    }
}

TEST(PortStats, StartsAgainFromTheReadingAfterARestart)
{
    TPortStats stats;
    stats.Add(Reading(1000, 0, 8000000, 0));
    ASSERT_EQ(stats.Add(Reading(100, 5000, 1000, 0)), TPortStats::Restarted);
    // The next interval is measured from the restart's reading.
    ASSERT_EQ(stats.Add(Reading(200, 6000, 126000, 0)), TPortStats::Rates);
    EXPECT_NEAR(stats.Port(1).inBps, 1e6, 1.0);
}

TEST(PortStats, LevelsAndErrors)
{
    const struct { double utilisation; int level; } levels[] = {
        {0.0, 0}, {0.0099, 0}, {0.01, 1}, {0.099, 1}, {0.10, 2}, {0.399, 2}, {0.40, 3}, {0.79, 3}, {0.80, 4}, {1.7, 4},
    };
    for (const auto &l : levels)
        EXPECT_EQ(TPortStats::Level(l.utilisation), l.level) << l.utilisation;
    EXPECT_EQ(TPortStats::LevelLabel(0), "idle");
    EXPECT_EQ(TPortStats::LevelLabel(2), "10-40%");
    EXPECT_EQ(TPortStats::LevelLabel(4), ">80%");

    // in + out over the speed: 60 + 30 Mbit/s on 100 Mbit/s is 90 %.
    TPortStats stats;
    stats.Add(Reading(0, 0, 0, 0, 5, 1));
    stats.Add(Reading(100, 1000, 7500000, 3750000, 9, 1));
    TPortRate r = stats.Port(1);
    EXPECT_NEAR(r.utilisation, 0.9, 1e-9);
    EXPECT_EQ(r.level, 4);
    EXPECT_TRUE(r.errorsGrowing);
    const QDateTime grew = r.errorsGrewAt;
    EXPECT_TRUE(grew.isValid());
    // Errors that stop growing clear the mark but keep when they last grew.
    stats.Add(Reading(200, 2000, 7500000, 3750000, 9, 1));
    r = stats.Port(1);
    EXPECT_FALSE(r.errorsGrowing);
    EXPECT_EQ(r.errorsGrewAt, grew);
    EXPECT_EQ(r.level, 0);
    // Out errors alone count too.
    stats.Add(Reading(300, 3000, 7500000, 3750000, 9, 2));
    EXPECT_TRUE(stats.Port(1).errorsGrowing);
    // Unknown speed: rates, but no level.
    TPortStats unknown;
    unknown.Add(Reading(0, 0, 0, 0, 0, 0, false, 0));
    unknown.Add(Reading(100, 1000, 1000, 0, 0, 0, false, 0));
    EXPECT_TRUE(unknown.Port(1).known);
    EXPECT_EQ(unknown.Port(1).level, -1);
}

TEST(PortStats, InvalidPortsHaveNoRates)
{
    TPortStats stats;
    TPollReading a = Reading(0, 0, 0, 0), b = Reading(100, 1000, 1000, 0);
    a.ports.append(a.ports.first());
    b.ports.append(b.ports.first());
    b.ports[1].valid = false;
    stats.Add(a);
    ASSERT_EQ(stats.Add(b), TPortStats::Rates);
    EXPECT_TRUE(stats.Port(1).known);
    EXPECT_FALSE(stats.Port(2).known);
    EXPECT_FALSE(stats.Port(2).errorsKnown);
    EXPECT_FALSE(stats.Port(3).known) << "beyond the reading";
}

TEST(PortLists, MembershipAndRanges)
{
    const TVlan vlan{20, "voice", QByteArray::fromHex("FFF00000000080"), QByteArray::fromHex("F0000000000000")};
    const struct { int port; TVlanMembership m; } cases[] = {
        {1, TVlanMembership::Untagged}, {4, TVlanMembership::Untagged}, {5, TVlanMembership::Tagged},
        {12, TVlanMembership::Tagged}, {13, TVlanMembership::None}, {49, TVlanMembership::Tagged},
        {50, TVlanMembership::None}, {57, TVlanMembership::None}, {0, TVlanMembership::None},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MembershipOf(vlan, c.port), c.m) << c.port;
    EXPECT_EQ(PortRangeText(PortsInList(vlan.egress)), "1-12, 49");
    EXPECT_EQ(PortRangeText({3}), "3");
    EXPECT_EQ(PortRangeText({}), "");
}

TEST(PortTooltip, TellsEverythingKnownAboutThePort)
{
    TPortInfo info;
    info.port = 9;
    info.name = "port9";
    info.alias = "lab bench";
    info.adminStatus = 1;
    info.operStatus = 2;
    info.duplex = "full";
    info.pvid = 10;
    info.vlans = {TVlan{1, "default", QByteArray::fromHex("FF80"), QByteArray::fromHex("FF80")},
                  TVlan{10, "servers", QByteArray::fromHex("0080"), QByteArray::fromHex("0080")},
                  TVlan{20, "", QByteArray::fromHex("0080"), QByteArray::fromHex("00")},
                  TVlan{30, "other", QByteArray::fromHex("01"), QByteArray::fromHex("01")}};
    info.rate.known = true;
    info.rate.inBps = 12345678;
    info.rate.outBps = 950;
    info.rate.utilisation = 0.1234;
    info.rate.speedBps = 100000000;
    info.rate.errorsKnown = true;
    info.rate.inErrors = 42;
    info.rate.outErrors = 7;
    info.rate.errorsGrowing = true;
    info.rate.errorsGrewAt = QDateTime(QDate(2026, 3, 1), QTime(12, 0, 5));
    info.upTimeTicks = 100000;
    info.lastChangeTicks = 40000;  // 600 s before the reading
    info.readAt = QDateTime(QDate(2026, 3, 1), QTime(12, 10, 0));

    const QStringList lines = PortTooltipText(info).split('\n');
    const QStringList expected = {
        "Port 9 (port9): lab bench",
        "Status: admin up, link down",
        "Speed: 100 Mbit/s, full duplex",
        "VLANs: PVID 10; untagged: 1 default, 10 servers; tagged: 20",
        "Traffic: in 12.3 Mbit/s, out 950 bit/s, 12.3% used",
        "Errors: in 42, out 7, growing, last grew 2026-03-01 12:00:05",
        "Last link change: 2026-03-01 12:00:00",
    };
    EXPECT_EQ(lines, expected);

    // What is not known yet says so, or is left out.
    TPortInfo bare;
    bare.port = 50;
    bare.stale = true;
    const QStringList bareLines = PortTooltipText(bare).split('\n');
    const QStringList bareExpected = {
        "Port 50",
        "The switch does not answer; figures are from no reading",
        "Status: admin unknown, link unknown",
        "Speed: unknown",
        "VLANs: PVID unknown; untagged: none; tagged: none",
        "Traffic: not measured yet",
    };
    EXPECT_EQ(bareLines, bareExpected);
}

TEST(PortTooltip, Texts)
{
    const struct { double bps; const char *text; } rates[] = {
        {0, "0 bit/s"}, {999, "999 bit/s"}, {1000, "1.00 kbit/s"}, {15300, "15.3 kbit/s"},
        {250e6, "250 Mbit/s"}, {1.5e9, "1.50 Gbit/s"},
    };
    for (const auto &r : rates)
        EXPECT_EQ(BitRateText(r.bps), r.text);
    EXPECT_EQ(SpeedText(1000000000ULL), "1 Gbit/s");
    EXPECT_EQ(SpeedText(10000000ULL), "10 Mbit/s");
    EXPECT_EQ(SpeedText(0), "unknown");
    const QDateTime at(QDate(2026, 1, 2), QTime(3, 4, 5));
    EXPECT_EQ(LastChangeText(0u, 5000u, at), "none since the switch started");
    EXPECT_EQ(LastChangeText(4000u, 5000u, at), "2026-01-02 03:03:55");
    EXPECT_EQ(LastChangeText(6000u, 5000u, at), "") << "a change after the reading is not believed";
    EXPECT_EQ(LastChangeText(std::nullopt, 5000u, at), "");
}

} // namespace
