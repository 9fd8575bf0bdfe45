// Expressions and row filters: arithmetic, boolean tests, and variable values substituted into
// a filter (a value must never change the filter it is put into).
#include "fuzz_support.h"
#include "qvsnmpexpr.h"
#include "qvsnmptypes.h"
#include "qvsnmpvarlist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCursor in(data, size);
    const quint8 mode = in.byte();
    const QString value = QString::fromLatin1(in.bytes(32));
    const QString text = QString::fromLatin1(in.rest());
    switch (mode % 3) {
    case 0:
        Tolerating([&] { QvExpr::Evaluate(text); });
        break;
    case 1:
        Tolerating([&] { QvExpr::Test(text); });
        break;
    default: {
        QvSNMPVarList vars;
        vars.AddVar(QStringLiteral("1.3.6.1.4.1.99.1"), QStringLiteral("s"), SYN_DISPLAYSTR, ACC_READONLY);
        vars.AddVar(QStringLiteral("1.3.6.1.4.1.99.2"), QStringLiteral("n"), SYN_INTEGER, ACC_READONLY);
        vars.Item(0).valueText = value;
        vars.Item(1).valueText = QStringLiteral("7");
        Tolerating([&] {
            const QString filter = QvExpr::SubstituteVars(text, true, QStringLiteral("$"), vars);
            QvExpr::Test(filter);
        });
        Tolerating([&] { QvExpr::ResultText(QvExpr::Evaluate(QvExpr::SubstituteVars(text, false, QStringLiteral("$"), vars)), SYN_INTEGER); });
        break;
    }
    }
    return 0;
}
