// The SNMPv3 configuration tool the device manager starts from Device > "SNMP Configuration":
// "/I" the switch's address, "/S" the device manager's program folder.
#include "mibenums.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "tmessagebox.h"
#include "tv3cfgform.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char **argv)
{
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
