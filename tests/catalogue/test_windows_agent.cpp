// Every generated window against the simulated switch, as the menu opens it: its caption and
// pages and the outcome of its first refresh, compared with an independent blocking walk of the
// same table. Then the windows with custom behaviour in their Add and Edit dialogs, the VLAN
// row created and destroyed through the window, and the SNMPv2c raise under an SNMPv1 session.
#include "agent_support.h"
#include "kmvsim_process.h"
#include "mibcatalogue.h"
#include "mibenums.h"
#include "qvreadable.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "qvsnmpvarlist.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewpanel.h"
#include "tmessagebox.h"
#include "tsnmppanel.h"
#include "windowbuilder.h"
#include "windowdefs.h"

#include <QApplication>
#include <QCheckBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int kWaitMs = 15000;

QString StripText(QvSNMPRequest2Edits *binding)
{
    auto *memo = qobject_cast<QPlainTextEdit *>(binding->ReportTarget());
    return memo ? memo->toPlainText() : QString();
}

// Waits for the binding's next report line after `before` lines.
bool WaitForReport(QvSNMPRequest2Edits *binding, int before)
{
    return WaitUntil([&] {
        const QString text = StripText(binding);
        return !binding->Busy() && !text.isEmpty() && text.count('\n') + 1 > before;
    }, kWaitMs);
}

int ReportLines(QvSNMPRequest2Edits *binding)
{
    const QString text = StripText(binding);
    return text.isEmpty() ? 0 : int(text.count('\n')) + 1;
}

QString LastReport(QvSNMPRequest2Edits *binding) { return StripText(binding).section('\n', -1); }

// The instance suffixes of a table's rows as a blocking walk over the same descriptors sees them;
// empty with *ok false when the walk fails.
QStringList WalkRows(const TPanelDef &panel, qint8 version, bool *ok)
{
    QvSNMPRequest request;
    request.version = version;
    request.vars = QvSNMPVarList(panel.table, panel.itemType, panel.indexCount);
    QStringList rows;
    *ok = true;
    try {
        for (bool first = true; rows.size() < 5000 && request.Read(first); first = false)
            rows << request.RowIndex();
    } catch (const QvSNMPException &) {
        *ok = false;
    }
    return rows;
}

TSNMPEditorPanel *PanelOf(TConfigForm *form, int page)
{
    for (auto *p : form->findChildren<TSNMPEditorPanel *>())
        if (p->Binding() == form->BindingAt(page))
            return p;
    return nullptr;
}

TSNMPListViewPanel *ListOf(TConfigForm *form, int page)
{
    return qobject_cast<TSNMPListViewPanel *>(PanelOf(form, page));
}

// Answers every message box with `answer`, recording the texts.
struct MessageAnswer {
    QStringList texts;
    QvMessageHook previous;
    explicit MessageAnswer(QMessageBox::StandardButton answer)
    {
        previous = QvSetMessageHook([this, answer](QWidget *, const QString &text, const QString &,
                                                    QMessageBox::StandardButtons) {
            texts << text;
            return answer;
        });
    }
    ~MessageAnswer() { QvSetMessageHook(previous); }
};

// Runs `click` (which opens a modal dialog of the panel) and `inside` once the dialog is up;
// the dialog is then rejected unless `inside` closed it. A stuck dialog is closed after a while.
void InDialog(TSNMPListViewPanel *panel, const std::function<void()> &click,
              const std::function<void(QDialog *)> &inside, bool *ran)
{
    *ran = false;
    auto *poll = new QTimer;
    QDeadlineTimer deadline(kWaitMs);
    QObject::connect(poll, &QTimer::timeout, [=] {
        QDialog *dialog = panel->ActiveDialog();
        if (dialog && dialog->isVisible()) {
            poll->stop();
            *ran = true;
            inside(dialog);
            if (panel->ActiveDialog() == dialog && dialog->isVisible())
                dialog->reject();
        } else if (deadline.hasExpired()) {
            poll->stop();
            if (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        }
    });
    poll->start(10);
    click();
    poll->stop();
    delete poll;
}

class WindowsAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        BuildCatalogueLists();
        if (!GlobalSessionOpen())
            OpenGlobalSession(makeTempDir(QStringLiteral("wincat-session")));
        sim = new KmvSimProcess({QStringLiteral("--scenario"), QStringLiteral("static")});
    }
    static void TearDownTestSuite()
    {
        delete sim;
        sim = nullptr;
        FreeCatalogueLists();
    }
    void SetUp() override
    {
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        saved = SessionParams();
        SessionParams().Device.Address = sim->address();
        SessionParams().Device.Port = sim->port();
        SessionParams().Security.Version = SNMP_VERSION_V2C;
        SessionParams().Timeout = 200;
    }
    void TearDown() override
    {
        const auto processor = SessionParams().EventProcessor;
        SessionParams() = saved;
        SessionParams().EventProcessor = processor;
    }

    // Builds and shows the window of a handler and waits for the first refresh of its first page.
    std::unique_ptr<TConfigForm> Open(const char *handler, const TWindowDef *override = nullptr)
    {
        const TWindowDef *def = override ? override : FindWindowDef(QString::fromLatin1(handler));
        EXPECT_NE(def, nullptr) << handler;
        if (!def)
            return nullptr;
        std::unique_ptr<TConfigForm> form(BuildGeneratedWindow(*def, sim->address()));
        form->show();
        EXPECT_TRUE(WaitForReport(form->BindingAt(0), 0)) << handler << ": no first refresh";
        return form;
    }

    static KmvSimProcess *sim;
    QvSNMPSessionParams saved;
};
KmvSimProcess *WindowsAgent::sim = nullptr;

} // namespace

TEST_F(WindowsAgent, EveryWindowOpensAndRefreshes)
{
    for (qint8 version : {qint8(SNMP_VERSION_V1), qint8(SNMP_VERSION_V2C)}) {
        SessionParams().Security.Version = version;
        int windowsWithRows = 0, listWindows = 0;
        for (const TWindowDef &def : WindowDefs()) {
            SCOPED_TRACE(std::string(def.handler) + " version " + std::to_string(version));
            std::unique_ptr<TConfigForm> form = Open(def.handler);
            ASSERT_TRUE(form);
            const QString caption = QString::fromLatin1(def.caption);
            EXPECT_EQ(form->windowTitle(), def.captionWithAddress ? caption + sim->address() : caption);
            if (def.layout == WL_PAGES) {
                ASSERT_EQ(form->PageControl()->count(), def.PanelCount());
                EXPECT_EQ(form->PageControl()->currentIndex(), 0);
            }
            QvSNMPRequest2Edits *first = form->BindingAt(0);
            const TPanelDef &panel = def.panels[0];
            // A walk the engine refuses by design (an empty table at the end of an SNMPv1
            // agent's view) must be refused in the window too; everything else reads fine.
            bool walkOk = true;
            const QStringList rows = panel.kind == PK_LIST ? WalkRows(panel, first->Request().version, &walkOk)
                                                           : QStringList();
            EXPECT_EQ(LastReport(first).contains(QLatin1String("Ok!")), walkOk) << LastReport(first).toStdString();
            if (!walkOk) {
                EXPECT_EQ(version, qint8(SNMP_VERSION_V1)) << "only SNMPv1 ends an empty last table with an error";
            }
            // Only the page on screen was read.
            for (int p = 1; p < form->BindingCount(); ++p)
                EXPECT_EQ(ReportLines(form->BindingAt(p)), 0) << "page " << p << " refreshed unseen";
            if (panel.kind == PK_LIST) {
                ++listWindows;
                ASSERT_NE(first->ListView(), nullptr);
                EXPECT_EQ(first->ListView()->topLevelItemCount(), rows.size());
                if (!rows.isEmpty())
                    ++windowsWithRows;
            }
            form->close();
        }
        // The switch has rows in most of its tables; a walk that always came back empty is a fault.
        EXPECT_GT(windowsWithRows, listWindows / 2) << windowsWithRows << " of " << listWindows;
    }
}

TEST_F(WindowsAgent, PagesRefreshWhenFirstShown)
{
    std::unique_ptr<TConfigForm> form = Open("PaeAuthenticatorClick");
    ASSERT_TRUE(form);
    for (int p = 1; p < form->BindingCount(); ++p) {
        SCOPED_TRACE("page " + std::to_string(p));
        form->PageControl()->setCurrentIndex(p);
        ASSERT_TRUE(WaitForReport(form->BindingAt(p), 0));
        EXPECT_TRUE(LastReport(form->BindingAt(p)).contains(QLatin1String("Ok!"))) << LastReport(form->BindingAt(p)).toStdString();
        EXPECT_EQ(form->BindingAt(p - 1)->Request().alive, 0);
        EXPECT_GT(form->BindingAt(p)->ListView()->topLevelItemCount(), 0);
    }
}

// Counter64 columns cannot travel in SNMPv1: the marked panels must ask in SNMPv2c, and the
// same panel without the mark must fail, or the raise is not what makes them work.
TEST_F(WindowsAgent, MarkedPanelsAskInV2cUnderV1)
{
    struct Case {
        const char *handler;
        int page;
    };
    const Case cases[] = {{"IFXTable1Click", 0}, {"PaeAuthenticatorClick", 3}};
    SessionParams().Security.Version = SNMP_VERSION_V1;
    for (const Case &c : cases) {
        for (bool raise : {true, false}) {
            SCOPED_TRACE(std::string(c.handler) + (raise ? " raised" : " not raised"));
            TWindowDef def = *FindWindowDef(QString::fromLatin1(c.handler));
            ASSERT_TRUE(def.panels[c.page].raiseToV2c);
            def.panels[c.page].raiseToV2c = raise;
            std::unique_ptr<TConfigForm> form = Open(c.handler, &def);
            ASSERT_TRUE(form);
            if (c.page > 0) {
                form->PageControl()->setCurrentIndex(c.page);
                ASSERT_TRUE(WaitForReport(form->BindingAt(c.page), 0));
            }
            QvSNMPRequest2Edits *b = form->BindingAt(c.page);
            EXPECT_EQ(b->Request().version, raise ? qint8(SNMP_VERSION_V2C) : qint8(SNMP_VERSION_V1));
            // SNMPv1 has no Counter64: an agent answering in v1 skips those columns.
            QTreeWidget *lv = b->ListView();
            ASSERT_GT(lv->topLevelItemCount(), 0) << LastReport(b).toStdString();
            EXPECT_TRUE(LastReport(b).contains(QLatin1String("Ok!"))) << LastReport(b).toStdString();
            int c64Column = -1;
            for (int i = 0; i < b->Vars().Count() && c64Column < 0; ++i) {
                if (b->Vars().Item(i).syntax != SYN_COUNTER64)
                    continue;
                for (int col = 0; col < lv->columnCount(); ++col)
                    if (lv->headerItem()->text(col).trimmed() == b->Vars().Item(i).name.trimmed())
                        c64Column = col;
            }
            ASSERT_GE(c64Column, 0) << "no Counter64 column shown";
            bool numeric = false;
            lv->topLevelItem(0)->text(c64Column).toULongLong(&numeric);
            EXPECT_EQ(numeric, raise) << lv->topLevelItem(0)->text(c64Column).toStdString();
            EXPECT_EQ(SessionParams().Security.Version, SNMP_VERSION_V1);
            // The other pages keep the session's version.
            for (int p = 0; p < form->BindingCount(); ++p) {
                if (p != c.page) {
                    EXPECT_EQ(form->BindingAt(p)->Request().version, qint8(SNMP_VERSION_V1));
                }
            }
        }
    }
}

namespace {

// The VLAN static table as a blocking read sees it: index -> name.
QMap<QString, QString> VlanNames()
{
    QvSNMPRequest request;
    request.vars = QvSNMPVarList(FindMibTable(u"VlanStaticTableVars"), MVT_UMV, 1);
    QMap<QString, QString> names;
    for (bool first = true; names.size() < 5000 && request.Read(first); first = false)
        names.insert(request.vars.Item(0).valueText, request.vars.Item(1).valueText);
    return names;
}

} // namespace

TEST_F(WindowsAgent, VlanAddSendsCreateAndGoDeleteSendsDestroy)
{
    std::unique_ptr<TConfigForm> form = Open("N8021QVLAN1Click");
    ASSERT_TRUE(form);
    TSNMPListViewPanel *list = ListOf(form.get(), 0);
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(VlanNames().contains(QStringLiteral("77")));

    bool ran = false;
    InDialog(list, [&] { list->AddClick(); }, [&](QDialog *dialog) {
        TEditsPanel *items = list->EditsPanel;
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("VLAN Static Table (Add)"));
        // The hook: the name is always sent and cannot be unticked.
        EXPECT_TRUE(items->Item(1).check->isChecked());
        EXPECT_FALSE(items->Item(1).check->isEnabled());
        auto *status = qobject_cast<QComboBox *>(items->Item(5).control);
        ASSERT_NE(status, nullptr);
        EXPECT_EQ(status->currentText(), QStringLiteral("CreateAndGo"));
        qobject_cast<QLineEdit *>(items->Item(0).control)->setText(QStringLiteral("77"));
        qobject_cast<QLineEdit *>(items->Item(1).control)->setText(QStringLiteral("lab77"));
        list->DialogPanel()->CtrlBtn->BT_SetChecked->click();
    }, &ran);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(list->EditsPanel->Item(1).check->isEnabled()) << "after hook not run";
    EXPECT_EQ(VlanNames().value(QStringLiteral("77")), QStringLiteral("lab77"));

    // The list shows the new row after the Add dialog's refresh; delete it from there.
    ASSERT_TRUE(WaitUntil([&] { return !list->Binding()->Busy(); }, kWaitMs));
    QTreeWidget *lv = list->ListPanel->ListView;
    QTreeWidgetItem *row = nullptr;
    for (int i = 0; i < lv->topLevelItemCount(); ++i)
        if (lv->topLevelItem(i)->text(0) == QLatin1String("77"))
            row = lv->topLevelItem(i);
    ASSERT_NE(row, nullptr);
    lv->setCurrentItem(row);
    MessageAnswer yes(QMessageBox::Yes);
    list->DeleteClick();
    EXPECT_EQ(yes.texts, QStringList{QStringLiteral("Are you sure to delete 77 ?")});
    const QMap<QString, QString> after = VlanNames();
    EXPECT_FALSE(after.contains(QStringLiteral("77")));
    EXPECT_TRUE(after.contains(QStringLiteral("1"))) << "deleted more than the row";
}

// Ports picked in the port-list editor are sent although the user never ticked the row.
TEST_F(WindowsAgent, VlanPortsPickedWithoutTickingAreSent)
{
    std::unique_ptr<TConfigForm> form = Open("N8021QVLAN1Click");
    ASSERT_TRUE(form);
    TSNMPListViewPanel *list = ListOf(form.get(), 0);
    ASSERT_NE(list, nullptr);
    ASSERT_FALSE(VlanNames().contains(QStringLiteral("78")));

    bool ran = false;
    QStringList ticked;
    InDialog(list, [&] { list->AddClick(); }, [&](QDialog *) {
        TEditsPanel *items = list->EditsPanel;
        QTest::keyClicks(qobject_cast<QLineEdit *>(items->Item(0).control), QStringLiteral("78"));
        QTest::keyClicks(qobject_cast<QLineEdit *>(items->Item(1).control), QStringLiteral("lab78"));
        QTimer::singleShot(0, [] {
            auto *ports = qobject_cast<TPortListDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(ports, nullptr);
            for (int port : {5, 6, 7, 8, 49})
                ports->Boxes[port - 1]->setChecked(true);
            ports->BT_OK->click();
        });
        items->EditPortList(2);
        for (int r = 0; r < items->ItemCount(); ++r)
            if (items->Item(r).check->isChecked())
                ticked << items->Item(r).label->text();
        list->DialogPanel()->CtrlBtn->BT_SetChecked->click();
    }, &ran);
    ASSERT_TRUE(ran);
    EXPECT_EQ(ticked, (QStringList{"VLAN ID", "VLAN Name", "Egress Ports", "Status"}));

    QvSNMPRequest request;
    request.vars.itemType = MVT_SV;
    request.vars.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.2"), QStringLiteral("Egress Ports"), SYN_OCTETSTR,
                        ACC_READONLY);
    request.vars.instanceSuffix = QStringLiteral("78");
    ASSERT_NO_THROW(request.Read(true));
    EXPECT_EQ(QvPortListText(request.vars.Item(0).valueText), QStringLiteral("5-8, 49"))
        << request.vars.Item(0).valueText.toStdString();

    // Leave the switch as it was.
    QvSNMPRequest destroy;
    destroy.vars.itemType = MVT_SV;
    destroy.vars.AddVar(QStringLiteral("1.3.6.1.2.1.17.7.1.4.3.1.5"), QStringLiteral("Status"), SYN_INTEGER,
                        ACC_READWRITE);
    destroy.vars.instanceSuffix = QStringLiteral("78");
    destroy.vars.Item(0).valueText = QStringLiteral("6");
    EXPECT_NO_THROW(destroy.Write(false));
}

TEST_F(WindowsAgent, AddDialogsStartAsTheHooksSay)
{
    struct Row {
        int row;
        bool checked, checkEnabled, controlEnabled;
        const char *text;  // null: not looked at
    };
    struct Case {
        const char *name;
        const char *handler;
        int page;
        QList<Row> rows;
        QList<int> checkEnabledAfter;  // rows whose tick is free again after the dialog
    };
    const Case cases[] = {
        {"VLAN name always sent", "N8021QVLAN1Click", 0, {{1, true, false, true, ""}}, {1}},
        {"trunk index, master and members always sent", "TrunkControlClick", 0,
         {{0, true, false, true, ""}, {1, true, false, true, ""}, {2, true, false, true, ""}}, {1, 2}},
        {"community name and security name sent, non-volatile", "CommunityTableClick", 0,
         {{1, true, false, true, ""}, {2, true, false, true, ""}, {6, false, true, true, "nonVolatile"}}, {1, 2}},
        {"view entry included and non-volatile", "VACMMIBViews1Click", 1,
         {{3, false, true, true, "included"}, {4, false, true, true, "nonVolatile"}}, {}},
        {"ACL rule neutral values", "EthernetTableClick", 1,
         {{2, false, false, false, ""}, {3, false, true, true, "000000000000"}, {4, false, true, true, "000000000000"},
          {5, false, true, true, "-1"}, {6, false, true, true, "0000"}, {7, false, true, true, "disabled"},
          {8, false, true, true, "-1"}, {9, false, true, true, "enabled"}, {10, false, true, true, "disabled"},
          {11, false, true, true, "-1"}},
         {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<TConfigForm> form = Open(c.handler);
        ASSERT_TRUE(form);
        if (c.page > 0) {
            form->PageControl()->setCurrentIndex(c.page);
            ASSERT_TRUE(WaitForReport(form->BindingAt(c.page), 0));
        }
        TSNMPListViewPanel *list = ListOf(form.get(), c.page);
        ASSERT_NE(list, nullptr);
        // A row selected first must not leak its values into the new row.
        if (list->ListPanel->ListView->topLevelItemCount() > 0)
            list->ListPanel->ListView->setCurrentItem(list->ListPanel->ListView->topLevelItem(0));
        bool ran = false;
        InDialog(list, [&] { list->AddClick(); }, [&](QDialog *) {
            TEditsPanel *items = list->EditsPanel;
            for (const Row &r : c.rows) {
                SCOPED_TRACE("row " + std::to_string(r.row));
                const TEditItem &it = items->Item(r.row);
                if (r.checked) {
                    EXPECT_TRUE(it.check->isChecked());
                }
                EXPECT_EQ(it.check->isEnabled(), r.checkEnabled);
                EXPECT_EQ(it.enabled, r.controlEnabled);
                if (r.text && *r.text) {
                    EXPECT_EQ(items->GetItemText(r.row), QString::fromLatin1(r.text));
                }
            }
        }, &ran);
        ASSERT_TRUE(ran);
        for (int row : c.checkEnabledAfter)
            EXPECT_TRUE(list->EditsPanel->Item(row).check->isEnabled()) << "row " << row << " after the dialog";
    }
}

// The rule dialog's presets come back every time; the status row keeps the last choice.
TEST_F(WindowsAgent, AclRulePresetsEveryTimeStatusKeepsLastChoice)
{
    std::unique_ptr<TConfigForm> form = Open("EthernetTableClick");
    ASSERT_TRUE(form);
    form->PageControl()->setCurrentIndex(1);
    ASSERT_TRUE(WaitForReport(form->BindingAt(1), 0));
    TSNMPListViewPanel *list = ListOf(form.get(), 1);
    ASSERT_NE(list, nullptr);
    bool ran = false;
    InDialog(list, [&] { list->AddClick(); }, [&](QDialog *) {
        list->EditsPanel->SetItemText(3, QStringLiteral("001122334455"));
        list->EditsPanel->SetItemText(12, QStringLiteral("deny"));
    }, &ran);
    ASSERT_TRUE(ran);
    InDialog(list, [&] { list->AddClick(); }, [&](QDialog *) {
        EXPECT_EQ(list->EditsPanel->GetItemText(3), QStringLiteral("000000000000"));
        EXPECT_EQ(list->EditsPanel->GetItemText(9), QStringLiteral("enabled"));
        EXPECT_EQ(list->EditsPanel->GetItemText(12), QStringLiteral("deny"));
    }, &ran);
    ASSERT_TRUE(ran);
}

TEST_F(WindowsAgent, TrunkIndexWritableOnlyBetweenDialogs)
{
    std::unique_ptr<TConfigForm> form = Open("TrunkControlClick");
    ASSERT_TRUE(form);
    TSNMPListViewPanel *list = ListOf(form.get(), 0);
    ASSERT_NE(list, nullptr);
    QvSNMPVarList &vars = list->Binding()->Vars();
    auto writable = [&](int i) { return (vars.Item(i).access & ACC_WRITEONLY) != 0; };
    EXPECT_FALSE(writable(0)) << "the table's index starts read-only";

    bool ran = false;
    InDialog(list, [&] { list->AddClick(); }, [](QDialog *) {}, &ran);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(writable(0)) << "after the first Add";
    EXPECT_FALSE(list->EditsPanel->Item(3).check->isEnabled()) << "type tick fixed after Add";

    // Edit of the switch's trunk 1: the index is not "0", so not writable during the Edit;
    // the type row is read-only in the dialog.
    QTreeWidget *lv = list->ListPanel->ListView;
    ASSERT_TRUE(WaitUntil([&] { return !list->Binding()->Busy() && lv->topLevelItemCount() > 0; }, kWaitMs));
    lv->setCurrentItem(lv->topLevelItem(0));
    ASSERT_NE(vars.Item(0).valueText, QStringLiteral("0"));
    InDialog(list, [&] { list->EditClick(); }, [&](QDialog *) {
        EXPECT_FALSE(writable(0));
        EXPECT_TRUE(list->EditsPanel->editLock);
        EXPECT_FALSE(list->EditsPanel->Item(3).enabled) << "type row editable during Edit";
    }, &ran);
    ASSERT_TRUE(ran);
    EXPECT_TRUE(writable(0));
    EXPECT_TRUE(writable(3));
    EXPECT_FALSE(list->EditsPanel->editLock);

    // A row whose index text is "0" keeps the bit during its Edit.
    ASSERT_TRUE(WaitUntil([&] { return !list->Binding()->Busy(); }, kWaitMs));
    lv->setCurrentItem(lv->topLevelItem(0));
    lv->topLevelItem(0)->setText(0, QStringLiteral("0"));
    list->Binding()->CopySelectedRow();
    ASSERT_EQ(vars.Item(0).valueText, QStringLiteral("0"));
    InDialog(list, [&] { list->EditClick(); }, [&](QDialog *) { EXPECT_TRUE(writable(0)); }, &ran);
    ASSERT_TRUE(ran);
}

TEST_F(WindowsAgent, SpinLockAlwaysSent)
{
    for (const char *handler : {"USMUserTableClick", "VACMMIBViews1Click"}) {
        SCOPED_TRACE(handler);
        std::unique_ptr<TConfigForm> form = Open(handler);
        ASSERT_TRUE(form);
        TSNMPEditorPanel *page = PanelOf(form.get(), 0);
        ASSERT_NE(page, nullptr);
        const TEditItem &lock = page->EditsPanel->Item(0);
        EXPECT_TRUE(lock.check->isChecked());
        EXPECT_TRUE(lock.check->isHidden());
        // Clear Checks cannot exclude it.
        page->CtrlBtn->BT_ClearChecks->click();
        EXPECT_TRUE(lock.check->isChecked());
        EXPECT_FALSE(page->EditsPanel->GetItemText(0).isEmpty()) << "the lock value was not read";
    }
}

// Pictures of a sample of windows for a person to look at, taken only when KMV_WINDOW_SHOTS
// names a folder (run under a real display server for real rendering).
TEST_F(WindowsAgent, SampleScreenshots)
{
    const QString folder = qEnvironmentVariable("KMV_WINDOW_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "KMV_WINDOW_SHOTS not set";
    const char *const sample[] = {"N8021QVLAN1Click", "InfoClick", "PortList1Click", "TrunkControlClick",
                                  "EntityPhysical2Click", "PaeAuthenticatorClick", "SSHContrl1Click",
                                  "ConfigFileTableClick"};
    for (const char *handler : sample) {
        SCOPED_TRACE(handler);
        std::unique_ptr<TConfigForm> form = Open(handler);
        ASSERT_TRUE(form);
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->grab().save(folder + '/' + QLatin1String(handler) + QStringLiteral(".png")));
        if (QLatin1String(handler) == QLatin1String("N8021QVLAN1Click")) {
            TSNMPListViewPanel *list = ListOf(form.get(), 0);
            bool ran = false;
            InDialog(list, [&] { list->AddClick(); }, [&](QDialog *dialog) {
                QCoreApplication::processEvents();
                EXPECT_TRUE(dialog->grab().save(folder + QStringLiteral("/N8021QVLAN1Click-add.png")));
            }, &ran);
        }
    }
}
