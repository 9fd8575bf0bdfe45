// A line chart of counter histories: one series per history list, one point per sample, the
// sample's time of day as the label under it and its value (a delta or a rate) upwards.
// Clicking a legend entry hides or shows its series, so small counters can be read beside big ones.
#pragma once

#include "tcountermonitor.h"

#include <QColor>
#include <QList>
#include <QWidget>

class QCategoryAxis;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

struct TSeriesDesc {
    QString title;
    QColor colour;
};

class TCounterChart : public QWidget {
    Q_OBJECT
public:
    TCounterChart(QWidget *parent, const QString &name, const QString &title, const QString &valueTitle,
                  const QList<TSeriesDesc> &series);

    // Series k is refilled from history list k of the monitor.
    void Plot(const TCounterMonitor &monitor);
    void Clear();
    // The "3D Line" look: a shadowed chart with broader lines (Qt Charts draws no 3D lines).
    void SetDepthLook(bool on);
    bool DepthLook() const { return m_depth; }

    QChart *Chart() const { return m_chart; }
    QLineSeries *Series(int k) const { return m_series[k]; }
    int SeriesCount() const { return int(m_series.size()); }
    QCategoryAxis *TimeAxis() const { return m_timeAxis; }
    QValueAxis *ValueAxis() const { return m_valueAxis; }

private:
    void Rescale();

    QChart *m_chart;
    QChartView *m_view;
    QList<QLineSeries *> m_series;
    QCategoryAxis *m_timeAxis;
    QValueAxis *m_valueAxis;
    int m_points = 0;
    bool m_depth = false;
};
