// Run-time variable lists built from descriptor tables. A list owns its variables and their
// texts; option lists are shared constant data, except those handed over with AdoptOptions.
#pragma once

#include "qvsnmptypes.h"

#include <QString>

#include <memory>
#include <vector>

class QvOptionList;

// One variable of a list. The optional texts (readExpr, writeExpr, extraText) are absent when
// empty. valueText holds the value in display form; currentOid the full OID last received
// (the cursor of a table walk).
struct QvSNMPVar {
    QString oid;
    QString name;
    quint32 syntax = 0;
    quint32 access = 0;
    const QvOptionList *options = nullptr;
    QString readExpr;
    QString writeExpr;
    QString extraText;
    QString valueText;
    QString currentOid;

    bool isInvalid() const { return (access & ACC_INVALID) != 0; }
    void setInvalid(bool on) { access = on ? (access | ACC_INVALID) : (access & ~quint32(ACC_INVALID)); }
};

class QvSNMPVarList {
public:
    QvSNMPVarList();
    QvSNMPVarList(const QvSNMPVarDesc *table, quint8 itemType, int indexCount);
    // Copying follows Assign: the copy starts with an empty instance suffix and no owned
    // option lists; assigning keeps the destination's suffix.
    QvSNMPVarList(const QvSNMPVarList &other);
    QvSNMPVarList &operator=(const QvSNMPVarList &other);
    // Moving hands over everything, suffix and owned option lists included, so that lists
    // kept in containers survive the containers' growth unchanged.
    QvSNMPVarList(QvSNMPVarList &&other) noexcept;
    QvSNMPVarList &operator=(QvSNMPVarList &&other) noexcept;
    ~QvSNMPVarList();

    // Number of records before the ending null-oid record; a null table counts as empty.
    static int DescCount(const QvSNMPVarDesc *table);

    void AppendDescs(const QvSNMPVarDesc *table);
    QvSNMPVar &AddVar(const QString &oid, const QString &name, quint32 syntax, quint32 access,
                      const QvOptionList *options = nullptr, const QString &readExpr = QString(),
                      const QString &writeExpr = QString(), const QString &extraText = QString());
    // Appends "." + suffix to every variable's oid, for good.
    void AppendInstance(const QString &suffix);
    void Assign(const QvSNMPVarList &other);
    void Clear();

    int Count() const { return int(m_items.size()); }
    QvSNMPVar &Item(int i) { return *m_items[size_t(i)]; }
    const QvSNMPVar &Item(int i) const { return *m_items[size_t(i)]; }

    bool IsReadable(int i) const;
    bool IsWritable(int i) const;
    bool IsImplied(int i) const;
    bool IsDisplayed(int i) const;
    bool IsHiddenColumn(int i) const;
    // The last index column with the IMPLIED flag: encoded without its length sub-identifier.
    bool IsLastImplied(int i) const { return i == indexCount - 1 && IsImplied(i); }
    // True for table lists (item types 2 and 3).
    bool IsTable() const { return itemType == MVT_FMV || itemType == MVT_UMV; }

    int DisplayedCount() const;
    int HiddenCount() const;

    // Takes ownership of an option list that lives and dies with this list.
    void AdoptOptions(QvOptionList *options);
    int OwnedOptionsCount() const { return int(m_ownedOptions.size()); }

    QString instanceSuffix;
    int indexCount = 0;
    quint8 itemType = SVT_SV;
    QString title;

private:
    std::vector<std::unique_ptr<QvSNMPVar>> m_items;
    std::vector<std::unique_ptr<QvOptionList>> m_ownedOptions;
};
