// Copy and Export as CSV for any QTreeWidget list view: a context menu and shortcuts.
// Copy puts the selected rows on the clipboard, tab-separated, under a header line; Export
// writes the whole list to a CSV file (UTF-8, RFC 4180 quoting) whose proposed name comes from
// the window's caption. Hidden and zero-width columns, and rows the filter hides, are left out, and
// cells go out as shown (readable forms included): the user gets what he sees, in the order shown.
//
//   TListViewExport::Attach(LV_Counters);                        // caption: the window's title
//   TListViewExport::Attach(lv, [this] { return PageCaption(); });
#pragma once

#include <QAction>
#include <QObject>
#include <QPointer>
#include <QStringList>

#include <functional>

class QTreeWidget;
class QWidget;

// Table text helpers, free of widgets.
namespace ListText {
// One field: quoted (inner quotes doubled) when it holds the separator, a quote, CR or LF.
QString Field(const QString &text, QChar separator);
// Fields joined with the separator, no line end.
QString Line(const QStringList &fields, QChar separator);
// Header and rows, each line ended by CR LF; as UTF-8 bytes for a file.
QByteArray Csv(const QStringList &header, const QList<QStringList> &rows);
// Header and rows tab-separated, lines ended by LF, for the clipboard.
QString Tsv(const QStringList &header, const QList<QStringList> &rows);
// A file name from a caption: characters no file system takes become "_", ".csv" appended.
QString FileNameFor(const QString &caption);
}

class TListViewExport : public QObject {
    Q_OBJECT
public:
    using CaptionFunc = std::function<QString()>;
    // Chooses the file to write (proposed path in, "" to cancel); replaceable for tests.
    using SaveFileFunc = std::function<QString(QWidget *parent, const QString &proposed)>;

    // Gives the list view the menu and shortcuts; the object lives as long as the list view.
    static TListViewExport *Attach(QTreeWidget *listView, CaptionFunc caption = {});
    static SaveFileFunc SetSaveFileFunc(SaveFileFunc func);

    QStringList Header() const;
    // Rows in display order; selectedOnly: the selected ones.
    QList<QStringList> Rows(bool selectedOnly) const;
    QString Caption() const;

    // Copy: the selected rows to the clipboard; false when none is selected.
    bool CopySelected();
    // Writes the whole list to path; false and *error on failure.
    bool ExportTo(const QString &path, QString *error = nullptr) const;
    // Export as CSV: asks for the file, writes it, tells a failure in a box.
    void ExportAsCsv();

    QAction *CopyAction;
    QAction *ExportAction;

private:
    TListViewExport(QTreeWidget *listView, CaptionFunc caption);
    QList<int> Columns() const;

    QPointer<QTreeWidget> m_listView;
    CaptionFunc m_caption;
};
