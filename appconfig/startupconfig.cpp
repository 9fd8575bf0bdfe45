#include "startupconfig.h"

#include "qvini.h"
#include "qvsnmpexception.h"
#include "qvsnmpnotify.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include <poll.h>
#include <unistd.h>

namespace {

// A decimal integer with an optional sign, blanks around it allowed, within [lo, hi].
std::optional<qint64> ParseDecimal(const QString &text, qint64 lo, qint64 hi)
{
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t.at(i) == QLatin1Char('-') || t.at(i) == QLatin1Char('+')))
        ++i;
    if (i == t.size() || t.size() - i > 18)
        return std::nullopt;
    for (qsizetype k = i; k < t.size(); ++k)
        if (t.at(k) < QLatin1Char('0') || t.at(k) > QLatin1Char('9'))
            return std::nullopt;
    const qint64 v = t.toLongLong();
    if (v < lo || v > hi)
        return std::nullopt;
    return v;
}

constexpr qint64 kInt32Min = std::numeric_limits<qint32>::min();
constexpr qint64 kInt32Max = std::numeric_limits<qint32>::max();

qint64 SwitchNumber(const QString &sw, const QString &value, qint64 lo, qint64 hi)
{
    if (const auto v = ParseDecimal(value, lo, hi))
        return *v;
    const bool isNumber = ParseDecimal(value, std::numeric_limits<qint64>::min() / 10,
                                       std::numeric_limits<qint64>::max() / 10).has_value();
    const QString text = isNumber
        ? QStringLiteral("'%1' is out of range for %2 (%3..%4)").arg(value, sw).arg(lo).arg(hi)
        : QStringLiteral("'%1' is not a valid integer value for %2").arg(value, sw);
    throw QvSNMPException(CONVERT_ERROR, text);
}

enum class Field {
    Address, Port, Version, ContextName, ContextEngineID, ReadCommunity, WriteCommunity,
    SecurityModel, SecurityLevel, SecurityName, AuthPassword, PrivPassword, AuthProtocol, PrivProtocol,
};

struct Switch {
    const char *text;
    Field field;
};

// The order in which an argument is tested; the first switch found in it wins.
constexpr Switch kSwitches[] = {
    {"/I", Field::Address},        {"/t", Field::Port},           {"/v", Field::Version},
    {"/c", Field::ContextName},    {"/d", Field::ContextEngineID}, {"/R", Field::ReadCommunity},
    {"/W", Field::WriteCommunity}, {"/m", Field::SecurityModel},  {"/l", Field::SecurityLevel},
    {"/n", Field::SecurityName},   {"/A", Field::AuthPassword},   {"/P", Field::PrivPassword},
    {"/a", Field::AuthProtocol},   {"/p", Field::PrivProtocol},
};

// The switch that claims arg and where it starts, or nullptr when none occurs in it.
const Switch *ClaimingSwitch(const QString &arg, qsizetype *at)
{
    for (const Switch &sw : kSwitches) {
        *at = arg.indexOf(QLatin1String(sw.text), 0, Qt::CaseSensitive);
        if (*at >= 0)
            return &sw;
    }
    return nullptr;
}

void ApplySwitch(Field field, const QString &sw, const QString &value, QvSNMPSessionParams &p)
{
    QvSNMPSecurity &s = p.Security;
    switch (field) {
    case Field::Address: p.Device.Address = value; break;
    case Field::Port: p.Device.Port = quint16(SwitchNumber(sw, value, 0, 65535)); break;
    case Field::Version: s.Version = qint8(SwitchNumber(sw, value, -128, 127)); break;
    case Field::ContextName: p.Scope.ContextName = value; break;
    case Field::ContextEngineID: p.Scope.ContextEngineID = value; break;
    case Field::ReadCommunity: s.ReadCommunity = value; break;
    case Field::WriteCommunity: s.WriteCommunity = value; break;
    case Field::SecurityModel: s.SecurityModel = qint32(SwitchNumber(sw, value, kInt32Min, kInt32Max)); break;
    case Field::SecurityLevel: s.SecurityLevel = qint32(SwitchNumber(sw, value, kInt32Min, kInt32Max)); break;
    case Field::SecurityName: s.SecurityName = value; break;
    case Field::AuthPassword: s.AuthPassword = value; break;
    case Field::PrivPassword: s.PrivPassword = value; break;
    case Field::AuthProtocol: s.AuthProtocol = qint32(SwitchNumber(sw, value, kInt32Min, kInt32Max)); break;
    case Field::PrivProtocol: s.PrivProtocol = qint32(SwitchNumber(sw, value, kInt32Min, kInt32Max)); break;
    }
}

// A numeric key: the trimmed value as a number in [lo, hi], else the default.
qint64 ReadNumber(const QvIni &ini, const char *key, qint64 def, qint64 lo, qint64 hi)
{
    const QString v = ini.ReadString(DeviceConfigSection, QLatin1String(key), QString());
    return ParseDecimal(v, lo, hi).value_or(def);
}

// A 0-based list index of the settings dialog turned into the library code (index + 1).
qint32 ReadIndexCode(const QvIni &ini, const char *key)
{
    return qint32(ReadNumber(ini, key, 0, kInt32Min, kInt32Max - 1) + 1);
}

QString ReadText(const QvIni &ini, const char *key)
{
    return ini.ReadString(DeviceConfigSection, QLatin1String(key), QString());
}

} // namespace

TSessionTexts SessionTexts(const QvSNMPSessionParams &p)
{
    const QvSNMPSecurity &s = p.Security;
    TSessionTexts t;
    t.Address = p.Device.Address;
    t.ReadCommunity = s.ReadCommunity;
    t.WriteCommunity = s.WriteCommunity;
    t.Port = QString::number(p.Device.Port);
    t.Version = QString::number(s.Version);
    t.SecurityName = s.SecurityName;
    t.AuthPassword = s.AuthPassword;
    t.PrivPassword = s.PrivPassword;
    t.AuthProtocol = QString::number(s.AuthProtocol);
    t.PrivProtocol = QString::number(s.PrivProtocol);
    t.ContextEngineID = p.Scope.ContextEngineID;
    t.SecurityLevel = QString::number(s.SecurityLevel);
    t.ContextName = p.Scope.ContextName;
    t.SecurityModel = QString::number(s.SecurityModel);
    return t;
}

void ParseCommandLine(const QStringList &arguments, QvSNMPSessionParams &params)
{
    for (const QString &arg : arguments) {
        qsizetype at = 0;
        if (const Switch *sw = ClaimingSwitch(arg, &at))
            ApplySwitch(sw->field, QLatin1String(sw->text), arg.mid(at + 2), params);
    }
}

void WipeSecretArguments(int argc, char **argv)
{
    bool inSecret = false;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            continue;
        qsizetype at = 0;
        const Switch *sw = ClaimingSwitch(QString::fromLatin1(argv[i]), &at);
        if (!sw) {
            // A password with a blank reaches us split at the blank (the module launch splits
            // its command line there): the words after it up to the next switch go too.
            if (argv[i][0] == '/')
                inSecret = false;
            else if (inSecret)
                std::memset(argv[i], 0, std::strlen(argv[i]));
            continue;
        }
        inSecret = sw->field == Field::AuthPassword || sw->field == Field::PrivPassword;
        if (!inSecret)
            continue;
        // One character per octet, so the position in the text is the position in the bytes.
        char *value = argv[i] + at + 2;
        std::memset(value, 0, std::strlen(value));
    }
}

bool WantsSecretInput(int argc, char **argv)
{
    const QByteArray sw = SecretInputSwitch.toLatin1();
    for (int i = 1; i < argc; ++i)
        if (argv[i] && sw == argv[i])
            return true;
    return false;
}

QByteArray ReadSecretInput(int fd, int timeoutMs)
{
    constexpr qsizetype Limit = 64 * 1024;
    QByteArray input;
    QElapsedTimer clock;
    clock.start();
    char buf[4096];
    while (input.size() < Limit) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0)
            break;
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        input.append(buf, qsizetype(n));
    }
    input.truncate(Limit);
    return input;
}

void ApplySecretSwitches(const QByteArray &input, QvSNMPSessionParams &params)
{
    for (QByteArray line : input.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromLatin1(line);
        for (const Switch &sw : kSwitches) {
            const bool secret = sw.field == Field::AuthPassword || sw.field == Field::PrivPassword
                || sw.field == Field::ReadCommunity || sw.field == Field::WriteCommunity;
            if (secret && text.startsWith(QLatin1String(sw.text))) {
                ApplySwitch(sw.field, QLatin1String(sw.text), text.mid(2), params);
                break;
            }
        }
    }
}

QString NativePath(const QString &path)
{
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

QString ExeFolderName(const QString &exePath)
{
    const QString p = NativePath(exePath);
    const qsizetype last = p.lastIndexOf(QLatin1Char('/'));
    if (last <= 0)
        return QString();
    const qsizetype prev = p.lastIndexOf(QLatin1Char('/'), last - 1);
    return p.mid(prev + 1, last - prev - 1);
}

bool InEmsFolder(const QString &exePath)
{
    return ExeFolderName(exePath) == EmsFolderName;
}

bool SuiteProgramFolder(QString *folder)
{
    const QSettings settings(QSettings::SystemScope, SuiteOrganization, SuiteApplication);
    const QVariant v = settings.value(SuitePathKey);
    if (!v.isValid())
        return false;
    *folder = v.toString();
    return true;
}

QString DeviceConfigPath(const QString &address, bool inEmsFolder, const QString &exeDir)
{
    if (address.isEmpty() || address.contains(QLatin1Char('/')) || address.contains(QLatin1Char('\\'))
        || address.contains(QChar(0)))
        return QString();
    const QString name = address + QStringLiteral(".cfg");
    if (inEmsFolder)
        return JoinPath(NativePath(exeDir), name);
    QString suite;
    if (!SuiteProgramFolder(&suite) || suite.isEmpty())
        return QString();
    // The suite's value ends with a separator; the configuration lives beside its program folder.
    return NativePath(JoinPath(NativePath(suite), QStringLiteral("../Conf/MBF/") + name));
}

QString UserDeviceConfigFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    return base + QStringLiteral("/kmv7040qx/devices");
}

QString DeviceConfigPathFor(const QString &path, TConfigUse use, bool folderWritable, const QString &userFolder)
{
    if (path.isEmpty() || folderWritable || userFolder.isEmpty())
        return path;
    const QString own = QDir(userFolder).filePath(QFileInfo(path).fileName());
    if (use == TConfigUse::Write || QFileInfo(own).isFile())
        return own;
    return path;
}

QString DeviceConfigPathFor(const QString &path, TConfigUse use)
{
    if (path.isEmpty())
        return path;
    // A folder that is missing stays the file's place (writing there fails as it always did).
    const QString folder = QFileInfo(path).absolutePath();
    const bool writable =
        !QFileInfo(folder).isDir() || ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
    const QString users = UserDeviceConfigFolder();
    const QString chosen = DeviceConfigPathFor(path, use, writable, users);
    // The user's own folder is made when a write first goes there, for its owner only.
    if (chosen != path && !QFileInfo(users).isDir() && QDir().mkpath(users))
        QFile::setPermissions(users, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return chosen;
}

bool ReadDeviceConfig(const QString &path, QvSNMPSessionParams &params)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    const QvIni ini(path);
    QvSNMPSecurity &s = params.Security;
    s.Version = qint8(ReadNumber(ini, "Version", 0, -128, 127));
    params.Device.Port = quint16(ReadNumber(ini, "AgentPort", 161, 0, 65535));
    params.Scope.ContextName = ReadText(ini, "ContextName");
    params.Scope.ContextEngineID = ReadText(ini, "ContextEngineID");
    s.SecurityModel = qint32(ReadNumber(ini, "SecurityModel", 1, kInt32Min, kInt32Max));
    s.SecurityLevel = ReadIndexCode(ini, "SecurityLevel");
    s.SecurityName = ReadText(ini, "SecurityName");
    s.AuthProtocol = ReadIndexCode(ini, "AuthProtocol");
    s.PrivProtocol = ReadIndexCode(ini, "PrivProtocol");
    if (s.PrivProtocol == 3)  // the dialog's third entry is IDEA
        s.PrivProtocol = PRIVPROT_IDEA;
    s.AuthPassword = ReadText(ini, "AuthPassword");
    s.PrivPassword = ReadText(ini, "PrivPassword");
    params.Timeout = qint32(ReadNumber(ini, "Timeout", params.Timeout, QvMinTimeout, QvMaxTimeout));
    params.Retries = qint32(ReadNumber(ini, "Retries", params.Retries, 0, QvMaxRetries));
    params.UseGetBulk = ReadNumber(ini, "GetBulk", params.UseGetBulk ? 1 : 0, 0, 1) == 1;
    // Where notifications are received (keys after Retries); defaults when absent or not numeric.
    QvNotifyListenParams &listen = NotifyListenParams();
    listen = QvNotifyListenParams();
    if (const QString a = ReadText(ini, "NotifyAddress"); IsNumericAddress(a))
        listen.Address = a.trimmed();
    listen.Port = quint16(ReadNumber(ini, "NotifyPort", listen.Port, 1, 65535));
    return true;
}
