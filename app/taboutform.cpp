#include "taboutform.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

TAboutForm::TAboutForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About KMV-7040QX Management Module"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);

    Icon = new QLabel(this);
    Icon->setObjectName(QStringLiteral("Icon"));
    Icon->setPixmap(DrawIcon());
    Icon->setGeometry(9, 32, 32, 32);

    LB_Title = new QLabel(QStringLiteral("KMV-7040QX device manager"), this);
    LB_Title->setObjectName(QStringLiteral("LB_Title"));
    QFont bold = LB_Title->font();
    bold.setBold(true);
    LB_Title->setFont(bold);
    LB_Title->adjustSize();
    LB_Title->move(57, 16);

    LB_Version = new QLabel(QStringLiteral("Version 3.02R02(Build 2005/3/31)"), this);
    LB_Version->setObjectName(QStringLiteral("LB_Version"));
    LB_Version->adjustSize();
    LB_Version->move(58, 40);

    LB_Notice = new QLabel(QStringLiteral("Manages one KMV-7040QX switch over SNMP."), this);
    LB_Notice->setObjectName(QStringLiteral("LB_Notice"));
    // Clear of the button on its right; long notices wrap.
    LB_Notice->setWordWrap(true);
    LB_Notice->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LB_Notice->setGeometry(58, 64, 225, ClientHeight - 64 - 4);

    BT_Ok = new QPushButton(QStringLiteral("Ok"), this);
    BT_Ok->setObjectName(QStringLiteral("BT_Ok"));
    BT_Ok->setGeometry(289, 48, 51, 25);
    BT_Ok->setDefault(true);
    connect(BT_Ok, &QPushButton::clicked, this, [this] { BT_OkClick(); });

    if (owner) {
        const QRect frame = owner->window()->frameGeometry();
        move(frame.center() - QPoint(ClientWidth / 2, ClientHeight / 2));
    }
}

void TAboutForm::BT_OkClick()
{
    accept();
}

QPixmap TAboutForm::DrawIcon()
{
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Chassis.
    p.setPen(QColor(40, 40, 48));
    p.setBrush(QColor(88, 96, 112));
    p.drawRect(1, 9, 29, 14);
    // Two rows of ports.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 24));
    for (int i = 0; i < 6; ++i) {
        p.drawRect(4 + i * 4, 12, 3, 3);
        p.drawRect(4 + i * 4, 17, 3, 3);
    }
    // Link lights along the top edge.
    for (int i = 0; i < 6; ++i) {
        p.setBrush(i % 3 == 2 ? QColor(0, 0, 0) : QColor(0, 220, 0));
        p.drawRect(4 + i * 4, 10, 2, 1);
    }
    // Power light.
    p.setBrush(QColor(0, 255, 0));
    p.drawEllipse(QPoint(28, 12), 1, 1);
    return pm;
}
