#include "tlistviewpanel.h"

#include "qvsnmprequest2controls.h"
#include "tctrlbtnpanel.h"
#include "tlistviewfilter.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

TListViewPanel::TListViewPanel(QWidget *owner, QvSNMPRequest2Edits *binding) : QWidget(owner)
{
    ListView = new QTreeWidget(this);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setMouseTracking(true);
    if (binding)
        binding->BindListView(ListView, false);
    TListViewFilter::Attach(ListView, true);
    ApplySizeRule();
}

int TListViewPanel::WidthFor(const QStringList &captions, int borderWidth)
{
    int width = 2 * borderWidth;
    for (const QString &c : captions)
        width += 8 * c.size();
    return qMin(width, MaxWidth);
}

void TListViewPanel::ApplySizeRule()
{
    QStringList captions;
    if (QTreeWidgetItem *header = ListView->headerItem())
        for (int c = 0; c < ListView->columnCount(); ++c)
            captions << header->text(c);
    resize(WidthFor(captions, ListView->frameWidth()), PanelHeight);
}

void TListViewPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The filter box above the list, the list below it.
    QRect listArea = rect();
    if (TListViewFilter *filter = TListViewFilter::Of(ListView)) {
        QWidget *bar = filter->Bar();
        const int h = bar->sizeHint().height();
        bar->setGeometry(0, 0, width(), h);
        bar->show();
        listArea.setTop(h + 2);
    }
    ListView->setGeometry(listArea);
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel *b)
{
    for (QWidget *w : {static_cast<QWidget *>(b->ST_Count), static_cast<QWidget *>(b->LB_Samples),
                       static_cast<QWidget *>(b->BT_Refresh), static_cast<QWidget *>(b->BT_Close),
                       static_cast<QWidget *>(b->BT_Edit)})
        w->show();
    b->BT_Edit->setEnabled(false);
    b->BT_Delete->setEnabled(false);
    b->BT_SetChecked->hide();
    b->BT_CheckAll->hide();
    b->BT_ClearChecks->hide();
    b->BT_Add->setVisible(addStatusRow >= 0);
    b->BT_Delete->setVisible(deleteStatusRow >= 0);
    b->ArrangeButtons();
}
