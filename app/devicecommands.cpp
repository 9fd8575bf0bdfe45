#include "devicecommands.h"

#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvsnmpnotify.h"
#include "qvsnmprequest.h"
#include "startupconfig.h"
#include "taboutform.h"
#include "tfrmconfigsnmp.h"
#include "thelpviewer.h"
#include "tmessagebox.h"
#include "tsummertimeform.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QProcess>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

const TDeviceCommandDesc DeviceCommands[] = {
    {&SystemResetObject, "2", "Are you sure to reboot the device?", "Reboot"},
    {&SaveConfigObject, "3", "Save Configurations into NV-RAM ?", "Save Configure"},
};

int runModal(const TRunModal &run, QDialog *dialog)
{
    return run ? run(dialog) : QvRunModal(dialog);
}

// The configuration tools whose end is awaited.
QList<QPointer<QProcess>> &toolRuns()
{
    static QList<QPointer<QProcess>> runs;
    return runs;
}

// A folder text ending with exactly one separator, as the command lines want it.
QString withSeparator(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

template <typename F>
void guarded(QWidget *parent, F &&body)
{
    try {
        body();
    } catch (const QvSNMPException &e) {
        QvMessageBox(parent, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(parent, QString::fromLatin1(e.what()), QvAppCaption());
    }
}

}  // namespace

const QString VersionChangedText = QStringLiteral(
    "SNMP Version has been modified!\r\nIf you want to run the module in new version,please rerun it again.\r\n\n"
    "Switch to new version?");

const TDeviceCommandDesc &DeviceCommandDesc(TDeviceCommand command)
{
    return DeviceCommands[command == DC_Reboot ? 0 : 1];
}

TDeviceCommandRun::TDeviceCommandRun(QObject *parent, Done done) : QObject(parent), m_done(std::move(done)) {}

int TDeviceCommandRun::WaitLimitMs() const
{
    return qMax(m_request.timeout, 1) * 10 * (qMax(m_request.retries, 0) + 1);
}

bool TDeviceCommandRun::Send()
{
    try {
        m_request.WriteAsync(&TDeviceCommandRun::Completed, this, false);
        return true;
    } catch (const QvSNMPException &e) {
        deleteLater();
        if (m_done)
            m_done(TDeviceCommandOutcome{true, e.code() ? e.code() : -1, e.text()});
        return false;
    }
}

void TDeviceCommandRun::Completed(void *data, QvSNMPError *outcome, QvSNMPVarList *)
{
    auto *self = static_cast<TDeviceCommandRun *>(data);
    if (!self || !outcome)
        return;
    const TDeviceCommandOutcome out{true, outcome->code, outcome->code ? outcome->text : QString()};
    // The request must outlive its own completion.
    self->deleteLater();
    try {
        if (self->m_done)
            self->m_done(out);
    } catch (...) {
    }
}

TDeviceCommandRun *RunDeviceCommand(TDeviceCommand command, QWidget *parent, TDeviceCommandRun::Done done)
{
    try {
        const TDeviceCommandDesc &desc = DeviceCommandDesc(command);
        // Enter alone must not reboot or overwrite the saved configuration.
        if (QvMessageBox(parent, QLatin1String(desc.confirmText), QLatin1String(desc.confirmCaption),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes)
            return nullptr;
        auto *run = new TDeviceCommandRun(parent, std::move(done));
        QvSNMPRequest &request = run->Request();
        request.vars.itemType = SVT_SV;
        QvSNMPVar &var = request.vars.AddVar(QLatin1String(desc.object->oid), QLatin1String(desc.confirmCaption),
                                             desc.object->syntax, desc.object->access);
        var.valueText = QLatin1String(desc.value);
        return run->Send() ? run : nullptr;
    } catch (...) {
        return nullptr;
    }
}

QString DeviceCommandNotice(TDeviceCommand command, const TDeviceCommandOutcome &outcome)
{
    if (!outcome.sent)
        return QString();
    if (command == DC_Reboot) {
        if (outcome.code == 0 || outcome.code == TimedOutCode)
            return QStringLiteral("Reboot: the switch is rebooting; the front panel comes back when it answers.");
        return QStringLiteral("Reboot failed: ") + outcome.error;
    }
    if (outcome.code == 0)
        return QStringLiteral("Save Configure: sent and accepted by the switch.");
    // Without an answer nothing is known to have failed.
    if (outcome.code == TimedOutCode || outcome.code == QVC_TIMEOUT)
        return QStringLiteral("Save Configure: the switch did not answer; it may have saved the configuration.");
    return QStringLiteral("Save Configure failed: ") + outcome.error;
}

QString SaveStatusNotice(int status)
{
    switch (status) {
    case 2:
        return QStringLiteral("Save Configure: sent and accepted; the switch is saving (proceeding).");
    case 3:
        return QStringLiteral("Save Configure: the switch has saved the configuration (completed).");
    case 4:
        return QStringLiteral("Save Configure: the switch could not save the configuration (failed).");
    default:
        return QStringLiteral("Save Configure: sent and accepted; the switch reports its save status as other.");
    }
}

QString ModuleNameOf(const QString &target)
{
    QString name = target.mid(2);
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    if (underscore >= 0)
        name.truncate(underscore);
    return name;
}

namespace {

// The switches after the program; without the secret ones when they go another way.
QString argumentLine(const TSessionTexts &t, const QString &target, bool secrets)
{
    QString line = QStringLiteral(" /I") + t.Address;
    if (t.Version == QLatin1String("3")) {
        line += QStringLiteral(" /t") + t.Port + QStringLiteral(" /v") + t.Version + QStringLiteral(" /d")
                + t.ContextEngineID + QStringLiteral(" /m") + t.SecurityModel + QStringLiteral(" /n")
                + t.SecurityName + QStringLiteral(" /l") + t.SecurityLevel + QStringLiteral(" /a") + t.AuthProtocol
                + QStringLiteral(" /p") + t.PrivProtocol;
        if (secrets)
            line += QStringLiteral(" /A") + t.AuthPassword + QStringLiteral(" /P") + t.PrivPassword;
        line += QStringLiteral(" /c") + t.ContextName;
    } else if (secrets) {
        line += QStringLiteral(" /R") + t.ReadCommunity + QStringLiteral(" /W") + t.WriteCommunity;
    }
    return line + QLatin1Char(' ') + target;
}

} // namespace

QString ModuleArguments(const TSessionTexts &t, const QString &target)
{
    return argumentLine(t, target, true);
}

TModuleHandOver ModuleHandOver(const TSessionTexts &t, const QString &target, const QString &extra)
{
    TModuleHandOver launch;
    launch.arguments =
        (argumentLine(t, target, false) + QLatin1Char(' ') + extra).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    launch.arguments.insert(qMin<qsizetype>(1, launch.arguments.size()), SecretInputSwitch);
    // Whole values, blanks included; a line break would end one.
    const bool v3 = t.Version == QLatin1String("3");
    const QStringList lines = v3 ? QStringList{QStringLiteral("/A") + t.AuthPassword, QStringLiteral("/P") + t.PrivPassword}
                                 : QStringList{QStringLiteral("/R") + t.ReadCommunity, QStringLiteral("/W") + t.WriteCommunity};
    for (const QString &line : lines)
        launch.secretInput += line.toLatin1() + '\n';
    return launch;
}

QString BuildModuleCommandLine(const TSessionTexts &texts, const QString &target, const QString &programFolder)
{
    return withSeparator(programFolder) + ModuleNameOf(target) + ModuleArguments(texts, target);
}

QStringList ModuleArgumentList(const TSessionTexts &texts, const QString &target, const QString &extra)
{
    // The program path is kept whole (folders may hold blanks); the switches split at blanks.
    return (ModuleArguments(texts, target) + QLatin1Char(' ') + extra).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

bool LaunchSharedModule(const TSessionTexts &texts, const QString &target, const QString &extra,
                        const QString &programFolder, qint64 *pid)
{
    try {
        const QString program = withSeparator(programFolder) + ModuleNameOf(target);
        if (ModuleNameOf(target).isEmpty() || !QFileInfo(program).isFile())
            return false;
        const TModuleHandOver launch = ModuleHandOver(texts, target, extra);
        // The secrets wait in a pipe that becomes the module's standard input: written whole
        // before the start (far below a pipe's capacity) and closed, so the module reads to its end.
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return false;
        const bool written = ::write(fds[1], launch.secretInput.constData(), size_t(launch.secretInput.size()))
                             == launch.secretInput.size();
        ::close(fds[1]);
        bool started = false;
        if (written) {
            QProcess process;
            process.setProgram(program);
            process.setArguments(launch.arguments);
            process.setStandardInputFile(QStringLiteral("/dev/fd/%1").arg(fds[0]));
            started = process.startDetached(pid);
        }
        ::close(fds[0]);
        return started;
    } catch (...) {
        return false;
    }
}

QString ConfigToolPath(const QString &workDir)
{
    for (const char *name : {"SNMPV3Cfg.EXE", "SNMPV3CFG.EXE"}) {
        const QString path = QDir(workDir).filePath(QLatin1String(name));
        if (QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

bool RunConfigTool(const QString &workDir, const QString &address, const QString &programFolder, QObject *context,
                   std::function<void(TToolRun)> ended)
{
    try {
        const QString path = ConfigToolPath(workDir);
        if (path.isEmpty())
            return false;
        // Not parented: a tool still open when its wait is abandoned goes on running.
        auto *tool = new QProcess;
        tool->setProgram(path);
        tool->setArguments({QStringLiteral("/I") + address, QStringLiteral("/S") + withSeparator(programFolder)});
        tool->setWorkingDirectory(workDir);
        tool->setProcessChannelMode(QProcess::ForwardedChannels);
        // Told once: an end or a failed start, whichever comes first; then the process goes.
        auto told = std::make_shared<bool>(false);
        QPointer<QObject> caller(context);
        auto tell = [tool, told, caller, hasCaller = context != nullptr, ended](TToolRun run) {
            if (*told)
                return;
            *told = true;
            tool->disconnect();
            tool->deleteLater();
            toolRuns().removeAll(tool);
            if (!ended || (hasCaller && !caller))
                return;
            try {
                ended(run);
            } catch (...) {
            }
        };
        QObject::connect(tool, &QProcess::finished, tool, [tell] { tell(TToolRun::Ended); });
        QObject::connect(tool, &QProcess::errorOccurred, tool, [tool, tell](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                tell(TToolRun::NotStarted);
            else if (tool->state() == QProcess::NotRunning)
                tell(TToolRun::Ended);
        });
        toolRuns().append(tool);
        tool->start();
        return true;
    } catch (...) {
        return false;
    }
}

void AbandonConfigToolWaits()
{
    // The tools go on; nobody is told of their end any more.
    const QList<QPointer<QProcess>> runs = std::exchange(toolRuns(), {});
    for (const QPointer<QProcess> &tool : runs) {
        if (!tool)
            continue;
        tool->disconnect();
        if (tool->state() == QProcess::NotRunning)
            tool->deleteLater();
        else
            QObject::connect(tool, &QProcess::finished, tool, &QObject::deleteLater);
    }
}

QWidget *OpenRmonWindow(QWidget *parent, const QString &key, const std::function<QWidget *()> &create)
{
    static QHash<QString, QPointer<QWidget>> open;
    QWidget *shown = nullptr;
    guarded(parent, [&] {
        if (QWidget *window = open.value(key)) {
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->show();
            window->raise();
            window->activateWindow();
            shown = window;
            return;
        }
        QWidget *window = create();
        if (!window)
            return;
        window->setAttribute(Qt::WA_DeleteOnClose);
        open.insert(key, window);
        window->show();
        shown = window;
    });
    return shown;
}

TDeviceConfigEntries RunningConfigEntries(const TSessionTexts &texts)
{
    // The file keeps list positions (library code - 1); IDEA is the privacy list's third entry.
    const auto index = [](const QString &code) { return code.toInt() - 1; };
    TDeviceConfigEntries e;
    e.AgentIP = texts.Address;
    e.AgentPort = texts.Port;
    e.Version = texts.Version;
    e.SecurityName = texts.SecurityName;
    e.AuthPassword = texts.AuthPassword;
    e.PrivPassword = texts.PrivPassword;
    e.AuthProtocol = index(texts.AuthProtocol);
    e.PrivProtocol = texts.PrivProtocol.toInt() == PRIVPROT_IDEA ? 2 : index(texts.PrivProtocol);
    e.ContextEngineID = texts.ContextEngineID;
    e.SecurityLevel = index(texts.SecurityLevel);
    e.ContextName = texts.ContextName;
    e.GetCommStr = texts.ReadCommunity;
    e.SetCommStr = texts.WriteCommunity;
    e.Timeout = SessionParams().Timeout;
    e.Retries = SessionParams().Retries;
    e.GetBulk = SessionParams().UseGetBulk;
    e.NotifyAddress = NotifyListenParams().Address;
    e.NotifyPort = NotifyListenParams().Port;
    return e;
}

bool RunSnmpConfigure(QWidget *mainWindow, const TSessionTexts &texts, const QString &programFolder,
                      const TRunModal &run)
{
    bool switchVersion = false;
    guarded(mainWindow, [&] {
        bool changed = false;
        {
            TfrmConfigSNMP dialog(mainWindow, texts.Address, texts.Version, texts.SecurityName, programFolder);
            dialog.LoadSettings(RunningConfigEntries(texts));
            runModal(run, &dialog);
            changed = dialog.VersionChanged;
        }
        if (changed
            && QvMessageBox(mainWindow, VersionChangedText, QvAppCaption(), QMessageBox::Yes | QMessageBox::No)
                   == QMessageBox::Yes) {
            switchVersion = true;
            if (mainWindow)
                mainWindow->close();
        }
    });
    return switchVersion;
}

void ShowSummerTime(QWidget *parent, const TRunModal &run)
{
    guarded(parent, [&] {
        TSummerTimeForm form(parent);
        runModal(run, &form);
    });
}

void ShowAbout(QWidget *mainWindow, const TRunModal &run)
{
    guarded(mainWindow, [&] {
        TAboutForm form(mainWindow);
        runModal(run, &form);
    });
}
