#include "tmonitorparts.h"

#include "qvsnmpexception.h"
#include "tmessagebox.h"
#include "tlistviewfilter.h"

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QStyle>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>

#include <algorithm>

const QStringList PollIntervalItems = {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("10")};
const QStringList HistoryCountItems = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30"),
                                       QStringLiteral("60"), QStringLiteral("120")};
const QString NotSupportedText = QStringLiteral("This device don't support it!");

void RunGuarded(const std::function<void(const QString &)> &report, const std::function<void()> &body)
{
    try {
        body();
    } catch (const QvSNMPException &e) {
        report(e.text());
    } catch (const std::exception &e) {
        report(QString::fromLatin1(e.what()));
    }
}

QPushButton *MonitorButton(QWidget *parent, const char *name, const char *text)
{
    auto *b = new QPushButton(QString::fromLatin1(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QLabel *MonitorStaticText(QWidget *parent, const char *name, const QString &text)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setFrameShape(QFrame::StyledPanel);
    l->setFrameShadow(QFrame::Sunken);
    l->setMinimumWidth(70);
    return l;
}

QComboBox *MonitorCombo(QWidget *parent, const char *name, const QStringList &items)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->addItems(items);
    c->setCurrentIndex(0);
    return c;
}

QLabel *AddMonitorStatusBar(QWidget *parent, QLayout *layout)
{
    auto *bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto *panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusBar1Panel0"));
    // A long report must not push the panels beside it out of the window.
    panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(panel, 1);
    layout->addWidget(bar);
    return panel;
}

QLabel *AddListOutcomePanel(QStatusBar *bar)
{
    auto *panel = new QLabel(bar);
    panel->setObjectName(bar->objectName() + QStringLiteral("Panel1"));
    panel->setStyleSheet(QStringLiteral("color: #b00000"));
    panel->hide();
    bar->addPermanentWidget(panel);
    return panel;
}

void ShowWalkOutcome(const QTreeWidget *list, QLabel *outcome, const QString &failure)
{
    const int rows = list->topLevelItemCount();
    const bool cut = !failure.isEmpty() && rows > 0;
    outcome->setText(cut ? QStringLiteral("List cut short after %1 %2: %3 Refresh reads it again.")
                               .arg(rows)
                               .arg(rows == 1 ? QStringLiteral("row") : QStringLiteral("rows"), failure)
                         : QString());
    outcome->setVisible(cut);
}

QTreeWidget *HiddenListView(QWidget *parent, const char *name)
{
    auto *lv = new QTreeWidget(parent);
    lv->setObjectName(QString::fromLatin1(name));
    lv->hide();
    return lv;
}

qint64 MonotonicMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

TMonitorFreshness::TMonitorFreshness(QStatusBar *bar, QTreeWidget *list) : m_list(list)
{
    m_panel = new QLabel(bar);
    m_panel->setObjectName(bar->objectName() + QStringLiteral("Freshness"));
    m_panel->hide();
    bar->addPermanentWidget(m_panel);
}

void TMonitorFreshness::PollSent() { m_sentAt = TimeOfDayNow(); }

void TMonitorFreshness::Grey(bool on)
{
    QPalette p = m_list->palette();
    const QPalette normal = m_list->style() ? m_list->style()->standardPalette() : QPalette();
    p.setColor(QPalette::Text, on ? QColor(Qt::gray) : normal.color(QPalette::Text));
    m_list->setPalette(p);
    m_list->setProperty("stale", on);
    m_list->viewport()->update();
}

void TMonitorFreshness::Answered(const TCounterMonitor &monitor)
{
    m_failingSince.clear();
    Grey(false);
    Clear(monitor);
}

void TMonitorFreshness::Clear(const TCounterMonitor &monitor)
{
    m_failingSince.clear();
    Grey(false);
    m_panel->setStyleSheet(QStringLiteral("color: #b00000"));
    m_panel->setText(monitor.Notice());
    m_panel->setVisible(!monitor.Notice().isEmpty());
}

void TMonitorFreshness::Failed(const QString &valuesFrom)
{
    if (m_failingSince.isEmpty())
        m_failingSince = m_sentAt.isEmpty() ? TimeOfDayNow() : m_sentAt;
    if (m_list->topLevelItemCount() == 0 || valuesFrom.isEmpty()) {
        m_panel->setText(QStringLiteral("No answer since %1").arg(m_failingSince));
    } else {
        Grey(true);
        m_panel->setText(QStringLiteral("No answer since %1; values from %2").arg(m_failingSince, valuesFrom));
    }
    m_panel->setStyleSheet(QStringLiteral("color: #806000"));
    m_panel->show();
}

QString TimeOfDayNow() { return TCounterMonitor::TimeText(QTime::currentTime()); }

int IntervalMsOf(const QComboBox *combo)
{
    return std::max(1, combo->currentText().toInt()) * 1000;
}

void TMonitorBinding::AfterRefresh()
{
    QvSNMPRequest2Edits::AfterRefresh();
    if (afterRefresh)
        afterRefresh();
}

QStringList HiddenRowTexts(const QTreeWidget *listView)
{
    QStringList texts;
    if (!listView || listView->topLevelItemCount() == 0)
        return texts;
    const QTreeWidgetItem *row = listView->topLevelItem(0);
    for (int c = 0; c < listView->columnCount(); ++c)
        texts << row->text(c);
    return texts;
}

QTreeWidget *MakeCounterList(QWidget *parent, const QString &name, TListViewExport::CaptionFunc caption)
{
    auto *lv = new QTreeWidget(parent);
    lv->setObjectName(name);
    lv->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value"), QStringLiteral("Delta"),
                         QStringLiteral("Rate"), QStringLiteral("Peak"), QStringLiteral("Peak Occured at")});
    lv->setRootIsDecorated(false);
    lv->setUniformRowHeights(true);
    lv->setSelectionBehavior(QAbstractItemView::SelectRows);
    lv->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lv->setAllColumnsShowFocus(true);
    lv->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid palette(midlight); border-bottom: 1px solid palette(midlight); }"
        // The selected row in the platform's own readable pair of colours.
        "QTreeView::item:selected { background: palette(highlight); color: palette(highlighted-text); }"));
    lv->header()->setSectionResizeMode(QHeaderView::Interactive);
    lv->header()->resizeSection(0, 170);
    for (int c = 1; c < 5; ++c) {
        lv->header()->resizeSection(c, 90);
        lv->headerItem()->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    TListViewExport::Attach(lv, std::move(caption));
    TListViewFilter::Attach(lv);
    return lv;
}

void ShowCounterRows(QTreeWidget *list, const TCounterMonitor &monitor)
{
    if (!monitor.RowsPresent()) {
        list->clear();
        return;
    }
    while (list->topLevelItemCount() > monitor.Count())
        delete list->takeTopLevelItem(list->topLevelItemCount() - 1);
    for (int i = 0; i < monitor.Count(); ++i) {
        QTreeWidgetItem *row = list->topLevelItem(i);
        if (!row) {
            row = new QTreeWidgetItem(list);
            for (int c = 1; c < 5; ++c)
                row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        }
        const TCounterCells &cells = monitor.Cells(i);
        const QString texts[] = {monitor.Name(i), cells.value, cells.delta, cells.rate, cells.peak, cells.peakTime};
        for (int c = 0; c < 6; ++c)
            if (row->text(c) != texts[c])
                row->setText(c, texts[c]);
    }
    // Rates with bits per second are wider than the column was made for.
    const QFontMetrics metrics(list->font());
    int widest = 0;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(list->topLevelItem(i)->text(3)));
    if (widest + 16 > list->columnWidth(3))
        list->setColumnWidth(3, widest + 16);
}

namespace {

QHash<QString, QPointer<QWidget>> &OpenWindows()
{
    static QHash<QString, QPointer<QWidget>> windows;
    return windows;
}

} // namespace

QString NoAnswerText(const QString &failure)
{
    return QStringLiteral("The switch does not answer: %1 Refresh tries again.").arg(failure.trimmed());
}

QWidget *OpenedMonitorWindow(const QString &key)
{
    return OpenWindows().value(key).data();
}

QWidget *OpenMonitorWindow(QWidget *parent, const QString &key, const std::function<QDialog *()> &create)
{
    try {
        if (QWidget *open = OpenedMonitorWindow(key)) {
            if (open->isMinimized())
                open->showNormal();
            open->show();
            open->raise();
            open->activateWindow();
            return open;
        }
        QDialog *window = create();
        if (!window)
            return nullptr;
        // An ordinary window beside the main one: not modal, not kept above its owner.
        window->setModal(false);
        window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
        window->setAttribute(Qt::WA_DeleteOnClose);
        OpenWindows().insert(key, window);
        QObject::connect(window, &QObject::destroyed, [key] {
            // A newer window of the same key keeps its place.
            if (!OpenWindows().value(key))
                OpenWindows().remove(key);
        });
        window->show();
        window->raise();
        window->activateWindow();
        return window;
    } catch (const QvSNMPException &e) {
        QvMessageBox(parent, e.text(), QvAppCaption());
    } catch (const std::exception &e) {
        QvMessageBox(parent, QString::fromLatin1(e.what()), QvAppCaption());
    }
    return nullptr;
}
