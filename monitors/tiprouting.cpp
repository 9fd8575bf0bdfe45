#include "tiprouting.h"

#include "mibtables.h"
#include "qvsnmprequest2controls.h"
#include "qvwaitindicator.h"
#include "tlistviewfilter.h"
#include "tmonitorparts.h"
#include "thelpviewer.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const QString AddressFormat = QStringLiteral("%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}");

enum RouteItem {
    RI_Dest, RI_IfIndex, RI_Metric1, RI_Metric2, RI_Metric3, RI_Metric4, RI_Metric5, RI_NextHop, RI_Type,
    RI_Proto, RI_Age, RI_Mask, RI_Info,
};

} // namespace

TIP_Routing::TIP_Routing(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("IP_Routing"));
    InstallHelpKey(this, QStringLiteral("monitors.html#routing"));
    setWindowTitle(QStringLiteral("IP Routing"));
    resize(552, 413);

    m_binding = new QvSNMPRequest2Edits(this);
    m_binding->Request().LoadSessionParams();
    m_binding->Vars().Assign(QvSNMPVarList(IpRouteVars, MVT_FMV, 1));

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto *body = new QHBoxLayout;
    body->setContentsMargins(6, 6, 6, 6);
    outer->addLayout(body, 1);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("LV_IP_Routing"));
    TListViewExport::Attach(m_list);
    TListViewFilter::Attach(m_list);
    body->addWidget(m_list, 1);

    // The editing panel: bound like an editor, never shown.
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    auto *form = new QFormLayout(panel);
    auto addressPanel = [&](const char *name, const char *label, int item) {
        auto *p = new QWidget(panel);
        p->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(label), p);
        m_binding->BindPanel(item, AddressFormat, p);
    };
    auto numberEdit = [&](const char *name, const char *label, int item) {
        auto *e = new QLineEdit(panel);
        e->setObjectName(QString::fromLatin1(name));
        form->addRow(QString::fromLatin1(label), e);
        m_binding->BindEdits(item, QStringLiteral("%i"), {e});
    };
    addressPanel("DestinationAddress", "Destination IP Address", RI_Dest);
    numberEdit("ET_Index", "Index", RI_IfIndex);
    numberEdit("ET_Metric1", "Metric1", RI_Metric1);
    numberEdit("ET_Metric2", "Metric2", RI_Metric2);
    numberEdit("ET_Metric3", "Metric3", RI_Metric3);
    numberEdit("ET_Metric4", "Metric4", RI_Metric4);
    numberEdit("ET_Metric5", "Metric5", RI_Metric5);
    addressPanel("NextHop", "Next Hop", RI_NextHop);
    auto *type = new QComboBox(panel);
    type->setObjectName(QStringLiteral("Combo_Type"));
    form->addRow(QStringLiteral("Type"), type);
    m_binding->BindControl(RI_Type, type);
    numberEdit("ET_Age", "Age", RI_Age);
    addressPanel("Mask", "Mask", RI_Mask);
    panel->hide();

    auto *side = new QVBoxLayout;
    body->addLayout(side);
    QPushButton *get = MonitorButton(this, "BT_Get", "Refresh");
    QPushButton *set = MonitorButton(this, "BT_Set", "Set");
    QPushButton *close = MonitorButton(this, "Button1", "Close");
    set->hide();
    m_set = set;
    for (QPushButton *b : {get, set, close})
        side->addWidget(b);
    side->addStretch(1);
    QLabel *status = AddMonitorStatusBar(this, outer);
    m_binding->SetReportTarget(status);
    m_binding->BindListView(m_list, true);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(status);
    m_wait->AddSendControl(get);
    m_wait->AddSendControl(set);
    m_wait->Watch(m_binding);

    connect(get, &QPushButton::clicked, this, &TIP_Routing::BT_GetClick);
    connect(set, &QPushButton::clicked, this, &TIP_Routing::BT_SetClick);
    connect(close, &QPushButton::clicked, this, &TIP_Routing::Button1Click);
    BT_GetClick();
}

TIP_Routing::~TIP_Routing() = default;

void TIP_Routing::closeEvent(QCloseEvent *event)
{
    // Closed while waiting: the late answer reaches nothing.
    m_binding->Cancel();
    QDialog::closeEvent(event);
}

void TIP_Routing::Report(const QString &text) { m_binding->Report(text); }

void TIP_Routing::BT_GetClick()
{
    if (m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] { m_binding->Refresh(); });
    m_set->setEnabled(false);
}

void TIP_Routing::BT_SetClick()
{
    // Writes the selected row, then walks the table again.
    if (m_binding->Busy())
        return;
    RunGuarded([this](const QString &t) { Report(t); }, [this] { m_binding->Apply(true, true); });
}

void TIP_Routing::Button1Click() { close(); }
