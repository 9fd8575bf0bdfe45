#include "rmonentries.h"

#include "talarmform.h"
#include "thistoryform.h"
#include "trmonstatisticsform.h"

void AddRmonHandlers(TMenuHandlers &handlers, QWidget *mainWindow, const TRunModal &run)
{
    const auto makeStatistics = [mainWindow] { return new TRMONStatisticsForm(mainWindow); };
    const auto statisticsEnabled = [](QDialog *d) { return static_cast<TRMONStatisticsForm *>(d)->RmonAvailable(); };
    handlers.insert(QStringLiteral("Statistics1Click"), [=](QObject *) {
        OpenRmonWindow(mainWindow, makeStatistics, statisticsEnabled, run);
    });
    handlers.insert(QStringLiteral("History1Click"), [mainWindow, run](QObject *) {
        OpenRmonWindow(
            mainWindow, [mainWindow] { return new THistoryForm(mainWindow); },
            [](QDialog *d) { return static_cast<THistoryForm *>(d)->RmonAvailable(); }, run);
    });
    handlers.insert(QStringLiteral("AlarmEvent1Click"), [=](QObject *) {
        OpenRmonAlarmWindow(mainWindow, makeStatistics, statisticsEnabled,
                            [mainWindow] { return new TAlarmForm(mainWindow); }, run);
    });
}
