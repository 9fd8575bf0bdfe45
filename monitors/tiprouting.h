// The IP routing table viewer. The editing panel and "Set" are built and bound but stay hidden:
// the window only lists the routes. Reads and writes are asynchronous; the status bar says while
// the window waits and Escape drops the request.
#pragma once

#include <QDialog>

class QLabel;
class QTreeWidget;
class QvSNMPRequest2Edits;
class QvWaitIndicator;

class TIP_Routing : public QDialog {
    Q_OBJECT
public:
    explicit TIP_Routing(QWidget *owner);
    ~TIP_Routing() override;

    void BT_GetClick();
    void BT_SetClick();
    void Button1Click();

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QTreeWidget *List() const { return m_list; }
    QvWaitIndicator *Wait() const { return m_wait; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Report(const QString &text);

    QvSNMPRequest2Edits *m_binding = nullptr;
    QTreeWidget *m_list = nullptr;
    QWidget *m_set = nullptr;
    QvWaitIndicator *m_wait = nullptr;
};
