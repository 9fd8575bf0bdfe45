// Process entry of the shared modules: the global SNMP session and the message catalogues as the
// device manager opens them, then the target's window, which runs until it is closed.
#include "mibenums.h"
#include "modulestart.h"
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

int main(int argc, char **argv)
{
    // The device manager hands the secret switches over on standard input ("/S-"), never in
    // the arguments; read them before anything else.
    const QByteArray secretInput = WantsSecretInput(argc, argv) ? ReadSecretInput(0) : QByteArray();
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
