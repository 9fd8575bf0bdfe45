// Bindings between one SNMP request and the visual controls that show and edit its values.
// QvSNMPRequest2Controls owns the request, runs refreshes (GET or a GET-NEXT walk) and applies
// (SET), reports the outcome and calls a fixed set of virtual steps. Windows use it
// asynchronously: a refresh or apply returns at once and ends with RefreshEnded or ApplyEnded;
// the blocking mode serves callers without a window.
// QvSNMPRequest2Edits binds variable-list items to labels, edits, combo boxes, radio groups,
// check boxes and one report-style list view (a QTreeWidget, used the same way everywhere).
#pragma once

#include "qvsnmprequest.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTime>
#include <QTreeWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;
class QvEditConstraint;
class QvOptionList;

// Ownership: a binding is a QObject child of the window it serves (ownerForm) and is deleted
// with it. Only code that ends a binding before its window (a close, a rebuild) deletes it.
class QvSNMPRequest2Controls : public QObject {
    Q_OBJECT
public:
    explicit QvSNMPRequest2Controls(QWidget *ownerForm);
    ~QvSNMPRequest2Controls() override;

    QvSNMPRequest &Request() { return m_request; }
    QvSNMPVarList &Vars() { return m_request.vars; }
    const QvSNMPVarList &Vars() const { return m_request.vars; }
    QWidget *OwnerForm() const { return m_owner; }

    bool Asynchronous() const { return m_async; }
    void SetAsynchronous(bool on) { m_async = on; }
    bool Busy() const { return m_busy; }
    int RowCount() const { return m_rowCount; }
    // 0 after a refresh, 1 after an apply: chooses the report template.
    int LastOperation() const { return m_lastOperation; }
    bool RefreshAfterApply() const { return m_refreshAfterApply; }

    // A memo (QPlainTextEdit or QTextEdit), a QStatusBar, a status-bar panel (a QLabel) or
    // nullptr for none. Any other widget kind counts as none.
    void SetReportTarget(QWidget *target);
    QWidget *ReportTarget() const { return m_reportTarget; }

    // Blocking mode raises QvSNMPException on failure; asynchronous mode reports through
    // RefreshFailed/ApplyFailed and raises only for failures found before sending.
    void Refresh();
    void Apply(bool refreshAfterApply = true, bool collectFirst = true);
    void Report(const QString &text);
    // Drops the request's outstanding sends at once: a walk or write in progress ends where it
    // is, with no report; Cancelled follows.
    void Cancel();
    // The request's time-out with its retries: how long one exchange may stay unanswered.
    int WaitLimitMs() const;
    // The next step of a chain: runs once with the outcome of the next apply, before
    // ApplyEnded; dropped when that apply does not leave or is cancelled.
    void ThenApplied(std::function<void(const QvSNMPError &outcome)> step);

    // The virtual steps, in the order of the framework's slots. Public so that panels can run
    // a single step (collecting, say) on their own.
    virtual void BeforeRefresh() {}
    virtual void BeforeApply() {}
    virtual void RowReceived() = 0;
    virtual void CollectValues() {}
    virtual void RefreshFailed(const QvSNMPError &result);
    virtual void ApplyFailed(const QvSNMPError &result);
    virtual void AfterRefresh() {}
    virtual void AfterApply() {}

signals:
    // Asynchronous mode. BusyChanged(true) when a refresh or apply leaves; BusyChanged(false)
    // when it ends, before the window's after-steps and report, so that a waiting line is gone
    // by then. Then exactly one of RefreshEnded (also after the refresh that follows an apply),
    // ApplyEnded or Cancelled. Progress after every row of a walk.
    void BusyChanged(bool busy);
    void Progress(int rows);
    void RefreshEnded(const QvSNMPError &outcome);
    void ApplyEnded(const QvSNMPError &outcome);
    void Cancelled();

protected:
    void ReportFailure(const QvSNMPError &result);
    bool IsTable() const;

private:
    static void ReadDone(void *data, QvSNMPError *result, QvSNMPVarList *vars);
    static void WriteDone(void *data, QvSNMPError *result, QvSNMPVarList *vars);
    void OnReadDone(const QvSNMPError &result);
    void OnWriteDone(const QvSNMPError &result);
    bool AcceptRow();
    void FinishRefresh();
    void FinishApply();
    void FailRefresh(const QvSNMPError &result);
    void FailApply(const QvSNMPError &result);
    void ReportOk();
    void SetBusy(bool busy);

    QWidget *m_owner;
    QPointer<QWidget> m_reportTarget;
    bool m_async = true;
    bool m_busy = false;
    bool m_walking = false;
    // Set first thing in the destructor: nothing may reach the half-destroyed binding.
    bool m_dying = false;
    int m_rowCount = 0;
    int m_lastOperation = 0;
    bool m_refreshAfterApply = true;
    std::function<void(const QvSNMPError &)> m_thenApplied;
    QvSNMPRequest m_request;
};

// One bind call: the item, the part of its value and the controls showing it.
struct QvSNMPAssociation {
    int item = 0;
    int partOffset = 0;
    quint32 partSyntax = 0;
    const QvOptionList *options = nullptr;
    QList<int> bitPositions;  // check-box group: bit k of the value per box, bit 0 = MSB of byte 0
    QList<QPointer<QWidget>> controls;
};

class QvSNMPRequest2Edits : public QvSNMPRequest2Controls {
    Q_OBJECT
public:
    explicit QvSNMPRequest2Edits(QWidget *ownerForm);
    ~QvSNMPRequest2Edits() override;

    void BindText(int item, QWidget *label);
    void BindControl(int item, QWidget *control);
    void BindOptionControl(int item, int partOffset, quint32 partSyntax, const QvOptionList *options,
                           QWidget *control);
    void BindEdits(int item, const QString &format, const QList<QLineEdit *> &edits);
    void BindCombo(int item, int partOffset, quint32 partSyntax, const QvOptionList *options,
                   const QString &format, QComboBox *combo, const QList<QLineEdit *> &edits = {});
    void BindPanel(int item, const QString &format, QWidget *panel);
    void BindCheckBoxes(int item, const QString &bitList, const QList<QCheckBox *> &boxes);
    void BindListView(QTreeWidget *listView, bool enableOnSelect = true);
    void Unbind(int item);

    // item -1: every record.
    void FillControls(int item = -1);
    void CollectControls(int item = -1);
    void SetControlsEnabled(bool enabled);

    QTreeWidget *ListView() const { return m_listView; }
    bool EnableOnSelect() const { return m_enableOnSelect; }
    QvEditConstraint *Constraint() const { return m_constraint.get(); }
    const QList<QvSNMPAssociation> &Associations() const { return m_assocs; }
    // Rebuilds the list view's columns when it has fewer than the list needs: hidden columns
    // first with zero width, then the displayed ones.
    void BuildColumns();
    // Copies the selected list-view row into the items' value texts.
    void CopySelectedRow();
    // The item shown in each list-view column: hidden columns first, then the displayed ones.
    QList<int> RowColumnOrder() const;

    void BeforeRefresh() override;
    void RowReceived() override;
    void CollectValues() override;
    void AfterRefresh() override;
    void RefreshFailed(const QvSNMPError &result) override;
    // What the strip says when a refresh failed before its first row: the failure, and that the
    // list still shows rows rows read at readAt.
    static QString StaleListNote(const QString &failure, int rows, const QTime &readAt);
    // The list view's selection handler.
    virtual void ListViewSelectItem();

private:
    quint32 ItemSyntax(int item) const;
    QvSNMPAssociation MakeRecord(int item, int partOffset, quint32 partSyntax, const QvOptionList *options) const;
    void AddRecord(QvSNMPAssociation rec);
    QList<QLineEdit *> AttachEdits(const QString &format, const QList<QLineEdit *> &edits);
    static void PrepareCombo(QComboBox *combo, const QvOptionList *options);
    bool IsWholeValue(const QvSNMPAssociation &rec) const;
    // The record's own list, else the item's for a whole value.
    const QvOptionList *OptionsOf(const QvSNMPAssociation &rec) const;
    void FillRecord(const QvSNMPAssociation &rec);
    void PutText(const QvSNMPAssociation &rec, const QString &text, const QString &value,
                 const QvOptionList *options);
    // The part text the record's controls hold.
    QString ReadText(const QvSNMPAssociation &rec) const;

    QPointer<QTreeWidget> m_listView;
    QList<QvSNMPAssociation> m_assocs;
    std::unique_ptr<QvEditConstraint> m_constraint;
    bool m_enableOnSelect = true;
    QMetaObject::Connection m_selectionConn;
    bool m_replacing = false;  // the list holds the previous walk's rows until a new one comes
    QList<QTreeWidgetItem *> m_pendingRows;  // read, not yet in the list
    static constexpr int FlushIntervalMs = 100;
    bool m_flushQueued = false;
    void FlushRows();
    QTime m_lastRead;
    void DropReplacedRows();
};
