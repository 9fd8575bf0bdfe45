// The expression languages: arithmetic, boolean tests, substitution of variable values, the
// read and write expressions applied to value texts, row filters, and hostile input.
#include "engine_support.h"
#include "qvsnmpexception.h"
#include "qvsnmpexpr.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int codeOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const QvSNMPException &e) {
        return e.code();
    }
    return 0;
}

struct EvalCase {
    const char *text;
    double value;
};

TEST(Expr, Evaluate)
{
    static const EvalCase cases[] = {
        {"2*(3+4)", 14},  {"10/4", 2.5},     {"7-2-1", 6},       {"1+2+3", 6},     {"  42  ", 42},
        {"abc", 0},       {"", 0},           {"3.5x", 3.5},      {"((2))", 2},     {"2*(1-4)", -6},
        {"-5", -5},       {"8/-2", -4},      {"1e3+1", 1001},    {"2*3*4", 24},    {"100/10/2", 20},
        {"(1+1)*(2+2)", 8}, {"0x10", 0},     {"inf", 0},         {"nan+1", 1},
    };
    for (const EvalCase &c : cases)
        EXPECT_DOUBLE_EQ(QvExpr::Evaluate(QLatin1String(c.text)), c.value) << c.text;
    const double now = QvExpr::Evaluate(QStringLiteral("now"));
    EXPECT_NEAR(now, QvExpr::NowReal(), 1.0 / 86400);
    EXPECT_GT(now, 40000);  // days since 1899
}

TEST(Expr, EvaluateRefusesHostileInput)
{
    const QString deep = QString(5000, QLatin1Char('(')) + QLatin1Char('1') + QString(5000, QLatin1Char(')'));
    QString chain;
    for (int k = 0; k < 5000; ++k)
        chain += QStringLiteral("1+");
    chain += QLatin1Char('1');
    const QString huge = QLatin1Char('1') + QString(400, QLatin1Char('0'));
    const QString hugeProduct = QStringLiteral("1e300*1e300");
    const QString tooLong(QvExpr::MaxLength + 1, QLatin1Char('1'));
    for (const QString &t : {deep, chain, huge, hugeProduct, tooLong, QStringLiteral("1/0"), QStringLiteral("5/(2-2)"),
                             QStringLiteral("1/abc")})
        EXPECT_EQ(codeOf([&] { QvExpr::Evaluate(t); }), -513) << t.left(40).toStdString();
}

struct TestCase {
    const char *text;
    int result;  // 1 true, 0 false, -1 "Bad logic operand!"
};

TEST(Expr, Test)
{
    static const TestCase cases[] = {
        {"5 > 10", 1},                 // texts, not numbers
        {"\"a\" = a", 1},              {"a<>b", 1},           {"a <> a", 0},        {"b>=a", 1},
        {"a<=a", 1},                   {"a<b", 1},            {"true", 1},          {"FALSE", 0},
        {"true|x", 1},                 {"false&x", 0},        {"maybe", -1},        {"true | x", -1},
        {"(a=a)&(b=b)", 1},            {"!false", 1},         {"!(a=b)", 1},        {"(true", -1},
        {"\"x|y\" = \"x|y\"", 1},      {"\"(\" = \"(\"", 1},  {"\"a&b\"=c", 0},     {"", -1},
        {"\"\xe9\" > \"e\"", 1},       // byte order beyond ASCII
    };
    for (const TestCase &c : cases) {
        if (c.result < 0) {
            EXPECT_EQ(codeOf([&] { QvExpr::Test(QString::fromLatin1(c.text)); }), -1) << c.text;
        } else {
            EXPECT_EQ(QvExpr::Test(QString::fromLatin1(c.text)), c.result == 1) << c.text;
        }
    }
    try {
        QvExpr::Test(QStringLiteral("maybe"));
    } catch (const QvSNMPException &e) {
        EXPECT_EQ(e.text(), QStringLiteral("Bad logic operand!"));
    }
}

TEST(Expr, TestRefusesHostileInput)
{
    const QString deep = QString(5000, QLatin1Char('(')) + QStringLiteral("true") + QString(5000, QLatin1Char(')'));
    QString chain;
    for (int k = 0; k < 5000; ++k)
        chain += QStringLiteral("false|");
    chain += QStringLiteral("true");
    QString bangs = QString(5000, QLatin1Char('!')) + QStringLiteral("true");
    for (const QString &t : {deep, chain, bangs})
        EXPECT_EQ(codeOf([&] { QvExpr::Test(t); }), -1);
}

struct ResultCase {
    double value;
    quint32 syntax;
    const char *text;  // nullptr: -513
};

TEST(Expr, ResultText)
{
    static const ResultCase cases[] = {
        {2.9, SYN_INTEGER, "2"},           {-2.9, SYN_INTEGER, "-2"},
        {2147483647.0, SYN_INTEGER, "2147483647"}, {2147483648.0, SYN_INTEGER, nullptr},
        {-2147483649.0, SYN_INTEGER, nullptr}, {4294967295.0, SYN_GAUGE, "4294967295"},
        {4294967296.0, SYN_COUNTER, nullptr}, {-1, SYN_UINTEGER, nullptr},
        {0.5, SYN_BOOLEAN, "true"},        {0, SYN_BOOLEAN, "false"},
        {8640000, SYN_TIMETICKS, "1 day 0:00:00.00"}, {-1, SYN_TIMETICKS, nullptr},
        {1e20, SYN_COUNTER64, nullptr},    {12345, SYN_COUNTER64, "12345"},
        {2.5, SYN_DOUBLE, "2.5"},          {1, SYN_OCTETSTR, nullptr},
        {1, SYN_DISPLAYSTR, nullptr},      {INFINITY, SYN_DOUBLE, nullptr},
        {NAN, SYN_INTEGER, nullptr},
    };
    for (const ResultCase &c : cases) {
        if (c.text)
            EXPECT_EQ(QvExpr::ResultText(c.value, c.syntax), QLatin1String(c.text)) << c.value << " " << c.syntax;
        else
            EXPECT_EQ(codeOf([&] { QvExpr::ResultText(c.value, c.syntax); }), -513) << c.value << " " << c.syntax;
    }
}

class ExprRequest : public ::testing::Test {
protected:
    void SetUp() override
    {
        r.vars.AddVar(QStringLiteral("1.1"), QStringLiteral("int"), SYN_INTEGER, ACC_READWRITE).valueText =
            QStringLiteral("12");
        r.vars.AddVar(QStringLiteral("1.2"), QStringLiteral("flag"), SYN_BOOLEAN, ACC_READWRITE).valueText =
            QStringLiteral("true");
        r.vars.AddVar(QStringLiteral("1.3"), QStringLiteral("name"), SYN_DISPLAYSTR, ACC_READWRITE).valueText =
            QStringLiteral("port a");
        r.vars.AddVar(QStringLiteral("1.4"), QStringLiteral("ticks"), SYN_TIMETICKS, ACC_READWRITE).valueText =
            QStringLiteral("0:00:01.50");
        r.vars.AddVar(QStringLiteral("1.5"), QStringLiteral("status"), SYN_INTEGER, ACC_READWRITE, &rowStatusOptions())
            .valueText = QStringLiteral("destroy");
        r.vars.AddVar(QStringLiteral("1.6"), QStringLiteral("none"), SYN_INTEGER, ACC_READWRITE).valueText =
            QStringLiteral("(NULL)");
    }
    QvSNMPRequest r;
};

TEST_F(ExprRequest, SubstituteVars)
{
    struct Case {
        const char *expr;
        bool quote;
        const char *out;  // nullptr: failure code below
        int code;
    };
    static const Case cases[] = {
        {"$0+1", false, "12+1", 0},           {"$1*$0", false, "1*12", 0},
        {"$3", false, "150", 0},              {"$4", false, "6", 0},  // option label to value
        {"$", false, "12", 0},                {"$2=\"port a\"", true, "\"port a\"=\"port a\"", 0},
        {"$2", false, nullptr, -513},         {"$5", false, nullptr, -512},
        {"$9", false, nullptr, -512},         {"$99999999999999", false, nullptr, -512},
        {"no marker", false, "no marker", 0},
    };
    for (const Case &c : cases) {
        if (c.out)
            EXPECT_EQ(r.SubstituteVars(QLatin1String(c.expr), c.quote, QStringLiteral("$")), QLatin1String(c.out))
                << c.expr;
        else
            EXPECT_EQ(codeOf([&] { r.SubstituteVars(QLatin1String(c.expr), c.quote, QStringLiteral("$")); }), c.code)
                << c.expr;
    }
    // An inserted value holding the marker is not substituted again.
    r.vars.Item(2).valueText = QStringLiteral("$0");
    EXPECT_EQ(r.SubstituteVars(QStringLiteral("$2"), true, QStringLiteral("$")), QStringLiteral("\"$0\""));
    EXPECT_EQ(r.SubstituteVars(QStringLiteral("#0"), false, QStringLiteral("#")), QStringLiteral("12"));
}

TEST_F(ExprRequest, ApplyExpressionAfterReadAndBeforeWrite)
{
    QvSNMPVar &v = r.vars.Item(0);
    v.readExpr = QStringLiteral("$0*10");
    v.writeExpr = QStringLiteral("$0/10");
    r.ApplyExpression(0, true);
    EXPECT_EQ(v.valueText, QStringLiteral("120"));
    r.ApplyExpression(0, false);
    EXPECT_EQ(v.valueText, QStringLiteral("12"));
    // Out of the integer range: refused, the text stays.
    v.readExpr = QStringLiteral("$0*1000000000");
    EXPECT_EQ(codeOf([&] { r.ApplyExpression(0, true); }), -513);
    EXPECT_EQ(v.valueText, QStringLiteral("12"));
    // Option lists: the result is shown by label.
    QvSNMPVar &s = r.vars.Item(4);
    s.readExpr = QStringLiteral("$4-2");
    r.ApplyExpression(4, true);
    EXPECT_EQ(s.valueText, QStringLiteral("createAndGo"));
    // No expression: no change.
    r.ApplyExpression(1, true);
    EXPECT_EQ(r.vars.Item(1).valueText, QStringLiteral("true"));
}

TEST_F(ExprRequest, RowFilters)
{
    EXPECT_TRUE(r.MatchesRowFilter());
    r.rowFilter = QStringLiteral("$2=\"port a\"&$0=12");
    EXPECT_TRUE(r.MatchesRowFilter());
    r.rowFilter = QStringLiteral("$2=\"port b\"|$1=0");
    EXPECT_FALSE(r.MatchesRowFilter());
    EXPECT_TRUE(r.MatchesFilterText(QStringLiteral("$4=6")));
    EXPECT_EQ(codeOf([&] { r.MatchesFilterText(QStringLiteral("$5=1")); }), -512);

    // A value holding quotes stays one operand: it cannot change the filter it is put into.
    struct Injection {
        const char *value;
        const char *filter;
        bool matches;
    } injections[] = {
        {"x\" | \"1\"=\"1", "$2=\"port a\"", false},
        {"x\"=\"x", "$2=\"y\"", false},
        {"a\"b", "$2=\"a\"\"b\"", true},
        {"\"", "$2<>\"\"", true},
        {"", "$2=\"\"", true},
    };
    for (const Injection &c : injections) {
        r.vars.Item(2).valueText = QLatin1String(c.value);
        r.rowFilter = QLatin1String(c.filter);
        EXPECT_EQ(r.MatchesRowFilter(), c.matches) << c.value;
    }
}

// Many groups cost the text's length, not its length times its groups; the results stay those
// of one group at a time.
TEST(Expr, ManyGroups)
{
    QString sum = QStringLiteral("(1)");
    QString all = QStringLiteral("(true)");
    for (int k = 0; k < 150; ++k) {
        sum += QStringLiteral("+(1)");
        all += QStringLiteral("&(1=1)");
    }
    // Beyond the nesting limit once collapsed, as before: the right side recurses per operator.
    EXPECT_EQ(codeOf([&] { QvExpr::Evaluate(sum); }), 0);
    EXPECT_EQ(QvExpr::Evaluate(sum), 151.0);
    EXPECT_TRUE(QvExpr::Test(all));
    EXPECT_EQ(QvExpr::Evaluate(QStringLiteral("(2)*(3)-(1)((4)")), 2.0 * 3 - 1);
    EXPECT_EQ(QvExpr::Evaluate(QStringLiteral("((1)")), 0.0);
}

} // namespace
