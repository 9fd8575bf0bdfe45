// The live counter windows of IP, ICMP, UDP and SNMP: one window built from a short description
// (table, list names, row names, first-sample rule). Polls are asynchronous and never overlap (a
// tick that finds the last poll out lets it be), so a silent agent leaves the window live: the
// status bar says it waits, Escape drops the poll, the clock ticks, "Exit" works and polling
// resumes by itself once the agent answers.
#pragma once

#include "tcounterpollform.h"

#include <QStringList>

struct QvSNMPVarDesc;

struct TCounterFormDesc {
    const char *objectName;    // "IP_Counters"
    const char *caption;       // "IP Counters"
    const QvSNMPVarDesc *table;
    const char *hiddenList;    // the one-row target of the binding
    const char *displayList;
    QStringList names;         // row names, counter i is value i of the hidden row
    bool updateAtCreation;     // ICMP, UDP, SNMP: values shown at once, deltas from the second tick
};

// The window of the IP, ICMP, UDP and SNMP counters.
class TCounterForm : public TCounterPollForm {
    Q_OBJECT
public:
    TCounterForm(QWidget *owner, const TCounterFormDesc &desc);

    void BT_ResetClick() override;
    void Button1Click();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }

private:
    void PollDone() override;
    void ShowAnswer();

    TCounterFormDesc m_desc;
    bool m_creationPoll = true;
};

class TIP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TIP_Counters(QWidget *owner);
};
class TICMP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TICMP_Counters(QWidget *owner);
};
class TUDP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TUDP_Counters(QWidget *owner);
};
class TSNMP_Counters : public TCounterForm {
    Q_OBJECT
public:
    explicit TSNMP_Counters(QWidget *owner);
};

