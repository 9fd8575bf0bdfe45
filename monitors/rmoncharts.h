// The charts of the RMON windows: titled bar charts (one bar set per series, one category per sample)
// and line charts (one line per series, one point per sample), each series with its name and colour,
// with a legend and axis titles.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <span>

class QChartView;
class QCheckBox;
class QTabWidget;

struct TSeriesDesc {
    const char *name;
    quint32 rgb;  // 0xRRGGBB
};

QChartView *MakeBarChart(const QString &name, const QString &title, const QString &valueTitle,
                         std::span<const TSeriesDesc> series);
// values[s][k]: series s at category k; labels name the categories (made unique where they repeat).
void FillBarChart(QChartView *view, const QStringList &labels, const QList<QList<qint64>> &values);

QChartView *MakeLineChart(const QString &name, const QString &title, const QString &valueTitle,
                          std::span<const TSeriesDesc> series);
// values[s][k]: series s at point k; labels are the points' time texts (empty for none).
void FillLineChart(QChartView *view, const QStringList &labels, const QList<QList<qint64>> &values);

// Adds a page holding the chart and, when box is given, a hidden "3D Line" box named boxName.
void AddChartPage(QTabWidget *pages, QChartView *chart, const QString &name, const QString &caption,
                  QCheckBox **box = nullptr, const QString &boxName = QString());

// Category texts as a category axis takes them: a repeated text gets " (n)" appended.
QStringList UniqueLabels(const QStringList &labels);
