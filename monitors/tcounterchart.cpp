#include "tcounterchart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFont>
#include <QFontMetrics>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

TCounterChart::TCounterChart(QWidget *parent, const QString &name, const QString &title, const QString &valueTitle,
                             const QList<TSeriesDesc> &series)
    : QWidget(parent), m_chart(new QChart), m_timeAxis(new QCategoryAxis), m_valueAxis(new QValueAxis)
{
    setObjectName(name);
    m_chart->setTitle(title);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_timeAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    // Upright labels; LabelTimes leaves room for each, so none is cut short.
    m_timeAxis->setTruncateLabels(false);
    m_timeAxis->setRange(0, 1);
    m_valueAxis->setTitleText(valueTitle);
    m_valueAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_valueAxis->setRange(0, 10);
    m_chart->addAxis(m_timeAxis, Qt::AlignBottom);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    for (const TSeriesDesc &d : series) {
        auto *s = new QLineSeries(m_chart);
        s->setName(d.title);
        s->setPen(QPen(d.colour, 2));
        s->setPointsVisible(false);
        m_chart->addSeries(s);
        s->attachAxis(m_timeAxis);
        s->attachAxis(m_valueAxis);
        m_series << s;
    }
    for (QLegendMarker *marker : m_chart->legend()->markers()) {
        connect(marker, &QLegendMarker::clicked, this, [this, marker] {
            QAbstractSeries *s = marker->series();
            s->setVisible(!s->isVisible());
            // A hidden series keeps its legend entry, greyed.
            marker->setVisible(true);
            QFont f = marker->font();
            f.setStrikeOut(!s->isVisible());
            marker->setFont(f);
            Rescale();
        });
    }
    // A narrower or wider plot fits fewer or more labels.
    connect(m_chart, &QChart::plotAreaChanged, this, [this] { LabelTimes(); });
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
}

void TCounterChart::Clear()
{
    for (QLineSeries *s : m_series)
        s->clear();
    m_times.clear();
    m_points = 0;
    LabelTimes();
    Rescale();
}

void TCounterChart::Plot(const TCounterMonitor &monitor)
{
    const int lists = std::min(int(m_series.size()), monitor.HistoryListCount());
    int points = 0;
    for (int k = 0; k < lists; ++k) {
        const QList<THistorySample> &h = monitor.History(k);
        QList<QPointF> pts;
        pts.reserve(h.size());
        for (int i = 0; i < h.size(); ++i)
            pts.append(QPointF(i, h[i].value));
        m_series[k]->replace(pts);
        points = std::max(points, int(h.size()));
    }
    // The times of the first list.
    m_times.clear();
    if (lists > 0)
        for (const THistorySample &s : monitor.History(0))
            m_times << s.time;
    m_points = points;
    LabelTimes();
    Rescale();
}

int TCounterChart::LabelStep() const
{
    const int samples = int(m_times.size());
    if (samples < 2)
        return 1;
    // Before the first layout the plot's width is not known yet: the view's stands in for it.
    const qreal width = m_chart->plotArea().width() > 0 ? m_chart->plotArea().width() : qreal(m_view->width()) / 2;
    const QFontMetrics metrics(m_timeAxis->labelsFont());
    int widest = 0;
    for (const QString &t : m_times)
        widest = std::max(widest, metrics.horizontalAdvance(t));
    // A gap of two digits between neighbours; the spacing of samples is width / (samples - 1).
    const qreal room = widest + 2 * metrics.horizontalAdvance(QLatin1Char('0'));
    const qreal spacing = width / (samples - 1);
    return std::max(1, int(std::ceil(room / std::max<qreal>(spacing, 1))));
}

void TCounterChart::LabelTimes()
{
    const int step = LabelStep();
    QList<QPair<QString, int>> wanted;
    QStringList used;
    for (int i = int(m_times.size()) - 1; i >= 0; i -= step) {
        // The axis wants distinct labels: a repeated or empty time gets trailing blanks that do
        // not show.
        QString label = m_times[i];
        while (used.contains(label))
            label += QLatin1Char(' ');
        used << label;
        wanted.prepend({label, i});
    }
    if (wanted == m_labelled)
        return;  // the axis stays as it is: no new layout of the chart
    for (const QString &label : m_timeAxis->categoriesLabels())
        m_timeAxis->remove(label);
    for (const auto &[label, position] : std::as_const(wanted))
        m_timeAxis->append(label, position);
    m_labelled = wanted;
}

void TCounterChart::Rescale()
{
    double top = 0;
    for (QLineSeries *s : m_series) {
        if (!s->isVisible())
            continue;
        for (const QPointF &p : s->points())
            top = std::max(top, p.y());
    }
    m_timeAxis->setStartValue(0);
    m_timeAxis->setRange(0, std::max(1, m_points - 1));
    m_valueAxis->setRange(0, top < 10 ? 10 : top * 1.1);
    m_valueAxis->applyNiceNumbers();
}

void TCounterChart::SetDepthLook(bool on)
{
    m_depth = on;
    m_chart->setDropShadowEnabled(on);
    for (QLineSeries *s : m_series) {
        QPen p = s->pen();
        p.setWidth(on ? 4 : 2);
        s->setPen(p);
    }
}
