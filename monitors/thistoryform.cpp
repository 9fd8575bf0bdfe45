#include "thistoryform.h"

#include "mibtables.h"
#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "rmoncharts.h"
#include "rmoncommon.h"
#include "tmessagebox.h"
#include "tmonitorparts.h"
#include "thelpviewer.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

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

THistoryForm::THistoryForm(QWidget *owner) : TRmonWindow(owner)
{
    setObjectName(QStringLiteral("HistoryForm"));
    InstallHelpKey(this, QStringLiteral("monitors.html#rmon-history"));
    BuildControls();
    FormCreate();
}

THistoryForm::~THistoryForm()
{
    Timer1->stop();
}

void THistoryForm::BuildControls()
{
    setWindowTitle(QStringLiteral("RMON : History Form"));
    resize(637, 521);

    LV_control = MakeListView(this, QStringLiteral("LV_control"));
    LV_control->setMaximumHeight(140);
    LV_control->setItemDelegateForColumn(HC_DataSource, new TDisplayDelegate(&IfIndexText, LV_control));
    ED_Index = new QLineEdit(this);
    ED_Index->setObjectName(QStringLiteral("ED_Index"));
    ED_Index->hide();
    Ed_Source = new QLineEdit(this);
    Ed_Source->setObjectName(QStringLiteral("Ed_Source"));
    Ed_Source->hide();
    CB_Status = new QComboBox(this);
    CB_Status->setObjectName(QStringLiteral("CB_Status"));
    CB_Status->hide();

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
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

    TRmonSidePanel side = BuildRmonSidePanel(this, {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                                                    QStringLiteral("60"), QStringLiteral("120")},
                                             QStringLiteral("(10--3600)"), 2);
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
    BT_View = side.AddButton(QStringLiteral("BT_View"), QStringLiteral("View"));
    BT_Refresh = side.AddButton(QStringLiteral("BT_Refresh"), QStringLiteral("Refresh"));
    auto *ipLabel = new QLabel(QStringLiteral("IP Address:"), this);
    ipLabel->hide();
    ST_IP = new QLabel(this);
    ST_IP->setObjectName(QStringLiteral("ST_IP"));
    ST_IP->hide();

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = AddStatusPanel(StatusBar1, 50);
    StatusPanel1 = AddListOutcomePanel(StatusBar1);
    LayOutRmonForm(this, LV_control, PageControl1, side.layout, StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10000);

    connect(BT_Close, &QPushButton::clicked, this, &QWidget::close);
    connect(BT_Start, &QPushButton::clicked, this, [this] { BT_StartClick(); });
    connect(BT_Stop, &QPushButton::clicked, this, [this] { BT_StopClick(); });
    connect(BT_Reset, &QPushButton::clicked, this, [this] { BT_ResetClick(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_View, &QPushButton::clicked, this, [this] { BT_ViewClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { BT_AddClick(); });
    connect(BT_Modify, &QPushButton::clicked, this, [this] { BT_ModifyClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(CB_Interval, &QComboBox::currentIndexChanged, this, [this] { CB_IntervalChange(); });
    connect(CB_HistoryCount, &QComboBox::currentIndexChanged, this, [this] { CB_HistoryCountChange(); });
    connect(CK_U3D, &QCheckBox::toggled, this, [this] { CK_U3DClick(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    connect(LV_control, &QTreeWidget::itemDoubleClicked, this, [this] { LV_controlDblClick(); });
}

template <typename F>
void THistoryForm::Guarded(F &&body)
{
    try {
        body();
    } catch (const QvSNMPException &e) {
        Report(e.text());
    } catch (const std::exception &e) {
        Report(QString::fromLocal8Bit(e.what()));
    }
}

void THistoryForm::Report(const QString &text)
{
    if (m_control)
        m_control->Report(text);
    else
        StatusPanel0->setText(text);
}

void THistoryForm::FormCreate()
{
    ST_Time->setText(TimeOfDayText());

    m_control = new QvSNMPRequest2Edits(this);
    m_control->Vars().Assign(QvSNMPVarList(RmonHistoryControlVars, MVT_FMV, 0));
    m_control->Vars().title = QStringLiteral("History Control");
    m_control->Request().retries = 1;
    m_control->BindListView(LV_control, true);
    m_control->BindEdits(0, QStringLiteral("%u"), {ED_Index});
    m_control->BindEdits(1, QStringLiteral("%s"), {Ed_Source});
    m_control->BindControl(6, CB_Status);
    m_control->SetReportTarget(StatusPanel0);
    // After the binding's own handler, which copies the chosen row into the hidden controls.
    connect(LV_control, &QTreeWidget::itemSelectionChanged, this, [this] { LV_controlClick(); });

    m_samples = new QvSNMPRequest2Edits(this);
    m_samples->BindListView(LV_Table, true);
    // Utilization in percent, as the chart shows it (the switch counts hundredths).
    LV_Table->setItemDelegateForColumn(HS_Utilization, new TDisplayDelegate(&UtilizationText, LV_Table));
    m_samples->SetReportTarget(StatusPanel0);
    // The charts follow every walk of the samples, also one that ended early.
    connect(m_samples, &QvSNMPRequest2Controls::RefreshEnded, this, [this] { PlotHistory(); });
    connect(m_samples, &QvSNMPRequest2Controls::Cancelled, this, [this] { PlotHistory(); });

    SetWaitTarget(StatusPanel0);
    WatchBinding(m_control);
    WatchBinding(m_samples);
    for (QPushButton *b : {BT_Refresh, BT_Add})
        Wait()->AddSendControl(b);
    // Modify, Delete and View follow the selection as well: set again when the wait is over.
    connect(Wait(), &QvWaitIndicator::WaitingChanged, this, [this] { SetRowButtons(SelectedRow() >= 0); });
    // Escape in the middle of a delete: the list is a list again.
    connect(Wait(), &QvWaitIndicator::CancelledByUser, this, [this] {
        if (m_control->Vars().itemType == MVT_FMV)
            return;
        m_control->Vars().Assign(QvSNMPVarList(RmonHistoryControlVars, MVT_FMV, 0));
        m_control->Vars().title = QStringLiteral("History Control");
    });
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

void THistoryForm::SetRowButtons(bool enabled)
{
    enabled = enabled && !Wait()->Waiting();
    BT_Delete->setEnabled(enabled);
    BT_Modify->setEnabled(enabled);
    BT_View->setEnabled(enabled);
}

int THistoryForm::SelectedRow() const
{
    const QList<QTreeWidgetItem *> selected = LV_control->selectedItems();
    return selected.isEmpty() ? -1 : LV_control->indexOfTopLevelItem(selected.first());
}

void THistoryForm::LV_controlClick()
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
    Guarded([this] { ShowSelectedRow(); });
}

void THistoryForm::LV_controlDblClick()
{
    if (SelectedRow() >= 0)
        BT_ModifyClick();
}

void THistoryForm::BT_ViewClick()
{
    if (SelectedRow() < 0)
        return;
    Guarded([this] { ShowSelectedRow(); });
}

void THistoryForm::ShowSelectedRow()
{
    const QTreeWidgetItem *row = LV_control->topLevelItem(SelectedRow());
    if (!row)
        return;
    ST_Index->setText(row->text(HC_Index));
    ST_DataSource->setText(QStringLiteral("IfIndex.") + m_selectedSource);
    ST_Owner->setText(row->text(HC_Owner));
    ReadSamples();
}

void THistoryForm::ReadSamples()
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

void THistoryForm::WalkControls(std::function<void()> then)
{
    RefreshThen(m_control, [this, then](const QvSNMPError &outcome) {
        ShowWalkOutcome(LV_control, StatusPanel1, outcome.code == 0 ? QString() : outcome.text);
        SetRowButtons(false);
        Ed_Source->clear();
        if (then)
            then();
    });
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

QChart *THistoryForm::Chart(int page) const
{
    switch (page) {
    case 1: return CH_Utilization->chart();
    case 2: return CH_Error->chart();
    case 3: return CH_Packet->chart();
    default: return nullptr;
    }
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

void THistoryForm::PageControl1Change()
{
    const bool errors = PageControl1->currentIndex() == 2;
    if (errors)
        CK_E3D->setChecked(true);
    CK_U3D->setVisible(!errors);
}

void THistoryForm::RunDialog(int mode)
{
    if (m_dialog || Wait()->Waiting())
        return;
    m_mode = mode;
    m_dialog = new THistory_control(this, mode);
    OpenRmonDialog(m_dialog, {});
}

void THistoryForm::BT_AddClick()
{
    RunDialog(RDM_Add);
}

void THistoryForm::BT_ModifyClick()
{
    if (SelectedRow() < 0)
        return;
    RunDialog(RDM_Modify);
}

void THistoryForm::BT_DeleteClick()
{
    if (SelectedRow() < 0 || Wait()->Waiting())
        return;
    if (QvMessageBox(this, QStringLiteral("Are you sure?"), QStringLiteral("Delete this entry"),
                     QMessageBox::Ok | QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    m_mode = RDM_Delete;
    const QString index = ED_Index->text();
    QvSNMPVarList &vars = m_control->Vars();
    vars.Assign(QvSNMPVarList(RmonHistoryControlVars, MVT_SV, 0));
    vars.instanceSuffix = index;
    // The list is read again only when the entry went.
    InvalidateRmonEntry(*m_control, 6, CB_Status, [this](const QvSNMPError &outcome, int) {
        QvSNMPVarList &list = m_control->Vars();
        list.Assign(QvSNMPVarList(RmonHistoryControlVars, MVT_FMV, 0));
        list.instanceSuffix.clear();
        if (outcome.code == 0)
            Guarded([this] { WalkControls(); });
    });
}

// ---- the dialog ----

THistory_control::THistory_control(THistoryForm *form, int mode) : QDialog(form), m_form(form), m_mode(mode)
{
    setObjectName(QStringLiteral("History_control"));
    setWindowTitle(QStringLiteral("Control Table"));
    GroupBox1 = new QGroupBox(mode == RDM_Modify ? QStringLiteral("Modify") : QStringLiteral("Add"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *form1 = new QFormLayout(GroupBox1);
    auto edit = [&](QLineEdit *&e, const QString &name) {
        e = new QLineEdit(GroupBox1);
        e->setObjectName(name);
        return e;
    };
    form1->addRow(QStringLiteral("Index(1...65535)"), edit(ED_Index, QStringLiteral("ED_Index")));
    auto *source = new QHBoxLayout;
    source->addWidget(new QLabel(QStringLiteral("IfIndex."), GroupBox1));
    source->addWidget(edit(ED_Datatsource, QStringLiteral("ED_Datatsource")));
    form1->addRow(QStringLiteral("Data Source "), source);
    form1->addRow(QStringLiteral("Owner"), edit(ED_Owner, QStringLiteral("ED_Owner")));
    form1->addRow(QStringLiteral("Buckets(1...65535)"), edit(ED_Buckets, QStringLiteral("ED_Buckets")));
    form1->addRow(QStringLiteral("Interval(1..3600)"), edit(ED_Interval, QStringLiteral("ED_Interval")));
    CB_Status = new QComboBox(GroupBox1);
    CB_Status->setObjectName(QStringLiteral("CB_Status"));
    CB_Status->hide();
    ED_Sub = new QLineEdit(this);
    ED_Sub->setObjectName(QStringLiteral("ED_Sub"));
    ED_Sub->hide();
    BT_Set = new QPushButton(QStringLiteral("Ok"), this);
    BT_Set->setObjectName(QStringLiteral("BT_Set"));
    Button2 = new QPushButton(QStringLiteral("Cancel"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
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
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    FormCreate();
}

THistory_control::~THistory_control() = default;

void THistory_control::FormCreate()
{
    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Vars().Assign(QvSNMPVarList(RmonHistoryControlEditVars, MVT_SV, 0));
    m_binding->Vars().title = QStringLiteral("History Control");
    m_binding->Request().retries = 2;
    m_binding->BindEdits(0, QStringLiteral("%u"), {ED_Index});
    m_binding->BindEdits(1, QStringLiteral("%s"), {ED_Sub});
    m_binding->BindEdits(2, QStringLiteral("%u"), {ED_Buckets});
    m_binding->BindEdits(3, QStringLiteral("%u"), {ED_Interval});
    m_binding->BindEdits(4, QStringLiteral("%s"), {ED_Owner});
    m_binding->BindControl(5, CB_Status);
    m_binding->SetReportTarget(ST_Status);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(ST_Status);
    m_wait->Watch(m_binding);
    // What was typed stays as it was while the writes go out.
    for (QWidget *w : std::initializer_list<QWidget *>{BT_Set, GroupBox1})
        m_wait->AddSendControl(w);
    if (m_mode != RDM_Modify)
        return;
    ED_Index->setEnabled(false);
    ED_Datatsource->setText(m_form->SelectedDataSource());
    m_binding->Vars().instanceSuffix = m_form->ED_Index->text();
    RefreshThen(m_binding, [this](const QvSNMPError &outcome) {
        if (outcome.code == 0)
            return;
        // Nothing to modify: the dialog goes.
        m_readFailed = true;
        QvMessageBox(this, outcome.text, QvAppCaption());
        reject();
    });
}

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
    if (source != QLatin1String("0") && !IsDigits(source)) {
        QvMessageBox(this, QStringLiteral("DataSource must be integer!!"), QvAppCaption());
        return;
    }
    const bool adding = m_mode != RDM_Modify;
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
    if (adding && m_form) {
        const QString index = QString::number(ED_Index->text().trimmed().toLongLong());
        for (int r = 0; r < m_form->LV_control->topLevelItemCount(); ++r) {
            if (m_form->LV_control->topLevelItem(r)->text(HC_Index).trimmed() == index) {
                QvMessageBox(this, QStringLiteral("History entry %1 exists already: choose another index.").arg(index),
                             QvAppCaption());
                ED_Index->setFocus();
                return;
            }
        }
    }
    if (adding)
        m_binding->Vars().instanceSuffix = QString::number(ED_Index->text().trimmed().toLongLong());
    ED_Sub->setText(QStringLiteral("1.3.6.1.2.1.2.2.1.1.") + QString::number(source.toULongLong()));
    WriteRmonEntry(*m_binding, 5, CB_Status, {1, 2, 3, 4}, adding,
                   [this, adding](const QvSNMPError &outcome, int step) {
                       if (outcome.code != 0) {
                           QvMessageBox(this, QStringLiteral("Writing the entry stopped at %1:\n%2")
                                                  .arg(RmonWriteStepText(step, adding), outcome.text),
                                        QvAppCaption());
                           return;
                       }
                       if (m_form)
                           m_form->BT_RefreshClick();
                       accept();
                   });
}
