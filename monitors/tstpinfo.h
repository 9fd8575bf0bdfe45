// Spanning-tree information: the bridge's spanning-tree state, and its four settable parameters
// with the range checks the bridge MIB's timer rules ask for before anything is written. Set writes
// and then reads back, asynchronously; a failed write is not read back.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QvSNMPRequest2Edits;
class QvWaitIndicator;

// A bridge identifier's 16 hex digits as "4096 / 00:50:BA:00:AA:01 (10000050BA00AA01)"; any other
// text unchanged.
QString BridgeIdText(const QString &octets);

class TSTP_Info : public QDialog {
    Q_OBJECT
public:
    explicit TSTP_Info(QWidget *owner);
    ~TSTP_Info() override;

    void BT_GetClick();
    void BT_SetClick();
    void Button1Click();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QLabel *StatusPanel() const { return m_status; }
    QvWaitIndicator *Wait() const { return m_wait; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Report(const QString &text);

    QvSNMPRequest2Edits *m_binding = nullptr;
    QLineEdit *m_priority = nullptr;
    QLineEdit *m_maxAge = nullptr;
    QLineEdit *m_hello = nullptr;
    QLineEdit *m_forwardDelay = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_root = nullptr;
    QvWaitIndicator *m_wait = nullptr;
};
