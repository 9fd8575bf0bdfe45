// Pieces the three RMON windows share: the window base that finds out whether the switch serves
// RMON and waits visibly, how an entry is written (status alone, then its data, then "valid") and
// deleted ("invalid" alone) as chained asynchronous steps, the time-of-day text, the display of
// data sources and monitored variables in the lists, and a report-style list view with a status strip.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStyledItemDelegate>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QDialog;
class QPushButton;
class QTabWidget;
class QVBoxLayout;
class QLabel;
class QStatusBar;
class QTreeWidget;
class QWidget;
class QvSNMPRequest2Controls;
class QvSNMPRequest2Edits;
class QvWaitIndicator;
struct QvSNMPError;
struct QvSNMPVarDesc;

enum TRmonDialogMode { RDM_Add = 1, RDM_Modify = 2, RDM_Delete = 3 };

// The status texts of an RMON entry.
extern const QString RmonValid;
extern const QString RmonCreateRequest;
extern const QString RmonUnderCreation;
extern const QString RmonInvalid;
extern const QString RmonDisabledMessage;
// The question when the first read of a window got no answer or an error.
QString RmonNoAnswerMessage(const QString &error);

// The text after the last "." ("" for none).
QString LastArc(const QString &oid);
// "IfIndex." followed by the interface number of a data-source identifier.
QString IfIndexText(const QString &dataSource);
// Hours, minutes and seconds of the PC's clock.
QString TimeOfDayText();
// True for a non-empty text of decimal digits only.
bool IsDigits(const QString &text);

// The outcome of a chain of writes: outcome.code 0 when every step was answered, else the step
// (1 to 3) that failed. Not called when the chain is cancelled.
using TRmonWriteDone = std::function<void(const QvSNMPError &outcome, int step)>;
// Names a step of WriteRmonEntry for reports: "step 2 of 3 (data columns)".
QString RmonWriteStepText(int step, bool adding);

// Writes the entry of an asynchronous MVT_SV binding in three SETs, each sent when the one before
// is answered: the status item alone ("createRequest" when adding, "underCreation" when
// modifying), then dataItems without the status, then the status "valid". Returns at once; done
// follows. Access flags are put back after each send.
void WriteRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, const QList<int> &dataItems,
                    bool adding, TRmonWriteDone done);
// Writes the status item alone as "invalid"; done(outcome, 1).
void InvalidateRmonEntry(QvSNMPRequest2Edits &binding, int statusItem, QComboBox *status, TRmonWriteDone done);
// Refreshes binding (or joins the refresh under way) and runs then once with its outcome; not
// after a cancel. A failure before sending comes to then as well.
void RefreshThen(QvSNMPRequest2Controls *binding, std::function<void(const QvSNMPError &outcome)> then);
// Walks the index column of a table (its first object) without blocking; done gets the indexes
// read and the outcome. The walk goes with context; deleting the object returned cancels it.
QObject *WalkRmonIndexes(const QvSNMPVarDesc *table, QObject *context,
                         std::function<void(const QList<quint32> &used, const QvSNMPError &outcome)> done);
// Asks "Delete this entry" with question; true when the user agrees.
bool ConfirmRmonDelete(QWidget *owner, const QString &question = QStringLiteral("Are you sure?"));
// Shows a message box once the current signal is over, then runs after (not when owner is gone).
void TellLater(QWidget *owner, const QString &text, std::function<void()> after = {});
// Opens a dialog of an RMON window, modal to that window only, without waiting for it; finished
// runs with its result. The dialog is deleted when it closes.
void OpenRmonDialog(QDialog *dialog, std::function<void(int result)> finished);

// An RMON window: an ordinary top-level window whose first walk tells whether the switch serves
// RMON. When the switch answers that it does not, the window says "Please enable RMON first!" and
// closes; when it does not answer, the window names the error and offers to try again.
class TRmonWindow : public QWidget {
    Q_OBJECT
public:
    enum TProbe { ProbePending, ProbeEnabled, ProbeDisabled, ProbeFailed };
    explicit TRmonWindow(QWidget *owner);
    ~TRmonWindow() override;

    TProbe Probe() const { return m_probe; }
    bool RmonAvailable() const { return m_probe == ProbeEnabled; }
    QString ProbeError() const { return m_probeError; }
    QvWaitIndicator *Wait() const { return m_wait; }
    // Starts the first walk (again).
    virtual void StartProbe() = 0;

signals:
    void Probed(int probe);

protected:
    // The first walk ended with outcome and rows read.
    void ProbeEnded(const QvSNMPError &outcome, int rows);
    // Waits shown in target; a report of an earlier request that lands while another request
    // is out gives way to the waiting line again.
    void WatchBinding(QvSNMPRequest2Controls *binding);
    void SetWaitTarget(QLabel *target);
    void closeEvent(QCloseEvent *event) override;

private:
    void AskAfterProbe();

    QvWaitIndicator *m_wait;
    QPointer<QLabel> m_waitTarget;
    TProbe m_probe = ProbePending;
    QString m_probeError;
    bool m_closing = false;
};

// Shows a cell's text through a function, leaving the text the binding copies back untouched.
class TDisplayDelegate : public QStyledItemDelegate {
public:
    TDisplayDelegate(std::function<QString(const QString &)> display, QObject *parent);
    QString displayText(const QVariant &value, const QLocale &locale) const override;
    QString Display(const QString &text) const { return m_display(text); }

private:
    std::function<QString(const QString &)> m_display;
};

// The right-hand panel of the statistics and history windows: "System Time:", the interval choices
// with their hint, the history count ("10" to "120", countIndex selected) and the "3D Line" box;
// the caller adds its buttons.
struct TRmonSidePanel {
    QWidget *form = nullptr;
    QVBoxLayout *layout = nullptr;
    QLabel *time = nullptr;
    QComboBox *interval = nullptr;
    QComboBox *count = nullptr;
    QCheckBox *u3d = nullptr;
    QPushButton *AddButton(const QString &name, const QString &caption);
};
TRmonSidePanel BuildRmonSidePanel(QWidget *form, const QStringList &intervals, const QString &hint, int countIndex);
// A page with the "Owner : ", "Index : ", "Data Source : " line over a list view.
QWidget *BuildRmonTablePage(const QString &name, QLabel *&owner, QLabel *&index, QLabel *&source, QTreeWidget *&list,
                            const QString &listName);
// The control list over the pages, the side panel to their right, the status bar below.
void LayOutRmonForm(QWidget *form, QTreeWidget *control, QTabWidget *pages, QVBoxLayout *side, QStatusBar *bar);

// A status bar with one panel of the given width that takes the report lines.
QLabel *AddStatusPanel(QStatusBar *bar, int width);
// Hovering a cell shows its whole text as a tooltip (descriptions are often cut).
void ShowCellTips(QTreeWidget *list);
// A list view with the given object name.
QTreeWidget *MakeListView(QWidget *parent, const QString &name);
// w with the given object name, hidden: a control a binding fills that the user does not see.
template <typename W>
W *Hidden(W *w, const QString &name)
{
    w->setObjectName(name);
    w->hide();
    return w;
}
