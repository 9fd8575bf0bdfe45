// Generated windows against the simulated switch: an editor over a scalar group, a window of
// pages, the VLAN static table with Add, Edit and Delete, and closing with a request
// outstanding. Each result is checked by reading the agent afterwards.
#include "agent_support.h"
#include "kmvsim_process.h"
#include "qveditconstraint.h"
#include "qvmessage.h"
#include "qvoptionlist.h"
#include "qvsnmpadapter.h"
#include "qvsnmpexception.h"
#include "qvsnmprequest.h"
#include "qvsnmprequest2controls.h"
#include "qvsnmpsession.h"
#include "tconfigform.h"
#include "tctrlbtnpanel.h"
#include "teditspanel.h"
#include "tlistviewpanel.h"
#include "tmessagebox.h"
#include "tmsgpanel.h"
#include "tsnmppanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
const QvOptionDesc statusDesc[] = {{1, "Active"}, {4, "CreateAndGo"}, {6, "Destroy"}, {0, nullptr}};
const QvOptionList statusOptions(statusDesc);

const QvSNMPVarDesc systemVars[] = {
    {"1.3.6.1.2.1.1.1", "System Description", SYN_DISPLAYSTR, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.4", "System Contact", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.5", "System Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.1.6", "System Location", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QvSNMPVarDesc upTimeVars[] = {
    {"1.3.6.1.2.1.1.3", "Up Time", SYN_TIMETICKS, ACC_READONLY, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

const QvSNMPVarDesc vlanStaticVars[] = {
    {"1.3.6.1.2.1.17.7.1.4.2.1.2", "VLAN ID", SYN_GAUGE, ACC_NOTACCESS, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.1", "VLAN Name", SYN_DISPLAYSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.2", "Egress Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.3", "Forbidden Egress Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.4", "Untagged Ports", SYN_OCTETSTR, ACC_READWRITE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"1.3.6.1.2.1.17.7.1.4.3.1.5", "Status", SYN_INTEGER, ACC_READWRITE, &statusOptions, nullptr, nullptr, nullptr, nullptr, nullptr},
    {nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

class ConfigFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!GlobalSessionOpen())
            OpenGlobalSession(makeTempDir(QStringLiteral("panels-session")));
    }

    void SetUp() override
    {
        sim = std::make_unique<KmvSimProcess>();
        ASSERT_TRUE(sim->isRunning()) << sim->errorText().toStdString();
        SessionParams().Device.Address = sim->address();
        SessionParams().Device.Port = sim->port();
        SessionParams().Timeout = 50;
        previousBox = QvSetMessageHook([this](QWidget *, const QString &text, const QString &caption,
                                               QMessageBox::StandardButtons) {
            boxes << caption + ": " + text;
            return boxAnswer;
        });
    }

    void TearDown() override
    {
        QvSetMessageHook(previousBox);
        sim.reset();
    }

    QvSNMPRequest2Edits *newBinding(QWidget *form, const QvSNMPVarDesc *table, quint8 type, int indexCount)
    {
        auto *b = new QvSNMPRequest2Edits(form);
        b->Vars() = QvSNMPVarList(table, type, indexCount);
        return b;
    }

    // The agent's value of one instance, read with a request of its own.
    QString agentValue(const char *oid, const QString &instance, quint32 syntax = SYN_DISPLAYSTR)
    {
        QvSNMPRequest req;
        req.vars.AddVar(QString::fromLatin1(oid), QStringLiteral("v"), syntax, ACC_READONLY);
        req.vars.itemType = MVT_SV;
        req.vars.instanceSuffix = instance;
        try {
            req.Read(true);
        } catch (const QvSNMPException &e) {
            return QStringLiteral("<error ") + QString::number(e.code()) + QStringLiteral(">");
        }
        return req.vars.Item(0).valueText;
    }

    // Runs action while a modal dialog opened by trigger is on screen.
    static void withDialog(const std::function<void(QDialog *)> &action, const std::function<void()> &trigger)
    {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            auto *d = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            ran = true;
            action(d);
            if (d->isVisible() && QApplication::activeModalWidget() == d)
                d->reject();
        });
        trigger();
        EXPECT_TRUE(ran);
    }

    // The system group's editor window, shown and refreshed once; none when the refresh never came.
    TSNMPEditorPanel *openSystemEditor(TConfigForm &form)
    {
        form.setWindowTitle("System");
        QvSNMPRequest2Edits *b = newBinding(&form, systemVars, SVT_SV, 0);
        TSNMPEditorPanel *panel = form.InitAsEditor(b);
        form.show();
        const bool refreshed =
            QTest::qWaitFor([&] { return !edit(panel->EditsPanel, 0)->text().isEmpty() && !b->Busy(); }, 5000);
        return refreshed ? panel : nullptr;
    }

    static QLineEdit *edit(TEditsPanel *p, int row) { return qobject_cast<QLineEdit *>(p->Item(row).control); }
    static QComboBox *combo(TEditsPanel *p, int row) { return qobject_cast<QComboBox *>(p->Item(row).control); }

    std::unique_ptr<KmvSimProcess> sim;
    QStringList boxes;
    QMessageBox::StandardButton boxAnswer = QMessageBox::Yes;
    QvMessageHook previousBox;
};
}

TEST_F(ConfigFormTest, EditorRefreshesAndSetsTickedRows)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = openSystemEditor(form);
    ASSERT_NE(panel, nullptr);
    TEditsPanel *ep = panel->EditsPanel;
    QvSNMPRequest2Edits *b = panel->Binding();
    EXPECT_TRUE(panel->Strip()->Memo->toPlainText().contains("Ok!"));
    const QString oldName = edit(ep, 2)->text();
    const QString oldLocation = edit(ep, 3)->text();

    // Only the ticked row is sent.
    edit(ep, 1)->setText("noc@lab");
    edit(ep, 2)->setText("not-sent");
    ep->CheckItem(1);
    panel->CtrlBtn->BT_SetChecked->setEnabled(true);
    panel->CtrlBtn->BT_SetChecked->click();
    // The write is out; the Set button waits with it.
    EXPECT_TRUE(b->Busy());
    EXPECT_FALSE(panel->CtrlBtn->BT_SetChecked->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
    EXPECT_TRUE(panel->CtrlBtn->BT_SetChecked->isEnabled());
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.4", "0"), "noc@lab");
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.5", "0"), oldName);
    EXPECT_TRUE(b->Asynchronous());
    for (int i = 0; i < b->Vars().Count(); ++i)
        EXPECT_FALSE(b->Vars().Item(i).isInvalid()) << i;

    // An empty ticked row refuses the whole set; an empty unticked one does not matter.
    edit(ep, 1)->setText("second");
    edit(ep, 3)->clear();
    ep->CheckItem(3);
    panel->CtrlBtn->BT_SetChecked->click();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes[0], "Warning: Some items are empty!\nSystem Location") << "names the row";
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.4", "0"), "noc@lab");
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.6", "0"), oldLocation);
    ep->UncheckItem(3);
    panel->CtrlBtn->BT_SetChecked->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
    EXPECT_EQ(boxes.size(), 1);
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.4", "0"), "second");

    // Check All and Clear Checks drive the Set button.
    panel->CtrlBtn->BT_ClearChecks->click();
    EXPECT_EQ(ep->CheckedCount(), 0);
    EXPECT_FALSE(panel->CtrlBtn->BT_SetChecked->isEnabled());
    panel->CtrlBtn->BT_CheckAll->click();
    EXPECT_EQ(ep->CheckedCount(), 3);
    EXPECT_TRUE(panel->CtrlBtn->BT_SetChecked->isEnabled());
}

// A typed value ticks its row: Set sends exactly the rows the user changed, nothing is left out.
TEST_F(ConfigFormTest, EditorSendsTheRowsTheUserChanged)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = openSystemEditor(form);
    ASSERT_NE(panel, nullptr);
    TEditsPanel *ep = panel->EditsPanel;
    EXPECT_EQ(ep->CheckedCount(), 0) << "a refresh ticks nothing";
    EXPECT_FALSE(panel->CtrlBtn->BT_SetChecked->isEnabled());
    const QString oldContact = edit(ep, 1)->text();

    edit(ep, 2)->selectAll();
    QTest::keyClicks(edit(ep, 2), "typed-name");
    edit(ep, 3)->selectAll();
    QTest::keyClicks(edit(ep, 3), "rack 7");
    EXPECT_EQ(ep->CheckedCount(), 2);
    ASSERT_TRUE(panel->CtrlBtn->BT_SetChecked->isEnabled());
    panel->CtrlBtn->BT_SetChecked->click();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.5", "0"), "typed-name");
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.6", "0"), "rack 7");
    EXPECT_EQ(agentValue("1.3.6.1.2.1.1.4", "0"), oldContact) << "an untouched row is not sent";
}

TEST_F(ConfigFormTest, PagesRefreshWhenSelected)
{
    TConfigForm form;
    form.InitAsPages();
    QvSNMPRequest2Edits *b1 = newBinding(&form, upTimeVars, SVT_SV, 0);
    QvSNMPRequest2Edits *b2 = newBinding(&form, systemVars, SVT_SV, 0);
    QvSNMPRequest2Edits *b3 = newBinding(&form, systemVars, SVT_SV, 0);
    TSNMPEditorPanel *p1 = form.AddEditorPage("One", b1);
    TSNMPEditorPanel *p2 = form.AddEditorPage("Two", b2);
    form.AddEditorPage("Three", b3);
    EXPECT_EQ(form.PageControl()->count(), 3);
    EXPECT_EQ(form.PageControl()->widget(1)->property("tag").toInt(), 1);
    // Nothing is read before the window is on screen.
    QTest::qWait(100);
    EXPECT_TRUE(edit(p1->EditsPanel, 0)->text().isEmpty());

    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !edit(p1->EditsPanel, 0)->text().isEmpty() && !b1->Busy(); }, 5000));
    QTest::qWait(200);
    EXPECT_TRUE(edit(p2->EditsPanel, 0)->text().isEmpty());
    EXPECT_EQ(form.CurrentBinding(), b1);
    EXPECT_EQ(b1->Request().alive, 1);

    form.PageControl()->setCurrentIndex(1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !edit(p2->EditsPanel, 0)->text().isEmpty() && !b2->Busy(); }, 5000));
    EXPECT_EQ(form.CurrentBinding(), b2);
    EXPECT_EQ(b1->Request().alive, 0);
    EXPECT_EQ(b2->Request().alive, 1);
    EXPECT_EQ(b3->Request().alive, 1);  // never on screen yet, never stopped
    EXPECT_TRUE(p2->Strip()->Memo->toPlainText().contains("Ok!"));
    EXPECT_TRUE(p1->Strip()->Memo->toPlainText().count("Ok!") == 1);
}

TEST_F(ConfigFormTest, VlanTableAddEditDelete)
{
    TConfigForm form;
    form.setWindowTitle("802.1Q VLAN Config");
    form.InitAsPages();
    QvSNMPRequest2Edits *b = newBinding(&form, vlanStaticVars, MVT_UMV, 1);
    TSNMPListViewPanel *panel = form.AddListViewPage("VLAN Static Table", b, 5, "CreateAndGo", 5, "Destroy");
    panel->SetItemConstraint(0, "%i{n1x4094}");
    panel->SetItemConstraint(1, "%s{l32}");
    TEditsPanel *ep = panel->EditsPanel;
    for (int row : {2, 3, 4})
        ep->AssignPortListEditor(row, 25, 50);
    QTreeWidget *lv = panel->ListPanel->ListView;
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b->RowCount() > 0 && !b->Busy(); }, 5000));
    const int rowsBefore = lv->topLevelItemCount();
    EXPECT_EQ(panel->CtrlBtn->ST_Count->text(), QString::number(rowsBefore));
    EXPECT_FALSE(panel->CtrlBtn->BT_Add->isHidden());
    EXPECT_FALSE(panel->CtrlBtn->BT_Delete->isHidden());

    // Add: the index row is editable, the status fixed to CreateAndGo.
    withDialog(
        [&](QDialog *d) {
            EXPECT_EQ(d->windowTitle(), "VLAN Static Table (Add)");
            EXPECT_TRUE(ep->isVisible());
            EXPECT_FALSE(edit(ep, 0)->isReadOnly());
            EXPECT_TRUE(ep->Item(0).check->isChecked());
            EXPECT_FALSE(ep->Item(0).check->isEnabled());
            EXPECT_FALSE(combo(ep, 5)->isEnabled());
            EXPECT_EQ(combo(ep, 5)->currentText(), "CreateAndGo");
            EXPECT_TRUE(edit(ep, 2)->isReadOnly());
            EXPECT_EQ(b->Constraint()->owner(), d);
            edit(ep, 0)->setText("300");
            edit(ep, 1)->setText("lab");
            ep->CheckItem(1);
            QPushButton *set = panel->DialogPanel()->CtrlBtn->BT_SetChecked;
            set->setEnabled(true);
            set->click();
            EXPECT_TRUE(d->isVisible()) << "open until the switch has answered";
            ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
            EXPECT_FALSE(d->isVisible());
        },
        [&] { panel->AddClick(); });
    EXPECT_EQ(b->Constraint()->owner(), &form);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    EXPECT_EQ(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1", "300"), "lab");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lv->topLevelItemCount() == rowsBefore + 1 && !b->Busy(); }, 5000));
    EXPECT_TRUE(ep->isHidden());

    // A refused Add (the row exists) keeps the dialog open with what the user typed.
    withDialog(
        [&](QDialog *d) {
            edit(ep, 0)->setText("300");
            edit(ep, 1)->setText("again");
            ep->CheckItem(1);
            QPushButton *set = panel->DialogPanel()->CtrlBtn->BT_SetChecked;
            set->setEnabled(true);
            set->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
            EXPECT_TRUE(d->isVisible());
            EXPECT_EQ(edit(ep, 0)->text(), "300");
            EXPECT_EQ(edit(ep, 1)->text(), "again");
        },
        [&] { panel->AddClick(); });
    EXPECT_EQ(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1", "300"), "lab");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lv->topLevelItemCount() == rowsBefore + 1 && !b->Busy(); }, 5000));

    auto selectVlan = [&](const QString &id) {
        for (int r = 0; r < lv->topLevelItemCount(); ++r)
            if (lv->topLevelItem(r)->text(0) == id) {
                lv->setCurrentItem(lv->topLevelItem(r));
                lv->topLevelItem(r)->setSelected(true);
                return true;
            }
        return false;
    };

    // Edit: neither status text to choose, the index fixed; the name changes on the agent.
    ASSERT_TRUE(selectVlan("300"));
    EXPECT_EQ(edit(ep, 1)->text(), "lab");
    withDialog(
        [&](QDialog *d) {
            EXPECT_EQ(d->windowTitle(), "802.1Q VLAN Config");
            QStringList entries;
            for (int k = 0; k < combo(ep, 5)->count(); ++k)
                entries << combo(ep, 5)->itemText(k);
            EXPECT_EQ(entries, QStringList{"Active"});
            EXPECT_TRUE(edit(ep, 0)->isReadOnly());
            EXPECT_EQ(edit(ep, 1)->width(), 200);
            EXPECT_FALSE(panel->DialogPanel()->CtrlBtn->BT_SetChecked->isEnabled());
            edit(ep, 1)->setText("lab2");
            ep->Item(1).check->click();
            QPushButton *set = panel->DialogPanel()->CtrlBtn->BT_SetChecked;
            EXPECT_TRUE(set->isEnabled());
            set->click();
            ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
        },
        [&] { panel->EditClick(); });
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
    EXPECT_EQ(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1", "300"), "lab2");
    QStringList restored;
    for (int k = 0; k < combo(ep, 5)->count(); ++k)
        restored << combo(ep, 5)->itemText(k);
    EXPECT_EQ(restored, (QStringList{"Active", "CreateAndGo", "Destroy"}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));

    // Delete, answered No: nothing; answered Yes: the row is gone.
    ASSERT_TRUE(QTest::qWaitFor([&] { return selectVlan("300"); }, 2000));
    boxAnswer = QMessageBox::No;
    panel->DeleteClick();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_EQ(boxes.takeFirst(), "Delete: Are you sure to delete 300 ?");
    EXPECT_EQ(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1", "300"), "lab2");
    boxAnswer = QMessageBox::Yes;
    panel->DeleteClick();
    EXPECT_EQ(boxes.size(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !b->Busy(); }, 5000));
    EXPECT_NE(agentValue("1.3.6.1.2.1.17.7.1.4.3.1.1", "300"), "lab2");
    ASSERT_TRUE(QTest::qWaitFor([&] { return lv->topLevelItemCount() == rowsBefore && !b->Busy(); }, 5000));
    EXPECT_TRUE(b->Asynchronous());
    for (int i = 0; i < b->Vars().Count(); ++i)
        EXPECT_FALSE(b->Vars().Item(i).isInvalid()) << i;
}

TEST_F(ConfigFormTest, PageLeftDuringRefreshRefreshesOnReturn)
{
    TConfigForm form;
    form.InitAsPages();
    QvSNMPRequest2Edits *b1 = newBinding(&form, vlanStaticVars, MVT_UMV, 1);
    QvSNMPRequest2Edits *b2 = newBinding(&form, upTimeVars, SVT_SV, 0);
    TSNMPListViewPanel *p1 = form.AddListViewPage("Table", b1, -1, {}, -1, {});
    form.AddEditorPage("Two", b2);
    sim->stopAnswering();
    form.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b1->Busy(); }, 2000));
    form.PageControl()->setCurrentIndex(1);
    sim->resumeAnswering();
    // Both sends time out or are answered; then nothing is outstanding any more.
    ASSERT_TRUE(QTest::qWaitFor([&] { return b1->Request().pending == 0 && b2->Request().pending == 0; }, 5000));
    form.PageControl()->setCurrentIndex(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p1->ListPanel->ListView->topLevelItemCount() > 0; }, 5000))
        << "the table page left during its walk is never read again";
    EXPECT_TRUE(QTest::qWaitFor([&] { return !b1->Busy(); }, 3000));
}

// Closing cancels what is outstanding instead of waiting for it; the late answers reach nobody.
TEST_F(ConfigFormTest, CloseCancelsOutstandingRefresh)
{
    sim->stopAnswering();
    auto *form = new TConfigForm;
    form->InitAsPages();
    QPointer<QvSNMPRequest2Edits> b1 = newBinding(form, systemVars, SVT_SV, 0);
    QPointer<QvSNMPRequest2Edits> b2 = newBinding(form, upTimeVars, SVT_SV, 0);
    form->AddEditorPage("One", b1);
    form->AddEditorPage("Two", b2);
    QStringList destroyed;
    QObject::connect(b1, &QObject::destroyed, [&] { destroyed << "one"; });
    QObject::connect(b2, &QObject::destroyed, [&] { destroyed << "two"; });
    form->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return b1 && b1->Busy() && b1->Request().pending > 0; }, 2000));
    const int outstanding = QvSNMPAdapter::PendingCount();
    form->done(QDialog::Rejected);
    EXPECT_TRUE(b1.isNull());
    EXPECT_TRUE(b2.isNull());
    EXPECT_EQ(destroyed, (QStringList{"one", "two"}));
    // The send was not waited for: it is still outstanding in the library.
    EXPECT_GE(outstanding, 1);
    EXPECT_EQ(QvSNMPAdapter::PendingCount(), outstanding);
    delete form;
    sim->resumeAnswering();
    EXPECT_TRUE(QTest::qWaitFor([] { return QvSNMPAdapter::PendingCount() == 0; }, 8000));
}

TEST_F(ConfigFormTest, BuilderMistakesAndSizeCap)
{
    struct Case {
        const char *name;
        std::function<void(TConfigForm &, QvSNMPRequest2Edits *)> build;
        QString error;
    };
    const Case cases[] = {
        {"editor twice", [](TConfigForm &f, QvSNMPRequest2Edits *b) { f.InitAsEditor(b); f.InitAsEditor(b); },
         "Can not change Type of a Config Form!"},
        {"pages after list", [](TConfigForm &f, QvSNMPRequest2Edits *b) { f.InitAsListView(b, -1, {}, -1, {}); f.InitAsPages(); },
         "Can not change Type of a Config Form!"},
        {"editor page without pages", [](TConfigForm &f, QvSNMPRequest2Edits *b) { f.AddEditorPage("x", b); },
         "Can not add editor page to a none-page pannel!"},
        {"list page without pages", [](TConfigForm &f, QvSNMPRequest2Edits *b) { f.AddListViewPage("x", b, -1, {}, -1, {}); },
         "Can not add listview page to a none-page pannel!"},
    };
    for (const Case &c : cases) {
        QPointer<QvSNMPRequest2Edits> unowned;
        {
            TConfigForm form;
            QvSNMPRequest2Edits *b = newBinding(&form, systemVars, SVT_SV, 0);
            unowned = b;
            try {
                c.build(form, b);
                ADD_FAILURE() << c.name << ": no exception";
            } catch (const QvSNMPException &e) {
                EXPECT_EQ(e.text(), c.error) << c.name;
            }
        }
        delete unowned.data();  // a binding the form never took over
    }

    // Forty rows are far taller than 550 pixels: the window is capped and the rows scroll.
    QvSNMPVarList many;
    for (int k = 0; k < 40; ++k)
        many.AddVar(QStringLiteral("1.3.6.1.2.1.1.4"), QStringLiteral("Row %1").arg(k), SYN_DISPLAYSTR, ACC_READWRITE);
    TConfigForm form;
    auto *b = new QvSNMPRequest2Edits(&form);
    b->Vars() = many;
    TSNMPEditorPanel *panel = form.InitAsEditor(b);
    EXPECT_EQ(form.size(), QSize(qMin(800, panel->width()), 550));
    form.show();
    QApplication::processEvents();
    EXPECT_GT(panel->EditsPanel->ScrollBox->verticalScrollBar()->maximum(), 0);
    form.done(0);
}
