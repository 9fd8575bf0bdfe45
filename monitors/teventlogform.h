// The Event Log window: the switch's notifications, newest first, with a severity filter, a
// search, acknowledgement, Copy, Export as CSV and Clear. Non-modal; one per model.
#pragma once

#include <QSortFilterProxyModel>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class TEventLogModel;

// Rows matching the search text (any column) and at least the chosen severity, optionally
// only those not yet acknowledged.
class TEventFilterModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void SetMinimumSeverity(int severity);
    void SetUnacknowledgedOnly(bool on);
    void SetSearch(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    int m_minSeverity = 0;
    bool m_unackedOnly = false;
    QString m_search;
};

class TEventLogForm : public QWidget {
    Q_OBJECT
public:
    explicit TEventLogForm(TEventLogModel *model, QWidget *parent = nullptr);

    // Shows the one window of parent for model, made on first use; raises it afterwards.
    static TEventLogForm *ShowFor(TEventLogModel *model, QWidget *parent);

    TEventFilterModel *Filter() const { return m_filter; }
    QTableView *View() const { return m_view; }
    // The shown rows (all of them when none is selected) as CSV, in the view's order.
    QString SelectedCsv(bool allWhenNone) const;
    bool ExportCsv(const QString &path) const;
    void AcknowledgeSelected();
    void SetIgnoredText(const QString &text);

private:
    QList<int> SourceRows(bool selectedOnly) const;
    void UpdateCounts();

    TEventLogModel *m_model;
    TEventFilterModel *m_filter;
    QTableView *m_view;
    QComboBox *m_severity;
    QLineEdit *m_search;
    QLabel *m_counts;
    QString m_ignored;
};
