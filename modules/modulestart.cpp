#include "modulestart.h"

#include "qvsnmpexception.h"
#include "startupconfig.h"

#include <QFileInfo>

namespace {

// Values no switch can produce from a decimal text within its field, so that an untouched
// field shows that its switch was absent.
constexpr quint16 NoPort = 0;
constexpr qint8 NoVersion = -128;

} // namespace

QString ModuleTarget(const QStringList &arguments)
{
    for (qsizetype k = arguments.size() - 1; k >= 0; --k)
        if (arguments.at(k).startsWith(QLatin1String("/T")))
            return arguments.at(k);
    return QString();
}

TModuleStart PrepareModule(const QStringList &arguments, const QString &exePath, const QByteArray &secretInput)
{
    TModuleStart start;
    start.params.Timeout = 200;
    if (arguments.isEmpty()) {
        start.error = QStringLiteral("No parameter input");
        return start;
    }
    start.target = ModuleTarget(arguments);
    if (start.target.isEmpty()) {
        start.error = QStringLiteral("No target given: the last argument names the table, e.g. /TLayer3_OSPF");
        return start;
    }
    start.window = FindModuleWindowDef(start.target);
    if (!start.window) {
        start.error = QStringLiteral("Unknown target %1").arg(start.target);
        return start;
    }
    QStringList switches = arguments;
    switches.removeAll(start.target);
    QvSNMPSessionParams &p = start.params;
    p.Device.Port = NoPort;
    p.Security.Version = NoVersion;
    try {
        ParseCommandLine(switches, p);
        ApplySecretSwitches(secretInput, p);
    } catch (const QvSNMPException &e) {
        start.window = nullptr;
        start.error = e.text();
        return start;
    }
    const bool portGiven = p.Device.Port != NoPort;
    const bool versionGiven = p.Security.Version != NoVersion;
    if (!portGiven)
        p.Device.Port = 161;
    if (!versionGiven)
        p.Security.Version = 0;
    if (portGiven && versionGiven)
        return start;
    QvSNMPSessionParams file = p;
    const QString exeDir = QFileInfo(NativePath(exePath)).absolutePath();
    const QString path = DeviceConfigPath(p.Device.Address, InEmsFolder(exePath), exeDir);
    if (!ReadDeviceConfig(DeviceConfigPathFor(path, TConfigUse::Read), file))
        return start;
    if (file.Security.Version == 3 && !versionGiven) {
        // Only the file knows the SNMPv3 user; the address and communities stay the command line's.
        p.Scope = file.Scope;
        p.Security = file.Security;
        p.Security.ReadCommunity = start.params.Security.ReadCommunity;
        p.Security.WriteCommunity = start.params.Security.WriteCommunity;
    }
    if (!portGiven)
        p.Device.Port = file.Device.Port;
    if (!versionGiven)
        p.Security.Version = file.Security.Version;
    return start;
}
