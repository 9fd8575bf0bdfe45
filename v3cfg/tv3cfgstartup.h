// Start-up of the SNMPv3 configuration tool: it takes only "/I" (the switch's address) and "/S"
// (the device manager's program folder), and reads the session settings from the same device
// configuration file the device manager reads, with the device manager's own reader.
#pragma once

#include "deviceconfigfile.h"
#include "startupconfig.h"

#include <QString>
#include <QStringList>

struct TV3CfgStart {
    QString address;        // "" when "/I" is missing
    QString programFolder;  // "" when "/S" is missing
    QString configPath;     // the device configuration file ("" when there is none to use)
    bool configRead = false;
};

// Reads the two switches (a quoted folder loses its quotes; the folder may contain any switch
// text, so it is never handed to the general parser), fills the session parameters with the
// device manager's defaults, overlays the device configuration file, and says where it lives.
TV3CfgStart ApplyToolArguments(const QStringList &arguments, QvSNMPSessionParams &params);

// The device configuration file's entries for an SNMPv3 user of this address and port.
TDeviceConfigEntries UserConfigEntries(const QString &address, quint16 port, const QString &name, qint32 level,
                                       qint32 authProtocol, const QString &authPassword, qint32 privProtocol,
                                       const QString &privPassword);
