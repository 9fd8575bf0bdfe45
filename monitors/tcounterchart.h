// A line chart of counter histories: one series per history list, one point per sample, its value
// (a delta or a rate) upwards. Times of day label the samples from the newest backwards, every
// sample or every n-th, as many as fit side by side without cutting one.
// Clicking a legend entry hides or shows its series, so small counters can be read beside big ones.
#pragma once

#include "tcountermonitor.h"

#include <QColor>
#include <QList>
#include <QPair>
#include <QStringList>
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
    // Samples from one time label to the next at the chart's present width.
    int LabelStep() const;
    QValueAxis *ValueAxis() const { return m_valueAxis; }

private:
    void Rescale();
    void LabelTimes();

    QChart *m_chart;
    QChartView *m_view;
    QList<QLineSeries *> m_series;
    QCategoryAxis *m_timeAxis;
    QValueAxis *m_valueAxis;
    int m_points = 0;
    QStringList m_times;                   // of the samples plotted, oldest first
    QList<QPair<QString, int>> m_labelled;  // the axis's labels and their sample positions
    bool m_depth = false;
};
