// The event log: notifications from the switch decoded into readable rows, kept in a journal
// file (one JSON object per line, rotated by size) before they are shown, and a table model
// over them, newest first.
#pragma once

#include "qvsnmpadapter.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

enum class TEventSeverity { Info = 0, Warning = 1, Critical = 2 };

struct TEventRecord {
    qint64 id = 0;             // ascending within a journal
    QDateTime received;        // local time of arrival
    quint32 uptime = 0;        // the switch's sysUpTime, hundredths
    QString trapOid;           // dotted
    QString name;              // coldStart … or the dotted OID
    TEventSeverity severity = TEventSeverity::Info;
    QString details;           // the variables, readable
    QString source;            // address:port
    QString kind;              // "v1 trap", "v2c inform", …
    bool acknowledged = false;

    QJsonObject toJson() const;
    static bool fromJson(const QJsonObject &o, TEventRecord *out);
};

// The notification's name and severity, its variables in readable form.
namespace TEventDecoder {
QString NotificationName(const QvOid &trapOid);
TEventSeverity Severity(const QvOid &trapOid);
QString SeverityText(TEventSeverity s);
QColor SeverityColour(TEventSeverity s);
// "port 7", "ifOperStatus = down(2)", "alarmVariable = ifInOctets.port 3", …
QString ReadableBinding(const QvSNMPVb &vb);
QString UptimeText(quint32 hundredths);
TEventRecord Decode(const QvSNMPNotification &n, const QDateTime &received);
// The port a linkDown or linkUp names (ifIndex), 0 when none.
int PortOf(const QvSNMPNotification &n);
} // namespace TEventDecoder

// The journal: events.jsonl in a folder, rotated to events.jsonl.1 … .N when it passes a size.
// Lines: {"type":"notification",…}, {"type":"ack","id":N}, {"type":"ackAll","upTo":N},
// {"type":"clear","upTo":N}.
class TEventJournal {
public:
    explicit TEventJournal(const QString &folder, qint64 maxBytes = 1 << 20, int keep = 3);
    // The user's data folder (QStandardPaths::AppDataLocation)/eventlog.
    static QString DefaultFolder();
    QString FilePath() const;
    // Appends one line (rotating first when the file is full); false when it cannot be written.
    bool Append(const QJsonObject &line);
    // The last limit notifications still shown (acknowledgements and clears applied), oldest first.
    QList<TEventRecord> Load(int limit) const;
    qint64 MaxBytes() const { return m_maxBytes; }
    int Keep() const { return m_keep; }

private:
    void Rotate();
    QString m_folder;
    qint64 m_maxBytes;
    int m_keep;
};

class TEventLogModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { ColTime, ColUptime, ColName, ColSeverity, ColDetails, ColSource, ColumnCount };
    enum Role { SeverityRole = Qt::UserRole + 1, AcknowledgedRole, IdRole };
    static constexpr int MaxRows = 5000;

    // folder: the journal's place ("" for DefaultFolder()); the last rows are loaded from it.
    explicit TEventLogModel(const QString &folder = QString(), QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Written to the journal first, then shown at the top. False when the journal refused it
    // (it is shown all the same, and JournalError() says so).
    bool Add(const TEventRecord &record);
    bool AddNotification(const QvSNMPNotification &n);
    const TEventRecord &Record(int row) const { return m_rows.at(row); }
    void Acknowledge(const QList<int> &rows);
    void AcknowledgeAll();
    void Clear();
    int UnacknowledgedCount() const { return m_unacked; }
    const TEventJournal &Journal() const { return m_journal; }
    QString JournalError() const { return m_journalError; }
    // Rows as CSV (header first), in the given order.
    QString Csv(const QList<int> &rows) const;

signals:
    void UnacknowledgedChanged(int count);

private:
    void Recount();
    TEventJournal m_journal;
    QList<TEventRecord> m_rows;  // newest first
    qint64 m_nextId = 1;
    int m_unacked = 0;
    QString m_journalError;
};
