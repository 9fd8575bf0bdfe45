#include "qvsnmpvarlist.h"

#include "qvoptionlist.h"

namespace {

QString textOf(const char *s)
{
    return s ? QString::fromLatin1(s) : QString();
}

} // namespace

QvSNMPVarList::QvSNMPVarList() = default;

QvSNMPVarList::QvSNMPVarList(const QvSNMPVarDesc *table, quint8 itemType, int indexCount)
    : indexCount(indexCount), itemType(itemType)
{
    AppendDescs(table);
}

QvSNMPVarList::QvSNMPVarList(const QvSNMPVarList &other)
{
    Assign(other);
}

QvSNMPVarList &QvSNMPVarList::operator=(const QvSNMPVarList &other)
{
    Assign(other);
    return *this;
}

QvSNMPVarList::QvSNMPVarList(QvSNMPVarList &&other) noexcept = default;
QvSNMPVarList &QvSNMPVarList::operator=(QvSNMPVarList &&other) noexcept = default;
QvSNMPVarList::~QvSNMPVarList() = default;

int QvSNMPVarList::DescCount(const QvSNMPVarDesc *table)
{
    int n = 0;
    if (table) {
        while (table[n].oid)
            ++n;
    }
    return n;
}

void QvSNMPVarList::AppendDescs(const QvSNMPVarDesc *table)
{
    const int n = DescCount(table);
    m_items.reserve(m_items.size() + size_t(n));
    for (int k = 0; k < n; ++k) {
        const QvSNMPVarDesc &d = table[k];
        auto v = std::make_unique<QvSNMPVar>();
        v->oid = textOf(d.oid);
        v->name = textOf(d.name);
        v->syntax = d.syntax;
        v->access = d.access;
        v->options = d.options;
        v->readExpr = textOf(d.readExpr);
        v->writeExpr = textOf(d.writeExpr);
        v->extraText = textOf(d.extraText);
        if (d.initialValue)
            v->valueText = *d.initialValue;
        if (d.initialOid)
            v->currentOid = *d.initialOid;
        m_items.push_back(std::move(v));
    }
}

QvSNMPVar &QvSNMPVarList::AddVar(const QString &oid, const QString &name, quint32 syntax, quint32 access,
                                 const QvOptionList *options, const QString &readExpr,
                                 const QString &writeExpr, const QString &extraText)
{
    auto v = std::make_unique<QvSNMPVar>();
    v->oid = oid;
    v->name = name;
    v->syntax = syntax;
    v->access = access;
    v->options = options;
    v->readExpr = readExpr;
    v->writeExpr = writeExpr;
    v->extraText = extraText;
    m_items.push_back(std::move(v));
    return *m_items.back();
}

void QvSNMPVarList::AppendInstance(const QString &suffix)
{
    for (auto &v : m_items)
        v->oid += QLatin1Char('.') + suffix;
}

void QvSNMPVarList::Assign(const QvSNMPVarList &other)
{
    if (&other == this)
        return;
    Clear();
    itemType = other.itemType;
    indexCount = other.indexCount;
    title = other.title;
    m_items.reserve(other.m_items.size());
    for (const auto &v : other.m_items)
        m_items.push_back(std::make_unique<QvSNMPVar>(*v));
}

void QvSNMPVarList::Clear()
{
    m_items.clear();
}

bool QvSNMPVarList::IsReadable(int i) const
{
    const quint32 a = Item(i).access;
    return !(a & ACC_INVALID) && (a & ACC_READONLY);
}

bool QvSNMPVarList::IsWritable(int i) const
{
    const quint32 a = Item(i).access;
    if (a & ACC_INVALID)
        return false;
    return (a & ACC_WRITEONLY) || (IsTable() && i < indexCount);
}

bool QvSNMPVarList::IsImplied(int i) const
{
    return (Item(i).access & ACC_IMPLIED) != 0;
}

bool QvSNMPVarList::IsDisplayed(int i) const
{
    const quint32 a = Item(i).access;
    if (a & (ACC_INVALID | ACC_HIDDEN))
        return false;
    return (a & (ACC_NOTACCESS | ACC_DERIVED | ACC_READONLY)) != 0;
}

bool QvSNMPVarList::IsHiddenColumn(int i) const
{
    const quint32 a = Item(i).access;
    return a == ACC_WRITEONLY || (a & (ACC_INVALID | ACC_HIDDEN));
}

int QvSNMPVarList::DisplayedCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsDisplayed(i) ? 1 : 0;
    return n;
}

int QvSNMPVarList::HiddenCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        n += IsHiddenColumn(i) ? 1 : 0;
    return n;
}

void QvSNMPVarList::AdoptOptions(QvOptionList *options)
{
    if (options)
        m_ownedOptions.emplace_back(options);
}
