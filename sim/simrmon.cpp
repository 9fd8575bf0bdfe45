#include "simrmon.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const SimOid kHistoryControlEntry = simParseOid("1.3.6.1.2.1.16.2.1.1");
const SimOid kEtherHistoryEntry = simParseOid("1.3.6.1.2.1.16.2.2.1");
const SimOid kAlarmEntry = simParseOid("1.3.6.1.2.1.16.3.1.1");
const SimOid kEventEntry = simParseOid("1.3.6.1.2.1.16.9.1.1");
const SimOid kLogEntry = simParseOid("1.3.6.1.2.1.16.9.2.1");
const SimOid kIfIndex = simParseOid("1.3.6.1.2.1.2.2.1.1");
constexpr int kPorts = 50;
constexpr int64_t kBuckets = 50;
constexpr int64_t kIntervals[] = {30, 1800};

SimOid at(const SimOid &entry, uint32_t column, const SimOid &suffix)
{
    SimOid o = entry;
    o.push_back(column);
    o.insert(o.end(), suffix.begin(), suffix.end());
    return o;
}

int64_t intOf(const SimStore &store, const SimOid &oid, int64_t fallback = 0)
{
    const SimCell *c = store.get(oid);
    return c ? c->value.num : fallback;
}

// A repeatable wobble in [0.6, 1.4] so that bars differ from sample to sample.
double wobble(uint32_t entry, uint32_t sample)
{
    const double phase = double(entry) * 1.7 + double(sample) * 0.45;
    return 1.0 + 0.3 * std::sin(phase) + 0.1 * std::sin(phase * 3.1);
}

uint32_t hash(uint32_t a, uint32_t b)
{
    uint32_t h = a * 2654435761u ^ (b + 0x9e3779b9u + (a << 6) + (a >> 2));
    h ^= h >> 15;
    h *= 2246822519u;
    return h ^ (h >> 13);
}

void createDefaultEntries(SimStore &store, const std::function<bool(int)> &linked)
{
    const SimTableDef *table = store.tableOf(kHistoryControlEntry);
    if (!table || !store.rows(kHistoryControlEntry).empty())
        return;
    // Entries numbered in pairs, port after port: their numbers are not the ports' numbers.
    uint32_t index = 0;
    for (int port = 1; port <= kPorts; ++port) {
        if (!linked(port))
            continue;
        for (int64_t interval : kIntervals) {
            const SimOid row{++index};
            if (!store.createRow(table, row))
                continue;
            SimOid source = kIfIndex;
            source.push_back(uint32_t(port));
            store.set(at(kHistoryControlEntry, 2, row), simMakeOid(source));
            store.set(at(kHistoryControlEntry, 3, row), simMakeInt(kBuckets));
            store.set(at(kHistoryControlEntry, 4, row), simMakeInt(kBuckets));
            store.set(at(kHistoryControlEntry, 5, row), simMakeInt(interval));
            store.set(at(kHistoryControlEntry, 6, row), simMakeText("monitor"));
            store.set(at(kHistoryControlEntry, 7, row), simMakeInt(1));
        }
    }
}

void seedSamples(SimStore &store, unsigned long uptime, const std::function<double(int)> &portScale)
{
    const SimTableDef *samples = store.tableOf(kEtherHistoryEntry);
    std::vector<uint32_t> holding;
    for (const SimOid &s : store.rows(kEtherHistoryEntry))
        holding.push_back(s[0]);
    for (const SimOid &row : store.rows(kHistoryControlEntry)) {
        if (intOf(store, at(kHistoryControlEntry, 7, row)) != 1
            || std::find(holding.begin(), holding.end(), row[0]) != holding.end())
            continue;
        const int64_t interval = std::max<int64_t>(1, intOf(store, at(kHistoryControlEntry, 5, row), 30));
        const int64_t granted = intOf(store, at(kHistoryControlEntry, 4, row), kBuckets);
        const int64_t count = std::min<int64_t>(granted, int64_t(uptime) / (interval * 100));
        const SimCell *source = store.get(at(kHistoryControlEntry, 2, row));
        const int port = source && !source->value.oid.empty() ? int(source->value.oid.back()) : 0;
        const double scale = portScale(port) * double(interval);
        const double speed = port >= 49 ? 1e9 : 1e8;
        for (int64_t j = 1; j <= count; ++j) {
            const SimOid sample{row[0], uint32_t(j)};
            if (!store.createRow(samples, sample))
                continue;
            const double w = wobble(row[0], uint32_t(j));
            const uint32_t h = hash(row[0], uint32_t(j));
            const auto counter = [&](double perSecond) { return simMakeInt(int64_t(std::llround(perSecond * scale * w)), SimType::Counter32); };
            const double octets = 120000.0 * scale * w;
            store.set(at(kEtherHistoryEntry, 3, sample),
                      simMakeInt(int64_t(uptime) - (count - j + 1) * interval * 100, SimType::TimeTicks));
            store.set(at(kEtherHistoryEntry, 4, sample), simMakeInt(0, SimType::Counter32));
            store.set(at(kEtherHistoryEntry, 5, sample), simMakeInt(int64_t(std::llround(octets)), SimType::Counter32));
            store.set(at(kEtherHistoryEntry, 6, sample), counter(262.0));
            store.set(at(kEtherHistoryEntry, 7, sample), counter(2.0));
            store.set(at(kEtherHistoryEntry, 8, sample), counter(10.0));
            // Now and then a damaged frame, as on any real segment.
            store.set(at(kEtherHistoryEntry, 9, sample), simMakeInt(h % 5 == 0 ? h % 4 + 1 : 0, SimType::Counter32));
            store.set(at(kEtherHistoryEntry, 10, sample), simMakeInt(h % 7 == 0 ? h % 3 + 1 : 0, SimType::Counter32));
            store.set(at(kEtherHistoryEntry, 12, sample), simMakeInt(h % 11 == 0 ? 1 : 0, SimType::Counter32));
            const double utilisation = octets * 8.0 * 10000.0 / (double(interval) * speed);
            store.set(at(kEtherHistoryEntry, 15, sample), simMakeInt(std::min<int64_t>(10000, std::llround(utilisation))));
        }
    }
}

// The log lines the default alarm left while the switch was up.
void seedLog(SimStore &store, unsigned long uptime)
{
    const SimOid alarm{1};
    const SimCell *variable = store.get(at(kAlarmEntry, 3, alarm));
    if (!variable || !store.rows(kLogEntry).empty())
        return;
    const int64_t rising = intOf(store, at(kAlarmEntry, 7, alarm));
    const int64_t falling = intOf(store, at(kAlarmEntry, 8, alarm));
    const uint32_t events[2] = {uint32_t(intOf(store, at(kAlarmEntry, 9, alarm))),
                                uint32_t(intOf(store, at(kAlarmEntry, 10, alarm)))};
    struct Line { unsigned long ago; bool rising; int64_t value; };
    const Line lines[] = {{90 * 6000, true, rising + 1520}, {62 * 6000, false, falling - 310},
                          {35 * 6000, true, rising + 870}, {12 * 6000, false, falling - 95}};
    uint32_t next[2] = {1, 1};
    for (const Line &l : lines) {
        const uint32_t event = events[l.rising ? 0 : 1];
        const SimOid eventRow{event};
        if (l.ago >= uptime || intOf(store, at(kEventEntry, 7, eventRow)) != 1)
            continue;
        const int64_t type = intOf(store, at(kEventEntry, 3, eventRow));
        const unsigned long when = uptime - l.ago;
        store.set(at(kEventEntry, 5, eventRow), simMakeInt(int64_t(when), SimType::TimeTicks));
        if (type != 2 && type != 4)
            continue;
        const SimOid logRow{event, next[l.rising ? 0 : 1]++};
        if (!store.createRow(store.tableOf(kLogEntry), logRow))
            continue;
        const SimCell *description = store.get(at(kEventEntry, 2, eventRow));
        const std::string what = std::string(l.rising ? "rising" : "falling") + " alarm 1 on " + simOidText(variable->value.oid)
            + " value " + std::to_string(l.value) + (l.rising ? " >= " + std::to_string(rising) : " <= " + std::to_string(falling));
        store.set(at(kLogEntry, 3, logRow), simMakeInt(int64_t(when), SimType::TimeTicks));
        store.set(at(kLogEntry, 4, logRow), simMakeText((description ? description->value.bytes + ": " : std::string()) + what));
    }
}

} // namespace

void simSeedRmon(SimStore &store, unsigned long uptimeTicks, const std::function<bool(int)> &linked,
                 const std::function<double(int)> &portScale)
{
    createDefaultEntries(store, linked);
    seedSamples(store, uptimeTicks, portScale);
    seedLog(store, uptimeTicks);
}
