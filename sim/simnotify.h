// Notifications of the simulated switch: the library's own notification path (the target and
// notify tables, and the destinations given on the command line as trap sessions).
#pragma once

#include "simmodel.h"

#include <string>
#include <vector>

struct SimNotifyOptions {
    std::vector<std::string> targets;  // "127.0.0.1:16200", "[::1]:16200"
    std::string version = "v2c";       // v1, v2c, v3 (user SHA_AES_User at authPriv)
    bool inform = false;
};

// The user v3 notifications go out with.
constexpr const char *kSimNotifyUser = "SHA_AES_User";

// Checks a destination: a loopback address with a port. Empty when fine, else the reason.
std::string simCheckNotifyTarget(const std::string &target);
// The configuration lines (trap sessions) for the command line's destinations.
std::string simNotifyConfig(const SimNotifyOptions &o, const std::string &community, const std::string &authPass,
                            const std::string &privPass);
// Sends one notification to every destination (sysUpTime.0 is put first by the library).
void simSendNotification(const SimNotification &n);
// coldStart at start, warmStart after a reboot.
void simSendStart(bool warm);
