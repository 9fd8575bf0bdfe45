// The edit constraint language and the edit checks: a specifier parsed and attached to an edit,
// then a text typed into it and the focus leaving it.
#include "fuzz_support.h"
#include "qveditconstraint.h"
#include "qvmessage.h"

#include <QApplication>
#include <QLineEdit>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    // Messages and beeps go nowhere: a modal box would wait for ever.
    QvSetMessageHook([](QWidget *, const QString &, const QString &, QMessageBox::StandardButtons) {
        return QMessageBox::Ok;
    });
    QvSetBeepHook([](int, int) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzCursor in(data, size);
    const QString specifier = QString::fromLatin1(in.bytes(40));
    const QString typed = QString::fromLatin1(in.rest());
    Tolerating([&] { QvEditConstraint::Parse(specifier); });
    Tolerating([&] {
        QWidget owner;
        QvEditConstraint constraints(&owner);
        QLineEdit edit(&owner);
        constraints.Attach(specifier, &edit);
        edit.setText(typed);
        constraints.EditChange(&edit);
        constraints.EditExit(&edit);
        QList<QLineEdit *> built;
        constraints.BuildEdits(&owner, specifier + QStringLiteral(".") + specifier, &built);
        for (QLineEdit *e : built) {
            e->setText(typed);
            constraints.EditExit(e);
        }
    });
    return 0;
}
