// Shorthands for writing descriptor tables; private to the catalogue's table files.
#pragma once

#include "mibcatalogue.h"
#include "qvsnmptypes.h"

#include <cstddef>
#include <span>

namespace {

// The access values the tables use.
constexpr quint32 IDX = ACC_NOTACCESS;
constexpr quint32 IDX_IMPLIED = ACC_NOTACCESS | ACC_IMPLIED;
constexpr quint32 RO = ACC_READONLY;
constexpr quint32 RW = ACC_READWRITE;

// One column or scalar; the expression, extra-text and initial-value fields stay empty.
constexpr QvSNMPVarDesc Desc(const char *oid, const char *name, quint32 syntax, quint32 access,
                             const QvOptionList *options = nullptr)
{
    return {oid, name, syntax, access, options, nullptr, nullptr, nullptr, nullptr, nullptr};
}

constexpr QvSNMPVarDesc EndOfTable = {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr};

// An entry of the catalogue index: the record count, end record included, is the definition's.
template <std::size_t N>
constexpr MibTableEntry TableEntry(const char *name, const QvSNMPVarDesc (&table)[N])
{
    return {name, table, int(N)};
}

} // namespace

// Each table file's part of the catalogue index.
std::span<const MibTableEntry> EnterpriseTableIndex();
std::span<const MibTableEntry> Mib2TableIndex();
std::span<const MibTableEntry> BridgeTableIndex();
std::span<const MibTableEntry> RmonTableIndex();
std::span<const MibTableEntry> Snmpv3TableIndex();
std::span<const MibTableEntry> Dot1xTableIndex();
