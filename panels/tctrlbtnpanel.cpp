#include "tctrlbtnpanel.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>

namespace {
struct ButtonDef {
    const char *caption;
    const char *picture;
    QStyle::StandardPixmap fallback;
};

// Order of the buttons in the layout list, their picture files in the working folder and the
// standard icon shown beside the caption when there is no picture.
const ButtonDef buttonDefs[] = {
    {"Refresh", "Get.bmp", QStyle::SP_BrowserReload},
    {"Edit", "Set.bmp", QStyle::SP_FileDialogDetailedView},
    {"Set Checked", "SetCheck.bmp", QStyle::SP_DialogApplyButton},
    {"Add", "Add.bmp", QStyle::SP_FileDialogNewFolder},
    {"Delete", "Delete.bmp", QStyle::SP_TrashIcon},
    {"Check All", "SelectAll.bmp", QStyle::SP_DialogYesButton},
    {"Clear Checks", "SelectNone.bmp", QStyle::SP_DialogNoButton},
    {"Close", "Close.bmp", QStyle::SP_DialogCloseButton},
};
}

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *parent) : QWidget(parent)
{
    ST_Count = new QLabel(QStringLiteral("0"), this);
    ST_Count->setObjectName(QStringLiteral("ST_Count"));
    ST_Count->setAlignment(Qt::AlignCenter);
    ST_Count->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LB_Samples = new QLabel(QStringLiteral("Samples"), this);
    LB_Samples->setObjectName(QStringLiteral("LB_Samples"));
    LB_Samples->setAlignment(Qt::AlignCenter);
    m_layout << ST_Count << LB_Samples;

    QPushButton **buttons[] = {&BT_Refresh, &BT_Edit, &BT_SetChecked, &BT_Add,
                               &BT_Delete, &BT_CheckAll, &BT_ClearChecks, &BT_Close};
    const QDir here = QDir::current();
    for (int k = 0; k < 8; ++k) {
        const ButtonDef &def = buttonDefs[k];
        auto *b = new QPushButton(QString::fromLatin1(def.caption), this);
        b->setObjectName(QStringLiteral("BT_") + QString::fromLatin1(def.caption).remove(QLatin1Char(' ')));
        b->setAutoDefault(false);
        const QString file = here.filePath(QString::fromLatin1(def.picture));
        QPixmap picture;
        if (QFileInfo::exists(file) && picture.load(file)) {
            b->setText(QString());
            b->setIcon(QIcon(picture));
            b->setIconSize(picture.size().boundedTo(QSize(ButtonWidth - 8, 64)));
            b->setToolTip(QString::fromLatin1(def.caption));
        } else {
            b->setIcon(style()->standardIcon(def.fallback, nullptr, b));
        }
        *buttons[k] = b;
        m_layout << b;
    }
    BT_Add->hide();
    BT_Delete->hide();
    // Where a dialog's bar says that it waits for the switch; shown by the dialogs only.
    ST_Wait = new QLabel(this);
    ST_Wait->setObjectName(QStringLiteral("ST_Wait"));
    ST_Wait->setWordWrap(true);
    ST_Wait->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ST_Wait->hide();
    m_layout << ST_Wait;

    ArrangeButtons();
    setFixedWidth(2 * Margin + ButtonWidth);
}

void TCtrlBtnPanel::ArrangeButtons()
{
    int top = Margin;
    for (QWidget *w : std::as_const(m_layout)) {
        int h = w->sizeHint().height();
        if (w == ST_Count)
            h = qMax(h, fontMetrics().height() + 8);
        if (w == ST_Wait)
            h = 4 * fontMetrics().lineSpacing();
        w->setGeometry(Margin, top, ButtonWidth, h);
        if (!w->isHidden())
            top += h + Spacing;
    }
    setMinimumHeight(ContentHeight());
}

int TCtrlBtnPanel::ContentHeight() const
{
    int bottom = 0;
    for (QWidget *w : m_layout)
        if (!w->isHidden())
            bottom = qMax(bottom, w->geometry().bottom() + 1);
    return bottom + Margin;
}
