// The rows of one variable list (a check box, the object's name and an edit or combo box per
// item) in a scroll box, with the row operations window builders use, and the check-box grid
// dialog that edits a port list.
#pragma once

#include "qvsnmprequest2controls.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QvSNMPVarList;
class TCtrlBtnPanel;

enum TEditItemKind {
    EIK_NONE = 0,
    EIK_READONLY_EDIT = 1,
    EIK_EDIT = 2,
    EIK_COMBO = 3,
    EIK_READONLY_OPTION = 4,
};

struct TEditItem {
    int kind = EIK_NONE;
    QString format = QStringLiteral("%s");
    QWidget *control = nullptr;  // QLineEdit or QComboBox
    QCheckBox *check = nullptr;
    QLabel *label = nullptr;
    bool enabled = false;        // last DisableItem / EnableItem
    int boxesPerLine = 0;        // port-list settings, 0 = none
    int boxCount = 0;
};

class TEditsPanel : public QWidget {
    Q_OBJECT
public:
    explicit TEditsPanel(QWidget *owner, QvSNMPRequest2Edits *binding = nullptr);
    ~TEditsPanel() override;

    void BuildItems(QvSNMPRequest2Edits *binding);
    // mode 1: all rows side by side; mode 2: one row per line.
    void ArrangeItems(int mode, bool resize);
    void SetEditWidth(int width, int mode);

    void HideItem(int row);
    void ShowItem(int row);
    void DisableItem(int row);
    void EnableItem(int row);
    void CheckItem(int row);
    void UncheckItem(int row);
    void DisableItemCheck(int row);
    void EnableItemCheck(int row);
    void ClearItem(int row);
    void ClearItems();
    void SetItemText(int row, const QString &text);
    QString GetItemText(int row) const;
    bool IsItemEmpty(int row) const;

    void SetReadOnlyColours(const QColor &font, const QColor &background);
    void SetDefaultTick(bool tick);

    int EnabledCheckCount() const;
    int CheckedCount() const;
    bool AllReadOnly() const;

    void AssignPortListEditor(int row, int boxesPerLine, int boxCount);
    virtual void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);

    int ItemCount() const { return m_items.size(); }
    const TEditItem &Item(int row) const { return m_items.at(row); }
    TEditItem &Item(int row) { return m_items[row]; }
    QvSNMPRequest2Edits *EditCtrl() const { return m_binding; }
    bool IsKeyColumn(int row) const;
    bool IsReadOnlyKind(int row) const;
    bool IsRowHidden(int row) const;
    bool IsPortListRow(int row) const { return m_items.at(row).boxCount > 0; }
    // Opens the port-list dialog of a row assigned with AssignPortListEditor.
    void EditPortList(int row);
    // Ticks a row whose value the user changed, where its box can be ticked.
    void TickChangedItem(int row);
    // The value box's tooltip: the readable form of its text (port numbers, MAC, name, speed).
    void UpdateReadableTip(int row);

    int editWidth = 121;
    QColor readOnlyFont;
    QColor readOnlyBackground;
    bool defaultTick = false;
    bool editLock = false;
    QScrollArea *ScrollBox;

signals:
    // A row's check box was clicked by the user, or a change of its value ticked it.
    void ItemCheckClicked(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool validRow(int row) const;
    void clearRows();
    void applyColours(QWidget *control, const QColor &font, const QColor &background);
    QvSNMPVarList *vars() const;

    QPointer<QvSNMPRequest2Edits> m_binding;
    QWidget *m_box;  // the scroll box's content
    QList<TEditItem> m_items;
    bool m_inPortDialog = false;
};

// The check-box grid of one port list: numbered boxes in lines, OK, Cancel, Check All and
// Clear Checks. The owner binds and fills the boxes.
class TPortListDialog : public QDialog {
    Q_OBJECT
public:
    TPortListDialog(QWidget *owner, const QString &caption, int boxesPerLine, int boxCount, bool readOnly);

    // Top-left corner of box n's number label and of the box itself.
    static QPoint LabelPos(int n, int boxesPerLine, int labelHeight, int boxHeight);
    static QPoint BoxPos(int n, int boxesPerLine, int labelHeight, int boxHeight);
    // "0,1,...,count-1": the bit list that binds box n to bit n.
    static QString BitList(int boxCount);

    QList<QCheckBox *> Boxes;
    QList<QLabel *> Labels;
    QPushButton *BT_OK;
    QPushButton *BT_Cancel = nullptr;
    QPushButton *BT_CheckAll = nullptr;
    QPushButton *BT_ClearChecks = nullptr;
};
