// The tool's window against the simulated switch: it waits visibly and endably (typed input handled
// meanwhile, Escape or closing ends the wait, no late outcome), keys over SNMPv1/v2c only after a
// warning, and its own user refused for deletion before any question.
#include "tv3cfgform.h"

#include "agent_support.h"
#include "mibenums.h"
#include "qvmessage.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "tlistviewfilter.h"
#include "v3cfg_support.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

SuiteSwitch g_switch;

void Session(bool v3)
{
    QvSNMPSessionParams &p = SessionParams();
    p.Device.Address = g_switch.sim->address();
    p.Device.Port = g_switch.sim->port();
    p.Timeout = 50;
    p.Retries = 1;
    p.Security.Version = v3 ? SNMP_VERSION_V3 : SNMP_VERSION_V2C;
    p.Security.ReadCommunity = QStringLiteral("lanmore");
    p.Security.WriteCommunity = QStringLiteral("lanmore");
    p.Security.SecurityModel = v3 ? SECMODEL_USM : SECMODEL_V2C;
    p.Security.SecurityLevel = SECLEVEL_AUTH_PRIV;
    p.Security.SecurityName = v3 ? QStringLiteral("SHA_AES_User") : QString();
    p.Security.AuthProtocol = AUTHPROT_HMACSHA;
    p.Security.AuthPassword = QStringLiteral("kmvauth7040");
    p.Security.PrivProtocol = PRIVPROT_AES128;
    p.Security.PrivPassword = QStringLiteral("kmvpriv7040");
}

// The questions the window asked, answered with answer.
struct Questions {
    QStringList asked;
    QMessageBox::StandardButton answer = QMessageBox::No;
    Questions()
    {
        QvSetMessageHook([this](QWidget *, const QString &text, const QString &, QMessageBox::StandardButtons) {
            asked << text;
            return answer;
        });
    }
    ~Questions() { QvSetMessageHook({}); }
};

struct Form {
    TV3CfgForm form;
    Form() : form(Start())
    {
        form.show();
        form.BT_RefreshClick();
        EXPECT_TRUE(WaitUntil([&] { return !form.Wait->Waiting(); }, 20000));
    }
    static TV3CfgStart Start()
    {
        TV3CfgStart s;
        s.address = g_switch.sim->address();
        s.programFolder = QDir::tempPath();
        return s;
    }
    QString report() const { return form.MM_Report->toPlainText(); }
    bool hasUser(const QString &name) const
    {
        for (int r = 0; r < form.LV_Users->topLevelItemCount(); ++r)
            if (form.LV_Users->topLevelItem(r)->text(0) == name)
                return true;
        return false;
    }
    void select(const QString &name)
    {
        for (int r = 0; r < form.LV_Users->topLevelItemCount(); ++r)
            if (form.LV_Users->topLevelItem(r)->text(0) == name)
                form.LV_Users->setCurrentItem(form.LV_Users->topLevelItem(r));
    }
    // The users the list shows, top to bottom: column 0, or the whole row.
    QStringList shown(int column = 0) const
    {
        QStringList out;
        for (int r = 0; r < form.LV_Users->topLevelItemCount(); ++r) {
            const QTreeWidgetItem *item = form.LV_Users->topLevelItem(r);
            if (item->isHidden())
                continue;
            QStringList cells;
            for (int c = 0; c < form.LV_Users->columnCount(); ++c)
                cells << item->text(c);
            out << (column < 0 ? cells.join(QLatin1Char('|')) : cells.at(column));
        }
        return out;
    }
    QString selected() const
    {
        const QList<QTreeWidgetItem *> sel = form.LV_Users->selectedItems();
        return sel.isEmpty() ? QString() : sel.first()->text(0);
    }
    void fillNewUser(const QString &name)
    {
        form.ED_Name->setText(name);
        form.CB_AuthProtocol->setCurrentIndex(form.CB_AuthProtocol->findData(AUTHPROT_HMACSHA));
        form.CB_PrivProtocol->setCurrentIndex(form.CB_PrivProtocol->findData(PRIVPROT_AES128));
        form.ED_AuthPassword->setText(QStringLiteral("form-auth-1"));
        form.ED_PrivPassword->setText(QStringLiteral("form-priv-1"));
        form.CB_CloneFrom->setCurrentText(QStringLiteral("SHA_AES_User"));
        form.ED_CloneAuthPassword->setText(QStringLiteral("kmvauth7040"));
        form.ED_ClonePrivPassword->setText(QStringLiteral("kmvpriv7040"));
    }
};

class V3CfgForm : public ::testing::Test {
protected:
    static void SetUpTestSuite() { g_switch.Start(QStringLiteral("v3cfgform")); }
    static void TearDownTestSuite() { g_switch.Stop(); }
    void SetUp() override
    {
        ASSERT_TRUE(g_switch.sim && g_switch.sim->isRunning());
        g_switch.sim->resumeAnswering();
        Session(true);
    }
};

TEST_F(V3CfgForm, WaitsVisiblyHandlesInputAndEndsOnEscapeOrClose)
{
    for (const char *end : {"Escape", "close"}) {
        SCOPED_TRACE(end);
        Form f;
        ASSERT_TRUE(f.hasUser(QStringLiteral("SHA_AES_User"))) << f.report().toStdString();
        g_switch.sim->stopAnswering();
        f.form.BT_RefreshClick();
        // The click returned at once and the window waits visibly.
        ASSERT_TRUE(f.form.Wait->Waiting());
        for (QPushButton *b : {f.form.BT_Refresh, f.form.BT_Create, f.form.BT_Try, f.form.BT_ChangePasswords,
                               f.form.BT_Delete})
            EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
        EXPECT_TRUE(f.form.BT_Close->isEnabled());
        EXPECT_TRUE(f.report().contains(QStringLiteral("Waiting for the switch")));
        // Typed keys take effect while the request is out, not afterwards.
        f.form.ED_Name->clear();
        f.form.ED_Name->setFocus();
        QTest::keyClicks(f.form.ED_Name, QStringLiteral("typed"));
        EXPECT_EQ(f.form.ED_Name->text(), QStringLiteral("typed"));
        EXPECT_TRUE(f.form.Wait->Waiting());
        if (QLatin1String(end) == QLatin1String("Escape"))
            QTest::keyClick(&f.form, Qt::Key_Escape);
        else
            f.form.reject();
        EXPECT_FALSE(f.form.Wait->Waiting());
        EXPECT_TRUE(f.form.BT_Refresh->isEnabled());
        EXPECT_TRUE(f.report().contains(QStringLiteral("Cancelled")));
        const QString before = f.report();
        g_switch.sim->resumeAnswering();
        // Past the time-out with its retries: no late outcome reaches the window.
        QTest::qWait(TUsmAdmin::WaitLimitMs() * TUsmAdmin::StepAttempts + 300);
        EXPECT_EQ(f.report(), before);
    }
}

TEST_F(V3CfgForm, KeysInClearOnlyAfterAWarning)
{
    Session(false);
    Questions q;
    Form f;
    ASSERT_TRUE(f.hasUser(QStringLiteral("SHA_AES_User"))) << f.report().toStdString();
    const struct {
        const char *name;
        std::function<void(Form &)> act;
    } rows[] = {
        {"create", [](Form &f) {
             f.fillNewUser(QStringLiteral("clearuser"));
             f.form.BT_CreateClick();
         }},
        {"change passwords", [](Form &f) {
             f.select(QStringLiteral("SHA_User"));
             f.form.ED_AuthPassword->setText(QStringLiteral("clear-auth-2"));
             f.form.ED_PrivPassword->clear();
             f.form.ED_OldAuthPassword->setText(QStringLiteral("kmvauth7040"));
             f.form.BT_ChangePasswordsClick();
         }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        q.asked.clear();
        const QString before = f.report();
        r.act(f);
        ASSERT_EQ(q.asked.size(), 1);
        EXPECT_TRUE(q.asked.first().contains(QStringLiteral("in clear"))) << q.asked.first().toStdString();
        // No: nothing goes out.
        EXPECT_FALSE(f.form.Wait->Waiting());
        EXPECT_EQ(f.report(), before);
    }
    // Yes: the user is made after all.
    q.answer = QMessageBox::Yes;
    f.fillNewUser(QStringLiteral("clearuser"));
    f.form.BT_CreateClick();
    ASSERT_TRUE(WaitUntil([&] { return !f.form.Wait->Waiting(); }, 30000));
    EXPECT_TRUE(f.hasUser(QStringLiteral("clearuser"))) << f.report().toStdString();
    f.select(QStringLiteral("clearuser"));
    f.form.BT_DeleteClick();
    ASSERT_TRUE(WaitUntil([&] { return !f.form.Wait->Waiting(); }, 30000));
    EXPECT_FALSE(f.hasUser(QStringLiteral("clearuser"))) << f.report().toStdString();
}

TEST_F(V3CfgForm, OwnUserRefusedBeforeTheQuestion)
{
    Questions q;
    q.answer = QMessageBox::Yes;
    Form f;
    f.select(QStringLiteral("SHA_AES_User"));
    f.form.BT_DeleteClick();
    EXPECT_TRUE(q.asked.isEmpty()) << q.asked.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(f.form.Wait->Waiting());
    EXPECT_TRUE(f.report().contains(QStringLiteral("cannot delete itself"))) << f.report().toStdString();
    // Another user is asked about.
    f.select(QStringLiteral("SHA_User"));
    q.answer = QMessageBox::No;
    f.form.BT_DeleteClick();
    EXPECT_EQ(q.asked.size(), 1);
    EXPECT_TRUE(f.hasUser(QStringLiteral("SHA_User")));
}

TEST_F(V3CfgForm, UsersListFiltersSortsAndKeepsTheSelection)
{
    Form f;
    TListViewFilter *filter = TListViewFilter::Of(f.form.LV_Users);
    ASSERT_NE(filter, nullptr);
    ASSERT_TRUE(f.hasUser(QStringLiteral("SHA_User"))) << f.report().toStdString();
    const QStringList all = f.shown(-1);
    const auto has = [](const QString &cell, const char *text) {
        return cell.contains(QLatin1String(text), Qt::CaseInsensitive);
    };
    const struct {
        const char *filter;
        std::function<bool(const QStringList &cells)> keeps;  // User, Authentication, Privacy, ...
    } rows[] = {
        {"name: SHA", [&](const QStringList &c) { return has(c[0], "SHA"); }},
        {"user: md5", [&](const QStringList &c) { return has(c[0], "md5"); }},
        {"auth: SHA-256", [&](const QStringList &c) { return has(c[1], "SHA-256"); }},
        {"priv: AES-256", [&](const QStringList &c) { return has(c[2], "AES-256"); }},
        {"des", [&](const QStringList &c) { return std::any_of(c.begin(), c.end(), [&](auto &x) { return has(x, "des"); }); }},
        {"", [](const QStringList &) { return true; }},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.filter);
        filter->SetFilterText(QLatin1String(r.filter));
        QStringList expected;
        for (const QString &row : all)
            if (r.keeps(row.split(QLatin1Char('|'))))
                expected << row;
        ASSERT_FALSE(expected.isEmpty());
        EXPECT_EQ(f.shown(-1), expected);
        EXPECT_EQ(filter->CountText(), expected.size() == all.size()
                                           ? QString::number(all.size())
                                           : QStringLiteral("%1/%2").arg(expected.size()).arg(all.size()));
    }
    filter->SetFilterText(QStringLiteral("name: SHA"));
    EXPECT_TRUE(f.shown().contains(QStringLiteral("SHA_AES_User")));
    EXPECT_FALSE(f.shown().contains(QStringLiteral("MD5_User")));
    EXPECT_LT(f.shown().size(), all.size());

    // A caption click sorts up, then down, then back to the order the switch gave.
    filter->SetFilterText(QString());
    const QStringList arrival = f.shown();
    QStringList up = arrival;
    std::sort(up.begin(), up.end(), [](const QString &a, const QString &b) {
        return ListFilter::Compare(ListFilter::KeyOf(a), ListFilter::KeyOf(b)) < 0;
    });
    QStringList down(up.rbegin(), up.rend());
    ASSERT_NE(up, arrival);
    for (const QStringList &order : {up, down, arrival}) {
        filter->HeaderClicked(0);
        EXPECT_EQ(f.shown(), order);
    }

    // Sorted and filtered, a refresh keeps both and the selected user.
    filter->HeaderClicked(0);
    filter->SetFilterText(QStringLiteral("name: SHA"));
    f.select(QStringLiteral("SHA_DES_User"));
    ASSERT_EQ(f.selected(), QStringLiteral("SHA_DES_User"));
    EXPECT_EQ(f.form.ED_Name->text(), QStringLiteral("SHA_DES_User"));
    const QStringList before = f.shown();
    f.form.BT_RefreshClick();
    ASSERT_TRUE(WaitUntil([&] { return !f.form.Wait->Waiting(); }, 20000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.shown() == before; }, 2000)) << f.shown().join(' ').toStdString();
    EXPECT_EQ(f.selected(), QStringLiteral("SHA_DES_User"));
    EXPECT_EQ(f.form.ED_Name->text(), QStringLiteral("SHA_DES_User"));
    EXPECT_EQ(filter->CountText(), QStringLiteral("%1/%2").arg(before.size()).arg(all.size()));

    // The group's lists below have their own boxes and counts.
    for (QTreeWidget *lv : {f.form.LV_Groups, f.form.LV_Access, f.form.LV_Views}) {
        const TListViewFilter *own = TListViewFilter::Of(lv);
        ASSERT_NE(own, nullptr);
        EXPECT_GT(own->TotalCount(), 0);
        EXPECT_EQ(own->TotalCount(), lv->topLevelItemCount());
    }
}

} // namespace
