// The window the RMON statistics and history windows are built on: the list of the switch's control
// entries on top, the pages of the chosen entry (a table and three charts) below it, the side panel
// (clock, interval, history count, buttons) at the right and the status bar at the foot. The list's
// binding copies the chosen row into hidden edits; Add and Modify open the window's dialog, Delete
// writes "invalid" to the chosen entry. The dialog base holds what both control dialogs share.
#pragma once

#include "rmoncommon.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>

#include <functional>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;
class QTabWidget;
class QTimer;
class QTreeWidget;

// What sets a control-table window apart.
struct TRmonControlDesc {
    const QvSNMPVarDesc *controlVars;  // read as a list; the index is column 0
    const char *controlTitle;
    int sourceColumn;
    int ownerColumn;
    int statusColumn;
    int controlRetries;  // -1: the session's
};

class TRmonControlWindow : public TRmonWindow {
    Q_OBJECT
public:
    ~TRmonControlWindow() override;

    void LV_controlClick();
    void LV_controlDblClick();
    void BT_AddClick();
    void BT_ModifyClick();
    void PageControl1Change();
    virtual void BT_DeleteClick() = 0;
    virtual void BT_RefreshClick() = 0;
    virtual void BT_ResetClick() = 0;
    virtual void BT_StartClick() = 0;
    virtual void BT_StopClick() = 0;
    virtual void Timer1Timer() = 0;
    virtual void CB_IntervalChange() = 0;
    virtual void CB_HistoryCountChange() = 0;
    virtual void CK_U3DClick() = 0;

    QvSNMPRequest2Edits *ControlBinding() const { return m_control; }
    QString SelectedDataSource() const { return m_selectedSource; }
    QString SelectedIndex() const { return m_selectedIndex; }
    int Mode() const { return m_mode; }
    // The chart of a page (1 to 3).
    QChart *Chart(int page) const;

    // Controls, named as in the windows' design.
    QTreeWidget *LV_control = nullptr;
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

protected:
    TRmonControlWindow(QWidget *owner, const TRmonControlDesc &desc);

    // Building, in this order: the control list, its hidden edits and the page control; then the
    // window adds its pages and charts; the side panel up to "Delete"; then the window may add
    // buttons to m_side; the rest ("Refresh", status bar, layout, Timer1 and the connections).
    void BuildControlList();
    void BuildSidePanel(const QStringList &intervals, const QString &hint, int countIndex);
    void FinishControls(int timerMs);
    // The control list's binding; then the window makes its entry binding; then the waits of both.
    void BindControlList();
    void WatchRequests(QvSNMPRequest2Controls *entryBinding);

    int SelectedRow() const;
    void SetRowButtons(bool enabled);
    // Shows the chosen row's index, source and owner, then reads its entry.
    void ShowSelectedRow();
    virtual void ReadEntry() = 0;
    // Walks the control list; then runs once the walk has ended (not after a cancel).
    void WalkControls(std::function<void()> then = {});
    // Opens the window's dialog unless one is open or a request is out.
    void RunDialog(int mode);
    virtual QDialog *MakeDialog(int mode) = 0;
    virtual void DialogFinished(int) {}
    // Writes "invalid" to the chosen entry; the list binding is a list again when done runs.
    void InvalidateSelected(std::function<void(const QvSNMPError &outcome)> done);
    // Escape ended a delete; the list binding is a list again.
    virtual void DeleteCancelled() {}
    void Report(const QString &text);
    void Guarded(const std::function<void()> &body);

    TRmonSidePanel m_side;
    // Buttons that need a chosen row.
    QList<QPushButton *> m_rowButtons;
    QvSNMPRequest2Edits *m_control = nullptr;
    QPointer<QDialog> m_dialog;
    int m_mode = 0;
    QString m_selectedSource = QStringLiteral("1");
    QString m_selectedIndex = QStringLiteral("1");

private:
    void ShowControlList();

    TRmonControlDesc m_desc;
};

// The dialog that adds or modifies a control entry. OK starts the three writes and returns; the
// dialog closes when they succeed and stays with what was typed when one fails.
class TRmonControlDialog : public QDialog {
    Q_OBJECT
public:
    ~TRmonControlDialog() override;

    virtual void BT_SetClick() = 0;

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QvWaitIndicator *Wait() const { return m_wait; }

    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *ED_Owner = nullptr;
    QComboBox *CB_Status = nullptr;
    QLineEdit *ED_Sub = nullptr;
    QPushButton *BT_Set = nullptr;
    QPushButton *Button2 = nullptr;
    QLabel *ST_Status = nullptr;

protected:
    TRmonControlDialog(TRmonControlWindow *form, const char *objectName, int mode);

    // A row of the group box; the data source row has its prefix before the edit.
    QLineEdit *AddEdit(const QString &caption, const char *name);
    QLineEdit *AddSourceEdit(const QString &caption, const QString &prefix, const char *name);
    // The hidden controls, the buttons and the status line under the group box.
    void FinishControls();
    // The entry's binding over the edit table; edits holds the edit of each item before the
    // status item, with its format.
    void Bind(const QvSNMPVarDesc *vars, const char *title, const QList<std::pair<const char *, QLineEdit *>> &edits);
    // Modify: the chosen entry is read into the edits; failed runs when it cannot be.
    void ReadChosenEntry(std::function<void(const QvSNMPError &outcome)> failed);
    // Says so and returns false unless source is a number.
    bool CheckSource(const QString &source);
    // Writes the entry instance with source (an interface number) in three steps; a failure
    // names its step, success runs done.
    void WriteEntry(const QString &instance, const QString &source, const QList<int> &dataItems,
                    std::function<void()> done);
    bool Adding() const { return m_mode != RDM_Modify; }

    QPointer<TRmonControlWindow> m_form;
    int m_mode;
    QFormLayout *m_rows = nullptr;
    QLineEdit *m_source = nullptr;
    QvSNMPRequest2Edits *m_binding = nullptr;
    QvWaitIndicator *m_wait = nullptr;
    int m_statusItem = 0;
};
