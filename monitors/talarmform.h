// The RMON alarm and event window: the switch's alarms, events and event log, and the dialog that
// adds or modifies an alarm together with its rising and falling events. Deleting an alarm deletes
// its two events as well.
#pragma once

#include "rmoncommon.h"

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

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
class TAlarm_control;
struct QvSNMPVarDesc;

// The name of the Ethernet statistics column a monitored variable's identifier names, or "0".
QString VariableName(const QString &oid);
// That column's position in the name table (0 when none matches).
int VariableNumber(const QString &oid);
// How the alarm list shows a variable: its name, ".", the instance; unchanged when no name matches.
QString VariableDisplay(const QString &oid);

// The smallest indexes from 1 up that are not in used, count of them.
QList<quint32> FreeRmonIndexes(const QList<quint32> &used, int count);

// Non-modal; every request is asynchronous, its wait shown in the status bar. Its first walk
// is that of the statistics control table, which tells whether the switch serves RMON.
class TAlarmForm : public TRmonWindow {
    Q_OBJECT
public:
    explicit TAlarmForm(QWidget *owner);
    ~TAlarmForm() override;

    void StartProbe() override;

    void Timer1Timer();
    void BT_OKClick();
    void BT_RefreshClick();
    void BT_AddClick();
    void BT_ModifyClick();
    void BT_DeleteClick();
    void LV_AlarmClick();
    void PageControl1Change();
    // Each runs then when it is over (also when nothing was deleted).
    void DeleteAlarm(std::function<void()> then);
    void DeleteEvent(std::function<void()> then);
    // The Add or Modify dialog while it is open.
    TAlarm_control *Dialog() const { return m_dialog; }
    // True while a delete's writes and reads are under way.
    bool Deleting() const { return m_deleting; }

    int Mode() const { return m_mode; }
    QvSNMPRequest2Edits *AlarmBinding() const { return m_alarm; }
    QvSNMPRequest2Edits *EventBinding() const { return m_event; }
    QvSNMPRequest2Edits *LogBinding() const { return m_log; }
    // What the last dialog wrote, shown after the lists are read again.
    void SetDialogOutcome(const QString &text) { m_outcome = text; }

    QTabWidget *PageControl1 = nullptr;
    QTreeWidget *LV_Alarm = nullptr;
    QTreeWidget *LV_Event = nullptr;
    QTreeWidget *LV_Log = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *ED_RIndex = nullptr;
    QLineEdit *ED_FIndex = nullptr;
    QComboBox *CB_AStatus = nullptr;
    QComboBox *CB_RStatus = nullptr;
    QLabel *ST_Time = nullptr;
    QLabel *ST_Event = nullptr;
    QPushButton *BT_Add = nullptr;
    QPushButton *BT_Delete = nullptr;
    QPushButton *BT_Modify = nullptr;
    QPushButton *BT_Refresh = nullptr;
    QPushButton *BT_OK = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;
    QTimer *Timer1 = nullptr;

private:
    void BuildControls();
    void FormCreate();
    // Walks binding (or joins its walk under way); then runs when it has ended.
    void Walk(QvSNMPRequest2Edits *binding, std::function<void()> then = {});
    void InvalidateEvent(const QString &index, TRmonWriteDone done);
    // Invalidates the events one after the other; failures collects their texts.
    void InvalidateEvents(QStringList events, std::shared_ptr<QStringList> failures, std::function<void()> then);
    // Add, Refresh, Modify and Delete as the page, the selection and the wait allow.
    void UpdateButtons();
    void RestoreLists();
    void Report(const QString &text);
    void RunDialog(int mode);

    QvSNMPRequest2Edits *m_probe = nullptr;
    QvSNMPRequest2Edits *m_alarm = nullptr;
    QvSNMPRequest2Edits *m_event = nullptr;
    QvSNMPRequest2Edits *m_log = nullptr;
    int m_mode = 0;
    QString m_outcome;
    QPointer<TAlarm_control> m_dialog;
    bool m_deleting = false;
    bool m_addPage = true;
    bool m_rowSelected = false;
};

// Adds or modifies an alarm and its two events. What it reads on opening and what OK writes go
// out as chained steps; OK returns at once, the dialog closes when every write succeeded and
// stays with what was typed when one failed, naming it.
class TAlarm_control : public QDialog {
    Q_OBJECT
public:
    TAlarm_control(TAlarmForm *form, int mode);
    ~TAlarm_control() override;

    void BT_OKClick();
    void BT_CancelClick();
    QvWaitIndicator *Wait() const { return m_wait; }

    QvSNMPRequest2Edits *AlarmBinding() const { return m_alarm; }
    QvSNMPRequest2Edits *RisingBinding() const { return m_rising; }
    QvSNMPRequest2Edits *FallingBinding() const { return m_falling; }

    QGroupBox *GB_Alarm = nullptr;
    QLineEdit *ED_Index = nullptr;
    QLineEdit *ED_Interval = nullptr;
    QComboBox *CB_Variable = nullptr;
    QLineEdit *ED_Valueindex = nullptr;
    QLineEdit *ED_Owner = nullptr;
    QComboBox *CB_Sampling = nullptr;
    QComboBox *CB_Startup = nullptr;
    QLineEdit *ED_Rising = nullptr;
    QLineEdit *ED_Falling = nullptr;
    QLineEdit *ED_Value = nullptr;
    QComboBox *CB_AStatus = nullptr;
    QCheckBox *CK_Rising = nullptr;
    QLineEdit *ED_RIndex = nullptr;
    QLineEdit *ED_Rdes = nullptr;
    QLineEdit *ED_Rcom = nullptr;
    QComboBox *CB_Rtype = nullptr;
    QComboBox *CB_TRStatus = nullptr;
    QCheckBox *CK_Falling = nullptr;
    QLineEdit *ED_FIndex = nullptr;
    QLineEdit *ED_Fdes = nullptr;
    QLineEdit *ED_Fcom = nullptr;
    QComboBox *CB_Ftype = nullptr;
    QComboBox *CB_TFStatus = nullptr;
    QPushButton *BT_OK = nullptr;
    QPushButton *BT_Cancel = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    QLabel *StatusPanel0 = nullptr;

private:
    void BuildControls();
    void FormCreate();
    // The first failing check's message, or "" when the input may be written.
    QString CheckInput() const;
    // Writes one entry in three SETs; then(true) when all were answered, else the failure is
    // shown with its step and then(false).
    void WriteEntry(QvSNMPRequest2Edits *binding, int statusItem, QComboBox *status, const QList<int> &data,
                    bool *exists, const QString &what, std::function<void(bool ok)> then);
    void ReadForModify();
    void ProposeIndexes();

    QPointer<TAlarmForm> m_form;
    QvWaitIndicator *m_wait = nullptr;
    int m_mode;
    QvSNMPRequest2Edits *m_alarm = nullptr;
    QvSNMPRequest2Edits *m_rising = nullptr;
    QvSNMPRequest2Edits *m_falling = nullptr;
    // Whether each entry is already on the agent: decides between creating and changing it.
    bool m_alarmExists = false;
    bool m_risingExists = false;
    bool m_fallingExists = false;
    // The event indexes the entries were read or last written with.
    QString m_readRising, m_readFalling;
};
