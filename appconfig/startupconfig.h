// Start-up configuration of the suite's programs: the command-line switches the suite passes, the
// main window's text copies of the session parameters, the executable-folder rule and the
// per-agent device configuration file. Plain functions over a parameter record, so that every
// rule can be exercised without a window.
#pragma once

#include "qvsnmpsession.h"

#include <QString>
#include <QStringList>

// Thrown (as a QvSNMPException) for a numeric switch whose value is no decimal number or does not
// fit its field.
constexpr int CONVERT_ERROR = -900;

// The folder name that marks an installation inside the suite's own program folder.
inline const QString EmsFolderName = QStringLiteral("quorvane_ems");
// Where the suite publishes its program folder (a system-scope setting).
inline const QString SuiteOrganization = QStringLiteral("Quorvane");
inline const QString SuiteApplication = QStringLiteral("Meridan5.1");
inline const QString SuitePathKey = QStringLiteral("ExePath/Path");
inline const QString DeviceConfigSection = QStringLiteral("Program Information");

// The main window's text copy of fourteen session parameters; numbers as decimal text.
struct TSessionTexts {
    QString Address;
    QString ReadCommunity;
    QString WriteCommunity;
    QString Port;
    QString Version;
    QString SecurityName;
    QString AuthPassword;
    QString PrivPassword;
    QString AuthProtocol;
    QString PrivProtocol;
    QString ContextEngineID;
    QString SecurityLevel;
    QString ContextName;
    QString SecurityModel;

    bool operator==(const TSessionTexts &) const = default;
};

TSessionTexts SessionTexts(const QvSNMPSessionParams &params);

// Applies every argument: the first switch of the fixed order found anywhere in the argument
// claims it, its value being the rest of the argument. Throws QvSNMPException(CONVERT_ERROR)
// for a bad number; the arguments before the bad one stay applied.
void ParseCommandLine(const QStringList &arguments, QvSNMPSessionParams &params);

// Overwrites the values of the "/A" and "/P" switches (claimed as ParseCommandLine claims them)
// in the process's own argument memory, so that the process list no longer shows the passwords.
// Call it once start-up has copied the arguments; argv[0] is left alone.
void WipeSecretArguments(int argc, char **argv);

// The switch by which a module is told to read its secret switches ("/A", "/P", "/R", "/W") from
// standard input, one per line, instead of finding them in its arguments.
inline const QString SecretInputSwitch = QStringLiteral("/S-");
// True when an argument after argv[0] is exactly SecretInputSwitch.
bool WantsSecretInput(int argc, char **argv);
// Standard input (fd) up to its end: at most 64 KiB, waiting at most timeoutMs in all.
QByteArray ReadSecretInput(int fd, int timeoutMs = 10000);
// Applies each line of input that is a secret switch with its value (a trailing "\r" dropped, one
// character per octet); other lines are ignored.
void ApplySecretSwitches(const QByteArray &input, QvSNMPSessionParams &params);

// A path that may use backslashes (as the suite writes them) in the platform's own form.
QString NativePath(const QString &path);
// The last folder component of the executable's full path ("" when it has none).
QString ExeFolderName(const QString &exePath);
// True when the executable's folder is named exactly "quorvane_ems".
bool InEmsFolder(const QString &exePath);

// The suite's program folder from the system-scope setting; false when the key or value is missing.
bool SuiteProgramFolder(QString *folder);

// Where the device configuration file of address lives, or "" when there is none to read: the
// suite's folder is unknown, or the address is no plain host text (empty, or holding a path
// separator, which would name a file outside the configuration folder).
QString DeviceConfigPath(const QString &address, bool inEmsFolder, const QString &exeDir);

// Whether a device configuration file is wanted for reading or for writing.
enum class TConfigUse { Read, Write };
// The folder where a user keeps own device configuration files: "kmv7040qx/devices" in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config).
QString UserDeviceConfigFolder();
// The device configuration file at path as this user can use it. Where the user may write to the
// folder of path (a suite laid out by hand), that is path itself. An installed program folder
// belongs to root: there the user's own copy in userFolder is written, and read once it exists;
// until then reads take path. "" stays "".
QString DeviceConfigPathFor(const QString &path, TConfigUse use, bool folderWritable, const QString &userFolder);
// The same, with the folder's writability as the system tells it (a missing folder counts as
// writable: the file stays there) and UserDeviceConfigFolder(), which a write sent there makes
// (owner only).
QString DeviceConfigPathFor(const QString &path, TConfigUse use);

// Overlays the eleven keys of the file on params; false (params untouched) when the file does not
// exist. A missing key or a value that is no number yields the key's default.
bool ReadDeviceConfig(const QString &path, QvSNMPSessionParams &params);
