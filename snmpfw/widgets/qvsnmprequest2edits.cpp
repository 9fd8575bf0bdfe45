// QvSNMPRequest2Edits: fills bound controls from the variables' value texts and collects them
// back, whole values or parts of an octet string, one or several controls per record.
#include "qvsnmprequest2controls.h"

#include "qvdatetime.h"
#include "qveditconstraint.h"
#include "qvoptionlist.h"
#include "qvradiogroup.h"
#include "qvsnmpconvert.h"
#include "qvsnmperrors.h"
#include "qvsnmpvarlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>

#include <cmath>

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

bool IsHexSyntax(quint32 syntax)
{
    return syntax == SYN_BITSTR || syntax == SYN_OCTETSTR || syntax == SYN_OPAQUE;
}

// Number of edits a several-edit binding of this syntax needs; 0 when it depends on the value.
int FixedEditCount(quint32 syntax)
{
    switch (syntax) {
    case SYN_IPADDRESS:
    case SYN_NSAPADDR:
        return 4;
    case SYN_TIMETICKS:
        return 5;
    case SYN_MACADDRESS:
        return 6;
    case SYN_DATETIME:
        return 10;
    case SYN_BCDATETIME:
        return 7;
    default:
        return 0;
    }
}

QLineEdit *EditAt(const QvSNMPAssociation &rec, int k)
{
    return qobject_cast<QLineEdit *>(rec.controls.value(k).data());
}

QString TwoHex(quint8 b)
{
    return QvHexText(QByteArray(1, char(b)));
}

// An edit's hex field: empty counts as "00", one digit gets a leading "0".
QString HexField(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return QStringLiteral("00");
    if (t.size() == 1)
        return QLatin1Char('0') + t;
    return t;
}

quint32 Field(const QvSNMPAssociation &rec, int k)
{
    QLineEdit *e = EditAt(rec, k);
    return e ? QvReadDecimal(e->text()) : 0;
}

const QDateTime &DateRealEpoch()
{
    static const QDateTime epoch(QDate(1899, 12, 30), QTime(0, 0), Qt::UTC);
    return epoch;
}

QDateTime DateFromReal(double days)
{
    const qint64 ms = qint64(std::llround(days * 86400000.0));
    return DateRealEpoch().addMSecs(ms);
}

double RealFromDate(const QDateTime &dt)
{
    return double(DateRealEpoch().msecsTo(dt)) / 86400000.0;
}

// Splices part into value at offset, growing the value with zero octets as needed.
void PutPart(QByteArray *value, int offset, const QByteArray &part)
{
    if (value->size() < offset + part.size())
        value->append(QByteArray(offset + part.size() - value->size(), '\0'));
    for (int k = 0; k < part.size(); ++k)
        (*value)[offset + k] = part.at(k);
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
        QvThrow(-519);
    m_assocs.append(std::move(rec));
}

quint32 QvSNMPRequest2Edits::ItemSyntax(int item) const
{
    // A position the list does not hold would index past its end.
    if (item < 0 || item >= Vars().Count())
        QvThrow(-519);
    return Vars().Item(item).syntax;
}

QvSNMPAssociation QvSNMPRequest2Edits::MakeRecord(int item, int partOffset, quint32 partSyntax,
                                                 const QvOptionList *options) const
{
    if (item < 0 || item >= Vars().Count())
        QvThrow(-519);
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
        QvThrow(-522);
    QList<QLineEdit *> used = need > 0 ? edits.mid(0, need) : edits;
    for (QLineEdit *e : used) {
        if (!e)
            QvThrow(-521);
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
        QvThrow(-521);
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
        QvThrow(-522);
    for (int k = 0; k < boxes.size(); ++k) {
        if (bits.at(k) < 0)
            QvThrow(-519);
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
            err.code = -528;
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
    m_listView->clear();
}

void QvSNMPRequest2Edits::RowReceived()
{
    if (!m_listView) {
        FillControls(-1);
        return;
    }
    const QList<int> order = RowColumnOrder();
    QStringList texts;
    texts.reserve(order.size());
    for (int i : order)
        texts.append(Vars().Item(i).valueText);
    m_listView->addTopLevelItem(new QTreeWidgetItem(texts));
    // A blocking walk keeps the window painted; user input waits, so nothing can close the
    // window or start another request in the middle of the walk.
    if (!Asynchronous())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
                QvThrow(-521);
            const int bit = rec.bitPositions.at(k);
            // A value never read shows every box clear; a short value is a fault.
            if (raw.isEmpty()) {
                box->setChecked(false);
                continue;
            }
            if (bit / 8 >= bytes.size())
                QvThrow(-519);
            box->setChecked((quint8(bytes.at(bit / 8)) & (0x80 >> (bit % 8))) != 0);
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
        QvThrow(-522);
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
            QvThrow(-517);
        }
        return;
    }
    case KindCombo:
    case KindRadio: {
        if (!options)
            QvThrow(-520);
        const bool prefix = options->valueType() == OVT_PREFIX;
        if (prefix && rec.controls.size() < 2)
            QvThrow(-522);
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
                QvThrow(-521);
            if (IsPlaceholder(text)) {
                rest->setText(text);
            } else {
                QString tail = text.mid(matched);
                if (idx >= 0 && syntax == SYN_OBJECTID && tail.startsWith(QLatin1Char('.')))
                    tail.remove(0, 1);
                rest->setText(tail);
            }
        }
        return;
    }
    case KindEdit:
        break;
    case KindOther:
        QvThrow(-521);
    }

    for (const QPointer<QWidget> &c : rec.controls) {
        if (c && !qobject_cast<QLineEdit *>(c.data()))
            QvThrow(-521);
    }
    const int count = rec.controls.size();
    if (count == 1) {
        ShowFromStart(EditAt(rec, 0), text);
        return;
    }
    const int fixed = FixedEditCount(syntax);
    const bool split = fixed > 0 || IsHexSyntax(syntax) || syntax == SYN_OBJECTID;
    if (!split) {
        ShowFromStart(EditAt(rec, 0), text);
        return;
    }
    if (fixed > count)
        QvThrow(-522);
    // The placeholders have no fields to split into.
    if (IsPlaceholder(value))
        return;
    auto set = [&](int k, const QString &t) {
        if (QLineEdit *e = EditAt(rec, k))
            ShowFromStart(e, t);
    };
    auto setNum = [&](int k, qint64 n) { set(k, QString::number(n)); };

    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE: {
        const QByteArray bytes = QvReadHex(value);
        if (bytes.size() > count)
            QvThrow(-522);
        for (int k = 0; k < count; ++k)
            set(k, k < bytes.size() ? TwoHex(quint8(bytes.at(k))) : QString());
        return;
    }
    case SYN_OBJECTID: {
        QvOid oid;
        if (!QvParseOid(value, &oid))
            oid.clear();
        if (oid.size() > count)
            QvThrow(-522);
        for (int k = 0; k < count; ++k)
            set(k, k < oid.size() ? QString::number(oid.at(k)) : QString());
        return;
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        const QByteArray b = TextToOctets(value, syntax);
        for (int k = 0; k < 4; ++k)
            setNum(k, k < b.size() ? quint8(b.at(k)) : 0);
        return;
    }
    case SYN_TIMETICKS: {
        const quint32 t = QvReadTimeTicks(value);
        setNum(0, t / 8640000);
        setNum(1, t / 360000 % 24);
        setNum(2, t / 6000 % 60);
        setNum(3, t / 100 % 60);
        setNum(4, t % 100);
        return;
    }
    case SYN_MACADDRESS: {
        const QByteArray b = QvReadHex(value);
        for (int k = 0; k < 6; ++k)
            set(k, k < b.size() ? TwoHex(quint8(b.at(k))) : QString());
        return;
    }
    case SYN_DATETIME: {
        const QvDateTime d = QvDateTime::FromText(value);
        setNum(0, d.year);
        setNum(1, d.month);
        setNum(2, d.day);
        setNum(3, d.hour);
        setNum(4, d.minutes);
        setNum(5, d.seconds);
        setNum(6, d.deciSeconds);
        // Shown as the sign character itself, which is what collecting reads back.
        set(7, QString(QLatin1Char(d.direction == '-' ? '-' : '+')));
        setNum(8, d.utcHours);
        setNum(9, d.utcMinutes);
        return;
    }
    case SYN_BCDATETIME: {
        double real = 0;
        if (!QvReadDateTimeReal(value, &real))
            return;
        const QDateTime dt = DateFromReal(real);
        setNum(0, dt.date().year());
        setNum(1, dt.date().month());
        setNum(2, dt.date().day());
        setNum(3, dt.time().hour());
        setNum(4, dt.time().minute());
        setNum(5, dt.time().second());
        setNum(6, dt.time().msec());
        return;
    }
    default:
        return;
    }
}

// ---- collecting ----

QString QvSNMPRequest2Edits::ReadText(const QvSNMPAssociation &rec) const
{
    if (rec.controls.isEmpty())
        QvThrow(-522);
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
        QvThrow(-517);
    }
    case KindCombo:
    case KindRadio: {
        if (!options)
            QvThrow(-520);
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
                QvThrow(-521);
            if (syntax == SYN_OBJECTID && !text.isEmpty() && !rest->text().isEmpty())
                text += QLatin1Char('.');
            text += rest->text();
        }
        return text;
    }
    case KindEdit:
        break;
    case KindOther:
        QvThrow(-521);
    }

    for (const QPointer<QWidget> &c : rec.controls) {
        if (c && !qobject_cast<QLineEdit *>(c.data()))
            QvThrow(-521);
    }
    const int count = rec.controls.size();
    auto text = [&](int k) {
        QLineEdit *e = EditAt(rec, k);
        return e ? e->text() : QString();
    };
    const int fixed = FixedEditCount(syntax);
    if (count == 1 || !(fixed > 0 || IsHexSyntax(syntax) || syntax == SYN_OBJECTID))
        return text(0);
    if (fixed > count)
        QvThrow(-522);
    // Edits still showing a placeholder hand it back unchanged.
    if (IsPlaceholder(text(0)))
        return text(0);

    switch (syntax) {
    case SYN_BITSTR:
    case SYN_OCTETSTR:
    case SYN_OPAQUE:
    case SYN_MACADDRESS: {
        QString hex;
        const int n = syntax == SYN_MACADDRESS ? 6 : count;
        for (int k = 0; k < n; ++k)
            hex += HexField(text(k));
        return hex;
    }
    case SYN_OBJECTID: {
        // Trailing empty boxes are boxes the value did not need.
        int n = count;
        while (n > 0 && text(n - 1).trimmed().isEmpty())
            --n;
        QStringList parts;
        for (int k = 0; k < n; ++k)
            parts.append(QString::number(Field(rec, k)));
        return parts.join(QLatin1Char('.'));
    }
    case SYN_IPADDRESS:
    case SYN_NSAPADDR: {
        QStringList parts;
        for (int k = 0; k < 4; ++k)
            parts.append(QString::number(Field(rec, k)));
        return parts.join(QLatin1Char('.'));
    }
    case SYN_TIMETICKS: {
        const quint64 t = quint64(Field(rec, 0)) * 8640000 + quint64(Field(rec, 1)) * 360000 +
                          quint64(Field(rec, 2)) * 6000 + quint64(Field(rec, 3)) * 100 + Field(rec, 4);
        return QvTimeTicksText(quint32(t));
    }
    case SYN_DATETIME: {
        const QString dir = text(7).trimmed();
        const QvDateTime d(quint16(Field(rec, 0)), quint8(Field(rec, 1)), quint8(Field(rec, 2)), quint8(Field(rec, 3)),
                           quint8(Field(rec, 4)), quint8(Field(rec, 5)), quint8(Field(rec, 6)),
                           dir.startsWith(QLatin1Char('-')) ? '-' : '+', quint8(Field(rec, 8)),
                           quint8(Field(rec, 9)));
        return d.ToText();
    }
    case SYN_BCDATETIME: {
        const QDate date(int(Field(rec, 0)), int(Field(rec, 1)), int(Field(rec, 2)));
        const QTime time(int(Field(rec, 3)), int(Field(rec, 4)), int(Field(rec, 5)), int(Field(rec, 6)));
        if (!date.isValid() || !time.isValid())
            return QString();
        return QvDateTimeRealText(RealFromDate(QDateTime(date, time, Qt::UTC)));
    }
    default:
        return text(0);
    }
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
                    const int bit = rec->bitPositions.at(k);
                    const int byte = bit / 8;
                    if (bytes.size() <= byte)
                        bytes.append(QByteArray(byte + 1 - bytes.size(), '\0'));
                    const quint8 mask = quint8(0x80 >> (bit % 8));
                    bytes[byte] = char(box->isChecked() ? (quint8(bytes.at(byte)) | mask)
                                                        : (quint8(bytes.at(byte)) & ~mask));
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
                PutPart(&bytes, rec->partOffset, part);
        }
        const QString text = OctetsToText(bytes, var.syntax);
        var.valueText = var.options ? var.options->ValueToLabel(text) : text;
    }
}
