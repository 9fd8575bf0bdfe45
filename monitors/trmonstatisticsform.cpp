#include "trmonstatisticsform.h"

#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "rmoncharts.h"
#include "tmessagebox.h"
#include "thelpviewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace {

enum { SC_Index = 0, SC_DataSource = 1, SC_Owner = 2, SC_Status = 3 };

const QStringList CounterNames = {
    QStringLiteral("DropEvents"),    QStringLiteral("Octets"),         QStringLiteral("Pkts"),
    QStringLiteral("BroadcastPkts"), QStringLiteral("MulticastPkts"),  QStringLiteral("CRCAlignErrors"),
    QStringLiteral("UndersizePkts"), QStringLiteral("OversizePkts"),   QStringLiteral("Fragments"),
    QStringLiteral("Jabbers"),       QStringLiteral("Collisions"),     QStringLiteral("64Octets"),
    QStringLiteral("65to127Octets"), QStringLiteral("128to255Octets"), QStringLiteral("256to511Octets"),
    QStringLiteral("512to1023Octets"), QStringLiteral("1024to1518Octets"),
};
// The first display row that has a rate history (Pkts), and how many follow it.
constexpr int FirstCharted = 2;
constexpr int ChartedCount = 15;

constexpr quint32 Orange = 0xFF8040;
const TSeriesDesc PacketSeries[] = {{"Packet", 0xFF0000}, {"Broadcast", 0x008000}, {"Multicast", 0xFFFF00}};
const TSeriesDesc ErrorSeries[] = {{"CRC Errors", 0xFF0000}, {"Undersize", 0x008000}, {"Oversize", 0xFFFF00},
                                   {"Fragments", 0x0000FF},  {"Jabbers", Orange},      {"Collisions", 0x808080}};
const TSeriesDesc SizeSeries[] = {{"64 Octets", 0xFF0000},       {"65~127 Octets", 0x008000},
                                  {"128~255 Octets", 0xFFFF00},  {"256~511 Octets", 0x0000FF},
                                  {"512~1023 Octets", Orange},   {"1024~1518 Octets", 0x808080}};

TCounterMonitorOptions MonitorOptions()
{
    TCounterMonitorOptions o;
    o.firstSample = TFirstSample::RecordOnly;
    o.history = THistoryValue::Rate;
    for (int i = 0; i < ChartedCount; ++i)
        o.historyCounters.append(FirstCharted + i);
    o.historyPrefilled = true;
    o.historyCount = 10;
    o.intervalMs = 1000;
    return o;
}

}  // namespace

TRMONStatisticsForm::TRMONStatisticsForm(QWidget *owner)
    : TRmonControlWindow(owner, {RmonStatsControlVars, "Statistics Control", SC_DataSource, SC_Owner, SC_Status, -1})
{
    setObjectName(QStringLiteral("RMONStatisticsForm"));
    InstallHelpKey(this, QStringLiteral("monitors.html#rmon-statistics"));
    m_monitor = std::make_unique<TCounterMonitor>(TCounterMonitor::Sequence(CounterNames, FirstCharted),
                                                  MonitorOptions());
    BuildControls();
    FormCreate();
}

TRMONStatisticsForm::~TRMONStatisticsForm() = default;

void TRMONStatisticsForm::BuildControls()
{
    setWindowTitle(QStringLiteral("RMON : Statistics  Form"));
    resize(680, 540);
    BuildControlList();
    LV_Chart = Hidden(MakeListView(this, QStringLiteral("LV_Chart")), QStringLiteral("LV_Chart"));

    QWidget *table = BuildRmonTablePage(QStringLiteral("TS_Table"), ST_Owner, ST_Index, ST_DataSource, LV_Static,
                                        QStringLiteral("LV_Static"));
    LV_Static->setRootIsDecorated(false);
    LV_Static->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Delta"),
                                QStringLiteral("Rate"), QStringLiteral("Peak"), QStringLiteral("Peak Occured at")});
    LV_Static->setColumnWidth(0, 130);
    PageControl1->addTab(table, QStringLiteral("Statistics Table"));

    CH_Utilization = MakeLineChart(QStringLiteral("CH_Utilization"), QStringLiteral("Packets"),
                                   QStringLiteral("Pkts/Sec"), PacketSeries);
    CH_Error = MakeLineChart(QStringLiteral("CH_Error"), QStringLiteral("Errors"), QStringLiteral("Errors/Sec"),
                             ErrorSeries);
    CH_Packet = MakeLineChart(QStringLiteral("CH_Packet"), QStringLiteral("Packet Size Distribution"),
                              QStringLiteral("Pkts/Sec"), SizeSeries);
    AddChartPage(PageControl1, CH_Utilization, QStringLiteral("TS_Packets"), QStringLiteral("Packets"));
    AddChartPage(PageControl1, CH_Error, QStringLiteral("TS_Errors"), QStringLiteral("Errors"), &CK_E3D,
                 QStringLiteral("CK_E3D"));
    AddChartPage(PageControl1, CH_Packet, QStringLiteral("TS_Packet"), QStringLiteral("Packet Size Distribution"),
                 &CK_P3D, QStringLiteral("CK_P3D"));

    BuildSidePanel({QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("30"),
                    QStringLiteral("60")},
                   QStringLiteral("(1--3600)"), 0);
    FinishControls(1000);
    m_freshness = std::make_unique<TMonitorFreshness>(StatusBar1, LV_Static);
}

void TRMONStatisticsForm::FormCreate()
{
    BindControlList();
    m_counters = new QvSNMPRequest2Edits(this);
    m_counters->BindListView(LV_Chart, false);
    m_counters->SetReportTarget(StatusPanel0);
    connect(m_counters, &QvSNMPRequest2Controls::RefreshEnded, this,
            [this](const QvSNMPError &outcome) { CountersRead(outcome); });
    WatchRequests(m_counters);
    StartProbe();
}

void TRMONStatisticsForm::DeleteCancelled()
{
    // Polling goes on.
    m_monitor->SetRunning(true);
    Timer1->start();
}

void TRMONStatisticsForm::StartProbe()
{
    RefreshThen(m_control, [this](const QvSNMPError &outcome) {
        SetRowButtons(false);
        ProbeEnded(outcome, outcome.code == 0 ? LV_control->topLevelItemCount() : 0);
        if (!RmonAvailable())
            return;
        Timer1->start();
        SelectFirstRow();
    });
}

void TRMONStatisticsForm::SelectFirstRow()
{
    if (QTreeWidgetItem *first = LV_control->topLevelItem(0)) {
        LV_control->setCurrentItem(first);
        first->setSelected(true);
    }
}

void TRMONStatisticsForm::BT_ResetClick()
{
    // A reading of the entry shown before is no longer wanted.
    if (m_counters->Busy())
        m_counters->Cancel();
    m_monitor->SetRunning(false);
    QvSNMPVarList &vars = m_counters->Vars();
    vars.Assign(QvSNMPVarList(RmonEtherStatsVars, MVT_SV, 0));
    vars.title = QStringLiteral("Ether Statistics");
    // The counters of the chosen entry are those of its own row.
    vars.instanceSuffix = m_selectedIndex;
    ClearDisplay();
    m_monitor->Reset();
    m_freshness->Clear(*m_monitor);
    PlotRates();
    m_monitor->SetRunning(true);
}

void TRMONStatisticsForm::ClearDisplay()
{
    LV_Static->clear();
}

void TRMONStatisticsForm::Timer1Timer()
{
    ST_Time->setText(TimeOfDayText());
    // A tick while a request of this window is out waits for the next one.
    if (!m_monitor->Running() || ST_Index->text().isEmpty() || Wait()->Waiting() || m_control->Busy()
        || m_counters->Busy())
        return;
    try {
        m_freshness->PollSent();
        m_counters->Refresh();
    } catch (const QvSNMPException &e) {
        m_counters->Report(e.text());
    } catch (const std::exception &e) {
        m_counters->Report(QString::fromLocal8Bit(e.what()));
    }
}

void TRMONStatisticsForm::CountersRead(const QvSNMPError &outcome)
{
    if (outcome.code == 0)
        Update();
    else
        m_freshness->Failed(m_monitor->ValuesTime());
}

void TRMONStatisticsForm::Update()
{
    const QTreeWidgetItem *row = LV_Chart->topLevelItem(0);
    if (!row)
        return;
    QStringList texts;
    for (int c = 0; c < row->columnCount(); ++c)
        texts.append(row->text(c));
    QString error;
    if (!m_monitor->Update(texts, &error, QTime::currentTime(), MonotonicMs())) {
        m_counters->Report(error);
        return;
    }
    ShowCounters();
    m_freshness->Answered(*m_monitor);
    PlotRates();
}

void TRMONStatisticsForm::ShowCounters()
{
    if (!m_monitor->RowsPresent()) {
        ClearDisplay();
        return;
    }
    for (int i = 0; i < m_monitor->Count(); ++i) {
        QTreeWidgetItem *item = LV_Static->topLevelItem(i);
        if (!item) {
            item = new QTreeWidgetItem(QStringList{m_monitor->Name(i)});
            LV_Static->addTopLevelItem(item);
        }
        const TCounterCells &cells = m_monitor->Cells(i);
        item->setText(1, cells.value);
        item->setText(2, cells.delta);
        item->setText(3, cells.rate);
        item->setText(4, cells.peak);
        item->setText(5, cells.peakTime);
    }
}

void TRMONStatisticsForm::PlotRates()
{
    QList<QList<qint64>> rates;
    QStringList labels;
    for (int k = 0; k < m_monitor->HistoryListCount(); ++k) {
        QList<qint64> series;
        for (const THistorySample &s : m_monitor->History(k))
            series.append(qint64(s.value));
        rates.append(series);
        if (k == 0)
            for (const THistorySample &s : m_monitor->History(k))
                labels.append(s.time);
    }
    FillLineChart(CH_Utilization, labels, rates.mid(0, 3));
    FillLineChart(CH_Error, labels, rates.mid(3, 6));
    FillLineChart(CH_Packet, labels, rates.mid(9, 6));
}

void TRMONStatisticsForm::BT_StartClick() { m_monitor->SetRunning(true); }

void TRMONStatisticsForm::BT_StopClick() { m_monitor->SetRunning(false); }

void TRMONStatisticsForm::CB_IntervalChange()
{
    const int ms = CB_Interval->currentText().toInt() * 1000;
    Timer1->setInterval(ms);
    m_monitor->SetIntervalMs(ms);
}

void TRMONStatisticsForm::CB_HistoryCountChange()
{
    m_monitor->SetHistoryCount(CB_HistoryCount->currentText().toInt());
    BT_ResetClick();
}

void TRMONStatisticsForm::CK_U3DClick()
{
    // Qt Charts draws no 3D view: the boxes keep their state only.
    CK_E3D->setChecked(CK_U3D->isChecked());
    CK_P3D->setChecked(CK_U3D->isChecked());
}

void TRMONStatisticsForm::BT_RefreshClick()
{
    if (Wait()->Waiting())
        return;
    WalkControls();
}

TStatistics_control *TRMONStatisticsForm::Dialog() const
{
    return qobject_cast<TStatistics_control *>(m_dialog.data());
}

QDialog *TRMONStatisticsForm::MakeDialog(int mode)
{
    return new TStatistics_control(this, mode);
}

void TRMONStatisticsForm::DialogFinished(int result)
{
    if (result == QDialog::Accepted)
        WalkControls();
}

void TRMONStatisticsForm::BT_DeleteClick()
{
    if (Wait()->Waiting())
        return;
    Timer1->stop();
    if (SelectedRow() < 0 || !ConfirmRmonDelete(this)) {
        Timer1->start();
        return;
    }
    if (m_counters->Busy())
        m_counters->Cancel();
    m_monitor->SetRunning(false);
    ClearDisplay();
    // The entry goes, then the list is read again and polling resumes on its first entry.
    InvalidateSelected([this](const QvSNMPError &) {
        WalkControls([this] {
            ST_Index->clear();
            SelectFirstRow();
            m_monitor->SetRunning(true);
            Timer1->start();
        });
    });
}

// ---- the dialog ----

TStatistics_control::TStatistics_control(TRMONStatisticsForm *form, int mode)
    : TRmonControlDialog(form, "Statistics_control", mode)
{
    ED_Index = AddEdit(QStringLiteral("Index(1...65535)"), "ED_Index");
    ED_DataSource = AddSourceEdit(QStringLiteral("Data Source"), QStringLiteral("ifIndex ."), "ED_DataSource");
    ED_Owner = AddEdit(QStringLiteral("Owner"), "ED_Owner");
    FinishControls();
    DoneBtn = Hidden(new QPushButton(QStringLiteral("Done"), this), QStringLiteral("DoneBtn"));
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    Bind(RmonStatsControlEditVars, "Statistics Control", {{"%u", ED_Index}, {"%s", ED_Sub}, {"%s", ED_Owner}});
    if (mode == RDM_Modify)
        ReadChosenEntry([this](const QvSNMPError &outcome) { QvMessageBox(this, outcome.text, QvAppCaption()); });
    for (int i = 0; i < form->LV_control->topLevelItemCount(); ++i)
        m_indexes.append(form->LV_control->topLevelItem(i)->text(SC_Index).toUInt());
}

TStatistics_control::~TStatistics_control() = default;

void TStatistics_control::BT_SetClick()
{
    if (m_wait->Waiting())
        return;
    const QString source = ED_DataSource->text();
    if (ED_Index->text().isEmpty() || source.isEmpty() || ED_Owner->text().isEmpty()) {
        QvMessageBox(this, QStringLiteral("Don't leave empty fields !!"), QvAppCaption());
        return;
    }
    if (!CheckSource(source))
        return;
    if (Adding() && m_indexes.contains(ED_Index->text().toUInt())) {
        QvMessageBox(this, QStringLiteral("The Index must be different !!"), QvAppCaption());
        return;
    }
    WriteEntry(ED_Index->text(), source, {1, 2}, [this] {
        if (m_form) {
            m_form->BT_Delete->setEnabled(false);
            m_form->BT_Modify->setEnabled(false);
        }
        accept();
    });
}
