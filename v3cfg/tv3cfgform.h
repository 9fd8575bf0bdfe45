// The SNMPv3 configuration tool's one window: the switch's users with their groups, the access
// entries and views of the selected user's group, a user form (create, try, use), a password
// change and a delete, and a report strip that says what each action did on the switch. Every
// action runs asynchronously: the report strip says while the switch is awaited, the buttons that
// send are off meanwhile, and Escape or closing the window ends the wait.
#pragma once

#include "tusmadmin.h"
#include "tv3cfgstartup.h"

#include <QDialog>
#include <QSet>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTabWidget;
class QvWaitIndicator;

class TV3CfgForm : public QDialog {
    Q_OBJECT
public:
    explicit TV3CfgForm(const TV3CfgStart &start, QWidget *parent = nullptr);
    ~TV3CfgForm() override;

    static const QString Caption;

    QLabel *LB_Session;
    QTreeWidget *LV_Users;
    QTabWidget *PC_Vacm;
    QTreeWidget *LV_Groups;
    QTreeWidget *LV_Access;
    QTreeWidget *LV_Views;
    QLineEdit *ED_Name;
    QComboBox *CB_AuthProtocol;
    QLineEdit *ED_AuthPassword;
    QComboBox *CB_PrivProtocol;
    QLineEdit *ED_PrivPassword;
    QComboBox *CB_CloneFrom;
    QLineEdit *ED_CloneAuthPassword;
    QLineEdit *ED_ClonePrivPassword;
    QComboBox *CB_Group;
    QLineEdit *ED_OldAuthPassword;
    QLineEdit *ED_OldPrivPassword;
    QPushButton *BT_Refresh;
    QPushButton *BT_Create;
    QPushButton *BT_Try;
    QPushButton *BT_Use;
    QPushButton *BT_ChangePasswords;
    QPushButton *BT_Delete;
    QPushButton *BT_Close;
    QPlainTextEdit *MM_Report;
    QvWaitIndicator *Wait;

    void BT_RefreshClick();
    void BT_CreateClick();
    void BT_TryClick();
    void BT_UseClick();
    void BT_ChangePasswordsClick();
    void BT_DeleteClick();
    void LV_UsersSelectionChanged();

    // The credentials the form holds (level from the chosen protocols).
    TUsmCredentials FormCredentials() const;
    // Appends a line to the report strip.
    void Report(const QString &text);
    // Closing the window drops what it waits for.
    void done(int result) override;

private:
    // Reads the tables again and selects select (else the selection kept).
    void Refresh(const QString &select);
    int BeginWait();
    void EndWait(int token);
    // Keys over SNMPv1/v2c travel in clear: true when the user still wants it.
    bool ConfirmClearKeys(const QString &name);
    void FillUsers();
    void FillVacm();
    void SelectUser(const QString &name);
    QString SelectedUser() const;
    // Runs an action; a failure thrown by it goes to the report strip.
    void Guarded(const std::function<void()> &action);

    TV3CfgStart m_start;
    TUsmAdmin m_admin;
    QList<TUsmUser> m_users;
    QList<TVacmMember> m_groups;
    QList<TVacmAccess> m_access;
    QList<TVacmView> m_views;
    QSet<int> m_waits;  // the wait indicator's tokens of the operations under way
};

// The protocol choices the form offers, with their session codes.
struct TProtocolChoice {
    const char *label;
    qint32 code;
};
extern const TProtocolChoice AuthProtocolChoices[7];
extern const TProtocolChoice PrivProtocolChoices[5];
