// One change handler and one exit handler per line edit, in the way the framework's components
// take over an edit's events: whoever installs a handler first reads the current one, keeps it
// and calls it from its own (chaining), and puts it back when it lets go. Qt's signals are
// many-to-many and cannot be handed back, so the edit's textChanged signal and its focus-out
// event are routed through this object, which calls exactly one handler of each kind.
//
// The change handler runs on every change of the text, typed or set by code. The exit handler
// runs when the focus moves from the edit to another control of its window; switching to
// another window or opening a menu or popup is not leaving the edit.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

using QvEditHandler = std::function<void(QLineEdit *edit)>;

class QvEditHooks : public QObject {
    Q_OBJECT
public:
    // The edit's hooks, created on first use (a child of the edit, gone with it).
    static QvEditHooks *of(QLineEdit *edit);
    // The edit's hooks if it has any, else null.
    static QvEditHooks *find(const QLineEdit *edit);

    QvEditHandler onChange() const { return m_change; }
    void setOnChange(QvEditHandler handler) { m_change = std::move(handler); }
    QvEditHandler onExit() const { return m_exit; }
    void setOnExit(QvEditHandler handler) { m_exit = std::move(handler); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit QvEditHooks(QLineEdit *edit);
    void run(const QvEditHandler &handler);

    QLineEdit *m_edit;
    QvEditHandler m_change;
    QvEditHandler m_exit;
};
