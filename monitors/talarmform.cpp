#include "talarmform.h"

#include "mibtables.h"
#include "qvsnmpconvert.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "rmoncommon.h"
#include "tmessagebox.h"
#include "thelpviewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
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

#include <algorithm>

namespace {

const QString StatsEntry = QStringLiteral("1.3.6.1.2.1.16.1.1.1");

// The Ethernet statistics columns 4 to 19 by the names the alarm list shows.
const char *const VariableNames[] = {
    "etherstatsOctets",           "etherstatsPkts",          "etherstatsBroadcastPkts",
    "etherstatsMulticastPkts",    "etherstatsCRCAlignErrorsPkts", "etherstatsUnderSizePkts",
    "etherstatOverSizesPkts",     "etherstatsFragments",     "etherstatsJabbers",
    "etherstatsCollisions",       "etherstatsPkts64octets",  "etherstatsPkts65to127octets",
    "etherstatsPkts128to255octets", "etherstatsPkts256to511octets", "etherstatsPkts512to1023octets",
    "etherstatsPkts1024to1518octets",
};

// The dialog's variable choices, in column order from column 4.
const char *const VariableChoices[] = {
    "etherStatsOctets",         "etherStatsPkts",           "etherStatsBroadcastPkts",
    "etherStatsMulticastPkts",  "etherStatsCRCAlignErrors", "etherStatsUndersizePkts",
    "etherStatsOversizePkts",   "etherStatsFragments",      "etherStatsJabbers",
    "etherStatsCollisions",     "etherStatsPkts64Octets",   "etherStatsPkts65to127Octets",
    "etherStatsPkts128to255Octets", "etherStatsPkts256to511Octets", "etherStatsPkts512to1023Octets",
    "etherStatsPkts1024to1518Octets",
};
constexpr int FirstColumn = 4;

enum { AV_Index = 0, AV_Interval, AV_Variable, AV_SampleType, AV_Value, AV_Startup, AV_Rising, AV_Falling,
       AV_RisingEvent, AV_FallingEvent, AV_Owner, AV_Status };
enum { EV_Index = 0, EV_Description, EV_Type, EV_Community, EV_TimeSent, EV_Owner, EV_Status };

// Position of the first name whose identifier occurs in oid, counted from 1; a column's identifier
// counts only as a whole sub-identifier (".1" is not ".14").
int FindVariable(const QString &oid)
{
    for (int k = 0; k < int(std::size(VariableNames)); ++k) {
        const QString prefix = StatsEntry + QLatin1Char('.') + QString::number(FirstColumn + k);
        for (qsizetype at = oid.indexOf(prefix); at >= 0; at = oid.indexOf(prefix, at + 1)) {
            const qsizetype end = at + prefix.size();
            if (end == oid.size() || oid.at(end) == QLatin1Char('.'))
                return k + 1;
        }
    }
    return 0;
}

void Select(QComboBox *combo, const QString &text)
{
    const int at = combo->findText(text);
    if (at >= 0)
        combo->setCurrentIndex(at);
}

void Rebuild(QvSNMPRequest2Edits *binding, const QvSNMPVarDesc *table, quint8 itemType, int indexCount,
             const QString &instance = QString())
{
    QvSNMPVarList &vars = binding->Vars();
    const QString title = vars.title;
    vars.Assign(QvSNMPVarList(table, itemType, indexCount));
    vars.instanceSuffix = instance;
    vars.title = title;
}

}  // namespace

QString VariableName(const QString &oid)
{
    const int n = FindVariable(oid);
    return n > 0 ? QString::fromLatin1(VariableNames[n - 1]) : QStringLiteral("0");
}

int VariableNumber(const QString &oid)
{
    return FindVariable(oid);
}

QString VariableDisplay(const QString &oid)
{
    const QString name = VariableName(oid);
    if (name == QLatin1String("0"))
        return oid;
    return name + QLatin1Char('.') + LastArc(oid);
}

QList<quint32> FreeRmonIndexes(const QList<quint32> &used, int count)
{
    QList<quint32> free;
    for (quint32 n = 1; free.size() < count && n <= 65535; ++n)
        if (!used.contains(n))
            free.append(n);
    return free;
}

// ---- the window ----

TAlarmForm::TAlarmForm(QWidget *owner) : TRmonWindow(owner)
{
    setObjectName(QStringLiteral("AlarmForm"));
    InstallHelpKey(this, QStringLiteral("monitors.html#rmon-alarm"));
    BuildControls();
    FormCreate();
}

TAlarmForm::~TAlarmForm()
{
    Timer1->stop();
}

void TAlarmForm::BuildControls()
{
    setWindowTitle(QStringLiteral("RMON : Alarm & Event  Form"));
    resize(609, 463);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    auto page = [&](const QString &name, const QString &caption, QTreeWidget *&list, const QString &listName) {
        auto *p = new QWidget;
        p->setObjectName(name);
        auto *l = new QVBoxLayout(p);
        list = MakeListView(p, listName);
        l->addWidget(list);
        PageControl1->addTab(p, caption);
        return p;
    };
    QWidget *alarmPage = page(QStringLiteral("TS_Alarm"), QStringLiteral("Alarm"), LV_Alarm, QStringLiteral("LV_Alarm"));
    page(QStringLiteral("TS_Event"), QStringLiteral("Event"), LV_Event, QStringLiteral("LV_Event"));
    page(QStringLiteral("TS_Log"), QStringLiteral("Log"), LV_Log, QStringLiteral("LV_Log"));
    LV_Alarm->setItemDelegateForColumn(AV_Variable, new TDisplayDelegate(&VariableDisplay, LV_Alarm));
    for (QTreeWidget *list : {LV_Alarm, LV_Event, LV_Log})
        ShowCellTips(list);
    ED_Index = Hidden(new QLineEdit(alarmPage), QStringLiteral("ED_Index"));
    ED_RIndex = Hidden(new QLineEdit(alarmPage), QStringLiteral("ED_RIndex"));
    ED_FIndex = Hidden(new QLineEdit(alarmPage), QStringLiteral("ED_FIndex"));
    CB_AStatus = Hidden(new QComboBox(alarmPage), QStringLiteral("CB_AStatus"));
    CB_RStatus = Hidden(new QComboBox(alarmPage), QStringLiteral("CB_RStatus"));

    auto *side = new QVBoxLayout;
    side->addWidget(new QLabel(QStringLiteral("System Time:"), this));
    ST_Time = new QLabel(this);
    ST_Time->setObjectName(QStringLiteral("ST_Time"));
    side->addWidget(ST_Time);
    ST_Event = Hidden(new QLabel(this), QStringLiteral("ST_Event"));
    auto button = [&](QPushButton *&b, const QString &name, const QString &caption) {
        b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        side->addWidget(b);
    };
    button(BT_Add, QStringLiteral("BT_Add"), QStringLiteral("Add"));
    button(BT_Delete, QStringLiteral("BT_Delete"), QStringLiteral("Delete"));
    button(BT_Modify, QStringLiteral("BT_Modify"), QStringLiteral("Modify"));
    button(BT_Refresh, QStringLiteral("BT_Refresh"), QStringLiteral("Refresh"));
    button(BT_OK, QStringLiteral("BT_OK"), QStringLiteral("Exit"));
    side->addStretch(1);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = AddStatusPanel(StatusBar1, 50);
    auto *body = new QHBoxLayout;
    body->addWidget(PageControl1, 1);
    body->addLayout(side);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(body, 1);
    outer->addWidget(StatusBar1);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(BT_OK, &QPushButton::clicked, this, [this] { BT_OKClick(); });
    connect(BT_Refresh, &QPushButton::clicked, this, [this] { BT_RefreshClick(); });
    connect(BT_Add, &QPushButton::clicked, this, [this] { BT_AddClick(); });
    connect(BT_Modify, &QPushButton::clicked, this, [this] { BT_ModifyClick(); });
    connect(BT_Delete, &QPushButton::clicked, this, [this] { BT_DeleteClick(); });
    connect(LV_Alarm, &QTreeWidget::itemDoubleClicked, this, [this] { BT_ModifyClick(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

void TAlarmForm::Report(const QString &text)
{
    StatusPanel0->setText(text);
}

void TAlarmForm::Walk(QvSNMPRequest2Edits *binding, std::function<void()> then)
{
    RefreshThen(binding, [then](const QvSNMPError &) {
        if (then)
            then();
    });
}

void TAlarmForm::FormCreate()
{
    auto make = [this](const QvSNMPVarDesc *table, int indexCount, int retries, QTreeWidget *list,
                       const QString &title) {
        auto *b = new QvSNMPRequest2Edits(this);
        b->Vars().Assign(QvSNMPVarList(table, MVT_FMV, indexCount));
        b->Vars().title = title;
        if (retries >= 0)
            b->Request().retries = retries;
        b->BindListView(list, true);
        b->SetReportTarget(StatusPanel0);
        WatchBinding(b);
        return b;
    };
    SetWaitTarget(StatusPanel0);
    // The statistics control table answers whether RMON is served.
    QTreeWidget *probeList = MakeListView(this, QStringLiteral("LV_Probe"));
    probeList->hide();
    m_probe = make(RmonStatsControlVars, 0, -1, probeList, QStringLiteral("Statistics Control"));
    m_alarm = make(RmonAlarmVars, 0, 1, LV_Alarm, QStringLiteral("Alarm"));
    m_alarm->BindEdits(AV_Index, QStringLiteral("%u"), {ED_Index});
    m_alarm->BindEdits(AV_RisingEvent, QStringLiteral("%u"), {ED_RIndex});
    m_alarm->BindEdits(AV_FallingEvent, QStringLiteral("%u"), {ED_FIndex});
    m_alarm->BindControl(AV_Status, CB_AStatus);
    connect(LV_Alarm, &QTreeWidget::itemSelectionChanged, this, [this] { LV_AlarmClick(); });
    m_event = make(RmonEventVars, 0, 2, LV_Event, QStringLiteral("Event"));
    m_event->BindText(EV_Index, ST_Event);
    m_event->BindControl(EV_Status, CB_RStatus);
    m_log = make(RmonLogVars, 2, 2, LV_Log, QStringLiteral("Log"));
    connect(Wait(), &QvWaitIndicator::WaitingChanged, this, [this] { UpdateButtons(); });
    // Escape in the middle of a delete: the lists are lists again.
    connect(Wait(), &QvWaitIndicator::CancelledByUser, this, [this] {
        if (!m_deleting)
            return;
        m_deleting = false;
        RestoreLists();
        UpdateButtons();
    });

    PageControl1->setCurrentIndex(0);
    ST_Time->setText(TimeOfDayText());
    UpdateButtons();
    StartProbe();
}

void TAlarmForm::StartProbe()
{
    RefreshThen(m_probe, [this](const QvSNMPError &outcome) {
        ProbeEnded(outcome, outcome.code == 0 ? m_probe->RowCount() : 0);
        UpdateButtons();
        if (!RmonAvailable())
            return;
        Walk(m_alarm);
        Timer1->start();
    });
}

void TAlarmForm::RestoreLists()
{
    Rebuild(m_alarm, RmonAlarmVars, MVT_FMV, 0);
    Rebuild(m_event, RmonEventVars, MVT_FMV, 0);
}

void TAlarmForm::UpdateButtons()
{
    const bool idle = !Wait()->Waiting() && !m_deleting && RmonAvailable();
    BT_Add->setEnabled(idle && m_addPage);
    BT_Refresh->setEnabled(idle);
    BT_Delete->setEnabled(idle && m_rowSelected);
    BT_Modify->setEnabled(idle && m_rowSelected);
}

void TAlarmForm::Timer1Timer()
{
    ST_Time->setText(TimeOfDayText());
}

void TAlarmForm::BT_OKClick()
{
    close();
}

void TAlarmForm::PageControl1Change()
{
    const int page = PageControl1->currentIndex();
    m_addPage = page == 0;
    m_rowSelected = false;
    UpdateButtons();
    // A delete under way reads its lists itself.
    if (m_deleting || !RmonAvailable())
        return;
    Walk(page == 0 ? m_alarm : page == 1 ? m_event : m_log);
}

void TAlarmForm::BT_RefreshClick()
{
    const auto finish = [this] {
        m_rowSelected = false;
        UpdateButtons();
        if (!m_outcome.isEmpty())
            Report(std::exchange(m_outcome, QString()));
    };
    if (PageControl1->currentIndex() == 0)
        Walk(m_alarm, finish);
    else
        Walk(m_event, [this, finish] { Walk(m_log, finish); });
    m_rowSelected = false;
    UpdateButtons();
}

void TAlarmForm::LV_AlarmClick()
{
    m_rowSelected = !LV_Alarm->selectedItems().isEmpty();
    UpdateButtons();
}

void TAlarmForm::RunDialog(int mode)
{
    if (m_dialog || Wait()->Waiting() || m_deleting)
        return;
    m_mode = mode;
    m_dialog = new TAlarm_control(this, mode);
    OpenRmonDialog(m_dialog, [this](int) { BT_RefreshClick(); });
}

void TAlarmForm::BT_AddClick()
{
    RunDialog(RDM_Add);
}

void TAlarmForm::BT_ModifyClick()
{
    if (LV_Alarm->selectedItems().isEmpty())
        return;
    RunDialog(RDM_Modify);
}

void TAlarmForm::BT_DeleteClick()
{
    if (m_deleting || Wait()->Waiting())
        return;
    const int page = PageControl1->currentIndex();
    const auto refresh = [this] { BT_RefreshClick(); };
    if (page == 0)
        DeleteAlarm(refresh);
    else if (page == 1)
        DeleteEvent(refresh);
    else
        refresh();
}

void TAlarmForm::InvalidateEvent(const QString &index, TRmonWriteDone done)
{
    Rebuild(m_event, RmonEventVars, MVT_SV, 0, index);
    InvalidateRmonEntry(*m_event, EV_Status, CB_RStatus, std::move(done));
}

void TAlarmForm::InvalidateEvents(QStringList events, std::shared_ptr<QStringList> failures,
                                  std::function<void()> then)
{
    if (events.isEmpty()) {
        then();
        return;
    }
    const QString event = events.takeFirst();
    InvalidateEvent(event, [this, events, failures, then](const QvSNMPError &outcome, int) {
        if (outcome.code != 0)
            failures->append(outcome.text);
        InvalidateEvents(events, failures, then);
    });
}

void TAlarmForm::DeleteAlarm(std::function<void()> then)
{
    if (LV_Alarm->selectedItems().isEmpty()) {
        then();
        return;
    }
    const QString alarm = ED_Index->text();
    const QString rising = ED_RIndex->text();
    const QString falling = ED_FIndex->text();
    // An event another alarm raises stays.
    QStringList kept, keptFor;
    const QTreeWidgetItem *selected = LV_Alarm->selectedItems().first();
    for (int r = 0; r < LV_Alarm->topLevelItemCount(); ++r) {
        const QTreeWidgetItem *row = LV_Alarm->topLevelItem(r);
        if (row == selected)
            continue;
        for (const QString &event : {rising, falling})
            if (!kept.contains(event) && (row->text(AV_RisingEvent).trimmed() == event ||
                                          row->text(AV_FallingEvent).trimmed() == event)) {
                kept << event;
                keptFor << row->text(AV_Index).trimmed();
            }
    }
    QStringList doomed;
    for (const QString &event : {rising, falling})
        if (!event.isEmpty() && event != QLatin1String("0") && !kept.contains(event) && !doomed.contains(event))
            doomed << event;
    QString question = QStringLiteral("Delete alarm %1").arg(alarm);
    if (!doomed.isEmpty())
        question += doomed.size() == 1 ? QStringLiteral(" and its event %1").arg(doomed.first())
                                       : QStringLiteral(" and its events %1").arg(doomed.join(QStringLiteral(" and ")));
    question += QLatin1Char('?');
    for (int k = 0; k < kept.size(); ++k)
        question += QStringLiteral("\nEvent %1 stays: alarm %2 uses it.").arg(kept[k], keptFor[k]);
    if (!ConfirmRmonDelete(this, question)) {
        then();
        return;
    }
    m_mode = RDM_Delete;
    m_deleting = true;
    UpdateButtons();
    const auto finish = [this, then] {
        m_deleting = false;
        UpdateButtons();
        then();
    };
    // Event 0 means "no event"; an alarm raising one event both ways deletes it once.
    const QStringList events = doomed;
    Rebuild(m_alarm, RmonAlarmVars, MVT_SV, 0, alarm);
    InvalidateRmonEntry(*m_alarm, AV_Status, CB_AStatus, [this, events, finish](const QvSNMPError &outcome, int) {
        Rebuild(m_alarm, RmonAlarmVars, MVT_FMV, 0);
        if (outcome.code != 0) {
            // The alarm stays, and so do the events it raises.
            Report(outcome.text);
            finish();
            return;
        }
        Walk(m_alarm, [this, events, finish] {
            auto failures = std::make_shared<QStringList>();
            InvalidateEvents(events, failures, [this, failures, finish] {
                Rebuild(m_event, RmonEventVars, MVT_FMV, 0);
                Walk(m_event, [this, failures, finish] {
                    if (!failures->isEmpty())
                        Report(failures->join(QLatin1Char(' ')));
                    finish();
                });
            });
        });
    });
}

void TAlarmForm::DeleteEvent(std::function<void()> then)
{
    if (LV_Event->selectedItems().isEmpty() || !ConfirmRmonDelete(this)) {
        then();
        return;
    }
    m_mode = RDM_Delete;
    m_deleting = true;
    UpdateButtons();
    InvalidateEvent(ST_Event->text(), [this, then](const QvSNMPError &outcome, int) {
        if (outcome.code != 0)
            Report(outcome.text);
        Rebuild(m_event, RmonEventVars, MVT_FMV, 0);
        Walk(m_event, [this, then] {
            m_deleting = false;
            UpdateButtons();
            then();
        });
    });
}

// ---- the dialog ----

TAlarm_control::TAlarm_control(TAlarmForm *form, int mode) : QDialog(form), m_form(form), m_mode(mode)
{
    setObjectName(QStringLiteral("Alarm_control"));
    BuildControls();
    FormCreate();
}

TAlarm_control::~TAlarm_control() = default;

void TAlarm_control::BuildControls()
{
    setWindowTitle(QStringLiteral("Alarm Table"));
    resize(508, 319);
    auto edit = [this](QLineEdit *&e, const QString &name, const QString &text = QString()) {
        e = new QLineEdit(text, this);
        e->setObjectName(name);
        return e;
    };
    auto combo = [this](QComboBox *&c, const QString &name) {
        c = new QComboBox(this);
        c->setObjectName(name);
        return c;
    };

    GB_Alarm = new QGroupBox(QStringLiteral("Alarm Entry"), this);
    auto *a = new QGridLayout(GB_Alarm);
    a->addWidget(new QLabel(QStringLiteral("Index:")), 0, 0);
    a->addWidget(edit(ED_Index, QStringLiteral("ED_Index")), 0, 1);
    a->addWidget(new QLabel(QStringLiteral("Interval:")), 1, 0);
    a->addWidget(edit(ED_Interval, QStringLiteral("ED_Interval"), QStringLiteral("10")), 1, 1);
    a->addWidget(new QLabel(QStringLiteral("Variable:")), 2, 0);
    auto *variable = new QHBoxLayout;
    variable->addWidget(combo(CB_Variable, QStringLiteral("CB_Variable")), 1);
    for (const char *choice : VariableChoices)
        CB_Variable->addItem(QString::fromLatin1(choice));
    variable->addWidget(new QLabel(QStringLiteral(".")));
    variable->addWidget(edit(ED_Valueindex, QStringLiteral("ED_Valueindex"), QStringLiteral("1")));
    ED_Valueindex->setMaximumWidth(50);
    a->addLayout(variable, 2, 1);
    a->addWidget(new QLabel(QStringLiteral("Owner:")), 3, 0);
    a->addWidget(edit(ED_Owner, QStringLiteral("ED_Owner")), 3, 1);
    a->addWidget(new QLabel(QStringLiteral("Sampling:")), 4, 0);
    a->addWidget(combo(CB_Sampling, QStringLiteral("CB_Sampling")), 4, 1);
    combo(CB_Startup, QStringLiteral("CB_Startup"))->hide();
    auto *threshold = new QGroupBox(QStringLiteral("Threshold Value"), GB_Alarm);
    auto *t = new QGridLayout(threshold);
    t->addWidget(new QLabel(QStringLiteral("Rising")), 0, 0);
    t->addWidget(edit(ED_Rising, QStringLiteral("ED_Rising"), QStringLiteral("65535")), 0, 1);
    t->addWidget(new QLabel(QStringLiteral("Falling")), 1, 0);
    t->addWidget(edit(ED_Falling, QStringLiteral("ED_Falling"), QStringLiteral("0")), 1, 1);
    a->addWidget(threshold, 5, 0, 1, 2);
    edit(ED_Value, QStringLiteral("ED_Value"))->hide();
    combo(CB_AStatus, QStringLiteral("CB_AStatus"))->hide();

    auto eventGroup = [&](const QString &title, QCheckBox *&box, const QString &boxName, const QString &boxText,
                          QLineEdit *&index, const QString &indexName, QLineEdit *&des, const QString &desName,
                          const QString &desText, QLineEdit *&com, const QString &comName, QComboBox *&type,
                          const QString &typeName, QComboBox *&status, const QString &statusName) {
        auto *g = new QGroupBox(title, this);
        auto *l = new QGridLayout(g);
        box = new QCheckBox(boxText, g);
        box->setObjectName(boxName);
        box->setChecked(true);
        l->addWidget(box, 0, 0, 1, 2);
        l->addWidget(new QLabel(QStringLiteral("Index:")), 1, 0);
        l->addWidget(edit(index, indexName), 1, 1);
        l->addWidget(new QLabel(QStringLiteral("Description:")), 2, 0);
        l->addWidget(edit(des, desName, desText), 2, 1);
        l->addWidget(new QLabel(QStringLiteral("Community:")), 3, 0);
        l->addWidget(edit(com, comName, QStringLiteral("corvet")), 3, 1);
        l->addWidget(new QLabel(QStringLiteral("Type:")), 4, 0);
        l->addWidget(combo(type, typeName), 4, 1);
        combo(status, statusName)->hide();
        return g;
    };
    QGroupBox *risingGroup = eventGroup(QStringLiteral("Rising Event"), CK_Rising, QStringLiteral("CK_Rising"),
                                        QStringLiteral("Activate Rising Event "), ED_RIndex, QStringLiteral("ED_RIndex"),
                                        ED_Rdes, QStringLiteral("ED_Rdes"), QStringLiteral("Rising Event"), ED_Rcom,
                                        QStringLiteral("ED_Rcom"), CB_Rtype, QStringLiteral("CB_Rtype"), CB_TRStatus,
                                        QStringLiteral("CB_TRStatus"));
    QGroupBox *fallingGroup = eventGroup(QStringLiteral("Falling Event"), CK_Falling, QStringLiteral("CK_Falling"),
                                         QStringLiteral("Activate Falling Event "), ED_FIndex,
                                         QStringLiteral("ED_FIndex"), ED_Fdes, QStringLiteral("ED_Fdes"),
                                         QStringLiteral("Falling Event"), ED_Fcom, QStringLiteral("ED_Fcom"), CB_Ftype,
                                         QStringLiteral("CB_Ftype"), CB_TFStatus, QStringLiteral("CB_TFStatus"));

    BT_OK = new QPushButton(QStringLiteral("OK"), this);
    BT_OK->setObjectName(QStringLiteral("BT_OK"));
    BT_Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    BT_Cancel->setObjectName(QStringLiteral("BT_Cancel"));
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusPanel0 = AddStatusPanel(StatusBar1, 50);

    auto *events = new QVBoxLayout;
    events->addWidget(risingGroup);
    events->addWidget(fallingGroup);
    auto *groups = new QHBoxLayout;
    groups->addWidget(GB_Alarm);
    groups->addLayout(events);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BT_OK);
    buttons->addWidget(BT_Cancel);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(groups, 1);
    outer->addLayout(buttons);
    outer->addWidget(StatusBar1);
    connect(BT_OK, &QPushButton::clicked, this, [this] { BT_OKClick(); });
    connect(BT_Cancel, &QPushButton::clicked, this, [this] { BT_CancelClick(); });
}

void TAlarm_control::FormCreate()
{
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(StatusPanel0);
    // What was typed stays as it was while the writes go out.
    for (QWidget *w : std::initializer_list<QWidget *>{BT_OK, GB_Alarm, CK_Rising->parentWidget(),
                                                       CK_Falling->parentWidget()})
        m_wait->AddSendControl(w);
    auto make = [this](const QvSNMPVarDesc *table, const QString &title) {
        auto *b = new QvSNMPRequest2Edits(this);
        b->Vars().Assign(QvSNMPVarList(table, MVT_SV, 0));
        b->Vars().title = title;
        b->Request().retries = 2;
        b->SetReportTarget(StatusPanel0);
        m_wait->Watch(b);
        return b;
    };
    m_alarm = make(RmonAlarmVars, QStringLiteral("Alarm"));
    m_alarm->BindEdits(AV_Index, QStringLiteral("%u"), {ED_Index});
    m_alarm->BindEdits(AV_Interval, QStringLiteral("%u"), {ED_Interval});
    m_alarm->BindEdits(AV_Variable, QStringLiteral("%s"), {ED_Value});
    m_alarm->BindControl(AV_SampleType, CB_Sampling);
    m_alarm->BindControl(AV_Startup, CB_Startup);
    m_alarm->BindEdits(AV_Rising, QStringLiteral("%u"), {ED_Rising});
    m_alarm->BindEdits(AV_Falling, QStringLiteral("%u"), {ED_Falling});
    m_alarm->BindEdits(AV_RisingEvent, QStringLiteral("%u"), {ED_RIndex});
    m_alarm->BindEdits(AV_FallingEvent, QStringLiteral("%u"), {ED_FIndex});
    m_alarm->BindEdits(AV_Owner, QStringLiteral("%s"), {ED_Owner});
    m_alarm->BindControl(AV_Status, CB_AStatus);
    auto bindEvent = [](QvSNMPRequest2Edits *b, QLineEdit *index, QLineEdit *des, QComboBox *type, QLineEdit *com,
                        QLineEdit *owner, QComboBox *status) {
        b->BindEdits(EV_Index, QStringLiteral("%u"), {index});
        b->BindEdits(EV_Description, QStringLiteral("%s"), {des});
        b->BindControl(EV_Type, type);
        b->BindEdits(EV_Community, QStringLiteral("%s"), {com});
        b->BindEdits(EV_Owner, QStringLiteral("%s"), {owner});
        b->BindControl(EV_Status, status);
    };
    m_rising = make(RmonEventEditVars, QStringLiteral("Rising Event"));
    bindEvent(m_rising, ED_RIndex, ED_Rdes, CB_Rtype, ED_Rcom, ED_Owner, CB_TRStatus);
    m_falling = make(RmonEventEdit2Vars, QStringLiteral("Falling Event"));
    bindEvent(m_falling, ED_FIndex, ED_Fdes, CB_Ftype, ED_Fcom, ED_Owner, CB_TFStatus);

    if (m_mode != RDM_Modify) {
        setWindowTitle(windowTitle() + QStringLiteral(" : Add"));
        CB_Variable->setCurrentIndex(0);
        CB_Sampling->setCurrentIndex(0);
        ED_Owner->setText(QStringLiteral("Owner"));
        Select(CB_Rtype, QStringLiteral("log-and-trap"));
        Select(CB_Ftype, QStringLiteral("log-and-trap"));
        Select(CB_Startup, QStringLiteral("Rising Or Falling"));
        ProposeIndexes();
        return;
    }

    setWindowTitle(windowTitle() + QStringLiteral(" : Modify"));
    // The alarm's own index stays; its events may be pointed elsewhere.
    ED_Index->setEnabled(false);
    ReadForModify();
}

void TAlarm_control::ProposeIndexes()
{
    // Indexes nobody uses yet, so that adding never overwrites an entry of someone else.
    QList<quint32> alarms;
    for (QTreeWidgetItem *row : m_form->LV_Alarm->findItems(QStringLiteral("*"), Qt::MatchWildcard))
        alarms.append(row->text(AV_Index).toUInt());
    const auto fill = [this](const QList<quint32> &usedAlarms, const QList<quint32> &usedEvents) {
        const QList<quint32> alarmIndex = FreeRmonIndexes(usedAlarms, 1);
        const QList<quint32> eventIndexes = FreeRmonIndexes(usedEvents, 2);
        ED_Index->setText(QString::number(alarmIndex.value(0)));
        ED_RIndex->setText(QString::number(eventIndexes.value(0)));
        ED_FIndex->setText(QString::number(eventIndexes.value(1)));
    };
    // The alarm table, then the event table; one wait for both.
    const QvSNMPSessionParams &session = SessionParams();
    const int limit = qMax(session.Timeout, 1) * 10 * (qMax(session.Retries, 0) + 1);
    auto current = std::make_shared<QPointer<QObject>>();
    const int token = m_wait->Begin(limit, [current] { delete current->data(); });
    const auto failed = [this, token](const QvSNMPError &outcome) {
        m_wait->End(token);
        StatusPanel0->setText(outcome.text);
    };
    *current = WalkRmonIndexes(RmonAlarmVars, this, [=, this](const QList<quint32> &used, const QvSNMPError &outcome) {
        if (outcome.code != 0) {
            failed(outcome);
            fill(alarms, {});
            return;
        }
        const QList<quint32> allAlarms = alarms + used;
        m_wait->Tick(token);
        *current = WalkRmonIndexes(RmonEventVars, this, [=, this](const QList<quint32> &events, const QvSNMPError &second) {
            if (second.code != 0) {
                failed(second);
                fill(allAlarms, {});
                return;
            }
            m_wait->End(token);
            fill(allAlarms, events);
        });
    });
}

void TAlarm_control::ReadForModify()
{
    const QString rising = m_form->ED_RIndex->text();
    const QString falling = m_form->ED_FIndex->text();
    // An event that cannot be read is left for the user to enter afresh.
    auto readEvent = [this](QvSNMPRequest2Edits *b, const QString &index, QCheckBox *box, QLineEdit *edit,
                            bool *exists, std::function<void()> then) {
        const auto leftToUser = [box, edit] {
            box->setEnabled(true);
            box->setChecked(false);
            edit->clear();
            edit->setEnabled(true);
        };
        b->Vars().instanceSuffix = index;
        if (index.isEmpty() || index == QLatin1String("0")) {
            leftToUser();
            then();
            return;
        }
        RefreshThen(b, [exists, leftToUser, then](const QvSNMPError &outcome) {
            if (outcome.code == 0)
                *exists = true;
            else
                leftToUser();
            then();
        });
    };
    m_readRising = rising;
    m_readFalling = falling;
    const auto readEvents = [this, readEvent, rising, falling] {
        readEvent(m_rising, rising, CK_Rising, ED_RIndex, &m_risingExists, [this, readEvent, falling] {
            readEvent(m_falling, falling, CK_Falling, ED_FIndex, &m_fallingExists, [] {});
        });
    };
    m_alarm->Vars().instanceSuffix = m_form->ED_Index->text();
    RefreshThen(m_alarm, [this, readEvents](const QvSNMPError &outcome) {
        if (outcome.code != 0) {
            TellLater(this, QStringLiteral("Can't find selected data!"), readEvents);
            return;
        }
        m_alarmExists = true;
        const int n = VariableNumber(ED_Value->text());
        CB_Variable->setCurrentIndex(n > 0 ? n - 1 : 0);
        ED_Valueindex->setText(LastArc(ED_Value->text()));
        readEvents();
    });
}

void TAlarm_control::BT_CancelClick()
{
    reject();
}

QString TAlarm_control::CheckInput() const
{
    qint64 interval = 0;
    if (!QvParseDecimal(ED_Interval->text(), 1, 2147483647, &interval))
        return QStringLiteral("Interval must be integer");
    const QString valueIndex = ED_Valueindex->text();
    if (!valueIndex.isEmpty() && !IsDigits(valueIndex))
        return QStringLiteral("Variable Index must be integer !!");
    if (valueIndex.toInt() == 0)
        return QStringLiteral("Variable Index Can't Enter 0 ");
    qint64 index = 0;
    if (!QvParseDecimal(ED_Index->text(), 1, 65535, &index))
        return QStringLiteral("Entry Index must be integer");
    qint64 rising = 0, falling = 0;
    if (!QvParseDecimal(ED_Rising->text(), -2147483648LL, 2147483647, &rising)
        || !QvParseDecimal(ED_Falling->text(), -2147483648LL, 2147483647, &falling))
        return QStringLiteral("Rising and Falling Value must be integer");
    if (rising <= falling)
        return QStringLiteral("Rising Value must be greater than Falling Value !");
    qint64 n = 0;
    auto badEvent = [&n](const QString &t) { return !QvParseDecimal(t, 1, 65535, &n); };
    if (CK_Rising->isChecked() && badEvent(ED_RIndex->text()))
        return QStringLiteral("Rising Event Index must be a whole number from 1 to 65535");
    if (CK_Falling->isChecked() && badEvent(ED_FIndex->text()))
        return QStringLiteral("Falling Event Index must be a whole number from 1 to 65535");
    if (CK_Rising->isChecked() && CK_Falling->isChecked() && ED_RIndex->text().toUInt() == ED_FIndex->text().toUInt())
        return QStringLiteral("Rising Event Index and Falling Event Index are the same!");
    return QString();
}

void TAlarm_control::WriteEntry(QvSNMPRequest2Edits *binding, int statusItem, QComboBox *status,
                                const QList<int> &data, bool *exists, const QString &what,
                                std::function<void(bool)> then)
{
    const bool adding = !*exists;
    WriteRmonEntry(*binding, statusItem, status, data, adding,
                   [this, exists, what, adding, then](const QvSNMPError &outcome, int step) {
                       if (outcome.code == 0) {
                           *exists = true;
                           then(true);
                           return;
                       }
                       // A failed add has been taken back: a second OK creates it again.
                       const QString where = RmonWriteStepText(step, adding);
                       StatusPanel0->setText(QStringLiteral("Set %1 Entry, %2: %3").arg(what, where, outcome.text));
                       then(false);
                       TellLater(this, QStringLiteral("Set %1 Entry Error!\n%2 failed: %3").arg(what, where, outcome.text));
                   });
}

void TAlarm_control::BT_OKClick()
{
    if (m_wait->Waiting())
        return;
    const QString problem = CheckInput();
    if (!problem.isEmpty()) {
        QvMessageBox(this, problem, QvAppCaption());
        return;
    }
    m_alarm->Vars().instanceSuffix = ED_Index->text();
    m_rising->Vars().instanceSuffix = ED_RIndex->text();
    m_falling->Vars().instanceSuffix = ED_FIndex->text();
    ED_Value->setText(QStringLiteral("1.3.6.1.2.1.16.1.1.1.%1.%2")
                          .arg(CB_Variable->currentIndex() + FirstColumn)
                          .arg(ED_Valueindex->text()));
    if (!CK_Rising->isChecked())
        ED_RIndex->clear();
    if (!CK_Falling->isChecked())
        ED_FIndex->clear();

    // An alarm without an event in one direction raises event 0: none. The edits hold it while
    // the alarm's writes are out.
    const bool noRising = ED_RIndex->text().isEmpty();
    const bool noFalling = ED_FIndex->text().isEmpty();
    if (noRising)
        ED_RIndex->setText(QStringLiteral("0"));
    if (noFalling)
        ED_FIndex->setText(QStringLiteral("0"));
    // An event pointed elsewhere on Modify is another entry: it exists when the event list has it.
    const auto listed = [this](const QString &index) {
        if (!m_form)
            return false;
        for (int r = 0; r < m_form->LV_Event->topLevelItemCount(); ++r)
            if (m_form->LV_Event->topLevelItem(r)->text(EV_Index).trimmed() == index.trimmed())
                return true;
        return false;
    };
    if (m_mode == RDM_Modify && m_rising->Vars().instanceSuffix != m_readRising)
        m_risingExists = listed(m_rising->Vars().instanceSuffix);
    if (m_mode == RDM_Modify && m_falling->Vars().instanceSuffix != m_readFalling)
        m_fallingExists = listed(m_falling->Vars().instanceSuffix);
    m_readRising = m_rising->Vars().instanceSuffix;
    m_readFalling = m_falling->Vars().instanceSuffix;
    // What this OK creates goes again when a later entry fails: nothing is left half-made.
    const bool alarmNew = !m_alarmExists, risingNew = !m_risingExists;
    const auto takeBack = [this](bool rising, bool alarm) {
        const auto alarmGone = [this, alarm] {
            if (!alarm)
                return;
            InvalidateRmonEntry(*m_alarm, AV_Status, CB_AStatus, [this](const QvSNMPError &outcome, int) {
                if (outcome.code == 0)
                    m_alarmExists = false;
            });
        };
        if (!rising) {
            alarmGone();
            return;
        }
        InvalidateRmonEntry(*m_rising, EV_Status, CB_TRStatus, [this, alarmGone](const QvSNMPError &outcome, int) {
            if (outcome.code == 0)
                m_risingExists = false;
            alarmGone();
        });
    };
    auto outcome = std::make_shared<QStringList>();
    const auto done = [this, outcome] {
        StatusPanel0->setText(outcome->join(QStringLiteral("  ")));
        if (m_form)
            m_form->SetDialogOutcome(outcome->join(QStringLiteral("  ")));
        accept();
    };
    const QList<int> eventData = {EV_Description, EV_Type, EV_Community, EV_Owner};
    const auto falling = [this, outcome, eventData, done, takeBack, alarmNew, risingNew] {
        if (!CK_Falling->isChecked()) {
            done();
            return;
        }
        WriteEntry(m_falling, EV_Status, CB_TFStatus, eventData, &m_fallingExists, QStringLiteral("Falling"),
                   [outcome, done, takeBack, alarmNew, risingNew, this](bool ok) {
                       if (!ok) {
                           takeBack(risingNew && CK_Rising->isChecked(), alarmNew);
                           return;
                       }
                       *outcome << QStringLiteral("Set Falling Entry : Success");
                       done();
                   });
    };
    const auto rising = [this, outcome, eventData, falling, takeBack, alarmNew] {
        if (!CK_Rising->isChecked()) {
            falling();
            return;
        }
        WriteEntry(m_rising, EV_Status, CB_TRStatus, eventData, &m_risingExists, QStringLiteral("Rising"),
                   [outcome, falling, takeBack, alarmNew](bool ok) {
                       if (!ok) {
                           takeBack(false, alarmNew);
                           return;
                       }
                       *outcome << QStringLiteral("Set Rising Entry : Success");
                       falling();
                   });
    };
    WriteEntry(m_alarm, AV_Status, CB_AStatus,
               {AV_Interval, AV_Variable, AV_SampleType, AV_Startup, AV_Rising, AV_Falling, AV_RisingEvent,
                AV_FallingEvent, AV_Owner},
               &m_alarmExists, QStringLiteral("Alarm"), [this, noRising, noFalling, outcome, rising](bool ok) {
                   if (noRising)
                       ED_RIndex->clear();
                   if (noFalling)
                       ED_FIndex->clear();
                   if (!ok)
                       return;
                   *outcome << QStringLiteral("Set Alarm Entry : Success");
                   rising();
               });
}
