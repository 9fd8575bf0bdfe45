// Edit constraints on real line edits in a shown, active window (offscreen): parsing, typing
// filters, exit checks with their messages, focus moves, handler chaining and the tag veto.
#include "qveditconstraint.h"
#include "qvmessage.h"
#include "qvsnmpexception.h"
#include "qvtag.h"
#include "thrown_code.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

const char BadFormat[] = "Bad format specifier of edit's constraint!";

struct Shown {
    QWidget *owner;
    QString caption;
    QString text;
};

class ConstraintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto *layout = new QVBoxLayout(&window);
        for (QLineEdit *&e : edits) {
            e = new QLineEdit(&window);
            layout->addWidget(e);
        }
        QvSetMessageHook([this](QWidget *owner, const QString &text, const QString &caption,
                                QMessageBox::StandardButtons) {
            shown.push_back({owner, caption, text});
            return QMessageBox::Ok;
        });
        QvSetBeepHook([this](int hz, int ms) {
            EXPECT_EQ(hz, 1000);
            EXPECT_EQ(ms, 200);
            ++beeps;
        });
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edits[0]->setFocus();
        QCoreApplication::processEvents();
        ASSERT_TRUE(edits[0]->hasFocus());
    }
    void TearDown() override
    {
        QvSetMessageHook({});
        QvSetBeepHook({});
    }
    // Leaves edit 0 for edit 1 the way Tab does.
    void leaveFirst() { edits[1]->setFocus(Qt::TabFocusReason); }
    QStringList messages() const
    {
        QStringList out;
        for (const Shown &s : shown)
            out.append(s.text);
        return out;
    }

    QWidget window;
    QLineEdit *edits[3] = {};
    std::vector<Shown> shown;
    int beeps = 0;
};

// Types text into edit key by key; Latin-1 letters beyond ASCII arrive as text-only key events.
void type(QLineEdit *edit, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

TEST_F(ConstraintTest, MalformedSpecifiersRaiseMinusTwoAndAttachNothing)
{
    const char *rows[] = {
        "",             // too short
        "%",            // too short
        "i{n1}",        // no "%"
        "%d",           // unknown conversion
        "%I",           // conversions are lower case
        "%n",           // list without delimiter
        "%n5",          // a digit cannot delimit digits
        "%ix",          // text after the conversion that is no group
        "%i{",          // group never closed
        "%i{n1",        // group never closed
        "%i}",          // closing brace without group
        "%i{n1}x",      // group not at the end
        "%i{q}",        // unknown flag
        "%i{N1}",       // flags are lower case
        "%s{e}",        // e before the closing brace
        "%s{l}",        // l without digits
        "%s{w}",        // w without digits
        "%s{wx}",       // w without digits
        "%i{n}",        // n without number
        "%i{x}",        // x without number
        "%i{nx5}",      // n without number
        "%i{n1-2}",     // number run that is no number
        "%i{x--}",      // number run that is no number
        "%i{l99999999999}",  // length beyond 32 bits
        "%i{l3n5}",     // n taken as l's option, then a stray digit
        "%i{{}}",       // brace is no flag
        "%i %s",        // two specifiers in one
    };
    edits[0]->setMaxLength(77);
    QvEditConstraint c(&window);
    for (const char *spec : rows) {
        SCOPED_TRACE(spec);
        QString text;
        EXPECT_EQ(thrownCode([&] { c.Attach(QString::fromLatin1(spec), edits[0]); }, &text), -2);
        EXPECT_EQ(text, QLatin1String(BadFormat));
    }
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(edits[0]->maxLength(), 77);
    QTest::keyClicks(edits[0], "a-1");
    EXPECT_EQ(edits[0]->text(), "a-1");
}

TEST_F(ConstraintTest, WellFormedSpecifiersReadTheirFlags)
{
    struct Row {
        const char *spec;
        char conversion;
        double minimum, maximum;
        int length, options, width;
        QChar nextField, delimiter;
    };
    const Row rows[] = {
        {"%i", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, {}, {}},
        {"%i{}", 'i', -2147483648.0, 2147483647.0, 0, 0, 0, {}, {}},
        {"%u", 'u', 0, 4294967295.0, 0, 0, 0, {}, {}},
        {"%f", 'f', -1.7976931348623157E+308, 1.7976931348623157E+308, 0, 0, 0, {}, {}},
        {"%i{n1x4094}", 'i', 1, 4094, 0, 0, 0, {}, {}},
        {"%i{x839n-779}", 'i', -779, 839, 0, 0, 0, {}, {}},
        {"%f{n-.5x2.}", 'f', -0.5, 2, 0, 0, 0, {}, {}},
        {"%i{n1n5}", 'i', 5, 2147483647.0, 0, 0, 0, {}, {}},
        {"%i{n10x1000000l7a}", 'i', 10, 1000000, 7, ECO_AUTOADVANCE, 0, {}, {}},
        {"%s{l3fna}", 's', 0, 0, 3, ECO_AUTOADVANCE | ECO_EXACTLENGTH | ECO_NOTEMPTY, 0, {}, {}},
        {"%s{l3aa}", 's', 0, 0, 3, ECO_AUTOADVANCE, 0, {}, {}},
        {"%s{l3fl5}", 's', 0, 0, 5, 0, 0, {}, {}},
        {"%i{w30n0x255l3}", 'i', 0, 255, 3, 0, 30, {}, {}},
        {"%h{e}}", 'h', 0, 0, 0, 0, 0, QLatin1Char('}'), {}},
        {"%n.{l4f}", 'n', 0, 4294967295.0, 4, ECO_EXACTLENGTH, 0, {}, QLatin1Char('.')},
        {"%n:", 'n', 0, 4294967295.0, 0, 0, 0, {}, QLatin1Char(':')},
        {"%s{e\xe9}", 's', 0, 0, 0, 0, 0, QChar(0xe9), {}},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.spec);
        const EditConstraint_s p = QvEditConstraint::Parse(QString::fromLatin1(r.spec));
        EXPECT_EQ(p.conversion, r.conversion);
        EXPECT_EQ(p.minimum, r.minimum);
        EXPECT_EQ(p.maximum, r.maximum);
        EXPECT_EQ(p.length, r.length);
        EXPECT_EQ(p.options, r.options);
        EXPECT_EQ(p.width, r.width);
        EXPECT_EQ(p.nextField, r.nextField);
        EXPECT_EQ(p.delimiter, r.delimiter);
    }
}

TEST_F(ConstraintTest, AttachSetsWidthAndMaximumLength)
{
    const struct {
        const char *spec;
        int maxLength;
        int width;  // 0: left as it was
    } rows[] = {
        {"%s{l32}", 32, 0},
        {"%i{w30n0x255l3}", 3, 30},
        {"%i{w0}", 32767, 0},
        {"%n.{l4f}", 32767, 0},  // counts numbers, not characters
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.spec);
        QLineEdit edit;
        edit.setMaxLength(5);
        edit.resize(77, 20);
        QvEditConstraint c(&window);
        c.Attach(QString::fromLatin1(r.spec), &edit);
        EXPECT_EQ(edit.maxLength(), r.maxLength);
        EXPECT_EQ(edit.width(), r.width ? r.width : 77);
    }
}

TEST_F(ConstraintTest, TypingKeepsOnlyWhatTheConversionAllows)
{
    const struct {
        const char *spec;
        const char *typed;  // through the keyboard, or set by code when prefixed by "="
        const char *result;
        int beeps;
    } rows[] = {
        {"%i{n1x4094}", "12a", "12", 1},
        {"%i{n-779x839}", "-5", "-5", 0},
        {"%i{n-779x839}", "5-", "5", 1},
        {"%i", "--1", "-1", 1},
        {"%u", "-12", "12", 1},
        {"%f", "-1.5.2", "-1.52", 1},
        {"%f", ".5-", ".5", 1},
        {"%h", "0aFgZ9", "0aF9", 2},
        {"%h", "\xe9" "1", "1", 1},
        {"%s", "a-b.c \xe9\xff", "a-b.c \xe9\xff", 0},
        {"%n.", "1..2", "1.2", 1},
        {"%n.", ".1", "1", 1},
        {"%n-", "1-2-", "1-2-", 0},
        {"%n-", "1.2", "12", 1},
        {"%s{l4}", "abcdef", "abcd", 0},
        {"%i", "=12a3b", "123", 2},
        {"%u", "=(NULL)", "(NULL)", 0},
        {"%u", "=(NOTDONE)", "(NOTDONE)", 0},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.spec) + " " + r.typed);
        QvEditConstraint c(&window);
        edits[0]->clear();
        c.Attach(QString::fromLatin1(r.spec), edits[0]);
        beeps = 0;
        const QString typed = QString::fromLatin1(r.typed);
        if (typed.startsWith(QLatin1Char('=')))
            edits[0]->setText(typed.mid(1));
        else
            type(edits[0], typed);
        EXPECT_EQ(edits[0]->text(), QString::fromLatin1(r.result));
        EXPECT_EQ(beeps, r.beeps);
        c.Detach(edits[0]);
    }
    EXPECT_TRUE(shown.empty());
}

TEST_F(ConstraintTest, RejectedCharacterKeepsTheCursorWhereTyped)
{
    QvEditConstraint c(&window);
    c.Attach("%u", edits[0]);
    QTest::keyClicks(edits[0], "13");
    edits[0]->setCursorPosition(1);
    QTest::keyClicks(edits[0], "x2");
    EXPECT_EQ(edits[0]->text(), "123");
}

TEST_F(ConstraintTest, ExitCheckReportsViolationsRestoresAndKeepsFocus)
{
    const struct {
        const char *spec;
        const char *text;
        const char *message;  // null: passes
    } rows[] = {
        {"%i{n1x4094}", "0", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "4095", "Please enter a number between 1 and 4094!"},
        {"%i{n1x4094}", "1", nullptr},
        {"%i{n1x4094}", "4094", nullptr},
        {"%i{n-779x839}", "-5", nullptr},
        {"%i{n0x2147483647l10}", "2147483648", "Please enter a number between 0 and 2147483647!"},
        {"%i", "-", "Please enter a number between -2147483648 and 2147483647!"},
        {"%u", "4294967296", "Please enter a number between 0 and 4294967295!"},
        {"%f{n0.5x1.5}", "1.75", "Please enter a number between 0.5 and 1.5!"},
        {"%f", ".", "Please enter a number between -1.79769313486232e+308 and 1.79769313486232e+308!"},
        {"%f{n0.5x1.5}", "1.", nullptr},
        {"%s{l32}", "", nullptr},
        {"%i{n1x5}", "", nullptr},
        {"%i{l2n}", "", "Empty value is not allowed!"},
        {"%s{l4f}", "abc", "Please enter a string whose length is 4!"},
        {"%s{l4f}", "abcd", nullptr},
        {"%s{l4}", "abcd", nullptr},
        {"%h{l4f}", "abc", "Please enter a hex string whose length is 4!"},
        {"%n.{l4f}", "1.2.3", "Please enter a delimited number string with delimiter '.'.\nHere,the count of the number "
                              "is equal to 4!"},
        {"%n.{l4f}", "1.2.3.4", nullptr},
        {"%n.{l2}", "1.2.3", "Please enter a delimited number string with delimiter '.'.\nHere,the count of the number "
                             "is less than 2!"},
        {"%n.{l2}", "1.2", nullptr},
        {"%n.{x255}", "1.256", "Please enter a delimited number string with delimiter '.'.\nHere,each number is between 0 "
                               "and 255!"},
        // 4294967301 wraps to 5 in 32 bits; it must still count as out of range.
        {"%n.{x255}", "1.4294967301", "Please enter a delimited number string with delimiter '.'.\nHere,each number is "
                                      "between 0 and 255!"},
        {"%n.{n-5x3}", "0.3", nullptr},
        {"%n:{n2x3}", "2:", "Please enter a delimited number string with delimiter ':'.\nHere,each number is between 2 "
                              "and 3!"},
        {"%i{n1x5}", "(NULL)", nullptr},
    };
    const QString caption = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    // The next edit refuses to be empty: putting the focus back must not count as leaving it.
    QvEditConstraint next(&window);
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.spec) + " " + r.text);
        QvEditConstraint c(&window);
        edits[0]->clear();
        c.Attach(QString::fromLatin1(r.spec), edits[0]);
        next.Detach(edits[1]);
        edits[0]->setFocus();
        next.Attach("%i{l2n}", edits[1]);
        edits[0]->setText(QString::fromLatin1(r.text));
        shown.clear();
        leaveFirst();
        if (r.message) {
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].text, QString::fromLatin1(r.message));
            EXPECT_EQ(shown[0].owner, &window);
            EXPECT_EQ(shown[0].caption, caption);
            EXPECT_EQ(edits[0]->text(), "");  // nothing accepted yet
            EXPECT_TRUE(edits[0]->hasFocus());
        } else {
            EXPECT_TRUE(shown.empty());
            EXPECT_EQ(edits[0]->text(), QString::fromLatin1(r.text));
            EXPECT_TRUE(edits[1]->hasFocus());
        }
        c.Detach(edits[0]);
    }
}

TEST_F(ConstraintTest, LastAcceptedTextComesBackOnlyWhenRemembered)
{
    for (const bool remember : {true, false}) {
        SCOPED_TRACE(remember);
        QvEditConstraint c(&window, remember);
        edits[0]->clear();
        c.Attach("%i{n1x4094}", edits[0]);
        edits[0]->setFocus();
        QTest::keyClicks(edits[0], "100");
        leaveFirst();
        EXPECT_TRUE(shown.empty());
        edits[0]->setFocus();
        edits[0]->setText("0");
        leaveFirst();
        EXPECT_EQ(messages(), QStringList{"Please enter a number between 1 and 4094!"});
        EXPECT_EQ(edits[0]->text(), remember ? "100" : "");
        shown.clear();
        c.Detach(edits[0]);
    }
}

TEST_F(ConstraintTest, LeavingForAnotherWindowIsNoExit)
{
    QvEditConstraint c(&window);
    c.Attach("%i{n1x5}", edits[0]);
    edits[0]->setText("9");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(edits[0]->text(), "9");
}

TEST_F(ConstraintTest, FocusMovesOnAfterTheHandlerAndOnlyWhileTyping)
{
    const struct {
        const char *spec;
        const char *typed;  // "=" prefix: set by code while the edit has the focus
        const char *result;
    } rows[] = {
        {"%i{n10x1000000l7a}", "1000000", "1000000"},
        {"%i{e.}", "12.", "12"},
        {"%s{e/}", "a/", "a"},
        // the separator completes the field too: one move, not two
        {"%i{l3ae.}", "=123.", "123"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(std::string(r.spec) + " " + r.typed);
        QvEditConstraint c(&window);
        for (QLineEdit *e : edits)
            e->clear();
        c.Attach(QString::fromLatin1(r.spec), edits[0]);
        edits[0]->setFocus();
        const QString typed = QString::fromLatin1(r.typed);
        if (typed.startsWith(QLatin1Char('='))) {
            edits[0]->setText(typed.mid(1));
        } else {
            QTest::keyClicks(edits[0], typed.left(typed.size() - 1));
            EXPECT_TRUE(edits[0]->hasFocus());
            QTest::keyClicks(edits[0], typed.right(1));
        }
        // Posted, not performed inside the handler.
        EXPECT_TRUE(edits[0]->hasFocus());
        QCoreApplication::processEvents();
        EXPECT_TRUE(edits[1]->hasFocus());
        EXPECT_EQ(edits[0]->text(), QString::fromLatin1(r.result));
        EXPECT_TRUE(shown.empty());
    }

    // A full value filled in by code while another control has the focus moves nothing.
    QvEditConstraint c(&window);
    c.Attach("%i{l3a}", edits[0]);
    edits[2]->setFocus();
    edits[0]->setText("123");
    QCoreApplication::processEvents();
    EXPECT_TRUE(edits[2]->hasFocus());
}

TEST_F(ConstraintTest, BuildEditsLaysOutLabelsAndEditsInOneRow)
{
    const struct {
        const char *format;
        const char *layout;  // L<caption> or E<fixed width>, left to right; E*: width not fixed
    } rows[] = {
        {"%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}%i{w30n0x255l3}", "E30 E30 E30 E30"},
        {"IP %i{w30}.%i{w30}", "LIP  E30 L. E30"},
        {"%n.{w40}%%%i{w25}end", "E40 L% E25 Lend"},
        {"%u", "E*"},
        {"%i{w20}%%", "E20 L%"},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.format);
        QFrame panel(&window);
        panel.setFrameShape(QFrame::Box);
        panel.show();
        QList<QLineEdit *> list{edits[2]};
        QvEditConstraint c(&window);
        c.BuildEdits(&panel, QString::fromLatin1(r.format), &list);
        EXPECT_EQ(panel.frameShape(), QFrame::NoFrame);

        QStringList got;
        int x = 0;
        QList<QLineEdit *> created;
        for (QObject *o : panel.children()) {
            auto *w = qobject_cast<QWidget *>(o);
            if (!w)
                continue;
            EXPECT_EQ(w->x(), x);
            EXPECT_EQ(w->y(), 0);
            EXPECT_FALSE(w->isHidden());
            x += w->width() + 1;
            if (auto *l = qobject_cast<QLabel *>(w)) {
                got.append("L" + l->text());
            } else if (auto *e = qobject_cast<QLineEdit *>(w)) {
                const bool fixed = e->minimumWidth() == e->maximumWidth();
                got.append("E" + (fixed ? QString::number(e->width()) : QString("*")));
                created.append(e);
                EXPECT_NE(c.Find(e), nullptr);
            }
        }
        EXPECT_EQ(got.join(' '), QString::fromLatin1(r.layout));
        EXPECT_EQ(list, QList<QLineEdit *>{edits[2]} + created);
        // Tab walks the edits in the order they were built.
        if (!created.isEmpty())
            created[0]->setFocus();
        for (int k = 0; k + 1 < created.size(); ++k) {
            EXPECT_TRUE(created[k]->hasFocus()) << k;
            QTest::keyClick(created[k], Qt::Key_Tab);
        }
        if (!created.isEmpty()) {
            EXPECT_TRUE(created.last()->hasFocus());
        }
    }
}

TEST_F(ConstraintTest, BuildEditsAddressBoxesAdvanceAsTyped)
{
    QFrame panel(&window);
    window.layout()->addWidget(&panel);
    QList<QLineEdit *> boxes;
    QvEditConstraint c(&window);
    // Auto-advance needs the a option; without it a full box just stops taking digits.
    c.BuildEdits(&panel, "%i{w30n0x255l3a}%i{w30n0x255l3a}%i{w30n0x255l3a}%i{w30n0x255l3}", &boxes);
    ASSERT_EQ(boxes.size(), 4);
    panel.show();
    boxes[0]->setFocus();
    ASSERT_TRUE(boxes[0]->hasFocus());
    for (int k = 0; k < 3; ++k) {
        QTest::keyClicks(boxes[k], "192");
        QCoreApplication::processEvents();
        EXPECT_TRUE(boxes[k + 1]->hasFocus()) << k;
    }
    QTest::keyClicks(boxes[3], "2555");
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes[3]->text(), "255");
    EXPECT_TRUE(boxes[3]->hasFocus());
}

TEST_F(ConstraintTest, MalformedRowOrListAttachesNothing)
{
    const struct {
        const char *format;
        bool build;  // BuildEdits, else AttachEach over edits 0 and 1
        int code;
    } rows[] = {
        {"IP %i{w30}.%d", true, -2},
        {"%i{w30}%i{w30", true, -2},
        {"%i{n1x10}abc%s", false, -2},  // literal text between specifiers
        {"abc%i", false, -2},
        {"%i%q", false, -2},
        {"%i%s%u", false, -522},  // three pieces, two edits
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.format);
        QFrame panel(&window);
        QList<QLineEdit *> list;
        QvEditConstraint c(&window);
        EXPECT_EQ(thrownCode([&] {
                      if (r.build)
                          c.BuildEdits(&panel, QString::fromLatin1(r.format), &list);
                      else
                          c.AttachEach(QString::fromLatin1(r.format), {edits[0], edits[1]});
                  }),
                  r.code);
        EXPECT_EQ(c.Count(), 0);
        EXPECT_TRUE(panel.children().isEmpty());
        EXPECT_TRUE(list.isEmpty());
    }
    QvEditConstraint c(&window);
    c.AttachEach("%i{n1x10}%s{l8}", {edits[0], edits[1], edits[2]});
    EXPECT_EQ(c.Count(), 2);
    EXPECT_EQ(edits[1]->maxLength(), 8);
    EXPECT_EQ(c.Find(edits[2]), nullptr);
}

TEST_F(ConstraintTest, PreviousHandlersAreChainedAndCanVeto)
{
    const struct {
        bool vetoChange, vetoExit;
    } rows[] = {{false, false}, {true, false}, {false, true}};
    for (const auto &r : rows) {
        SCOPED_TRACE(testing::Message() << r.vetoChange << r.vetoExit);
        for (QLineEdit *e : edits)
            e->clear();
        QvSetTag(edits[0], 0);
        QStringList changes;
        int exits = 0;
        QvEditHooks *hooks = QvEditHooks::of(edits[0]);
        hooks->setOnChange([&](QLineEdit *e) {
            changes.append(e->text());
            QvSetTag(e, r.vetoChange ? -1 : 0);
        });
        hooks->setOnExit([&](QLineEdit *e) {
            ++exits;
            QvSetTag(e, r.vetoExit ? -1 : 0);
        });
        {
            QvEditConstraint c(&window);
            c.Attach("%i{n1x50l2a}", edits[0]);
            edits[0]->setFocus();
            QTest::keyClicks(edits[0], "2x");   // x is rejected before the chain
            QTest::keyClicks(edits[0], "0");
            QCoreApplication::processEvents();
            // The corrected text fires the check again; the rejected one never reaches the chain.
            EXPECT_EQ(changes, QStringList({"2", "2", "20"}));
            // The veto stops the auto-advance that would follow; without it the focus moves
            // on, which is an exit.
            EXPECT_EQ(edits[1]->hasFocus(), !r.vetoChange);
            if (r.vetoChange)
                leaveFirst();
            EXPECT_EQ(exits, 1);
            EXPECT_TRUE(shown.empty());
            // An exit veto falls back to the last accepted text, empty so far.
            EXPECT_EQ(edits[0]->text(), r.vetoExit ? "" : "20");

            // A failing check does not reach the previous exit handler.
            edits[0]->setFocus();
            edits[0]->setText("99");
            leaveFirst();
            EXPECT_EQ(exits, 1);
            EXPECT_EQ(shown.size(), 1u);
            shown.clear();
        }
        QvSetTag(edits[0], 0);
        hooks->setOnChange({});
        hooks->setOnExit({});
    }
}

TEST_F(ConstraintTest, DetachAndDestructionGiveThePreviousHandlersBack)
{
    for (const bool destroy : {false, true}) {
        SCOPED_TRACE(destroy);
        edits[0]->clear();
        QStringList changes;
        int exits = 0;
        QvEditHooks *hooks = QvEditHooks::of(edits[0]);
        hooks->setOnChange([&](QLineEdit *e) { changes.append(e->text()); });
        hooks->setOnExit([&](QLineEdit *) { ++exits; });
        auto c = std::make_unique<QvEditConstraint>(&window);
        c->Attach("%u", edits[0]);
        c->Attach("%h{l2n}", edits[0]);  // replaces, does not stack
        EXPECT_EQ(c->Count(), 1);
        if (destroy)
            c.reset();
        else
            c->Detach(edits[0]);
        QTest::keyClicks(edits[0], "-z");
        EXPECT_EQ(edits[0]->text(), "-z");
        EXPECT_EQ(changes, QStringList({"-", "-z"}));
        EXPECT_EQ(beeps, 0);
        edits[0]->setText("");
        edits[0]->setFocus();
        leaveFirst();
        EXPECT_EQ(exits, 1);
        EXPECT_TRUE(shown.empty());
        hooks->setOnChange({});
        hooks->setOnExit({});
    }
}

TEST_F(ConstraintTest, EditsGoneBeforeTheirConstraintAreForgotten)
{
    QvEditConstraint c(&window);
    auto *edit = new QLineEdit(&window);
    c.Attach("%u", edit);
    delete edit;
    EXPECT_EQ(c.Find(edit), nullptr);
    c.Detach(edit);
    c.Attach("%h", edits[0]);
    EXPECT_EQ(c.Count(), 1);
}

TEST_F(ConstraintTest, FailingPreviousHandlerIsReportedNotThrownIntoTheLoop)
{
    QvEditHooks::of(edits[0])->setOnChange([](QLineEdit *) { throw QvSNMPException(-517, "broken"); });
    QvEditConstraint c(&window);
    c.Attach("%u", edits[0]);
    QTest::keyClicks(edits[0], "7");
    EXPECT_EQ(messages(), QStringList{"broken"});
    EXPECT_EQ(edits[0]->text(), "7");
}

} // namespace

namespace {

// The real modal box: one message per violation (the box taking the focus from the next edit is
// no exit of that edit), and afterwards the focus is back in the edit.
TEST_F(ConstraintTest, RealMessageBoxIsModalAndReturnsTheFocus)
{
    QvSetMessageHook({});
    QStringList titles;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            titles.append(box->windowTitle());
            box->close();
        }
    });
    closer.start(10);
    QvEditConstraint c(&window);
    c.Attach("%i{n1x4094}", edits[0]);
    c.Attach("%i{l2n}", edits[1]);
    edits[0]->setText("0");
    leaveFirst();
    closer.stop();
    EXPECT_EQ(titles, QStringList{QFileInfo(QCoreApplication::applicationFilePath()).fileName()});
    // The edit is the window's focus again, which it gets once the window is active again.
    EXPECT_EQ(window.focusWidget(), edits[0]);
    EXPECT_EQ(edits[0]->text(), "");
}

} // namespace
