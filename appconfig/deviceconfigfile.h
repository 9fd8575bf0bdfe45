// The device configuration file as the suite's programs write it: the SNMP settings of one agent,
// read back at the next start by ReadDeviceConfig.
#pragma once

#include <QString>

// The values of the device configuration file, in the form it stores them: the protocol and
// level entries are the settings dialog's 0-based list indices (library code - 1).
struct TDeviceConfigEntries {
    QString AgentIP;
    QString AgentPort = QStringLiteral("161");
    QString Version = QStringLiteral("0");
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    int AuthProtocol = -1;
    int PrivProtocol = -1;
    QString ContextEngineID;
    int SecurityLevel = -1;
    QString ContextName;
    QString GetCommStr;
    QString SetCommStr;
    int Timeout = 100;  // hundredths of a second
    int Retries = 1;
    bool GetBulk = true;  // tables read with GETBULK under SNMPv2c and v3
    QString NotifyAddress = QStringLiteral("0.0.0.0");  // where traps and informs are received
    int NotifyPort = 162;
};

// The file's text, keys in the settings dialog's order, lines joined by CR LF, none after the last.
QString DeviceConfigFileText(const TDeviceConfigEntries &entries);
// Writes the file in one step (a temporary beside it, then a rename), readable by its owner only.
bool WriteDeviceConfigFile(const QString &path, const QString &text);
