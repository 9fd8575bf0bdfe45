#include "tportcounterform.h"

#include "mibtables.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "tlistviewfilter.h"
#include "tmessagebox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

TPortCounterForm::TPortCounterForm(QWidget *owner, const TPortCounterFormDesc &desc)
    : TCounterPollForm(owner, desc.objectName, desc.caption,
                       desc.highCapacity ? QStringLiteral("monitors.html#counters")
                                         : QStringLiteral("monitors.html#bridge-ports")),
      m_desc(desc)
{
    resize(desc.size);
    // SNMPv1 has no Counter64.
    m_hc = desc.highCapacity && SessionParams().Security.Version != SNMP_VERSION_V1;
    MakeMonitor();

    auto *left = new QVBoxLayout;
    m_body->addLayout(left, 1);
    m_ports = new QTreeWidget(this);
    m_ports->setObjectName(QString::fromLatin1(desc.portList));
    m_ports->setMaximumHeight(140);
    TListViewExport::Attach(m_ports);
    TListViewFilter::Attach(m_ports);
    left->addWidget(m_ports);
    auto *chosen = new QHBoxLayout;
    chosen->addWidget(new QLabel(QString::fromLatin1(desc.portLabel), this));
    m_stIndex = MonitorStaticText(this, "ST_Index");
    chosen->addWidget(m_stIndex);
    chosen->addWidget(new QLabel(QString::fromLatin1(desc.descrLabel), this));
    m_stDescr = MonitorStaticText(this, "ST_Descr");
    chosen->addWidget(m_stDescr, 1);
    left->addLayout(chosen);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    left->addWidget(m_pages, 1);
    auto *dataPage = new QWidget;
    auto *dataLayout = new QVBoxLayout(dataPage);
    m_display = MakeCounterList(dataPage, QString::fromLatin1(desc.displayList),
                                [this, label = QString::fromLatin1(desc.portLabel).trimmed()] {
                                    return windowTitle() + QStringLiteral(" - ") + label + QLatin1Char(' ') +
                                           m_stIndex->text().trimmed();
                                });
    dataLayout->addWidget(m_display);
    m_hidden = HiddenListView(dataPage, desc.hiddenList);
    m_pages->addTab(dataPage, QString::fromLatin1(desc.dataPage));
    m_chart = new TCounterChart(nullptr, QString::fromLatin1(desc.chartName), QString(), QStringLiteral("Delta"),
                                desc.series);
    m_pages->addTab(m_chart, QString::fromLatin1(desc.chartPage));

    BeginSidePanel(QStringLiteral("System Time:"));
    auto *countLabel = new QLabel(QStringLiteral("Count"), this);
    m_side->addWidget(countLabel);
    m_historyCount = MonitorCombo(this, "CB_HistoryCount", HistoryCountItems);
    m_side->addWidget(m_historyCount);
    m_u3d = new QCheckBox(QStringLiteral("3D Line"), this);
    m_u3d->setObjectName(QStringLiteral("CK_U3D"));
    m_side->addWidget(m_u3d);
    for (QWidget *w : std::initializer_list<QWidget *>{countLabel, m_historyCount, m_u3d})
        w->setVisible(desc.chartControls);
    QPushButton *reset = MonitorButton(this, "BT_Reset", "Reset");
    QPushButton *stop = MonitorButton(this, "BT_Stop", "Pause");
    QPushButton *start = MonitorButton(this, "BT_Start", "Start");
    QPushButton *refresh = MonitorButton(this, desc.refreshButton, "Refresh");
    QPushButton *portSet = MonitorButton(this, desc.portSetButton, "Port Set");
    QPushButton *exit = MonitorButton(this, desc.exitButton, "Exit");
    portSet->hide();
    EndSidePanel({reset, stop, start, refresh, portSet, exit}, {reset, start, stop, exit});
    m_listStatus = AddListOutcomePanel(qobject_cast<QStatusBar *>(m_status->parentWidget()));

    // The counters of the chosen port, polled.
    m_binding->Vars().Assign(CounterVars());
    m_binding->Vars().instanceSuffix = QStringLiteral("1");
    // The port list, walked at creation and by "Refresh".
    m_portBinding = new QvSNMPRequest2Edits(this);
    m_portBinding->Request().LoadSessionParams();
    if (desc.portRetries >= 0)
        m_portBinding->Request().retries = desc.portRetries;
    m_portBinding->Vars().Assign(QvSNMPVarList(desc.portTable, desc.portItemType, 1));
    m_portBinding->BindListView(m_ports, true);
    m_portBinding->BindText(0, m_stIndex);
    m_portBinding->BindText(1, m_stDescr);
    m_portBinding->SetReportTarget(m_status);

    m_wait->AddSendControl(refresh);
    m_wait->AddSendControl(portSet);
    m_wait->Watch(m_portBinding);

    connect(m_portBinding, &QvSNMPRequest2Controls::RefreshEnded, this, &TPortCounterForm::PortsRead);
    connect(m_portBinding, &QvSNMPRequest2Controls::Cancelled, this, [this] {
        // Escape during the walk: the rows read so far stay usable.
        if (m_stopped)
            return;
        if (m_ports->topLevelItemCount() > 0) {
            ShowWalkOutcome(m_ports, m_listStatus, QStringLiteral("Cancelled."));
            PortsListed();
        } else {
            m_listState = PortList::NoAnswer;
        }
    });
    connect(m_historyCount, &QComboBox::currentIndexChanged, this, &TPortCounterForm::CB_HistoryCountChange);
    connect(m_u3d, &QCheckBox::clicked, this, &TPortCounterForm::CK_U3DClick);
    connect(refresh, &QPushButton::clicked, this, &TPortCounterForm::RefreshPortsClick);
    connect(portSet, &QPushButton::clicked, this, &TPortCounterForm::PortSetClick);
    // Connected after the binding's own handler, which has copied the row into ST_Index by then.
    connect(m_ports, &QTreeWidget::itemSelectionChanged, this, &TPortCounterForm::PortListClick);

    // The clock runs at once; polls start once a port is chosen.
    m_timer->start();
    ReadPorts();
}

TPortCounterForm::~TPortCounterForm()
{
    Stop();
}

void TPortCounterForm::Stop()
{
    // What is still out is dropped: late answers reach nothing.
    TCounterPollForm::Stop();
    if (m_portBinding) {
        m_portBinding->Cancel();
        m_portBinding->Request().alive = 0;
    }
}

namespace {

// ifTable counters and their 64-bit ifXTable columns; the speeds read after the counters.
const struct {
    const char *oid, *hc;
} HcColumns[] = {{"1.3.6.1.2.1.2.2.1.10", "1.3.6.1.2.1.31.1.1.1.6"},
                 {"1.3.6.1.2.1.2.2.1.11", "1.3.6.1.2.1.31.1.1.1.7"},
                 {"1.3.6.1.2.1.2.2.1.16", "1.3.6.1.2.1.31.1.1.1.10"},
                 {"1.3.6.1.2.1.2.2.1.17", "1.3.6.1.2.1.31.1.1.1.11"}};
const char IfSpeedOid[] = "1.3.6.1.2.1.2.2.1.5";
const char IfHighSpeedOid[] = "1.3.6.1.2.1.31.1.1.1.15";

} // namespace

QvSNMPVarList TPortCounterForm::CounterVars() const
{
    QvSNMPVarList vars(m_desc.counterTable, m_desc.counterItemType, 0);
    if (!m_desc.highCapacity)
        return vars;
    if (m_hc) {
        for (int i = 0; i < vars.Count(); ++i)
            for (const auto &c : HcColumns)
                if (vars.Item(i).oid == QLatin1String(c.oid)) {
                    vars.Item(i).oid = QString::fromLatin1(c.hc);
                    vars.Item(i).syntax = SYN_COUNTER64;
                }
    }
    vars.AddVar(QString::fromLatin1(IfSpeedOid), QStringLiteral("ifSpeed"), SYN_GAUGE, ACC_READONLY);
    if (m_hc)
        vars.AddVar(QString::fromLatin1(IfHighSpeedOid), QStringLiteral("ifHighSpeed"), SYN_GAUGE, ACC_READONLY);
    return vars;
}

void TPortCounterForm::MakeMonitor()
{
    TCounterMonitorOptions options;
    options.firstSample = TFirstSample::RecordOnly;
    options.history = THistoryValue::Delta;
    options.historyPrefilled = m_desc.historyPrefilled;
    options.historyCount = m_historyCount ? m_historyCount->currentText().toInt() : HistoryCountItems.first().toInt();
    QList<TCounterSpec> specs = TCounterMonitor::Sequence(m_desc.names, 2);
    if (m_hc) {
        const QvSNMPVarList vars = CounterVars();
        for (TCounterSpec &spec : specs)
            spec.wide = spec.position < vars.Count() && vars.Item(spec.position).syntax == SYN_COUNTER64;
    }
    const bool running = !m_monitor || m_monitor->Running();
    m_monitor = std::make_unique<TCounterMonitor>(specs, options);
    m_monitor->SetRunning(running);
}

QString TPortCounterForm::Instance() const { return m_binding->Vars().instanceSuffix; }

void TPortCounterForm::ResetMonitor()
{
    // Start over for the port shown in ST_Index, with the history count chosen.
    const QString port = m_stIndex->text().trimmed();
    if (!port.isEmpty())
        m_pendingInstance = port;
    m_monitor->SetHistoryCount(m_historyCount->currentText().toInt());
    m_monitor->Reset();
    ShowCounterRows(m_display, *m_monitor);
    m_freshness->Clear(*m_monitor);
    m_chart->Plot(*m_monitor);
    // A poll still out keeps its list until it is answered; its answer is dropped.
    if (!m_binding->Busy())
        ApplyInstance();
}

void TPortCounterForm::ApplyInstance()
{
    if (m_pendingInstance.isEmpty())
        return;
    m_binding->Vars().Assign(CounterVars());
    m_binding->Vars().instanceSuffix = m_pendingInstance;
    m_pendingInstance.clear();
}

bool TPortCounterForm::ReadyToPoll() const
{
    // Nothing to poll before a port is chosen; a tick that finds anything out lets it be.
    return m_listState == PortList::Listed && !m_wait->Waiting();
}

void TPortCounterForm::PollDone()
{
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        if (!m_pendingInstance.isEmpty()) {
            ApplyInstance();
            return;
        }
        QString error;
        const QStringList row = HiddenRowTexts(m_hidden);
        if (!m_monitor->Update(row, &error, QTime::currentTime(), MonotonicMs())) {
            if (m_hc) {
                FallBackTo32Bits();
                return;
            }
            Report(error);
            return;
        }
        if (m_desc.highCapacity) {
            // ifHighSpeed (Mbit/s) where served and not 0, else ifSpeed unless it is at its top.
            const int base = 2 + int(m_desc.names.size());
            const quint64 high = row.value(base + 1).trimmed().toULongLong();
            const quint64 speed = row.value(base).trimmed().toULongLong();
            m_monitor->SetSpeedBps(m_hc && high > 0 ? high * 1000000ULL : speed < 4294967295ULL ? speed : 0);
        }
        ShowCounterRows(m_display, *m_monitor);
        m_freshness->Answered(*m_monitor);
        if (m_monitor->UpdateCount() > 1)
            m_chart->Plot(*m_monitor);
    });
}

void TPortCounterForm::FallBackTo32Bits()
{
    // The switch answered without ifXTable: the 32-bit counters from now on.
    m_hc = false;
    Report(QStringLiteral("No 64-bit counters on this switch: the 32-bit ones are read."));
    MakeMonitor();
    ShowCounterRows(m_display, *m_monitor);
    m_chart->Plot(*m_monitor);
    m_binding->Vars().Assign(CounterVars());
}

bool TPortCounterForm::PollRefused(const QvSNMPError &outcome)
{
    // An answer that refuses the ifXTable columns is no silence.
    if (!m_hc || outcome.code > QVA_TOO_BIG || outcome.code < QVA_INCONSISTENT_NAME)
        return false;
    FallBackTo32Bits();
    return true;
}

void TPortCounterForm::CB_HistoryCountChange() { ResetMonitor(); }
void TPortCounterForm::CK_U3DClick() { m_chart->SetDepthLook(m_u3d->isChecked()); }
void TPortCounterForm::BT_ResetClick() { ResetMonitor(); }
void TPortCounterForm::ExitClick() { close(); }

void TPortCounterForm::ReadPorts()
{
    if (m_stopped || m_portBinding->Busy())
        return;
    // A poll still out would answer for the old list.
    if (m_binding->Busy())
        m_binding->Cancel();
    m_listState = PortList::Reading;
    try {
        m_portBinding->Refresh();
    } catch (const QvSNMPException &e) {
        QvSNMPError failed;
        failed.code = e.code();
        failed.text = e.text();
        m_portBinding->Report(e.text());
        PortsRead(failed);
    } catch (const std::exception &e) {
        QvSNMPError failed;
        failed.code = QVE_UNKNOWN;
        failed.text = QString::fromLatin1(e.what());
        m_portBinding->Report(failed.text);
        PortsRead(failed);
    }
}

void TPortCounterForm::PortsRead(const QvSNMPError &outcome)
{
    if (m_stopped)
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [&] {
        ShowWalkOutcome(m_ports, m_listStatus, outcome.code != 0 ? outcome.text : QString());
        if (m_ports->topLevelItemCount() > 0) {
            PortsListed();
            return;
        }
        // "No such name" is the switch's own word that the list does not exist; any other
        // failure (no answer above all) is not "no port": the window stays and Refresh tries again.
        if (outcome.code != 0 && outcome.code != QVA_NO_SUCH_NAME) {
            m_listState = PortList::NoAnswer;
            m_status->setText(NoAnswerText(outcome.text));
            return;
        }
        m_listState = PortList::Empty;
        if (m_everListed)
            return;  // a list that has emptied since stays shown empty
        // The switch has no port at all: say so and close, once this answer is done with (its
        // request must not be cancelled from within its own completion).
        m_timer->stop();
        QMetaObject::invokeMethod(this, [this] {
            QWidget *owner = parentWidget();
            Stop();
            close();
            QvMessageBox(owner, NotSupportedText, QvAppCaption());
        }, Qt::QueuedConnection);
    });
}

void TPortCounterForm::PortsListed()
{
    m_listState = PortList::Listed;
    const bool first = !m_everListed;
    m_everListed = true;
    m_ports->setCurrentItem(m_ports->topLevelItem(0));  // selects it and starts the monitor on it
    if (first)
        m_ports->setFocus();
    // The first poll a whole interval after the list, as at the start.
    m_timer->start();
}

void TPortCounterForm::RefreshPortsClick()
{
    ReadPorts();
}

void TPortCounterForm::PortListClick()
{
    if (!m_ports->selectedItems().isEmpty())
        ResetMonitor();
}

void TPortCounterForm::PortSetClick()
{
    if (!m_ports->selectedItems().isEmpty())
        ResetMonitor();
}

// ---------------------------------------------------------------------------------------------

namespace {

QList<TSeriesDesc> SeriesOf(const QStringList &names, const QList<QColor> &colours)
{
    QList<TSeriesDesc> series;
    for (int k = 0; k < names.size(); ++k)
        series.append({names[k], colours[k]});
    return series;
}

const QStringList IfCounterNames = {"InOctets",        "InUcastPkts", "InNUcastPkts", "InDiscards",
                                    "InErrors",        "InUnknownProtos", "OutOctets", "OutUcastPkts",
                                    "OutNUcastPkts",   "OutDiscards", "OutErrors"};
// Eleven colours apart from each other and from the white plot area.
const QList<QColor> IfSeriesColours = {QColor(0xd6, 0x27, 0x28), QColor(0x2c, 0xa0, 0x2c), QColor(0x80, 0x80, 0x00),
                                       QColor(0x1f, 0x77, 0xb4), QColor(0x00, 0x00, 0x00), QColor(0x7f, 0x7f, 0x7f),
                                       QColor(0xe3, 0x77, 0xc2), QColor(0x17, 0xbe, 0xcf), QColor(0x94, 0x67, 0xbd),
                                       QColor(0x8c, 0x56, 0x4b), QColor(0xff, 0x7f, 0x0e)};
const QStringList BridgeCounterNames = {"Input Frames", "Output Frames", "Discard Frames"};

} // namespace

TIF_Counters::TIF_Counters(QWidget *owner)
    : TPortCounterForm(owner,
                       {"IF_Counters", "IF Counters", QSize(780, 580), IfDescrVars, MVT_UMV, -1, "LV_IFTableIndex",
                        "Index", "Description", IfCountersVars, MVT_SV, "LV_IFCounterData", "LV_IF_Counters",
                        IfCounterNames, "Data Information", "Packet In Chart", "CH_InCounterChart",
                        SeriesOf(IfCounterNames, IfSeriesColours),
                        false, false, "Button1", "BT_Set", "Button2", true})
{
}

TTpBridgePortInfo_Table::TTpBridgePortInfo_Table(QWidget *owner)
    : TPortCounterForm(owner,
                       {"TpBridgePortInfo_Table", "Transparent Bridge Port Counter", QSize(564, 495), TpPortVars,
                        MVT_UMV, 5, "LV_TpBridge_Port_Index", "Port Number", "Max  Info ", TpPortCountersVars,
                        MVT_SV, "LV_Chart", "LV_TpBridge_Port_Info", BridgeCounterNames, "Port Counter Table",
                        "Port Traffic", "CH_Utilization",
                        SeriesOf(BridgeCounterNames, {IfSeriesColours[0], IfSeriesColours[1], IfSeriesColours[3]}), true, true, "BT_Refresh",
                        "BT_PortSet", "Button1", false})
{
}
