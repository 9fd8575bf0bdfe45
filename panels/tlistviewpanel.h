// One report-style list view showing the rows of a table, sized after its column captions.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QTreeWidget;
class QvSNMPRequest2Edits;
class TCtrlBtnPanel;

class TListViewPanel : public QWidget {
    Q_OBJECT
public:
    TListViewPanel(QWidget *owner, QvSNMPRequest2Edits *binding);

    virtual void ArrangeCtrlBtn(TCtrlBtnPanel *buttons);
    // 8 pixels per caption character plus both borders, at most 450.
    static int WidthFor(const QStringList &captions, int borderWidth);
    // Applies the size rule to the list view's current columns.
    void ApplySizeRule();

    static constexpr int MaxWidth = 450;
    static constexpr int PanelHeight = 350;

    QTreeWidget *ListView;
    int addStatusRow = -1;
    int deleteStatusRow = -1;
    QString addStatusText;
    QString deleteStatusText;

protected:
    void resizeEvent(QResizeEvent *event) override;
};
