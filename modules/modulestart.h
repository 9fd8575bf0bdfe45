// Start-up of the suite's shared modules ("Layer3", "MIB", "Bridge", "IFMib"): one program under
// four names that takes the command line the device manager builds for it (address, then the
// SNMPv3 switches or the two communities, then the target switch last) and opens the one window
// of that target. The switches and the device configuration file are read by the suite's
// shared start-up code (appconfig), as the device manager reads them.
#pragma once

#include "qvsnmpsession.h"
#include "windowdefs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

struct TModuleStart {
    QvSNMPSessionParams params;
    QString target;                      // "/TLayer3_OSPF"
    const TWindowDef *window = nullptr;  // null when the start failed
    QString error;                       // why it failed, for the user
};

// The target switch: the last argument that begins with "/T", or "".
QString ModuleTarget(const QStringList &arguments);

// Turns the arguments (without the program name) into session parameters and the target's
// window definition. Where the command line carries no port or no version (SNMPv1 and SNMPv2c
// launches), they come from the device configuration file of the address, found as the device
// manager finds it from exePath; failing that, port 161 and SNMPv1. The secret switches of
// secretInput (what "/S-" had the program read from its standard input) are applied after the
// arguments. Never throws.
TModuleStart PrepareModule(const QStringList &arguments, const QString &exePath,
                           const QByteArray &secretInput = QByteArray());
