// The one window class behind every generated configuration window: a single editor panel, a
// single list panel, or tab pages each holding one. It owns the bindings it is given, refreshes
// the panel on screen once the window is shown and whenever the page changes, and on closing
// waits for outstanding requests before destroying the bindings.
#pragma once

#include "qvsnmprequest2controls.h"

#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPointer>

class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;

enum TFormType : quint8 {
    FT_NONE = 0,
    FT_EDITOR = 1,
    FT_LISTVIEW = 2,
    FT_PAGES = 3,
};

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    explicit TConfigForm(QWidget *owner = nullptr);
    ~TConfigForm() override;

    // The refresh message the window posts to itself once it is on screen.
    static constexpr int RefreshMessage = 34002;
    static QEvent::Type RefreshEventType() { return QEvent::Type(QEvent::User + RefreshMessage - 32768); }

    TSNMPEditorPanel *InitAsEditor(QvSNMPRequest2Edits *binding);
    TSNMPListViewPanel *InitAsListView(QvSNMPRequest2Edits *binding, int addStatusRow, const QString &addStatusText,
                                       int deleteStatusRow, const QString &deleteStatusText);
    void InitAsPages();
    TSNMPEditorPanel *AddEditorPage(const QString &title, QvSNMPRequest2Edits *binding);
    TSNMPListViewPanel *AddListViewPage(const QString &title, QvSNMPRequest2Edits *binding, int addStatusRow,
                                        const QString &addStatusText, int deleteStatusRow,
                                        const QString &deleteStatusText);

    void RefreshForm();
    // Stops and destroys every owned binding, waiting for outstanding requests.
    void FormClose();

    quint8 FormType() const { return m_formType; }
    QTabWidget *PageControl() const { return m_pages; }
    QvSNMPRequest2Edits *CurrentBinding() const { return m_current; }
    int BindingCount() const { return m_bindings.size(); }
    QvSNMPRequest2Edits *BindingAt(int k) const { return m_bindings.value(k); }

public slots:
    void done(int result) override;

protected:
    bool event(QEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    QWidget *addSheet(const QString &title, QvSNMPRequest2Edits *binding);
    void sizePage(QWidget *sheet, QWidget *panel);

    quint8 m_formType = FT_NONE;
    QList<QPointer<QvSNMPRequest2Edits>> m_bindings;
    QPointer<QvSNMPRequest2Edits> m_current;
    QTabWidget *m_pages = nullptr;
    bool m_refreshPosted = false;
    bool m_firstRefreshDone = false;
    bool m_closing = false;
    bool m_closed = false;
};
