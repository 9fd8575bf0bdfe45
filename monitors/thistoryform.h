// The RMON history window: the switch's history control entries, the samples of the chosen entry as
// a table and as three bar charts (utilisation, errors, packet distribution), read again on a timer,
// and the dialog that adds and modifies entries.
#pragma once

#include "rmoncontrolwindow.h"

#include <QList>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
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
class THistoryForm : public TRmonControlWindow {
    Q_OBJECT
public:
    explicit THistoryForm(QWidget *owner);
    ~THistoryForm() override;

    void StartProbe() override;

    void BT_StartClick() override;
    void BT_StopClick() override;
    void BT_ResetClick() override;
    void BT_RefreshClick() override;
    void BT_ViewClick();
    void BT_DeleteClick() override;
    void Timer1Timer() override;
    void CB_IntervalChange() override;
    void CB_HistoryCountChange() override;
    void CK_U3DClick() override;

    // Redraws the three charts from the sample list.
    void PlotHistory();
    // What PlotHistory draws, from the rows of the sample list.
    THistoryPlot PlotData() const;

    QvSNMPRequest2Edits *SampleBinding() const { return m_samples; }
    int HistoryCount() const { return m_historyCount; }
    bool Running() const { return m_running; }
    // The Add or Modify dialog while it is open.
    THistory_control *Dialog() const;

    QTreeWidget *LV_Table = nullptr;
    QLabel *ST_IP = nullptr;
    QPushButton *BT_View = nullptr;

private:
    void BuildControls();
    void FormCreate();
    void ReadEntry() override;
    void WalkSamples();
    QDialog *MakeDialog(int mode) override;

    QvSNMPRequest2Edits *m_samples = nullptr;
    bool m_running = true;
    int m_historyCount = 30;
};

// The dialog that adds or modifies a history control entry.
class THistory_control : public TRmonControlDialog {
    Q_OBJECT
public:
    THistory_control(THistoryForm *form, int mode);
    ~THistory_control() override;

    void BT_SetClick() override;
    void Button2Click();

    // Modify could not read the entry: the dialog closes.
    bool RmonReadFailed() const { return m_readFailed; }

    QLineEdit *ED_Datatsource = nullptr;
    QLineEdit *ED_Buckets = nullptr;
    QLineEdit *ED_Interval = nullptr;

private:
    bool m_readFailed = false;
};
