// The summer-time window: an SNMP editor over the switch's daylight-saving group whose start and
// end rows are split into one control per octet field (month, week, weekday, day, hour, minute).
// The status row decides which pair of rows (repeating or annual) is shown, read and written.
// Reads and writes go in two chained asynchronous steps each (the status first); a failed step
// ends the chain and the message strip names it.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>

class QCloseEvent;
class QLabel;
class QvOptionList;
class QvSNMPRequest2Edits;
class TSNMPEditorPanel;
class QvWaitIndicator;
struct QvSNMPError;

// The controls of one composite row: entry 0 the container, then its parts left to right.
class TCtrlsList : public QList<QPointer<QWidget>> {
public:
    QWidget *Container() const { return isEmpty() ? nullptr : first().data(); }
    QList<QWidget *> Parts() const;
};

// The container of a composite row: its parts share its width in equal columns.
class TCompositeRow : public QWidget {
    Q_OBJECT
public:
    explicit TCompositeRow(QWidget *parent);

    void AddPart(QWidget *part, bool isEdit);
    // The ":" label standing right after part index `after`.
    void AddSeparator(int after);
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void LayoutParts();

    QList<QWidget *> m_parts;
    QList<bool> m_isEdit;
    QLabel *m_separator = nullptr;
    int m_separatorAfter = -1;
};

// Rows of the summer-time group.
enum TSummerTimeRow {
    STR_Status = 0,
    STR_Offset = 1,
    STR_RepeatStart = 2,
    STR_RepeatEnd = 3,
    STR_AnnualStart = 4,
    STR_AnnualEnd = 5,
};

// Row kind of a composite row's container in the edits panel.
constexpr int EIK_COMPOSITE = 5;

class TSummerTimeForm : public QDialog {
    Q_OBJECT
public:
    // Builds everything and starts reading the group; a failed read is reported in the message strip.
    explicit TSummerTimeForm(QWidget *owner);
    ~TSummerTimeForm() override;

    void ShowModeRows();
    // Both return at once; the steps follow as the switch answers.
    void RefreshSummerTime();
    void ApplySummerTime();
    // A read or write chain is under way.
    bool Working() const { return m_step != Step::Idle; }
    QvWaitIndicator *Wait() const;
    // The container of each composite row reads "-" when every part holds a text, "" otherwise.
    void MarkRowComplete();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    TSNMPEditorPanel *Panel() const { return m_panel; }
    const TCtrlsList &RowList(int row) const { return m_rows[row - STR_RepeatStart]; }

    // The shared option lists of the part controls.
    static const QvOptionList &Months();
    static const QvOptionList &Weekdays();
    static const QvOptionList &Weeks();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Step { Idle, ReadStatus, ReadRows, WriteStatus, WriteRows };
    void FormClose();
    void RefreshEnded(const QvSNMPError &outcome);
    void ApplyEnded(const QvSNMPError &outcome);
    void ReadRows();
    void WriteRows();
    // Ends the chain; the strip says which step failed and what was left undone.
    void StepFailed(const QString &step, const QString &undone);
    void BuildCompositeRow(int row);
    // Which of the four composite rows the status selects (none for "disable").
    QList<int> ModeRows() const;
    // Sends the valid, ticked rows through the panel's own Set action.
    // True when a SET left.
    bool RunSetChecked();

    QvSNMPRequest2Edits *m_binding = nullptr;
    TSNMPEditorPanel *m_panel = nullptr;
    TCtrlsList m_rows[4];
    bool m_closed = false;
    Step m_step = Step::Idle;
};
