// The framework's constant vocabulary: descriptor records, syntax codes, access flags, item
// types and enumeration source pairs. Descriptor tables elsewhere are plain constant arrays of
// these records, ended by an all-zero record.
#pragma once

#include <QtGlobal>

class QString;
class QvOptionList;

// Syntax codes: SMI application type numbers where they exist, the framework's own otherwise.
enum QvSyntax : quint32 {
    SYN_BOOLEAN = 1,
    SYN_INTEGER = 2,
    SYN_BITSTR = 3,
    SYN_OCTETSTR = 4,
    SYN_NULL = 5,
    SYN_OBJECTID = 6,
    SYN_IPADDRESS = 64,
    SYN_COUNTER = 65,
    SYN_GAUGE = 66,
    SYN_TIMETICKS = 67,
    SYN_OPAQUE = 68,
    SYN_NSAPADDR = 69,
    SYN_COUNTER64 = 70,
    SYN_UINTEGER = 71,
    SYN_DOUBLE = 72,
    SYN_MACADDRESS = 73,
    SYN_DATETIME = 74,
    SYN_BCDATETIME = 75,
    SYN_DISPLAYSTR = 76,
    // Valid for partial-data bindings only.
    SYN_BOOL8 = 193,
    SYN_INT8 = 194,
    SYN_UINT8 = 195,
    SYN_BOOL16 = 196,
    SYN_INT16 = 197,
    SYN_UINT16 = 198,
};

enum QvAccess : quint32 {
    ACC_NOTACCESS = 0x01,
    ACC_READONLY = 0x02,
    ACC_WRITEONLY = 0x04,
    ACC_READWRITE = 0x06,
    ACC_DERIVED = 0x08,
    ACC_HIDDEN = 0x10,
    ACC_INVALID = 0x20,
    ACC_IMPLIED = 0x40,
};

enum QvItemType : quint8 {
    SVT_SV = 0,   // scalar group, each variable at OID.0
    MVT_SV = 1,   // one instance, OID.suffix
    MVT_FMV = 2,  // table walked with GET-NEXT
    MVT_UMV = 3,  // table, treated like MVT_FMV
};

// One MIB object of a descriptor table. A table ends with a record whose oid is null.
struct QvSNMPVarDesc {
    const char *oid;
    const char *name;
    quint32 syntax;
    quint32 access;
    const QvOptionList *options;
    const char *readExpr;
    const char *writeExpr;
    const char *extraText;
    const QString *initialValue;
    const QString *initialOid;
};

// Enumeration source pairs. Integer-valued tables end at the first pair whose label is null
// (a value of 0 is a valid entry); string-valued tables likewise.
struct QvOptionDesc {
    qint32 value;
    const char *label;
};
struct QvOptionStrDesc {
    const char *value;
    const char *label;
};

enum QvOptionValueType : quint32 {
    OVT_INTEGER = 1,
    OVT_STRING = 2,
    OVT_PREFIX = 3,
};
