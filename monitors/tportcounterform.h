// Counters of one interface or bridge port at a time: a list of the agent's ports on top, the
// counter monitor over the chosen one below, and a chart of its recent deltas on a second page.
// `TIF_Counters` and `TTpBridgePortInfo_Table` are this window with their own tables and names.
// Everything is asynchronous: the window opens at once and reads the port list; when the switch
// answers that it has no port the window says so and closes, when it does not answer the window
// says that and Refresh tries again. The counters are polled one poll at a time, never while the
// port list is being read.
#pragma once

#include "tcounterchart.h"
#include "tcounterpollform.h"

#include <QSize>

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class QTreeWidget;
struct QvSNMPVarDesc;
struct QvSNMPError;
class QvSNMPVarList;

struct TPortCounterFormDesc {
    const char *objectName;
    const char *caption;
    QSize size;
    // The port list: table, item type, retry count (-1: the session's), list view name.
    const QvSNMPVarDesc *portTable;
    quint8 portItemType;
    int portRetries;
    const char *portList;
    const char *portLabel;   // caption before ST_Index
    const char *descrLabel;  // caption before ST_Descr
    // The counters: table, item type, hidden one-row list, display list, row names (the
    // counters are the values from position 2 on).
    const QvSNMPVarDesc *counterTable;
    quint8 counterItemType;
    const char *hiddenList;
    const char *displayList;
    QStringList names;
    const char *dataPage;
    const char *chartPage;
    const char *chartName;
    QList<TSeriesDesc> series;
    bool historyPrefilled;   // a rebuilt history holds H zero samples
    bool chartControls;      // "Count" and "3D Line" shown (hidden in the IF window)
    const char *refreshButton;
    const char *portSetButton;
    const char *exitButton;
    // Reads ifXTable's 64-bit counters and the interface speed where the switch serves them.
    bool highCapacity = false;
};

class TPortCounterForm : public TCounterPollForm {
    Q_OBJECT
public:
    TPortCounterForm(QWidget *owner, const TPortCounterFormDesc &desc);
    ~TPortCounterForm() override;

    // Reading: the port list is out; Listed: it holds ports and the chosen one is polled;
    // NoAnswer: the first read failed or was cancelled without a port (Refresh tries again);
    // Empty: the switch answered that it has no port, or no such list (the window closes).
    enum class PortList { Reading, Listed, NoAnswer, Empty };
    PortList ListState() const { return m_listState; }

    void CB_HistoryCountChange();
    void CK_U3DClick();
    void BT_ResetClick() override;
    void RefreshPortsClick();
    void PortSetClick();
    void PortListClick();
    void ExitClick();

    QvSNMPRequest2Edits *PortBinding() const { return m_portBinding; }
    QvSNMPRequest2Edits *CounterBinding() const { return m_binding; }
    // The port whose counters are polled.
    QString Instance() const;
    TCounterChart *Chart() const { return m_chart; }
    QTabWidget *Pages() const { return m_pages; }
    // Whether the 64-bit counters of ifXTable are read.
    bool HighCapacity() const { return m_hc; }

private:
    // Walks the port list; PortsRead follows. A failure after some rows leaves them listed and
    // says so in panel 1.
    void ReadPorts();
    void PortsRead(const QvSNMPError &outcome);
    void PortsListed();
    void ResetMonitor();
    // The counter list of the port (64-bit where chosen, with the speeds after the counters) and
    // a monitor that matches it.
    QvSNMPVarList CounterVars() const;
    void MakeMonitor();
    void FallBackTo32Bits();
    void ApplyInstance();
    bool ReadyToPoll() const override;
    void BeforePoll() override { ApplyInstance(); }
    void PollDone() override;
    bool PollRefused(const QvSNMPError &outcome) override;
    void Stop() override;

    TPortCounterFormDesc m_desc;
    QvSNMPRequest2Edits *m_portBinding = nullptr;
    QTreeWidget *m_ports = nullptr;
    QLabel *m_stIndex = nullptr;
    QLabel *m_stDescr = nullptr;
    QComboBox *m_historyCount = nullptr;
    QCheckBox *m_u3d = nullptr;
    QTabWidget *m_pages = nullptr;
    TCounterChart *m_chart = nullptr;
    QLabel *m_listStatus = nullptr;
    QString m_pendingInstance;
    PortList m_listState = PortList::Reading;
    bool m_everListed = false;
    bool m_hc = false;
};

// "IF Counters": the interfaces of ifTable and their eleven counters.
class TIF_Counters : public TPortCounterForm {
    Q_OBJECT
public:
    explicit TIF_Counters(QWidget *owner);
    void LV_IFTableIndexClick() { PortListClick(); }
    void BT_SetClick() { PortSetClick(); }
    void Button1Click() { RefreshPortsClick(); }
    void Button2Click() { ExitClick(); }
};

// "Transparent Bridge Port Counter": the bridge ports and their frame counters.
class TTpBridgePortInfo_Table : public TPortCounterForm {
    Q_OBJECT
public:
    explicit TTpBridgePortInfo_Table(QWidget *owner);
    void LV_TpBridge_Port_IndexClick() { PortListClick(); }
    void BT_PortSetClick() { PortSetClick(); }
    void BT_RefreshClick() { RefreshPortsClick(); }
    void Button1Click() { ExitClick(); }
};
