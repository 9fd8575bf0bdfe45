// Error codes, the seven message catalogues and the request log line.
#pragma once

#include "qvsnmpexception.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

class QTime;

enum QvCatalogue {
    CAT_AGENT,      // "snmp.err"      codes -101..-118
    CAT_V3MP,       // "snmpv3.err"    codes -201..-217
    CAT_USM,        // "snmpusm.err"   codes -301..-314
    CAT_CLASS,      // "snmpclass.err" codes -401..-423
    CAT_OWN,        // "qvsnmp.err"    codes 0, -501..-528
    CAT_LOGFORMAT,  // "snmp.msg"      entry 0 after a read, 1 after a write
    CAT_COMMON,     // "common.err"    entry k raised as code -k
    CAT_COUNT
};

// The framework's own codes ("qvsnmp.err", entry -500 - code).
enum QvErrorCode : int {
    QVE_OK = 0,
    QVE_READ_VARS_FILE = -501,
    QVE_VARS_FILE_FORMAT = -502,
    QVE_VARS_FILE_ITEM_TYPE = -503,
    QVE_VARS_FILE_SYNTAX = -504,
    QVE_VARS_FILE_ACCESS = -505,
    QVE_CREATE_SESSION = -506,
    QVE_LOAD_BOOTS = -507,
    QVE_SAVE_BOOTS = -508,
    QVE_BAD_ADDRESS = -509,
    QVE_GETNEXT_SINGLE = -510,
    QVE_BAD_SYNTAX = -511,
    QVE_EXPR_SYNTAX = -512,
    QVE_NOT_NUMERIC = -513,
    QVE_INSTANCE_SHORT = -514,
    QVE_BAD_ITEM_TYPE = -515,
    QVE_BAD_ASSOC_ITEM_TYPE = -516,
    QVE_PART_SYNTAX = -517,
    QVE_PART_VALUE = -518,
    QVE_PART_INDEX = -519,
    QVE_NO_OPTION_LIST = -520,
    QVE_CONTROL_TYPE = -521,
    QVE_CONTROL_COUNT = -522,
    QVE_UNKNOWN = -528,
    // Added after the 29 original entries; a catalogue file without them falls back to the
    // built-in texts.
    QVE_BAD_VALUE = -529,           // a text that is no value of its syntax
    QVE_OID_NOT_INCREASING = -530,  // an agent answering GET-NEXT with the same or a lower OID
    QVE_INSTANCE_MISMATCH = -531,   // an instance suffix longer than the index needs
    QVE_WRONG_TYPE = -532,          // a received value of the wrong type for its column
    QVE_ROW_LIMIT = -533,           // a walk reached its row limit ("[MAXROWS]")
    QVE_SET_UNKNOWN = -534,         // a write without answer, which may have been applied
};
constexpr int QvLastOwnCode = QVE_SET_UNKNOWN;

struct QvStatus {
    int code;
    QString text;
};

// Library status (the numbering the error mapping is defined on) to framework code and text.
QvStatus MapStatus(int libraryStatus);

// Catalogue entry k; entries a shorter loaded file lacks fall back to the built-in text.
QString CatalogueText(QvCatalogue catalogue, int index);
// Text of a framework code: -101..-118, -201..-217, -301..-314, -401..-423, 0 and -501..-528;
// -1..-18 are the raised common entries. Any other code reads "Unknown error code!".
QString QvErrorText(int code);
// Text of common-catalogue entry k (code -k).
QString QvCommonText(int k);
[[noreturn]] void QvThrow(int code);
[[noreturn]] void QvThrowCommon(int k);

// False (catalogue unchanged) for a missing, unreadable or blank file.
bool LoadCatalogue(QvCatalogue catalogue, const QString &fileName);
// Loads the seven files from the executable's folder + "errMSg", in the fixed order.
void LoadCatalogues();
void LoadCatalogues(const QString &directory);
// Back to the built-in texts (tests).
void ResetCatalogues();

// Replaces every occurrence, left to right; inserted values are never scanned again.
QString FillPlaceholder(const QString &text, const QString &placeholder, const QString &value);
// Several placeholders in one pass, so one value cannot be taken for another's placeholder.
QString FillPlaceholders(const QString &text, const QList<std::pair<QString, QString>> &values);
// write=false after a read, true after a write; the time shown is now, or the given time.
QString RequestLogLine(bool write, const QString &message, const QString &listTitle);
QString RequestLogLine(bool write, const QString &message, const QString &listTitle, const QTime &time);
