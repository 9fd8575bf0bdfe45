// Error numbering, the built-in message catalogues and their replacement from text files.
// A loaded file replaces a catalogue's entries; lookups past the loaded entries fall back to the
// built-in text, so a short file never leaves a code without a message.
#include "qvsnmperrors.h"
#include "qvini.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTime>

#include <array>
#include <span>
#include <utility>

namespace {

const char *const AgentTexts[] = {
    "Response PDU Too Big!",
    "Variable does not exist!",
    "Cannot modify variable: Bad Value!",
    "Cannot modify object, Read Only!",
    "Cannot perform operation, General Error!",
    "Cannot access variable, No Access!",
    "Cannot create/modify variable, Wrong Type!",
    "Cannot create/set variable, Wrong Length!",
    "Cannot create/set variable, Wrong Encoding!",
    "Cannot create/set variable, Wrong Value!",
    "Cannot create variable, Creation Not Allowed!",
    "Cannot create/set variable, Inconsistent Value!",
    "Cannot create/set variable, Resource Unavailable!",
    "Cannot create/set variable, Commit Failed!",
    "Cannot create/set variable, Undo Failed!",
    "Cannot perform operation, Authorization Error!",
    "Cannot create/set variable, Not Writable!",
    "Cannot create variable, Inconsistent Name!",
};

const char *const V3MPTexts[] = {
    "Unsupported Security Model!",
    "Message not in Time Window!",
    "Received same Message twice!",
    "Invalid Message!",
    "Invalid EngineID!",
    "v3MP not initialized!",
    "Parse Error!",
    "Received Message with unknown MsgID!",
    "Message does not match known message!",
    "Community format error!",
    "Unknown UserName!",
    "Build error!",
    "USM: error!",
    "Unknown pdu handlers!",
    "Unavailable Context!",
    "Unknown Context!",
    "Report sent!",
};

const char *const USMTexts[] = {
    "error!",
    "Configfile write error!",
    "Unsupported SecurityLevel!",
    "Unknown SecurityName!",
    "Encryption error!",
    "Decryption error!",
    "Authentication error!",
    "Authentication failure!",
    "Parse error!",
    "Unknown EngineID!",
    "Message not in TimeWindow!",
    "Unsupported AuthProtocol!",
    "Unsupported PrivProtocol!",
    "Address error!",
};

const char *const ClassTexts[] = {
    "Operation failed!",
    "Resource unavailable!",
    "Internal error!",
    "Unsupported function!",
    "SNMP request timed out!",
    "Received SNMP Response!",
    "Received SNMP Notification (trap or inform)!",
    "Closing session with outstanding requests!",
    "Unknown error code!",
    "Class not valid!",
    "Invalid Pdu!",
    "Invalid Target!",
    "Invalid (null) Callback Function!",
    "Invalid Request Id!",
    "Invalid Notification Id!",
    "SNMP Operation not supported on specified Target!",
    "Invalid Object Identifier!",
    "Invalid Address!",
    "Agent indicates error in SNMP request!",
    "Transport is not supported!",
    "Transport is in use!",
    "Transport operation failed!",
    "Blocked Mode Shutdown!",
};

const char *const OwnTexts[] = {
    "Ok!",
    "Fail to read SNMP variables from file([FILENAME])!",
    "Bad format at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad item type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad syntax at line([LINENO])in SNMP variables file([FILENAME])!",
    "Bad access type at line([LINENO])in SNMP variables file([FILENAME])!",
    "Cannot create the global QvSNMP++ session!",
    "Error when loading SNMP engine boots counter!",
    "Error when saving SNMP engine boots counter!",
    "Invalid IP Address or DNS name!",
    "Can't send get-next command for a SNMP variable list with single value!",
    "Bad SNMP syntax!",
    "Bad SNMP syntax in the expression!",
    "The SNMP value has no numeric form for the expression!",
    "The instance is too short for the index of the SNMP variable list!",
    "Bad item type of SNMP variable list!",
    "Bad item type of associated SNMP variable list!",
    "Bad syntax of the associated SNMP variable's (partial) data!",
    "Bad value of the associated SNMP variable's (partial) data!",
    "Out of range for the bit(byte) index of the associated SNMP variable's (partial) data!",
    "No reference option list for a SNMP variable's (partial) data associating with a optional visual control!",
    "Bad type of the associated visual control!",
    "Count of the associated visual controls is not enough!",
    "No system start time for the timeaxis's associated data with syntax timeticks!",
    "Count of the value items for the chart's history data is not enough!",
    "Log database is not connected!",
    "Log database field not found!",
    "Bad syntax for the history chart of log!",
    "Unknown error code!",
    "The text is no value of the SNMP variable's syntax (not a number, or out of range)!",
    "The agent's answers are not increasing (OID not increasing)!",
    "The agent's instance does not fit the index of the SNMP variable list!",
    "The agent answered a value of the wrong type!",
    "The walk stopped at its limit of [MAXROWS] rows; the table may have more!",
    "No answer: the change may have been applied; Refresh shows the switch's state!",
};

const char *const LogFormatTexts[] = {
    "Get: [ERROR] Request:[VARLIST]. Receive at [TIME].",
    "Set: [ERROR] Request:[VARLIST]. Receive at [TIME].",
};

const char *const CommonTexts[] = {
    "Ok!",
    "Bad logic operand!",
    "Bad format specifier of edit's constraint!",
    "Empty value is not allowed!",
    "Please enter a string whose length is less than [MAXLEN]!",
    "Please enter a string whose length is [LEN]!",
    "Please enter a hex string whose length is less than [MAXLEN]!",
    "Please enter a hex string whose length is [LEN]!",
    "Please enter a number between [MIN] and [MAX]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is less than [MAXCOUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,the count of the number is equal to [COUNT]!",
    "Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
    "Here,each number is between [MIN] and [MAX]!",
    "Out of range at index of array or list!",
    "Destination buffer is undersize!",
    "The source to dncrypt is not encrypted!",
    "Fail to read data from file([FILENAME])!",
    "Fail to write data to file([FILENAME])!",
    "Fail to write value in ini file([FILENAME])!",
    "Fail to read option data from file([FILENAME])!",
};

const std::array<std::span<const char *const>, CAT_COUNT> BuiltIn = {
    std::span<const char *const>(AgentTexts),  std::span<const char *const>(V3MPTexts),
    std::span<const char *const>(USMTexts),    std::span<const char *const>(ClassTexts),
    std::span<const char *const>(OwnTexts),    std::span<const char *const>(LogFormatTexts),
    std::span<const char *const>(CommonTexts),
};

// Entries replaced from files; an empty list means the built-in texts are in force.
std::array<QStringList, CAT_COUNT> &loaded()
{
    static std::array<QStringList, CAT_COUNT> lists;
    return lists;
}

constexpr int OwnUnknown = 28;

bool isBlankOrControl(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u <= 0x20 || u == 0x7f;
}

bool isBlankPiece(const QByteArray &piece)
{
    for (char c : piece)
        if (!isBlankOrControl(c))
            return false;
    return true;
}

// Reads the file as a text stream (CR LF is a line break) in pieces of at most 1023 characters,
// the line feed included, as a 1024-byte line buffer would.
bool readPieces(const QString &fileName, QList<QByteArray> &entries)
{
    if (!QFileInfo(fileName).isFile())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    constexpr qsizetype MaxPiece = 1023;
    QByteArray piece;
    auto finish = [&] {
        if (!isBlankPiece(piece)) {
            if (piece.endsWith('\n'))
                piece.chop(1);
            entries.append(piece);
        }
        piece.clear();
    };
    char c;
    while (file.getChar(&c)) {
        if (c == '\r') {
            char next;
            if (file.peek(&next, 1) == 1 && next == '\n') {
                file.getChar(&next);
                c = '\n';
            }
        }
        piece.append(c);
        if (c == '\n' || piece.size() == MaxPiece)
            finish();
    }
    if (!piece.isEmpty())
        finish();
    return file.error() == QFileDevice::NoError;
}

bool codeToEntry(int code, QvCatalogue &catalogue, int &index)
{
    struct Range {
        int first, last;
        QvCatalogue catalogue;
        int base;
    };
    static const Range ranges[] = {
        {-118, -101, CAT_AGENT, -101},  {-217, -201, CAT_V3MP, -201}, {-314, -301, CAT_USM, -301},
        {-423, -401, CAT_CLASS, -401},  {QvLastOwnCode, -501, CAT_OWN, -500},  {0, 0, CAT_OWN, 0},
        {-18, -1, CAT_COMMON, 0},
    };
    for (const Range &r : ranges) {
        if (code >= r.first && code <= r.last) {
            catalogue = r.catalogue;
            index = r.base - code;
            return true;
        }
    }
    return false;
}

QString timeOfDay(const QTime &time)
{
    const int h12 = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QLocale locale = QLocale::system();
    return QStringLiteral("%1:%2:%3 %4")
        .arg(h12, 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'))
        .arg(time.second(), 2, 10, QLatin1Char('0'))
        .arg(time.hour() < 12 ? locale.amText() : locale.pmText());
}

} // namespace

QvStatus MapStatus(int s)
{
    if (s == 0 || s == 1400 || s == -1401)
        return {0, CatalogueText(CAT_OWN, 0)};
    if (s >= 1 && s <= 18)
        return {-100 - s, CatalogueText(CAT_AGENT, s - 1)};
    if (s >= 1401 && s <= 1414)
        return {1100 - s, CatalogueText(CAT_USM, s - 1401)};
    if (s <= -1402 && s >= -1418)
        return {s + 1201, CatalogueText(CAT_V3MP, -1402 - s)};
    if (s <= -1 && s >= -23)
        return {s - 400, CatalogueText(CAT_CLASS, -1 - s)};
    return {QVE_UNKNOWN, CatalogueText(CAT_OWN, OwnUnknown)};
}

QString CatalogueText(QvCatalogue catalogue, int index)
{
    if (catalogue < 0 || catalogue >= CAT_COUNT || index < 0)
        return QString();
    const QStringList &file = loaded()[catalogue];
    if (index < file.size())
        return file.at(index);
    const auto &builtIn = BuiltIn[catalogue];
    if (static_cast<size_t>(index) < builtIn.size())
        return QString::fromLatin1(builtIn[index]);
    return QString();
}

QString QvErrorText(int code)
{
    QvCatalogue catalogue;
    int index;
    if (!codeToEntry(code, catalogue, index))
        return CatalogueText(CAT_OWN, OwnUnknown);
    return CatalogueText(catalogue, index);
}

QString QvCommonText(int k)
{
    return CatalogueText(CAT_COMMON, k);
}

void QvThrow(int code)
{
    throw QvSNMPException(code, QvErrorText(code));
}

void QvThrowCommon(int k)
{
    throw QvSNMPException(-k, QvCommonText(k));
}

bool LoadCatalogue(QvCatalogue catalogue, const QString &fileName)
{
    if (catalogue < 0 || catalogue >= CAT_COUNT)
        return false;
    QList<QByteArray> pieces;
    if (!readPieces(fileName, pieces) || pieces.isEmpty())
        return false;
    QStringList entries;
    entries.reserve(pieces.size());
    for (const QByteArray &p : pieces)
        entries.append(QString::fromLatin1(p));
    loaded()[catalogue] = entries;
    return true;
}

void LoadCatalogues()
{
    LoadCatalogues(JoinPath(QCoreApplication::applicationDirPath(), QStringLiteral("errMSg")));
}

void LoadCatalogues(const QString &directory)
{
    static const std::pair<QvCatalogue, const char *> files[] = {
        {CAT_CLASS, "snmpclass.err"}, {CAT_AGENT, "snmp.err"},  {CAT_LOGFORMAT, "snmp.msg"},
        {CAT_OWN, "qvsnmp.err"},      {CAT_V3MP, "snmpv3.err"}, {CAT_USM, "snmpusm.err"},
        {CAT_COMMON, "common.err"},
    };
    for (const auto &[catalogue, name] : files)
        LoadCatalogue(catalogue, JoinPath(directory, QString::fromLatin1(name)));
}

void ResetCatalogues()
{
    for (QStringList &l : loaded())
        l.clear();
}

QString FillPlaceholder(const QString &text, const QString &placeholder, const QString &value)
{
    return FillPlaceholders(text, {{placeholder, value}});
}

QString FillPlaceholders(const QString &text, const QList<std::pair<QString, QString>> &values)
{
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        bool replaced = false;
        for (const auto &[placeholder, value] : values) {
            if (!placeholder.isEmpty() && QStringView(text).mid(i).startsWith(placeholder)) {
                out += value;
                i += placeholder.size();
                replaced = true;
                break;
            }
        }
        if (!replaced)
            out += text.at(i++);
    }
    return out;
}

QString RequestLogLine(bool write, const QString &message, const QString &listTitle)
{
    return RequestLogLine(write, message, listTitle, QTime::currentTime());
}

QString RequestLogLine(bool write, const QString &message, const QString &listTitle, const QTime &time)
{
    static const QString Error = QStringLiteral("[ERROR]");
    static const QString VarList = QStringLiteral("[VARLIST]");
    QString format = CatalogueText(CAT_LOGFORMAT, write ? 1 : 0);
    if (listTitle.isEmpty()) {
        const qsizetype e = format.indexOf(Error);
        const qsizetype v = e < 0 ? -1 : format.indexOf(VarList, e);
        if (v >= 0)
            format.remove(e + Error.size(), v + VarList.size() - (e + Error.size()));
    }
    return FillPlaceholders(format, {{VarList, listTitle}, {Error, message}, {QStringLiteral("[TIME]"), timeOfDay(time)}});
}
