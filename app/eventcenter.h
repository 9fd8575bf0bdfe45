// The main window's side of notifications: the receiver, the event log, the status bar entry
// with the unacknowledged count (a click opens the log), and the front panel's reactions.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QLabel;
class QStatusBar;
class QWidget;
class QvSNMPNotificationReceiver;
class TEventLogForm;
class TEventLogModel;
struct QvSNMPNotification;

class TEventCenter : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> pollPorts;                       // linkDown/linkUp: poll the LEDs now
        std::function<void(const QString &, bool held)> notice;  // restarts, listener failures
    };
    // folder: the journal's place ("" for the user's data folder).
    TEventCenter(QWidget *window, QStatusBar *bar, Hooks hooks, const QString &folder = QString());
    ~TEventCenter() override;

    // (Re)opens the listener with NotifyListenParams() for the running session's switch; a
    // failure is said in the status bar. Returns the library status.
    int Restart();
    TEventLogForm *ShowLog();

    QvSNMPNotificationReceiver *Receiver() const { return m_receiver; }
    TEventLogModel *Model() const { return m_model; }
    QLabel *CountLabel() const { return m_count; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Received(const QvSNMPNotification &n);
    void UpdateCount();

    QWidget *m_window;
    Hooks m_hooks;
    QvSNMPNotificationReceiver *m_receiver;
    TEventLogModel *m_model;
    QLabel *m_count;
    QPointer<TEventLogForm> m_form;
    bool m_listenFailed = false;
};
