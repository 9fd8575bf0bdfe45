// The device manager's main window: start-up from the suite's command line and the device
// configuration file, the switch's front panel with live port, power and console LEDs, the
// "Port n" windows behind the copper ports, and the main menu.
#pragma once

#include "qvsnmprequest.h"
#include "startupconfig.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QDialog;
class QLabel;
class QMenu;
class QStatusBar;
class QvLed;
class QvSNMPRequest2Leds;
class QTimer;
class TDeviceWatch;
class TPortOverlay;
class TEventCenter;
class QvWaitIndicator;

// What start-up reads from the process: its arguments (without the program name), the
// executable's full path and the working folder. Tests pass their own.
struct TStartupEnv {
    QStringList Arguments;
    QString ExePath;
    QString WorkDir;

    static TStartupEnv FromProcess(int argc, char **argv);
};

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window as designed, then runs the start-up sequence (FormCreate).
    explicit TMainForm(const TStartupEnv &env, QWidget *parent = nullptr);
    ~TMainForm() override;

    static constexpr int ClientWidth = 874;
    static constexpr int PanelHeight = 101;
    static const QString DesignedCaption;

    // Start-up steps; FormCreate runs them in order and shows a failure in a message box.
    void FormCreate();
    void ParseCommandLine();
    void LoadDeviceConfig(const QString &address);
    void SetupFrontPanel();
    void ProbeGigabitPorts();
    void ImageMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);

    // True when start-up found no arguments: the program is to end without running its loop.
    bool TerminateRequested() const { return m_terminate; }
    bool IsInEmsFolder() const { return m_inEmsFolder; }
    const TSessionTexts &Texts() const { return m_texts; }
    QString ExeDir() const;

    // Components, named as the design names them.
    QWidget *Panel1 = nullptr;
    QLabel *Image = nullptr;
    QvLed *LinkShape_Port[50] = {};
    QvLed *PowerLed = nullptr;
    QvLed *ConsoleLed = nullptr;
    QLabel *IMG_GigaPort1 = nullptr;
    QLabel *IMG_GigaPort2 = nullptr;
    QStatusBar *StatusBar = nullptr;
    QLabel *StatusPanel = nullptr;  // the bar's one 50-pixel panel
    // Outcomes of the user's commands; the polls' report lines do not overwrite it.
    QLabel *NoticePanel = nullptr;

    QMenu *Device = nullptr;
    QAction *SNMPConfig = nullptr;
    QAction *Refresh = nullptr;
    QAction *Exit = nullptr;
    QMenu *SNMPV3 = nullptr;
    QAction *SNMPConfigure1 = nullptr;
    QMenu *Help1 = nullptr;
    QAction *H1 = nullptr;
    QAction *About1 = nullptr;

    QvSNMPRequest2Leds *PortBinding() const { return m_portBinding; }
    QvSNMPRequest2Leds *ConsoleBinding() const { return m_consoleBinding; }
    // Traffic, errors and VLANs over the ports, with its legend below the panel.
    TPortOverlay *Overlay() const { return m_overlay; }
    // Notifications: receiver, event log, status bar count (null before start-up).
    TEventCenter *Events() const { return m_events; }

    // Menu handlers.
    void SNMPConfigClick();
    void RefreshClick();
    void ExitClick();
    void H1Click();
    void About1Click();
    void RebootClick();
    void SaveConfigClick();

    // Shows a notice for at least NoticeMs (held: until the next notice).
    void ShowNotice(const QString &text, bool held = false);
    static constexpr int NoticeMs = 15000;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildPanel();
    // The main menu; the window catalogue adds its entries here.
    void BuildMainMenu();
    void FormClose(QCloseEvent *event);
    void FormDestroy();
    void ShowFailure(const QString &text);
    void DestroyBindings();
    void UpdateStatusPanel();
    // Reboot or Save Configure, its outcome in the notice panel, then the switch followed.
    void RunDeviceCommandWatched(int command);

    TStartupEnv m_env;
    TSessionTexts m_texts;
    bool m_inEmsFolder = false;
    bool m_terminate = false;
    QvSNMPRequest2Leds *m_portBinding = nullptr;
    QvSNMPRequest2Leds *m_consoleBinding = nullptr;
    QTimer *m_noticeTimer = nullptr;
    QPointer<TDeviceWatch> m_watch;
    // The gigabit module probe at start-up: one read per port, one after the other.
    void ProbeNextGigabitPort();
    static void GigabitPortRead(void *data, QvSNMPError *outcome, QvSNMPVarList *vars);
    std::unique_ptr<QvSNMPRequest> m_gigaProbe;
    int m_gigaSlot = 0;
    QvWaitIndicator *m_wait = nullptr;
    TPortOverlay *m_overlay = nullptr;
    TEventCenter *m_events = nullptr;
    void StartEvents();
};
