// Process entry: the catalogue's enumerations, the main window (whose creation runs the whole
// start-up) and the message loop.
#include "mibenums.h"
#include "programinfo.h"
#include "qvsnmpexception.h"
#include "startupconfig.h"
#include "tmainform.h"
#include "tmessagebox.h"

#include <QApplication>

namespace {

TProgramInfo ProgramInfo()
{
    return {QStringLiteral("kmv7040qx"), QStringLiteral("/I<address> [/t<port>] [/v<version>] [switches...]"),
            QStringLiteral(
                "  /I<address>    the switch's address\n"
                "  /t<port>       its SNMP port (161)\n"
                "  /v<version>    0 SNMPv1, 1 SNMPv2c, 3 SNMPv3\n"
                "  /R<community>  read community\n"
                "  /W<community>  write community\n"
                "  /n<user>       SNMPv3 user\n"
                "  /m<model>      SNMPv3 security model (3 user-based)\n"
                "  /l<level>      1 noAuthNoPriv, 2 authNoPriv, 3 authPriv\n"
                "  /a<code>       authentication: 1 none, 2 MD5, 3 SHA, 4 SHA-224, 5 SHA-256, 6 SHA-384,\n"
                "                 7 SHA-512\n"
                "  /p<code>       privacy: 1 none, 2 DES, 4 AES-128, 20 AES-192, 21 AES-256\n"
                "  /A<password>   authentication password\n"
                "  /P<password>   privacy password\n"
                "  /c<name>       SNMPv3 context name\n"
                "  /d<engine ID>  SNMPv3 context engine ID\n"
                "  --help         this text\n"
                "  --version      the version\n"
                "\n"
                "The port and version of the switch's device configuration file \"<address>.cfg\" in the\n"
                "program folder take precedence. See kmv7040qx(1).\n"),
            QStringLiteral("Device manager of the KMV-7040QX managed layer-3 switch.")};
}

// Without a display no message box can tell what is wrong with the command line: stderr does.
int CheckHeadless(const QStringList &arguments, const TProgramInfo &info)
{
    if (DisplayAvailable())
        return -1;
    if (arguments.isEmpty()) {
        PrintUsageError(info, QStringLiteral("No parameter input"));
        return 2;
    }
    try {
        QvSNMPSessionParams scratch;
        ParseCommandLine(arguments, scratch);
    } catch (const QvSNMPException &e) {
        PrintUsageError(info, e.text());
        return 2;
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    const TProgramInfo info = ProgramInfo();
    if (const int code = HandleFirstOption(argc, argv, info); code >= 0)
        return code;
    {
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        if (const int code = CheckHeadless(arguments, info); code >= 0)
            return code;
    }
    QApplication app(argc, argv);
    try {
        QvCatalogueListsScope lists;
        const TStartupEnv env = TStartupEnv::FromProcess(argc, argv);
        WipeSecretArguments(argc, argv);
        TMainForm form(env);
        if (form.TerminateRequested())
            return 0;
        form.show();
        return app.exec();
    } catch (const QvSNMPException &e) {
        QvMessageBox(nullptr, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(nullptr, QString::fromLatin1(e.what()), QvAppCaption());
    }
    return 1;
}
