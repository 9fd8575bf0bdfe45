#include "tv3cfgstartup.h"

#include "qvini.h"

TV3CfgStart ApplyToolArguments(const QStringList &arguments, QvSNMPSessionParams &params)
{
    TV3CfgStart start;
    QStringList addressArgs;
    for (const QString &arg : arguments) {
        if (arg.startsWith(QLatin1String("/S"))) {
            QString folder = arg.mid(2);
            if (folder.size() >= 2 && folder.startsWith(QLatin1Char('"')) && folder.endsWith(QLatin1Char('"')))
                folder = folder.mid(1, folder.size() - 2);
            start.programFolder = NativePath(folder);
        } else if (arg.startsWith(QLatin1String("/I"))) {
            addressArgs << arg;
        }
    }
    const SnmpEventProcessor *pump = params.EventProcessor;
    params = QvSNMPSessionParams();
    params.EventProcessor = const_cast<SnmpEventProcessor *>(pump);
    params.Timeout = 200;
    ParseCommandLine(addressArgs, params);
    if (!addressArgs.isEmpty())
        start.address = params.Device.Address;
    if (start.address.isEmpty() || start.programFolder.isEmpty())
        return start;
    // The device manager decides its folder rule from its own executable's path: a file in the folder.
    const QString exeInFolder = JoinPath(start.programFolder, QStringLiteral("kmv7040qx"));
    const QString path = DeviceConfigPath(start.address, InEmsFolder(exeInFolder), start.programFolder);
    start.configPath = DeviceConfigPathFor(path, TConfigUse::Read);
    start.configRead = ReadDeviceConfig(start.configPath, params);
    return start;
}

TDeviceConfigEntries UserConfigEntries(const QString &address, quint16 port, const QString &name, qint32 level,
                                       qint32 authProtocol, const QString &authPassword, qint32 privProtocol,
                                       const QString &privPassword)
{
    TDeviceConfigEntries e;
    e.AgentIP = address;
    e.AgentPort = QString::number(port);
    e.Version = QString::number(SNMP_VERSION_V3);
    e.SecurityName = name;
    // The file holds the settings dialog's list indices, one below the session codes.
    e.SecurityLevel = level - 1;
    e.AuthProtocol = (level >= SECLEVEL_AUTH_NOPRIV ? authProtocol : AUTHPROT_NONE) - 1;
    e.PrivProtocol = (level >= SECLEVEL_AUTH_PRIV ? privProtocol : PRIVPROT_NONE) - 1;
    e.AuthPassword = level >= SECLEVEL_AUTH_NOPRIV ? authPassword : QString();
    e.PrivPassword = level >= SECLEVEL_AUTH_PRIV ? privPassword : QString();
    return e;
}
