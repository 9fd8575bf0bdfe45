#include "qveditconstraint.h"

#include "qvmessage.h"
#include "qvsnmperrors.h"
#include "qvtag.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Exit checks caused by the focus being put back after an error are not the user leaving an edit.
int refocusDepth = 0;

const QString NotDoneText = QStringLiteral("(NOTDONE)");
const QString NullText = QStringLiteral("(NULL)");

bool isPlaceholder(const QString &text)
{
    return text == NotDoneText || text == NullText;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
           || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

[[noreturn]] void badFormat()
{
    QvThrowCommon(2);
}

// A decimal number, in full, finite; no locale involved.
bool readDecimal(const QString &text, double &value)
{
    const QByteArray bytes = text.toLatin1();
    const char *first = bytes.constData();
    const char *last = first + bytes.size();
    const auto [end, ec] = std::from_chars(first, last, value, std::chars_format::fixed);
    return !bytes.isEmpty() && ec == std::errc() && end == last && std::isfinite(value);
}

// The longest run of digits from pos as a non-negative 32-bit value; advances pos.
qint32 readDigits(const QString &text, int &pos)
{
    const int start = pos;
    qint64 value = 0;
    while (pos < text.size() && isDigit(text.at(pos))) {
        value = value * 10 + (text.at(pos).unicode() - '0');
        if (value > std::numeric_limits<qint32>::max())
            badFormat();
        ++pos;
    }
    if (pos == start)
        badFormat();
    return qint32(value);
}

// The longest run of "-0123456789." from pos read as a decimal number; advances pos.
double readNumberRun(const QString &text, int &pos)
{
    static const QString numberChars = QStringLiteral("-0123456789.");
    const int start = pos;
    while (pos < text.size() && numberChars.contains(text.at(pos)))
        ++pos;
    double value = 0;
    if (pos == start || !readDecimal(text.mid(start, pos - start), value))
        badFormat();
    return value;
}

void parseFlags(const QString &flags, EditConstraint_s &r)
{
    int pos = 0;
    while (pos < flags.size()) {
        const QChar letter = flags.at(pos++);
        switch (letter.unicode()) {
        case 'n':
            r.minimum = readNumberRun(flags, pos);
            break;
        case 'x':
            r.maximum = readNumberRun(flags, pos);
            break;
        case 'w':
            r.width = readDigits(flags, pos);
            break;
        case 'l': {
            r.length = readDigits(flags, pos);
            r.options = 0;
            for (int k = 0; k < 3 && pos < flags.size(); ++k, ++pos) {
                const QChar o = flags.at(pos);
                if (o == QLatin1Char('a'))
                    r.options |= ECO_AUTOADVANCE;
                else if (o == QLatin1Char('f'))
                    r.options |= ECO_EXACTLENGTH;
                else if (o == QLatin1Char('n'))
                    r.options |= ECO_NOTEMPTY;
                else
                    break;
            }
            break;
        }
        case 'e':
            if (pos >= flags.size())
                badFormat();
            r.nextField = flags.at(pos++);
            break;
        default:
            badFormat();
        }
    }
}

// Position of the first character the conversion does not keep while typing, or -1.
int firstRejected(const EditConstraint_s &r, const QString &text)
{
    bool seenPoint = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        bool keep = false;
        switch (r.conversion) {
        case 'i':
            keep = isDigit(c) || (c == QLatin1Char('-') && i == 0);
            break;
        case 'u':
            keep = isDigit(c);
            break;
        case 'f':
            keep = isDigit(c) || (c == QLatin1Char('-') && i == 0);
            if (!keep && c == QLatin1Char('.') && !seenPoint)
                keep = seenPoint = true;
            break;
        case 'h':
            keep = isHexDigit(c);
            break;
        case 'n':
            keep = isDigit(c) || (c == r.delimiter && i >= 1 && text.at(i - 1) != r.delimiter);
            break;
        default:
            keep = true;
        }
        if (!keep)
            return i;
    }
    return -1;
}

// A delimited list of unsigned numbers, read the way the unsigned number list reads it: one
// number per delimiter plus one, digits accumulated, digits after a "." that is not the
// delimiter dropped. Numbers beyond 32 bits count as out of any range instead of wrapping.
struct NumberList {
    int count = 0;
    bool allInRange = true;
};

NumberList readNumberList(const QString &text, QChar delimiter, quint32 minimum, quint32 maximum)
{
    NumberList list;
    if (text.isEmpty())
        return list;
    const auto finish = [&](quint64 value) {
        ++list.count;
        if (value < minimum || value > maximum)
            list.allInRange = false;
    };
    quint64 value = 0;
    bool fraction = false;
    for (const QChar c : text) {
        if (c == delimiter) {
            finish(value);
            value = 0;
            fraction = false;
        } else if (c == QLatin1Char('.')) {
            fraction = true;
        } else if (isDigit(c) && !fraction && value <= std::numeric_limits<quint32>::max()) {
            value = value * 10 + (c.unicode() - '0');
        }
    }
    finish(value);
    return list;
}

quint32 truncateUnsigned(double v)
{
    if (!(v > 0))
        return 0;
    if (v >= 4294967295.0)
        return std::numeric_limits<quint32>::max();
    return quint32(v);
}

QString boundText(double v)
{
    return QString::number(v, 'g', 15);
}

QString fill(QString text, std::initializer_list<std::pair<const char *, QString>> values)
{
    for (const auto &[placeholder, value] : values)
        text = FillPlaceholder(text, QLatin1String(placeholder), value);
    return text;
}

void storeText(QLineEdit *edit, const QString &text, int cursor)
{
    QPointer<QLineEdit> guard(edit);
    edit->setText(text);
    if (guard)
        guard->setCursorPosition(qMin(cursor, guard->text().size()));
}

QWidget *nextTabStop(QWidget *from)
{
    QWidget *window = from->window();
    for (QWidget *w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy())
            return w;
    }
    return nullptr;
}

struct RowPiece {
    bool specifier;
    QString text;
};

// Cuts a row format into literal texts and specifiers, left to right.
QList<RowPiece> splitRow(const QString &format)
{
    static const QString conversions = QStringLiteral("fhisu");
    QList<RowPiece> pieces;
    QString label;
    QString spec;
    bool inSpec = false;
    int depth = 0;
    const auto endSpec = [&] {
        if (!spec.isEmpty())
            pieces.append({true, spec});
        spec.clear();
        inSpec = false;
        depth = 0;
    };
    const auto startSpec = [&] {
        if (!label.isEmpty())
            pieces.append({false, label});
        label.clear();
        inSpec = true;
        spec = QStringLiteral("%");
        depth = 0;
    };
    const int n = format.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = format.at(i);
        if (!inSpec) {
            if (c != QLatin1Char('%')) {
                label += c;
            } else if (i + 1 < n && format.at(i + 1) == QLatin1Char('%')) {
                label += c;
                ++i;
            } else {
                startSpec();
            }
            continue;
        }
        if (c == QLatin1Char('%')) {
            endSpec();
            startSpec();
            continue;
        }
        spec += c;
        const bool braceFollows = i + 1 < n && format.at(i + 1) == QLatin1Char('{');
        if (c == QLatin1Char('{')) {
            ++depth;
        } else if (c == QLatin1Char('}')) {
            if (--depth <= 0)
                endSpec();
        } else if (depth == 0 && conversions.contains(c)) {
            if (!braceFollows)
                endSpec();
        } else if (depth == 0 && c == QLatin1Char('n')) {
            if (i + 1 < n)
                spec += format.at(++i);
            if (!(i + 1 < n && format.at(i + 1) == QLatin1Char('{')))
                endSpec();
        }
    }
    if (inSpec)
        endSpec();
    else if (!label.isEmpty())
        pieces.append({false, label});
    return pieces;
}

} // namespace

QvEditConstraint::QvEditConstraint(QWidget *owner, bool remember)
    : m_owner(owner), m_remember(remember), m_context(std::make_unique<QObject>())
{
}

QvEditConstraint::~QvEditConstraint()
{
    // Edits that outlive their constraint must not call into it any more.
    for (const auto &r : m_records) {
        if (QvEditHooks *hooks = QvEditHooks::find(r->edit)) {
            hooks->setOnChange(r->previousChange);
            hooks->setOnExit(r->previousExit);
        }
    }
}

EditConstraint_s QvEditConstraint::Parse(const QString &specifier)
{
    const int n = specifier.size();
    if (n < 2 || specifier.at(0) != QLatin1Char('%'))
        badFormat();
    EditConstraint_s r;
    switch (specifier.at(1).unicode()) {
    case 'i':
        r.minimum = std::numeric_limits<qint32>::min();
        r.maximum = std::numeric_limits<qint32>::max();
        break;
    case 'u':
    case 'n':
        r.minimum = 0;
        r.maximum = std::numeric_limits<quint32>::max();
        break;
    case 'f':
        r.minimum = -std::numeric_limits<double>::max();
        r.maximum = std::numeric_limits<double>::max();
        break;
    case 'h':
    case 's':
        break;
    default:
        badFormat();
    }
    r.conversion = char(specifier.at(1).unicode());
    int pos = 2;
    if (r.conversion == 'n') {
        // A digit cannot separate numbers made of digits.
        if (n < 3 || isDigit(specifier.at(2)))
            badFormat();
        r.delimiter = specifier.at(2);
        pos = 3;
    }
    if (pos < n) {
        if (specifier.at(pos) != QLatin1Char('{') || n - 1 == pos || specifier.at(n - 1) != QLatin1Char('}'))
            badFormat();
        parseFlags(specifier.mid(pos + 1, n - pos - 2), r);
    }
    return r;
}

void QvEditConstraint::Attach(const QString &specifier, QLineEdit *edit)
{
    EditConstraint_s parsed = Parse(specifier);
    if (edit)
        attachParsed(std::move(parsed), edit);
}

void QvEditConstraint::AttachEach(const QString &format, const QList<QLineEdit *> &edits)
{
    if (format.isEmpty())
        return;
    if (format.at(0) != QLatin1Char('%'))
        badFormat();
    QList<EditConstraint_s> parsed;
    for (int start = 0; start < format.size();) {
        int end = format.indexOf(QLatin1Char('%'), start + 1);
        if (end < 0)
            end = format.size();
        parsed.append(Parse(format.mid(start, end - start)));
        start = end;
    }
    if (edits.size() < parsed.size())
        QvThrow(QVE_CONTROL_COUNT);
    for (int k = 0; k < parsed.size(); ++k) {
        if (edits.at(k))
            attachParsed(std::move(parsed[k]), edits.at(k));
    }
}

void QvEditConstraint::BuildEdits(QWidget *panel, const QString &format, QList<QLineEdit *> *edits)
{
    if (!panel)
        return;
    const QList<RowPiece> pieces = splitRow(format);
    QList<EditConstraint_s> parsed;
    for (const RowPiece &p : pieces) {
        if (p.specifier)
            parsed.append(Parse(p.text));
    }

    int x = 0;
    int height = 0;
    int counter = 0;
    QLineEdit *previous = nullptr;
    for (const RowPiece &p : pieces) {
        if (!p.specifier) {
            auto *label = new QLabel(panel);
            label->setTextFormat(Qt::PlainText);
            label->setText(p.text);
            label->move(x, 0);
            label->adjustSize();
            label->show();
            x += label->width() + 1;
            height = qMax(height, label->height());
            continue;
        }
        auto *edit = new QLineEdit(panel);
        edit->resize(edit->sizeHint());
        edit->move(x, 0);
        attachParsed(std::move(parsed[counter]), edit);
        edit->show();
        if (previous)
            QWidget::setTabOrder(previous, edit);
        previous = edit;
        x += edit->width() + 1;
        height = qMax(height, edit->height());
        ++counter;
        if (edits)
            edits->append(edit);
    }

    // One row that reads as a single control.
    if (auto *box = qobject_cast<QGroupBox *>(panel)) {
        box->setTitle(QString());
        box->setFlat(true);
    } else if (auto *frame = qobject_cast<QFrame *>(panel)) {
        frame->setFrameShape(QFrame::NoFrame);
    }
    panel->setMinimumSize(qMax(panel->minimumWidth(), qMax(0, x - 1)), qMax(panel->minimumHeight(), height));
}

void QvEditConstraint::Detach(QLineEdit *edit)
{
    const auto it = std::find_if(m_records.begin(), m_records.end(), [edit](const auto &r) { return r->edit == edit; });
    if (it == m_records.end() || !edit)
        return;
    if (QvEditHooks *hooks = QvEditHooks::find(edit)) {
        hooks->setOnChange((*it)->previousChange);
        hooks->setOnExit((*it)->previousExit);
    }
    m_records.erase(it);
}

const EditConstraint_s *QvEditConstraint::Find(const QLineEdit *edit) const
{
    return const_cast<QvEditConstraint *>(this)->record(edit);
}

EditConstraint_s *QvEditConstraint::record(const QLineEdit *edit)
{
    if (!edit)
        return nullptr;
    for (const auto &r : m_records) {
        if (r->edit == edit)
            return r.get();
    }
    return nullptr;
}

void QvEditConstraint::attachParsed(EditConstraint_s parsed, QLineEdit *edit)
{
    // Records of edits that are gone are of no use and could match a new edit at the same address.
    std::erase_if(m_records, [](const auto &r) { return r->edit.isNull(); });
    // One constraint per edit: re-attaching replaces, so the saved handlers never point at ourselves.
    Detach(edit);

    auto r = std::make_unique<EditConstraint_s>(std::move(parsed));
    r->edit = edit;
    if (r->width > 0)
        edit->setFixedWidth(r->width);
    // The length of a number list counts numbers, not characters.
    const int unlimited = 32767;
    edit->setMaxLength(r->conversion != 'n' && r->length > 0 ? r->length : unlimited);

    QvEditHooks *hooks = QvEditHooks::of(edit);
    r->previousChange = hooks->onChange();
    r->previousExit = hooks->onExit();
    hooks->setOnChange([this](QLineEdit *e) { EditChange(e); });
    hooks->setOnExit([this](QLineEdit *e) { EditExit(e); });
    m_records.push_back(std::move(r));
}

void QvEditConstraint::EditChange(QLineEdit *edit)
{
    if (!edit)
        return;
    const QString text = edit->text();
    if (isPlaceholder(text))
        return;
    EditConstraint_s *r = record(edit);
    if (!r || text.isEmpty())
        return;

    if (!r->nextField.isNull()) {
        const int at = text.indexOf(r->nextField);
        if (at >= 0) {
            postFocusNext(edit);
            storeText(edit, QString(text).remove(at, 1), at);
            return;
        }
    }

    const int bad = firstRejected(*r, text);
    if (bad >= 0) {
        storeText(edit, QString(text).remove(bad, 1), bad);
        QvBeep(1000, 200);
        return;
    }

    if (const QvEditHandler previous = r->previousChange) {
        QPointer<QLineEdit> guard(edit);
        previous(edit);
        if (!guard || QvTag(edit) == -1)
            return;
        r = record(edit);
        if (!r)
            return;
    }

    if ((r->options & ECO_AUTOADVANCE) && r->length > 0 && edit->text().size() == r->length)
        postFocusNext(edit);
}

void QvEditConstraint::EditExit(QLineEdit *edit)
{
    if (!edit || refocusDepth > 0)
        return;
    const QString text = edit->text();
    if (isPlaceholder(text))
        return;
    EditConstraint_s *r = record(edit);
    if (!r)
        return;

    QString message;
    if (text.isEmpty()) {
        if (!(r->options & ECO_NOTEMPTY))
            return;
        message = QvCommonText(3);
    } else {
        switch (r->conversion) {
        case 'f':
        case 'i':
        case 'u': {
            double value = 0;
            // Text that is no number at all ("-", ".") is as wrong as one out of range.
            if (!readDecimal(text, value) || value < r->minimum || value > r->maximum)
                message = fill(QvCommonText(8), {{"[MIN]", boundText(r->minimum)}, {"[MAX]", boundText(r->maximum)}});
            break;
        }
        case 'h':
        case 's': {
            const bool hex = r->conversion == 'h';
            if (r->length <= 0)
                break;
            if (r->options & ECO_EXACTLENGTH) {
                if (text.size() != r->length)
                    message = fill(QvCommonText(hex ? 7 : 5), {{"[LEN]", QString::number(r->length)}});
            } else if (text.size() > r->length) {
                message = fill(QvCommonText(hex ? 6 : 4), {{"[MAXLEN]", QString::number(r->length)}});
            }
            break;
        }
        case 'n': {
            const quint32 lo = truncateUnsigned(r->minimum);
            const quint32 hi = truncateUnsigned(r->maximum);
            const NumberList list = readNumberList(text, r->delimiter, lo, hi);
            const QString delimiter(r->delimiter);
            if (r->length > 0 && (r->options & ECO_EXACTLENGTH) && list.count != r->length)
                message = fill(QvCommonText(10), {{"[DELIMITER]", delimiter}, {"[COUNT]", QString::number(r->length)}});
            else if (r->length > 0 && !(r->options & ECO_EXACTLENGTH) && list.count > r->length)
                message =
                    fill(QvCommonText(9), {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", QString::number(r->length)}});
            else if (!list.allInRange)
                message = fill(QvCommonText(11), {{"[DELIMITER]", delimiter},
                                                  {"[MIN]", QString::number(lo)},
                                                  {"[MAX]", QString::number(hi)}});
            break;
        }
        default:
            break;
        }
    }
    if (!message.isEmpty()) {
        reportError(edit, message);
        return;
    }

    if (const QvEditHandler previous = r->previousExit) {
        QPointer<QLineEdit> guard(edit);
        previous(edit);
        if (!guard)
            return;
        r = record(edit);
        if (!r)
            return;
        if (QvTag(edit) == -1) {
            restoreText(edit, r->lastAccepted);
            return;
        }
    }
    if (m_remember)
        r->lastAccepted = text;
}

void QvEditConstraint::reportError(QLineEdit *edit, const QString &message)
{
    QPointer<QLineEdit> guard(edit);
    QvShowMessage(ownerFor(edit), message);
    if (!guard)
        return;
    const EditConstraint_s *r = record(edit);
    restoreText(edit, r ? r->lastAccepted : QString());
    if (!guard)
        return;
    ++refocusDepth;
    guard->setFocus(Qt::OtherFocusReason);
    --refocusDepth;
}

void QvEditConstraint::restoreText(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
}

QWidget *QvEditConstraint::ownerFor(QLineEdit *edit) const
{
    return m_owner ? m_owner.data() : edit->window();
}

void QvEditConstraint::postFocusNext(QLineEdit *edit)
{
    // Only typing moves the focus on; a value filled in by code must not pull the focus around.
    if (!edit->hasFocus())
        return;
    // One move per edit at a time: a separator that also completes the field moves once.
    if (m_pendingMoves.contains(edit))
        return;
    m_pendingMoves.append(edit);
    QPointer<QLineEdit> from(edit);
    QMetaObject::invokeMethod(
        m_context.get(),
        [this, from] {
            m_pendingMoves.removeAll(from);
            m_pendingMoves.removeAll(nullptr);
            if (!from)
                return;
            QWidget *current = from->window()->focusWidget();
            if (!current)
                current = from;
            if (QWidget *next = nextTabStop(current))
                next->setFocus(Qt::TabFocusReason);
        },
        Qt::QueuedConnection);
}
