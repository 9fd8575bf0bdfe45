#include "thistoryform.h"

#include "mibtables.h"
#include "qvsnmpconvert.h"
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
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

namespace {

// Columns of the control list and of the sample list (list order, no hidden columns).
enum { HC_Index = 0, HC_DataSource = 1, HC_Owner = 5, HC_Status = 6 };
enum { HS_TimeStamp = 0, HS_Packets = 3, HS_Broadcast = 4, HS_Multicast = 5, HS_CRCAlign = 6, HS_Utilization = 12 };

const TSeriesDesc UtilizationSeries[] = {{"Utilization", 0xFF0000}};
const TSeriesDesc ErrorSeries[] = {{"CRC Align", 0xFF0000}, {"Undersize", 0x008000}, {"Oversize", 0xFFFF00},
                                   {"Fragments", 0x0000FF}, {"Jabbers", 0x000040},  {"Collisions", 0x808080}};
const TSeriesDesc PacketSeries[] = {{"Packets", 0xFF0000}, {"Broadcast", 0x008000}, {"Multicast", 0xFFFF00}};

qint64 NumberOf(const QString &text)
{
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    return ok ? n : 0;
}

QString UtilizationText(const QString &hundredths)
{
    bool ok = false;
    const qint64 n = hundredths.trimmed().toLongLong(&ok);
    return ok ? QString::number(double(n) / 100.0, 'f', 2) + QStringLiteral(" %") : hundredths;
}

}  // namespace

QList<int> HistoryPlotRows(int rowCount, int historyCount)
{
    QList<int> rows;
    for (int i = rowCount - 1; i >= 0 && i > rowCount - historyCount; --i)
        rows.append(i);
    return rows;
}

THistoryForm::THistoryForm(QWidget *owner)
    : TRmonControlWindow(owner, {RmonHistoryControlVars, "History Control", HC_DataSource, HC_Owner, HC_Status, 1})
{
    setObjectName(QStringLiteral("HistoryForm"));
    InstallHelpKey(this, QStringLiteral("monitors.html#rmon-history"));
    BuildControls();
    FormCreate();
}

THistoryForm::~THistoryForm() = default;

void THistoryForm::BuildControls()
{
    setWindowTitle(QStringLiteral("RMON : History Form"));
    resize(637, 521);

    BuildControlList();
    QWidget *table = BuildRmonTablePage(QStringLiteral("TS_Table"), ST_Owner, ST_Index, ST_DataSource, LV_Table,
                                        QStringLiteral("LV_Table"));
    PageControl1->addTab(table, QStringLiteral("Table"));

    CH_Utilization = MakeBarChart(QStringLiteral("CH_Utilization"), QStringLiteral("Utilization"),
                                  QStringLiteral("Utilization (%)"), UtilizationSeries);
    CH_Error = MakeBarChart(QStringLiteral("CH_Error"), QStringLiteral("Error"), QStringLiteral("Errors"), ErrorSeries);
    CH_Packet = MakeBarChart(QStringLiteral("CH_Packet"), QStringLiteral("Packet Distribution"),
                             QStringLiteral("Packets"), PacketSeries);
    AddChartPage(PageControl1, CH_Utilization, QStringLiteral("TS_Utilization"), QStringLiteral("Utilization"));
    AddChartPage(PageControl1, CH_Error, QStringLiteral("TS_Error"), QStringLiteral("Error"), &CK_E3D,
                 QStringLiteral("CK_E3D"));
    AddChartPage(PageControl1, CH_Packet, QStringLiteral("TS_Packet"), QStringLiteral("Packet Distribution"), &CK_P3D,
                 QStringLiteral("CK_P3D"));

    BuildSidePanel({QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"), QStringLiteral("60"),
                    QStringLiteral("120")},
                   QStringLiteral("(10--3600)"), 2);
    BT_View = m_side.AddButton(QStringLiteral("BT_View"), QStringLiteral("View"));
    m_rowButtons.append(BT_View);
    FinishControls(10000);
    auto *ipLabel = new QLabel(QStringLiteral("IP Address:"), this);
    ipLabel->hide();
    ST_IP = new QLabel(this);
    ST_IP->setObjectName(QStringLiteral("ST_IP"));
    ST_IP->hide();
    connect(BT_View, &QPushButton::clicked, this, [this] { BT_ViewClick(); });
}

void THistoryForm::FormCreate()
{
    BindControlList();
    m_samples = new QvSNMPRequest2Edits(this);
    m_samples->BindListView(LV_Table, true);
    // Utilization in percent, as the chart shows it (the switch counts hundredths).
    LV_Table->setItemDelegateForColumn(HS_Utilization, new TDisplayDelegate(&UtilizationText, LV_Table));
    m_samples->SetReportTarget(StatusPanel0);
    // The charts follow every walk of the samples, also one that ended early.
    connect(m_samples, &QvSNMPRequest2Controls::RefreshEnded, this, [this] { PlotHistory(); });
    connect(m_samples, &QvSNMPRequest2Controls::Cancelled, this, [this] { PlotHistory(); });
    WatchRequests(m_samples);
    StartProbe();
}

void THistoryForm::StartProbe()
{
    RefreshThen(m_control, [this](const QvSNMPError &outcome) {
        m_historyCount = CB_HistoryCount->currentText().toInt();
        m_running = true;
        SetRowButtons(false);
        ProbeEnded(outcome, outcome.code == 0 ? LV_control->topLevelItemCount() : 0);
        if (!RmonAvailable())
            return;
        PageControl1->setCurrentIndex(0);
        Timer1->start();
        // The first entry is shown at once.
        LV_control->setCurrentItem(LV_control->topLevelItem(0));
        LV_control->topLevelItem(0)->setSelected(true);
    });
}

void THistoryForm::BT_ViewClick()
{
    if (SelectedRow() < 0)
        return;
    Guarded([this] { ShowSelectedRow(); });
}

void THistoryForm::ReadEntry()
{
    // The samples of another entry are no longer wanted.
    if (m_samples->Busy())
        m_samples->Cancel();
    QvSNMPVarList &vars = m_samples->Vars();
    vars.Assign(QvSNMPVarList(RmonEtherHistoryVars, MVT_FMV, 0));
    // The samples of the chosen entry are those under its own index.
    vars.AppendInstance(m_selectedIndex);
    vars.title = QStringLiteral("Ether History");
    WalkSamples();
}

void THistoryForm::WalkSamples()
{
    // A walk under way draws the charts when it ends.
    if (m_samples->Busy())
        return;
    try {
        m_samples->Refresh();
    } catch (...) {
        PlotHistory();
        throw;
    }
}

THistoryPlot THistoryForm::PlotData() const
{
    THistoryPlot plot;
    plot.utilization.resize(1);
    plot.errors.resize(6);
    plot.packets.resize(3);
    for (int i : HistoryPlotRows(LV_Table->topLevelItemCount(), m_historyCount)) {
        const QTreeWidgetItem *row = LV_Table->topLevelItem(i);
        if (!row || row->columnCount() <= HS_Utilization)
            continue;
        plot.labels.append(row->text(HS_TimeStamp));
        // etherHistoryUtilization counts hundredths of a percent.
        plot.utilization[0].append((NumberOf(row->text(HS_Utilization)) + 50) / 100);
        for (int s = 0; s < 6; ++s)
            plot.errors[s].append(NumberOf(row->text(HS_CRCAlign + s)));
        plot.packets[0].append(NumberOf(row->text(HS_Packets)));
        plot.packets[1].append(NumberOf(row->text(HS_Broadcast)));
        plot.packets[2].append(NumberOf(row->text(HS_Multicast)));
    }
    return plot;
}

void THistoryForm::PlotHistory()
{
    const THistoryPlot plot = PlotData();
    FillBarChart(CH_Utilization, plot.labels, plot.utilization);
    FillBarChart(CH_Error, plot.labels, plot.errors);
    FillBarChart(CH_Packet, plot.labels, plot.packets);
}

void THistoryForm::Timer1Timer()
{
    ST_Time->setText(TimeOfDayText());
    // A tick while a request of this window is out waits for the next one.
    if (!m_running || ST_Index->text().isEmpty() || Wait()->Waiting() || m_control->Busy() || m_samples->Busy())
        return;
    Guarded([this] { WalkSamples(); });
}

void THistoryForm::BT_StartClick() { m_running = true; }

void THistoryForm::BT_StopClick() { m_running = false; }

void THistoryForm::BT_ResetClick()
{
    Guarded([this] { WalkSamples(); });
}

void THistoryForm::CB_IntervalChange()
{
    Timer1->setInterval(CB_Interval->currentText().toInt() * 1000);
}

void THistoryForm::CB_HistoryCountChange()
{
    m_historyCount = CB_HistoryCount->currentText().toInt();
    Guarded([this] { WalkSamples(); });
}

void THistoryForm::BT_RefreshClick()
{
    Guarded([this] { WalkControls(); });
}

void THistoryForm::CK_U3DClick()
{
    // Qt Charts draws no 3D view: the boxes keep their state only.
    CK_P3D->setChecked(CK_U3D->isChecked());
}

THistory_control *THistoryForm::Dialog() const
{
    return qobject_cast<THistory_control *>(m_dialog.data());
}

QDialog *THistoryForm::MakeDialog(int mode)
{
    return new THistory_control(this, mode);
}

void THistoryForm::BT_DeleteClick()
{
    if (SelectedRow() < 0 || Wait()->Waiting() || !ConfirmRmonDelete(this))
        return;
    // The list is read again only when the entry went.
    InvalidateSelected([this](const QvSNMPError &outcome) {
        if (outcome.code == 0)
            Guarded([this] { WalkControls(); });
    });
}

// ---- the dialog ----

THistory_control::THistory_control(THistoryForm *form, int mode)
    : TRmonControlDialog(form, "History_control", mode)
{
    ED_Index = AddEdit(QStringLiteral("Index(1...65535)"), "ED_Index");
    ED_Datatsource = AddSourceEdit(QStringLiteral("Data Source "), QStringLiteral("IfIndex."), "ED_Datatsource");
    ED_Owner = AddEdit(QStringLiteral("Owner"), "ED_Owner");
    ED_Buckets = AddEdit(QStringLiteral("Buckets(1...65535)"), "ED_Buckets");
    ED_Interval = AddEdit(QStringLiteral("Interval(1..3600)"), "ED_Interval");
    FinishControls();
    Bind(RmonHistoryControlEditVars, "History Control",
         {{"%u", ED_Index}, {"%s", ED_Sub}, {"%u", ED_Buckets}, {"%u", ED_Interval}, {"%s", ED_Owner}});
    if (mode != RDM_Modify)
        return;
    ReadChosenEntry([this](const QvSNMPError &outcome) {
        // Nothing to modify: the dialog goes.
        m_readFailed = true;
        QvMessageBox(this, outcome.text, QvAppCaption());
        reject();
    });
}

THistory_control::~THistory_control() = default;

void THistory_control::Button2Click()
{
    reject();
}

void THistory_control::BT_SetClick()
{
    if (m_wait->Waiting())
        return;
    const QString source = ED_Datatsource->text().trimmed();
    if (ED_Index->text().isEmpty() || ED_Buckets->text().isEmpty() || ED_Interval->text().isEmpty()) {
        QvMessageBox(this, QStringLiteral("Don't leave empty fields !!"), QvAppCaption());
        return;
    }
    if (!CheckSource(source))
        return;
    // What can be checked here is checked before anything goes out.
    qint64 number = 0;
    const struct {
        QLineEdit *edit;
        qint64 min, max;
        const char *what;
    } numbers[] = {{ED_Index, 1, 65535, "Index"}, {ED_Buckets, 1, 65535, "Buckets Requested"},
                   {ED_Interval, 1, 3600, "Interval"}};
    for (const auto &n : numbers) {
        if (!QvParseDecimal(n.edit->text(), n.min, n.max, &number)) {
            QvMessageBox(this, QStringLiteral("%1 must be a whole number from %2 to %3.")
                                   .arg(QLatin1String(n.what)).arg(n.min).arg(n.max),
                         QvAppCaption());
            n.edit->setFocus();
            return;
        }
    }
    const QString index = QString::number(ED_Index->text().trimmed().toLongLong());
    if (Adding() && m_form) {
        for (int r = 0; r < m_form->LV_control->topLevelItemCount(); ++r) {
            if (m_form->LV_control->topLevelItem(r)->text(HC_Index).trimmed() == index) {
                QvMessageBox(this, QStringLiteral("History entry %1 exists already: choose another index.").arg(index),
                             QvAppCaption());
                ED_Index->setFocus();
                return;
            }
        }
    }
    WriteEntry(index, QString::number(source.toULongLong()), {1, 2, 3, 4}, [this] {
        if (m_form)
            m_form->BT_RefreshClick();
        accept();
    });
}
