#include "simusers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/transform_oids.h>
#include <net-snmp/library/vacm.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

struct ProtocolName {
    const oid *id;
    size_t len;
    const char *name;
};

const ProtocolName kAuth[] = {
    {usmHMACMD5AuthProtocol, OID_LENGTH(usmHMACMD5AuthProtocol), "MD5"},
    {usmHMACSHA1AuthProtocol, OID_LENGTH(usmHMACSHA1AuthProtocol), "SHA"},
    {usmHMAC128SHA224AuthProtocol, OID_LENGTH(usmHMAC128SHA224AuthProtocol), "SHA-224"},
    {usmHMAC192SHA256AuthProtocol, OID_LENGTH(usmHMAC192SHA256AuthProtocol), "SHA-256"},
    {usmHMAC256SHA384AuthProtocol, OID_LENGTH(usmHMAC256SHA384AuthProtocol), "SHA-384"},
    {usmHMAC384SHA512AuthProtocol, OID_LENGTH(usmHMAC384SHA512AuthProtocol), "SHA-512"},
};

const ProtocolName kPriv[] = {
    {usmDESPrivProtocol, OID_LENGTH(usmDESPrivProtocol), "DES"},
    {usmAESPrivProtocol, OID_LENGTH(usmAESPrivProtocol), "AES"},
    {usmAES192PrivProtocol, OID_LENGTH(usmAES192PrivProtocol), "AES192"},
    {usmAES256PrivProtocol, OID_LENGTH(usmAES256PrivProtocol), "AES256"},
};

template <size_t N>
const char *nameOf(const ProtocolName (&table)[N], const oid *id, size_t len)
{
    for (const ProtocolName &p : table)
        if (id && snmp_oid_compare(id, len, p.id, p.len) == 0)
            return p.name;
    return nullptr;
}

std::string hex(const u_char *b, size_t n)
{
    std::string s = "0x";
    char two[3];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(two, sizeof two, "%02x", b[i]);
        s += two;
    }
    return s;
}

// A name the configuration reader takes back unchanged inside double quotes.
bool quotable(const char *name)
{
    if (!name || !*name)
        return false;
    for (const char *c = name; *c; ++c)
        if (*c == '"' || *c == '\\' || static_cast<unsigned char>(*c) < 0x20)
            return false;
    return true;
}

} // namespace

SimUserStore::SimUserStore(std::string stateDir, std::set<std::string> builtIn)
    : m_path(std::move(stateDir) + "/users.conf"), m_builtIn(std::move(builtIn))
{
    m_written = savedConfig();
}

std::string SimUserStore::savedConfig() const
{
    std::ifstream in(m_path);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string SimUserStore::currentConfig() const
{
    u_char local[64];
    const size_t localLen = snmpv3_get_engineID(local, sizeof local);
    std::ostringstream c;
    for (struct usmUser *u = usm_get_userList(); u; u = u->next) {
        // Only finished users of this engine; one still being made is not kept.
        if (!u->name || m_builtIn.count(u->name) || u->userStatus != RS_ACTIVE || !quotable(u->name))
            continue;
        if (u->engineIDLen != localLen || memcmp(u->engineID, local, localLen) != 0)
            continue;
        c << "createUser \"" << u->name << '"';
        if (const char *auth = nameOf(kAuth, u->authProtocol, u->authProtocolLen)) {
            c << ' ' << auth << " -l " << hex(u->authKey, u->authKeyLen);
            if (const char *priv = nameOf(kPriv, u->privProtocol, u->privProtocolLen))
                c << ' ' << priv << " -l " << hex(u->privKey, u->privKeyLen);
        }
        c << "\n";
        if (struct vacm_groupEntry *g = vacm_getGroupEntry(SNMP_SEC_MODEL_USM, u->name))
            if (g->status == RS_ACTIVE && quotable(g->groupName))
                c << "group \"" << g->groupName << "\" usm \"" << u->name << "\"\n";
    }
    return c.str();
}

void SimUserStore::markLoadedUsersNonVolatile() const
{
    for (struct usmUser *u = usm_get_userList(); u; u = u->next) {
        if (!u->name || m_builtIn.count(u->name))
            continue;
        u->userStorageType = ST_NONVOLATILE;
        if (struct vacm_groupEntry *g = vacm_getGroupEntry(SNMP_SEC_MODEL_USM, u->name))
            g->storageType = ST_NONVOLATILE;
    }
}

void SimUserStore::saveIfChanged()
{
    const std::string now = currentConfig();
    if (now == m_written)
        return;
    // A whole file or none: written beside and renamed over.
    const std::string tmp = m_path + ".new";
    {
        std::ofstream out(tmp, std::ios::trunc);
        out << now;
        if (!out)
            return;
    }
    if (std::rename(tmp.c_str(), m_path.c_str()) == 0)
        m_written = now;
}
