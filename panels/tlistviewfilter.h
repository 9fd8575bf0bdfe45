// Search, sort and filter for any QTreeWidget list view: a filter box with a row count above the
// list, sorting by a click on a column caption and, where a column has one, the readable form of
// its values drawn in the cells (the item keeps the raw text: edits and writes read that).
//
//   TListViewFilter::Attach(list);                                // box placed by itself
//   TListViewFilter::Attach(lv)->SetReadable([this](int c, const QString &raw) { ... });
//
// Filter text: words matched in every shown cell, case-insensitive; "column: text" matches one
// column (its caption or an unambiguous beginning of it, or an alias such as "mac"); in a column a
// whole number matches that number, and hex digits match the beginning of a MAC address in any
// notation. Header clicks sort ascending, descending, then back to the order rows came in.
#pragma once

#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;


class QTimer;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// Filter and sort rules, free of widgets.
namespace ListFilter {

struct Query {
    QString text;        // what to look for, trimmed; "" matches everything
    int column = -1;     // -1: any cell
};

// Reads "text" or "column: text"; the column by alias, by caption (case-insensitive, blanks
// ignored) or by the one caption it begins. A word naming no column, or several, leaves the whole
// input as text for every cell.
Query Parse(const QString &input, const QStringList &captions, const QHash<QString, int> &aliases = {});
// Whether one cell (its shown text and its raw text) matches; inColumn: the query named the column.
bool CellMatches(const QString &needle, const QString &shown, const QString &raw, bool inColumn);
// The hex digits of a MAC-like text in any notation ("00:0d", "00-0D", "000d", "00 0D"), lower
// case; "" when the text holds anything else.
QString HexDigits(const QString &text);

// Sort key of a cell: empty texts first, then numbers (whole, real, with a unit after them), then
// dotted or colon parts (IP addresses, indexes, times), then text (numbers inside compared as such).
struct SortKey {
    int kind = 0;              // 0 empty, 1 number, 2 parts, 3 text
    bool negative = false;     // whole numbers: sign, digits without leading zeros
    QString digits;
    bool whole = false;
    double real = 0;
    QList<quint64> parts;
    QString text;              // the lower-case text: ties and text keys
};
SortKey KeyOf(const QString &text);
// <0, 0, >0.
int Compare(const SortKey &a, const SortKey &b);

}  // namespace ListFilter

class TListViewFilter : public QObject {
    Q_OBJECT
public:
    // Raw cell text of a column to its readable form, "" when it has none.
    using ReadableFunc = std::function<QString(int column, const QString &raw)>;

    // Gives the list view a filter box, header sorting and the count; placed above the list in its
    // layout, splitter or tab (at once, or when the list is first shown). manualBar: the owner
    // places Bar() itself. The object lives as long as the list view.
    static TListViewFilter *Attach(QTreeWidget *listView, bool manualBar = false);
    static TListViewFilter *Of(const QTreeWidget *listView);

    // The text a cell shows: the readable form when on, a column delegate's display text, or the
    // item's own text.
    static QString ShownText(const QTreeWidget *listView, const QTreeWidgetItem *item, int column);

    // Readable forms of the cells for the whole program (remembered); every list follows.
    static bool ReadableShown();
    static void SetReadableShown(bool on);

    // Cells of a column drawn in their readable form (the item text stays raw); adds the
    // "Readable values" switch to the list's context menu.
    void SetReadable(ReadableFunc readable);
    QString Readable(int column, const QString &raw) const;
    // Extra words for "column: text" (lower case), e.g. "mac" -> the address column.
    void SetAliases(const QHash<QString, int> &aliases) { m_aliases = aliases; }

    QWidget *Bar() const { return m_bar; }
    QLineEdit *Edit() const { return m_edit; }
    QLabel *CountLabel() const { return m_count; }

    // Sets the box and filters at once (typing filters after a short pause).
    void SetFilterText(const QString &text);
    QString FilterText() const;
    // Re-reads every row against the current filter text.
    void ApplyFilter();
    int TotalCount() const;
    int ShownCount() const;
    // "total", or "shown/total" while a filter is on.
    QString CountText() const;

    // column -1: the order rows came in.
    void SortBy(int column, Qt::SortOrder order = Qt::AscendingOrder);
    int SortColumn() const { return m_sortColumn; }
    Qt::SortOrder SortOrder() const { return m_sortOrder; }
    // A click on a caption: ascending, descending, arrival order.
    void HeaderClicked(int column);

    QAction *ReadableAction = nullptr;

signals:
    void CountChanged(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    TListViewFilter(QTreeWidget *listView, bool manualBar);
    bool PlaceBar();
    bool RowMatches(const QTreeWidgetItem *item) const;
    void FilterRows(int first, int last);
    void NumberRows(int first, int last);
    void Resort();
    void ScheduleResort(bool soon);
    void UpdateCount();
    QStringList Captions() const;

    QPointer<QTreeWidget> m_listView;
    // Goes before the list's model when the list is destroyed: while the model resets on its
    // way out, the list is half gone and must not be touched.
    QPointer<QWidget> m_header;
    bool ListAlive() const { return !m_header.isNull(); }
    QPointer<QWidget> m_bar;
    QPointer<QLineEdit> m_edit;
    QPointer<QLabel> m_count;
    QTimer *m_typing = nullptr;
    QTimer *m_resortTimer = nullptr;
    ReadableFunc m_readable;
    QHash<QString, int> m_aliases;
    ListFilter::Query m_query;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    int m_hidden = 0;
    quint64 m_nextSeq = 0;
    QHash<const QTreeWidgetItem *, quint64> m_seq;  // the order rows came in
    bool m_busy = false;          // our own reordering and numbering: not news
    bool m_resortPosted = false;
    bool m_placed = false;
};
