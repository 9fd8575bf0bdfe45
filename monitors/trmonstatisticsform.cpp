#include "trmonstatisticsform.h"

#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "rmoncharts.h"
#include "rmoncommon.h"
#include "tmessagebox.h"
#include "tmonitorparts.h"
#include "thelpviewer.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

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

TRMONStatisticsForm::TRMONStatisticsForm(QWidget *owner) : TRmonWindow(owner)
{
    setObjectName(QStringLiteral("RMONStatisticsForm"));
    InstallHelpKey(this, QStringLiteral("monitors.html#rmon-statistics"));
    m_monitor = std::make_unique<TCounterMonitor>(TCounterMonitor::Sequence(CounterNames, FirstCharted),
                                                  MonitorOptions());
    BuildControls();
    FormCreate();
}

TRMONStatisticsForm::~TRMONStatisticsForm()
{
    Timer1->stop();
}

void TRMONStatisticsForm::BuildControls()
{
    setWindowTitle(QStringLiteral("RMON : Statistics  Form"));
    resize(680, 540);
    LV_control = MakeListView(this, QStringLiteral("LV_control"));
    LV_control->setMaximumHeight(140);
    LV_control->setItemDelegateForColumn(SC_DataSource, new TDisplayDelegate(&IfIndexText, LV_control));
    auto hidden = [&](auto *w, const QString &name) {
        w->setObjectName(name);
        w->hide();
        return w;
    };
    ED_Index = hidden(new QLineEdit(this), QStringLiteral("ED_Index"));
    Ed_Source = hidden(new QLineEdit(this), QStringLiteral("Ed_Source"));
    CB_Status = hidden(new QComboBox(this), QStringLiteral("CB_Status"));
    LV_Chart = hidden(MakeListView(this, QStringLiteral("LV_Chart")), QStringLiteral("LV_Chart"));

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
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

    TRmonSidePanel side = BuildRmonSidePanel(this, {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("10"),
                                                    QStringLiteral("30"), QStringLiteral("60")},
                                             QStringLiteral("(1--3600)"), 0);
    ST_Time = side.time;
    CB_Interval = side.interval;
    CB_HistoryCount = side.count;
    CK_U3D = side.u3d;
    BT_Close = side.AddButton(QStringLiteral("BT_Close"), QStringLiteral("Exit"));
    BT_Reset = side.AddButton(QStringLiteral("BT_Reset"), QStringLiteral("Reset"));
    BT_Start = side.AddButton(QStringLiteral("BT_Start"), QStringLiteral("Start"));
    BT_Stop = side.AddButton(QStringLiteral("BT_Stop"), QStringLiteral("Stop"));
    BT_Add = side.AddButton(QStringLiteral("BT_Add"), QStringLiteral("Add"));
    BT_Modify = side.AddButton(QStringLiteral("BT_Modify"), QStringLiteral("Modify"));
    BT_Delete = side.AddButton(QStringLiteral("BT_Delete"), QStringLiteral("Delete"));
    BT_Refresh = side.AddButton(QStringLiteral("BT_Refresh"), QStringLiteral("Refresh"));

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = AddStatusPanel(StatusBar1, 50);
    StatusPanel1 = AddListOutcomePanel(StatusBar1);
    m_freshness = std::make_unique<TMonitorFreshness>(StatusBar1, LV_Static);
    LayOutRmonForm(this, LV_control, PageControl1, side.layout, StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);

    connect(BT_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(BT_Reset, &QPushButton::clicked, this, [this] { BT_ResetClick(); });
    connect(BT_Start, &QPushButton::clicked, this, [this] { BT_StartClick(); });
    connect(BT_Stop, &QPushButton::clicked, this, [this] { BT_StopClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { BT_AddClick(); });
    connect(BT_Modify, &QPushButton::clicked, this, [this] { BT_ModifyClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(CB_Interval, &QComboBox::currentIndexChanged, this, [this] { CB_IntervalChange(); });
    connect(CB_HistoryCount, &QComboBox::currentIndexChanged, this, [this] { CB_HistoryCountChange(); });
    connect(CK_U3D, &QCheckBox::toggled, this, [this] { CK_U3DClick(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(LV_control, &QTreeWidget::itemDoubleClicked, this, [this] { LV_controlDblClick(); });
}

void TRMONStatisticsForm::FormCreate()
{
    ST_Time->setText(TimeOfDayText());
    m_control = new QvSNMPRequest2Edits(this);
    m_control->Vars().Assign(QvSNMPVarList(RmonStatsControlVars, MVT_FMV, 0));
    m_control->Vars().title = QStringLiteral("Statistics Control");
    m_control->BindListView(LV_control, true);
    m_control->BindEdits(SC_Index, QStringLiteral("%u"), {ED_Index});
    m_control->BindEdits(SC_DataSource, QStringLiteral("%s"), {Ed_Source});
    m_control->BindControl(SC_Status, CB_Status);
    m_control->SetReportTarget(StatusPanel0);
    connect(LV_control, &QTreeWidget::itemSelectionChanged, this, [this] { LV_controlClick(); });

    m_counters = new QvSNMPRequest2Edits(this);
    m_counters->BindListView(LV_Chart, false);
    m_counters->SetReportTarget(StatusPanel0);
    connect(m_counters, &QvSNMPRequest2Controls::RefreshEnded, this,
            [this](const QvSNMPError &outcome) { CountersRead(outcome); });

    SetWaitTarget(StatusPanel0);
    WatchBinding(m_control);
    WatchBinding(m_counters);
    for (QPushButton *b : {BT_Refresh, BT_Add})
        Wait()->AddSendControl(b);
    // Modify and Delete follow the selection as well: both are set again when the wait is over.
    connect(Wait(), &QvWaitIndicator::WaitingChanged, this, [this] { SetRowButtons(SelectedRow() >= 0); });
    // Escape in the middle of a delete: the list is a list again and polling goes on.
    connect(Wait(), &QvWaitIndicator::CancelledByUser, this, [this] {
        if (m_control->Vars().itemType == MVT_FMV || !RmonAvailable())
            return;
        const QString title = m_control->Vars().title;
        m_control->Vars().Assign(QvSNMPVarList(RmonStatsControlVars, MVT_FMV, 0));
        m_control->Vars().title = title;
        m_monitor->SetRunning(true);
        Timer1->start();
    });
    StartProbe();
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

void TRMONStatisticsForm::SetRowButtons(bool enabled)
{
    enabled = enabled && !Wait()->Waiting();
    BT_Delete->setEnabled(enabled);
    BT_Modify->setEnabled(enabled);
}

int TRMONStatisticsForm::SelectedRow() const
{
    const QList<QTreeWidgetItem *> selected = LV_control->selectedItems();
    return selected.isEmpty() ? -1 : LV_control->indexOfTopLevelItem(selected.first());
}

void TRMONStatisticsForm::LV_controlClick()
{
    if (SelectedRow() < 0) {
        SetRowButtons(false);
        return;
    }
    m_selectedSource = LastArc(Ed_Source->text());
    m_selectedIndex = ED_Index->text();
    SetRowButtons(true);
    // The entry on show stays as it is; entries are told apart by their own index.
    if (ST_Index->text() == m_selectedIndex)
        return;
    ShowSelectedRow();
}

void TRMONStatisticsForm::LV_controlDblClick()
{
    if (SelectedRow() >= 0)
        BT_ModifyClick();
}

void TRMONStatisticsForm::ShowSelectedRow()
{
    const QTreeWidgetItem *row = LV_control->topLevelItem(SelectedRow());
    if (!row)
        return;
    ST_Index->setText(row->text(SC_Index));
    ST_DataSource->setText(QStringLiteral("IfIndex.") + m_selectedSource);
    ST_Owner->setText(row->text(SC_Owner));
    BT_ResetClick();
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

QChart *TRMONStatisticsForm::Chart(int page) const
{
    switch (page) {
    case 1: return CH_Utilization->chart();
    case 2: return CH_Error->chart();
    case 3: return CH_Packet->chart();
    default: return nullptr;
    }
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

void TRMONStatisticsForm::PageControl1Change()
{
    const bool errors = PageControl1->currentIndex() == 2;
    if (errors)
        CK_E3D->setChecked(true);
    CK_U3D->setVisible(!errors);
}

void TRMONStatisticsForm::WalkControls(std::function<void()> then)
{
    RefreshThen(m_control, [this, then](const QvSNMPError &outcome) {
        ControlWalkEnded(outcome);
        if (then)
            then();
    });
}

void TRMONStatisticsForm::ControlWalkEnded(const QvSNMPError &outcome)
{
    ShowWalkOutcome(LV_control, StatusPanel1, outcome.code == 0 ? QString() : outcome.text);
    SetRowButtons(false);
    Ed_Source->clear();
}

void TRMONStatisticsForm::BT_RefreshClick()
{
    if (Wait()->Waiting())
        return;
    WalkControls();
}

void TRMONStatisticsForm::RunDialog(int mode)
{
    if (m_dialog || Wait()->Waiting())
        return;
    m_mode = mode;
    m_dialog = new TStatistics_control(this, mode);
    OpenRmonDialog(m_dialog, [this](int result) {
        if (result == QDialog::Accepted)
            WalkControls();
    });
}

void TRMONStatisticsForm::BT_AddClick()
{
    RunDialog(RDM_Add);
}

void TRMONStatisticsForm::BT_ModifyClick()
{
    if (SelectedRow() < 0)
        return;
    RunDialog(RDM_Modify);
}

void TRMONStatisticsForm::BT_DeleteClick()
{
    if (Wait()->Waiting())
        return;
    Timer1->stop();
    if (SelectedRow() < 0
        || QvMessageBox(this, QStringLiteral("Are you sure?"), QStringLiteral("Delete this entry"),
                        QMessageBox::Ok | QMessageBox::Cancel)
               != QMessageBox::Ok) {
        Timer1->start();
        return;
    }
    m_mode = RDM_Delete;
    if (m_counters->Busy())
        m_counters->Cancel();
    QvSNMPVarList &vars = m_control->Vars();
    const QString title = vars.title;
    vars.Assign(QvSNMPVarList(RmonStatsControlVars, MVT_SV, 0));
    vars.title = title;
    vars.instanceSuffix = ED_Index->text();
    m_monitor->SetRunning(false);
    ClearDisplay();
    // The entry goes, then the list is read again and polling resumes on its first entry.
    InvalidateRmonEntry(*m_control, SC_Status, CB_Status, [this, title](const QvSNMPError &, int) {
        QvSNMPVarList &list = m_control->Vars();
        list.Assign(QvSNMPVarList(RmonStatsControlVars, MVT_FMV, 0));
        list.title = title;
        list.instanceSuffix.clear();
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
    : QDialog(form), m_form(form), m_mode(mode)
{
    setObjectName(QStringLiteral("Statistics_control"));
    setWindowTitle(QStringLiteral("Control Table"));
    GroupBox1 = new QGroupBox(mode == RDM_Modify ? QStringLiteral("Modify") : QStringLiteral("Add"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *rows = new QFormLayout(GroupBox1);
    auto edit = [&](QLineEdit *&e, const QString &name) {
        e = new QLineEdit(GroupBox1);
        e->setObjectName(name);
        return e;
    };
    rows->addRow(QStringLiteral("Index(1...65535)"), edit(ED_Index, QStringLiteral("ED_Index")));
    auto *source = new QHBoxLayout;
    source->addWidget(new QLabel(QStringLiteral("ifIndex ."), GroupBox1));
    source->addWidget(edit(ED_DataSource, QStringLiteral("ED_DataSource")));
    rows->addRow(QStringLiteral("Data Source"), source);
    rows->addRow(QStringLiteral("Owner"), edit(ED_Owner, QStringLiteral("ED_Owner")));
    CB_Status = new QComboBox(this);
    CB_Status->setObjectName(QStringLiteral("CB_Status"));
    CB_Status->hide();
    ED_Sub = new QLineEdit(this);
    ED_Sub->setObjectName(QStringLiteral("ED_Sub"));
    ED_Sub->hide();
    BT_Set = new QPushButton(QStringLiteral("Ok"), this);
    BT_Set->setObjectName(QStringLiteral("BT_Set"));
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    DoneBtn = new QPushButton(QStringLiteral("Done"), this);
    DoneBtn->setObjectName(QStringLiteral("DoneBtn"));
    DoneBtn->hide();
    ST_Status = new QLabel(this);
    ST_Status->setObjectName(QStringLiteral("ST_Status"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BT_Set);
    buttons->addWidget(Button2);
    auto *outer = new QVBoxLayout(this);
    outer->addWidget(GroupBox1);
    outer->addLayout(buttons);
    outer->addWidget(ST_Status);
    connect(BT_Set, &QPushButton::clicked, this, [this] { BT_SetClick(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DoneBtn, &QPushButton::clicked, this, &QDialog::accept);
    FormCreate();
}

TStatistics_control::~TStatistics_control() = default;

void TStatistics_control::FormCreate()
{
    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Vars().Assign(QvSNMPVarList(RmonStatsControlEditVars, MVT_SV, 0));
    m_binding->Vars().title = QStringLiteral("Statistics Control");
    m_binding->Request().retries = 2;
    m_binding->BindEdits(0, QStringLiteral("%u"), {ED_Index});
    m_binding->BindEdits(1, QStringLiteral("%s"), {ED_Sub});
    m_binding->BindEdits(2, QStringLiteral("%s"), {ED_Owner});
    m_binding->BindControl(3, CB_Status);
    m_binding->SetReportTarget(ST_Status);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(ST_Status);
    m_wait->Watch(m_binding);
    // What was typed stays as it was while the writes go out.
    for (QWidget *w : std::initializer_list<QWidget *>{BT_Set, GroupBox1})
        m_wait->AddSendControl(w);
    if (m_mode == RDM_Modify) {
        ED_Index->setEnabled(false);
        ED_DataSource->setText(m_form->SelectedDataSource());
        m_binding->Vars().instanceSuffix = m_form->ED_Index->text();
        RefreshThen(m_binding, [this](const QvSNMPError &outcome) {
            if (outcome.code != 0)
                QvMessageBox(this, outcome.text, QvAppCaption());
        });
    }
    for (int i = 0; i < m_form->LV_control->topLevelItemCount(); ++i)
        m_indexes.append(m_form->LV_control->topLevelItem(i)->text(SC_Index).toUInt());
}

void TStatistics_control::BT_SetClick()
{
    if (m_wait->Waiting())
        return;
    const QString source = ED_DataSource->text();
    if (ED_Index->text().isEmpty() || source.isEmpty() || ED_Owner->text().isEmpty()) {
        QvMessageBox(this, QStringLiteral("Don't leave empty fields !!"), QvAppCaption());
        return;
    }
    if (source != QLatin1String("0") && !IsDigits(source)) {
        QvMessageBox(this, QStringLiteral("DataSource must be integer!!"), QvAppCaption());
        return;
    }
    const bool adding = m_mode != RDM_Modify;
    if (adding && m_indexes.contains(ED_Index->text().toUInt())) {
        QvMessageBox(this, QStringLiteral("The Index must be different !!"), QvAppCaption());
        return;
    }
    if (adding)
        m_binding->Vars().instanceSuffix = ED_Index->text();
    ED_Sub->setText(QStringLiteral("1.3.6.1.2.1.2.2.1.1.") + source);
    WriteRmonEntry(*m_binding, 3, CB_Status, {1, 2}, adding, [this, adding](const QvSNMPError &outcome, int step) {
        if (outcome.code != 0) {
            QvMessageBox(this, QStringLiteral("Writing the entry stopped at %1:\n%2")
                                   .arg(RmonWriteStepText(step, adding), outcome.text),
                         QvAppCaption());
            return;
        }
        if (m_form) {
            m_form->BT_Delete->setEnabled(false);
            m_form->BT_Modify->setEnabled(false);
        }
        accept();
    });
}
