#include "rmonentries.h"

#include "talarmform.h"
#include "thistoryform.h"
#include "trmonstatisticsform.h"

void AddRmonHandlers(TMenuHandlers &handlers, QWidget *mainWindow)
{
    handlers.insert(QStringLiteral("Statistics1Click"), [mainWindow](QObject *) {
        OpenRmonWindow(mainWindow, QStringLiteral("Statistics"), [mainWindow] { return new TRMONStatisticsForm(mainWindow); });
    });
    handlers.insert(QStringLiteral("History1Click"), [mainWindow](QObject *) {
        OpenRmonWindow(mainWindow, QStringLiteral("History"), [mainWindow] { return new THistoryForm(mainWindow); });
    });
    handlers.insert(QStringLiteral("AlarmEvent1Click"), [mainWindow](QObject *) {
        OpenRmonWindow(mainWindow, QStringLiteral("AlarmEvent"), [mainWindow] { return new TAlarmForm(mainWindow); });
    });
}
