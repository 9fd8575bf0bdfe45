// Port access control (802.1X).
#include "mibtables.h"

#include "mibdesc_p.h"
#include "mibenums.h"

constinit const QvSNMPVarDesc PaeControlVars[] = {
    Desc("1.0.8802.1.1.1.1.1.1", "802.1x PAE System Auth Control", SYN_INTEGER, RW, &EnabledDisabled.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc PaePortEntryVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.1.2.1.2", "PAE Port Protocol Version", SYN_GAUGE, RO),
    Desc("1.0.8802.1.1.1.1.1.2.1.3", "PAE Port Capabilities", SYN_OCTETSTR, RO),
    Desc("1.0.8802.1.1.1.1.1.2.1.4", "PAE Port Initialize", SYN_INTEGER, RO, &TruthValue.list),
    Desc("1.0.8802.1.1.1.1.1.2.1.5", "PAE Port Reauthenticate", SYN_INTEGER, RO, &TruthValue.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AuthConfigTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.2.1.1.1", "Auth PAE State", SYN_INTEGER, RO, &AuthConfigTable_AuthPAEState.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.2", "Auth Backend Auth State", SYN_INTEGER, RO, &AuthConfigTable_AuthBackendAuthState.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.3", "Auth AdminControlled Directions", SYN_INTEGER, RW, &ControlledDirections.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.4", "Auth OperControlled Directions", SYN_INTEGER, RO, &ControlledDirections.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.5", "Auth AuthControlled PortStatus", SYN_INTEGER, RO, &AuthConfigTable_AuthAuthControlledPortStatus.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.6", "Auth AuthControlled PortControl", SYN_INTEGER, RW, &AuthConfigTable_AuthAuthControlledPortControl.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.7", "Auth Quiet Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.8", "Auth Tx Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.9", "AuthSupp Timeout", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.10", "Auth Server Timeout", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.11", "Auth MaxReq", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.12", "ReAuth Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.2.1.1.13", "ReAuth Enabled", SYN_INTEGER, RW, &TruthValue.list),
    Desc("1.0.8802.1.1.1.1.2.1.1.14", "AuthKey Tx Enabled", SYN_INTEGER, RO, &TruthValue.list),
    EndOfTable,
};

constinit const QvSNMPVarDesc AuthStatsTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.2.2.1.1", "Auth EAPOL Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.2", "Auth EAPOL Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.3", "Auth EAPOL Start Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.4", "Auth EAPOL Logoff Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.5", "Auth EAPOL RespId Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.6", "Auth EAPOL Resp Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.7", "Auth EAPOL ReqId Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.8", "Auth EAPOL Req Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.9", "Auth Invalid EAPOL Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.10", "Auth EAPOL Length Error Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.11", "Auth Last EAPOL Frame Version", SYN_GAUGE, RO),
    Desc("1.0.8802.1.1.1.1.2.2.1.12", "Auth Last EAPOL Frame Source", SYN_MACADDRESS, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc AuthDiagTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.2.3.1.1", "Auth Enters Connecting", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.2", "Auth EAP Logoffs While Connecting", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.3", "Auth Enters Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.4", "Auth Success While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.5", "Auth Timeouts While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.6", "Auth Fail While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.7", "Auth Reauths While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.8", "Auth EAP Starts While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.9", "Auth EAP Logoff While Authenticating", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.10", "Auth Reauths While Authenticated", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.11", "Auth EAP Starts While Authenticated", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.12", "Auth EAP Logoff While Authenticated", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.13", "Auth Backend Responses", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.14", "Auth Backend Access Challenges", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.15", "Auth Backend Other Requests To Supplicant", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.16", "Auth Backend NonNak Responses From Supplicant", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.17", "Auth Backend Auth Successes", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.3.1.18", "Auth Backend Auth Fails", SYN_COUNTER, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc AuthSessionTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.2.4.1.1", "Auth Session Octets Rx", SYN_COUNTER64, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.2", "Auth Session Octets Tx", SYN_COUNTER64, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.3", "Auth Session Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.4", "Auth Session Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.5", "Auth Session Id", SYN_DISPLAYSTR, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.6", "Auth Session Authentic Method", SYN_INTEGER, RO, &AuthSessionTable_AuthSessionAuthenticMethod.list),
    Desc("1.0.8802.1.1.1.1.2.4.1.7", "Auth Session Time", SYN_TIMETICKS, RO),
    Desc("1.0.8802.1.1.1.1.2.4.1.8", "Auth Session Terminate Cause", SYN_INTEGER, RO, &AuthSessionTable_AuthSessionTerminateCause.list),
    Desc("1.0.8802.1.1.1.1.2.4.1.9", "Auth Session User Name", SYN_DISPLAYSTR, RO),
    EndOfTable,
};

constinit const QvSNMPVarDesc SupplicantConfigTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.3.1.1.1", "Supp PAE State", SYN_INTEGER, RO, &SupplicantConfigTable_SuppPAEState.list),
    Desc("1.0.8802.1.1.1.1.3.1.1.2", "Supp Held Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.3.1.1.3", "Supp Auth Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.3.1.1.4", "Supp Start Period", SYN_GAUGE, RW),
    Desc("1.0.8802.1.1.1.1.3.1.1.5", "Supp Max Start", SYN_GAUGE, RW),
    EndOfTable,
};

constinit const QvSNMPVarDesc SupplicantStatsTableVars[] = {
    Desc("1.0.8802.1.1.1.1.1.2.1.1", "PAE Port Number", SYN_INTEGER, IDX),
    Desc("1.0.8802.1.1.1.1.3.2.1.1", "Supp EAPOL Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.2", "Supp EAPOL Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.3", "Supp EAPOL Start Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.4", "Supp EAPOL Logoff Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.5", "Supp EAPOL Resp Id Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.6", "Supp EAPOL Resp Frames Tx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.7", "Supp EAPOL Req Id Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.8", "Supp EAPOL Req Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.9", "Supp Invalid EAPOL Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.10", "Supp EAPOL Length Error Frames Rx", SYN_COUNTER, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.11", "Supp Last EAPOL Frame Version", SYN_GAUGE, RO),
    Desc("1.0.8802.1.1.1.1.3.2.1.12", "Supp Last EAPOL Frame Source", SYN_MACADDRESS, RO),
    EndOfTable,
};

namespace {

constinit const MibTableEntry Tables[] = {
    TableEntry("PaeControlVars", PaeControlVars),
    TableEntry("PaePortEntryVars", PaePortEntryVars),
    TableEntry("AuthConfigTableVars", AuthConfigTableVars),
    TableEntry("AuthStatsTableVars", AuthStatsTableVars),
    TableEntry("AuthDiagTableVars", AuthDiagTableVars),
    TableEntry("AuthSessionTableVars", AuthSessionTableVars),
    TableEntry("SupplicantConfigTableVars", SupplicantConfigTableVars),
    TableEntry("SupplicantStatsTableVars", SupplicantStatsTableVars),
};

} // namespace

std::span<const MibTableEntry> Dot1xTableIndex() { return Tables; }
