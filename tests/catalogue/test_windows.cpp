// The window catalogue without an agent: every definition against the descriptor tables it
// names, every window built by the real builder (so the panels' own checks run on every status
// label, constraint and port-list column), builder refusals, the menu tree, its dispatch and
// the start-up states.
#include "agent_support.h"
#include "menutree.h"
#include "mibcatalogue.h"
#include "mibenums.h"
#include "qveditconstraint.h"
#include "qvoptionlist.h"
#include "qvsnmpexception.h"
#include "qvsnmpsession.h"
#include "qvsnmpvarlist.h"
#include "tconfigform.h"
#include "teditspanel.h"
#include "tmessagebox.h"
#include "tsnmppanel.h"
#include "windowbuilder.h"
#include "windowdefs.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

class CatalogueLists : public ::testing::Environment {
public:
    void SetUp() override { BuildCatalogueLists(); }
    void TearDown() override { FreeCatalogueLists(); }
};
const auto *const listsEnv = ::testing::AddGlobalTestEnvironment(new CatalogueLists);

std::string Name(const TWindowDef &def) { return def.handler; }

// The index entry of a table, so that the whole-catalogue checks cover every table a window shows.
const MibTableEntry *IndexEntryOf(const QvSNMPVarDesc *table)
{
    for (const MibTableEntry &e : MibTableIndex()) {
        if (e.table == table)
            return &e;
    }
    return nullptr;
}

// Menu entries whose handler is not a generated window: device commands, launches, dedicated
// windows and help, as listed with the main window's actions.
const QSet<QString> kOtherHandlers = {
    "SNMPConfigClick", "SummerTimeClick", "EventLogClick", "RefreshClick", "SaveConfigClick", "RebootClick", "ExitClick",
    "CIDRRFC20961Click", "MI_RIP2Click", "OSPFGeneral1Click", "AreaInfo1Click", "LsdbInfo1Click",
    "InterfaceInfo1Click", "NeighborInfo1Click", "IpMroute1Click", "DVMRP1Click", "PIMInfo1Click",
    "RendezvousPointsInfo1Click", "MIB2IFCounterClick", "MIB2IPCounterClick", "MIB2IPRoutingClick",
    "ARPEntity1Click", "MIB2ICMPCounterClick", "MIB2UDPCounterClick", "MIB2SNMPCounterClick",
    "BridgeSTPInformationClick", "BridgeForwardingTableClick", "BridgeStaticTableClick",
    "BridgePortCountersClick", "IfStackTable1Click", "Statistics1Click", "History1Click", "AlarmEvent1Click",
    "SNMPConfigure1Click", "H1Click", "About1Click",
};

} // namespace

TEST(WindowDefinitions, EveryPanelFitsItsTable)
{
    for (const TWindowDef &def : WindowDefs()) {
        SCOPED_TRACE(Name(def));
        const int panels = def.PanelCount();
        ASSERT_GE(panels, 1);
        if (def.layout == WL_PAGES) {
            EXPECT_GE(panels, 2) << "a window of pages with one page";
        } else {
            EXPECT_EQ(panels, 1) << "a single-panel window with more panels";
        }
        for (int p = 0; p < panels; ++p) {
            const TPanelDef &panel = def.panels[p];
            SCOPED_TRACE("panel " + std::to_string(p));
            const QvSNMPVarDesc *table = panel.table;
            ASSERT_NE(IndexEntryOf(table), nullptr) << "a table the catalogue index does not hold";
            const int columns = QvSNMPVarList::DescCount(table);
            if (def.layout == WL_EDITOR) {
                EXPECT_EQ(panel.kind, PK_EDITOR);
            }
            if (def.layout == WL_LISTVIEW) {
                EXPECT_EQ(panel.kind, PK_LIST);
            }
            EXPECT_EQ(panel.title != nullptr, def.layout == WL_PAGES) << "page titles belong to pages only";
            if (panel.kind == PK_LIST) {
                EXPECT_TRUE(panel.itemType == MVT_FMV || panel.itemType == MVT_UMV);
                EXPECT_GE(panel.indexCount, 1);
                EXPECT_LE(panel.indexCount, columns);
            } else {
                EXPECT_TRUE(panel.itemType == SVT_SV || panel.itemType == MVT_SV);
                EXPECT_EQ(panel.indexCount, 0);
                EXPECT_EQ(panel.hooks, nullptr) << "hooks need a list panel";
                EXPECT_EQ(panel.add.label, nullptr);
                EXPECT_EQ(panel.del.label, nullptr);
            }
            for (const TStatusDef *status : {&panel.add, &panel.del}) {
                if (!status->label)
                    continue;
                ASSERT_GE(status->column, panel.indexCount) << "a status on an index column";
                ASSERT_LT(status->column, columns);
                const QvSNMPVarDesc &desc = table[status->column];
                EXPECT_TRUE(desc.access & ACC_WRITEONLY) << desc.name;
                ASSERT_NE(desc.options, nullptr) << desc.name << " has no options";
                EXPECT_GE(desc.options->IndexOfLabel(QString::fromLatin1(status->label)), 0)
                    << status->label << " is no option of " << desc.name;
            }
            EXPECT_EQ(panel.add.label == nullptr, panel.del.label == nullptr) << "add without delete";
            QSet<int> seen;
            for (int k = 0; k < panel.ConstraintCount(); ++k) {
                const TConstraintDef &c = panel.constraints[k];
                ASSERT_GE(c.column, 0);
                ASSERT_LT(c.column, columns);
                EXPECT_FALSE(seen.contains(c.column)) << "two constraints on column " << c.column;
                seen.insert(c.column);
                EXPECT_EQ(table[c.column].options, nullptr) << "constraint on the combo box " << table[c.column].name;
                EXPECT_NO_THROW(QvEditConstraint::Parse(QString::fromLatin1(c.constraint))) << c.constraint;
            }
            for (int k = 0; k < panel.PortListCount(); ++k) {
                const TPortListDef &pl = panel.portLists[k];
                ASSERT_GE(pl.column, 0);
                ASSERT_LT(pl.column, columns);
                const QvSNMPVarDesc &desc = table[pl.column];
                EXPECT_TRUE(desc.syntax == SYN_BITSTR || desc.syntax == SYN_OCTETSTR) << desc.name;
                EXPECT_EQ(desc.options, nullptr) << desc.name;
            }
        }
    }
}

// The columns a definition tunes, named by the labels the menu documentation gives them: a
// column number that drifts from its object (a table that gained a column) shows here.
TEST(WindowDefinitions, TunedColumnsAreTheNamedObjects)
{
    struct Case {
        const char *handler;
        int panel;
        QStringList labels;  // status, constraint and port-list columns of that panel
    };
    const Case cases[] = {
        {"SystemTimeClick", 1, {"System TimeZone"}},
        {"SNTPClick", 0, {"SNTP Poll Interval"}},
        {"PortList1Click", 0, {"Agg Port"}},
        {"PortManagementClick", 2, {"L2 Port Security Max Lern Addr"}},
        {"TrunkControlClick", 0, {"L2 Trunk State", "L2 Trunk Master Port", "L2 Trunk Member"}},
        {"MirrorManagementClick", 0, {"L2 Mirror Port Source Ingress", "L2 Mirror Port Source Egress"}},
        {"IGMPManagementClick", 1, {"L2 IGMP Ctrl Vid", "L2 IGMP Query Interval", "L2 IGMP Max Response Time", "L2 IGMP Robustness", "L2 IGMP Last Member Query Interval", "L2 IGMP Host Timeout", "L2 IGMP Route Timeout", "L2 IGMP Leave Timer"}},
        {"TrafficManagementClick", 0, {"L2 Traffic Ctrl BMStromthreshold"}},
        {"TrafficManagementClick", 1, {"L2 Traffic Seg Forward Ports"}},
        {"MI_IPControlTableClick", 0, {"L3 Ip Ctrl State"}},
        {"IPARPAgingTime1Click", 0, {"L3 Ip Arp Aging Time"}},
        {"EthernetTableClick", 0, {"swACLEthernetRowStatus"}},
        {"EthernetTableClick", 1, {"swACLEtherRuleRowStatus"}},
        {"ACLIPTableClick", 0, {"swACLIpRowStatus"}},
        {"ACLIPTableClick", 1, {"swACLIpRuleRowStatus"}},
        {"MI_PayloadTableClick", 0, {"swACLPayloadRowStatus"}},
        {"MI_PayloadTableClick", 1, {"swACLPayloadRuleRowStatus"}},
        {"BridgeInformationClick", 0, {"MAC Address Aging Time"}},
        {"BridgeSTPPortTableClick", 0, {"Priority", "PathCost"}},
        {"PriorityInformationClick", 0, {"DefaultUserPriority", "PortNumTrafficClasses"}},
        {"PriorityInformationClick", 1, {"RegeneratedUserPriority"}},
        {"PriorityInformationClick", 2, {"MappedTrafficClass"}},
        {"GARPClick", 0, {"GARPJoinTime", "GARPLeaveTime", "GARPLeaveAllTime"}},
        {"N8021QVLAN1Click", 0, {"Status", "VLAN ID", "VLAN Name", "Egress Ports", "Forbidden Egress Ports", "Untagged Ports"}},
        {"UnicastMulticastStaticForwardTable1Click", 0, {"UnicastAddress"}},
        {"UnicastMulticastStaticForwardTable1Click", 1, {"EgressPorts"}},
        {"TARGETClick", 1, {"snmpTargetAddrRowStatus"}},
        {"TARGETClick", 2, {"snmpTargetParamsRowStatus"}},
        {"CommunityTableClick", 0, {"Status"}},
        {"USMUserTableClick", 1, {"Status"}},
        {"VACMSecurityToGroupTableClick", 0, {"Security Group Status"}},
        {"VACMAccessTableClick", 0, {"Access Status"}},
        {"VACMMIBViews1Click", 1, {"vacmViewTreeFamilyStatus"}},
        {"NotifyTableClick", 0, {"snmpNotifyRowStatus"}},
        {"NotifyFilterProfileTableClick", 0, {"snmpNotifyFilterProfileRowStatus"}},
        {"PaeAuthenticatorClick", 0, {"Auth Quiet Period", "Auth Tx Period", "AuthSupp Timeout", "Auth Server Timeout", "Auth MaxReq", "ReAuth Period"}},
        {"NotifyFilterTableClick", 0, {"snmpNotifyFilterRowStatus"}},
    };
    QSet<QString> covered;
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.handler) + " panel " + std::to_string(c.panel));
        const TWindowDef *def = FindWindowDef(QString::fromLatin1(c.handler));
        ASSERT_NE(def, nullptr);
        ASSERT_LT(c.panel, def->PanelCount());
        covered.insert(QString::fromLatin1(c.handler) + '/' + QString::number(c.panel));
        const TPanelDef &panel = def->panels[c.panel];
        const QvSNMPVarDesc *table = panel.table;
        ASSERT_NE(table, nullptr);
        const int columns = QvSNMPVarList::DescCount(table);
        QSet<int> used;
        if (panel.add.label)
            used << panel.add.column;
        if (panel.del.label)
            used << panel.del.column;
        for (int k = 0; k < panel.ConstraintCount(); ++k)
            used << panel.constraints[k].column;
        for (int k = 0; k < panel.PortListCount(); ++k)
            used << panel.portLists[k].column;
        QSet<QString> labels;
        for (int column : std::as_const(used)) {
            ASSERT_GE(column, 0);
            ASSERT_LT(column, columns);
            labels << QString::fromLatin1(table[column].name).trimmed();
        }
        QStringList got(labels.begin(), labels.end()), expected = c.labels;
        got.sort();
        expected.sort();
        EXPECT_EQ(got.join(" | ").toStdString(), expected.join(" | ").toStdString());
    }
    // Every tuned panel is in the list above.
    for (const TWindowDef &def : WindowDefs()) {
        for (int p = 0; p < def.PanelCount(); ++p) {
            const TPanelDef &panel = def.panels[p];
            if (panel.add.label || panel.ConstraintCount() || panel.PortListCount()) {
                EXPECT_TRUE(covered.contains(QString::fromLatin1(def.handler) + '/' + QString::number(p)))
                    << def.handler << " panel " << p;
            }
        }
    }
}

TEST(WindowDefinitions, HandlersAndCaptionsAreUnique)
{
    // The one caption the menu gives two windows: trunk information and trunk control.
    const QSet<QString> sharedCaptions = {QStringLiteral("Trunk Management")};
    std::map<QString, int> captions;
    QSet<QString> handlers;
    for (const TWindowDef &def : WindowDefs()) {
        const QString handler = QString::fromLatin1(def.handler);
        EXPECT_FALSE(handlers.contains(handler)) << def.handler;
        handlers.insert(handler);
        ++captions[QString::fromLatin1(def.caption)];
        EXPECT_EQ(FindWindowDef(handler), &def) << def.handler;
    }
    for (const auto &[caption, count] : captions) {
        if (sharedCaptions.contains(caption)) {
            EXPECT_EQ(count, 2) << caption.toStdString();
        } else {
            EXPECT_EQ(count, 1) << caption.toStdString();
        }
    }
    EXPECT_EQ(FindWindowDef(u"RebootClick"), nullptr);
    EXPECT_EQ(FindWindowDef(u""), nullptr);
}

TEST(MenuTree, EveryEntryHasOneAction)
{
    QSet<QString> names, handlers;
    int visibleHandlers = 0, hiddenHandlers = 0;
    int previousDepth = -1;
    const auto entries = MainMenuEntries();
    for (size_t i = 0; i < entries.size(); ++i) {
        const TMenuEntry &e = entries[i];
        SCOPED_TRACE(e.name);
        EXPECT_FALSE(names.contains(QString::fromLatin1(e.name))) << "component name twice";
        names.insert(QString::fromLatin1(e.name));
        EXPECT_LE(e.depth, previousDepth + 1) << "skips a level";
        previousDepth = e.depth;
        if (e.IsSubmenu()) {
            ASSERT_LT(i + 1, entries.size());
            EXPECT_EQ(entries[i + 1].depth, e.depth + 1) << "an empty submenu";
            continue;
        }
        EXPECT_GT(e.depth, 0) << "an action on the menu bar";
        const QString handler = QString::fromLatin1(e.handler);
        EXPECT_FALSE(handlers.contains(handler)) << "handler twice";
        handlers.insert(handler);
        (e.hidden ? hiddenHandlers : visibleHandlers)++;
        EXPECT_NE(FindWindowDef(handler) != nullptr, kOtherHandlers.contains(handler))
            << e.handler << " is neither a generated window nor another action (or both)";
    }
    EXPECT_EQ(visibleHandlers, 105);
    EXPECT_EQ(hiddenHandlers, 4);
    for (const TWindowDef &def : WindowDefs())
        EXPECT_TRUE(handlers.contains(QString::fromLatin1(def.handler))) << def.handler << " has no menu entry";
}

TEST(MenuTree, BarHoldsTheTreeByComponentName)
{
    QMenuBar bar;
    BuildMainMenu(&bar, nullptr);
    QList<QString> parents;  // component name of the open menu per depth
    for (const TMenuEntry &e : MainMenuEntries()) {
        SCOPED_TRACE(e.name);
        const QString name = QString::fromLatin1(e.name);
        parents.resize(e.depth);
        QAction *action = nullptr;
        if (e.IsSubmenu()) {
            auto *menu = bar.findChild<QMenu *>(name);
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(menu->title(), QString::fromLatin1(e.caption));
            action = menu->menuAction();
            if (e.depth == 0) {
                EXPECT_TRUE(bar.actions().contains(action));
            }
            parents.append(name);
        } else {
            action = bar.findChild<QAction *>(name);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->text(), QString::fromLatin1(e.caption));
        }
        EXPECT_EQ(action->objectName(), name);
        EXPECT_EQ(action->isVisible(), !e.hidden);
        if (e.depth > 0) {
            auto *parentMenu = bar.findChild<QMenu *>(parents.at(e.depth - 1));
            ASSERT_NE(parentMenu, nullptr);
            EXPECT_TRUE(parentMenu->actions().contains(action)) << "not under " << parents.at(e.depth - 1).toStdString();
        }
    }
    EXPECT_EQ(bar.actions().size(), 11);
}

TEST(MenuTree, ConfigToolPresent)
{
    const struct {
        const char *name;
        const char *toolFile;  // created in the working folder, or none
        bool present;
    } cases[] = {
        {"no tool", nullptr, false},
        {"tool present", "SNMPV3CFG.EXE", true},
        {"tool in other case", "SNMPV3Cfg.exe", true},
        {"a different tool", "SNMPV3CFG.EXE.bak", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString working = makeTempDir(QStringLiteral("wincat-tool"));
        if (c.toolFile) {
            QFile f(working + '/' + QLatin1String(c.toolFile));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        EXPECT_EQ(ConfigToolPresent(working), c.present);
        QDir(working).removeRecursively();
    }
}

namespace {

class HandlerOwner : public QObject {
    Q_OBJECT
public:
    QStringList calls;
public slots:
    void RebootClick(QObject *sender) { calls << QStringLiteral("RebootClick:") + sender->objectName(); }
    void InfoClick(QObject *) { calls << QStringLiteral("InfoClick"); }
};

struct MessageCatcher {
    QStringList texts;
    QvMessageHook previous;
    MessageCatcher()
    {
        previous = QvSetMessageHook([this](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
            texts << text;
            return QMessageBox::Ok;
        });
    }
    ~MessageCatcher() { QvSetMessageHook(previous); }
};

} // namespace

TEST(MenuTree, ClickRunsTheFirstHandlerFound)
{
    struct Case {
        const char *name;
        const char *handler;
        bool inTable;
        const char *expectedCall;     // recorded by the table or the owner, or none
        const char *expectedMessage;  // part of the message shown, or none
    };
    const Case cases[] = {
        {"table before the owner's slot", "RebootClick", true, "table:RebootClick", nullptr},
        {"table before the generated window", "InfoClick", true, "table:InfoClick", nullptr},
        {"owner's slot", "RebootClick", false, "RebootClick:Reset", nullptr},
        {"owner's slot before the generated window", "InfoClick", false, "InfoClick", nullptr},
        // The application registers this one (tests/app); a menu built without it says so plainly.
        {"in neither the table nor the owner", "MIB2IFCounterClick", false, nullptr,
         "\"IF Counter\" is not available yet."},
        {"a throwing handler is caught", "ExitClick", true, nullptr, "boom"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MessageCatcher messages;
        HandlerOwner owner;
        QStringList tableCalls;
        TMenuHandlers handlers;
        if (c.inTable) {
            const QString h = QString::fromLatin1(c.handler);
            if (h == QLatin1String("ExitClick"))
                handlers.insert(h, [](QObject *) { throw QvSNMPException(-1, QStringLiteral("boom")); });
            else
                handlers.insert(h, [&tableCalls, h](QObject *) { tableCalls << QStringLiteral("table:") + h; });
        }
        QMenuBar bar;
        BuildMainMenu(&bar, &owner, handlers);
        const TMenuEntry *entry = nullptr;
        for (const TMenuEntry &e : MainMenuEntries())
            if (e.handler && QLatin1String(e.handler) == QLatin1String(c.handler))
                entry = &e;
        ASSERT_NE(entry, nullptr);
        bar.findChild<QAction *>(QString::fromLatin1(entry->name))->trigger();
        const QStringList calls = tableCalls + owner.calls;
        if (c.expectedCall) {
            EXPECT_EQ(calls, QStringList{QString::fromLatin1(c.expectedCall)});
        } else {
            EXPECT_TRUE(calls.isEmpty()) << calls.join(',').toStdString();
        }
        if (c.expectedMessage) {
            ASSERT_EQ(messages.texts.size(), 1);
            EXPECT_TRUE(messages.texts.first().contains(QLatin1String(c.expectedMessage)))
                << messages.texts.first().toStdString();
        } else {
            EXPECT_TRUE(messages.texts.isEmpty()) << messages.texts.join(',').toStdString();
        }
    }
}

namespace {

struct VersionGuard {
    qint8 saved = SessionParams().Security.Version;
    ~VersionGuard() { SessionParams().Security.Version = saved; }
};

} // namespace

// Every window as the menu would build it, without showing it (nothing is sent).
TEST(WindowBuilder, BuildsEveryWindow)
{
    VersionGuard guard;
    const QString address = QStringLiteral("10.1.1.1");
    for (qint8 version : {qint8(SNMP_VERSION_V1), qint8(SNMP_VERSION_V2C), qint8(SNMP_VERSION_V3)}) {
        SessionParams().Security.Version = version;
        for (const TWindowDef &def : WindowDefs()) {
            SCOPED_TRACE(Name(def) + " version " + std::to_string(version));
            std::unique_ptr<TConfigForm> form;
            try {
                form.reset(BuildGeneratedWindow(def, address));
            } catch (const QvSNMPException &e) {
                FAIL() << "refused: " << e.text().toStdString();
            }
            const QString caption = QString::fromLatin1(def.caption);
            EXPECT_EQ(form->windowTitle(), def.captionWithAddress ? caption + address : caption);
            EXPECT_EQ(form->FormType(), quint8(def.layout));
            ASSERT_EQ(form->BindingCount(), def.PanelCount());
            if (def.layout == WL_PAGES) {
                ASSERT_NE(form->PageControl(), nullptr);
                ASSERT_EQ(form->PageControl()->count(), def.PanelCount());
            }
            for (int p = 0; p < def.PanelCount(); ++p) {
                const TPanelDef &panel = def.panels[p];
                QvSNMPRequest2Edits *binding = form->BindingAt(p);
                ASSERT_NE(binding, nullptr);
                if (def.layout == WL_PAGES) {
                    EXPECT_EQ(form->PageControl()->tabText(p), QString::fromLatin1(panel.title));
                }
                EXPECT_EQ(binding->Vars().itemType, panel.itemType);
                EXPECT_EQ(binding->Vars().indexCount, panel.indexCount);
                const bool raised = panel.raiseToV2c && version == SNMP_VERSION_V1;
                EXPECT_EQ(binding->Request().version, raised ? qint8(SNMP_VERSION_V2C) : version);
            }
            if (def.width > 0) {
                EXPECT_EQ(form->width(), def.width + def.widen);
            }
            if (def.height > 0) {
                EXPECT_EQ(form->height(), def.height);
            }
        }
    }
    EXPECT_EQ(SessionParams().Security.Version, SNMP_VERSION_V3) << "the session itself is never raised";
}

TEST(WindowBuilder, WidenAddsToThePlacedWidth)
{
    const TWindowDef *portList = FindWindowDef(u"PortList1Click");
    ASSERT_NE(portList, nullptr);
    TWindowDef plain = *portList;
    plain.widen = 0;
    plain.height = 0;
    std::unique_ptr<TConfigForm> a(BuildGeneratedWindow(plain, QString()));
    std::unique_ptr<TConfigForm> b(BuildGeneratedWindow(*portList, QString()));
    EXPECT_EQ(b->width(), a->width() + 50);
    EXPECT_EQ(b->height(), 450);
}

TEST(WindowBuilder, RefusedDefinitionsStopTheWindow)
{
    struct Case {
        const char *name;
        const char *base;  // a real definition, spoilt below
        void (*spoil)(TWindowDef &);
        const char *message;
    };
    const Case cases[] = {
        {"add label no option", "N8021QVLAN1Click", [](TWindowDef &d) { d.panels[0].add.label = "createAndRun"; },
         "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:createAndRun"},
        {"delete label no option", "TrunkControlClick", [](TWindowDef &d) { d.panels[0].del.label = "gone"; },
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:gone"},
        {"constraint on a combo box", "TrunkControlClick",
         [](TWindowDef &d) { d.panels[0].constraints[1] = {3, "%i{n1x9}"}; }, "Can not set Var format to a ComboBox!"},
        {"port list on a combo box", "MirrorManagementClick",
         [](TWindowDef &d) { d.panels[0].portLists[0].column = 3; }, "You can only assign Octet Item to a Edit!"},
        {"second panel on a single editor", "SNTPClick",
         [](TWindowDef &d) { d.panels[1] = d.panels[0]; }, "Can not change Type of a Config Form!"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TWindowDef def = *FindWindowDef(QString::fromLatin1(c.base));
        c.spoil(def);
        try {
            std::unique_ptr<TConfigForm> form(BuildGeneratedWindow(def, QString()));
            ADD_FAILURE() << "built";
        } catch (const QvSNMPException &e) {
            EXPECT_TRUE(e.text().contains(QLatin1String(c.message))) << e.text().toStdString();
        }
        // The menu handler shows the refusal instead of a window.
        MessageCatcher messages;
        OpenGeneratedWindow(def);
        ASSERT_EQ(messages.texts.size(), 1);
        EXPECT_TRUE(messages.texts.first().contains(QLatin1String(c.message)));
    }
}

#include "test_windows.moc"
