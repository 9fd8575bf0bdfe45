// The about box: the program's name, version and notice beside a small drawn switch icon.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog {
    Q_OBJECT
public:
    // Centred on owner when there is one. The opener destroys the window after it closes.
    explicit TAboutForm(QWidget *owner);

    static constexpr int ClientWidth = 354;
    static constexpr int ClientHeight = 105;
    // The 32 x 32 icon: a switch front with a row of port lights.
    static QPixmap DrawIcon();

    QLabel *Icon;
    QLabel *LB_Title;
    QLabel *LB_Version;
    QLabel *LB_Notice;
    QPushButton *BT_Ok;

    void BT_OkClick();
};
