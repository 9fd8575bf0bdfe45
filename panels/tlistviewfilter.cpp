#include "tlistviewfilter.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QSet>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace ListFilter {

namespace {

QString Squashed(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (!c.isSpace())
            out += c.toLower();
    return out;
}

bool IsDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

bool IsWhole(const QString &t)
{
    int i = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    if (i >= t.size())
        return false;
    for (; i < t.size(); ++i)
        if (!IsDigit(t.at(i)))
            return false;
    return true;
}

// The digits of a whole number without sign and leading zeros ("0" for zero).
QString Magnitude(const QString &t, bool *negative)
{
    int i = (t.startsWith(QLatin1Char('-')) || t.startsWith(QLatin1Char('+'))) ? 1 : 0;
    *negative = t.startsWith(QLatin1Char('-'));
    while (i + 1 < t.size() && t.at(i) == QLatin1Char('0'))
        ++i;
    QString m = t.mid(i);
    if (m == QLatin1String("0"))
        *negative = false;
    return m;
}

int CompareMagnitudes(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Digits and text taken in runs; digit runs compare as numbers.
int NaturalCompare(const QString &a, const QString &b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (IsDigit(a.at(i)) && IsDigit(b.at(j))) {
            int ei = i, ej = j;
            while (ei < a.size() && IsDigit(a.at(ei)))
                ++ei;
            while (ej < b.size() && IsDigit(b.at(ej)))
                ++ej;
            bool na = false, nb = false;
            const int d = CompareMagnitudes(Magnitude(a.mid(i, ei - i), &na), Magnitude(b.mid(j, ej - j), &nb));
            if (d != 0)
                return d;
            i = ei;
            j = ej;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i) < b.at(j) ? -1 : 1;
        ++i;
        ++j;
    }
    return (a.size() - i) - (b.size() - j) < 0 ? -1 : ((a.size() - i) == (b.size() - j) ? 0 : 1);
}

// "10.0.0.1", "1.3.6.1.2", "12:30:05", "10.1.0.0/16": decimal groups between dots or colons;
// one dot alone makes a real number instead.
bool Parts(const QString &t, QList<quint64> *parts)
{
    int dots = 0, colons = 0, slashes = 0;
    quint64 value = 0;
    int digits = 0;
    parts->clear();
    for (QChar c : t) {
        if (IsDigit(c)) {
            if (++digits > 19)
                return false;
            value = value * 10 + (c.unicode() - '0');
            continue;
        }
        if (digits == 0)
            return false;
        if (c == QLatin1Char('.'))
            ++dots;
        else if (c == QLatin1Char(':'))
            ++colons;
        else if (c == QLatin1Char('/') && slashes == 0)
            ++slashes;
        else
            return false;
        parts->append(value);
        value = 0;
        digits = 0;
    }
    if (digits == 0)
        return false;
    parts->append(value);
    return colons > 0 || dots >= 2 || (slashes > 0 && dots + colons > 0);
}

}  // namespace

QString HexDigits(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= '0' && u <= '9') || (u >= 'a' && u <= 'f'))
            out += c;
        else if (u >= 'A' && u <= 'F')
            out += QChar(u + ('a' - 'A'));
        else if (u != ':' && u != '-' && u != '.' && u != ' ')
            return QString();
    }
    return out;
}

Query Parse(const QString &input, const QStringList &captions, const QHash<QString, int> &aliases)
{
    Query q;
    q.text = input.trimmed();
    const int colon = q.text.indexOf(QLatin1Char(':'));
    if (colon <= 0)
        return q;
    const QString word = Squashed(q.text.left(colon));
    if (word.isEmpty())
        return q;
    int column = aliases.value(word, -1);
    if (column >= captions.size())
        column = -1;
    if (column < 0) {
        QList<int> exact, prefix;
        for (int c = 0; c < captions.size(); ++c) {
            const QString caption = Squashed(captions.at(c));
            if (caption.isEmpty())
                continue;
            if (caption == word)
                exact << c;
            else if (caption.startsWith(word))
                prefix << c;
        }
        if (exact.size() == 1)
            column = exact.first();
        else if (exact.isEmpty() && prefix.size() == 1)
            column = prefix.first();
    }
    if (column < 0)
        return q;
    q.column = column;
    q.text = q.text.mid(colon + 1).trimmed();
    return q;
}

bool CellMatches(const QString &needle, const QString &shown, const QString &raw, bool inColumn)
{
    if (needle.isEmpty())
        return true;
    if (inColumn && IsWhole(needle)) {
        const QString cell = shown.trimmed();
        if (IsWhole(cell)) {
            bool n1 = false, n2 = false;
            const QString a = Magnitude(needle, &n1), b = Magnitude(cell, &n2);
            return n1 == n2 && a == b;
        }
    }
    if (shown.contains(needle, Qt::CaseInsensitive) || (raw != shown && raw.contains(needle, Qt::CaseInsensitive)))
        return true;
    // A MAC address by its beginning, whatever separators either side uses.
    const QString wanted = HexDigits(needle);
    if (wanted.size() < 2)
        return false;
    QString cell = HexDigits(raw);
    if (cell.size() != 12)
        cell = HexDigits(shown);
    return cell.size() == 12 && cell.startsWith(wanted);
}

SortKey KeyOf(const QString &text)
{
    SortKey k;
    const QString t = text.trimmed();
    k.text = t.toLower();
    if (t.isEmpty())
        return k;
    if (IsWhole(t)) {
        k.kind = 1;
        k.whole = true;
        k.digits = Magnitude(t, &k.negative);
        k.real = t.toDouble();
        return k;
    }
    if (Parts(t, &k.parts)) {
        k.kind = 2;
        return k;
    }
    // A number, perhaps followed by a unit: "1.5", "-3e4", "12.5 %", "100 Mbit/s".
    int end = 0;
    if (end < t.size() && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))
        ++end;
    const int digitsFrom = end;
    while (end < t.size() && (IsDigit(t.at(end)) || t.at(end) == QLatin1Char('.') || t.at(end) == QLatin1Char('e')
                              || t.at(end) == QLatin1Char('E')))
        ++end;
    if (end > digitsFrom && IsDigit(t.at(digitsFrom))) {
        bool ok = false;
        const double value = t.left(end).toDouble(&ok);
        if (ok && (end == t.size() || !t.at(end).isLetterOrNumber() || t.at(end - 1).isDigit())) {
            k.kind = 1;
            k.real = value;
            return k;
        }
    }
    k.kind = 3;
    return k;
}

int Compare(const SortKey &a, const SortKey &b)
{
    if (a.kind != b.kind)
        return a.kind < b.kind ? -1 : 1;
    int d = 0;
    switch (a.kind) {
    case 1:
        if (a.whole && b.whole) {
            if (a.negative != b.negative)
                return a.negative ? -1 : 1;
            d = CompareMagnitudes(a.digits, b.digits);
            if (a.negative)
                d = -d;
        } else if (a.real != b.real) {
            d = a.real < b.real ? -1 : 1;
        }
        break;
    case 2:
        for (int i = 0; i < a.parts.size() && i < b.parts.size() && d == 0; ++i)
            if (a.parts.at(i) != b.parts.at(i))
                d = a.parts.at(i) < b.parts.at(i) ? -1 : 1;
        if (d == 0 && a.parts.size() != b.parts.size())
            d = a.parts.size() < b.parts.size() ? -1 : 1;
        break;
    case 3:
        return NaturalCompare(a.text, b.text);
    default:
        return 0;
    }
    return d != 0 ? d : NaturalCompare(a.text, b.text);
}

}  // namespace ListFilter

// ---------------------------------------------------------------------------------------------

namespace {

constexpr auto ResortEvent = QEvent::Type(QEvent::User + 0x4c46);

QSet<TListViewFilter *> &Filters()
{
    static QSet<TListViewFilter *> filters;
    return filters;
}

std::optional<bool> &ReadableCache()
{
    static std::optional<bool> on;
    return on;
}

QSettings ListSettings()
{
    return QSettings(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/kmv7040qx/lists.ini"),
                     QSettings::IniFormat);
}

const QString ReadableKey = QStringLiteral("View/ReadableValues");

// Draws a cell's readable form; the item keeps its raw text, which the tooltip shows.
class TReadableDelegate : public QStyledItemDelegate {
public:
    TReadableDelegate(TListViewFilter *filter, QObject *parent) : QStyledItemDelegate(parent), m_filter(filter) {}

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        if (event && event->type() == QEvent::ToolTip && TListViewFilter::ReadableShown()) {
            const QString raw = index.data(Qt::DisplayRole).toString();
            if (!m_filter->Readable(index.column(), raw).isEmpty()) {
                QToolTip::showText(event->globalPos(), raw, view);
                return true;
            }
        }
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!TListViewFilter::ReadableShown())
            return;
        const QString readable = m_filter->Readable(index.column(), index.data(Qt::DisplayRole).toString());
        if (!readable.isEmpty())
            option->text = readable;
    }

private:
    TListViewFilter *m_filter;
};

}  // namespace

TListViewFilter::TListViewFilter(QTreeWidget *listView, bool manualBar)
    : QObject(listView), m_listView(listView), m_header(listView->header())
{
    Filters().insert(this);
    connect(this, &QObject::destroyed, [this] { Filters().remove(this); });

    m_bar = new QWidget(listView->parentWidget());
    m_bar->setObjectName(QStringLiteral("FilterBar"));
    m_bar->hide();
    auto *row = new QHBoxLayout(m_bar);
    row->setContentsMargins(0, 0, 0, 0);
    m_edit = new QLineEdit(m_bar);
    m_edit->setObjectName(QStringLiteral("FilterEdit"));
    m_edit->setPlaceholderText(QStringLiteral("Filter: text, or column: text"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setToolTip(QStringLiteral(
        "Shows the rows holding the text in any cell (case does not matter).\n"
        "\"column: text\" looks in one column, e.g. \"port: 5\" or \"mac: 00:0d\".\n"
        "Click a column caption to sort; a third click returns to the order read."));
    m_count = new QLabel(m_bar);
    m_count->setObjectName(QStringLiteral("FilterCount"));
    row->addWidget(m_edit, 1);
    row->addWidget(m_count);

    // Ctrl+F from the list goes to the box.
    auto *find = new QShortcut(QKeySequence::Find, listView, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, m_edit, [this] {
        m_edit->setFocus(Qt::ShortcutFocusReason);
        m_edit->selectAll();
    });

    m_typing = new QTimer(this);
    m_typing->setSingleShot(true);
    m_typing->setInterval(150);
    connect(m_typing, &QTimer::timeout, this, [this] {
        try {
            ApplyFilter();
        } catch (...) {
        }
    });
    connect(m_edit, &QLineEdit::textChanged, m_typing, qOverload<>(&QTimer::start));
    connect(m_edit, &QLineEdit::returnPressed, this, [this] {
        try {
            m_typing->stop();
            ApplyFilter();
        } catch (...) {
        }
    });
    m_resortTimer = new QTimer(this);
    m_resortTimer->setSingleShot(true);
    m_resortTimer->setInterval(150);
    connect(m_resortTimer, &QTimer::timeout, this, [this] {
        try {
            Resort();
        } catch (...) {
        }
    });

    QHeaderView *header = listView->header();
    header->setSectionsClickable(true);
    connect(header, &QHeaderView::sectionClicked, this, [this](int column) {
        try {
            HeaderClicked(column);
        } catch (...) {
        }
    });

    QAbstractItemModel *model = listView->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex &parent, int first, int last) {
        if (m_busy || parent.isValid())
            return;
        try {
            NumberRows(first, last);
            FilterRows(first, last);
            UpdateCount();
            if (m_sortColumn >= 0)
                ScheduleResort(false);
        } catch (...) {
        }
    });
    connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex &parent, int first, int last) {
                if (m_busy || parent.isValid() || !ListAlive() || !m_listView)
                    return;
                for (int r = first; r <= last; ++r) {
                    m_seq.remove(m_listView->topLevelItem(r));
                    if (m_listView->isRowHidden(r, QModelIndex()))
                        --m_hidden;
                }
            });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex &parent) {
        if (!m_busy && !parent.isValid())
            UpdateCount();
    });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { m_seq.clear(); });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        m_hidden = 0;
        if (ListAlive())
            UpdateCount();
    });
    connect(model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles) {
                if (m_busy || topLeft.parent().isValid())
                    return;
                if (!roles.isEmpty() && !roles.contains(Qt::DisplayRole) && !roles.contains(Qt::EditRole))
                    return;
                try {
                    FilterRows(topLeft.row(), bottomRight.row());
                    UpdateCount();
                    if (m_sortColumn >= topLeft.column() && m_sortColumn <= bottomRight.column())
                        ScheduleResort(true);
                } catch (...) {
                }
            });

    NumberRows(0, listView->topLevelItemCount() - 1);
    UpdateCount();
    if (!manualBar && !PlaceBar())
        listView->installEventFilter(this);  // placed once the list is shown in its window
}

TListViewFilter *TListViewFilter::Attach(QTreeWidget *listView, bool manualBar)
{
    if (!listView)
        return nullptr;
    if (TListViewFilter *existing = Of(listView))
        return existing;
    return new TListViewFilter(listView, manualBar);
}

TListViewFilter *TListViewFilter::Of(const QTreeWidget *listView)
{
    return listView ? listView->findChild<TListViewFilter *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

bool TListViewFilter::PlaceBar()
{
    QTreeWidget *lv = m_listView;
    QWidget *parent = lv ? lv->parentWidget() : nullptr;
    if (!parent || m_placed)
        return m_placed;
    // A list kept hidden on purpose gets no box.
    if (lv->isHidden() && lv->testAttribute(Qt::WA_WState_ExplicitShowHide))
        return false;
    auto *box = new QWidget;
    box->setObjectName(lv->objectName() + QStringLiteral("Box"));
    auto fill = [&] {
        auto *column = new QVBoxLayout(box);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(2);
        column->addWidget(m_bar);
        column->addWidget(lv, 1);
        m_bar->show();
        lv->show();
    };
    if (auto *splitter = qobject_cast<QSplitter *>(parent)) {
        const int at = splitter->indexOf(lv);
        if (at >= 0) {
            const QList<int> sizes = splitter->sizes();
            splitter->replaceWidget(at, box);
            fill();
            splitter->setSizes(sizes);
            m_placed = true;
        }
    } else if (auto *stack = qobject_cast<QStackedWidget *>(parent)) {
        const int at = stack->indexOf(lv);
        auto *tabs = qobject_cast<QTabWidget *>(stack->parentWidget());
        if (at >= 0 && tabs) {
            const int current = tabs->currentIndex();
            const QString text = tabs->tabText(at), tip = tabs->tabToolTip(at);
            const QIcon icon = tabs->tabIcon(at);
            const QSignalBlocker block(tabs);
            tabs->removeTab(at);
            fill();
            tabs->insertTab(at, box, icon, text);
            tabs->setTabToolTip(at, tip);
            tabs->setCurrentIndex(current);
            m_placed = true;
        } else if (at >= 0) {
            const bool current = stack->currentWidget() == lv;
            const QSignalBlocker block(stack);
            stack->insertWidget(at, box);
            stack->removeWidget(lv);
            fill();
            if (current)
                stack->setCurrentWidget(box);
            m_placed = true;
        }
    } else if (QLayout *layout = parent->layout()) {
        if (QLayoutItem *old = layout->replaceWidget(lv, box)) {
            delete old;
            fill();
            m_placed = true;
        }
    }
    if (!m_placed)
        delete box;
    return m_placed;
}

bool TListViewFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_listView && event->type() == QEvent::Show && !m_placed) {
        m_listView->removeEventFilter(this);
        // Not inside the show itself: the list changes parent.
        QMetaObject::invokeMethod(
            this,
            [this] {
                try {
                    PlaceBar();
                } catch (...) {
                }
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void TListViewFilter::customEvent(QEvent *event)
{
    if (event->type() != ResortEvent)
        return;
    m_resortPosted = false;
    try {
        Resort();
    } catch (...) {
    }
}

QStringList TListViewFilter::Captions() const
{
    QStringList captions;
    if (!m_listView)
        return captions;
    const QHeaderView *header = m_listView->header();
    for (int c = 0; c < m_listView->columnCount(); ++c) {
        const bool shown = !header->isSectionHidden(c) && header->sectionSize(c) > 0;
        captions << (shown ? m_listView->headerItem()->text(c) : QString());
    }
    return captions;
}

QString TListViewFilter::ShownText(const QTreeWidget *listView, const QTreeWidgetItem *item, int column)
{
    const QString raw = item->text(column);
    if (!listView)
        return raw;
    if (const TListViewFilter *filter = Of(listView); filter && filter->m_readable && ReadableShown()) {
        const QString readable = filter->m_readable(column, raw);
        if (!readable.isEmpty())
            return readable;
    }
    if (auto *delegate = qobject_cast<QStyledItemDelegate *>(listView->itemDelegateForColumn(column)))
        return delegate->displayText(raw, listView->locale());
    return raw;
}

bool TListViewFilter::ReadableShown()
{
    std::optional<bool> &on = ReadableCache();
    if (!on)
        on = ListSettings().value(ReadableKey, true).toBool();
    return *on;
}

void TListViewFilter::SetReadableShown(bool on)
{
    ReadableCache() = on;
    QSettings settings = ListSettings();
    settings.setValue(ReadableKey, on);
    settings.sync();
    for (TListViewFilter *f : std::as_const(Filters())) {
        if (!f->m_readable || !f->m_listView)
            continue;
        if (f->ReadableAction) {
            const QSignalBlocker block(f->ReadableAction);
            f->ReadableAction->setChecked(on);
        }
        f->m_listView->viewport()->update();
        if (!f->m_query.text.isEmpty())
            f->ApplyFilter();
    }
}

void TListViewFilter::SetReadable(ReadableFunc readable)
{
    m_readable = std::move(readable);
    if (!m_listView || ReadableAction)
        return;
    m_listView->setItemDelegate(new TReadableDelegate(this, m_listView));
    auto *separator = new QAction(m_listView);
    separator->setSeparator(true);
    m_listView->addAction(separator);
    ReadableAction = new QAction(QStringLiteral("Readable values"), m_listView);
    ReadableAction->setCheckable(true);
    ReadableAction->setChecked(ReadableShown());
    ReadableAction->setToolTip(QStringLiteral("MAC addresses and port lists in their readable forms"));
    connect(ReadableAction, &QAction::toggled, this, [](bool on) {
        try {
            SetReadableShown(on);
        } catch (...) {
        }
    });
    m_listView->addAction(ReadableAction);
}

QString TListViewFilter::Readable(int column, const QString &raw) const
{
    return m_readable ? m_readable(column, raw) : QString();
}

void TListViewFilter::SetFilterText(const QString &text)
{
    if (!m_edit)
        return;
    {
        const QSignalBlocker block(m_edit);
        m_edit->setText(text);
    }
    m_typing->stop();
    ApplyFilter();
}

QString TListViewFilter::FilterText() const
{
    return m_edit ? m_edit->text() : QString();
}

bool TListViewFilter::RowMatches(const QTreeWidgetItem *item) const
{
    if (m_query.text.isEmpty())
        return true;
    const QTreeWidget *lv = m_listView;
    if (m_query.column >= 0)
        return ListFilter::CellMatches(m_query.text, ShownText(lv, item, m_query.column), item->text(m_query.column),
                                       true);
    const QHeaderView *header = lv->header();
    for (int c = 0; c < lv->columnCount(); ++c) {
        if (header->isSectionHidden(c) || header->sectionSize(c) == 0)
            continue;
        if (ListFilter::CellMatches(m_query.text, ShownText(lv, item, c), item->text(c), false))
            return true;
    }
    return false;
}

void TListViewFilter::FilterRows(int first, int last)
{
    QTreeWidget *lv = m_listView;
    if (!lv)
        return;
    last = std::min(last, lv->topLevelItemCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r) {
        const bool hide = !RowMatches(lv->topLevelItem(r));
        if (lv->isRowHidden(r, QModelIndex()) != hide) {
            lv->setRowHidden(r, QModelIndex(), hide);
            m_hidden += hide ? 1 : -1;
        }
    }
}

void TListViewFilter::ApplyFilter()
{
    if (!m_listView || !m_edit)
        return;
    m_query = ListFilter::Parse(m_edit->text(), Captions(), m_aliases);
    FilterRows(0, m_listView->topLevelItemCount() - 1);
    UpdateCount();
}

void TListViewFilter::NumberRows(int first, int last)
{
    if (!m_listView)
        return;
    last = std::min(last, m_listView->topLevelItemCount() - 1);
    for (int r = std::max(first, 0); r <= last; ++r)
        m_seq.insert(m_listView->topLevelItem(r), m_nextSeq++);
}

int TListViewFilter::TotalCount() const
{
    return m_listView ? m_listView->topLevelItemCount() : 0;
}

int TListViewFilter::ShownCount() const
{
    return TotalCount() - m_hidden;
}

QString TListViewFilter::CountText() const
{
    if (m_query.text.isEmpty())
        return QString::number(TotalCount());
    return QStringLiteral("%1/%2").arg(ShownCount()).arg(TotalCount());
}

void TListViewFilter::UpdateCount()
{
    // The list's model resets while the list is destroyed, the box perhaps gone before it.
    if (!m_count || !ListAlive() || !m_listView)
        return;
    const QString text = CountText();
    if (m_count->text() == text)
        return;
    m_count->setText(text);
    emit CountChanged(text);
}

void TListViewFilter::HeaderClicked(int column)
{
    if (column != m_sortColumn)
        SortBy(column, Qt::AscendingOrder);
    else if (m_sortOrder == Qt::AscendingOrder)
        SortBy(column, Qt::DescendingOrder);
    else
        SortBy(-1);
}

void TListViewFilter::SortBy(int column, Qt::SortOrder order)
{
    if (!m_listView)
        return;
    m_sortColumn = column < m_listView->columnCount() ? column : -1;
    m_sortOrder = order;
    QHeaderView *header = m_listView->header();
    header->setSortIndicatorShown(m_sortColumn >= 0);
    if (m_sortColumn >= 0)
        header->setSortIndicator(m_sortColumn, order);
    Resort();
}

void TListViewFilter::ScheduleResort(bool soon)
{
    if (soon) {
        // Before the next paint: a list whose cells were just rewritten must not show unsorted.
        if (!m_resortPosted) {
            m_resortPosted = true;
            QCoreApplication::postEvent(this, new QEvent(ResortEvent), Qt::HighEventPriority);
        }
    } else if (!m_resortTimer->isActive()) {
        m_resortTimer->start();  // rows of a walk: at most every 150 ms, not once per answer
    }
}

void TListViewFilter::Resort()
{
    m_resortTimer->stop();
    QTreeWidget *lv = m_listView;
    if (!lv)
        return;
    const int n = lv->topLevelItemCount();
    struct Entry {
        QTreeWidgetItem *item;
        quint64 seq;
        ListFilter::SortKey key;
        bool hidden;
    };
    std::vector<Entry> rows;
    rows.reserve(size_t(n));
    for (int r = 0; r < n; ++r) {
        QTreeWidgetItem *item = lv->topLevelItem(r);
        rows.push_back({item, m_seq.value(item, m_nextSeq + quint64(r)),
                        m_sortColumn >= 0 ? ListFilter::KeyOf(item->text(m_sortColumn)) : ListFilter::SortKey(),
                        lv->isRowHidden(r, QModelIndex())});
    }
    const bool descending = m_sortOrder == Qt::DescendingOrder;
    auto less = [&](const Entry &a, const Entry &b) {
        if (m_sortColumn >= 0) {
            const int d = ListFilter::Compare(a.key, b.key);
            if (d != 0)
                return descending ? d > 0 : d < 0;
        }
        return a.seq < b.seq;
    };
    if (std::is_sorted(rows.begin(), rows.end(), less))
        return;
    std::stable_sort(rows.begin(), rows.end(), less);

    // Taken out and put back in order; the selection, the current row, the hidden rows and the
    // scroll position stay, and the window hears of none of it.
    // By rows: selectedItems() leaves hidden rows out.
    QList<QTreeWidgetItem *> selected;
    for (const QModelIndex &index : lv->selectionModel()->selectedRows())
        if (!index.parent().isValid())
            selected << lv->topLevelItem(index.row());
    QTreeWidgetItem *current = lv->currentItem();
    const int scroll = lv->verticalScrollBar()->value();
    m_busy = true;
    {
        const QSignalBlocker block(lv);
        QTreeWidgetItem *root = lv->invisibleRootItem();
        const QList<QTreeWidgetItem *> taken = root->takeChildren();
        QList<QTreeWidgetItem *> ordered;
        ordered.reserve(n);
        for (const Entry &e : rows)
            ordered << e.item;
        root->addChildren(ordered);
        for (int r = 0; r < n; ++r)
            if (rows[size_t(r)].hidden)
                lv->setRowHidden(r, QModelIndex(), true);
        if (current)
            lv->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
        for (QTreeWidgetItem *item : selected)
            item->setSelected(true);
        lv->doItemsLayout();
        lv->verticalScrollBar()->setValue(scroll);
    }
    m_busy = false;
}
