// The SNMPv3 configuration tool the device manager starts from Device > "SNMP Configuration":
// "/I" the switch's address, "/S" the device manager's program folder.
#include "mibenums.h"
#include "programinfo.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "tmessagebox.h"
#include "tv3cfgform.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace {

TProgramInfo ProgramInfo()
{
    return {QStringLiteral("SNMPV3Cfg.EXE"), QStringLiteral("/I<address> /S<program folder>"),
            QStringLiteral("  /I<address>         the switch's address\n"
                           "  /S<program folder>  the device manager's program folder, which holds the device\n"
                           "                      configuration file \"<address>.cfg\" the session is read from\n"
                           "  --help              this text\n"
                           "  --version           the version\n"
                           "\nSee SNMPV3Cfg.EXE(1).\n"),
            QStringLiteral("The SNMPv3 user configuration tool of the KMV-7040QX device manager.")};
}

} // namespace

int main(int argc, char **argv)
{
    const TProgramInfo info = ProgramInfo();
    if (const int code = HandleFirstOption(argc, argv, info); code >= 0)
        return code;
    if (!DisplayAvailable()) {
        // No message box can show: the missing switch goes to stderr.
        QStringList arguments;
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        try {
            QvSNMPSessionParams scratch;
            const TV3CfgStart start = ApplyToolArguments(arguments, scratch);
            if (start.address.isEmpty() || start.programFolder.isEmpty()) {
                PrintUsageError(info, QStringLiteral("/I and /S are needed"));
                return 2;
            }
        } catch (const QvSNMPException &e) {
            PrintUsageError(info, e.text());
            return 2;
        }
    }
    QApplication app(argc, argv);
    try {
        QvCatalogueListsScope lists;
        OpenGlobalSession(QString());
        QStringList arguments;
        // One character per octet, as the device manager reads its own command line.
        for (int i = 1; i < argc; ++i)
            arguments << QString::fromLatin1(argv[i]);
        const TV3CfgStart start = ApplyToolArguments(arguments, SessionParams());
        if (start.address.isEmpty() || start.programFolder.isEmpty()) {
            QvMessageBox(nullptr, QStringLiteral("Usage: SNMPV3Cfg.EXE /I<address> /S<program folder>"),
                         QvAppCaption());
            return 2;
        }
        LoadCatalogues(QDir(start.programFolder).filePath(QStringLiteral("errMSg")));
        TV3CfgForm form(start);
        form.show();
        QTimer::singleShot(0, &form, [&form] { form.BT_RefreshClick(); });
        form.exec();
        return 0;
    } catch (const QvSNMPException &e) {
        QvMessageBox(nullptr, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(nullptr, QString::fromLatin1(e.what()), QvAppCaption());
    }
    return 1;
}
