#include "rmonentries.h"

#include "thistoryform.h"

void AddRmonHandlers(TMenuHandlers &handlers, QWidget *mainWindow, const TRunModal &run)
{
    handlers.insert(QStringLiteral("History1Click"), [mainWindow, run](QObject *) {
        OpenRmonWindow(
            mainWindow, [mainWindow] { return new THistoryForm(mainWindow); },
            [](QDialog *d) { return static_cast<THistoryForm *>(d)->RmonAvailable(); }, run);
    });
}
