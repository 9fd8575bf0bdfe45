#include "tmainform.h"

#include "devicecommands.h"
#include "devicewatch.h"
#include "eventcenter.h"
#include "frontpanelart.h"
#include "thelpviewer.h"
#include "ledmaps.h"
#include "menutree.h"
#include "mibcatalogue.h"
#include "mibtables.h"
#include "portoverlay.h"
#include "qvsnmpsession.h"
#include "qvwaitindicator.h"
#include "qvsnmperrors.h"
#include "qvsnmpexception.h"
#include "qvsnmpledbinding.h"
#include "qvsnmprequest.h"
#include "rmonentries.h"
#include "tconfigform.h"
#include "tcounterforms.h"
#include "tiprouting.h"
#include "tportcounterform.h"
#include "tstpinfo.h"
#include "tmessagebox.h"
#include "windowdefs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <memory>

const QString TMainForm::DesignedCaption = QStringLiteral("KMV-7040QX");

namespace {

const QString ConfigToolName = QStringLiteral("SNMPV3CFG.EXE");
constexpr qint32 DesignGrey = 0x00808080;

// A port's link LED: a square well-filled shape; fill and outline follow the binding together.
class TSquareLed : public QvLed {
public:
    using QvLed::QvLed;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(ToQColor(PenColor()));
        p.setBrush(ToQColor(BrushColor()));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

QString VersionLabel(qint8 version)
{
    switch (version) {
    case SNMP_VERSION_V1: return QStringLiteral("v1");
    case SNMP_VERSION_V2C: return QStringLiteral("v2c");
    case SNMP_VERSION_V3: return QStringLiteral("v3");
    default: return QStringLiteral("v%1").arg(version);
    }
}

} // namespace

TStartupEnv TStartupEnv::FromProcess(int argc, char **argv)
{
    TStartupEnv env;
    // One character per octet, so that communities and passwords keep every byte.
    for (int i = 1; i < argc; ++i)
        env.Arguments << QString::fromLatin1(argv[i]);
    env.ExePath = QCoreApplication::applicationFilePath();
    env.WorkDir = QDir::currentPath();
    return env;
}

TMainForm::TMainForm(const TStartupEnv &env, QWidget *parent) : QMainWindow(parent), m_env(env)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(DesignedCaption);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    BuildMainMenu();
    BuildPanel();
    FormCreate();
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

QString TMainForm::ExeDir() const
{
    const QString p = NativePath(m_env.ExePath);
    const qsizetype last = p.lastIndexOf(QLatin1Char('/'));
    return last < 0 ? QString() : p.left(last);
}

void TMainForm::BuildMainMenu()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    // The whole tree comes from the window catalogue; the entries of the shell are handled here.
    TMenuHandlers handlers = {
        {QStringLiteral("SNMPConfigClick"), [this](QObject *) { SNMPConfigClick(); }},
        {QStringLiteral("RefreshClick"), [this](QObject *) { RefreshClick(); }},
        {QStringLiteral("ExitClick"), [this](QObject *) { ExitClick(); }},
        {QStringLiteral("H1Click"), [this](QObject *) { H1Click(); }},
        {QStringLiteral("About1Click"), [this](QObject *) { About1Click(); }},
        {QStringLiteral("RebootClick"), [this](QObject *) { RebootClick(); }},
        {QStringLiteral("SaveConfigClick"), [this](QObject *) { SaveConfigClick(); }},
        {QStringLiteral("SummerTimeClick"), [this](QObject *) { ShowSummerTime(this, &QvRunModal); }},
        {QStringLiteral("SNMPConfigure1Click"),
         [this](QObject *) {
             RunSnmpConfigure(this, m_texts, ExeDir(), &QvRunModal);
             if (m_events)
                 m_events->Restart();
         }},
        {QStringLiteral("EventLogClick"), [this](QObject *) {
             if (m_events)
                 m_events->ShowLog();
         }},
    };
    // The suite's shared modules, by the target switch each entry passes.
    for (const TModuleLaunch &m : ModuleLaunches()) {
        const QString target = QString::fromLatin1(m.target);
        handlers.insert(QString::fromLatin1(m.handler), [this, target](QObject *) {
            if (!LaunchSharedModule(m_texts, target, QString(), ExeDir()))
                ShowNotice(QStringLiteral("The module %1 is not installed in %2")
                               .arg(ModuleNameOf(target), QDir::toNativeSeparators(ExeDir())));
        });
    }
    // The dedicated monitoring windows: non-modal, one of each (a second click raises it), gone when closed.
    static const struct { const char *handler; QDialog *(*create)(QWidget *); } monitors[] = {
        {"MIB2IFCounterClick", [](QWidget *p) -> QDialog * { return new TIF_Counters(p); }},
        {"MIB2IPCounterClick", [](QWidget *p) -> QDialog * { return new TIP_Counters(p); }},
        {"MIB2ICMPCounterClick", [](QWidget *p) -> QDialog * { return new TICMP_Counters(p); }},
        {"MIB2UDPCounterClick", [](QWidget *p) -> QDialog * { return new TUDP_Counters(p); }},
        {"MIB2SNMPCounterClick", [](QWidget *p) -> QDialog * { return new TSNMP_Counters(p); }},
        {"MIB2IPRoutingClick", [](QWidget *p) -> QDialog * { return new TIP_Routing(p); }},
        {"BridgeSTPInformationClick", [](QWidget *p) -> QDialog * { return new TSTP_Info(p); }},
        {"BridgePortCountersClick", [](QWidget *p) -> QDialog * { return new TTpBridgePortInfo_Table(p); }},
    };
    for (const auto &m : monitors) {
        const auto create = m.create;
        const QString key = QString::fromLatin1(m.handler);
        handlers.insert(key, [this, create, key](QObject *) {
            OpenMonitorWindow(this, key, [this, create] { return create(this); });
        });
    }
    AddRmonHandlers(handlers, this);
    ::BuildMainMenu(bar, this, handlers);
    Device = bar->findChild<QMenu *>(QStringLiteral("Device"));
    SNMPV3 = bar->findChild<QMenu *>(QStringLiteral("SNMPV3"));
    Help1 = bar->findChild<QMenu *>(QStringLiteral("Help1"));
    SNMPConfig = bar->findChild<QAction *>(QStringLiteral("SNMPConfig"));
    Refresh = bar->findChild<QAction *>(QStringLiteral("Refresh"));
    Exit = bar->findChild<QAction *>(QStringLiteral("Exit"));
    SNMPConfigure1 = bar->findChild<QAction *>(QStringLiteral("SNMPConfigure1"));
    H1 = bar->findChild<QAction *>(QStringLiteral("H1"));
    About1 = bar->findChild<QAction *>(QStringLiteral("About1"));
    Q_ASSERT(Device && SNMPV3 && Help1 && SNMPConfig && Refresh && Exit && SNMPConfigure1 && H1 && About1);
    Refresh->setVisible(false);
}

void TMainForm::BuildPanel()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    client->setFixedSize(ClientWidth, PanelHeight);
    setCentralWidget(client);

    Panel1 = new QWidget(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 873, PanelHeight);

    Image = new QLabel(Panel1);
    Image->setObjectName(QStringLiteral("Image"));
    Image->setGeometry(1, 1, FrontPanelArt::Width, FrontPanelArt::Height);
    Image->setFixedSize(FrontPanelArt::Width, FrontPanelArt::Height);
    Image->setPixmap(FrontPanelArt::DrawFrontPanel());
    Image->installEventFilter(this);

    // The LEDs sit on the picture, so that their positions are those of the wells drawn in it.
    for (int n = 1; n <= 50; ++n) {
        QvLed *led = new TSquareLed(Image);
        led->setObjectName(QStringLiteral("LinkShape_Port%1").arg(n));
        led->setFixedSize(7, 7);
        led->move(FrontPanelArt::PortLedLeft(n), FrontPanelArt::PortLedTop);
        led->setAttribute(Qt::WA_TransparentForMouseEvents);
        LinkShape_Port[n - 1] = led;
    }
    PowerLed = new QvLed(Image);
    PowerLed->setObjectName(QStringLiteral("PowerLed"));
    PowerLed->setFixedSize(11, 11);
    PowerLed->move(76, 32);
    PowerLed->setAttribute(Qt::WA_TransparentForMouseEvents);
    ConsoleLed = new QvLed(Image);
    ConsoleLed->setObjectName(QStringLiteral("ConsoleLed"));
    ConsoleLed->setFixedSize(11, 11);
    ConsoleLed->move(76, 43);
    ConsoleLed->setAttribute(Qt::WA_TransparentForMouseEvents);
    ConsoleLed->Paint(DesignGrey);

    const QPixmap module = FrontPanelArt::DrawGigaModule();
    IMG_GigaPort1 = new QLabel(Image);
    IMG_GigaPort1->setObjectName(QStringLiteral("IMG_GigaPort1"));
    IMG_GigaPort1->setPixmap(module);
    IMG_GigaPort1->setGeometry(745, 25, module.width(), module.height());
    IMG_GigaPort1->setAttribute(Qt::WA_TransparentForMouseEvents);
    IMG_GigaPort1->hide();
    IMG_GigaPort2 = new QLabel(Image);
    IMG_GigaPort2->setObjectName(QStringLiteral("IMG_GigaPort2"));
    IMG_GigaPort2->setPixmap(module);
    IMG_GigaPort2->setGeometry(777, 25, module.width(), module.height());
    IMG_GigaPort2->setAttribute(Qt::WA_TransparentForMouseEvents);
    IMG_GigaPort2->hide();

    StatusBar = new QStatusBar(Panel1);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    StatusBar->setGeometry(1, 78, 871, 22);
    StatusPanel = new QLabel(StatusBar);
    StatusPanel->setObjectName(QStringLiteral("StatusPanel"));
    StatusPanel->setFixedWidth(50);
    StatusPanel->setAlignment(Qt::AlignCenter);
    NoticePanel = new QLabel(StatusBar);
    NoticePanel->setObjectName(QStringLiteral("NoticePanel"));
    NoticePanel->setTextFormat(Qt::PlainText);
    NoticePanel->setMinimumWidth(120);
    NoticePanel->hide();
    StatusBar->addPermanentWidget(NoticePanel);
    StatusBar->addPermanentWidget(StatusPanel);
    m_overlay = new TPortOverlay(Image, client);
    m_overlay->Strip()->setGeometry(0, PanelHeight + 1, ClientWidth, TPortOverlay::StripHeight);
    m_overlay->AddViewMenu(menuBar(), Help1);
    m_wait = new QvWaitIndicator(this);
    m_wait->SetStatusTarget(StatusBar);
    m_noticeTimer = new QTimer(this);
    m_noticeTimer->setSingleShot(true);
    connect(m_noticeTimer, &QTimer::timeout, NoticePanel, [this] {
        NoticePanel->clear();
        NoticePanel->hide();
    });

    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TMainForm::ShowFailure(const QString &text)
{
    QvMessageBox(this, text, QvAppCaption(), QMessageBox::Ok);
}

void TMainForm::FormCreate()
{
    try {
        OpenGlobalSession(QString());
        // Start-up writes the defaults even where the session was opened earlier in the process.
        {
            QvSNMPSessionParams &p = SessionParams();
            SnmpEventProcessor *pump = p.EventProcessor;
            p = QvSNMPSessionParams();
            p.EventProcessor = pump;
        }
        SNMPConfig->setVisible(ConfigToolPresent(m_env.WorkDir));
        m_inEmsFolder = InEmsFolder(m_env.ExePath);
        SNMPConfigure1->setVisible(m_inEmsFolder);
        LoadCatalogues(QDir(ExeDir()).filePath(QStringLiteral("errMSg")));
        SessionParams().Timeout = 200;
        if (m_env.Arguments.isEmpty()) {
            ShowFailure(QStringLiteral("No parameter input"));
            m_terminate = true;
        }
        ParseCommandLine();
        m_texts = SessionTexts(SessionParams());
        LoadDeviceConfig(m_texts.Address);
        SetupFrontPanel();
        setWindowTitle(DesignedCaption + QStringLiteral(" : ") + m_texts.Address);
        // No horizontal scroll bar ever shows, so the client area gets its extra pixel.
        centralWidget()->setFixedHeight(PanelHeight + 1 + TPortOverlay::StripHeight);
        SNMPV3->setEnabled(SessionParams().Security.Version == SNMP_VERSION_V3);
        SNMPV3->menuAction()->setEnabled(SNMPV3->isEnabled());
        UpdateStatusPanel();
        StartEvents();
        // The window of a run without arguments never shows; its gigabit pictures would not either.
        if (!m_terminate)
            ProbeGigabitPorts();
    } catch (const QvSNMPException &e) {
        ShowFailure(e.text());
    } catch (const std::exception &e) {
        ShowFailure(QString::fromLatin1(e.what()));
    }
    adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TMainForm::ParseCommandLine()
{
    ::ParseCommandLine(m_env.Arguments, SessionParams());
}

void TMainForm::LoadDeviceConfig(const QString &address)
{
    QvSNMPSessionParams &p = SessionParams();
    const QString path = DeviceConfigPath(address, m_inEmsFolder, ExeDir());
    if (!ReadDeviceConfig(DeviceConfigPathFor(path, TConfigUse::Read), p))
        return;
    // The communities and the address never come from the file, so their copies stay.
    const TSessionTexts fresh = SessionTexts(p);
    m_texts.Port = fresh.Port;
    m_texts.Version = fresh.Version;
    m_texts.ContextName = fresh.ContextName;
    m_texts.ContextEngineID = fresh.ContextEngineID;
    m_texts.SecurityModel = fresh.SecurityModel;
    m_texts.SecurityLevel = fresh.SecurityLevel;
    m_texts.SecurityName = fresh.SecurityName;
    m_texts.AuthProtocol = fresh.AuthProtocol;
    m_texts.PrivProtocol = fresh.PrivProtocol;
    m_texts.AuthPassword = fresh.AuthPassword;
    m_texts.PrivPassword = fresh.PrivPassword;
}

void TMainForm::DestroyBindings()
{
    delete m_portBinding;
    m_portBinding = nullptr;
    delete m_consoleBinding;
    m_consoleBinding = nullptr;
}

void TMainForm::SetupFrontPanel()
{
    DestroyBindings();

    m_portBinding = new QvSNMPRequest2Leds(this);
    QvSNMPVarList &ports = m_portBinding->Vars();
    ports.itemType = MVT_SV;
    ports.instanceSuffix.clear();
    ports.title = QStringLiteral("Port Link Status");
    for (int n = 1; n <= 50; ++n)
        ports.AddVar(QLatin1String(IfOperStatusColumn.oid) + QLatin1Char('.') + QString::number(n),
                     QStringLiteral("ifOperStatus.%1").arg(n), IfOperStatusColumn.syntax, ACC_READONLY);
    for (int n = 1; n <= 50; ++n) {
        auto *led = Image->findChild<QvLed *>(QStringLiteral("LinkShape_Port%1").arg(n));
        Q_ASSERT(led);
        if (led)
            m_portBinding->AddLed(n - 1, 0, &PortMap, led);
    }
    m_portBinding->AddLed(0, 0, &PowerMap, PowerLed);

    m_consoleBinding = new QvSNMPRequest2Leds(this);
    QvSNMPVarList &console = m_consoleBinding->Vars();
    console.itemType = SVT_SV;
    console.title = QStringLiteral("Console Status");
    console.AddVar(QLatin1String(ConsoleInUseObject.oid), QLatin1String(ConsoleInUseObject.name),
                   ConsoleInUseObject.syntax, ACC_READONLY);
    m_consoleBinding->AddLed(0, 0, &ConsoleMap, ConsoleLed);

    PowerLed->move(76, 32);
    ConsoleLed->move(76, 43);
    for (int n = 1; n <= 50; ++n)
        if (auto *led = Image->findChild<QvLed *>(QStringLiteral("LinkShape_Port%1").arg(n)))
            led->move(FrontPanelArt::PortLedLeft(n), FrontPanelArt::PortLedTop);

    m_portBinding->SetReportTarget(StatusBar);
    m_consoleBinding->SetReportTarget(StatusBar);

    // A first poll that fails leaves its LEDs dark; later polls go on. A failure of the port
    // binding's first poll leaves the console binding unstarted until the next rebuild.
    try {
        m_portBinding->Start(500);
        m_consoleBinding->Start(500);
    } catch (const QvSNMPException &) {
    }
    m_overlay->Restart();
}

void TMainForm::ProbeGigabitPorts()
{
    // Ports 49 and 50 one after the other; each answer shows its module picture when linked.
    m_gigaProbe = std::make_unique<QvSNMPRequest>();
    m_gigaProbe->LoadSessionParams();
    m_gigaProbe->vars.Assign(QvSNMPVarList(PortInformationTableVars, MVT_SV, 0));
    m_gigaSlot = 0;
    ProbeNextGigabitPort();
}

void TMainForm::ProbeNextGigabitPort()
{
    static const char *const suffixes[] = {"49", "50"};
    if (!m_gigaProbe || m_gigaSlot >= 2)
        return;
    m_gigaProbe->vars.instanceSuffix = QLatin1String(suffixes[m_gigaSlot]);
    // Under SNMPv3 the first requests may still be discovering the agent's engine; the engine
    // queues them until it is known.
    m_gigaProbe->ReadAsync(&TMainForm::GigabitPortRead, this, true);
}

void TMainForm::GigabitPortRead(void *data, QvSNMPError *outcome, QvSNMPVarList *vars)
{
    auto *self = static_cast<TMainForm *>(data);
    if (!self || !outcome || !vars)
        return;
    const int linkStatus = CatalogueColumn(PortInformationTableVars, PortLinkStatusColumn);
    QLabel *picture = self->m_gigaSlot == 0 ? self->IMG_GigaPort1 : self->IMG_GigaPort2;
    if (outcome->code == 0 && vars->Item(linkStatus).valueText == QLatin1String("link-pass"))
        picture->show();
    ++self->m_gigaSlot;
    // The next read leaves from the event loop, not from inside this completion.
    QMetaObject::invokeMethod(self, [self] {
        try {
            self->ProbeNextGigabitPort();
        } catch (const QvSNMPException &e) {
            self->StatusBar->showMessage(e.text());
        }
    }, Qt::QueuedConnection);
}

void TMainForm::ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y)
{
    if (button != Qt::LeftButton)
        return;
    const int port = FrontPanelArt::PortAt(x, y);
    if (port == 0)
        return;
    auto *form = new TConfigForm(nullptr);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    std::unique_ptr<TConfigForm> owner(form);
    form->setWindowTitle(QStringLiteral("Port %1").arg(port));
    form->InitAsPages();
    const struct { const char *title; const QvSNMPVarDesc *table; } pages[] = {
        {"Port Information", PortInformationTableVars},
        {"Port Control", PortControlVars},
        {"Port Security", PortSecurityControlVars},
    };
    for (const auto &page : pages) {
        auto *binding = new QvSNMPRequest2Edits(form);
        QvSNMPVarList &vars = binding->Vars();
        vars.Assign(QvSNMPVarList(page.table, MVT_SV, 0));
        vars.Item(0).access = ACC_READONLY;
        vars.instanceSuffix = QString::number(port);
        form->AddEditorPage(QLatin1String(page.title), binding);
    }
    QvRunModal(form);
}

bool TMainForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Image && event->type() == QEvent::MouseButtonPress) {
        const auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = me->position().toPoint();
        try {
            ImageMouseDown(me->button(), me->modifiers(), pos.x(), pos.y());
        } catch (const QvSNMPException &e) {
            StatusBar->showMessage(e.text());
        } catch (const std::exception &e) {
            StatusBar->showMessage(QString::fromLatin1(e.what()));
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::UpdateStatusPanel()
{
    StatusPanel->setText(VersionLabel(SessionParams().Security.Version));
    StatusPanel->setToolTip(QStringLiteral("SNMP version of the session"));
}

void TMainForm::SNMPConfigClick()
{
    // The window goes on while the tool runs; its end brings the configuration it left.
    const auto ended = [this](TToolRun run) {
        try {
            if (run == TToolRun::NotStarted) {
                StatusBar->showMessage(QStringLiteral("Cannot start %1").arg(ConfigToolName));
                return;
            }
            LoadDeviceConfig(m_texts.Address);
            SetupFrontPanel();
            UpdateStatusPanel();
            if (m_events)
                m_events->Restart();
        } catch (const QvSNMPException &e) {
            StatusBar->showMessage(e.text());
        } catch (const std::exception &e) {
            StatusBar->showMessage(QString::fromLatin1(e.what()));
        }
    };
    if (!RunConfigTool(m_env.WorkDir, m_texts.Address, ExeDir(), this, ended))
        StatusBar->showMessage(QStringLiteral("Cannot start %1").arg(ConfigToolName));
}

void TMainForm::RefreshClick()
{
    try {
        SetupFrontPanel();
    } catch (const QvSNMPException &e) {
        StatusBar->showMessage(e.text());
    }
}

void TMainForm::ExitClick()
{
    close();
}

void TMainForm::H1Click()
{
    ShowHelp(this);
}

void TMainForm::About1Click()
{
    ShowAbout(this, &QvRunModal);
}

void TMainForm::StartEvents()
{
    if (m_terminate)
        return;
    if (!m_events) {
        TEventCenter::Hooks hooks;
        // A link changed: the port LEDs poll at once rather than at their next tick.
        hooks.pollPorts = [this] {
            if (m_portBinding && !m_portBinding->Busy())
                m_portBinding->Refresh();
        };
        hooks.notice = [this](const QString &text, bool held) { ShowNotice(text, held); };
        m_events = new TEventCenter(this, StatusBar, hooks);
    }
    m_events->Restart();
}

void TMainForm::ShowNotice(const QString &text, bool held)
{
    NoticePanel->setText(text);
    NoticePanel->setToolTip(text);
    NoticePanel->setVisible(!text.isEmpty());
    m_noticeTimer->stop();
    if (!held)
        m_noticeTimer->start(NoticeMs);
}

void TMainForm::RebootClick()
{
    RunDeviceCommandWatched(DC_Reboot);
}

void TMainForm::SaveConfigClick()
{
    RunDeviceCommandWatched(DC_SaveConfig);
}

void TMainForm::RunDeviceCommandWatched(int command)
{
    try {
        const auto which = TDeviceCommand(command);
        TDeviceCommandRun *run = RunDeviceCommand(which, this, [this, which](const TDeviceCommandOutcome &outcome) {
            delete m_watch;
            const bool follow = which == DC_Reboot ? (outcome.code == 0 || outcome.code == TimedOutCode)
                                                   : outcome.code == 0;
            ShowNotice(DeviceCommandNotice(which, outcome), follow);
            if (!follow)
                return;
            m_watch = new TDeviceWatch(which == DC_Reboot ? TDeviceWatch::RebootReturn : TDeviceWatch::SaveStatus,
                                       [this](const QString &text, bool final) { ShowNotice(text, !final); }, this);
            connect(m_watch, &TDeviceWatch::Ended, m_watch, &QObject::deleteLater);
        });
        if (!run)
            return;
        const int token = m_wait->Begin(run->WaitLimitMs(), [run = QPointer<TDeviceCommandRun>(run)] { delete run; });
        connect(run, &QObject::destroyed, m_wait, [wait = m_wait, token] { wait->End(token); });
    } catch (const std::exception &e) {
        ShowNotice(QString::fromLatin1(e.what()));
    }
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    FormClose(event);
}

void TMainForm::FormClose(QCloseEvent *event)
{
    if (QvMessageBox(this, QStringLiteral("Are you sure to exit?"), QStringLiteral("Exit"),
                     QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    AbandonConfigToolWaits();
}

void TMainForm::FormDestroy()
{
    DestroyBindings();
}
