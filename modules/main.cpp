// Process entry of the shared modules: the global SNMP session and the message catalogues as the
// device manager opens them, then the target's window, which runs until it is closed.
#include "mibenums.h"
#include "modulestart.h"
#include "programinfo.h"
#include "qvsnmpsession.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "startupconfig.h"
#include "tconfigform.h"
#include "tmessagebox.h"
#include "windowbuilder.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>

namespace {

TProgramInfo ProgramInfo(int argc, char **argv)
{
    QString targets;
    for (const TWindowDef &def : ModuleWindowDefs())
        targets += QStringLiteral("  %1\n").arg(QLatin1String(def.handler));
    return {ProgramName(argc, argv, QStringLiteral("Layer3")),
            QStringLiteral("/I<address> [/t<port>] [/v<version>] [switches...] /T<target>"),
            QStringLiteral("The device manager's switches (see kmv7040qx --help); without /t and /v the port and\n"
                           "version come from the device configuration file \"<address>.cfg\" in the program\n"
                           "folder, else 161 and SNMPv1. The target, last, is one of:\n")
                + targets
                + QStringLiteral("\n  --help         this text\n  --version      the version\n\nSee Layer3(1).\n"),
            QStringLiteral("A shared module of the KMV-7040QX device manager: one window over a standard table.")};
}

} // namespace

int main(int argc, char **argv)
{
    const TProgramInfo info = ProgramInfo(argc, argv);
    if (const int code = HandleFirstOption(argc, argv, info); code >= 0)
        return code;
    // The device manager hands the secret switches over on standard input ("/S-"), never in
    // the arguments; read them before anything else.
    const QByteArray secretInput = WantsSecretInput(argc, argv) ? ReadSecretInput(0) : QByteArray();
    if (!DisplayAvailable()) {
        // No message box can show: the command line's fault goes to stderr.
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        const TModuleStart start = PrepareModule(arguments, QString::fromLocal8Bit(argv[0]), secretInput);
        if (!start.window) {
            PrintUsageError(info, start.error);
            return 2;
        }
    }
    QApplication app(argc, argv);
    try {
        QvCatalogueListsScope lists;
        QStringList arguments;
        // One character per octet, so that communities and passwords keep every byte.
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        // Passwords are not left readable in the process list.
        WipeSecretArguments(argc, argv);
        const QString exePath = QCoreApplication::applicationFilePath();
        OpenGlobalSession(QString());
        LoadCatalogues(QDir(QFileInfo(exePath).absolutePath()).filePath(QStringLiteral("errMSg")));
        const TModuleStart start = PrepareModule(arguments, exePath, secretInput);
        if (!start.window) {
            QvMessageBox(nullptr, start.error, QvAppCaption());
            return 2;
        }
        SnmpEventProcessor *pump = SessionParams().EventProcessor;
        SessionParams() = start.params;
        SessionParams().EventProcessor = pump;
        std::unique_ptr<TConfigForm> form(BuildModuleWindow(*start.window, start.params.Device.Address));
        // A top-level window of its own: the program ends when it closes.
        form->setWindowModality(Qt::NonModal);
        QObject::connect(form.get(), &QDialog::finished, &app, &QCoreApplication::quit);
        form->show();
        return app.exec();
    } catch (const QvSNMPException &e) {
        QvMessageBox(nullptr, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(nullptr, QString::fromLatin1(e.what()), QvAppCaption());
    }
    return 1;
}
