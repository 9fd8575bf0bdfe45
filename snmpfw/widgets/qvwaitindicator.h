// Makes a window's wait on the switch visible and endable. While any request of the window is
// out, its status target shows "Waiting for the switch… 3 s of 4 s" (the seconds since the last
// answer against the time-out with its retries), the window alone shows a busy cursor, the
// controls that would send again are disabled, and Escape (or the status bar's Cancel button)
// drops what is outstanding. Other windows are not touched.
#pragma once

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QPushButton;
class QTimer;
class QWidget;
class QvSNMPRequest2Controls;

class QvWaitIndicator : public QObject {
    Q_OBJECT
public:
    // window: the top-level widget that waits (parent of the indicator).
    explicit QvWaitIndicator(QWidget *window);
    ~QvWaitIndicator() override;

    // A memo, a QLabel or a QStatusBar; nullptr: only the cursor and the controls say it.
    void SetStatusTarget(QWidget *target);
    // Disabled while anything is out, enabled again afterwards.
    void AddSendControl(QWidget *control);
    // A control that stays usable while waiting (a Refresh that restarts a walk).
    void RemoveSendControl(QWidget *control);
    // Follows a binding's busy state; Escape cancels it.
    void Watch(QvSNMPRequest2Controls *binding);

    // Work of the window's own (a chain of steps, a bare request): Begin when it leaves, Tick
    // when an answer arrives, End when it is over. cancel drops it; End follows from the caller.
    int Begin(int limitMs, std::function<void()> cancel);
    void Tick(int token);
    void End(int token);

    bool Waiting() const { return !m_waits.isEmpty(); }
    // Cancels everything outstanding (Escape does this).
    void CancelAll();
    // The line shown now ("" when nothing waits).
    QString Line() const;

    static QString WaitingText(int seconds, int limitSeconds);

    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    void WaitingChanged(bool waiting);
    void CancelledByUser();

private:
    struct Wait {
        int limitMs = 0;
        QElapsedTimer sinceAnswer;
        std::function<void()> cancel;
    };
    void Started();
    void Stopped();
    void ShowLine();
    void ClearLine();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_target;
    QList<QPointer<QWidget>> m_controls;
    QList<bool> m_wasEnabled;
    QHash<int, Wait> m_waits;
    int m_nextToken = 1;
    QTimer *m_clock;
    QPointer<QPushButton> m_cancelButton;
    int m_memoBlock = -1;  // the memo's block holding the line
    QString m_shown;
};
