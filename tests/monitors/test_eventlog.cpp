// The event log: names, severities and readable variables of each notification kind; the
// journal written before a row shows, rotated by size and read back after a restart; the
// model's consistency, the filter, acknowledgement and CSV.
#include "agent_support.h"
#include "teventlog.h"
#include "teventlogform.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTableView>
#include <gtest/gtest.h>

namespace {

QvOid oidOf(const char *dotted)
{
    QvOid o;
    for (const QString &p : QString::fromLatin1(dotted).split(QLatin1Char('.')))
        o << p.toUInt();
    return o;
}

QvSNMPVb vb(const char *oid, const QvSNMPValue &v) { return QvSNMPVb{oidOf(oid), v}; }

QvSNMPNotification note(const char *trapOid, QList<QvSNMPVb> vbs = {}, quint32 uptime = 100)
{
    QvSNMPNotification n;
    n.version = 1;
    n.sourceAddress = QStringLiteral("127.0.0.1");
    n.sourcePort = 50000;
    n.uptime = uptime;
    n.trapOid = oidOf(trapOid);
    n.vbs = std::move(vbs);
    return n;
}

QStringList journalLines(const TEventJournal &j)
{
    QFile f(j.FilePath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(EventDecoder, NamesSeveritiesAndVariables)
{
    const struct {
        const char *what;
        QvSNMPNotification n;
        const char *name;
        TEventSeverity severity;
        const char *details;  // contained in the readable variables
    } cases[] = {
        {"coldStart", note("1.3.6.1.6.3.1.1.5.1"), "coldStart", TEventSeverity::Warning, ""},
        {"warmStart", note("1.3.6.1.6.3.1.1.5.2"), "warmStart", TEventSeverity::Warning, ""},
        {"linkDown",
         note("1.3.6.1.6.3.1.1.5.3", {vb("1.3.6.1.2.1.2.2.1.1.7", QvSNMPValue::integer(7)),
                                      vb("1.3.6.1.2.1.2.2.1.7.7", QvSNMPValue::integer(1)),
                                      vb("1.3.6.1.2.1.2.2.1.8.7", QvSNMPValue::integer(2))}),
         "linkDown", TEventSeverity::Critical, "port 7; ifAdminStatus.port 7 = up(1); ifOperStatus.port 7 = down(2)"},
        {"linkUp", note("1.3.6.1.6.3.1.1.5.4", {vb("1.3.6.1.2.1.2.2.1.1.12", QvSNMPValue::integer(12))}), "linkUp",
         TEventSeverity::Info, "port 12"},
        {"authenticationFailure", note("1.3.6.1.6.3.1.1.5.5"), "authenticationFailure", TEventSeverity::Warning, ""},
        {"risingAlarm",
         note("1.3.6.1.2.1.16.0.1",
              {vb("1.3.6.1.2.1.16.3.1.1.1.3", QvSNMPValue::integer(3)),
               vb("1.3.6.1.2.1.16.3.1.1.3.3", QvSNMPValue::objectId(oidOf("1.3.6.1.2.1.2.2.1.10.5"))),
               vb("1.3.6.1.2.1.16.3.1.1.4.3", QvSNMPValue::integer(2)),
               vb("1.3.6.1.2.1.16.3.1.1.5.3", QvSNMPValue::integer(9000)),
               vb("1.3.6.1.2.1.16.3.1.1.7.3", QvSNMPValue::integer(8000))}),
         "risingAlarm", TEventSeverity::Warning,
         "alarmIndex.3 = 3; alarmVariable.3 = ifInOctets.port 5; alarmSampleType.3 = deltaValue(2); "
         "alarmValue.3 = 9000; alarmRisingThreshold.3 = 8000"},
        {"fallingAlarm", note("1.3.6.1.2.1.16.0.2", {vb("1.3.6.1.2.1.16.3.1.1.8.3", QvSNMPValue::integer(100))}),
         "fallingAlarm", TEventSeverity::Info, "alarmFallingThreshold.3 = 100"},
        {"newRoot", note("1.3.6.1.2.1.17.0.1"), "newRoot", TEventSeverity::Warning, ""},
        {"topologyChange", note("1.3.6.1.2.1.17.0.2"), "topologyChange", TEventSeverity::Info, ""},
        {"unknown enterprise", note("1.3.6.1.4.1.99999.0.7", {vb("1.3.6.1.4.1.99999.1.1.0",
                                                                  QvSNMPValue::string(QByteArray("fan 2")))}),
         "1.3.6.1.4.1.99999.0.7", TEventSeverity::Info, "1.3.6.1.4.1.99999.1.1.0 = \"fan 2\""},
        {"binary octets", note("1.3.6.1.4.1.99999.0.8", {vb("1.3.6.1.4.1.99999.1.2.0",
                                                             QvSNMPValue::string(QByteArray("\x00\x1f\xff", 3)))}),
         "1.3.6.1.4.1.99999.0.8", TEventSeverity::Info, "= 00 1F FF"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const TEventRecord r = TEventDecoder::Decode(c.n, QDateTime::currentDateTime());
        EXPECT_EQ(r.name.toStdString(), c.name);
        EXPECT_EQ(r.severity, c.severity);
        EXPECT_TRUE(r.details.contains(QString::fromLatin1(c.details))) << r.details.toStdString();
        EXPECT_EQ(r.source, QStringLiteral("127.0.0.1:50000"));
        EXPECT_EQ(r.kind, QStringLiteral("v2c trap"));
    }
    EXPECT_EQ(TEventDecoder::UptimeText(8640000 + 366101), QStringLiteral("1d 01:01:01.01"));
    EXPECT_EQ(TEventDecoder::PortOf(cases[2].n), 7);
    EXPECT_EQ(TEventDecoder::PortOf(cases[0].n), 0);
}

TEST(EventJournal, WrittenBeforeShownAndSurvivesRestart)
{
    const QString dir = makeTempDir(QStringLiteral("kmv-eventlog"));
    qint64 firstId = 0;
    {
        TEventLogModel model(dir);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        int linesWhenShown = -1;
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] {
            linesWhenShown = int(journalLines(model.Journal()).size());
        });
        model.AddNotification(note("1.3.6.1.6.3.1.1.5.1"));
        EXPECT_EQ(linesWhenShown, 1);
        model.AddNotification(note("1.3.6.1.6.3.1.1.5.3", {vb("1.3.6.1.2.1.2.2.1.1.4", QvSNMPValue::integer(4))}));
        model.AddNotification(note("1.3.6.1.6.3.1.1.5.4", {vb("1.3.6.1.2.1.2.2.1.1.4", QvSNMPValue::integer(4))}));
        ASSERT_EQ(model.rowCount(), 3);
        EXPECT_EQ(model.Record(0).name, QStringLiteral("linkUp"));  // newest first
        EXPECT_EQ(model.UnacknowledgedCount(), 3);
        model.Acknowledge({1});
        EXPECT_EQ(model.UnacknowledgedCount(), 2);
        firstId = model.Record(2).id;
        const QJsonObject line = QJsonDocument::fromJson(journalLines(model.Journal()).first().toUtf8()).object();
        EXPECT_EQ(line.value(QStringLiteral("type")).toString(), QStringLiteral("notification"));
        EXPECT_EQ(line.value(QStringLiteral("name")).toString(), QStringLiteral("coldStart"));
        EXPECT_EQ(line.value(QStringLiteral("oid")).toString(), QStringLiteral("1.3.6.1.6.3.1.1.5.1"));
    }
    {
        TEventLogModel again(dir);
        QAbstractItemModelTester tester(&again, QAbstractItemModelTester::FailureReportingMode::Fatal);
        ASSERT_EQ(again.rowCount(), 3);
        EXPECT_EQ(again.Record(0).name, QStringLiteral("linkUp"));
        EXPECT_EQ(again.Record(2).id, firstId);
        EXPECT_TRUE(again.Record(1).acknowledged);
        EXPECT_EQ(again.UnacknowledgedCount(), 2);
        EXPECT_EQ(again.Record(1).details, QStringLiteral("port 4"));
        // New rows continue the numbering; cleared rows stay gone after the next restart.
        again.AddNotification(note("1.3.6.1.6.3.1.1.5.2"));
        EXPECT_GT(again.Record(0).id, again.Record(1).id);
        again.AcknowledgeAll();
        EXPECT_EQ(again.UnacknowledgedCount(), 0);
        again.Clear();
        EXPECT_EQ(again.rowCount(), 0);
        again.AddNotification(note("1.3.6.1.2.1.17.0.2"));
    }
    TEventLogModel third(dir);
    ASSERT_EQ(third.rowCount(), 1);
    EXPECT_EQ(third.Record(0).name, QStringLiteral("topologyChange"));
    EXPECT_FALSE(third.Record(0).acknowledged);
}

TEST(EventJournal, RotatesBySizeAndKeepsTheNewest)
{
    const QString dir = makeTempDir(QStringLiteral("kmv-eventlog-rot"));
    TEventJournal journal(dir, 4096, 3);
    for (int i = 1; i <= 200; ++i) {
        TEventRecord r = TEventDecoder::Decode(note("1.3.6.1.6.3.1.1.5.3", {vb("1.3.6.1.2.1.2.2.1.1.1",
                                                                                 QvSNMPValue::integer(i))}),
                                               QDateTime::currentDateTime());
        r.id = i;
        ASSERT_TRUE(journal.Append(r.toJson()));
    }
    const QString base = journal.FilePath();
    EXPECT_TRUE(QFile::exists(base + QStringLiteral(".1")));
    EXPECT_TRUE(QFile::exists(base + QStringLiteral(".3")));
    EXPECT_FALSE(QFile::exists(base + QStringLiteral(".4")));
    for (const QString &f : {base, base + QStringLiteral(".1"), base + QStringLiteral(".2"), base + QStringLiteral(".3")})
        EXPECT_LE(QFileInfo(f).size(), 4096) << f.toStdString();
    const QList<TEventRecord> loaded = journal.Load(10000);
    ASSERT_FALSE(loaded.isEmpty());
    EXPECT_EQ(loaded.last().id, 200);
    EXPECT_LT(loaded.size(), 200);  // the oldest went with the dropped file
    for (qsizetype i = 1; i < loaded.size(); ++i)
        EXPECT_EQ(loaded[i].id, loaded[i - 1].id + 1);
    EXPECT_EQ(journal.Load(5).size(), 5);
}

TEST(EventLogForm, FilterSearchAcknowledgeAndCsv)
{
    const QString dir = makeTempDir(QStringLiteral("kmv-eventlog-form"));
    TEventLogModel model(dir);
    model.AddNotification(note("1.3.6.1.6.3.1.1.5.3", {vb("1.3.6.1.2.1.2.2.1.1.9", QvSNMPValue::integer(9))}));
    model.AddNotification(note("1.3.6.1.6.3.1.1.5.4", {vb("1.3.6.1.2.1.2.2.1.1.9", QvSNMPValue::integer(9))}));
    model.AddNotification(note("1.3.6.1.6.3.1.1.5.1"));
    QWidget owner;
    TEventLogForm *form = TEventLogForm::ShowFor(&model, &owner);
    EXPECT_EQ(TEventLogForm::ShowFor(&model, &owner), form);  // raised, not made again
    TEventFilterModel *f = form->Filter();
    QAbstractItemModelTester tester(f, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const struct {
        int minSeverity;
        bool unackedOnly;
        const char *search;
        int rows;
    } cases[] = {
        {0, false, "", 3}, {1, false, "", 2}, {2, false, "", 1}, {0, false, "port 9", 2},
        {0, false, "LINKUP", 1}, {0, false, "no such text", 0},
    };
    for (const auto &c : cases) {
        f->SetMinimumSeverity(c.minSeverity);
        f->SetUnacknowledgedOnly(c.unackedOnly);
        f->SetSearch(QString::fromLatin1(c.search));
        EXPECT_EQ(f->rowCount(), c.rows) << c.minSeverity << " " << c.search;
    }
    f->SetMinimumSeverity(0);
    f->SetSearch(QStringLiteral("link"));
    form->View()->selectRow(0);
    form->AcknowledgeSelected();
    EXPECT_EQ(model.UnacknowledgedCount(), 2);
    f->SetUnacknowledgedOnly(true);
    EXPECT_EQ(f->rowCount(), 1);
    f->SetUnacknowledgedOnly(false);
    f->SetSearch(QString());
    form->View()->clearSelection();
    const QStringList csv = form->SelectedCsv(true).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(csv.size(), 4);
    EXPECT_TRUE(csv[0].startsWith(QStringLiteral("Received,Switch uptime,Notification")));
    const QString out = QDir(dir).filePath(QStringLiteral("out.csv"));
    ASSERT_TRUE(form->ExportCsv(out));
    QFile file(out);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(file.readAll()).count(QStringLiteral("\r\n")), 4);
    form->close();
}
