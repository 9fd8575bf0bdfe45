#include "qvoptionlist.h"

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

// Text equality of labels and string values: letter case ignored unless case-sensitive.
bool sameText(const QString &a, const QString &b, bool caseSensitive)
{
    return a.compare(b, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

// Prefix test on single-byte text; only ASCII letters fold when case is ignored.
bool startsWithBytes(const QString &text, const QString &prefix, bool caseSensitive)
{
    if (text.size() < prefix.size())
        return false;
    for (int k = 0; k < prefix.size(); ++k) {
        const QChar a = text[k];
        const QChar b = prefix[k];
        if (a == b)
            continue;
        if (caseSensitive || a.unicode() > 0x7F || b.unicode() > 0x7F)
            return false;
        if (asciiLower(char(a.unicode())) != asciiLower(char(b.unicode())))
            return false;
    }
    return true;
}

// A decimal integer in 32-bit range: blanks around, one optional sign, at least one digit.
bool strictInt(const QString &text, qint32 *out)
{
    const QString t = text.trimmed();
    int p = 0;
    bool negative = false;
    if (p < t.size() && (t[p] == QLatin1Char('+') || t[p] == QLatin1Char('-'))) {
        negative = t[p] == QLatin1Char('-');
        ++p;
    }
    if (p >= t.size())
        return false;
    qint64 v = 0;
    for (; p < t.size(); ++p) {
        const ushort c = t[p].unicode();
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > 0x80000000LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 0x7FFFFFFFLL)
        return false;
    *out = qint32(v);
    return true;
}

} // namespace

QvOptionList::QvOptionList(const QvOptionDesc *table, quint32 valueType, bool caseSensitive)
    : m_valueType(valueType), m_caseSensitive(caseSensitive)
{
    Append(table);
}

QvOptionList::QvOptionList(const QvOptionStrDesc *table, quint32 valueType, bool caseSensitive)
    : m_valueType(valueType), m_caseSensitive(caseSensitive)
{
    Append(table);
}

void QvOptionList::Append(const QvOptionDesc *table)
{
    if (!table)
        return;
    for (const QvOptionDesc *d = table; d->label; ++d) {
        QvOptionItem item;
        item.value = d->value;
        item.text = QString::number(d->value);
        item.label = QString::fromLatin1(d->label);
        m_items.append(item);
    }
}

void QvOptionList::Append(const QvOptionStrDesc *table)
{
    if (!table)
        return;
    for (const QvOptionStrDesc *d = table; d->label; ++d) {
        QvOptionItem item;
        item.text = d->value ? QString::fromLatin1(d->value) : QString();
        if (!strictInt(item.text, &item.value))
            item.value = 0;
        item.label = QString::fromLatin1(d->label);
        m_items.append(item);
    }
}

QString QvOptionList::ValueText(int i) const
{
    const QvOptionItem &item = m_items.at(i);
    return m_valueType == OVT_INTEGER ? QString::number(item.value) : item.text;
}

int QvOptionList::IndexOfLabel(const QString &text) const
{
    for (int k = 0; k < m_items.size(); ++k) {
        const QString &label = m_items[k].label;
        const bool match = m_valueType == OVT_PREFIX ? startsWithBytes(text, label, m_caseSensitive)
                                                     : sameText(text, label, m_caseSensitive);
        if (match)
            return k;
    }
    return -1;
}

int QvOptionList::IndexOfValue(const QString &text) const
{
    if (m_valueType == OVT_INTEGER) {
        qint32 v = 0;
        if (text == QLatin1String("(NULL)") || !strictInt(text, &v))
            return -1;
        for (int k = 0; k < m_items.size(); ++k) {
            if (m_items[k].value == v)
                return k;
        }
        return -1;
    }
    for (int k = 0; k < m_items.size(); ++k) {
        const QString &value = m_items[k].text;
        const bool match = m_valueType == OVT_PREFIX ? startsWithBytes(text, value, m_caseSensitive)
                                                     : sameText(text, value, m_caseSensitive);
        if (match)
            return k;
    }
    return -1;
}

QString QvOptionList::ValueToLabel(const QString &text) const
{
    const int k = IndexOfValue(text);
    if (k < 0)
        return text;
    const QvOptionItem &item = m_items[k];
    if (m_valueType == OVT_PREFIX)
        return item.label + text.mid(item.text.size());
    return item.label;
}

QString QvOptionList::LabelToValue(const QString &text) const
{
    const int k = IndexOfLabel(text);
    if (k < 0)
        return text;
    const QvOptionItem &item = m_items[k];
    if (m_valueType == OVT_PREFIX)
        return item.text + text.mid(item.label.size());
    return ValueText(k);
}

template <typename T>
void QvNumListT<T>::Parse(const QString &text)
{
    numbers.clear();
    if (text.isEmpty())
        return;
    // Integer part modulo 2^32; fraction digits only decide the rounding.
    quint32 whole = 0;
    double fraction = 0;
    double weight = 0;
    auto finish = [&] {
        numbers.append(T(whole + (fraction >= 0.5 ? 1u : 0u)));
        whole = 0;
        fraction = 0;
        weight = 0;
    };
    for (const QChar ch : text) {
        const ushort c = ch.unicode();
        if (c == ushort(uchar(delimiter))) {
            finish();
        } else if (c == '.') {
            weight = 0.1;
        } else if (c >= '0' && c <= '9') {
            if (weight > 0) {
                fraction += (c - '0') * weight;
                weight /= 10;
            } else {
                whole = whole * 10u + quint32(c - '0');
            }
        }
    }
    finish();
}

template class QvNumListT<qint32>;
template class QvNumListT<quint32>;

namespace {

const QvOptionDesc itemTypeTable[] = {
    {SVT_SV, "SVT_SV"}, {MVT_SV, "MVT_SV"}, {MVT_FMV, "MVT_FMV"}, {MVT_UMV, "MVT_UMV"}, {0, nullptr},
};

const QvOptionDesc syntaxTable[] = {
    {SYN_INTEGER, "integer"},       {SYN_BITSTR, "bitstr"},         {SYN_OCTETSTR, "octetstr"},
    {SYN_NULL, "null"},             {SYN_OBJECTID, "objectid"},     {SYN_IPADDRESS, "ipaddress"},
    {SYN_COUNTER, "counter"},       {SYN_GAUGE, "guage"},           {SYN_TIMETICKS, "timeticks"},
    {SYN_OPAQUE, "opaque"},         {SYN_COUNTER64, "counter64"},   {SYN_BOOLEAN, "boolean"},
    {SYN_NSAPADDR, "nsapaddr"},     {SYN_UINTEGER, "uinteger"},     {SYN_DOUBLE, "double"},
    {SYN_MACADDRESS, "macaddress"}, {SYN_DATETIME, "datetime"},     {SYN_BCDATETIME, "bcdatetime"},
    {SYN_DISPLAYSTR, "displaystr"}, {SYN_BOOL8, "bool8"},           {SYN_INT8, "int8"},
    {SYN_UINT8, "uint8"},           {SYN_BOOL16, "bool16"},         {SYN_INT16, "int16"},
    {SYN_UINT16, "uint16"},         {0, nullptr},
};

const QvOptionDesc accessTable[] = {
    {ACC_NOTACCESS, "notaccess"}, {ACC_READONLY, "readonly"}, {ACC_WRITEONLY, "writeonly"},
    {ACC_READWRITE, "readwrite"}, {ACC_DERIVED, "derived"},   {ACC_HIDDEN, "hidden"},
    {ACC_INVALID, "invalid"},     {0, nullptr},
};

} // namespace

const QvOptionList ItemTypeNames(itemTypeTable, OVT_INTEGER, false);
const QvOptionList SyntaxNames(syntaxTable, OVT_INTEGER, false);
const QvOptionList AccessNames(accessTable, OVT_INTEGER, false);
