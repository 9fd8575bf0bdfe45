// The frame both kinds of counter window poll in: the window's body with a side panel at its right
// (the clock, the poll interval, the window's own controls, its buttons), the status bar below, the
// poll timer, and the binding that reads the counters into a hidden one-row list with its wait.
// Polls never overlap; once the window stops (closing), late answers reach nothing.
#pragma once

#include "tmonitorparts.h"

#include <QDialog>
#include <QList>

#include <memory>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;
class QVBoxLayout;
class QvWaitIndicator;
struct QvSNMPError;

class TCounterPollForm : public QDialog {
    Q_OBJECT
public:
    ~TCounterPollForm() override;

    void Timer1Timer();
    void CB_IntervalChange();
    virtual void BT_ResetClick() = 0;
    void BT_StartClick();
    void BT_StopClick();

    const TCounterMonitor &Monitor() const { return *m_monitor; }
    QTimer *Timer() const { return m_timer; }
    QvWaitIndicator *Wait() const { return m_wait; }
    // Polls sent, answered or failed (for tests and benchmarks).
    int PollsSent() const { return m_pollsSent; }
    const TMonitorFreshness &Freshness() const { return *m_freshness; }

protected:
    // The buttons every counter window has, made by the window in its own order.
    struct TPollButtons {
        QPushButton *reset, *start, *stop, *exit;
    };

    TCounterPollForm(QWidget *owner, const char *objectName, const char *caption, const QString &helpKey);
    // Starts the side panel: timeCaption over the clock, then "Poll  Interval" over its choices.
    // The window adds its own controls to m_side after this.
    void BeginSidePanel(const QString &timeCaption);
    // Puts the side panel right of what the window put in m_body, with buttons in the order given,
    // and adds the status bar, the timer and the polling binding (reading into m_hidden). The
    // window gives the binding its variables; m_display must exist by then.
    void EndSidePanel(const QList<QPushButton *> &order, const TPollButtons &buttons);
    // Sends a poll unless one is out or the window is not ready for one.
    void Poll();
    virtual bool ReadyToPoll() const { return true; }
    // Runs just before a poll is sent, inside the same guard.
    virtual void BeforePoll() {}
    // The poll was answered: its row is in m_hidden.
    virtual void PollDone() = 0;
    // A failed poll the window deals with itself; true when it did.
    virtual bool PollRefused(const QvSNMPError &) { return false; }
    // Drops what is out for good.
    virtual void Stop();
    void Report(const QString &text);
    void closeEvent(QCloseEvent *event) override;

    QVBoxLayout *m_outer = nullptr;
    QHBoxLayout *m_body = nullptr;
    QVBoxLayout *m_side = nullptr;
    std::unique_ptr<TCounterMonitor> m_monitor;
    TMonitorBinding *m_binding = nullptr;
    QTreeWidget *m_hidden = nullptr;
    QTreeWidget *m_display = nullptr;
    QLabel *m_time = nullptr;
    QComboBox *m_interval = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_timer = nullptr;
    QvWaitIndicator *m_wait = nullptr;
    std::unique_ptr<TMonitorFreshness> m_freshness;
    bool m_stopped = false;

private:
    void PollFailed(const QvSNMPError &outcome);

    int m_pollsSent = 0;
};
