// Process entry: the catalogue's enumerations, the main window (whose creation runs the whole
// start-up) and the message loop.
#include "mibenums.h"
#include "qvsnmpexception.h"
#include "startupconfig.h"
#include "tmainform.h"
#include "tmessagebox.h"

#include <QApplication>

int main(int argc, char **argv)
{
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
