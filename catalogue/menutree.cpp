#include "menutree.h"

#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "tmessagebox.h"
#include "windowbuilder.h"
#include "windowdefs.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMetaObject>
#include <QWidget>

#include <iterator>
#include <vector>

namespace {

constexpr bool kHidden = true;

// Menu order. Separators are not part of the tree.
constinit const TMenuEntry Entries[] = {
    {0, "Device", "Device", nullptr},
    {1, "SNMP Configuration", "SNMPConfig", "SNMPConfigClick"},
    {1, "Equipment Power", "EquipmentPower1", "EquipmentPower1Click"},
    {1, "SNMP Agent", "Agent1", nullptr},
    {2, "Information", "Info", "InfoClick"},
    {2, "System Configure", "BasicConfig", "BasicConfigClick"},
    {2, "IP Control", "IPInfo", "IPInfoClick"},
    {2, "Download/Upload", "ConfigFileTable", "ConfigFileTableClick"},
    {1, "Equipment Time", "TimeMIB", nullptr},
    {2, "System Time", "SystemTime", "SystemTimeClick"},
    {2, "SNTP", "SNTP", "SNTPClick"},
    {2, "Summer Time", "SummerTime", "SummerTimeClick"},
    {1, "Entity", "EntityPhysical1", nullptr},
    {2, "Entity Physical", "EntityPhysical2", "EntityPhysical2Click"},
    {2, "Entity Logical", "EntityLogical1", "EntityLogical1Click"},
    {2, "Entity Mapping", "EntityMapping1", "EntityMapping1Click"},
    {2, "Aggregation port State", "AggregationportState1", "AggregationportState1Click"},
    {1, "Link Aggregation", "LagMIB1", nullptr},
    {2, "Port List", "PortList1", "PortList1Click"},
    {2, "Aggregator Table", "AggregatorTable1", "AggregatorTable1Click"},
    {2, "Aggregation Control", "LinkAggregationControl1", "LinkAggregationControl1Click"},
    {2, "Aggregation port State", "AggregationportState2", "AggregationportState2Click"},
    {2, "Aggregation port Debug", "AggregationportDebug1", "AggregationportDebug1Click"},
    {1, "Layer 2 Management", "Layer2", nullptr},
    {2, "Device Management", "DeviceManagemnet", "DeviceManagemnetClick"},
    {2, "Port Management", "PortManagement", "PortManagementClick"},
    {2, "Trunk Management", "TrunkManagement1", "TrunkManagement1Click"},
    {2, "Trunk Control", "TrunkControl", "TrunkControlClick"},
    {2, "Mirror Management", "MirrorManagement", "MirrorManagementClick"},
    {2, "IGMP Management", "IGMPManagement", "IGMPManagementClick"},
    {2, "Traffic Management", "TrafficManagement", "TrafficManagementClick"},
    {1, "Layer3 Management", "Layer3Management", nullptr},
    {2, "Device Control", "MI_DeviceControl", "MI_DeviceControlClick"},
    {2, "IP Control Table", "MI_IPControlTable", "MI_IPControlTableClick"},
    {2, "IP Forwarding Table", "MI_IPForwardingTable", "MI_IPForwardingTableClick"},
    {2, "IP Static Route", "IPStaticRoute1", "IPStaticRoute1Click"},
    {2, "IP ARP Aging Time", "IPARPAgingTime1", "IPARPAgingTime1Click"},
    {2, "CIDR(RFC2096)", "CIDRRFC20961", "CIDRRFC20961Click"},
    {2, "RIP2 (RFC1724)", "MI_RIP2", "MI_RIP2Click"},
    {2, "OSPF (RFC1850)", "MI_OSPFRFC18501", nullptr},
    {3, "OSPF General", "OSPFGeneral1", "OSPFGeneral1Click"},
    {3, "Area Info", "AreaInfo1", "AreaInfo1Click"},
    {3, "Lsdb  Info", "LsdbInfo1", "LsdbInfo1Click"},
    {3, "Interface Info", "InterfaceInfo1", "InterfaceInfo1Click"},
    {3, "Neighbor Info", "NeighborInfo1", "NeighborInfo1Click"},
    {2, "IpMroute", "IpMroute1", "IpMroute1Click"},
    {2, "DVMRP", "DVMRP1", "DVMRP1Click"},
    {2, "PIM", "MI_PIM", nullptr},
    {3, "PIM Info", "PIMInfo1", "PIMInfo1Click"},
    {3, "Rendezvous Points Info", "RendezvousPointsInfo1", "RendezvousPointsInfo1Click"},
    {1, "ACL Management", "ACLManagement1", nullptr},
    {2, "Ethernet Table", "EthernetTable", "EthernetTableClick"},
    {2, "IP Table", "ACLIPTable", "ACLIPTableClick"},
    {2, "Payload Table", "MI_PayloadTable", "MI_PayloadTableClick"},
    {1, "Event Log", "EventLog", "EventLogClick"},
    {1, "Refresh Panel", "Refresh", "RefreshClick", kHidden},
    {1, "Save Configure", "SaveConfig", "SaveConfigClick"},
    {1, "Reboot", "Reset", "RebootClick"},
    {1, "Exit", "Exit", "ExitClick"},

    {0, "MIB II", "MIBII1", nullptr},
    {1, "Information", "MIB2Information", "MIB2InformationClick"},
    {1, "IF Table", "MIB2IFTable", "MIB2IFTableClick"},
    {1, "IF Counter", "MIB2IFCounter", "MIB2IFCounterClick"},
    {1, "IP Counter", "MIB2IPCounter", "MIB2IPCounterClick"},
    {1, "IP Routing", "MIB2IPRouting", "MIB2IPRoutingClick"},
    {1, "IP Address Table", "MIB2IPAddressTable", "MIB2IPAddressTableClick"},
    {1, "ARP Entity", "ARPEntity1", "ARPEntity1Click"},
    {1, "ICMP Counter", "MIB2ICMPCounter", "MIB2ICMPCounterClick"},
    {1, "UDP Counter", "MIB2UDPCounter", "MIB2UDPCounterClick"},
    {1, "SNMP Counter", "MIB2SNMPCounter", "MIB2SNMPCounterClick"},

    {0, "Bridge", "Bridge1", nullptr},
    {1, "802.1d", "N8021d1", nullptr},
    {2, "Information", "BridgeInformation", "BridgeInformationClick"},
    {2, "Port Table", "BridgePortTable", "BridgePortTableClick"},
    {1, "Spanning Tree", "SpaningTree1", nullptr},
    {2, "Information", "BridgeSTPInformation", "BridgeSTPInformationClick"},
    {2, "Port Table", "BridgeSTPPortTable", "BridgeSTPPortTableClick"},
    {1, "Transparent Bridge", "TransparentBridge1", nullptr},
    {2, "Forwarding Table", "BridgeForwardingTable", "BridgeForwardingTableClick", kHidden},
    {2, "Static Table", "BridgeStaticTable", "BridgeStaticTableClick", kHidden},
    {2, "Port Counters", "BridgePortCounters", "BridgePortCountersClick"},

    {0, "VLAN", "VLAN1", nullptr},
    {1, "802.1P", "N8021P1", nullptr},
    {2, "Basic Configure", "BasicConfigure", "BasicConfigureClick"},
    {2, "Priority Information", "PriorityInformation", "PriorityInformationClick"},
    {2, "Port Capability", "PortCapbility", "PortCapbilityClick"},
    {2, "GARP", "GARP", "GARPClick"},
    {1, "802.1Q", "N8021Q1", nullptr},
    {2, "802.1Q Bridge", "N8021QBridge2", nullptr},
    {3, "Basic Configure", "BasicConfigure2", "BasicConfigure2Click"},
    {3, "Port Information", "PortInformation1", "PortInformation1Click"},
    {2, "802.1Q VLAN", "N8021QVLAN1", "N8021QVLAN1Click"},
    {2, "Forwarding/Filtering", "ForwardingFiltering1", "ForwardingFiltering1Click"},
    {2, "Unicast/Multicast Static Forwarding Table", "UnicastMulticastStaticForwardTable1",
     "UnicastMulticastStaticForwardTable1Click"},

    {0, "IF-MIB", "IFMIB1", nullptr},
    {1, "General Table", "GeneralTable1", "GeneralTable1Click"},
    {1, "IfX Table", "IFXTable1", "IFXTable1Click"},
    {1, "IfStack Table", "IfStackTable1", "IfStackTable1Click", kHidden},

    {0, "RMON", "RMON1", nullptr},
    {1, "Statistics", "Statistics1", "Statistics1Click"},
    {1, "History", "History1", "History1Click"},
    {1, "Alarm/Event", "AlarmEvent1", "AlarmEvent1Click"},

    {0, "EtherLike", "Other1", nullptr},
    {1, "Stats Table", "dot3Stats", "dot3StatsClick"},

    {0, "SNMP V3", "SNMPV3", nullptr},
    {1, "SNMP Configure", "SNMPConfigure1", "SNMPConfigure1Click"},
    {1, "SNMP Engine", "Engine", "EngineClick"},
    {1, "MPD Status", "MPD", "MPDClick"},
    {1, "TARGET", "TARGET", "TARGETClick"},
    {1, "Community MIB", "CommunityMIB", nullptr},
    {2, "Community Table", "CommunityTable", "CommunityTableClick"},
    {2, "TargetAddr Ext Table", "TargetAddrExtTable", "TargetAddrExtTableClick"},
    {1, "User-based Security Model", "USM", nullptr},
    {2, "USM Stats", "USMStats", "USMStatsClick"},
    {2, "USM User Table", "USMUserTable", "USMUserTableClick"},
    {1, "View-based Access Control Model", "VACM", nullptr},
    {2, "VACM Security To Group Table", "VACMSecurityToGroupTable", "VACMSecurityToGroupTableClick"},
    {2, "VACM Access Table", "VACMAccessTable", "VACMAccessTableClick"},
    {2, "VACM MIB Views", "VACMMIBViews1", "VACMMIBViews1Click"},
    {1, "Notification", "Notification1", nullptr},
    {2, "Notify Table", "NotifyTable", "NotifyTableClick"},
    {2, "Notify Filter Profile Table", "NotifyFilterProfileTable", "NotifyFilterProfileTableClick"},
    {2, "Notify Filter Table", "NotifyFilterTable", "NotifyFilterTableClick"},

    {0, "Authentication", "Auth", nullptr},
    {1, "Auth Control", "AuthControl1", "AuthControl1Click"},
    {1, "Rudius Control", "RudiusControl1", "RudiusControl1Click"},
    {1, "Radius Server", "RadiusClientMIB", "RadiusClientMIBClick"},
    {1, "802.1x", "IEEE8021", nullptr},
    {2, "PAE System", "PaeSystem", "PaeSystemClick"},
    {2, "PAE Authenticator", "PaeAuthenticator", "PaeAuthenticatorClick"},
    {2, "PAE Supplicant", "PaeSupplicant", "PaeSupplicantClick"},

    {0, "SSH", "SSH1", nullptr},
    {1, "SSH Contrl", "SSHContrl1", "SSHContrl1Click"},
    {1, "SSH Encrypt Alg Control", "SSHEncryptAlgControl1", "SSHEncryptAlgControl1Click"},
    {1, "SSH Auth Method Control", "SSHAuthMethodControl1", "SSHAuthMethodControl1Click"},
    {1, "SSH Inte Alg Control", "SSHInteAlgControl1", "SSHInteAlgControl1Click"},
    {1, "SSH Public Key Control", "SSHPublicKeyControl1", "SSHPublicKeyControl1Click"},

    {0, "Help", "Help1", nullptr},
    {1, "Help", "H1", "H1Click"},
    {1, "About", "About1", "About1Click"},
};

QWidget *OwnerWidget(QObject *handlerOwner)
{
    return qobject_cast<QWidget *>(handlerOwner);
}

QString CaptionOf(const QString &handler)
{
    for (const TMenuEntry &e : Entries) {
        if (e.handler && handler == QLatin1StringView(e.handler))
            return QString::fromLatin1(e.caption);
    }
    return handler;
}

// A slot such as "void RebootClick(QObject *sender)" on the owner.
bool InvokeOwnerSlot(QObject *owner, const QString &handler, QObject *sender)
{
    if (!owner)
        return false;
    const QByteArray signature = handler.toLatin1() + "(QObject*)";
    if (owner->metaObject()->indexOfMethod(signature.constData()) < 0)
        return false;
    return QMetaObject::invokeMethod(owner, handler.toLatin1().constData(), Qt::DirectConnection,
                                     Q_ARG(QObject *, sender));
}

} // namespace

std::span<const TMenuEntry> MainMenuEntries() { return Entries; }

const TMenuEntry *FindMenuEntry(const QString &name)
{
    for (const TMenuEntry &e : Entries) {
        if (name == QLatin1StringView(e.name))
            return &e;
    }
    return nullptr;
}

void RunMenuHandler(const QString &handler, QObject *sender, QObject *handlerOwner, const TMenuHandlers &handlers)
{
    QWidget *owner = OwnerWidget(handlerOwner);
    try {
        if (auto it = handlers.constFind(handler); it != handlers.constEnd() && *it) {
            (*it)(sender);
            return;
        }
        if (InvokeOwnerSlot(handlerOwner, handler, sender))
            return;
        if (const TWindowDef *def = FindWindowDef(handler)) {
            OpenGeneratedWindow(*def);
            return;
        }
        QvMessageBox(owner, QStringLiteral("\"%1\" is not available yet.").arg(CaptionOf(handler)),
                     QvAppCaption());
    } catch (const QvSNMPException &e) {
        QvMessageBox(owner, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(owner, QString::fromLocal8Bit(e.what()), QvAppCaption());
    } catch (...) {
        QvMessageBox(owner, QStringLiteral("Unknown error"), QvAppCaption());
    }
}

void BuildMainMenu(QMenuBar *bar, QObject *handlerOwner, const TMenuHandlers &handlers)
{
    // The menu open at each depth while walking the tree.
    std::vector<QMenu *> open;
    for (const TMenuEntry &e : Entries) {
        open.resize(size_t(e.depth));
        QWidget *parent = e.depth == 0 ? static_cast<QWidget *>(bar) : open.back();
        const QString caption = QString::fromLatin1(e.caption);
        const QString name = QString::fromLatin1(e.name);
        QAction *action = nullptr;
        if (e.IsSubmenu()) {
            auto *menu = new QMenu(caption, parent);
            menu->setObjectName(name);
            if (e.depth == 0)
                bar->addMenu(menu);
            else
                open.back()->addMenu(menu);
            action = menu->menuAction();
            open.push_back(menu);
        } else {
            action = new QAction(caption, parent);
            const QString handler = QString::fromLatin1(e.handler);
            QObject::connect(action, &QAction::triggered, parent, [=] {
                RunMenuHandler(handler, action, handlerOwner, handlers);
            });
            if (e.depth == 0)
                bar->addAction(action);
            else
                open.back()->addAction(action);
        }
        action->setObjectName(name);
        if (e.hidden)
            action->setVisible(false);
    }
}

bool ConfigToolPresent(const QString &workingFolder)
{
    // File names on the platform the tool comes from do not tell case apart.
    const QStringList found = QDir(workingFolder).entryList({QStringLiteral("SNMPV3CFG.EXE")}, QDir::Files);
    return !found.isEmpty();
}
