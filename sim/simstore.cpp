#include "simstore.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>

SimOid simParseOid(const std::string &text)
{
    SimOid oid;
    const char *p = text.c_str();
    while (*p) {
        if (*p == '.') {
            ++p;
            continue;
        }
        char *end = nullptr;
        const unsigned long v = std::strtoul(p, &end, 10);
        if (end == p)
            return {};
        oid.push_back(uint32_t(v));
        p = end;
    }
    return oid;
}

std::string simOidText(const SimOid &oid)
{
    std::string s;
    for (size_t i = 0; i < oid.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(oid[i]);
    }
    return s;
}

bool simOidStartsWith(const SimOid &oid, const SimOid &prefix)
{
    return oid.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), oid.begin());
}

SimValue simMakeInt(int64_t v, SimType t)
{
    SimValue r;
    r.type = t;
    r.num = v;
    return r;
}

SimValue simMakeText(const std::string &s, SimType t)
{
    SimValue r;
    r.type = t;
    r.bytes = s;
    return r;
}

SimValue simMakeOid(const SimOid &o)
{
    SimValue r;
    r.type = SimType::ObjectId;
    r.oid = o;
    return r;
}

std::string simFromHex(const std::string &hex)
{
    std::string out;
    int nibble = -1;
    for (char c : hex) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else
            continue;
        if (nibble < 0) {
            nibble = v;
        } else {
            out += char((nibble << 4) | v);
            nibble = -1;
        }
    }
    return out;
}

namespace {

std::vector<std::string> split(const std::string &s, char sep)
{
    std::vector<std::string> parts;
    std::string cur;
    bool quoted = false;
    for (char c : s) {
        if (c == '\'')
            quoted = !quoted;
        if (c == sep && !quoted) {
            parts.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    parts.push_back(cur);
    return parts;
}

std::string replaceAll(std::string s, const std::string &what, const std::string &with)
{
    for (size_t p = s.find(what); p != std::string::npos; p = s.find(what, p + with.size()))
        s.replace(p, what.size(), with);
    return s;
}

// "a-b" or "n" against v.
bool inRange(const std::string &spec, int64_t v)
{
    const size_t dash = spec.find('-', 1);
    if (dash == std::string::npos)
        return std::strtoll(spec.c_str(), nullptr, 10) == v;
    return v >= std::strtoll(spec.substr(0, dash).c_str(), nullptr, 10)
        && v <= std::strtoll(spec.substr(dash + 1).c_str(), nullptr, 10);
}

bool inSet(const std::string &spec, int64_t v)
{
    for (const std::string &part : split(spec, ','))
        if (inRange(part, v))
            return true;
    return false;
}

bool isNumeric(SimType t)
{
    return t == SimType::Integer || t == SimType::Counter32 || t == SimType::Gauge32 || t == SimType::TimeTicks
        || t == SimType::Counter64;
}

// Index arcs of one index value given in a row specification.
std::vector<SimOid> indexArcs(const std::string &kind, const std::string &token)
{
    if (kind == "int") {
        const size_t dash = token.find('-', 1);
        if (dash == std::string::npos)
            return {SimOid{uint32_t(std::strtoul(token.c_str(), nullptr, 10))}};
        std::vector<SimOid> all;
        const uint32_t a = uint32_t(std::strtoul(token.substr(0, dash).c_str(), nullptr, 10));
        const uint32_t b = uint32_t(std::strtoul(token.substr(dash + 1).c_str(), nullptr, 10));
        for (uint32_t v = a; v <= b; ++v)
            all.push_back(SimOid{v});
        return all;
    }
    if (kind == "mac") {
        SimOid o;
        for (unsigned char c : simFromHex(token))
            o.push_back(c);
        return {o};
    }
    if (kind == "str" || kind == "str*") {
        std::string text = token;
        if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'')
            text = text.substr(1, text.size() - 2);
        SimOid o;
        if (kind == "str")
            o.push_back(uint32_t(text.size()));
        for (unsigned char c : text)
            o.push_back(c);
        return {o};
    }
    return {simParseOid(token)}; // ip, oid*
}

} // namespace

std::vector<int64_t> simIndexValues(const std::vector<std::string> &index, const SimOid &suffix)
{
    std::vector<int64_t> values;
    size_t pos = 0;
    for (const std::string &kind : index) {
        if (pos >= suffix.size())
            break;
        if (kind == "int") {
            values.push_back(suffix[pos++]);
        } else if (kind == "ip") {
            int64_t v = 0;
            for (size_t i = 0; i < 4; ++i)
                v = (v << 8) | (pos + i < suffix.size() ? (suffix[pos + i] & 0xff) : 0);
            values.push_back(v);
            pos += 4;
        } else if (kind == "mac") {
            values.push_back(0);
            pos += 6;
        } else if (kind == "str") {
            values.push_back(0);
            pos += 1 + suffix[pos];
        } else {
            values.push_back(0);
            pos = suffix.size();
        }
    }
    return values;
}

SimValue simInitialValue(const SimObjectDef &def, const SimOid &suffix, const std::vector<int64_t> &indexValues)
{
    std::string text;
    if (def.init) {
        const std::vector<std::string> alternatives = split(def.init, ';');
        text = alternatives.front();
        const int64_t first = indexValues.empty() ? 0 : indexValues.front();
        for (size_t i = 1; i < alternatives.size(); ++i) {
            const size_t eq = alternatives[i].find('=');
            if (eq != std::string::npos && inSet(alternatives[i].substr(0, eq), first)) {
                text = alternatives[i].substr(eq + 1);
                break;
            }
        }
        if (!indexValues.empty()) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "%02X", unsigned(indexValues.front() & 0xff));
            text = replaceAll(text, "{i}", std::to_string(indexValues.front()));
            text = replaceAll(text, "{x}", hex);
        }
        if (indexValues.size() > 1)
            text = replaceAll(text, "{j}", std::to_string(indexValues[1]));
        if (text.find("{ip}") != std::string::npos && suffix.size() >= 4)
            text = replaceAll(text, "{ip}", simOidText(SimOid(suffix.begin(), suffix.begin() + 4)));
    }
    SimValue v;
    v.type = def.type;
    switch (def.type) {
    case SimType::Integer:
        v.num = std::strtoll(text.c_str(), nullptr, 10);
        break;
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks:
    case SimType::Counter64:
        v.num = int64_t(std::strtoull(text.c_str(), nullptr, 10));
        break;
    case SimType::Octets:
        v.bytes = text.rfind("0x", 0) == 0 ? simFromHex(text.substr(2)) : text;
        break;
    case SimType::IpAddress: {
        const SimOid arcs = simParseOid(text.empty() ? "0.0.0.0" : text);
        for (size_t i = 0; i < 4; ++i)
            v.bytes += char(i < arcs.size() ? arcs[i] : 0);
        break;
    }
    case SimType::ObjectId:
        v.oid = simParseOid(text.empty() ? "0.0" : text);
        break;
    }
    return v;
}

SimError simCheckValue(const SimObjectDef &def, const SimValue &v)
{
    if (v.type != def.type)
        return SimError::WrongType;
    if (v.type == SimType::IpAddress && v.bytes.size() != 4)
        return SimError::WrongLength;
    if (!def.allowed)
        return SimError::NoError;
    const std::string allowed = def.allowed;
    if (allowed.rfind("len ", 0) == 0) {
        if (v.type == SimType::Octets && !inSet(allowed.substr(4), int64_t(v.bytes.size())))
            return SimError::WrongLength;
        return SimError::NoError;
    }
    if (isNumeric(v.type) && !inSet(allowed, v.num))
        return SimError::WrongValue;
    return SimError::NoError;
}

SimStore::SimStore(const SimObjectDef *objects, const SimTableDef *tables)
{
    for (const SimTableDef *t = tables; t->entry; ++t) {
        Table table{t, simParseOid(t->entry), {}, {}};
        std::istringstream words(t->index);
        for (std::string w; words >> w;)
            table.index.push_back(w);
        m_tables.push_back(table);
    }
    // Longest entry first, so that nested entries are found before their parents.
    std::sort(m_tables.begin(), m_tables.end(), [](const Table &a, const Table &b) { return a.entry.size() > b.entry.size(); });
    for (const SimObjectDef *d = objects; d->oid; ++d) {
        const SimOid oid = simParseOid(d->oid);
        bool column = false;
        for (Table &t : m_tables) {
            if (oid.size() == t.entry.size() + 1 && simOidStartsWith(oid, t.entry)) {
                t.columns[oid.back()] = d;
                column = true;
                break;
            }
        }
        if (!column) {
            SimOid inst = oid;
            inst.push_back(0);
            m_scalars[inst] = d;
        }
    }
    reset();
}

void SimStore::reset()
{
    m_cells.clear();
    for (const auto &[oid, def] : m_scalars)
        m_cells[oid] = SimCell{simInitialValue(*def, {}, {}), def};
    for (const Table &t : m_tables) {
        if (!t.def->rows || !*t.def->rows)
            continue;
        for (const std::string &row : split(t.def->rows, ';')) {
            std::vector<std::string> tokens;
            for (const std::string &tok : split(row, ' '))
                if (!tok.empty())
                    tokens.push_back(tok);
            std::vector<SimOid> suffixes{SimOid{}};
            for (size_t i = 0; i < tokens.size() && i < t.index.size(); ++i) {
                std::vector<SimOid> grown;
                for (const SimOid &s : suffixes)
                    for (const SimOid &arcs : indexArcs(t.index[i], tokens[i])) {
                        SimOid n = s;
                        n.insert(n.end(), arcs.begin(), arcs.end());
                        grown.push_back(n);
                    }
                suffixes = grown;
            }
            for (const SimOid &s : suffixes)
                fillRow(t, s);
        }
    }
}

void SimStore::fillRow(const Table &t, const SimOid &suffix)
{
    const std::vector<int64_t> idx = simIndexValues(t.index, suffix);
    for (const auto &[col, def] : t.columns) {
        SimOid oid = t.entry;
        oid.push_back(col);
        oid.insert(oid.end(), suffix.begin(), suffix.end());
        m_cells[oid] = SimCell{simInitialValue(*def, suffix, idx), def};
    }
}

const SimCell *SimStore::get(const SimOid &oid) const
{
    const auto it = m_cells.find(oid);
    return it == m_cells.end() ? nullptr : &it->second;
}

SimCell *SimStore::cell(const SimOid &oid)
{
    const auto it = m_cells.find(oid);
    return it == m_cells.end() ? nullptr : &it->second;
}

const std::pair<const SimOid, SimCell> *SimStore::next(const SimOid &oid, const SimOid &limit) const
{
    const auto it = m_cells.upper_bound(oid);
    if (it == m_cells.end() || !simOidStartsWith(it->first, limit))
        return nullptr;
    return &*it;
}

const SimStore::Table *SimStore::findTable(const SimOid &oid) const
{
    for (const Table &t : m_tables)
        if (oid.size() > t.entry.size() + 1 && simOidStartsWith(oid, t.entry) && t.columns.count(oid[t.entry.size()]))
            return &t;
    return nullptr;
}

const SimTableDef *SimStore::tableOf(const SimOid &oid, SimOid *entry) const
{
    for (const Table &t : m_tables)
        if (oid.size() >= t.entry.size() && simOidStartsWith(oid, t.entry)) {
            if (entry)
                *entry = t.entry;
            return t.def;
        }
    return nullptr;
}

const SimObjectDef *SimStore::objectDef(const SimOid &oid) const
{
    for (const Table &t : m_tables)
        if (oid.size() >= t.entry.size() + 1 && simOidStartsWith(oid, t.entry)) {
            const auto c = t.columns.find(oid[t.entry.size()]);
            return c == t.columns.end() ? nullptr : c->second;
        }
    SimOid inst = oid;
    if (inst.empty() || inst.back() != 0)
        inst.push_back(0);
    const auto s = m_scalars.find(inst);
    return s == m_scalars.end() ? nullptr : s->second;
}

bool SimStore::knowsObject(const SimOid &oid) const
{
    return objectDef(oid) != nullptr;
}

std::vector<SimOid> SimStore::rows(const SimOid &entry) const
{
    std::vector<SimOid> out;
    for (const Table &t : m_tables) {
        if (t.entry != entry || t.columns.empty())
            continue;
        SimOid first = entry;
        first.push_back(t.columns.begin()->first);
        for (auto it = m_cells.upper_bound(first); it != m_cells.end() && simOidStartsWith(it->first, first); ++it)
            out.emplace_back(it->first.begin() + long(first.size()), it->first.end());
    }
    return out;
}

bool SimStore::validSuffix(const Table &t, const SimOid &suffix) const
{
    size_t pos = 0;
    for (const std::string &kind : t.index) {
        if (pos >= suffix.size())
            return false;
        if (kind == "int") {
            ++pos;
        } else if (kind == "ip") {
            for (int i = 0; i < 4; ++i, ++pos)
                if (pos >= suffix.size() || suffix[pos] > 255)
                    return false;
        } else if (kind == "mac") {
            for (int i = 0; i < 6; ++i, ++pos)
                if (pos >= suffix.size() || suffix[pos] > 255)
                    return false;
        } else if (kind == "str") {
            const size_t len = suffix[pos++];
            if (len > 32 || pos + len > suffix.size())
                return false;
            for (size_t i = 0; i < len; ++i)
                if (suffix[pos + i] > 255)
                    return false;
            pos += len;
        } else if (kind == "str*") {
            for (; pos < suffix.size(); ++pos)
                if (suffix[pos] > 255)
                    return false;
        } else {
            pos = suffix.size();
        }
    }
    return pos == suffix.size();
}

bool SimStore::createRow(const SimTableDef *table, const SimOid &suffix)
{
    for (const Table &t : m_tables)
        if (t.def == table) {
            if (!validSuffix(t, suffix))
                return false;
            fillRow(t, suffix);
            return true;
        }
    return false;
}

void SimStore::removeRow(const SimOid &entry, const SimOid &suffix)
{
    for (const Table &t : m_tables) {
        if (t.entry != entry)
            continue;
        for (const auto &[col, def] : t.columns) {
            SimOid oid = entry;
            oid.push_back(col);
            oid.insert(oid.end(), suffix.begin(), suffix.end());
            m_cells.erase(oid);
        }
    }
}

void SimStore::set(const SimOid &oid, const SimValue &value)
{
    auto it = m_cells.find(oid);
    if (it != m_cells.end())
        it->second.value = value;
}

namespace {

// Status values that create a row, per kind of row control.
bool createsRow(SimRowControl c, int64_t v)
{
    switch (c) {
    case SimRowControl::RowStatus:
        return v == 4 || v == 5;
    case SimRowControl::EntryStatus:
        return v == 2;
    case SimRowControl::ValidInvalid:
        // valid, permanent, and the kinds of entry that follow them (static, deleteOnReset ...)
        return v >= 3;
    case SimRowControl::None:
        break;
    }
    return false;
}

bool removesRow(SimRowControl c, int64_t v)
{
    return (c == SimRowControl::RowStatus && v == 6) || (c == SimRowControl::EntryStatus && v == 4)
        || (c == SimRowControl::ValidInvalid && v == 2);
}

} // namespace

SimError SimStore::checkOne(const SimVarBind &vb, const std::vector<SimVarBind> &all) const
{
    const Table *t = findTable(vb.oid);
    if (!t) {
        const auto s = m_scalars.find(vb.oid);
        if (s == m_scalars.end())
            return knowsObject(vb.oid) ? SimError::NotWritable : SimError::NoCreation;
        if (s->second->access != SimAccess::ReadWrite)
            return SimError::NotWritable;
        return simCheckValue(*s->second, vb.value);
    }
    const SimObjectDef *def = t->columns.at(vb.oid[t->entry.size()]);
    if (def->access != SimAccess::ReadWrite)
        return SimError::NotWritable;
    if (const SimError e = simCheckValue(*def, vb.value); e != SimError::NoError)
        return e;
    const SimOid suffix(vb.oid.begin() + long(t->entry.size()) + 1, vb.oid.end());
    const bool exists = get(vb.oid) != nullptr;
    const SimRowControl control = t->def->control;
    const uint32_t statusCol = t->def->statusColumn;
    const bool isStatus = control != SimRowControl::None && vb.oid[t->entry.size()] == statusCol;

    // The status written to this row by the same request, if any.
    std::optional<int64_t> newStatus;
    for (const SimVarBind &o : all)
        if (o.oid.size() == vb.oid.size() && simOidStartsWith(o.oid, t->entry) && o.oid[t->entry.size()] == statusCol
            && std::equal(o.oid.begin() + long(t->entry.size()) + 1, o.oid.end(), suffix.begin())
            && o.value.type == SimType::Integer)
            newStatus = o.value.num;

    if (!isStatus) {
        if (!exists)
            return control != SimRowControl::None && newStatus && createsRow(control, *newStatus) && validSuffix(*t, suffix)
                ? SimError::NoError
                : SimError::NoCreation;
        // RMON entries change only while under creation.
        if (control == SimRowControl::EntryStatus) {
            SimOid statusOid = t->entry;
            statusOid.push_back(statusCol);
            statusOid.insert(statusOid.end(), suffix.begin(), suffix.end());
            const SimCell *status = get(statusOid);
            if (status && status->value.num == 1 && !(newStatus && *newStatus == 3))
                return SimError::InconsistentValue;
        }
        return SimError::NoError;
    }
    const int64_t v = vb.value.num;
    switch (control) {
    case SimRowControl::RowStatus:
        if (v == 3)
            return SimError::WrongValue;
        if (createsRow(control, v))
            return exists ? SimError::InconsistentValue : (validSuffix(*t, suffix) ? SimError::NoError : SimError::InconsistentName);
        if ((v == 1 || v == 2) && !exists)
            return SimError::InconsistentValue;
        return SimError::NoError;
    case SimRowControl::EntryStatus:
        if (createsRow(control, v))
            return exists ? SimError::InconsistentValue : (validSuffix(*t, suffix) ? SimError::NoError : SimError::InconsistentName);
        if ((v == 1 || v == 3) && !exists)
            return SimError::InconsistentValue;
        return SimError::NoError;
    case SimRowControl::ValidInvalid:
        if (createsRow(control, v) && !exists && !validSuffix(*t, suffix))
            return SimError::InconsistentName;
        return SimError::NoError;
    case SimRowControl::None:
        break;
    }
    return SimError::NoError;
}

SimError SimStore::check(const std::vector<SimVarBind> &vbs, size_t *failedAt) const
{
    for (size_t i = 0; i < vbs.size(); ++i) {
        const SimError e = checkOne(vbs[i], vbs);
        if (e != SimError::NoError) {
            if (failedAt)
                *failedAt = i;
            return e;
        }
    }
    return SimError::NoError;
}

std::vector<SimWrite> SimStore::apply(const std::vector<SimVarBind> &vbs)
{
    std::vector<SimWrite> writes;
    std::vector<std::pair<SimOid, SimOid>> removals; // entry, suffix
    // Rows are created first, so that data columns in the same request land in them.
    for (const SimVarBind &vb : vbs) {
        const Table *t = findTable(vb.oid);
        if (!t || t->def->control == SimRowControl::None || vb.oid[t->entry.size()] != t->def->statusColumn)
            continue;
        const SimOid suffix(vb.oid.begin() + long(t->entry.size()) + 1, vb.oid.end());
        if (createsRow(t->def->control, vb.value.num) && !get(vb.oid))
            fillRow(*t, suffix);
    }
    for (const SimVarBind &vb : vbs) {
        SimCell *c = cell(vb.oid);
        if (!c)
            continue;
        const Table *t = findTable(vb.oid);
        SimValue stored = vb.value;
        if (t && t->def->control != SimRowControl::None && vb.oid[t->entry.size()] == t->def->statusColumn) {
            const SimOid suffix(vb.oid.begin() + long(t->entry.size()) + 1, vb.oid.end());
            const int64_t v = vb.value.num;
            if (removesRow(t->def->control, v))
                removals.emplace_back(t->entry, suffix);
            else if (t->def->control == SimRowControl::RowStatus && v == 4)
                stored.num = 1;
            else if (t->def->control == SimRowControl::RowStatus && v == 5)
                stored.num = 2;
            else if (t->def->control == SimRowControl::EntryStatus && v == 2)
                stored.num = 3;
        }
        c->value = stored;
        writes.push_back(SimWrite{vb.oid, c->def, stored});
    }
    for (const auto &[entry, suffix] : removals)
        removeRow(entry, suffix);
    return writes;
}

std::vector<std::string> SimStore::selfCheck() const
{
    std::vector<std::string> problems;
    for (const auto &[inst, def] : m_scalars) {
        const SimOid object(inst.begin(), inst.end() - 1);
        for (const Table &t : m_tables)
            if (simOidStartsWith(object, t.entry))
                problems.push_back(std::string(def->oid) + " lies in table " + t.def->entry + " but is not one of its columns");
    }
    for (const Table &t : m_tables) {
        if (t.columns.empty())
            problems.push_back(std::string("table ") + t.def->entry + " has no columns");
        if (t.def->control != SimRowControl::None && !t.columns.count(t.def->statusColumn))
            problems.push_back(std::string("table ") + t.def->entry + " lacks its status column");
        if (t.index.empty())
            problems.push_back(std::string("table ") + t.def->entry + " has no index");
    }
    size_t rows = 0;
    for (const auto &[oid, cell] : m_cells) {
        ++rows;
        if (cell.def && cell.def->access == SimAccess::ReadWrite && simCheckValue(*cell.def, cell.value) != SimError::NoError)
            problems.push_back(simOidText(oid) + " starts with a value its own SET would refuse");
    }
    if (rows == 0)
        problems.push_back("no values at all");
    return problems;
}
