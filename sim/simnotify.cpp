// Notifications through the agent library: send_v2trap reaches the trap sessions and, through the
// notification modules, every target of snmpNotifyTable/snmpTargetAddrTable; v1 destinations get
// the converted form.
#include "simnotify.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <cstdio>

namespace {

void addBinding(netsnmp_variable_list **list, const SimVarBind &vb)
{
    std::vector<oid> name(vb.oid.begin(), vb.oid.end());
    const SimValue &v = vb.value;
    switch (v.type) {
    case SimType::Integer: {
        const long n = long(v.num);
        snmp_varlist_add_variable(list, name.data(), name.size(), ASN_INTEGER, &n, sizeof n);
        break;
    }
    case SimType::Octets:
    case SimType::IpAddress:
        snmp_varlist_add_variable(list, name.data(), name.size(), u_char(v.type), v.bytes.data(), v.bytes.size());
        break;
    case SimType::ObjectId: {
        std::vector<oid> arcs(v.oid.begin(), v.oid.end());
        if (arcs.size() < 2)
            arcs = {0, 0};
        snmp_varlist_add_variable(list, name.data(), name.size(), ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        const u_long n = u_long(uint32_t(v.num));
        snmp_varlist_add_variable(list, name.data(), name.size(), u_char(v.type), &n, sizeof n);
        break;
    }
    case SimType::Counter64: {
        counter64 c;
        c.high = u_long(uint64_t(v.num) >> 32);
        c.low = u_long(uint64_t(v.num) & 0xffffffffULL);
        snmp_varlist_add_variable(list, name.data(), name.size(), ASN_COUNTER64, &c, sizeof c);
        break;
    }
    }
}

} // namespace

std::string simCheckNotifyTarget(const std::string &t)
{
    const size_t colon = t.rfind(':');
    if (colon == std::string::npos || colon + 1 >= t.size())
        return "--notify needs ADDRESS:PORT";
    const std::string host = t.substr(0, colon);
    const std::string port = t.substr(colon + 1);
    char *end = nullptr;
    const long p = std::strtol(port.c_str(), &end, 10);
    if (*end || p < 1 || p > 65535)
        return "--notify: bad port " + port;
    if (host.rfind("127.", 0) != 0 && host != "[::1]")
        return "--notify: only loopback addresses (127.x.y.z or [::1])";
    return {};
}

std::string simNotifyConfig(const SimNotifyOptions &o, const std::string &community, const std::string &authPass,
                            const std::string &privPass)
{
    std::string out;
    for (const std::string &t : o.targets) {
        const bool v6 = t.rfind('[', 0) == 0;
        std::string line = "trapsess -r 1 -t 1 ";
        if (o.inform)
            line += "-Ci ";
        if (o.version == "v3")
            line += std::string("-v 3 -u ") + kSimNotifyUser + " -l authPriv -a SHA -A " + authPass + " -x AES -X " +
                    privPass + " ";
        else
            line += std::string("-v ") + (o.version == "v1" ? "1" : "2c") + " -c " + community + " ";
        line += (v6 ? "udp6:" : "udp:") + t + "\n";
        out += line;
    }
    return out;
}

void simSendNotification(const SimNotification &n)
{
    static const oid snmpTrapOid0[] = {1, 3, 6, 1, 6, 3, 1, 1, 4, 1, 0};
    netsnmp_variable_list *vars = nullptr;
    std::vector<oid> trap(n.trapOid.begin(), n.trapOid.end());
    snmp_varlist_add_variable(&vars, snmpTrapOid0, OID_LENGTH(snmpTrapOid0), ASN_OBJECT_ID, trap.data(),
                              trap.size() * sizeof(oid));
    for (const SimVarBind &vb : n.vbs)
        addBinding(&vars, vb);
    send_v2trap(vars);
    snmp_free_varbind(vars);
}

void simSendStart(bool warm)
{
    send_easy_trap(warm ? SNMP_TRAP_WARMSTART : SNMP_TRAP_COLDSTART, 0);
}
