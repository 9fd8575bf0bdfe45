// The simulated switch's behaviour over its object store: link states that follow a scenario,
// counters that grow with traffic, RMON sampling, alarms and the event log, configuration save and
// reboot, and the fault settings that the front end applies to requests.
#pragma once

#include "simstore.h"

#include <chrono>
#include <functional>
#include <string>

struct SimOptions {
    std::string stateDir;
    bool scenarioRunning = true;  // link states change over time
    int scenarioStepSeconds = 10; // one step of the link scenario
    bool wrapSoon = false;        // Counter32 values start close to 2^32
    int wrapSeconds = 30;         // how soon they wrap
    int saveMs = 1000;            // a configuration save takes this long
    int rebootMs = 1000;          // the switch is silent this long while it restarts
};

// A notification the switch sends: its OID (snmpTrapOID) and bindings.
struct SimNotification {
    SimOid trapOid;
    std::vector<SimVarBind> vbs;
};

// Fault injection, applied by the front end to every request.
struct SimFaults {
    int dropPercent = 0;
    int delayMs = 0;
    bool silent = false;                                  // stopped answering until resumed
    std::chrono::steady_clock::time_point silentUntil{}; // stopped answering for a while
};

class SimModel
{
public:
    using Clock = std::chrono::steady_clock;

    SimModel(SimStore &store, const SimOptions &options, SimFaults &faults, unsigned long (*uptime)());

    // Brings dynamic values up to now (cheap when called often).
    void advance();
    // Value of a cell as read now (dynamic hooks computed here).
    SimValue read(const SimOid &oid, const SimCell &cell) const;
    // Effects of a committed SET.
    void written(const std::vector<SimWrite> &writes);
    // Cross-object checks a switch makes on a SET (e.g. the bridge timer relations); NoError when fine.
    SimError checkSet(const std::vector<SimVarBind> &vbs, size_t *failedAt) const;

    // Restart after a reboot write: counters, uptime and unsaved settings start afresh.
    bool rebootRequested() const { return m_rebootRequested; }
    void reboot();

    SimFaults &faults() { return m_faults; }
    // RMON switched off in the device control hides the RMON groups.
    bool rmonEnabled() const { return intAt("1.3.6.1.4.1.171.11.2.1.2.3.0", 3) == 3; }
    bool portUp(int port) const { return port >= 1 && port <= kPorts && m_linkUp[port]; }
    void setCountersNearWrap();
    // Receives linkDown/linkUp (when the port's ifLinkUpDownTrapEnable is enabled) and RMON
    // risingAlarm/fallingAlarm (when the event's type asks for a trap).
    void setNotifier(std::function<void(const SimNotification &)> notify) { m_notify = std::move(notify); }

    static constexpr int kPorts = 50;

private:
    struct Counter {
        SimOid oid;
        double rate;      // per second, already scaled for the port
        double fraction;  // growth not yet added
        int port;         // 0: not tied to a port
        SimOid statsRow;  // RMON statistics rows: the row whose status and data source gate growth
        bool wide;
    };
    struct HistoryState {
        Clock::time_point next;
        Clock::time_point intervalStart;
        uint32_t sample = 0;
        int64_t last[6] = {};
    };
    struct AlarmState {
        Clock::time_point next;
        bool started = false;
        bool armedRising = true;
        bool armedFalling = true;
        int64_t previous = 0;
    };

    void rebuildCounters();
    void applyLinks(bool initial);
    bool scenarioLink(int port, long step) const;
    int portOfDataSource(const SimOid &statsSuffix) const;
    void seedRmon();
    void sampleHistory(Clock::time_point now);
    void sampleAlarms(Clock::time_point now);
    void fireEvent(int64_t eventIndex, const std::string &what, const SimOid &alarmRow, bool rising);
    void mirrorVlans();
    void saveConfig();
    void loadConfig();
    int64_t intAt(const std::string &oid, int64_t fallback = 0) const;
    void setInt(const std::string &oid, int64_t v);
    double portScale(int port) const;

    SimStore &m_store;
    SimOptions m_options;
    unsigned long (*m_uptime)();
    std::function<void(const SimNotification &)> m_notify;
    SimFaults &m_faults;
    std::vector<Counter> m_counters;
    std::map<SimOid, HistoryState> m_history; // by control row suffix
    std::map<SimOid, AlarmState> m_alarms;    // by alarm row suffix
    bool m_linkUp[kPorts + 1] = {};
    Clock::time_point m_start;
    Clock::time_point m_last;
    Clock::time_point m_saveDone{};
    bool m_saving = false;
    bool m_rebootRequested = false;
    long m_step = -1;
    unsigned long m_lastTopologyChange = 0;
    std::time_t m_bootTime = 0;
};
