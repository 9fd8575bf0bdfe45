// SNMPv3 users made at run time (cloned and re-keyed through usmUserTable) outlive a restart: their
// localised keys and group entries are kept in "users.conf" of the state folder, in the agent's own
// configuration syntax, and become part of the configuration of the next start.
#pragma once

#include <set>
#include <string>

class SimUserStore {
public:
    // builtIn: the users of the generated configuration, which are never saved.
    SimUserStore(std::string stateDir, std::set<std::string> builtIn);

    // The saved lines, for the generated configuration ("" when none).
    std::string savedConfig() const;
    // Users read back from the file are the switch's own, made at run time: they may be deleted.
    void markLoadedUsersNonVolatile() const;
    // Writes the file again when the users or their groups changed since the last call.
    void saveIfChanged();

private:
    std::string currentConfig() const;

    std::string m_path;
    std::set<std::string> m_builtIn;
    std::string m_written;
};
