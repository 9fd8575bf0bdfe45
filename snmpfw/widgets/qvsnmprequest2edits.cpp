// QvSNMPRequest2Edits: fills bound controls from the variables' value texts and collects them
// back, whole values or parts of an octet string, one or several controls per record.
#include "qvsnmprequest2controls.h"

#include "qveditconstraint.h"
#include "qvfieldcodec.h"
#include "qvoptionlist.h"
#include "qvradiogroup.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmpvarlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QTimer>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

// A filled value longer than its edit shows its beginning, not its end.
void ShowFromStart(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->setCursorPosition(0);
}

enum ControlKind { KindLabel, KindCheckBox, KindCombo, KindRadio, KindEdit, KindOther };

ControlKind KindOf(const QWidget *w)
{
    if (qobject_cast<const QLabel *>(w))
        return KindLabel;
    if (qobject_cast<const QCheckBox *>(w))
        return KindCheckBox;
    if (qobject_cast<const QComboBox *>(w))
        return KindCombo;
    if (qobject_cast<const QvRadioGroup *>(w))
        return KindRadio;
    if (qobject_cast<const QLineEdit *>(w))
        return KindEdit;
    return KindOther;
}

bool IsPlaceholder(const QString &text)
{
    return text == QvNullText || text == QvNotDoneText;
}

bool IsBooleanSyntax(quint32 syntax)
{
    return syntax == SYN_BOOLEAN || syntax == SYN_BOOL8 || syntax == SYN_BOOL16;
}

QLineEdit *EditAt(const QvSNMPAssociation &rec, int k)
{
    return qobject_cast<QLineEdit *>(rec.controls.value(k).data());
}

int CountSpecifiers(const QString &format)
{
    int n = 0;
    for (int k = 0; k + 1 < format.size(); ++k) {
        if (format.at(k) == QLatin1Char('%') && QStringLiteral("shiufn").contains(format.at(k + 1)))
            ++n;
    }
    return n;
}

}  // namespace

QvSNMPRequest2Edits::QvSNMPRequest2Edits(QWidget *ownerForm)
    : QvSNMPRequest2Controls(ownerForm), m_constraint(std::make_unique<QvEditConstraint>(ownerForm, true))
{
}

QvSNMPRequest2Edits::~QvSNMPRequest2Edits()
{
    // The list view may outlive us and keep emitting while the request waits for its
    // outstanding completions.
    QObject::disconnect(m_selectionConn);
    qDeleteAll(m_pendingRows);
}

void QvSNMPRequest2Edits::FlushRows()
{
    m_flushQueued = false;
    if (m_pendingRows.isEmpty())
        return;
    if (m_listView)
        m_listView->addTopLevelItems(m_pendingRows);
    else
        qDeleteAll(m_pendingRows);
    m_pendingRows.clear();
}

bool QvSNMPRequest2Edits::IsWholeValue(const QvSNMPAssociation &rec) const
{
    return rec.partOffset == 0 && rec.partSyntax == Vars().Item(rec.item).syntax;
}

const QvOptionList *QvSNMPRequest2Edits::OptionsOf(const QvSNMPAssociation &rec) const
{
    if (rec.options)
        return rec.options;
    return IsWholeValue(rec) ? Vars().Item(rec.item).options : nullptr;
}

void QvSNMPRequest2Edits::AddRecord(QvSNMPAssociation rec)
{
    if (rec.item < 0 || rec.item >= Vars().Count())
        QvThrow(QVE_PART_INDEX);
    m_assocs.append(std::move(rec));
}

quint32 QvSNMPRequest2Edits::ItemSyntax(int item) const
{
    // A position the list does not hold would index past its end.
    if (item < 0 || item >= Vars().Count())
        QvThrow(QVE_PART_INDEX);
    return Vars().Item(item).syntax;
}

QvSNMPAssociation QvSNMPRequest2Edits::MakeRecord(int item, int partOffset, quint32 partSyntax,
                                                 const QvOptionList *options) const
{
    if (item < 0 || item >= Vars().Count())
        QvThrow(QVE_PART_INDEX);
    QvSNMPAssociation rec;
    rec.item = item;
    rec.partOffset = partOffset;
    rec.partSyntax = partSyntax;
    rec.options = options;
    return rec;
}

void QvSNMPRequest2Edits::PrepareCombo(QComboBox *combo, const QvOptionList *options)
{
    combo->setEditable(false);
    if (options)
        options->FillItems(combo);
}

void QvSNMPRequest2Edits::BindText(int item, QWidget *label)
{
    QvSNMPAssociation rec = MakeRecord(item, 0, ItemSyntax(item), nullptr);
    rec.controls.append(label);
    AddRecord(std::move(rec));
}

void QvSNMPRequest2Edits::BindControl(int item, QWidget *control)
{
    BindOptionControl(item, 0, ItemSyntax(item), nullptr, control);
}

void QvSNMPRequest2Edits::BindOptionControl(int item, int partOffset, quint32 partSyntax, const QvOptionList *options,
                                            QWidget *control)
{
    QvSNMPAssociation rec = MakeRecord(item, partOffset, partSyntax, options);
    rec.controls.append(control);
    if (auto *combo = qobject_cast<QComboBox *>(control))
        PrepareCombo(combo, OptionsOf(rec));
    else if (auto *radio = qobject_cast<QvRadioGroup *>(control); radio && OptionsOf(rec))
        OptionsOf(rec)->FillItems(radio);
    AddRecord(std::move(rec));
}

QList<QLineEdit *> QvSNMPRequest2Edits::AttachEdits(const QString &format, const QList<QLineEdit *> &edits)
{
    // Without specifiers the edits are bound as given, unconstrained.
    const int need = CountSpecifiers(format);
    if (edits.size() < need)
        QvThrow(QVE_CONTROL_COUNT);
    QList<QLineEdit *> used = need > 0 ? edits.mid(0, need) : edits;
    for (QLineEdit *e : used) {
        if (!e)
            QvThrow(QVE_CONTROL_TYPE);
        m_constraint->Detach(e);
    }
    if (need > 0)
        m_constraint->AttachEach(format, used);
    return used;
}

void QvSNMPRequest2Edits::BindEdits(int item, const QString &format, const QList<QLineEdit *> &edits)
{
    QvSNMPAssociation rec = MakeRecord(item, 0, ItemSyntax(item), nullptr);
    for (QLineEdit *e : AttachEdits(format, edits))
        rec.controls.append(e);
    AddRecord(std::move(rec));
}

void QvSNMPRequest2Edits::BindCombo(int item, int partOffset, quint32 partSyntax, const QvOptionList *options,
                                    const QString &format, QComboBox *combo, const QList<QLineEdit *> &edits)
{
    QvSNMPAssociation rec = MakeRecord(item, partOffset, partSyntax, options);
    if (!combo)
        QvThrow(QVE_CONTROL_TYPE);
    rec.controls.append(combo);
    for (QLineEdit *e : AttachEdits(format, edits))
        rec.controls.append(e);
    PrepareCombo(combo, OptionsOf(rec));
    AddRecord(std::move(rec));
}

void QvSNMPRequest2Edits::BindPanel(int item, const QString &format, QWidget *panel)
{
    QvSNMPAssociation rec = MakeRecord(item, 0, ItemSyntax(item), nullptr);
    QList<QLineEdit *> edits;
    m_constraint->BuildEdits(panel, format, &edits);
    for (QLineEdit *e : std::as_const(edits))
        rec.controls.append(e);
    AddRecord(std::move(rec));
}

void QvSNMPRequest2Edits::BindCheckBoxes(int item, const QString &bitList, const QList<QCheckBox *> &boxes)
{
    QvSNMPAssociation rec = MakeRecord(item, 0, ItemSyntax(item), nullptr);
    QvNumList bits(',');
    bits.Parse(bitList);
    if (bits.Count() < boxes.size())
        QvThrow(QVE_CONTROL_COUNT);
    for (int k = 0; k < boxes.size(); ++k) {
        if (bits.at(k) < 0)
            QvThrow(QVE_PART_INDEX);
        rec.bitPositions.append(bits.at(k));
        rec.controls.append(boxes.at(k));
    }
    AddRecord(std::move(rec));
}

void QvSNMPRequest2Edits::BindListView(QTreeWidget *listView, bool enableOnSelect)
{
    QObject::disconnect(m_selectionConn);
    m_listView = listView;
    m_enableOnSelect = enableOnSelect;
    if (!listView)
        return;
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::SingleSelection);
    listView->setRootIsDecorated(false);
    listView->setItemsExpandable(false);
    listView->setUniformRowHeights(true);
    listView->setAllColumnsShowFocus(true);
    listView->header()->setStretchLastSection(false);
    listView->header()->setMinimumSectionSize(0);
    // Grid lines between cells, and the selection as visible without focus as with it.
    listView->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    QPalette pal = listView->palette();
    pal.setColor(QPalette::Inactive, QPalette::Highlight, pal.color(QPalette::Active, QPalette::Highlight));
    pal.setColor(QPalette::Inactive, QPalette::HighlightedText, pal.color(QPalette::Active, QPalette::HighlightedText));
    listView->setPalette(pal);
    // Handlers connected before us keep running first: Qt calls slots in connection order.
    m_selectionConn = connect(listView, &QTreeWidget::itemSelectionChanged, this, [this] {
        try {
            ListViewSelectItem();
        } catch (const QvSNMPException &e) {
            QvSNMPError err;
            err.code = e.code();
            err.text = e.text();
            ReportFailure(err);
        } catch (const std::exception &e) {
            QvSNMPError err;
            err.code = QVE_UNKNOWN;
            err.text = QString::fromLatin1(e.what());
            ReportFailure(err);
        }
    });
    BuildColumns();
}

void QvSNMPRequest2Edits::Unbind(int item)
{
    for (int k = m_assocs.size() - 1; k >= 0; --k) {
        if (m_assocs.at(k).item != item)
            continue;
        for (const QPointer<QWidget> &c : std::as_const(m_assocs.at(k).controls)) {
            if (auto *e = qobject_cast<QLineEdit *>(c.data()))
                m_constraint->Detach(e);
        }
        m_assocs.removeAt(k);
    }
}

void QvSNMPRequest2Edits::SetControlsEnabled(bool enabled)
{
    for (const QvSNMPAssociation &rec : std::as_const(m_assocs)) {
        for (const QPointer<QWidget> &c : rec.controls) {
            if (c)
                c->setEnabled(enabled);
        }
    }
}

QList<int> QvSNMPRequest2Edits::RowColumnOrder() const
{
    QList<int> order;
    const QvSNMPVarList &vars = Vars();
    for (int i = 0; i < vars.Count(); ++i) {
        if (vars.IsHiddenColumn(i))
            order.append(i);
    }
    for (int i = 0; i < vars.Count(); ++i) {
        if (vars.IsDisplayed(i) && !vars.IsHiddenColumn(i))
            order.append(i);
    }
    return order;
}

void QvSNMPRequest2Edits::BuildColumns()
{
    if (!m_listView)
        return;
    const QvSNMPVarList &vars = Vars();
    // A list view nobody gave columns still shows Qt's one default column, captioned "1".
    const bool untouched = m_listView->columnCount() == 1 && m_listView->headerItem()->text(0) == QLatin1String("1");
    if (m_listView->columnCount() >= vars.DisplayedCount() + vars.HiddenCount() && !untouched)
        return;
    const QList<int> order = RowColumnOrder();
    QStringList headers;
    for (int i : order)
        headers.append(vars.Item(i).name);
    m_listView->clear();
    m_listView->setColumnCount(headers.size());
    m_listView->setHeaderLabels(headers);
    QHeaderView *header = m_listView->header();
    for (int c = 0; c < order.size(); ++c) {
        if (vars.IsHiddenColumn(order.at(c)))
            header->resizeSection(c, 0);
        else
            header->resizeSection(c, header->sectionSizeHint(c));
    }
}

void QvSNMPRequest2Edits::CopySelectedRow()
{
    if (!m_listView)
        return;
    QTreeWidgetItem *row = nullptr;
    const QList<QTreeWidgetItem *> selected = m_listView->selectedItems();
    if (!selected.isEmpty())
        row = selected.first();
    if (!row)
        return;
    const QList<int> order = RowColumnOrder();
    for (int c = 0; c < order.size(); ++c)
        Vars().Item(order.at(c)).valueText = row->text(c);
}

void QvSNMPRequest2Edits::BeforeRefresh()
{
    if (!m_listView)
        return;
    BuildColumns();
    qDeleteAll(m_pendingRows);  // of a walk that was dropped
    m_pendingRows.clear();
    // The rows stay until the first new one arrives: a switch that does not answer must not
    // take the last good list away.
    m_replacing = m_listView->topLevelItemCount() > 0;
    if (!m_replacing)
        m_listView->clear();
}

void QvSNMPRequest2Edits::DropReplacedRows()
{
    if (m_replacing && m_listView)
        m_listView->clear();
    m_replacing = false;
}

void QvSNMPRequest2Edits::RefreshFailed(const QvSNMPError &result)
{
    FlushRows();
    if (!m_replacing || !m_listView) {
        QvSNMPRequest2Controls::RefreshFailed(result);
        return;
    }
    // Nothing new came: the old rows are shown greyed and the strip says from when they are.
    m_replacing = false;
    const QBrush stale = m_listView->palette().brush(QPalette::Disabled, QPalette::Text);
    for (int r = 0; r < m_listView->topLevelItemCount(); ++r) {
        QTreeWidgetItem *item = m_listView->topLevelItem(r);
        for (int c = 0; c < m_listView->columnCount(); ++c)
            item->setForeground(c, stale);
    }
    QvSNMPError told = result;
    told.text = StaleListNote(result.text, m_listView->topLevelItemCount(), m_lastRead);
    QvSNMPRequest2Controls::RefreshFailed(told);
}

QString QvSNMPRequest2Edits::StaleListNote(const QString &failure, int rows, const QTime &readAt)
{
    QString note = failure + QStringLiteral(" The list was not refreshed: it still shows the %1 row%2")
                                 .arg(rows)
                                 .arg(rows == 1 ? QString() : QStringLiteral("s"));
    if (readAt.isValid())
        note += QStringLiteral(" read at ") + readAt.toString(QStringLiteral("HH:mm:ss"));
    return note + QLatin1Char('.');
}

void QvSNMPRequest2Edits::RowReceived()
{
    if (!m_listView) {
        FillControls(-1);
        return;
    }
    DropReplacedRows();
    const QList<int> order = RowColumnOrder();
    QStringList texts;
    texts.reserve(order.size());
    for (int i : order)
        texts.append(Vars().Item(i).valueText);
    // The rows of an answer go into the list together once it has been read; while a big table
    // keeps coming, the answers of a tenth of a second go in together, since every insert makes
    // the view lay out all its rows again.
    m_pendingRows.append(new QTreeWidgetItem(texts));
    if (!Asynchronous()) {
        FlushRows();
    } else if (!m_flushQueued) {
        m_flushQueued = true;
        const bool first = m_listView->topLevelItemCount() == 0;
        QTimer::singleShot(first ? 0 : FlushIntervalMs, this, &QvSNMPRequest2Edits::FlushRows);
    }
}

void QvSNMPRequest2Edits::CollectValues()
{
    QvSNMPVarList &vars = Vars();
    for (int i = 0; i < vars.Count(); ++i)
        vars.Item(i).valueText.clear();
    if (m_listView)
        CopySelectedRow();
    CollectControls(-1);
}

void QvSNMPRequest2Edits::AfterRefresh()
{
    FlushRows();
    // A walk that found no row leaves an empty list.
    DropReplacedRows();
    m_lastRead = QTime::currentTime();
    if (m_listView && m_enableOnSelect && Vars().itemType == MVT_FMV)
        SetControlsEnabled(false);
}

void QvSNMPRequest2Edits::ListViewSelectItem()
{
    if (!m_listView || m_listView->selectedItems().isEmpty())
        return;
    if (m_enableOnSelect)
        SetControlsEnabled(true);
    CopySelectedRow();
    FillControls(-1);
}

// ---- filling ----

void QvSNMPRequest2Edits::FillControls(int item)
{
    for (const QvSNMPAssociation &rec : std::as_const(m_assocs)) {
        if (item >= 0 && rec.item != item)
            continue;
        if (rec.item >= Vars().Count() || Vars().Item(rec.item).isInvalid())
            continue;
        FillRecord(rec);
    }
}

void QvSNMPRequest2Edits::FillRecord(const QvSNMPAssociation &rec)
{
    const QvSNMPVar &var = Vars().Item(rec.item);
    const QvOptionList *options = OptionsOf(rec);
    // The value form of the text: labels of the item's own list turned back into values.
    const QString raw = var.options ? var.options->LabelToValue(var.valueText) : var.valueText;

    if (!rec.bitPositions.isEmpty()) {
        if (IsPlaceholder(raw))
            return;
        const QByteArray bytes = TextToOctets(raw, var.syntax);
        for (int k = 0; k < rec.controls.size(); ++k) {
            if (!rec.controls.at(k))
                continue;
            auto *box = qobject_cast<QCheckBox *>(rec.controls.at(k).data());
            if (!box)
                QvThrow(QVE_CONTROL_TYPE);
            const int bit = rec.bitPositions.at(k);
            // A value never read shows every box clear; a short value is a fault.
            box->setChecked(!raw.isEmpty() && QvOctetBit(bytes, bit));
        }
        return;
    }

    QString value;  // value form of the part
    if (IsWholeValue(rec)) {
        value = raw;
    } else {
        // A placeholder has no octets, so every part of it is absent too.
        const QByteArray bytes = IsPlaceholder(raw) ? QByteArray() : TextToOctets(raw, var.syntax);
        value = OctetsToText(ExtractPart(bytes, rec.partOffset, rec.partSyntax), rec.partSyntax);
    }
    const QString text = options ? options->ValueToLabel(value) : value;
    PutText(rec, text, value, options);
}

void QvSNMPRequest2Edits::PutText(const QvSNMPAssociation &rec, const QString &text, const QString &value,
                                  const QvOptionList *options)
{
    if (rec.controls.isEmpty())
        QvThrow(QVE_CONTROL_COUNT);
    QWidget *first = rec.controls.first();
    if (!first)
        return;
    const quint32 syntax = rec.partSyntax;
    switch (KindOf(first)) {
    case KindLabel:
        static_cast<QLabel *>(first)->setText(text);
        return;
    case KindCheckBox: {
        auto *box = static_cast<QCheckBox *>(first);
        if (options) {
            int idx = options->IndexOfLabel(text);
            if (idx < 0)
                idx = options->IndexOfValue(text);
            box->setChecked(idx > 0);
        } else if (IsBooleanSyntax(syntax)) {
            box->setChecked(text == QLatin1String("true"));
        } else {
            QvThrow(QVE_PART_SYNTAX);
        }
        return;
    }
    case KindCombo:
    case KindRadio: {
        if (!options)
            QvThrow(QVE_NO_OPTION_LIST);
        const bool prefix = options->valueType() == OVT_PREFIX;
        if (prefix && rec.controls.size() < 2)
            QvThrow(QVE_CONTROL_COUNT);
        int idx = options->IndexOfLabel(text);
        int matched = idx >= 0 ? options->Item(idx).label.size() : 0;
        if (idx < 0) {
            idx = options->IndexOfValue(text);
            matched = idx >= 0 ? options->ValueText(idx).size() : 0;
        }
        if (auto *combo = qobject_cast<QComboBox *>(first)) {
            // Filled when bound; a window may take entries out for a while, which stays so.
            if (combo->count() == 0)
                options->FillItems(combo);
            combo->setCurrentIndex(idx);
        } else {
            auto *radio = static_cast<QvRadioGroup *>(first);
            if (radio->count() == 0)
                options->FillItems(radio);
            radio->setItemIndex(idx);
        }
        if (rec.controls.size() >= 2) {
            QLineEdit *rest = EditAt(rec, 1);
            if (!rest)
                QvThrow(QVE_CONTROL_TYPE);
            rest->setText(QvPrefixRest(syntax, text, idx >= 0 ? matched : -1));
        }
        return;
    }
    case KindEdit:
        break;
    case KindOther:
        QvThrow(QVE_CONTROL_TYPE);
    }

    for (const QPointer<QWidget> &c : rec.controls) {
        if (c && !qobject_cast<QLineEdit *>(c.data()))
            QvThrow(QVE_CONTROL_TYPE);
    }
    if (!QvSplitsIntoFields(syntax, rec.controls.size())) {
        ShowFromStart(EditAt(rec, 0), text);
        return;
    }
    const QStringList fields = QvSplitFields(syntax, value, rec.controls.size());
    for (int k = 0; k < fields.size(); ++k) {
        if (QLineEdit *e = EditAt(rec, k))
            ShowFromStart(e, fields.at(k));
    }
}

// ---- collecting ----

QString QvSNMPRequest2Edits::ReadText(const QvSNMPAssociation &rec) const
{
    if (rec.controls.isEmpty())
        QvThrow(QVE_CONTROL_COUNT);
    QWidget *first = rec.controls.first();
    if (!first)
        return QString();
    const quint32 syntax = rec.partSyntax;
    const QvOptionList *options = OptionsOf(rec);
    switch (KindOf(first)) {
    case KindLabel:
        return static_cast<QLabel *>(first)->text();
    case KindCheckBox: {
        const bool on = static_cast<QCheckBox *>(first)->isChecked();
        if (options) {
            const int idx = on ? 1 : 0;
            return idx < options->Count() ? options->Item(idx).label : QString();
        }
        if (IsBooleanSyntax(syntax))
            return on ? QStringLiteral("true") : QStringLiteral("false");
        QvThrow(QVE_PART_SYNTAX);
    }
    case KindCombo:
    case KindRadio: {
        if (!options)
            QvThrow(QVE_NO_OPTION_LIST);
        QString text;
        if (auto *combo = qobject_cast<QComboBox *>(first))
            text = combo->currentIndex() >= 0 ? combo->currentText() : QString();
        else
            {
            auto *radio = static_cast<QvRadioGroup *>(first);
            text = radio->itemIndex() >= 0 ? radio->itemText(radio->itemIndex()) : QString();
        }
        if (rec.controls.size() >= 2) {
            QLineEdit *rest = EditAt(rec, 1);
            if (!rest)
                QvThrow(QVE_CONTROL_TYPE);
            text = QvJoinPrefix(syntax, text, rest->text());
        }
        return text;
    }
    case KindEdit:
        break;
    case KindOther:
        QvThrow(QVE_CONTROL_TYPE);
    }

    for (const QPointer<QWidget> &c : rec.controls) {
        if (c && !qobject_cast<QLineEdit *>(c.data()))
            QvThrow(QVE_CONTROL_TYPE);
    }
    QStringList fields;
    for (int k = 0; k < rec.controls.size(); ++k) {
        QLineEdit *e = EditAt(rec, k);
        fields.append(e ? e->text() : QString());
    }
    return QvSplitsIntoFields(syntax, rec.controls.size()) ? QvJoinFields(syntax, fields) : fields.first();
}

void QvSNMPRequest2Edits::CollectControls(int item)
{
    QvSNMPVarList &vars = Vars();
    for (int i = 0; i < vars.Count(); ++i) {
        if (item >= 0 && i != item)
            continue;
        if (!vars.IsWritable(i))
            continue;
        QList<const QvSNMPAssociation *> recs;
        for (const QvSNMPAssociation &rec : std::as_const(m_assocs)) {
            if (rec.item == i)
                recs.append(&rec);
        }
        if (recs.isEmpty())
            continue;
        QvSNMPVar &var = vars.Item(i);

        // One control for the whole value: its text is the value text, placeholders and
        // empty edits included.
        if (recs.size() == 1 && recs.first()->bitPositions.isEmpty() && IsWholeValue(*recs.first())) {
            const QvSNMPAssociation &rec = *recs.first();
            const QString text = ReadText(rec);
            const QvOptionList *options = OptionsOf(rec);
            QString value = options ? options->LabelToValue(text) : text;
            var.valueText = var.options ? var.options->ValueToLabel(value) : value;
            continue;
        }

        const QString current = var.options ? var.options->LabelToValue(var.valueText) : var.valueText;
        QByteArray bytes;
        if (var.syntax != SYN_DISPLAYSTR && !IsPlaceholder(current))
            bytes = TextToOctets(current, var.syntax);
        for (const QvSNMPAssociation *rec : std::as_const(recs)) {
            if (!rec->bitPositions.isEmpty()) {
                for (int k = 0; k < rec->controls.size(); ++k) {
                    auto *box = qobject_cast<QCheckBox *>(rec->controls.at(k).data());
                    if (!box)
                        continue;
                    QvSetOctetBit(&bytes, rec->bitPositions.at(k), box->isChecked());
                }
                continue;
            }
            const QString text = ReadText(*rec);
            const QvOptionList *options = OptionsOf(*rec);
            const QString value = options ? options->LabelToValue(text) : text;
            const QByteArray part = TextToOctets(value, rec->partSyntax);
            if (IsWholeValue(*rec))
                bytes = part;
            else
                QvSpliceOctets(&bytes, rec->partOffset, part);
        }
        const QString text = OctetsToText(bytes, var.syntax);
        var.valueText = var.options ? var.options->ValueToLabel(text) : text;
    }
}
