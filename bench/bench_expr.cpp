// Expression benchmark: how the time to evaluate an expression or a row filter grows with its
// length. Each shape is timed at 4,000 and at 64,000 characters (best of a few runs, refused
// texts included: a refusal must be quick too). The last line gives, per language, the long
// text's time divided by sixteen times the short one's: 1 is linear, 16 quadratic.
#include "qvsnmpexception.h"
#include "qvsnmpexpr.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kShort = 4000;
constexpr int kLong = 64000;
constexpr int kRuns = 3;

// A text of about length characters: unit repeated, joined by glue, wrapped by open/close once.
QString shape(const QString &unit, const QString &glue, int length)
{
    QString t;
    while (t.size() + unit.size() + glue.size() <= length) {
        if (!t.isEmpty())
            t += glue;
        t += unit;
    }
    return t;
}

QString nested(const QString &core, int length)
{
    const int depth = (length - int(core.size())) / 2;
    return QString(depth, QLatin1Char('(')) + core + QString(depth, QLatin1Char(')'));
}

double seconds(const std::function<void()> &work)
{
    double best = 1e9;
    for (int r = 0; r < kRuns; ++r) {
        QElapsedTimer t;
        t.start();
        try {
            work();
        } catch (const QvSNMPException &) {
        }
        best = std::min(best, t.nsecsElapsed() / 1e9);
    }
    return best;
}

struct Shape {
    const char *name;
    std::function<QString(int)> make;
};

// The worst growth over the shapes of one language.
double growth(const char *language, const std::vector<Shape> &shapes, const std::function<void(const QString &)> &run)
{
    double worst = 0;
    for (const Shape &s : shapes) {
        const QString a = s.make(kShort), b = s.make(kLong);
        const double ta = seconds([&] { run(a); }), tb = seconds([&] { run(b); });
        const double g = tb / (ta * (double(b.size()) / a.size()));
        std::printf("%s %-14s %6lld chars %9.6f s  %6lld chars %9.6f s  growth %.2f\n", language, s.name,
                    qlonglong(a.size()), ta, qlonglong(b.size()), tb, g);
        worst = std::max(worst, g);
    }
    return worst;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<Shape> arithmetic = {
        {"groups", [](int n) { return shape(QStringLiteral("(1+2)"), QStringLiteral("*"), n); }},
        {"nested-groups", [](int n) { return shape(QStringLiteral("((1))"), QStringLiteral("+"), n); }},
        {"deep", [](int n) { return nested(QStringLiteral("1"), n); }},
        {"sum", [](int n) { return shape(QStringLiteral("1"), QStringLiteral("+"), n); }},
    };
    const std::vector<Shape> logic = {
        {"groups", [](int n) { return shape(QStringLiteral("(a=a)"), QStringLiteral("&"), n); }},
        {"quoted", [](int n) { return shape(QStringLiteral("(\"x|(\"=\"x|(\")"), QStringLiteral("|"), n); }},
        {"deep", [](int n) { return nested(QStringLiteral("true"), n); }},
        {"negations", [](int n) { return QString(n - 4, QLatin1Char('!')) + QStringLiteral("true"); }},
    };
    const double e = growth("evaluate", arithmetic, [](const QString &t) { QvExpr::Evaluate(t); });
    const double l = growth("test    ", logic, [](const QString &t) { QvExpr::Test(t); });
    std::printf("evaluate_growth=%.2f test_growth=%.2f (1 = linear, 16 = quadratic)\n", e, l);
    return 0;
}
