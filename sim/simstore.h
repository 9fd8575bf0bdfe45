// The simulated switch's object store: typed values under their full instance OIDs, the definitions
// they come from, and the row logic (RowStatus, EntryStatus) that SETs follow. It knows nothing of the
// SNMP library; the agent glue converts between its types and the library's.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

using SimOid = std::vector<uint32_t>;

SimOid simParseOid(const std::string &text);
std::string simOidText(const SimOid &oid);
bool simOidStartsWith(const SimOid &oid, const SimOid &prefix);

// BER tags of the value types served.
enum class SimType : uint8_t {
    Integer = 0x02,
    Octets = 0x04,
    ObjectId = 0x06,
    IpAddress = 0x40,
    Counter32 = 0x41,
    Gauge32 = 0x42,
    TimeTicks = 0x43,
    Counter64 = 0x46,
};

enum class SimAccess : uint8_t { ReadOnly, ReadWrite };

// Behaviour beyond storing a value. Dynamic values are computed when read; writes with an effect are
// handled by the model after the SET has been committed.
enum class SimHook : uint8_t {
    None,
    Counter,          // grows at `rate` per second while its row carries traffic
    UpTimeTicks,      // agent uptime
    SinceTopology,    // ticks since the last topology change
    TimeText,         // current date/time as text
    UpTimeText,       // uptime as text
    BootTimeText,     // boot date/time as text
    Reboot,           // write 2 or 3: restart
    SaveConfig,       // write 3: save the configuration
    AdminStatus,      // ifAdminStatus: down stops the link
    SimControl,       // fault injection settings
    CpuLoad,          // utilisation figures that wander
};

struct SimValue {
    SimType type = SimType::Integer;
    int64_t num = 0;   // Integer (signed), Counter32/Gauge32/TimeTicks/Counter64 (unsigned)
    std::string bytes; // Octets, IpAddress (4 octets)
    SimOid oid;        // ObjectId
    bool operator==(const SimValue &o) const
    {
        return type == o.type && num == o.num && bytes == o.bytes && oid == o.oid;
    }
};

// One scalar object or table column.
struct SimObjectDef {
    const char *oid;     // scalar object (".0" is added) or table column
    SimType type;
    SimAccess access;
    const char *init;    // initial value, see simInitialValue(); null gives the type's zero
    const char *allowed; // "1-4", "2,3,5", "len 0-32"; null accepts every value of the type
    SimHook hook = SimHook::None;
    uint32_t rate = 0;   // Counter: growth per second
};

enum class SimRowControl : uint8_t {
    None,           // fixed rows
    RowStatus,      // active/notInService/createAndGo/createAndWait/destroy
    EntryStatus,    // valid/createRequest/underCreation/invalid
    ValidInvalid,   // a "3 valid/permanent creates, 2 invalid removes" column
};

struct SimTableDef {
    const char *entry;   // table entry OID
    const char *index;   // index syntax, words of: int ip mac str str* oid*  (* = IMPLIED)
    const char *rows;    // initial rows, ';'-separated; an index is "a-b" (a range), a number, an
                         // address, or 'text'; indexes of one row are separated by ' '
    uint32_t statusColumn = 0;
    SimRowControl control = SimRowControl::None;
};

struct SimCell {
    SimValue value;
    const SimObjectDef *def = nullptr;
};

// Outcome of checking one varbind of a SET, in SNMPv2 error-status numbers.
enum class SimError : int {
    NoError = 0,
    WrongType = 7,
    WrongLength = 8,
    WrongValue = 10,
    NoCreation = 11,
    InconsistentValue = 12,
    NotWritable = 17,
    InconsistentName = 18,
};

struct SimVarBind {
    SimOid oid;
    SimValue value;
};

// What a committed SET did, for the model's hooks.
struct SimWrite {
    SimOid oid;
    const SimObjectDef *def = nullptr;
    SimValue value;
};

class SimStore
{
public:
    SimStore(const SimObjectDef *objects, const SimTableDef *tables);

    // Builds every cell from the definitions (initial rows, initial values).
    void reset();

    const SimCell *get(const SimOid &oid) const;
    SimCell *cell(const SimOid &oid);
    // First cell after oid, at most up to the end of the subtree under limit.
    const std::pair<const SimOid, SimCell> *next(const SimOid &oid, const SimOid &limit) const;
    // True when oid names a defined object (even without an instance).
    bool knowsObject(const SimOid &oid) const;

    // The whole SET as the agent sees it: check every varbind first (index of the first failing
    // one in failedAt), then apply all of them.
    SimError check(const std::vector<SimVarBind> &vbs, size_t *failedAt) const;
    std::vector<SimWrite> apply(const std::vector<SimVarBind> &vbs);

    // Table support for the model.
    const SimTableDef *tableOf(const SimOid &oid, SimOid *entry = nullptr) const;
    std::vector<SimOid> rows(const SimOid &entry) const; // instance suffixes, in order
    bool createRow(const SimTableDef *table, const SimOid &suffix);
    void removeRow(const SimOid &entry, const SimOid &suffix);
    void set(const SimOid &oid, const SimValue &value); // model writes, no checks
    const SimObjectDef *objectDef(const SimOid &columnOrScalar) const;

    // Faults in the definitions themselves: objects outside every table that lie inside one, tables
    // without columns or without their status column, initial values a SET of them would refuse.
    std::vector<std::string> selfCheck() const;

    std::map<SimOid, SimCell> &cells() { return m_cells; }
    const std::map<SimOid, SimCell> &cells() const { return m_cells; }

private:
    struct Table {
        const SimTableDef *def;
        SimOid entry;
        std::vector<std::string> index;
        std::map<uint32_t, const SimObjectDef *> columns;
    };
    struct Scalar {
        const SimObjectDef *def;
        SimOid oid;
    };
    const Table *findTable(const SimOid &oid) const;
    bool validSuffix(const Table &t, const SimOid &suffix) const;
    void fillRow(const Table &t, const SimOid &suffix);
    SimError checkOne(const SimVarBind &vb, const std::vector<SimVarBind> &all) const;

    std::vector<Table> m_tables;
    std::map<SimOid, const SimObjectDef *> m_scalars; // instance OID (with .0) -> definition
    std::map<SimOid, SimCell> m_cells;
};

// Value checks of a definition.
SimError simCheckValue(const SimObjectDef &def, const SimValue &v);
// The initial value of def for a row with these index arcs (first index value substituted for {i},
// second for {j}, two hex digits of the first for {x}, an address index for {ip}; an address index
// counts as its 32-bit number). "A;49-50=B" gives B for rows 49 and 50.
SimValue simInitialValue(const SimObjectDef &def, const SimOid &suffix, const std::vector<int64_t> &indexValues);
SimValue simMakeInt(int64_t v, SimType t = SimType::Integer);
SimValue simMakeText(const std::string &s, SimType t = SimType::Octets);
SimValue simMakeOid(const SimOid &o);
// Hex text without separators.
std::string simFromHex(const std::string &hex);
// Row index values decoded from a suffix by index syntax (numbers only; strings count as 0).
std::vector<int64_t> simIndexValues(const std::vector<std::string> &index, const SimOid &suffix);
