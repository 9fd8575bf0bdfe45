#include "tlistviewexport.h"

#include "tlistviewfilter.h"
#include "tmessagebox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QSaveFile>
#include <QTreeWidget>

namespace ListText {

QString Field(const QString &text, QChar separator)
{
    if (!text.contains(separator) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\r'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString Line(const QStringList &fields, QChar separator)
{
    QStringList out;
    out.reserve(fields.size());
    for (const QString &f : fields)
        out << Field(f, separator);
    return out.join(separator);
}

QByteArray Csv(const QStringList &header, const QList<QStringList> &rows)
{
    QString text = Line(header, QLatin1Char(',')) + QStringLiteral("\r\n");
    for (const QStringList &row : rows)
        text += Line(row, QLatin1Char(',')) + QStringLiteral("\r\n");
    return text.toUtf8();
}

QString Tsv(const QStringList &header, const QList<QStringList> &rows)
{
    QString text = Line(header, QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList &row : rows)
        text += Line(row, QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QString FileNameFor(const QString &caption)
{
    QString name = caption.trimmed();
    for (QChar &c : name)
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')))
        name.prepend(QStringLiteral("list"));
    return name + QStringLiteral(".csv");
}

}  // namespace ListText

namespace {
TListViewExport::SaveFileFunc &saveFileFunc()
{
    static TListViewExport::SaveFileFunc func;
    return func;
}
}

TListViewExport::TListViewExport(QTreeWidget *listView, CaptionFunc caption)
    : QObject(listView), m_listView(listView), m_caption(std::move(caption))
{
    CopyAction = new QAction(QStringLiteral("Copy"), listView);
    CopyAction->setShortcut(QKeySequence::Copy);
    CopyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    ExportAction = new QAction(QStringLiteral("Export as CSV..."), listView);
    ExportAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    ExportAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    // Every handler catches: nothing may reach the event loop.
    connect(CopyAction, &QAction::triggered, this, [this] {
        try {
            CopySelected();
        } catch (...) {
        }
    });
    connect(ExportAction, &QAction::triggered, this, [this] {
        try {
            ExportAsCsv();
        } catch (...) {
        }
    });
    listView->addAction(CopyAction);
    listView->addAction(ExportAction);
    // The right button only: the left clicks and double clicks stay the list's own.
    listView->setContextMenuPolicy(Qt::ActionsContextMenu);
}

TListViewExport *TListViewExport::Attach(QTreeWidget *listView, CaptionFunc caption)
{
    if (!listView)
        return nullptr;
    if (auto *existing = listView->findChild<TListViewExport *>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new TListViewExport(listView, std::move(caption));
}

TListViewExport::SaveFileFunc TListViewExport::SetSaveFileFunc(SaveFileFunc func)
{
    return std::exchange(saveFileFunc(), std::move(func));
}

QList<int> TListViewExport::Columns() const
{
    QList<int> columns;
    if (!m_listView)
        return columns;
    const QHeaderView *header = m_listView->header();
    for (int v = 0; v < header->count(); ++v) {
        const int c = header->logicalIndex(v);
        if (!header->isSectionHidden(c) && header->sectionSize(c) > 0)
            columns << c;
    }
    return columns;
}

QStringList TListViewExport::Header() const
{
    QStringList header;
    if (!m_listView)
        return header;
    for (int c : Columns())
        header << m_listView->headerItem()->text(c).trimmed();
    return header;
}

QList<QStringList> TListViewExport::Rows(bool selectedOnly) const
{
    QList<QStringList> rows;
    if (!m_listView)
        return rows;
    const QList<int> columns = Columns();
    for (int i = 0; i < m_listView->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = m_listView->topLevelItem(i);
        if (item->isHidden() || (selectedOnly && !item->isSelected()))
            continue;
        QStringList row;
        for (int c : columns)
            row << TListViewFilter::ShownText(m_listView, item, c);
        rows << row;
    }
    return rows;
}

QString TListViewExport::Caption() const
{
    if (m_caption)
        return m_caption();
    return m_listView ? m_listView->window()->windowTitle() : QString();
}

bool TListViewExport::CopySelected()
{
    const QList<QStringList> rows = Rows(true);
    if (rows.isEmpty())
        return false;
    QApplication::clipboard()->setText(ListText::Tsv(Header(), rows));
    return true;
}

bool TListViewExport::ExportTo(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ListText::Csv(Header(), Rows(false))) < 0 || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void TListViewExport::ExportAsCsv()
{
    if (!m_listView)
        return;
    QWidget *owner = m_listView->window();
    const QString proposed = QDir::current().filePath(ListText::FileNameFor(Caption()));
    const QString path = saveFileFunc() ? saveFileFunc()(owner, proposed)
                                        : QFileDialog::getSaveFileName(owner, QStringLiteral("Export as CSV"),
                                                                       proposed,
                                                                       QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!ExportTo(path, &error))
        QvMessageBox(owner, QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), error),
                     QvAppCaption());
}
