// The RMON statistics window: the switch's Ethernet statistics entries, the counter monitor over the
// seventeen counters of the chosen entry with the recent rates as three line charts, and the dialog
// that adds and modifies entries.
#pragma once

#include "rmoncontrolwindow.h"
#include "tcountermonitor.h"
#include "tmonitorparts.h"

#include <QList>

#include <memory>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class TStatistics_control;

// Non-modal; every request is asynchronous, its wait shown in the status bar.
class TRMONStatisticsForm : public TRmonControlWindow {
    Q_OBJECT
public:
    explicit TRMONStatisticsForm(QWidget *owner);
    ~TRMONStatisticsForm() override;

    void StartProbe() override;

    void Timer1Timer() override;
    void BT_ResetClick() override;
    void BT_StartClick() override;
    void BT_StopClick() override;
    void BT_RefreshClick() override;
    void BT_DeleteClick() override;
    void CB_IntervalChange() override;
    void CB_HistoryCountChange() override;
    void CK_U3DClick() override;
    // Takes the row the last get left in the hidden list and brings the display and charts up to date.
    void Update();
    // The Add or Modify dialog while it is open.
    TStatistics_control *Dialog() const;

    QvSNMPRequest2Edits *CounterBinding() const { return m_counters; }
    const TCounterMonitor &Monitor() const { return *m_monitor; }
    const TMonitorFreshness &Freshness() const { return *m_freshness; }

    QTreeWidget *LV_Chart = nullptr;
    QTreeWidget *LV_Static = nullptr;

private:
    void BuildControls();
    void FormCreate();
    void ReadEntry() override { BT_ResetClick(); }
    void CountersRead(const QvSNMPError &outcome);
    void SelectFirstRow();
    void ClearDisplay();
    void ShowCounters();
    void PlotRates();
    QDialog *MakeDialog(int mode) override;
    void DialogFinished(int result) override;
    void DeleteCancelled() override;

    QvSNMPRequest2Edits *m_counters = nullptr;
    std::unique_ptr<TCounterMonitor> m_monitor;
    std::unique_ptr<TMonitorFreshness> m_freshness;
};

// The dialog that adds or modifies a statistics control entry.
class TStatistics_control : public TRmonControlDialog {
    Q_OBJECT
public:
    TStatistics_control(TRMONStatisticsForm *form, int mode);
    ~TStatistics_control() override;

    void BT_SetClick() override;

    QLineEdit *ED_DataSource = nullptr;
    QPushButton *DoneBtn = nullptr;

private:
    QList<quint32> m_indexes;
};
