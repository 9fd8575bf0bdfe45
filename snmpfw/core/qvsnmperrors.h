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
    CAT_OWN,        // "qvsnmp.err"    codes 0, -501..-534
    CAT_LOGFORMAT,  // "snmp.msg"      entry 0 after a read, 1 after a write
    CAT_COMMON,     // "common.err"    entry k raised as code -k
    CAT_COUNT
};

// The catalogues' codes: an agent's error status (-100 - status), the message processing model,
// the user-based security model and the session class, in catalogue order.
enum QvCatalogueCode : int {
    QVA_TOO_BIG = -101,
    QVA_NO_SUCH_NAME = -102,
    QVA_BAD_VALUE = -103,
    QVA_READ_ONLY = -104,
    QVA_GEN_ERR = -105,
    QVA_NO_ACCESS = -106,
    QVA_WRONG_TYPE = -107,
    QVA_WRONG_LENGTH = -108,
    QVA_WRONG_ENCODING = -109,
    QVA_WRONG_VALUE = -110,
    QVA_NO_CREATION = -111,
    QVA_INCONSISTENT_VALUE = -112,
    QVA_RESOURCE_UNAVAILABLE = -113,
    QVA_COMMIT_FAILED = -114,
    QVA_UNDO_FAILED = -115,
    QVA_AUTHORIZATION_ERROR = -116,
    QVA_NOT_WRITABLE = -117,
    QVA_INCONSISTENT_NAME = -118,
    QVM_UNSUPPORTED_SEC_MODEL = -201,
    QVM_NOT_IN_TIME_WINDOW = -202,
    QVM_DOUBLED_MESSAGE = -203,
    QVM_INVALID_MESSAGE = -204,
    QVM_INVALID_ENGINE_ID = -205,
    QVM_NOT_INITIALIZED = -206,
    QVM_PARSE_ERROR = -207,
    QVM_UNKNOWN_MSG_ID = -208,
    QVM_MATCH_ERROR = -209,
    QVM_COMMUNITY_ERROR = -210,
    QVM_UNKNOWN_USER = -211,
    QVM_BUILD_ERROR = -212,
    QVM_USM_ERROR = -213,
    QVM_UNKNOWN_PDU_HANDLERS = -214,
    QVM_UNAVAILABLE_CONTEXT = -215,
    QVM_UNKNOWN_CONTEXT = -216,
    QVM_REPORT_SENT = -217,
    QVU_ERROR = -301,
    QVU_CONFIG_WRITE = -302,
    QVU_UNSUPPORTED_SEC_LEVEL = -303,
    QVU_UNKNOWN_SEC_NAME = -304,
    QVU_ENCRYPTION_ERROR = -305,
    QVU_DECRYPTION_ERROR = -306,
    QVU_AUTHENTICATION_ERROR = -307,
    QVU_AUTHENTICATION_FAILURE = -308,
    QVU_PARSE_ERROR = -309,
    QVU_UNKNOWN_ENGINE_ID = -310,
    QVU_NOT_IN_TIME_WINDOW = -311,
    QVU_UNSUPPORTED_AUTH_PROTOCOL = -312,
    QVU_UNSUPPORTED_PRIV_PROTOCOL = -313,
    QVU_ADDRESS_ERROR = -314,
    QVC_OPERATION_FAILED = -401,
    QVC_RESOURCE_UNAVAILABLE = -402,
    QVC_INTERNAL_ERROR = -403,
    QVC_UNSUPPORTED = -404,
    QVC_TIMEOUT = -405,
    QVC_RECEIVED_RESPONSE = -406,
    QVC_RECEIVED_NOTIFICATION = -407,
    QVC_SESSION_CLOSING = -408,
    QVC_UNKNOWN_CODE = -409,
    QVC_CLASS_INVALID = -410,
    QVC_INVALID_PDU = -411,
    QVC_INVALID_TARGET = -412,
    QVC_INVALID_CALLBACK = -413,
    QVC_INVALID_REQUEST_ID = -414,
    QVC_INVALID_NOTIFICATION_ID = -415,
    QVC_OPERATION_NOT_SUPPORTED = -416,
    QVC_INVALID_OID = -417,
    QVC_INVALID_ADDRESS = -418,
    QVC_AGENT_ERROR = -419,
    QVC_TRANSPORT_NOT_SUPPORTED = -420,
    QVC_TRANSPORT_IN_USE = -421,
    QVC_TRANSPORT_FAILED = -422,
    QVC_BLOCKED_SHUTDOWN = -423,
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
// Text of a framework code: -101..-118, -201..-217, -301..-314, -401..-423, 0 and -501..-534;
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
