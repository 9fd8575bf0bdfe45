// Generic SNMP panels: a work area beside the button bar with the message strip below it.
// TSNMPEditorPanel edits a scalar group in rows and sends the ticked rows with one SET;
// TSNMPListViewPanel shows a table and edits single rows in modal Add and Edit dialogs.
#pragma once

#include "qvsnmprequest2controls.h"

#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>

class QDialog;
class QPushButton;
class QSplitter;
class QTimer;
class QTreeWidgetItem;
class TCtrlBtnPanel;
class TEditsPanel;
class TListViewPanel;
class TMsgPanel;
class QvWaitIndicator;

class TSNMPPanel : public QWidget {
    Q_OBJECT
public:
    TSNMPPanel(QWidget *parent, TMsgPanel *sharedStrip, QvSNMPRequest2Edits *binding);

    void SetWorkArea(QWidget *control);
    void FitForm(QWidget *form);

    QvSNMPRequest2Edits *Binding() const { return m_binding; }
    QWidget *WorkArea() const { return m_workArea; }
    QWidget *Form() const { return m_form; }
    // The strip this panel reports into: its own or the shared one.
    TMsgPanel *Strip() const { return m_strip; }
    bool OwnsStrip() const { return m_ownStrip; }
    // Says that the panel waits for the switch and lets the user end the wait.
    QvWaitIndicator *Wait() const { return m_wait; }

    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;

    TCtrlBtnPanel *CtrlBtn;
    QSplitter *Splitter;       // between client area and button bar
    QWidget *ClientArea;
    QSplitter *LowerSplitter;  // between work area and message strip
    QWidget *WorkHost;         // holds the work area

protected slots:
    virtual void RefreshClick();
    void CloseClick();

protected:
    QPointer<QvSNMPRequest2Edits> m_binding;
    TMsgPanel *m_strip = nullptr;
    bool m_ownStrip = false;
    QPointer<QWidget> m_workArea;
    QPointer<QWidget> m_form;
    QvWaitIndicator *m_wait = nullptr;
};

class TSNMPEditorPanel : public TSNMPPanel {
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget *parent, QvSNMPRequest2Edits *binding);

    void SetEditWidth(int width);
    // Re-binds an edit row with a constraint string such as "%i{n1x4094}".
    void SetItemConstraint(int row, const QString &constraint);

    // The Set action: sends the ticked rows. sender's tag 1 closes dialog afterwards.
    void Set(QPushButton *sender, QDialog *dialog = nullptr);
    void CheckAll(QPushButton *setButton);
    void ClearChecks(QPushButton *setButton);

    TEditsPanel *EditsPanel;

protected:
    void UpdateSetButton(QPushButton *setButton);
};

using TPanelHook = std::function<void(void *data, QObject *sender)>;

class TSNMPListViewPanel : public TSNMPEditorPanel {
    Q_OBJECT
public:
    TSNMPListViewPanel(QWidget *parent, QvSNMPRequest2Edits *binding);
    ~TSNMPListViewPanel() override;

    void SetAddStatus(int row, const QString &text);
    void SetDeleteStatus(int row, const QString &text);

    void AddClick();
    void EditClick();
    void DeleteClick();

    // The hint over a row: a two-column table of caption and value, one line per column; a
    // value's readable form (readable[c], when not empty) below it.
    static QString HintText(const QStringList &captions, const QStringList &values,
                            const QStringList &readable = {});
    // The readable form of the text of list-view column c ("" when none).
    QString ColumnReadable(int column, const QString &text) const;
    // The QvReadableKind of list-view column c.
    int ColumnKind(int column) const;
    // Words for the filter's "column: text" beside the captions: "mac" for the one MAC address
    // column, "vlan" for the one VLAN (or filtering database) column.
    QHash<QString, int> ColumnAliases() const;

    TListViewPanel *ListPanel;
    TPanelHook OnBeforeAdd;
    TPanelHook OnAfterAdd;
    TPanelHook OnBeforeEdit;
    TPanelHook OnAfterEdit;
    void *OnBeforeAddData = nullptr;
    void *OnAfterAddData = nullptr;
    void *OnBeforeEditData = nullptr;
    void *OnAfterEditData = nullptr;

    // Widens the columns whose cells are cut to their content, up to MaxColumnWidth; never
    // narrows a column. Runs by itself shortly after rows have been added.
    void WidenColumns();
    static constexpr int MaxColumnWidth = 320;

    // Refresh while a walk is under way: false ignores the click; true drops the running walk
    // (its late answers included) and starts a new one.
    bool RestartWalkOnRefresh = false;

    // The dialog currently open (Add or Edit), or none; tests reach its panel through it.
    QDialog *ActiveDialog() const { return m_dialog; }
    TSNMPPanel *DialogPanel() const { return m_dialogPanel; }

protected slots:
    void RefreshClick() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ListClicked();
    void UpdateCount();
    QString ParentCaption() const;
    QString ItemHint(QTreeWidgetItem *item) const;
    // Builds the dialog around the borrowed edits panel; returns its panel.
    TSNMPPanel *OpenDialog(QDialog *dialog);
    void CloseDialog(QDialog *dialog);
    void SetStatus(int row, const QString &text, bool add);

    QPointer<QDialog> m_dialog;
    TSNMPPanel *m_dialogPanel = nullptr;
    QTimer *m_widenTimer = nullptr;
};
