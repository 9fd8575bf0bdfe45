// kmvsim: a simulated KMV-7040QX switch on loopback, built on the agent library of Net-SNMP.
// The system, SNMP, engine, USM, VACM, target and notification groups come from the library's own
// modules; everything else is served from the object store through one handler per subtree.
#include "simcatalogue.h"
#include "simrouting.h"
#include "simfront.h"
#include "simmodel.h"
#include "simnotify.h"
#include "simrmon.h"
#include "simusers.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>
#include <net-snmp/library/large_fd_set.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
void init_system_mib(void);
void init_snmp_mib(void);
void init_vacm_vars(void);
void init_vacm_conf(void);
void init_usmConf(void);
void init_usmUser(void);
void init_usmStats(void);
void init_snmpEngine(void);
void init_snmpMPDStats(void);
void init_snmpTargetAddrEntry(void);
void init_snmpTargetParamsEntry(void);
void init_snmpNotifyTable(void);
void init_snmpNotifyFilterProfileTable(void);
void init_snmpNotifyFilterTable(void);
void init_target_counters(void);
void init_vacm_context(void);
}

namespace {

struct Options {
    std::string listen;
    std::string stateDir;
    std::string readCommunity = "corvet";
    std::string writeCommunity = "lanmore";
    std::string authPass = "kmvauth7040";
    std::string privPass = "kmvpriv7040";
    std::string engineId;
    int dropPercent = 0;
    int delayMs = 0;
    int fdbSize = 3000;
    bool silent = false;
    bool verbose = false;
    SimOptions model;
    SimNotifyOptions notify;
};

// SNMPv3 users: name, authentication, privacy.
struct SimUser {
    const char *name;
    const char *auth;
    const char *priv;
};
constexpr SimUser kUsers[] = {
    {"noAuthUser", nullptr, nullptr},
    {"MD5_User", "MD5", nullptr},
    {"MD5_DES_User", "MD5", "DES"},
    {"MD5_AES_User", "MD5", "AES"},
    {"SHA_User", "SHA", nullptr},
    {"SHA_DES_User", "SHA", "DES"},
    {"SHA_AES_User", "SHA", "AES"},
    {"SHA_AES192_User", "SHA", "AES192"},
    {"SHA_AES256_User", "SHA", "AES256"},
    {"SHA224_User", "SHA-224", nullptr},
    {"SHA256_User", "SHA-256", nullptr},
    {"SHA256_AES_User", "SHA-256", "AES"},
    {"SHA384_User", "SHA-384", nullptr},
    {"SHA512_User", "SHA-512", nullptr},
    {"SHA512_AES256_User", "SHA-512", "AES256"},
};

const char kHelp[] =
    "Usage: kmvsim --listen ADDRESS:PORT [--state DIR] [options]\n"
    "A simulated KMV-7040QX switch (SNMPv1, v2c, v3) on a loopback UDP address.\n"
    "\n"
    "  --listen A:P           address to serve: 127.x.y.z:PORT or [::1]:PORT (required)\n"
    "  --state DIR            folder for the generated configuration, the engine ID, boot count and\n"
    "                         saved switch configuration (default: a new temporary folder)\n"
    "  --read-community S     read community (corvet)\n"
    "  --write-community S    write community (lanmore)\n"
    "  --auth-pass S          SNMPv3 authentication password of every user (kmvauth7040)\n"
    "  --priv-pass S          SNMPv3 privacy password of every user (kmvpriv7040)\n"
    "  --engine-id HEX        SNMPv3 engine ID (default: made once per state folder)\n"
    "  --drop PERCENT         drop this share of requests\n"
    "  --delay MS             answer each request this much later\n"
    "  --fdb-size N           forwarding database entries learnt on linked ports (3000)\n"
    "  --silent               start without answering (SIGUSR2 wakes it)\n"
    "  --scenario MODE        'running' (links change every step, default) or 'static'\n"
    "  --scenario-step SEC    length of one scenario step (10)\n"
    "  --wrap-soon            start Counter32 values close to 2^32 so that they wrap soon\n"
    "  --wrap-seconds SEC     how soon: about this many seconds (30)\n"
    "  --save-time MS         duration of a configuration save (1000)\n"
    "  --reboot-time MS       silence after a reboot write (1000)\n"
    "  --notify A:P           also send notifications to this loopback address (repeatable)\n"
    "  --notify-version V     v1, v2c (default) or v3 (user SHA_AES_User, authPriv) for --notify\n"
    "  --notify-inform        send informs (answered, resent) rather than traps to --notify\n"
    "  --verbose              log agent messages to stderr\n"
    "  --check                check the object definitions and exit\n"
    "  --help                 this text\n"
    "  --version              the version\n"
    "\n"
    "Run-time control: SIGUSR1 stops answering, SIGUSR2 answers again and clears every fault;\n"
    "SETs on 1.3.6.1.4.1.171.99.1: .1.0 drop percent, .2.0 delay ms, .3.0 silent for N seconds,\n"
    "  .4.0 = 1 puts Counter32 values near wrap, .5.0 link scenario 1 running / 2 frozen.\n"
    "SNMPv3 users: noAuthUser, MD5_User, MD5_DES_User, MD5_AES_User, SHA_User, SHA_DES_User,\n"
    "  SHA_AES_User, SHA_AES192_User, SHA_AES256_User, SHA224_User, SHA256_User, SHA256_AES_User,\n"
    "  SHA384_User, SHA512_User, SHA512_AES256_User.\n";

volatile std::sig_atomic_t g_stop = 0;
volatile std::sig_atomic_t g_silence = 0;
volatile std::sig_atomic_t g_resume = 0;

void onSignal(int sig)
{
    if (sig == SIGUSR1)
        g_silence = 1;
    else if (sig == SIGUSR2)
        g_resume = 1;
    else
        g_stop = 1;
}

SimStore *g_store = nullptr;
SimModel *g_model = nullptr;
// A SET that reaches several subtrees comes as one call per subtree and phase: keep each subtree's
// part, and one snapshot of the store taken before the first change.
std::optional<std::map<SimOid, SimCell>> g_undo;
std::map<SimOid, std::vector<SimVarBind>> g_setVbs;
std::map<SimOid, std::vector<SimWrite>> g_writes;

SimOid toSimOid(const oid *o, size_t len)
{
    return SimOid(o, o + len);
}

// Octets that are not a valid type, so that a check answers wrongType.
constexpr SimType kUnsupported = SimType(0x05);

SimValue fromVarbind(const netsnmp_variable_list *vb)
{
    SimValue v;
    switch (vb->type) {
    case ASN_INTEGER:
        v.type = SimType::Integer;
        v.num = *vb->val.integer;
        break;
    case ASN_OCTET_STR:
        v.type = SimType::Octets;
        v.bytes.assign(reinterpret_cast<const char *>(vb->val.string), vb->val_len);
        break;
    case ASN_IPADDRESS:
        v.type = SimType::IpAddress;
        v.bytes.assign(reinterpret_cast<const char *>(vb->val.string), vb->val_len);
        break;
    case ASN_OBJECT_ID:
        v.type = SimType::ObjectId;
        v.oid = toSimOid(vb->val.objid, vb->val_len / sizeof(oid));
        break;
    case ASN_COUNTER:
    case ASN_GAUGE:
    case ASN_TIMETICKS:
        v.type = SimType(vb->type);
        v.num = int64_t(uint32_t(*vb->val.integer));
        break;
    case ASN_COUNTER64:
        v.type = SimType::Counter64;
        v.num = int64_t((uint64_t(vb->val.counter64->high) << 32) | uint32_t(vb->val.counter64->low));
        break;
    default:
        v.type = kUnsupported;
        break;
    }
    return v;
}

void toVarbind(netsnmp_variable_list *vb, const SimValue &v)
{
    switch (v.type) {
    case SimType::Integer: {
        const long n = long(v.num);
        snmp_set_var_typed_value(vb, ASN_INTEGER, &n, sizeof n);
        break;
    }
    case SimType::Octets:
    case SimType::IpAddress:
        snmp_set_var_typed_value(vb, u_char(v.type), v.bytes.data(), v.bytes.size());
        break;
    case SimType::ObjectId: {
        std::vector<oid> arcs(v.oid.begin(), v.oid.end());
        if (arcs.size() < 2)
            arcs = {0, 0};
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, arcs.data(), arcs.size() * sizeof(oid));
        break;
    }
    case SimType::Counter32:
    case SimType::Gauge32:
    case SimType::TimeTicks: {
        const u_long n = u_long(uint32_t(v.num));
        snmp_set_var_typed_value(vb, u_char(v.type), &n, sizeof n);
        break;
    }
    case SimType::Counter64: {
        counter64 c;
        c.high = u_long(uint64_t(v.num) >> 32);
        c.low = u_long(uint64_t(v.num) & 0xffffffffULL);
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    }
}

int simHandler(netsnmp_mib_handler *, netsnmp_handler_registration *reg, netsnmp_agent_request_info *reqinfo,
               netsnmp_request_info *requests)
{
    try {
        const SimOid root = toSimOid(reg->rootoid, reg->rootoid_len);
        const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
        static const SimOid rmon = simParseOid("1.3.6.1.2.1.16");
        if (root == rmon && !g_model->rmonEnabled()) {
            for (netsnmp_request_info *r = requests; r; r = r->next) {
                if (reqinfo->mode == MODE_GET)
                    netsnmp_set_request_error(reqinfo, r, SNMP_NOSUCHOBJECT);
                else if (reqinfo->mode == MODE_SET_RESERVE1)
                    netsnmp_set_request_error(reqinfo, r, SNMP_ERR_NOTWRITABLE);
            }
            return SNMP_ERR_NOERROR;
        }
        switch (reqinfo->mode) {
        case MODE_GET:
            g_model->advance();
            for (netsnmp_request_info *r = requests; r; r = r->next) {
                if (r->processed)
                    continue;
                const SimOid o = toSimOid(r->requestvb->name, r->requestvb->name_length);
                const SimCell *c = g_store->get(o);
                if (!c || (v1 && c->value.type == SimType::Counter64))
                    netsnmp_set_request_error(reqinfo, r, c || g_store->knowsObject(o) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
                else
                    toVarbind(r->requestvb, g_model->read(o, *c));
            }
            break;
        case MODE_GETNEXT:
            g_model->advance();
            for (netsnmp_request_info *r = requests; r; r = r->next) {
                if (r->processed)
                    continue;
                SimOid o = toSimOid(r->requestvb->name, r->requestvb->name_length);
                if (o < root)
                    o = root;
                const std::pair<const SimOid, SimCell> *n = g_store->next(o, root);
                // SNMPv1 has no Counter64: walks pass over those columns.
                while (n && v1 && n->second.value.type == SimType::Counter64)
                    n = g_store->next(n->first, root);
                if (!n)
                    continue;
                std::vector<oid> name(n->first.begin(), n->first.end());
                snmp_set_var_objid(r->requestvb, name.data(), name.size());
                toVarbind(r->requestvb, g_model->read(n->first, n->second));
            }
            break;
        case MODE_SET_RESERVE1: {
            std::vector<SimVarBind> vbs;
            std::vector<netsnmp_request_info *> order;
            for (netsnmp_request_info *r = requests; r; r = r->next) {
                vbs.push_back({toSimOid(r->requestvb->name, r->requestvb->name_length), fromVarbind(r->requestvb)});
                order.push_back(r);
            }
            size_t failed = 0;
            SimError e = g_store->check(vbs, &failed);
            if (e == SimError::NoError)
                e = g_model->checkSet(vbs, &failed);
            if (e != SimError::NoError)
                netsnmp_set_request_error(reqinfo, order[failed], int(e));
            g_setVbs[root] = std::move(vbs);
            break;
        }
        case MODE_SET_RESERVE2:
            break;
        case MODE_SET_ACTION:
            if (!g_undo)
                g_undo = g_store->cells();
            g_writes[root] = g_store->apply(g_setVbs[root]);
            break;
        case MODE_SET_COMMIT:
            g_undo.reset();
            g_model->written(g_writes[root]);
            g_writes.erase(root);
            g_setVbs.erase(root);
            break;
        case MODE_SET_UNDO:
            if (g_undo)
                g_store->cells() = std::move(*g_undo);
            g_undo.reset();
            g_writes.erase(root);
            g_setVbs.erase(root);
            break;
        case MODE_SET_FREE:
            g_undo.reset();
            g_writes.erase(root);
            g_setVbs.erase(root);
            break;
        default:
            break;
        }
    } catch (const std::exception &e) {
        snmp_log(LOG_ERR, "kmvsim: %s\n", e.what());
        netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_GENERR);
    } catch (...) {
        netsnmp_set_request_error(reqinfo, requests, SNMP_ERR_GENERR);
    }
    return SNMP_ERR_NOERROR;
}

bool needValue(int argc, char **argv, int i)
{
    if (i + 1 < argc)
        return true;
    std::fprintf(stderr, "kmvsim: %s needs a value\n", argv[i]);
    return false;
}

bool parseInt(const char *text, int lo, int hi, int *out)
{
    char *end = nullptr;
    errno = 0;
    const long v = std::strtol(text, &end, 10);
    if (!*text || *end || errno || v < lo || v > hi)
        return false;
    *out = int(v);
    return true;
}

// 0 = run, 1 = exit with success (help, a sound check), 2 = bad arguments, 3 = failed check.
int parseArgs(int argc, char **argv, Options *o)
{
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto intArg = [&](int lo, int hi, int *out) {
            if (!needValue(argc, argv, i))
                return false;
            if (!parseInt(argv[++i], lo, hi, out)) {
                std::fprintf(stderr, "kmvsim: bad value for %s: %s\n", a.c_str(), argv[i]);
                return false;
            }
            return true;
        };
        auto textArg = [&](std::string *out) {
            if (!needValue(argc, argv, i))
                return false;
            *out = argv[++i];
            return true;
        };
        if (a == "--help" || a == "-h") {
            std::fputs(kHelp, stdout);
            return 1;
        }
        if (a == "--version") {
            std::printf("kmvsim %s\n", KMV_VERSION);
            return 1;
        }
        bool ok = true;
        if (a == "--listen")
            ok = textArg(&o->listen);
        else if (a == "--state")
            ok = textArg(&o->stateDir);
        else if (a == "--read-community")
            ok = textArg(&o->readCommunity);
        else if (a == "--write-community")
            ok = textArg(&o->writeCommunity);
        else if (a == "--auth-pass")
            ok = textArg(&o->authPass);
        else if (a == "--priv-pass")
            ok = textArg(&o->privPass);
        else if (a == "--engine-id")
            ok = textArg(&o->engineId);
        else if (a == "--drop")
            ok = intArg(0, 100, &o->dropPercent);
        else if (a == "--delay")
            ok = intArg(0, 600000, &o->delayMs);
        else if (a == "--fdb-size")
            ok = intArg(0, 1000000, &o->fdbSize);
        else if (a == "--silent")
            o->silent = true;
        else if (a == "--verbose")
            o->verbose = true;
        else if (a == "--notify") {
            std::string t;
            ok = textArg(&t);
            if (ok) {
                const std::string why = simCheckNotifyTarget(t);
                if (!why.empty()) {
                    std::fprintf(stderr, "kmvsim: %s\n", why.c_str());
                    ok = false;
                }
                o->notify.targets.push_back(t);
            }
        } else if (a == "--notify-version") {
            ok = textArg(&o->notify.version);
            if (ok && o->notify.version != "v1" && o->notify.version != "v2c" && o->notify.version != "v3") {
                std::fprintf(stderr, "kmvsim: --notify-version is v1, v2c or v3\n");
                ok = false;
            }
        } else if (a == "--notify-inform")
            o->notify.inform = true;
        else if (a == "--check") {
            // Checks the object definitions and exits: 0 when sound.
            SimStore store(simObjects(), simTables());
            const std::vector<std::string> problems = store.selfCheck();
            for (const std::string &p : problems)
                std::printf("%s\n", p.c_str());
            std::printf("%zu values, %zu problems\n", store.cells().size(), problems.size());
            return problems.empty() ? 1 : 3;
        }
        else if (a == "--wrap-soon")
            o->model.wrapSoon = true;
        else if (a == "--wrap-seconds")
            ok = intArg(1, 86400, &o->model.wrapSeconds);
        else if (a == "--scenario-step")
            ok = intArg(1, 86400, &o->model.scenarioStepSeconds);
        else if (a == "--save-time")
            ok = intArg(0, 600000, &o->model.saveMs);
        else if (a == "--reboot-time")
            ok = intArg(0, 600000, &o->model.rebootMs);
        else if (a == "--scenario") {
            std::string mode;
            ok = textArg(&mode);
            if (ok && mode != "running" && mode != "static") {
                std::fprintf(stderr, "kmvsim: --scenario is 'running' or 'static'\n");
                ok = false;
            }
            o->model.scenarioRunning = mode != "static";
        } else {
            std::fprintf(stderr, "kmvsim: unknown option %s (see --help)\n", a.c_str());
            ok = false;
        }
        if (!ok)
            return 2;
    }
    if (o->listen.empty()) {
        std::fprintf(stderr, "kmvsim: --listen ADDRESS:PORT is required (see --help)\n");
        return 2;
    }
    // The library's configuration parser reads words: passwords and communities must be plain words.
    for (const std::string *s : {&o->readCommunity, &o->writeCommunity, &o->authPass, &o->privPass, &o->engineId}) {
        if (s->find_first_of(" \t\r\n\"'#") != std::string::npos) {
            std::fprintf(stderr, "kmvsim: communities, passwords and engine IDs may not hold blanks, quotes or '#'\n");
            return 2;
        }
    }
    if (o->authPass.size() < 8 || o->privPass.size() < 8) {
        std::fprintf(stderr, "kmvsim: SNMPv3 passwords need at least 8 characters\n");
        return 2;
    }
    return 0;
}

std::string readFile(const std::string &path)
{
    std::ifstream in(path);
    std::string s;
    std::getline(in, s);
    return s;
}

bool writeFile(const std::string &path, const std::string &text)
{
    std::ofstream out(path, std::ios::trunc);
    out << text;
    return bool(out);
}

// The private configuration the library reads: nothing of the machine's own is consulted.
bool writeConfig(const Options &o, const std::string &path, const std::string &engineId,
                 const std::string &createdUsers)
{
    std::ofstream c(path, std::ios::trunc);
    c << "# generated by kmvsim at every start\n";
    c << "exactEngineID 0x" << engineId << "\n";
    c << "sysdescr KMV-7040QX Managed Layer-3 Switch (48 x 10/100 + 2 x gigabit) simulated\n";
    c << "sysobjectid 1.3.6.1.4.1.171.10.7040.1\n";
    c << "sysservices 6\n";
    c << "psyscontact network-admin\n";
    c << "psysname KMV-7040QX\n";
    c << "psyslocation lab rack 1\n";
    c << "rocommunity " << o.readCommunity << "\n";
    c << "rwcommunity " << o.writeCommunity << "\n";
    c << "rocommunity6 " << o.readCommunity << "\n";
    c << "rwcommunity6 " << o.writeCommunity << "\n";
    for (const SimUser &u : kUsers) {
        c << "createUser " << u.name;
        if (u.auth)
            c << ' ' << u.auth << ' ' << o.authPass;
        if (u.priv)
            c << ' ' << u.priv << ' ' << o.privPass;
        c << "\n";
        c << "rwuser " << u.name << " noauth\n";
    }
    c << createdUsers;
    // authenticationFailure on a bad community; the command line's notification destinations.
    c << "authtrapenable 1\n";
    c << simNotifyConfig(o.notify, o.readCommunity, o.authPass, o.privPass);
    return bool(c);
}

std::string randomEngineId()
{
    // Enterprise 171, format 5 (octets), then random octets.
    std::random_device rd;
    char buf[64];
    std::snprintf(buf, sizeof buf, "800000AB05%08X%08X", rd(), rd());
    return buf;
}

} // namespace

int main(int argc, char **argv)
{
    Options opt;
    const int parsed = parseArgs(argc, argv, &opt);
    if (parsed)
        return parsed == 1 ? 0 : parsed;

    SimFaults faults;
    faults.dropPercent = opt.dropPercent;
    faults.delayMs = opt.delayMs;
    faults.silent = opt.silent;
    SimFront front(faults);
    std::string error;
    if (!front.open(opt.listen, &error)) {
        std::fprintf(stderr, "kmvsim: %s\n", error.c_str());
        return 3;
    }

    bool ownState = false;
    if (opt.stateDir.empty()) {
        char templ[] = "/tmp/kmvsim-XXXXXX";
        if (!mkdtemp(templ)) {
            std::perror("kmvsim: temporary folder");
            return 1;
        }
        opt.stateDir = templ;
        ownState = true;
    }
    ::mkdir(opt.stateDir.c_str(), 0700);
    struct stat st{};
    if (::stat(opt.stateDir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        std::fprintf(stderr, "kmvsim: cannot use state folder %s\n", opt.stateDir.c_str());
        return 1;
    }
    opt.model.stateDir = opt.stateDir;
    ::mkdir((opt.stateDir + "/cert_indexes").c_str(), 0700); // made by the library otherwise, with a message
    const std::string mibDir = opt.stateDir + "/no-mibs";


    std::string engineId = opt.engineId;
    if (engineId.empty())
        engineId = readFile(opt.stateDir + "/engine-id");
    if (engineId.empty())
        engineId = randomEngineId();
    long boots = std::strtol(readFile(opt.stateDir + "/engine-boots").c_str(), nullptr, 10);
    if (boots < 0)
        boots = 0;
    writeFile(opt.stateDir + "/engine-id", engineId + "\n");
    writeFile(opt.stateDir + "/engine-boots", std::to_string(boots + 1) + "\n");
    const std::string confPath = opt.stateDir + "/kmvsim.conf";
    std::set<std::string> builtInUsers;
    for (const SimUser &u : kUsers)
        builtInUsers.insert(u.name);
    SimUserStore createdUsers(opt.stateDir, builtInUsers);
    if (!writeConfig(opt, confPath, engineId, createdUsers.savedConfig())) {
        std::fprintf(stderr, "kmvsim: cannot write %s\n", confPath.c_str());
        return 1;
    }

    // Keep the library away from the machine's configuration, persistent files and MIBs.
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", mibDir.c_str(), 1);
    setenv("SNMPCONFPATH", opt.stateDir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", opt.stateDir.c_str(), 1);
    setenv("SNMP_PERSISTENT_FILE", (opt.stateDir + "/persist.conf").c_str(), 1);
    if (opt.verbose)
        snmp_enable_stderrlog();
    else
        snmp_disable_log();
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_NO_ROOT_ACCESS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_OPTIONALCONFIG, confPath.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, opt.stateDir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, opt.stateDir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PRINT_NUMERIC_OIDS, 1);

    int agentPort = 0;
    for (int attempt = 0; attempt < 5 && !agentPort; ++attempt)
        agentPort = SimFront::privatePort();
    const std::string agentAddress = "udp:127.0.0.1:" + std::to_string(agentPort);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, agentAddress.c_str());
    front.setAgentPort(agentPort);

    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    // no SMUX master: it would bind TCP port 199, shared by every simulator on the machine
    static char noSmux[] = "-smux";
    add_to_init_list(noSmux);
    init_agent("kmvsim");
    if (!opt.verbose)
        snmp_disable_log();
    init_system_mib();
    init_snmp_mib();
    init_vacm_vars();
    init_vacm_conf();
    init_usmConf();
    init_usmUser();
    init_usmStats();
    init_snmpEngine();
    init_snmpMPDStats();
    init_snmpTargetAddrEntry();
    init_snmpTargetParamsEntry();
    init_snmpNotifyTable();
    init_snmpNotifyFilterProfileTable();
    init_snmpNotifyFilterTable();
    init_target_counters();
    init_vacm_context();

    SimStore store(simObjects(), simTables());
    // The switch has been up a while, so that its RMON history already holds samples.
    netsnmp_set_agent_uptime(kSimStartUptime);
    SimModel model(store, opt.model, faults, &netsnmp_get_agent_uptime);
    g_store = &store;
    g_model = &model;
    const auto fillTables = [&] {
        simFillRouting(store);
        simLearnForwarding(store, size_t(opt.fdbSize), [&](int port) { return model.portUp(port); });
    };
    fillTables();

    for (const char *const *s = simSubtrees(); *s; ++s) {
        const SimOid root = simParseOid(*s);
        std::vector<oid> arcs(root.begin(), root.end());
        netsnmp_handler_registration *reg =
            netsnmp_create_handler_registration(*s, simHandler, arcs.data(), arcs.size(), HANDLER_CAN_RWRITE);
        if (!reg || netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            std::fprintf(stderr, "kmvsim: cannot register %s\n", *s);
            return 1;
        }
    }

    init_snmp("kmvsim");
    createdUsers.markLoadedUsersNonVolatile();
    // The boot count of this state folder (the library's own persistence is off): this start is one
    // more. The engine's own time-window entry must carry the same count it reports.
    std::string previousBoots = std::to_string(boots);
    engineBoots_conf("engineBoots", previousBoots.data());
    {
        u_char id[64];
        const size_t idLen = snmpv3_get_engineID(id, sizeof id);
        if (idLen > 0)
            set_enginetime(id, u_int(idLen), u_int(snmpv3_local_snmpEngineBoots()), u_int(snmpv3_local_snmpEngineTime()), TRUE);
    }
    if (init_master_agent() != 0) {
        std::fprintf(stderr, "kmvsim: the agent engine cannot listen on %s\n", agentAddress.c_str());
        return 3;
    }

    std::signal(SIGTERM, onSignal);
    std::signal(SIGINT, onSignal);
    std::signal(SIGUSR1, onSignal);
    std::signal(SIGUSR2, onSignal);
    std::signal(SIGPIPE, SIG_IGN);
    model.setNotifier([](const SimNotification &n) { simSendNotification(n); });
    simSendStart(false);
    std::printf("kmvsim: listening on %s (state %s)\n", opt.listen.c_str(), opt.stateDir.c_str());
    std::fflush(stdout);

    bool rebooting = false;
    SimFront::Clock::time_point rebootDone{};
    SimFront::Clock::time_point usersSaved = SimFront::Clock::now();
    while (!g_stop) {
        if (SimFront::Clock::now() - usersSaved >= std::chrono::seconds(1)) {
            usersSaved = SimFront::Clock::now();
            createdUsers.saveIfChanged();
        }
        if (g_silence) {
            g_silence = 0;
            faults.silent = true;
        }
        if (g_resume) {
            g_resume = 0;
            faults = SimFaults{};
        }

        int numfds = 0;
        netsnmp_large_fd_set fds;
        netsnmp_large_fd_set_init(&fds, FD_SETSIZE);
        NETSNMP_LARGE_FD_ZERO(&fds);
        int block = 0;
        struct timeval tv{0, 200000};
        snmp_select_info2(&numfds, &fds, &tv, &block);
        const int waitMs = std::min(front.msUntilDue(), 200);
        if (block || tv.tv_sec * 1000 + tv.tv_usec / 1000 > waitMs) {
            tv.tv_sec = waitMs / 1000;
            tv.tv_usec = (waitMs % 1000) * 1000;
        }
        const std::vector<int> ours = front.sockets();
        for (int fd : ours) {
            NETSNMP_LARGE_FD_SET(fd, &fds);
            numfds = std::max(numfds, fd + 1);
        }
        const int count = netsnmp_large_fd_set_select(numfds, &fds, nullptr, nullptr, &tv);
        std::vector<int> readable;
        if (count > 0) {
            for (int fd : ours)
                if (NETSNMP_LARGE_FD_ISSET(fd, &fds)) {
                    readable.push_back(fd);
                    NETSNMP_LARGE_FD_CLR(fd, &fds);
                }
            snmp_read2(&fds);
        } else if (count == 0) {
            snmp_timeout();
        }
        netsnmp_large_fd_set_cleanup(&fds);
        front.service(readable);
        run_alarms();
        netsnmp_check_outstanding_agent_requests();
        try {
            model.advance();
            // A reboot write: answer it, go silent, come back with uptime and counters restarted.
            if (model.rebootRequested() && !rebooting) {
                rebooting = true;
                front.flushAnswers();
                rebootDone = SimFront::Clock::now() + std::chrono::milliseconds(opt.model.rebootMs);
                front.silenceUntil(rebootDone);
            }
            if (rebooting && SimFront::Clock::now() >= rebootDone) {
                rebooting = false;
                netsnmp_set_agent_uptime(0);
                model.reboot();
                fillTables();
                simSendStart(true);
            }
        } catch (const std::exception &e) {
            std::fprintf(stderr, "kmvsim: %s\n", e.what());
        }
    }

    createdUsers.saveIfChanged();
    snmp_shutdown("kmvsim");
    shutdown_agent();
    if (ownState) {
        std::error_code ignored;
        std::filesystem::remove_all(opt.stateDir, ignored);
    }
    return 0;
}
