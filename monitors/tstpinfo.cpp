#include "tstpinfo.h"

#include "qvsnmpconvert.h"

#include "mibtables.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "tmonitorparts.h"
#include "thelpviewer.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

enum StpItem {
    SI_Protocol, SI_Priority, SI_TimeSinceTopChange, SI_TopChanges, SI_DesignatedRoot, SI_RootCost, SI_RootPort,
    SI_MaxAge, SI_HelloTime, SI_HoldTime, SI_ForwardDelay, SI_BridgeMaxAge, SI_BridgeHelloTime,
    SI_BridgeForwardDelay,
};

// A whole number, or false with the text that is not one.
bool ReadWhole(const QLineEdit *edit, int *value)
{
    // The framework's strict reader: "12ab" is no number.
    qint64 v = 0;
    if (!QvParseDecimal(edit->text(), 0, 65535, &v))
        return false;
    *value = int(v);
    return true;
}

} // namespace

QString BridgeIdText(const QString &octets)
{
    QString hex = octets.trimmed();
    hex.remove(QLatin1Char(' '));
    hex.remove(QLatin1Char(':'));
    bool ok = hex.size() == 16;
    const quint64 id = ok ? hex.toULongLong(&ok, 16) : 0;
    if (!ok)
        return octets;
    QStringList mac;
    for (int b = 5; b >= 0; --b)
        mac << QStringLiteral("%1").arg((id >> (8 * b)) & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("%1 / %2 (%3)").arg(id >> 48).arg(mac.join(QLatin1Char(':')), hex.toUpper());
}

TSTP_Info::TSTP_Info(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("STP_Info"));
    InstallHelpKey(this, QStringLiteral("monitors.html#stp"));
    setWindowTitle(QStringLiteral("Spanning Tree Information"));
    setFixedSize(470, 415);  // room for the designated root as priority / MAC

    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Request().LoadSessionParams();
    m_binding->Request().timeout = 300;
    m_binding->Vars().Assign(QvSNMPVarList(StpInfoVars, SVT_SV, 0));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 8, 8, 4);
    outer->addLayout(body, 1);
    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto *grid = new QGridLayout(group);
    grid->setVerticalSpacing(3);
    body->addWidget(group, 1);

    int row = 0;
    auto addText = [&](int item, const char *label, const char *name) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), group), row, 0);
        QLabel *text = MonitorStaticText(group, name);
        grid->addWidget(text, row++, 1);
        m_binding->BindText(item, text);
    };
    auto addEdit = [&](int item, const char *label, const char *name, const char *constraint) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), group), row, 0);
        auto *edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(name));
        grid->addWidget(edit, row++, 1);
        m_binding->BindEdits(item, QString::fromLatin1(constraint), {edit});
        return edit;
    };
    addText(SI_Protocol, "Protocol ", "ST_Protocol");
    m_priority = addEdit(SI_Priority, "Priority (0-61440)", "ET_Priority", "%i{n0x61440l5a}");
    addText(SI_TimeSinceTopChange, "Time Since Topology Change", "ST_TimeSinceTopChange");
    addText(SI_TopChanges, "Number of Topology Changes", "ST_NumTopChange");
    addText(SI_DesignatedRoot, "Designated Root", "ST_DesignatedRoot");
    m_root = findChild<QLabel *>(QStringLiteral("ST_DesignatedRoot"));
    addText(SI_RootCost, "Root Cost", "ST_RootCost");
    addText(SI_RootPort, "Root Port", "ST_RootPort");
    addText(SI_MaxAge, "Maximum Aging Time", "ST_AgingTime");
    addText(SI_HelloTime, "HelloTime ", "ST_HelloTime");
    addText(SI_HoldTime, "Hold Time", "ST_HoldTime");
    addText(SI_ForwardDelay, "Forward Delay ", "ST_ForwardDelay");
    m_maxAge = addEdit(SI_BridgeMaxAge, "Maximum Aging Time(600-4000)", "ET_AgingTime", "%i{n600x4000l4a}");
    m_hello = addEdit(SI_BridgeHelloTime, "Hello Time(100-1000)", "ET_HelloTime", "%i{n100x1000l4a}");
    m_forwardDelay = addEdit(SI_BridgeForwardDelay, "Forward Delay(400-3000)", "ET_ForwardDelay", "%i{n400x3000l4a}");
    grid->addWidget(new QLabel(QStringLiteral("Max Age>= 2*(Hello Time + 100)"), group), row++, 0, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Notes : 2*(Forward Delay - 100) >= Max Age"), group), row++, 0, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QPushButton *get = MonitorButton(this, "BT_Get", "Refresh");
    QPushButton *set = MonitorButton(this, "BT_Set", "Set");
    QPushButton *close = MonitorButton(this, "Button1", "Close");
    for (QPushButton *b : {get, set, close})
        buttons->addWidget(b);
    body->addLayout(buttons);
    m_status = AddMonitorStatusBar(this, outer);
    m_binding->SetReportTarget(m_status);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(m_status);
    m_wait->AddSendControl(get);
    m_wait->AddSendControl(set);
    m_wait->Watch(m_binding);

    // The bridge identifier as priority and MAC beside its octets.
    connect(m_binding, &QvSNMPRequest2Controls::RefreshEnded, this, [this](const QvSNMPError &outcome) {
        if (outcome.code == 0 && m_root) {
            m_root->setText(BridgeIdText(m_root->text()));
            m_root->setToolTip(m_root->text());
        }
    });
    connect(get, &QPushButton::clicked, this, &TSTP_Info::BT_GetClick);
    connect(set, &QPushButton::clicked, this, &TSTP_Info::BT_SetClick);
    connect(close, &QPushButton::clicked, this, &TSTP_Info::Button1Click);
    BT_GetClick();
}

TSTP_Info::~TSTP_Info() = default;

void TSTP_Info::closeEvent(QCloseEvent *event)
{
    // Closed while waiting: the late answer reaches nothing.
    m_binding->Cancel();
    QDialog::closeEvent(event);
}

void TSTP_Info::Report(const QString &text) { m_binding->Report(text); }

void TSTP_Info::BT_GetClick()
{
    if (m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] { m_binding->Refresh(); });
}

void TSTP_Info::BT_SetClick()
{
    if (m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] {
        const QLineEdit *edits[] = {m_priority, m_maxAge, m_hello, m_forwardDelay};
        for (const QLineEdit *e : edits) {
            if (e->text().trimmed().isEmpty()) {
                m_status->setText(QStringLiteral("Don't Leave Empty Fileds !"));
                return;
            }
        }
        int values[4] = {};
        for (int k = 0; k < 4; ++k) {
            if (!ReadWhole(edits[k], &values[k])) {
                Report(QStringLiteral("'%1' is not a valid integer value").arg(edits[k]->text()));
                return;
            }
        }
        const int priority = values[0], maxAge = values[1], hello = values[2], forwardDelay = values[3];
        if (maxAge > 2 * forwardDelay - 200 || maxAge < 2 * hello + 200) {
            m_status->setText(QStringLiteral("Data Error !"));
            return;
        }
        if (priority > 61440) {
            m_status->setText(QStringLiteral("Priority value is wrong!"));
            return;
        }
        // Read back once the switch has taken the write; a failed write ends here, its line
        // ("Set: ...") staying in the status bar.
        m_binding->ThenApplied([this](const QvSNMPError &outcome) {
            if (outcome.code == 0)
                BT_GetClick();
        });
        m_binding->Apply(false, true);
    });
}

void TSTP_Info::Button1Click() { close(); }
