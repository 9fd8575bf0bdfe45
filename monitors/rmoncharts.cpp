#include "rmoncharts.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QFont>
#include <QLineSeries>
#include <QPen>
#include <QSet>
#include <QValueAxis>

#include <algorithm>

namespace {

QColor ColorOf(quint32 rgb)
{
    return QColor(int(rgb >> 16) & 0xFF, int(rgb >> 8) & 0xFF, int(rgb) & 0xFF);
}

QChartView *MakeView(const QString &name, const QString &title)
{
    auto *chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setVisible(true);
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *view = new QChartView(chart);
    view->setObjectName(name);
    view->setRenderHint(QPainter::Antialiasing);
    return view;
}

QValueAxis *MakeValueAxis(QChart *chart, const QString &title)
{
    auto *axis = new QValueAxis;
    axis->setTitleText(title);
    // Counts pass 2^31: "%d" would print them wrapped.
    axis->setLabelFormat(QStringLiteral("%.0f"));
    axis->setRange(0, 10);
    chart->addAxis(axis, Qt::AlignLeft);
    return axis;
}

void FitValueAxis(QChart *chart, const QList<QList<qint64>> &values)
{
    qint64 top = 0;
    for (const QList<qint64> &series : values)
        for (qint64 v : series)
            top = std::max(top, v);
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Vertical);
    if (auto *axis = axes.isEmpty() ? nullptr : qobject_cast<QValueAxis *>(axes.first())) {
        // Whole numbers only: small counts get a scale of at least five.
        axis->setRange(0, std::max(5.0, double(top) * 1.1));
        axis->applyNiceNumbers();
    }
}

}  // namespace

QStringList UniqueLabels(const QStringList &labels)
{
    QStringList out;
    QSet<QString> seen;
    for (const QString &label : labels) {
        QString text = label;
        for (int n = 2; seen.contains(text); ++n)
            text = label + QStringLiteral(" (%1)").arg(n);
        seen.insert(text);
        out.append(text);
    }
    return out;
}

QChartView *MakeBarChart(const QString &name, const QString &title, const QString &valueTitle,
                         std::span<const TSeriesDesc> series)
{
    QChartView *view = MakeView(name, title);
    QChart *chart = view->chart();
    auto *bars = new QBarSeries;
    for (const TSeriesDesc &d : series) {
        auto *set = new QBarSet(QString::fromLatin1(d.name));
        set->setColor(ColorOf(d.rgb));
        set->setBorderColor(ColorOf(d.rgb).darker(140));
        bars->append(set);
    }
    chart->addSeries(bars);
    auto *categories = new QBarCategoryAxis;
    categories->setTitleText(QStringLiteral("Time Stamp"));
    // Up to 120 time stamps side by side: upright and small, so that they fit.
    categories->setLabelsAngle(-90);
    QFont small = categories->labelsFont();
    small.setPointSize(7);
    categories->setLabelsFont(small);
    chart->addAxis(categories, Qt::AlignBottom);
    bars->attachAxis(categories);
    bars->attachAxis(MakeValueAxis(chart, valueTitle));
    return view;
}

void FillBarChart(QChartView *view, const QStringList &labels, const QList<QList<qint64>> &values)
{
    QChart *chart = view->chart();
    auto *bars = chart->series().isEmpty() ? nullptr : qobject_cast<QBarSeries *>(chart->series().first());
    if (!bars)
        return;
    const QList<QBarSet *> sets = bars->barSets();
    for (int s = 0; s < sets.size(); ++s) {
        QBarSet *set = sets.at(s);
        set->remove(0, set->count());
        QList<qreal> points;
        if (s < values.size())
            for (qint64 v : values.at(s))
                points.append(qreal(v));
        set->append(points);
    }
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
    if (auto *categories = axes.isEmpty() ? nullptr : qobject_cast<QBarCategoryAxis *>(axes.first())) {
        categories->clear();
        categories->append(UniqueLabels(labels));
    }
    FitValueAxis(chart, values);
}

QChartView *MakeLineChart(const QString &name, const QString &title, const QString &valueTitle,
                          std::span<const TSeriesDesc> series)
{
    QChartView *view = MakeView(name, title);
    QChart *chart = view->chart();
    auto *times = new QCategoryAxis;
    times->setTitleText(QStringLiteral("Time"));
    times->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    times->setRange(0, 1);
    chart->addAxis(times, Qt::AlignBottom);
    QValueAxis *axis = MakeValueAxis(chart, valueTitle);
    for (const TSeriesDesc &d : series) {
        auto *line = new QLineSeries;
        line->setName(QString::fromLatin1(d.name));
        QPen pen(ColorOf(d.rgb));
        pen.setWidth(2);
        line->setPen(pen);
        line->setPointsVisible(false);
        chart->addSeries(line);
        line->attachAxis(times);
        line->attachAxis(axis);
    }
    return view;
}

void FillLineChart(QChartView *view, const QStringList &labels, const QList<QList<qint64>> &values)
{
    QChart *chart = view->chart();
    const QList<QAbstractSeries *> series = chart->series();
    int points = 0;
    for (int s = 0; s < series.size(); ++s) {
        auto *line = qobject_cast<QLineSeries *>(series.at(s));
        if (!line)
            continue;
        QList<QPointF> data;
        if (s < values.size())
            for (int k = 0; k < values.at(s).size(); ++k)
                data.append(QPointF(k, qreal(values.at(s).at(k))));
        points = std::max(points, int(data.size()));
        line->replace(data);
    }
    const QList<QAbstractAxis *> axes = chart->axes(Qt::Horizontal);
    if (auto *times = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis *>(axes.first())) {
        for (const QString &old : times->categoriesLabels())
            times->remove(old);
        // Every few points a time label, so that the texts do not overlap.
        const int step = std::max(1, points / 5);
        QSet<QString> used;
        for (int k = 0; k < labels.size() && k < points; k += step) {
            const QString text = labels.at(k);
            if (text.isEmpty() || used.contains(text))
                continue;
            used.insert(text);
            times->append(text, k);
        }
        times->setRange(0, std::max(1, points - 1));
    }
    FitValueAxis(chart, values);
}

void AddChartPage(QTabWidget *pages, QChartView *chart, const QString &name, const QString &caption, QCheckBox **box,
                  const QString &boxName)
{
    auto *page = new QWidget;
    page->setObjectName(name);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chart);
    if (box) {
        *box = new QCheckBox(QStringLiteral("3D Line"), page);
        (*box)->setObjectName(boxName);
        (*box)->hide();
    }
    pages->addTab(page, caption);
}
