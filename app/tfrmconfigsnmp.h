// The SNMP settings dialog: edits the SNMP settings of the current agent and saves them into its
// device configuration file for the next start of the module. The running module keeps its
// settings; VersionChanged tells the opener when the saved ones would need a restart.
#pragma once

#include "deviceconfigfile.h"

#include <QDialog>
#include <QString>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QvRadioGroup;

class TfrmConfigSNMP : public QDialog {
    Q_OBJECT
public:
    // address: the main window's address copy; runningVersion and runningSecurityName: its
    // version and security name copies; folder: where the file goes (the program's own folder).
    TfrmConfigSNMP(QWidget *owner, const QString &address, const QString &runningVersion,
                   const QString &runningSecurityName, const QString &folder);

    static constexpr int ClientWidth = 482;
    static constexpr int ClientHeight = 275;

    // Set by OK when the saved version (or SNMPv3 user) differs from the running one.
    bool VersionChanged = false;

    // The file OK writes: folder, address, ".cfg"; "" when the address cannot name a file there.
    QString ConfigFilePath() const;
    // The text OK writes, lines joined by CR LF, none after the last.
    QString ConfigFileText() const;
    // Fills the fields with the running settings, so that OK without a change writes them again.
    void LoadSettings(const TDeviceConfigEntries &running);
    // The typed time-out in hundredths and retries; nullopt when out of range or no number.
    std::optional<int> TimeoutHundredths() const;
    std::optional<int> RetryCount() const;
    // The typed notification port (1..65535) and numeric address; nullopt / "" when not valid.
    std::optional<int> NotifyPortNumber() const;
    QString NotifyAddressText() const;

    QScrollArea *sbxConfigSNMP;
    QLabel *lblIPCaption;
    QLabel *lblIP;
    QLabel *lblPort;
    QLineEdit *edtPort;
    QvRadioGroup *rgpSNMPVersion;
    QLabel *lblSecurityName;
    QComboBox *cbxSecurityName;
    QLabel *lblSecurityLevel;
    QComboBox *cbxSecurityLevel;
    QLabel *lblAuthProtocol;
    QComboBox *cbxAuthProtocol;
    QLabel *lblAuthPass;
    QLineEdit *edtAuthPass;
    QLabel *lblPrivProtocol;
    QComboBox *cbxPrivProtocol;
    QLabel *lblPrivPass;
    QLineEdit *edtPrivPass;
    QLabel *lblContext;
    QLineEdit *edtContext;
    QLabel *lblContextEngine;
    QLineEdit *edtContextEngine;
    QLabel *lblCommunity;
    QLineEdit *edtCommunity;
    QLabel *lblTimeout;
    QLineEdit *edtTimeout;
    QLabel *lblRetries;
    QLineEdit *edtRetries;
    QLabel *lblNotifyAddress;
    QLineEdit *edtNotifyAddress;
    QLabel *lblNotifyPort;
    QLineEdit *edtNotifyPort;
    QCheckBox *chkGetBulk;
    QPushButton *btnOk;
    QPushButton *btnExit;

    void FormCreate();
    void rgpSNMPVersionClick();
    void btnOkClick();
    void btnExitClick();

private:
    bool V3Selected() const;
    void SetV3Controls(bool on);
    bool ComputeVersionChanged() const;

    QString m_runningVersion;
    QString m_runningSecurityName;
    QString m_folder;
};
