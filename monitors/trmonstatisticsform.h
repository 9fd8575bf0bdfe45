// The RMON statistics window: the switch's Ethernet statistics entries, the counter monitor over the
// seventeen counters of the chosen entry with the recent rates as three line charts, and the dialog
// that adds and modifies entries.
#pragma once

#include "rmoncommon.h"
#include "tcountermonitor.h"
#include "tmonitorparts.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <memory>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QvSNMPRequest2Edits;
class TStatistics_control;

// Non-modal; every request is asynchronous, its wait shown in the status bar.
class TRMONStatisticsForm : public TRmonWindow {
    Q_OBJECT
public:
    explicit TRMONStatisticsForm(QWidget *owner);
    ~TRMONStatisticsForm() override;

    void StartProbe() override;

    void LV_controlClick();
    void LV_controlDblClick();
    void Timer1Timer();
    void BT_ResetClick();
    void BT_StartClick();
    void BT_StopClick();
    void BT_RefreshClick();
    void BT_AddClick();
    void BT_ModifyClick();
    void BT_DeleteClick();
    void CB_IntervalChange();
    void CB_HistoryCountChange();
    void CK_U3DClick();
    void PageControl1Change();
    // Takes the row the last get left in the hidden list and brings the display and charts up to date.
    void Update();
    // The Add or Modify dialog while it is open.
    TStatistics_control *Dialog() const { return m_dialog; }

    QvSNMPRequest2Edits *ControlBinding() const { return m_control; }
    QvSNMPRequest2Edits *CounterBinding() const { return m_counters; }
    const TCounterMonitor &Monitor() const { return *m_monitor; }
    const TMonitorFreshness &Freshness() const { return *m_freshness; }
    QString SelectedDataSource() const { return m_selectedSource; }
    QString SelectedIndex() const { return m_selectedIndex; }
    int Mode() const { return m_mode; }
    // The chart of a page (1 Packets, 2 Errors, 3 Packet Size Distribution).
    QChart *Chart(int page) const;

    QTreeWidget *LV_control = nullptr;
    QTreeWidget *LV_Chart = nullptr;
    QTreeWidget *LV_Static = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *Ed_Source = nullptr;
    QComboBox *CB_Status = nullptr;
    QComboBox *CB_Interval = nullptr;
    QComboBox *CB_HistoryCount = nullptr;
    QLabel *ST_Time = nullptr;
    QLabel *ST_Owner = nullptr;
    QLabel *ST_Index = nullptr;
    QLabel *ST_DataSource = nullptr;
    QCheckBox *CK_U3D = nullptr;
    QCheckBox *CK_E3D = nullptr;
    QCheckBox *CK_P3D = nullptr;
    QPushButton *BT_Close = nullptr;
    QPushButton *BT_Reset = nullptr;
    QPushButton *BT_Start = nullptr;
    QPushButton *BT_Stop = nullptr;
    QPushButton *BT_Add = nullptr;
    QPushButton *BT_Modify = nullptr;
    QPushButton *BT_Delete = nullptr;
    QPushButton *BT_Refresh = nullptr;
    QTabWidget *PageControl1 = nullptr;
    QChartView *CH_Utilization = nullptr;
    QChartView *CH_Error = nullptr;
    QChartView *CH_Packet = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QLabel *StatusPanel1 = nullptr;  // shown while the control list is cut short
    QTimer *Timer1 = nullptr;

private:
    void BuildControls();
    void FormCreate();
    void SetRowButtons(bool enabled);
    int SelectedRow() const;
    void ShowSelectedRow();
    // Walks the control list; then runs once the walk has ended (not after a cancel).
    void WalkControls(std::function<void()> then = {});
    void ControlWalkEnded(const QvSNMPError &outcome);
    void CountersRead(const QvSNMPError &outcome);
    void SelectFirstRow();
    void ClearDisplay();
    void ShowCounters();
    void PlotRates();
    void RunDialog(int mode);

    QvSNMPRequest2Edits *m_control = nullptr;
    QvSNMPRequest2Edits *m_counters = nullptr;
    std::unique_ptr<TCounterMonitor> m_monitor;
    std::unique_ptr<TMonitorFreshness> m_freshness;
    QPointer<TStatistics_control> m_dialog;
    int m_mode = 0;
    QString m_selectedSource = QStringLiteral("1");
    QString m_selectedIndex = QStringLiteral("1");
};

// OK starts the three writes and returns; the dialog closes when they succeed and stays with
// what was typed when one fails.
class TStatistics_control : public QDialog {
    Q_OBJECT
public:
    TStatistics_control(TRMONStatisticsForm *form, int mode);
    ~TStatistics_control() override;

    void BT_SetClick();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QvWaitIndicator *Wait() const { return m_wait; }

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *ED_DataSource = nullptr;
    QLineEdit *ED_Owner = nullptr;
    QComboBox *CB_Status = nullptr;
    QLineEdit *ED_Sub = nullptr;
    QPushButton *BT_Set = nullptr;
    QPushButton *Button2 = nullptr;
    QPushButton *DoneBtn = nullptr;
    QLabel *ST_Status = nullptr;

private:
    void FormCreate();

    QPointer<TRMONStatisticsForm> m_form;
    int m_mode;
    QvSNMPRequest2Edits *m_binding = nullptr;
    QvWaitIndicator *m_wait = nullptr;
    QList<quint32> m_indexes;
};
