#include "simmodel.h"

#include "simrmon.h"
#include "simtraffic.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

namespace {

const SimOid kIfEntry = simParseOid("1.3.6.1.2.1.2.2.1");
const SimOid kIfXEntry = simParseOid("1.3.6.1.2.1.31.1.1.1");
const SimOid kEtherStatsEntry = simParseOid("1.3.6.1.2.1.16.1.1.1");
const SimOid kHistoryControlEntry = simParseOid("1.3.6.1.2.1.16.2.1.1");
const SimOid kEtherHistoryEntry = simParseOid("1.3.6.1.2.1.16.2.2.1");
const SimOid kAlarmEntry = simParseOid("1.3.6.1.2.1.16.3.1.1");
const SimOid kEventEntry = simParseOid("1.3.6.1.2.1.16.9.1.1");
const SimOid kLogEntry = simParseOid("1.3.6.1.2.1.16.9.2.1");
const SimOid kVlanStaticEntry = simParseOid("1.3.6.1.2.1.17.7.1.4.3.1");
const SimOid kVlanCurrentEntry = simParseOid("1.3.6.1.2.1.17.7.1.4.2.1");
const SimOid kPortCtrlEntry = simParseOid("1.3.6.1.4.1.171.11.2.3.2.1");
const SimOid kSimControl = simParseOid("1.3.6.1.4.1.171.99.1");
const char *const kConfigSaveStatus = "1.3.6.1.4.1.171.12.1.1.4.0";
const char *const kAgentSaveCfg = "1.3.6.1.4.1.171.12.1.2.6.0";
const char *const kConsoleInUse = "1.3.6.1.4.1.171.12.1.1.3.0";
const char *const kTopChanges = "1.3.6.1.2.1.17.2.4.0";
const char *const kIfTableLastChange = "1.3.6.1.2.1.31.1.5.0";
const char *const kBridgeMaxAge = "1.3.6.1.2.1.17.2.12.0";
const char *const kBridgeHello = "1.3.6.1.2.1.17.2.13.0";
const char *const kBridgeForwardDelay = "1.3.6.1.2.1.17.2.14.0";
constexpr int kMaxBuckets = 50;
constexpr int kMaxLogPerEvent = 50;

SimOid join(const SimOid &entry, uint32_t column, const SimOid &suffix)
{
    SimOid o = entry;
    o.push_back(column);
    o.insert(o.end(), suffix.begin(), suffix.end());
    return o;
}

SimOid join(const SimOid &entry, uint32_t column, uint32_t index)
{
    return join(entry, column, SimOid{index});
}

std::string hexText(const std::string &bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

// Base link states: which ports carry a link when the scenario is frozen.
bool baseLink(int port)
{
    return (port >= 1 && port <= 12) || (port >= 17 && port <= 24) || (port >= 33 && port <= 40) || (port >= 45 && port <= 49);
}

} // namespace

SimModel::SimModel(SimStore &store, const SimOptions &options, SimFaults &faults, unsigned long (*uptime)())
    : m_store(store), m_options(options), m_uptime(uptime), m_faults(faults)
{
    m_start = m_last = Clock::now();
    m_bootTime = std::time(nullptr);
    loadConfig();
    mirrorVlans();
    applyLinks(true);
    seedRmon();
    rebuildCounters();
    if (m_options.wrapSoon)
        setCountersNearWrap();
}

void SimModel::seedRmon()
{
    simSeedRmon(m_store, m_uptime(), [this](int port) { return portUp(port); }, [this](int port) { return portScale(port); });
}

double SimModel::portScale(int port) const
{
    if (port <= 0)
        return 1.0;
    const double gigabit = port >= 49 ? 8.0 : 1.0;
    return gigabit * (0.5 + double((port * 37) % 10) / 10.0);
}

void SimModel::rebuildCounters()
{
    std::map<SimOid, double> fractions;
    for (const Counter &c : m_counters)
        fractions[c.oid] = c.fraction;
    m_counters.clear();
    for (const auto &[oid, cell] : m_store.cells()) {
        if (!cell.def || cell.def->hook != SimHook::Counter)
            continue;
        // The ports' own traffic follows the profile; other counters their definition's rate.
        const double profiled = simTrafficRate(oid);
        if (profiled == 0 || (profiled < 0 && cell.def->rate == 0))
            continue;
        Counter c{oid, profiled > 0 ? profiled : double(cell.def->rate), fractions.count(oid) ? fractions[oid] : 0.0, 0, {},
                  cell.def->type == SimType::Counter64};
        SimOid entry;
        const SimTableDef *table = m_store.tableOf(oid, &entry);
        if (table && oid.size() > entry.size() + 1) {
            const SimOid suffix(oid.begin() + long(entry.size()) + 1, oid.end());
            if (entry == kEtherStatsEntry)
                c.statsRow = suffix;
            else if (std::string(table->index).rfind("int", 0) == 0 && suffix[0] >= 1 && suffix[0] <= uint32_t(kPorts))
                c.port = int(suffix[0]);
        }
        if (profiled < 0)
            c.rate *= portScale(c.port);
        m_counters.push_back(std::move(c));
    }
}

void SimModel::setCountersNearWrap()
{
    for (const Counter &c : m_counters) {
        if (c.wide)
            continue;
        const double scale = c.statsRow.empty() ? 1.0 : portScale(portOfDataSource(c.statsRow));
        const double ahead = c.rate * scale * m_options.wrapSeconds;
        if (SimCell *cell = m_store.cell(c.oid))
            cell->value.num = int64_t(4294967296.0 - std::min(ahead, 4294967295.0));
    }
}

int SimModel::portOfDataSource(const SimOid &statsSuffix) const
{
    const SimCell *source = m_store.get(join(kEtherStatsEntry, 2, statsSuffix));
    if (!source || source->value.oid.empty())
        return 0;
    return int(source->value.oid.back());
}

bool SimModel::scenarioLink(int port, long step) const
{
    if (!m_options.scenarioRunning || step < 0)
        return baseLink(port);
    const long s = step % 6; // a cycle of six steps
    switch (port) {
    case 1:
        return s != 3;
    case 5:
        return s % 2 == 0;
    case 13:
        return s == 1 || s == 2;
    case 20:
        return s < 2 || s > 4;
    case 50:
        return s >= 4;
    default:
        return baseLink(port);
    }
}

void SimModel::applyLinks(bool initial)
{
    const long step = m_options.scenarioRunning
        ? long(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - m_start).count() / std::max(1, m_options.scenarioStepSeconds))
        : -1;
    if (!initial && step == m_step) {
        // Admin changes still apply between steps.
    }
    m_step = step;
    bool changed = false;
    for (int p = 1; p <= kPorts; ++p) {
        const bool admin = intAt(simOidText(join(kIfEntry, 7, uint32_t(p))), 1) == 1
            && intAt(simOidText(join(kPortCtrlEntry, 3, uint32_t(p))), 3) == 3;
        const bool up = admin && scenarioLink(p, step);
        if (!initial && up == m_linkUp[p])
            continue;
        m_linkUp[p] = up;
        changed = true;
        const unsigned long now = m_uptime();
        m_store.set(join(kIfEntry, 8, uint32_t(p)), simMakeInt(up ? 1 : 2));
        if (!initial)
            m_store.set(join(kIfEntry, 9, uint32_t(p)), simMakeInt(int64_t(now), SimType::TimeTicks));
        setInt("1.3.6.1.4.1.171.11.2.3.1.1.4." + std::to_string(p), up ? 2 : 3);
        setInt("1.3.6.1.4.1.171.11.2.3.1.1.5." + std::to_string(p), up ? (p >= 49 ? 8 : 6) : 2);
        setInt("1.3.6.1.2.1.17.2.15.1.3." + std::to_string(p), up ? 5 : 1);
        if (!initial && m_notify && intAt(simOidText(join(kIfXEntry, 14, uint32_t(p))), 1) == 1) {
            const uint32_t port = uint32_t(p);
            m_notify({simParseOid(up ? "1.3.6.1.6.3.1.1.5.4" : "1.3.6.1.6.3.1.1.5.3"),
                      {{join(kIfEntry, 1, port), simMakeInt(p)},
                       {join(kIfEntry, 7, port), simMakeInt(intAt(simOidText(join(kIfEntry, 7, port)), 1))},
                       {join(kIfEntry, 8, port), simMakeInt(up ? 1 : 2)}}});
        }
    }
    if (changed && !initial) {
        m_lastTopologyChange = m_uptime();
        if (SimCell *c = m_store.cell(simParseOid(kTopChanges)))
            c->value.num = (c->value.num + 1) & 0xffffffffLL;
        m_store.set(simParseOid(kIfTableLastChange), simMakeInt(int64_t(m_uptime()), SimType::TimeTicks));
    }
    // The console is in use for two steps of each cycle.
    setInt(kConsoleInUse, m_options.scenarioRunning && step >= 0 && (step % 6 == 2 || step % 6 == 3) ? 2 : 3);
}

void SimModel::advance()
{
    const Clock::time_point now = Clock::now();
    const double dt = std::chrono::duration<double>(now - m_last).count();
    if (dt < 0.05)
        return;
    m_last = now;
    applyLinks(false);
    for (Counter &c : m_counters) {
        bool flowing;
        double rate = c.rate;
        if (!c.statsRow.empty()) {
            const int port = portOfDataSource(c.statsRow);
            flowing = intAt(simOidText(join(kEtherStatsEntry, 21, c.statsRow))) == 1 && portUp(port);
            rate *= portScale(port);
        } else {
            flowing = c.port == 0 || portUp(c.port);
        }
        if (!flowing)
            continue;
        // Some jitter, so that rates look measured rather than computed.
        const double jitter = 0.85 + 0.3 * (0.5 + 0.5 * std::sin(double(now.time_since_epoch().count() % 1000003) + double(c.oid.back())));
        c.fraction += rate * dt * jitter;
        const double whole = std::floor(c.fraction);
        c.fraction -= whole;
        SimCell *cell = m_store.cell(c.oid);
        if (!cell)
            continue;
        if (c.wide)
            cell->value.num = int64_t(uint64_t(cell->value.num) + uint64_t(whole));
        else
            cell->value.num = int64_t((uint64_t(cell->value.num) + uint64_t(whole)) & 0xffffffffULL);
    }
    sampleHistory(now);
    sampleAlarms(now);
    if (m_saving && now >= m_saveDone) {
        m_saving = false;
        saveConfig();
    }
    if (m_faults.silentUntil != Clock::time_point{} && now >= m_faults.silentUntil) {
        m_faults.silentUntil = {};
        setInt(simOidText(kSimControl) + ".3.0", 0);
    }
}

SimValue SimModel::read(const SimOid &oid, const SimCell &cell) const
{
    (void)oid;
    if (!cell.def)
        return cell.value;
    const unsigned long up = m_uptime();
    auto dateText = [](std::time_t t) {
        char buf[64];
        std::tm tm{};
        localtime_r(&t, &tm);
        std::strftime(buf, sizeof buf, "%d/%m/%Y %H:%M:%S", &tm);
        return std::string(buf);
    };
    switch (cell.def->hook) {
    case SimHook::UpTimeTicks:
        return simMakeInt(int64_t(up), SimType::TimeTicks);
    case SimHook::SinceTopology:
        return simMakeInt(int64_t(up >= m_lastTopologyChange ? up - m_lastTopologyChange : 0), SimType::TimeTicks);
    case SimHook::TimeText:
        return simMakeText(dateText(std::time(nullptr)));
    case SimHook::BootTimeText:
        return simMakeText(dateText(m_bootTime));
    case SimHook::UpTimeText: {
        const unsigned long s = up / 100;
        char buf[64];
        std::snprintf(buf, sizeof buf, "%lu days %02lu:%02lu:%02lu", s / 86400, s / 3600 % 24, s / 60 % 60, s % 60);
        return simMakeText(buf);
    }
    case SimHook::CpuLoad: {
        const double t = std::chrono::duration<double>(Clock::now() - m_start).count();
        const double base = double(cell.value.num);
        return simMakeInt(int64_t(std::lround(base + 4.0 * std::sin(t / (7.0 + base)) + 3.0)));
    }
    default:
        return cell.value;
    }
}

SimError SimModel::checkSet(const std::vector<SimVarBind> &vbs, size_t *failedAt) const
{
    // The bridge timers must keep 2 x (forward delay - 1 s) >= max age >= 2 x (hello time + 1 s).
    int64_t maxAge = intAt(kBridgeMaxAge), hello = intAt(kBridgeHello), delay = intAt(kBridgeForwardDelay);
    std::optional<size_t> touched;
    for (size_t i = 0; i < vbs.size(); ++i) {
        const std::string o = simOidText(vbs[i].oid);
        if (o == kBridgeMaxAge)
            maxAge = vbs[i].value.num;
        else if (o == kBridgeHello)
            hello = vbs[i].value.num;
        else if (o == kBridgeForwardDelay)
            delay = vbs[i].value.num;
        else
            continue;
        touched = i;
    }
    if (touched && (2 * (delay - 100) < maxAge || maxAge < 2 * (hello + 100))) {
        if (failedAt)
            *failedAt = *touched;
        return SimError::InconsistentValue;
    }
    return SimError::NoError;
}

void SimModel::written(const std::vector<SimWrite> &writes)
{
    bool rowsChanged = false;
    bool vlansChanged = false;
    for (const SimWrite &w : writes) {
        SimOid entry;
        if (m_store.tableOf(w.oid, &entry)) {
            const uint32_t column = w.oid[entry.size()];
            const SimOid suffix(w.oid.begin() + long(entry.size()) + 1, w.oid.end());
            rowsChanged = true;
            if (entry == kVlanStaticEntry)
                vlansChanged = true;
            if (entry == kHistoryControlEntry) {
                if (column == 3)
                    m_store.set(join(kHistoryControlEntry, 4, suffix),
                                simMakeInt(std::min<int64_t>(w.value.num, kMaxBuckets)));
                if (column == 7) {
                    m_history.erase(suffix);
                    if (w.value.num != 1) {
                        // A history entry that is not valid keeps no samples.
                        for (const SimOid &row : m_store.rows(kEtherHistoryEntry))
                            if (row.size() == 2 && suffix.size() == 1 && row[0] == suffix[0])
                                m_store.removeRow(kEtherHistoryEntry, row);
                    }
                }
            }
            if (entry == kAlarmEntry && column == 12)
                m_alarms.erase(suffix);
            if (entry == kEventEntry && column == 7 && w.value.num == 4)
                for (const SimOid &row : m_store.rows(kLogEntry))
                    if (row.size() == 2 && suffix.size() == 1 && row[0] == suffix[0])
                        m_store.removeRow(kLogEntry, row);
        }
        if (!w.def)
            continue;
        switch (w.def->hook) {
        case SimHook::Reboot:
            if (w.value.num == 2 || w.value.num == 3)
                m_rebootRequested = true;
            m_store.set(w.oid, simMakeInt(1));
            break;
        case SimHook::SaveConfig:
            if (w.value.num == 3) {
                m_saving = true;
                m_saveDone = Clock::now() + std::chrono::milliseconds(m_options.saveMs);
                setInt(kConfigSaveStatus, 2);
            }
            break;
        case SimHook::AdminStatus:
            break;
        case SimHook::SimControl: {
            const uint32_t item = w.oid[w.oid.size() - 2];
            if (item == 1)
                m_faults.dropPercent = int(w.value.num);
            else if (item == 2)
                m_faults.delayMs = int(w.value.num);
            else if (item == 3)
                m_faults.silentUntil = w.value.num > 0 ? Clock::now() + std::chrono::seconds(w.value.num) : Clock::time_point{};
            else if (item == 4 && w.value.num == 1)
                setCountersNearWrap();
            else if (item == 5)
                m_options.scenarioRunning = w.value.num == 1;
            break;
        }
        default:
            break;
        }
    }
    if (vlansChanged)
        mirrorVlans();
    if (rowsChanged)
        rebuildCounters();
    applyLinks(false);
}

void SimModel::sampleHistory(Clock::time_point now)
{
    for (const SimOid &row : m_store.rows(kHistoryControlEntry)) {
        if (intAt(simOidText(join(kHistoryControlEntry, 7, row))) != 1)
            continue;
        const int64_t interval = std::max<int64_t>(1, intAt(simOidText(join(kHistoryControlEntry, 5, row)), 30));
        const SimCell *source = m_store.get(join(kHistoryControlEntry, 2, row));
        const uint32_t port = source && !source->value.oid.empty() ? source->value.oid.back() : 0;
        auto current = [&](int64_t out[6]) {
            out[0] = intAt(simOidText(join(kIfEntry, 10, port)));
            out[1] = intAt(simOidText(join(kIfEntry, 11, port))) + intAt(simOidText(join(kIfEntry, 12, port)));
            out[2] = intAt(simOidText(join(kIfXEntry, 3, port)));
            out[3] = intAt(simOidText(join(kIfXEntry, 2, port)));
            out[4] = intAt(simOidText(join(kIfEntry, 13, port)));
            out[5] = intAt(simOidText(join(kIfEntry, 14, port)));
        };
        auto it = m_history.find(row);
        if (it == m_history.end()) {
            HistoryState h;
            h.next = now + std::chrono::seconds(interval);
            h.intervalStart = now;
            current(h.last);
            // Restart numbering after any samples this entry already holds.
            for (const SimOid &s : m_store.rows(kEtherHistoryEntry))
                if (s.size() == 2 && s[0] == row[0])
                    h.sample = std::max(h.sample, s[1]);
            m_history[row] = h;
            continue;
        }
        HistoryState &h = it->second;
        if (now < h.next)
            continue;
        int64_t values[6];
        current(values);
        auto delta = [&](int i) { return (values[i] - h.last[i]) & 0xffffffffLL; };
        const SimOid sampleRow{row[0], ++h.sample};
        const SimTableDef *historyTable = m_store.tableOf(kEtherHistoryEntry);
        if (m_store.createRow(historyTable, sampleRow)) {
            const unsigned long startTicks = m_uptime() - (unsigned long)(interval * 100);
            m_store.set(join(kEtherHistoryEntry, 3, sampleRow), simMakeInt(int64_t(startTicks), SimType::TimeTicks));
            m_store.set(join(kEtherHistoryEntry, 4, sampleRow), simMakeInt(0, SimType::Counter32));
            m_store.set(join(kEtherHistoryEntry, 5, sampleRow), simMakeInt(delta(0), SimType::Counter32));
            m_store.set(join(kEtherHistoryEntry, 6, sampleRow), simMakeInt(delta(1), SimType::Counter32));
            m_store.set(join(kEtherHistoryEntry, 7, sampleRow), simMakeInt(delta(2), SimType::Counter32));
            m_store.set(join(kEtherHistoryEntry, 8, sampleRow), simMakeInt(delta(3), SimType::Counter32));
            m_store.set(join(kEtherHistoryEntry, 9, sampleRow), simMakeInt(delta(5), SimType::Counter32));
            const double speed = port >= 49 ? 1e9 : 1e8;
            const double utilisation = double(delta(0)) * 8.0 * 10000.0 / (double(interval) * speed);
            m_store.set(join(kEtherHistoryEntry, 15, sampleRow), simMakeInt(std::min<int64_t>(10000, std::llround(utilisation))));
        }
        std::copy(values, values + 6, h.last);
        h.intervalStart = now;
        h.next = now + std::chrono::seconds(interval);
        const int64_t granted = intAt(simOidText(join(kHistoryControlEntry, 4, row)), kMaxBuckets);
        std::vector<SimOid> samples;
        for (const SimOid &s : m_store.rows(kEtherHistoryEntry))
            if (s.size() == 2 && s[0] == row[0])
                samples.push_back(s);
        for (size_t i = 0; int64_t(samples.size() - i) > granted; ++i)
            m_store.removeRow(kEtherHistoryEntry, samples[i]);
    }
}

void SimModel::sampleAlarms(Clock::time_point now)
{
    for (const SimOid &row : m_store.rows(kAlarmEntry)) {
        if (intAt(simOidText(join(kAlarmEntry, 12, row))) != 1)
            continue;
        const int64_t interval = std::max<int64_t>(1, intAt(simOidText(join(kAlarmEntry, 2, row)), 10));
        const SimCell *variable = m_store.get(join(kAlarmEntry, 3, row));
        const SimCell *sampled = variable ? m_store.get(variable->value.oid) : nullptr;
        AlarmState &a = m_alarms[row];
        if (!a.started) {
            const int64_t startup = intAt(simOidText(join(kAlarmEntry, 6, row)), 3);
            a.started = true;
            a.armedRising = startup != 2;
            a.armedFalling = startup != 1;
            a.previous = sampled ? sampled->value.num : 0;
            a.next = now + std::chrono::seconds(interval);
            continue;
        }
        if (now < a.next)
            continue;
        a.next = now + std::chrono::seconds(interval);
        if (!sampled)
            continue;
        const int64_t raw = sampled->value.num;
        const bool deltaType = intAt(simOidText(join(kAlarmEntry, 4, row)), 2) == 2;
        int64_t value = raw;
        if (deltaType)
            value = sampled->value.type == SimType::Integer ? raw - a.previous : ((raw - a.previous) & 0xffffffffLL);
        a.previous = raw;
        value = std::clamp<int64_t>(value, INT32_MIN, INT32_MAX);
        m_store.set(join(kAlarmEntry, 5, row), simMakeInt(value));
        const int64_t rising = intAt(simOidText(join(kAlarmEntry, 7, row)));
        const int64_t falling = intAt(simOidText(join(kAlarmEntry, 8, row)));
        const std::string what = "alarm " + std::to_string(row[0]) + " on " + simOidText(variable->value.oid) + " value "
            + std::to_string(value);
        if (value >= rising && a.armedRising) {
            a.armedRising = false;
            a.armedFalling = true;
            fireEvent(intAt(simOidText(join(kAlarmEntry, 9, row))), "rising " + what + " >= " + std::to_string(rising), row,
                      true);
        } else if (value <= falling && a.armedFalling) {
            a.armedFalling = false;
            a.armedRising = true;
            fireEvent(intAt(simOidText(join(kAlarmEntry, 10, row))), "falling " + what + " <= " + std::to_string(falling),
                      row, false);
        }
    }
}

void SimModel::fireEvent(int64_t eventIndex, const std::string &what, const SimOid &alarmRow, bool rising)
{
    if (eventIndex <= 0)
        return;
    const SimOid row{uint32_t(eventIndex)};
    if (intAt(simOidText(join(kEventEntry, 7, row))) != 1)
        return;
    m_store.set(join(kEventEntry, 5, row), simMakeInt(int64_t(m_uptime()), SimType::TimeTicks));
    const int64_t type = intAt(simOidText(join(kEventEntry, 3, row)));
    // snmp-trap (3) and log-and-trap (4) send; log (2) and log-and-trap write the log table.
    if ((type == 3 || type == 4) && m_notify) {
        SimNotification n{simParseOid(rising ? "1.3.6.1.2.1.16.0.1" : "1.3.6.1.2.1.16.0.2"), {}};
        for (uint32_t column : {1u, 3u, 4u, 5u, rising ? 7u : 8u})
            if (const SimCell *c = m_store.get(join(kAlarmEntry, column, alarmRow)))
                n.vbs.push_back({join(kAlarmEntry, column, alarmRow), c->value});
        m_notify(n);
    }
    if (type != 2 && type != 4)
        return;
    std::vector<SimOid> logs;
    for (const SimOid &s : m_store.rows(kLogEntry))
        if (s.size() == 2 && s[0] == row[0])
            logs.push_back(s);
    const uint32_t next = logs.empty() ? 1 : logs.back()[1] + 1;
    const SimOid logRow{row[0], next};
    if (!m_store.createRow(m_store.tableOf(kLogEntry), logRow))
        return;
    m_store.set(join(kLogEntry, 3, logRow), simMakeInt(int64_t(m_uptime()), SimType::TimeTicks));
    const SimCell *description = m_store.get(join(kEventEntry, 2, row));
    m_store.set(join(kLogEntry, 4, logRow), simMakeText((description ? description->value.bytes + ": " : std::string()) + what));
    for (size_t i = 0; logs.size() + 1 - i > size_t(kMaxLogPerEvent); ++i)
        m_store.removeRow(kLogEntry, logs[i]);
}

void SimModel::mirrorVlans()
{
    for (const SimOid &row : m_store.rows(kVlanCurrentEntry))
        m_store.removeRow(kVlanCurrentEntry, row);
    int64_t count = 0;
    for (const SimOid &row : m_store.rows(kVlanStaticEntry)) {
        const SimOid current{0, row[0]};
        if (!m_store.createRow(m_store.tableOf(kVlanCurrentEntry), current))
            continue;
        ++count;
        if (const SimCell *egress = m_store.get(join(kVlanStaticEntry, 2, row)))
            m_store.set(join(kVlanCurrentEntry, 4, current), egress->value);
        if (const SimCell *untagged = m_store.get(join(kVlanStaticEntry, 4, row)))
            m_store.set(join(kVlanCurrentEntry, 5, current), untagged->value);
    }
    m_store.set(simParseOid("1.3.6.1.2.1.17.7.1.1.4.0"), simMakeInt(count, SimType::Gauge32));
}

void SimModel::reboot()
{
    m_rebootRequested = false;
    m_store.reset();
    m_history.clear();
    m_alarms.clear();
    m_counters.clear();
    m_saving = false;
    m_start = m_last = Clock::now();
    m_bootTime = std::time(nullptr);
    m_lastTopologyChange = 0;
    loadConfig();
    mirrorVlans();
    applyLinks(true);
    seedRmon();
    rebuildCounters();
    if (m_options.wrapSoon)
        setCountersNearWrap();
}

// The saved configuration: every writable value and every row of the tables whose rows can be
// created, one "oid type hex" line each.
void SimModel::saveConfig()
{
    if (m_options.stateDir.empty()) {
        setInt(kConfigSaveStatus, 3);
        setInt(kAgentSaveCfg, 2);
        return;
    }
    const std::string path = m_options.stateDir + "/saved-config.txt";
    std::ofstream out(path + ".new", std::ios::trunc);
    for (const auto &[oid, cell] : m_store.cells()) {
        if (!cell.def || cell.def->hook == SimHook::SimControl || cell.def->hook == SimHook::Reboot
            || cell.def->hook == SimHook::SaveConfig)
            continue;
        const SimTableDef *table = m_store.tableOf(oid);
        const bool rowData = table && table->control != SimRowControl::None;
        if (cell.def->access != SimAccess::ReadWrite && !rowData)
            continue;
        out << simOidText(oid) << ' ' << int(cell.value.type) << ' '
            << (cell.value.type == SimType::ObjectId ? simOidText(cell.value.oid)
                                                     : (cell.value.type == SimType::Octets || cell.value.type == SimType::IpAddress
                                                            ? "x" + hexText(cell.value.bytes)
                                                            : std::to_string(cell.value.num)))
            << '\n';
    }
    out.close();
    const bool ok = out.good() && std::rename((path + ".new").c_str(), path.c_str()) == 0;
    setInt(kConfigSaveStatus, ok ? 3 : 4);
    setInt(kAgentSaveCfg, 2);
}

void SimModel::loadConfig()
{
    if (m_options.stateDir.empty())
        return;
    std::ifstream in(m_options.stateDir + "/saved-config.txt");
    if (!in)
        return;
    // Rows of creatable tables come only from the saved file.
    std::set<SimOid> cleared;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string oidText, text;
        int type = 0;
        if (!(words >> oidText >> type))
            continue;
        std::getline(words >> std::ws, text);
        const SimOid oid = simParseOid(oidText);
        SimOid entry;
        const SimTableDef *table = m_store.tableOf(oid, &entry);
        if (table && table->control != SimRowControl::None && oid.size() > entry.size() + 1) {
            if (cleared.insert(entry).second)
                for (const SimOid &row : m_store.rows(entry))
                    m_store.removeRow(entry, row);
            const SimOid suffix(oid.begin() + long(entry.size()) + 1, oid.end());
            if (!m_store.get(oid))
                m_store.createRow(table, suffix);
        }
        SimCell *cell = m_store.cell(oid);
        if (!cell || int(cell->value.type) != type)
            continue;
        if (cell->value.type == SimType::ObjectId)
            cell->value.oid = simParseOid(text);
        else if (cell->value.type == SimType::Octets || cell->value.type == SimType::IpAddress)
            cell->value.bytes = simFromHex(text.substr(1));
        else
            cell->value.num = std::strtoll(text.c_str(), nullptr, 10);
    }
}

int64_t SimModel::intAt(const std::string &oid, int64_t fallback) const
{
    const SimCell *c = m_store.get(simParseOid(oid));
    return c ? c->value.num : fallback;
}

void SimModel::setInt(const std::string &oid, int64_t v)
{
    if (SimCell *c = m_store.cell(simParseOid(oid)))
        c->value.num = v;
}
