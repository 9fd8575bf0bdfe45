// The vertical bar of command buttons on the right edge of a generated panel. It lays its
// controls out itself; which buttons show and what they do is decided by the panel using it.
#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPushButton;

class TCtrlBtnPanel : public QWidget {
    Q_OBJECT
public:
    explicit TCtrlBtnPanel(QWidget *parent = nullptr);

    // Lays the layout list out again, after visibility changes.
    void ArrangeButtons();

    static constexpr int Margin = 10;
    static constexpr int ButtonWidth = 96;
    static constexpr int Spacing = 5;

    QLabel *ST_Count;
    QLabel *LB_Samples;
    QPushButton *BT_Refresh;
    QPushButton *BT_Edit;
    QPushButton *BT_SetChecked;
    QPushButton *BT_Add;
    QPushButton *BT_Delete;
    QPushButton *BT_CheckAll;
    QPushButton *BT_ClearChecks;
    QPushButton *BT_Close;
    QLabel *ST_Wait;

    const QList<QWidget *> &LayoutList() const { return m_layout; }
    // Bottom edge of the last visible control plus the margin.
    int ContentHeight() const;

private:
    QList<QWidget *> m_layout;
};
