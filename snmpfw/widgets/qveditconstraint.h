// Input constraints on line edits, written as compact strings such as "%i{n1x4094}" (an integer
// from 1 to 4094) or "%s{l32}" (at most 32 characters). A constraint configures the edit (width,
// maximum length), filters every change of its text (a forbidden character is removed again
// with a beep; a separator character or a full field moves the focus on) and validates the text
// when the focus leaves the edit (a violation shows a message, restores the last accepted text
// and puts the focus back).
//
// Specifier: "%" conversion [ "{" flags "}" ], conversion one of f h i s u, or n followed by the
// delimiter of a number list; flags n<number> (minimum), x<number> (maximum), l<digits>[a|f|n]...
// (length, auto-advance, exact, not empty), w<digits> (width in pixels), e<char> (next-field
// character). Malformed specifiers raise the common catalogue's entry 2 as code -2.
//
// The edit's previous change and exit handlers (QvEditHooks) are kept and chained to; a
// previous handler vetoes what follows it by setting the edit's tag (QvTag) to -1.
#pragma once

#include "qvedithooks.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

class QLineEdit;
class QWidget;

enum QvConstraintOption : quint8 {
    ECO_AUTOADVANCE = 1,  // move on once the text reaches the length
    ECO_EXACTLENGTH = 2,  // the length is exact, not a maximum
    ECO_NOTEMPTY = 4,     // an empty text is refused
};

struct EditConstraint_s {
    QPointer<QLineEdit> edit;
    char conversion = 0;  // f h i s u n
    QChar delimiter;      // n only
    double minimum = 0;
    double maximum = 0;
    qint32 length = 0;    // 0: no length rule
    quint8 options = 0;   // QvConstraintOption bits
    QChar nextField;      // null: none
    int width = 0;        // pixels; 0: leave the edit's width
    QString lastAccepted;
    QvEditHandler previousChange;
    QvEditHandler previousExit;
};

class QvEditConstraint {
public:
    // owner: the window owning the message boxes and the focus moves (null: the edit's window).
    // remember: a text that passes the exit check becomes the edit's last accepted text.
    explicit QvEditConstraint(QWidget *owner, bool remember = true);
    // Gives every edit that still exists its previous handlers back.
    ~QvEditConstraint();
    QvEditConstraint(const QvEditConstraint &) = delete;
    QvEditConstraint &operator=(const QvEditConstraint &) = delete;

    // Parses one specifier; the edit-related fields of the result stay empty. Raises -2.
    static EditConstraint_s Parse(const QString &specifier);

    // Parses specifier and attaches it to edit, replacing a constraint this instance attached to
    // it before. Raises -2 (nothing changes then).
    void Attach(const QString &specifier, QLineEdit *edit);
    // One specifier per edit, in order: "%i{n1x10}%s{l8}". Every piece is checked before the
    // first is attached; text outside specifiers raises -2, too few edits raise -522.
    void AttachEach(const QString &format, const QList<QLineEdit *> &edits);
    // Creates on panel a row of labels (for the literal text, "%%" for a percent sign) and
    // constrained edits (one per specifier), left to right, 1 pixel apart, tab order in the same
    // order; appends the edits to edits when given. A malformed specifier raises -2 and leaves
    // the panel and the list as they were.
    void BuildEdits(QWidget *panel, const QString &format, QList<QLineEdit *> *edits = nullptr);
    // Gives the edit its previous handlers back and forgets it.
    void Detach(QLineEdit *edit);

    // The handlers installed on constrained edits.
    void EditChange(QLineEdit *edit);
    void EditExit(QLineEdit *edit);

    QWidget *owner() const { return m_owner; }
    // Dialogs that borrow the constrained edits hand the owner over while they are open.
    void SetOwner(QWidget *owner) { m_owner = owner; }
    bool remember() const { return m_remember; }
    // The edit's record, or null.
    const EditConstraint_s *Find(const QLineEdit *edit) const;
    int Count() const { return int(m_records.size()); }

private:
    EditConstraint_s *record(const QLineEdit *edit);
    void attachParsed(EditConstraint_s parsed, QLineEdit *edit);
    void postFocusNext(QLineEdit *edit);
    void reportError(QLineEdit *edit, const QString &message);
    void restoreText(QLineEdit *edit, const QString &text);
    QWidget *ownerFor(QLineEdit *edit) const;

    QPointer<QWidget> m_owner;
    bool m_remember;
    std::vector<std::unique_ptr<EditConstraint_s>> m_records;
    // Context of posted focus moves: dropped with this instance, so none runs after it is gone.
    std::unique_ptr<QObject> m_context;
    QList<QPointer<QLineEdit>> m_pendingMoves;
};
