// Lookup of the catalogue by name: every descriptor table and every enumeration list, for the
// window builder and for checks that run over the whole catalogue.
#pragma once

#include "qvsnmptypes.h"

#include <QStringView>

#include <span>

struct MibTableEntry {
    const char *name;
    const QvSNMPVarDesc *table;
    int records;  // including the end record
};

struct CatalogueListEntry {
    const char *name;
    const QvOptionList *list;  // valid between BuildCatalogueLists() and FreeCatalogueLists()
    bool shared;               // used by more than one column (or the port mask list)
};

std::span<const MibTableEntry> MibTableIndex();
// The table of that name, or null.
const QvSNMPVarDesc *FindMibTable(QStringView name);

// The position of object among the records of table, by its OID; -1 when the table lacks it.
int CatalogueColumn(const QvSNMPVarDesc *table, const QvSNMPVarDesc &object);

std::span<const CatalogueListEntry> CatalogueOptionLists();
// The enumeration list of that name, or null.
const QvOptionList *FindCatalogueList(QStringView name);
