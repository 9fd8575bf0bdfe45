// The RMON history window: the switch's history control entries, the samples of the chosen entry as
// a table and as three bar charts (utilisation, errors, packet distribution), read again on a timer,
// and the dialog that adds and modifies entries.
#pragma once

#include "rmoncommon.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QBarSeries;
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
class THistory_control;

// The sample rows PlotHistory draws, newest first: the last H - 1 of rowCount rows, or all of them
// when there are fewer than H.
QList<int> HistoryPlotRows(int rowCount, int historyCount);

// One bar per plotted sample, labelled with the sample's time stamp.
struct THistoryPlot {
    QStringList labels;
    QList<QList<qint64>> utilization;  // one set: percent
    QList<QList<qint64>> errors;       // CRC Align, Undersize, Oversize, Fragments, Jabbers, Collisions
    QList<QList<qint64>> packets;      // Packets, Broadcast, Multicast
};

// Non-modal; every request is asynchronous, its wait shown in the status bar.
class THistoryForm : public TRmonWindow {
    Q_OBJECT
public:
    explicit THistoryForm(QWidget *owner);
    ~THistoryForm() override;

    void StartProbe() override;

    // Event handlers.
    void LV_controlClick();
    void LV_controlDblClick();
    void BT_StartClick();
    void BT_StopClick();
    void BT_ResetClick();
    void BT_RefreshClick();
    void BT_ViewClick();
    void BT_AddClick();
    void BT_ModifyClick();
    void BT_DeleteClick();
    void Timer1Timer();
    void CB_IntervalChange();
    void CB_HistoryCountChange();
    void CK_U3DClick();
    void PageControl1Change();

    // Redraws the three charts from the sample list.
    void PlotHistory();
    // What PlotHistory draws, from the rows of the sample list.
    THistoryPlot PlotData() const;

    QvSNMPRequest2Edits *ControlBinding() const { return m_control; }
    QvSNMPRequest2Edits *SampleBinding() const { return m_samples; }
    int HistoryCount() const { return m_historyCount; }
    bool Running() const { return m_running; }
    QString SelectedIndex() const { return m_selectedIndex; }
    QString SelectedDataSource() const { return m_selectedSource; }
    int Mode() const { return m_mode; }
    QChart *Chart(int page) const;
    // The Add or Modify dialog while it is open.
    THistory_control *Dialog() const { return m_dialog; }

    // Controls, named as in the window's design.
    QTreeWidget *LV_control = nullptr;
    QTreeWidget *LV_Table = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *Ed_Source = nullptr;
    QComboBox *CB_Status = nullptr;
    QComboBox *CB_Interval = nullptr;
    QComboBox *CB_HistoryCount = nullptr;
    QLabel *ST_Time = nullptr;
    QLabel *ST_Owner = nullptr;
    QLabel *ST_Index = nullptr;
    QLabel *ST_DataSource = nullptr;
    QLabel *ST_IP = nullptr;
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
    QPushButton *BT_View = nullptr;
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
    // Rebuilds the sample list for the selected entry and reads it.
    void ReadSamples();
    void WalkSamples();
    void WalkControls(std::function<void()> then = {});
    void ShowSelectedRow();
    int SelectedRow() const;
    void Report(const QString &text);
    void RunDialog(int mode);
    template <typename F>
    void Guarded(F &&body);

    QvSNMPRequest2Edits *m_control = nullptr;
    QvSNMPRequest2Edits *m_samples = nullptr;
    QPointer<THistory_control> m_dialog;
    bool m_running = true;
    int m_historyCount = 30;
    int m_mode = 0;
    QString m_selectedSource = QStringLiteral("1");
    QString m_selectedIndex = QStringLiteral("1");
};

// The dialog that adds or modifies a history control entry. OK starts the three writes and
// returns; the dialog closes when they succeed and stays with what was typed when one fails.
class THistory_control : public QDialog {
    Q_OBJECT
public:
    THistory_control(THistoryForm *form, int mode);
    ~THistory_control() override;

    void BT_SetClick();
    void Button2Click();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QvWaitIndicator *Wait() const { return m_wait; }
    // Modify could not read the entry: the dialog closes.
    bool RmonReadFailed() const { return m_readFailed; }

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *ED_Datatsource = nullptr;
    QLineEdit *ED_Owner = nullptr;
    QLineEdit *ED_Buckets = nullptr;
    QLineEdit *ED_Interval = nullptr;
    QComboBox *CB_Status = nullptr;
    QLineEdit *ED_Sub = nullptr;
    QPushButton *BT_Set = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *ST_Status = nullptr;

private:
    void FormCreate();

    QPointer<THistoryForm> m_form;
    int m_mode;
    QvSNMPRequest2Edits *m_binding = nullptr;
    QvWaitIndicator *m_wait = nullptr;
    bool m_readFailed = false;
};
