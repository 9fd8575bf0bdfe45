#include "rmoncontrolwindow.h"

#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "tmessagebox.h"
#include "tmonitorparts.h"

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

TRmonControlWindow::TRmonControlWindow(QWidget *owner, const TRmonControlDesc &desc)
    : TRmonWindow(owner), m_desc(desc)
{
}

TRmonControlWindow::~TRmonControlWindow()
{
    if (Timer1)
        Timer1->stop();
}

void TRmonControlWindow::BuildControlList()
{
    LV_control = MakeListView(this, QStringLiteral("LV_control"));
    LV_control->setMaximumHeight(140);
    LV_control->setItemDelegateForColumn(m_desc.sourceColumn, new TDisplayDelegate(&IfIndexText, LV_control));
    ED_Index = Hidden(new QLineEdit(this), QStringLiteral("ED_Index"));
    Ed_Source = Hidden(new QLineEdit(this), QStringLiteral("Ed_Source"));
    CB_Status = Hidden(new QComboBox(this), QStringLiteral("CB_Status"));
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
}

void TRmonControlWindow::BuildSidePanel(const QStringList &intervals, const QString &hint, int countIndex)
{
    m_side = BuildRmonSidePanel(this, intervals, hint, countIndex);
    ST_Time = m_side.time;
    CB_Interval = m_side.interval;
    CB_HistoryCount = m_side.count;
    CK_U3D = m_side.u3d;
    BT_Close = m_side.AddButton(QStringLiteral("BT_Close"), QStringLiteral("Exit"));
    BT_Reset = m_side.AddButton(QStringLiteral("BT_Reset"), QStringLiteral("Reset"));
    BT_Start = m_side.AddButton(QStringLiteral("BT_Start"), QStringLiteral("Start"));
    BT_Stop = m_side.AddButton(QStringLiteral("BT_Stop"), QStringLiteral("Stop"));
    BT_Add = m_side.AddButton(QStringLiteral("BT_Add"), QStringLiteral("Add"));
    BT_Modify = m_side.AddButton(QStringLiteral("BT_Modify"), QStringLiteral("Modify"));
    BT_Delete = m_side.AddButton(QStringLiteral("BT_Delete"), QStringLiteral("Delete"));
    m_rowButtons = {BT_Delete, BT_Modify};
}

void TRmonControlWindow::FinishControls(int timerMs)
{
    BT_Refresh = m_side.AddButton(QStringLiteral("BT_Refresh"), QStringLiteral("Refresh"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = AddStatusPanel(StatusBar1, 50);
    StatusPanel1 = AddListOutcomePanel(StatusBar1);
    LayOutRmonForm(this, LV_control, PageControl1, m_side.layout, StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(timerMs);

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

void TRmonControlWindow::ShowControlList()
{
    QvSNMPVarList &vars = m_control->Vars();
    vars.Assign(QvSNMPVarList(m_desc.controlVars, MVT_FMV, 0));
    vars.title = QString::fromLatin1(m_desc.controlTitle);
}

void TRmonControlWindow::BindControlList()
{
    ST_Time->setText(TimeOfDayText());
    m_control = new QvSNMPRequest2Edits(this);
    ShowControlList();
    if (m_desc.controlRetries >= 0)
        m_control->Request().retries = m_desc.controlRetries;
    m_control->BindListView(LV_control, true);
    m_control->BindEdits(0, QStringLiteral("%u"), {ED_Index});
    m_control->BindEdits(m_desc.sourceColumn, QStringLiteral("%s"), {Ed_Source});
    m_control->BindControl(m_desc.statusColumn, CB_Status);
    m_control->SetReportTarget(StatusPanel0);
    // After the binding's own handler, which copies the chosen row into the hidden controls.
    connect(LV_control, &QTreeWidget::itemSelectionChanged, this, [this] { LV_controlClick(); });
}

void TRmonControlWindow::WatchRequests(QvSNMPRequest2Controls *entryBinding)
{
    SetWaitTarget(StatusPanel0);
    WatchBinding(m_control);
    WatchBinding(entryBinding);
    for (QPushButton *b : {BT_Refresh, BT_Add})
        Wait()->AddSendControl(b);
    // The row buttons follow the selection as well: set again when the wait is over.
    connect(Wait(), &QvWaitIndicator::WaitingChanged, this, [this] { SetRowButtons(SelectedRow() >= 0); });
    // Escape in the middle of a delete: the list is a list again.
    connect(Wait(), &QvWaitIndicator::CancelledByUser, this, [this] {
        if (m_control->Vars().itemType == MVT_FMV || !RmonAvailable())
            return;
        ShowControlList();
        DeleteCancelled();
    });
}

void TRmonControlWindow::Report(const QString &text)
{
    if (m_control)
        m_control->Report(text);
    else
        StatusPanel0->setText(text);
}

void TRmonControlWindow::Guarded(const std::function<void()> &body)
{
    RunGuarded([this](const QString &text) { Report(text); }, body);
}

int TRmonControlWindow::SelectedRow() const
{
    const QList<QTreeWidgetItem *> selected = LV_control->selectedItems();
    return selected.isEmpty() ? -1 : LV_control->indexOfTopLevelItem(selected.first());
}

void TRmonControlWindow::SetRowButtons(bool enabled)
{
    enabled = enabled && !Wait()->Waiting();
    for (QPushButton *b : m_rowButtons)
        b->setEnabled(enabled);
}

void TRmonControlWindow::LV_controlClick()
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

void TRmonControlWindow::LV_controlDblClick()
{
    if (SelectedRow() >= 0)
        BT_ModifyClick();
}

void TRmonControlWindow::ShowSelectedRow()
{
    const QTreeWidgetItem *row = LV_control->topLevelItem(SelectedRow());
    if (!row)
        return;
    ST_Index->setText(row->text(0));
    ST_DataSource->setText(QStringLiteral("IfIndex.") + m_selectedSource);
    ST_Owner->setText(row->text(m_desc.ownerColumn));
    ReadEntry();
}

void TRmonControlWindow::WalkControls(std::function<void()> then)
{
    RefreshThen(m_control, [this, then](const QvSNMPError &outcome) {
        ShowWalkOutcome(LV_control, StatusPanel1, outcome.code == 0 ? QString() : outcome.text);
        SetRowButtons(false);
        Ed_Source->clear();
        if (then)
            then();
    });
}

QChart *TRmonControlWindow::Chart(int page) const
{
    switch (page) {
    case 1: return CH_Utilization->chart();
    case 2: return CH_Error->chart();
    case 3: return CH_Packet->chart();
    default: return nullptr;
    }
}

void TRmonControlWindow::PageControl1Change()
{
    const bool errors = PageControl1->currentIndex() == 2;
    if (errors)
        CK_E3D->setChecked(true);
    CK_U3D->setVisible(!errors);
}

void TRmonControlWindow::RunDialog(int mode)
{
    if (m_dialog || Wait()->Waiting())
        return;
    m_mode = mode;
    m_dialog = MakeDialog(mode);
    OpenRmonDialog(m_dialog, [this](int result) { DialogFinished(result); });
}

void TRmonControlWindow::BT_AddClick()
{
    RunDialog(RDM_Add);
}

void TRmonControlWindow::BT_ModifyClick()
{
    if (SelectedRow() < 0)
        return;
    RunDialog(RDM_Modify);
}

void TRmonControlWindow::InvalidateSelected(std::function<void(const QvSNMPError &)> done)
{
    m_mode = RDM_Delete;
    QvSNMPVarList &vars = m_control->Vars();
    vars.Assign(QvSNMPVarList(m_desc.controlVars, MVT_SV, 0));
    vars.title = QString::fromLatin1(m_desc.controlTitle);
    vars.instanceSuffix = ED_Index->text();
    InvalidateRmonEntry(*m_control, m_desc.statusColumn, CB_Status,
                        [this, done](const QvSNMPError &outcome, int) {
                            ShowControlList();
                            m_control->Vars().instanceSuffix.clear();
                            done(outcome);
                        });
}

// ---- the dialog ----

TRmonControlDialog::TRmonControlDialog(TRmonControlWindow *form, const char *objectName, int mode)
    : QDialog(form), m_form(form), m_mode(mode)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(QStringLiteral("Control Table"));
    GroupBox1 = new QGroupBox(mode == RDM_Modify ? QStringLiteral("Modify") : QStringLiteral("Add"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    m_rows = new QFormLayout(GroupBox1);
}

TRmonControlDialog::~TRmonControlDialog() = default;

QLineEdit *TRmonControlDialog::AddEdit(const QString &caption, const char *name)
{
    auto *e = new QLineEdit(GroupBox1);
    e->setObjectName(QString::fromLatin1(name));
    m_rows->addRow(caption, e);
    return e;
}

QLineEdit *TRmonControlDialog::AddSourceEdit(const QString &caption, const QString &prefix, const char *name)
{
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(prefix, GroupBox1));
    m_source = new QLineEdit(GroupBox1);
    m_source->setObjectName(QString::fromLatin1(name));
    row->addWidget(m_source);
    m_rows->addRow(caption, row);
    return m_source;
}

void TRmonControlDialog::FinishControls()
{
    CB_Status = Hidden(new QComboBox(this), QStringLiteral("CB_Status"));
    ED_Sub = Hidden(new QLineEdit(this), QStringLiteral("ED_Sub"));
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
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TRmonControlDialog::Bind(const QvSNMPVarDesc *vars, const char *title,
                              const QList<std::pair<const char *, QLineEdit *>> &edits)
{
    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Vars().Assign(QvSNMPVarList(vars, MVT_SV, 0));
    m_binding->Vars().title = QString::fromLatin1(title);
    m_binding->Request().retries = 2;
    for (int i = 0; i < edits.size(); ++i)
        m_binding->BindEdits(i, QString::fromLatin1(edits[i].first), {edits[i].second});
    m_statusItem = int(edits.size());
    m_binding->BindControl(m_statusItem, CB_Status);
    m_binding->SetReportTarget(ST_Status);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(ST_Status);
    m_wait->Watch(m_binding);
    // What was typed stays as it was while the writes go out.
    for (QWidget *w : std::initializer_list<QWidget *>{BT_Set, GroupBox1})
        m_wait->AddSendControl(w);
}

void TRmonControlDialog::ReadChosenEntry(std::function<void(const QvSNMPError &)> failed)
{
    ED_Index->setEnabled(false);
    m_source->setText(m_form->SelectedDataSource());
    m_binding->Vars().instanceSuffix = m_form->ED_Index->text();
    RefreshThen(m_binding, [failed](const QvSNMPError &outcome) {
        if (outcome.code != 0)
            failed(outcome);
    });
}

bool TRmonControlDialog::CheckSource(const QString &source)
{
    if (source == QLatin1String("0") || IsDigits(source))
        return true;
    QvMessageBox(this, QStringLiteral("DataSource must be integer!!"), QvAppCaption());
    return false;
}

void TRmonControlDialog::WriteEntry(const QString &instance, const QString &source, const QList<int> &dataItems,
                                    std::function<void()> done)
{
    const bool adding = Adding();
    if (adding)
        m_binding->Vars().instanceSuffix = instance;
    ED_Sub->setText(QStringLiteral("1.3.6.1.2.1.2.2.1.1.") + source);
    WriteRmonEntry(*m_binding, m_statusItem, CB_Status, dataItems, adding,
                   [this, adding, done](const QvSNMPError &outcome, int step) {
                       if (outcome.code == 0) {
                           done();
                           return;
                       }
                       QvMessageBox(this, QStringLiteral("Writing the entry stopped at %1:\n%2")
                                              .arg(RmonWriteStepText(step, adding), outcome.text),
                                    QvAppCaption());
                   });
}
