// Pieces the monitoring windows share: the polling binding, the hidden one-row list and the
// display list of a counter monitor, the side-panel controls, the status bar and the opener.
#pragma once

#include "qvsnmprequest2controls.h"
#include "tcountermonitor.h"
#include "tlistviewexport.h"

#include <QStringList>

#include <functional>

class QComboBox;
class QDialog;
class QLabel;
class QLayout;
class QPushButton;
class QStatusBar;
class QTreeWidget;

// A binding whose refresh outcome is handed to its window.
class TMonitorBinding : public QvSNMPRequest2Edits {
    Q_OBJECT
public:
    explicit TMonitorBinding(QWidget *owner) : QvSNMPRequest2Edits(owner) {}
    std::function<void()> afterRefresh;

    void AfterRefresh() override;
};

// The texts of a hidden one-row list view: the caption, then the sub-items ("" for no row).
QStringList HiddenRowTexts(const QTreeWidget *listView);

// A report-style display list with grid lines and the monitor's six columns, with Copy and
// Export as CSV (proposed file name from caption, else the window's title).
QTreeWidget *MakeCounterList(QWidget *parent, const QString &name, TListViewExport::CaptionFunc caption = {});
// Writes the monitor's rows into the display list (creating or removing rows as needed).
void ShowCounterRows(QTreeWidget *list, const TCounterMonitor &monitor);

// The poll intervals offered, in seconds, and the history counts.
extern const QStringList PollIntervalItems;
extern const QStringList HistoryCountItems;

// Opens a monitoring window as an ordinary non-modal top-level window, deleted when closed. One
// window per key: when the window of key is open already it is raised and activated instead of
// making a second. Returns the window (nullptr when create failed; the failure goes to a message
// box on parent). Nothing escapes.
QWidget *OpenMonitorWindow(QWidget *parent, const QString &key, const std::function<QDialog *()> &create);
// The open window of key, or nullptr.
QWidget *OpenedMonitorWindow(const QString &key);
// Said (and the window closed) when the switch answers that it has nothing to list.
extern const QString NotSupportedText;
// A window's own text when the switch did not answer its first read.
QString NoAnswerText(const QString &failure);

// Side-panel controls named as the windows name them.
QPushButton *MonitorButton(QWidget *parent, const char *name, const char *text);
QLabel *MonitorStaticText(QWidget *parent, const char *name, const QString &text = QString());
QComboBox *MonitorCombo(QWidget *parent, const char *name, const QStringList &items);
// "StatusBar1" at the foot of layout; returns its panel 0, the report target.
QLabel *AddMonitorStatusBar(QWidget *parent, QLayout *layout);
// Beside the report panel of bar, "<bar>Panel1" (red) tells that a list was cut short: the polls'
// reports replace panel 0 at every tick, so a failed walk would otherwise go unnoticed.
QLabel *AddListOutcomePanel(QStatusBar *bar);
// After a walk of list: when its failure (empty for none) leaves rows listed, outcome says so
// until a walk reads the whole list.
void ShowWalkOutcome(const QTreeWidget *list, QLabel *outcome, const QString &failure);
QTreeWidget *HiddenListView(QWidget *parent, const char *name);

// The local monotonic clock in milliseconds (one QElapsedTimer for the program).
qint64 MonotonicMs();

// Whether the values a counter window shows are live. While polls fail the list is greyed and
// the panel (beside the report panel) says "No answer since 17:24:06; values from 17:24:01";
// once a poll is answered the list looks live again and the panel shows the monitor's notice
// of a restart, if any.
class TMonitorFreshness {
public:
    TMonitorFreshness(QStatusBar *bar, QTreeWidget *list);
    // A poll leaves now.
    void PollSent();
    void Answered(const TCounterMonitor &monitor);
    // The poll sent last got no answer; valuesFrom is the time of the values shown.
    void Failed(const QString &valuesFrom);
    // Forgets a failure (a reset or a new port: nothing old is shown).
    void Clear(const TCounterMonitor &monitor);
    bool Stale() const { return !m_failingSince.isEmpty(); }
    QLabel *Panel() const { return m_panel; }

private:
    void Grey(bool on);
    QTreeWidget *m_list;
    QLabel *m_panel;
    QString m_sentAt, m_failingSince;
};
QString TimeOfDayNow();
// The combo's text in seconds as milliseconds, at least one second.
int IntervalMsOf(const QComboBox *combo);
// Runs a handler body; a failure's text goes to report instead of the event loop.
void RunGuarded(const std::function<void(const QString &)> &report, const std::function<void()> &body);
