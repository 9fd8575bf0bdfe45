// The RMON alarm and event window: the switch's alarms, events and event log, and the dialog that
// adds or modifies an alarm together with its rising and falling events. Deleting an alarm deletes
// its two events as well.
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

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
struct QvSNMPVarDesc;

// The name of the Ethernet statistics column a monitored variable's identifier names, or "0".
QString VariableName(const QString &oid);
// That column's position in the name table (0 when none matches).
int VariableNumber(const QString &oid);
// How the alarm list shows a variable: its name, ".", the instance; unchanged when no name matches.
QString VariableDisplay(const QString &oid);

// The index numbers in use in a table, read from its index column (the table's first object).
QList<quint32> UsedRmonIndexes(const QvSNMPVarDesc *table);
// The smallest indexes from 1 up that are not in used, count of them.
QList<quint32> FreeRmonIndexes(const QList<quint32> &used, int count);

class TAlarmForm : public QDialog {
    Q_OBJECT
public:
    explicit TAlarmForm(QWidget *owner);
    ~TAlarmForm() override;

    void Timer1Timer();
    void BT_OKClick();
    void BT_RefreshClick();
    void BT_AddClick();
    void BT_ModifyClick();
    void BT_DeleteClick();
    void LV_AlarmClick();
    void PageControl1Change();
    void DeleteAlarm();
    void DeleteEvent();

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
    void Walk(QvSNMPRequest2Edits *binding);
    void InvalidateEvent(const QString &index);
    void Report(const QString &text);

    QvSNMPRequest2Edits *m_alarm = nullptr;
    QvSNMPRequest2Edits *m_event = nullptr;
    QvSNMPRequest2Edits *m_log = nullptr;
    int m_mode = 0;
    QString m_outcome;
};

class TAlarm_control : public QDialog {
    Q_OBJECT
public:
    TAlarm_control(TAlarmForm *form, int mode);
    ~TAlarm_control() override;

    void BT_OKClick();
    void BT_CancelClick();

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
    // Writes one entry in three SETs; false (with its message shown) when one fails.
    bool WriteEntry(QvSNMPRequest2Edits *binding, int statusItem, QComboBox *status, const QList<int> &data,
                    bool *exists, const QString &what);

    TAlarmForm *m_form;
    int m_mode;
    QvSNMPRequest2Edits *m_alarm = nullptr;
    QvSNMPRequest2Edits *m_rising = nullptr;
    QvSNMPRequest2Edits *m_falling = nullptr;
    // Whether each entry is already on the agent: decides between creating and changing it.
    bool m_alarmExists = false;
    bool m_risingExists = false;
    bool m_fallingExists = false;
};
