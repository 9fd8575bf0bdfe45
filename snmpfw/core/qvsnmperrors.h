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
