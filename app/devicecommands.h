// Device commands and launches of the main menu: reboot and save configuration, the suite's shared
// modules, the external SNMPv3 configuration tool, the RMON entries, SNMP Configure, summer time,
// help and about. Plain functions over what they need, so that each menu handler is one call:
//
//   void TMainForm::RebootClick()      { RunDeviceCommand(DC_Reboot, this, showOutcome); }
//   void TMainForm::SaveConfigClick()  { RunDeviceCommand(DC_SaveConfig, this, showOutcome); }
//   void TMainForm::OSPFGeneral1Click(){ LaunchSharedModule(m_texts, "/TLayer3_OSPF", "", ExeDir()); }
//   void TMainForm::SNMPConfigClick()  { RunConfigTool(m_env.WorkDir, m_texts.Address, ExeDir(), this,
//                                          [this](TToolRun r) { LoadDeviceConfig(...); SetupFrontPanel(); }); }
//   void TMainForm::Statistics1Click() { OpenRmonWindow(this, QStringLiteral("Statistics"), makeStats); }
//   void TMainForm::SNMPConfigure1Click() { RunSnmpConfigure(this, m_texts, ExeDir()); }
//   void TMainForm::SummerTimeClick()  { ShowSummerTime(this); }
//   void TMainForm::H1Click()          { ShowHelp(this); }
//   void TMainForm::About1Click()      { ShowAbout(this); }
//
// None of them lets an exception out; confirmations go through QvMessageBox, so tests answer them.
// When the main window closes while the configuration tool runs, call AbandonConfigToolWaits().
#pragma once

#include "qvsnmperrors.h"
#include "qvsnmprequest.h"
#include "qvsnmptypes.h"

#include "deviceconfigfile.h"
#include "startupconfig.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QWidget;

// Runs a modal window and returns its result (QvRunModal when empty).
using TRunModal = std::function<int(QDialog *)>;

enum TDeviceCommand { DC_Reboot, DC_SaveConfig };

struct TDeviceCommandDesc {
    const QvSNMPVarDesc *object;  // a scalar of the catalogue, ".0" appended by the request
    const char *value;
    const char *confirmText;
    const char *confirmCaption;
};
const TDeviceCommandDesc &DeviceCommandDesc(TDeviceCommand command);

// What came back from a device command's SET.
struct TDeviceCommandOutcome {
    bool sent = false;  // confirmed and sent
    int code = 0;       // 0: accepted; else the framework code of the failure
    QString error;      // its text
};

// A device command's SET on its way; deleting it drops the answer (done never runs).
class TDeviceCommandRun : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(const TDeviceCommandOutcome &outcome)>;
    TDeviceCommandRun(QObject *parent, Done done);
    QvSNMPRequest &Request() { return m_request; }
    int WaitLimitMs() const;
    // Sends; done runs once with the outcome from the event loop, then the run deletes itself.
    // A send that fails at once runs done now and returns false.
    bool Send();

private:
    static void Completed(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);
    Done m_done;
    QvSNMPRequest m_request;
};

// Asks for confirmation, then sends the one SET and returns at once: the command on its way, or
// nullptr when the user said No or the send failed at once. Errors (a reboot rarely answers)
// raise no box; they reach done, a failed send before this returns.
TDeviceCommandRun *RunDeviceCommand(TDeviceCommand command, QWidget *parent, TDeviceCommandRun::Done done);

// The status-bar line after a device command (empty when nothing was sent). A reboot that got
// no answer is taken as rebooting: a rebooting switch rarely answers.
QString DeviceCommandNotice(TDeviceCommand command, const TDeviceCommandOutcome &outcome);
// The status-bar line for the switch's save status (1 other, 2 proceeding, 3 completed, 4 failed).
QString SaveStatusNotice(int status);
// Framework code of a command (a write) that got no answer: it may have been applied.
constexpr int TimedOutCode = QVE_SET_UNKNOWN;

// "/TLayer3_OSPF" gives "Layer3": the text between "/T" and the first underscore.
QString ModuleNameOf(const QString &target);
// The switches after the program: " /I" address, then the eleven version-3 switches or the two
// communities, then " " and the target. Values as they are, unquoted.
QString ModuleArguments(const TSessionTexts &texts, const QString &target);
// programFolder, the module name, then ModuleArguments.
QString BuildModuleCommandLine(const TSessionTexts &texts, const QString &target, const QString &programFolder);
// ModuleArguments (then extra) split at blanks: every switch, the secret ones included.
QStringList ModuleArgumentList(const TSessionTexts &texts, const QString &target, const QString &extra);
// What LaunchSharedModule hands the module: the arguments of ModuleArgumentList without the
// secret switches ("/A", "/P" or "/R", "/W") and with "/S-" after the address; the secret
// switches, one per line, go to the module's standard input.
struct TModuleHandOver {
    QStringList arguments;
    QByteArray secretInput;
};
TModuleHandOver ModuleHandOver(const TSessionTexts &texts, const QString &target, const QString &extra);
// Starts the module without waiting, no secret on its command line; false when it could not
// start (nothing is shown). pid, when given, receives the module's process id.
bool LaunchSharedModule(const TSessionTexts &texts, const QString &target, const QString &extra,
                        const QString &programFolder, qint64 *pid = nullptr);

enum class TToolRun {
    NotStarted,  // the tool could not start
    Ended,       // the tool ran and ended: read the device configuration file again
};
// The tool's file in workDir ("SNMPV3Cfg.EXE" or "SNMPV3CFG.EXE"), or "" when there is none.
QString ConfigToolPath(const QString &workDir);
// Starts the SNMPv3 configuration tool with "/I" address and "/S" folder and returns at once:
// false when there is no tool to start. Later, once, from the event loop, ended hears how it
// went (Ended, or NotStarted when it could not start) — unless context has gone by then or
// AbandonConfigToolWaits() came first.
bool RunConfigTool(const QString &workDir, const QString &address, const QString &programFolder, QObject *context,
                   std::function<void(TToolRun)> ended);
// Nobody is told of the running tools' end any more; the tools go on running.
void AbandonConfigToolWaits();

// The RMON windows: opens the window create makes as an ordinary non-modal window that is
// deleted when it closes, at once (it finds out on its own whether the switch serves RMON); one
// that is already open under key is raised and activated instead. Returns the window.
QWidget *OpenRmonWindow(QWidget *parent, const QString &key, const std::function<QWidget *()> &create);

extern const QString VersionChangedText;
// The running settings in the device configuration file's form, for the settings dialog.
TDeviceConfigEntries RunningConfigEntries(const TSessionTexts &texts);
// The settings dialog, then the version-change prompt; Yes closes mainWindow (which asks its own
// exit question). Returns true when the user chose to switch.
bool RunSnmpConfigure(QWidget *mainWindow, const TSessionTexts &texts, const QString &programFolder,
                      const TRunModal &run = {});

void ShowSummerTime(QWidget *parent, const TRunModal &run = {});
void ShowAbout(QWidget *mainWindow, const TRunModal &run = {});
