// The traffic overlay of the main window against the simulated switch under SNMPv1, v2c and v3:
// levels, errors and VLAN outlines from the switch's own figures, the tooltip, greying while the
// switch is silent, the View menu entry and its remembered choice.
#include "tmainform.h"

#include "agent_support.h"
#include "frontpanelart.h"
#include "kmvsim_process.h"
#include "mibenums.h"
#include "mibtables.h"
#include "portoverlay.h"
#include "portpoller.h"
#include "qvsnmpledbinding.h"
#include "tmessagebox.h"

#include <QAction>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

class PortOverlayTest : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        QStandardPaths::setTestModeEnabled(true);
        s_home = makeTempDir(QStringLiteral("portoverlay"));
        s_oldCwd = QDir::currentPath();
        QDir::setCurrent(s_home);
        QFile::remove(SettingsFile());
        BuildCatalogueLists();
        QvSetMessageHook([](QWidget *, const QString &, const QString &, QMessageBox::StandardButtons) {
            return QMessageBox::Yes;
        });
        s_sim = new KmvSimProcess({QStringLiteral("--scenario"), QStringLiteral("static")});
    }
    static void TearDownTestSuite()
    {
        delete s_sim;
        s_sim = nullptr;
        QFile::remove(SettingsFile());
        QvSetMessageHook({});
        QDir::setCurrent(s_oldCwd);
        QDir(s_home).removeRecursively();
    }
    static QString SettingsFile()
    {
        return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
            .filePath(QStringLiteral("kmv7040qx/kmv7040qx.conf"));
    }

protected:
    void SetUp() override { ASSERT_TRUE(s_sim->isRunning()) << s_sim->errorText().toStdString(); }

    static std::unique_ptr<TMainForm> Start(const QStringList &version)
    {
        QDir(s_home).mkpath(QStringLiteral("bin"));
        const TStartupEnv env{QStringList{"/I127.0.0.1", "/t" + QString::number(s_sim->port())} + version,
                              QDir(s_home).filePath(QStringLiteral("bin/kmv7040qx")), s_home};
        return std::make_unique<TMainForm>(env);
    }
    // Two traffic readings a second and a half apart, and the details.
    static bool Measured(TMainForm &form)
    {
        TPortPoller *poller = form.Overlay()->Poller();
        if (!WaitFor([&] { return poller->TrafficPolls() >= 1 && poller->DetailsPolls() >= 1; }, 15000))
            return false;
        const int polls = poller->TrafficPolls();
        QTest::qWait(1500);
        poller->PollTraffic();
        return WaitFor([&] { return poller->TrafficPolls() > polls; }, 15000)
            && poller->LastOutcome() == TPortStats::Rates;
    }

    static inline QString s_home;
    static inline QString s_oldCwd;
    static inline KmvSimProcess *s_sim = nullptr;
};

TEST_F(PortOverlayTest, ShowsTheSwitchsTrafficUnderEveryVersion)
{
    const struct {
        const char *name;
        QStringList args;
        bool wide;
    } versions[] = {
        {"SNMPv1", {"/v0", "/Rcorvet"}, false},
        {"SNMPv2c", {"/v1", "/Rcorvet"}, true},
        {"SNMPv3", {"/v3", "/m3", "/l3", "/nSHA_DES_User", "/a3", "/p2", "/Akmvauth7040", "/Pkmvpriv7040"}, true},
    };
    for (const auto &v : versions) {
        SCOPED_TRACE(v.name);
        auto form = Start(v.args);
        TPortOverlay *overlay = form->Overlay();
        ASSERT_NE(overlay, nullptr);
        ASSERT_TRUE(overlay->IsEnabled()) << "on by default";
        ASSERT_TRUE(Measured(*form));
        EXPECT_EQ(overlay->Poller()->WideCounters(), v.wide);
        // The simulated profile: port 22 near saturation, 3 busy, 4 idle, 14 without a link,
        // port 9 with growing errors, the uplink 49 on a gigabit line.
        const struct { int port; int level; bool errors; } ports[] = {
            {22, 4, false}, {3, 3, false}, {4, 0, false}, {14, 0, false}, {9, 1, true}, {49, 3, false},
        };
        for (const auto &p : ports) {
            SCOPED_TRACE(p.port);
            const TPortLook look = overlay->Look(p.port);
            EXPECT_EQ(look.level, p.level);
            EXPECT_EQ(look.errors, p.errors);
            EXPECT_FALSE(look.grey);
            EXPECT_EQ(look.vlan, TVlanMembership::None);
        }
        const QString tip = overlay->TooltipFor(9);
        EXPECT_TRUE(tip.startsWith("Port 9 (port9): lab bench (flaky cable)\n")) << tip.toStdString();
        EXPECT_TRUE(tip.contains("Status: admin up, link up")) << tip.toStdString();
        EXPECT_TRUE(tip.contains("Speed: 100 Mbit/s, full duplex")) << tip.toStdString();
        EXPECT_TRUE(tip.contains("VLANs: PVID 1; untagged: 1 default; tagged: 200 voice")) << tip.toStdString();
        EXPECT_TRUE(tip.contains(", growing, last grew ")) << tip.toStdString();
        EXPECT_TRUE(overlay->TooltipFor(49).contains("Speed: 1 Gbit/s")) << overlay->TooltipFor(49).toStdString();
        EXPECT_TRUE(overlay->TooltipFor(14).contains("link down"));
    }
}

TEST_F(PortOverlayTest, VlanChooserOutlinesMembers)
{
    auto form = Start({"/v1", "/Rcorvet"});
    TPortOverlay *overlay = form->Overlay();
    ASSERT_TRUE(WaitFor([&] { return overlay->Poller()->DetailsPolls() >= 1; }, 15000));
    QComboBox *box = overlay->VlanChooser();
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    EXPECT_EQ(items, (QStringList{"none", "1 default", "2 lab", "100 servers", "200 voice"}));
    const struct { int vlan; int port; TVlanMembership m; } cases[] = {
        {200, 1, TVlanMembership::Tagged}, {200, 12, TVlanMembership::Tagged}, {200, 13, TVlanMembership::None},
        {200, 49, TVlanMembership::Tagged}, {100, 17, TVlanMembership::Untagged}, {100, 49, TVlanMembership::Tagged},
        {100, 1, TVlanMembership::None}, {1, 1, TVlanMembership::Untagged}, {1, 17, TVlanMembership::None},
        {1, 49, TVlanMembership::Tagged}, {2, 35, TVlanMembership::Untagged}, {2, 49, TVlanMembership::None}, {0, 1, TVlanMembership::None},
    };
    for (const auto &c : cases) {
        box->setCurrentIndex(box->findData(c.vlan));
        EXPECT_EQ(overlay->SelectedVlan(), c.vlan);
        EXPECT_EQ(overlay->Look(c.port).vlan, c.m) << "VLAN " << c.vlan << " port " << c.port;
    }
    // The choice survives the next details poll.
    box->setCurrentIndex(box->findData(100));
    const int polls = overlay->Poller()->DetailsPolls();
    overlay->Poller()->PollDetails();
    ASSERT_TRUE(WaitFor([&] { return overlay->Poller()->DetailsPolls() > polls; }, 15000));
    EXPECT_EQ(overlay->SelectedVlan(), 100);
}

TEST_F(PortOverlayTest, PaintsAndAnswersTooltipsOnThePicture)
{
    auto form = Start({"/v1", "/Rcorvet"});
    form->show();
    ASSERT_TRUE(Measured(*form));
    TPortOverlay *overlay = form->Overlay();
    QComboBox *box = overlay->VlanChooser();
    box->setCurrentIndex(box->findData(100));
    QTest::qWait(50);
    const QImage plain = FrontPanelArt::DrawFrontPanel().toImage();
    const QImage shown = form->Image->grab().toImage();
    // A busy port's face takes its level's colour; the error port gets its red mark; a VLAN
    // member its outline; the LEDs stay as they were drawn.
    const QRect busy = FrontPanelArt::PortFace(22);
    const QColor tinted = shown.pixelColor(busy.left() + 2, busy.top() + 8);
    EXPECT_NE(tinted, plain.pixelColor(busy.left() + 2, busy.top() + 8));
    EXPECT_GT(tinted.red(), tinted.blue()) << "orange over the dark jack";
    const QRect errors = FrontPanelArt::PortFace(9);
    const QColor corner = shown.pixelColor(errors.right() - 1, errors.top() + 1);
    EXPECT_GT(corner.red(), 200);
    EXPECT_LT(corner.green(), 80);
    const QRect member = FrontPanelArt::PortFace(17);
    const QColor outline = shown.pixelColor(member.left() - 2, member.center().y());
    EXPECT_GT(outline.lightness(), 200);
    const QRect led = form->LinkShape_Port[0]->geometry();
    EXPECT_EQ(shown.pixelColor(led.center()), QvLed::ToQColor(form->LinkShape_Port[0]->BrushColor()));

    // Hovering a port's face shows its tooltip; between the faces none.
    const QPoint at = FrontPanelArt::PortFace(9).center();
    QHelpEvent help(QEvent::ToolTip, at, form->Image->mapToGlobal(at));
    QApplication::sendEvent(form->Image, &help);
    EXPECT_TRUE(QToolTip::text().startsWith("Port 9 (port9)")) << QToolTip::text().toStdString();
    const QPoint gap(305, 30);
    QHelpEvent none(QEvent::ToolTip, gap, form->Image->mapToGlobal(gap));
    QApplication::sendEvent(form->Image, &none);
    EXPECT_TRUE(WaitFor([] { return !QToolTip::isVisible(); }, 2000));
}

TEST_F(PortOverlayTest, SilentSwitchGreysTheOverlay)
{
    auto form = Start({"/v1", "/Rcorvet"});
    ASSERT_TRUE(Measured(*form));
    TPortOverlay *overlay = form->Overlay();
    TPortPoller *poller = overlay->Poller();
    ASSERT_FALSE(overlay->Look(22).grey);
    s_sim->stopAnswering();
    poller->PollTraffic();
    EXPECT_TRUE(WaitFor([&] { return overlay->Look(22).grey; }, 20000));
    for (int port : {1, 9, 22, 50})
        EXPECT_TRUE(overlay->Look(port).grey) << port;
    EXPECT_TRUE(overlay->TooltipFor(22).contains("The switch does not answer"));
    s_sim->resumeAnswering();
    EXPECT_TRUE(WaitFor([&] { return !overlay->Look(22).grey; }, 20000));
    EXPECT_EQ(overlay->Look(22).level, 4);
}

TEST_F(PortOverlayTest, ViewMenuTurnsItOffAndRemembers)
{
    {
        auto form = Start({"/v1", "/Rcorvet"});
        TPortOverlay *overlay = form->Overlay();
        auto *view = form->menuBar()->findChild<QMenu *>(QStringLiteral("View1"));
        ASSERT_NE(view, nullptr);
        // The View menu sits before Help.
        const QList<QAction *> menus = form->menuBar()->actions();
        EXPECT_EQ(menus.indexOf(view->menuAction()) + 1, menus.indexOf(form->Help1->menuAction()));
        QAction *entry = overlay->ViewAction();
        ASSERT_NE(entry, nullptr);
        EXPECT_TRUE(entry->isCheckable());
        EXPECT_TRUE(entry->isChecked());
        EXPECT_TRUE(overlay->Poller()->IsRunning());
        entry->trigger();
        EXPECT_FALSE(overlay->IsEnabled());
        EXPECT_FALSE(overlay->Poller()->IsRunning());
        EXPECT_FALSE(overlay->VlanChooser()->isEnabled());
        EXPECT_EQ(overlay->Look(22).level, -1);
        EXPECT_FALSE(TPortOverlay::RememberedEnabled());
        EXPECT_TRUE(QFile::exists(SettingsFile()));
    }
    {
        auto form = Start({"/v1", "/Rcorvet"});
        TPortOverlay *overlay = form->Overlay();
        EXPECT_FALSE(overlay->IsEnabled()) << "the choice was remembered";
        EXPECT_FALSE(overlay->ViewAction()->isChecked());
        QTest::qWait(300);
        EXPECT_EQ(overlay->Poller()->TrafficPolls(), 0) << "no polls while off";
        overlay->ViewAction()->trigger();
        EXPECT_TRUE(overlay->IsEnabled());
        EXPECT_TRUE(TPortOverlay::RememberedEnabled());
        EXPECT_TRUE(WaitFor([&] { return overlay->Poller()->TrafficPolls() >= 1; }, 15000));
    }
}

} // namespace
