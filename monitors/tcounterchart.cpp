#include "tcounterchart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFont>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>
#include <QVBoxLayout>

#include <algorithm>

TCounterChart::TCounterChart(QWidget *parent, const QString &name, const QString &title, const QString &valueTitle,
                             const QList<TSeriesDesc> &series)
    : QWidget(parent), m_chart(new QChart), m_timeAxis(new QCategoryAxis), m_valueAxis(new QValueAxis)
{
    setObjectName(name);
    m_chart->setTitle(title);
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->legend()->setAlignment(Qt::AlignRight);
    m_timeAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_timeAxis->setLabelsAngle(-60);
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
    for (const QString &label : m_timeAxis->categoriesLabels())
        m_timeAxis->remove(label);
    m_points = 0;
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
    // The time labels of the first list; the axis wants distinct labels, so a repeated or empty
    // time is told apart by trailing blanks that do not show.
    for (const QString &label : m_timeAxis->categoriesLabels())
        m_timeAxis->remove(label);
    if (lists > 0) {
        const QList<THistorySample> &h = monitor.History(0);
        QStringList used;
        for (int i = 0; i < h.size(); ++i) {
            QString label = h[i].time;
            while (used.contains(label))
                label += QLatin1Char(' ');
            used << label;
            m_timeAxis->append(label, i);
        }
    }
    m_points = points;
    Rescale();
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
