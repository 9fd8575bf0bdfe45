// Enumerations: integer, string or string-prefix values with their display labels, and the
// small number list. Lists referred to by descriptors are shared constant data.
#pragma once

#include "qvsnmptypes.h"

#include <QList>
#include <QString>

class QComboBox;
class QvRadioGroup;

struct QvOptionItem {
    qint32 value = 0;  // value type 1
    QString text;      // value types 2 and 3
    QString label;
};

class QvOptionList {
public:
    QvOptionList(const QvOptionDesc *table, quint32 valueType = OVT_INTEGER, bool caseSensitive = false);
    QvOptionList(const QvOptionStrDesc *table, quint32 valueType = OVT_STRING, bool caseSensitive = false);

    void Append(const QvOptionDesc *table);
    void Append(const QvOptionStrDesc *table);

    quint32 valueType() const { return m_valueType; }
    bool caseSensitive() const { return m_caseSensitive; }
    int Count() const { return m_items.size(); }
    const QvOptionItem &Item(int i) const { return m_items.at(i); }
    // The value of entry i as text: decimal for integer lists.
    QString ValueText(int i) const;

    int IndexOfLabel(const QString &text) const;
    int IndexOfValue(const QString &text) const;
    QString ValueToLabel(const QString &text) const;
    QString LabelToValue(const QString &text) const;

    // Combo boxes. Defined in the widget layer, so the core needs no widgets; radio groups
    // are served there through the same lookups.
    void FillItems(QComboBox *control) const;
    void SelectItem(QComboBox *control, const QString &text) const;
    void FillItems(QvRadioGroup *control) const;
    void SelectItem(QvRadioGroup *control, const QString &text) const;

private:
    quint32 m_valueType;
    bool m_caseSensitive;
    QList<QvOptionItem> m_items;
};

// Signed or unsigned 32-bit numbers parsed from delimited text.
template <typename T>
class QvNumListT {
public:
    explicit QvNumListT(char delimiter = '.') : delimiter(delimiter) {}
    void Parse(const QString &text);
    int Count() const { return numbers.size(); }
    int IndexOf(T number) const { return numbers.indexOf(number); }
    T at(int i) const { return numbers.at(i); }

    QList<T> numbers;
    char delimiter;
};
using QvNumList = QvNumListT<qint32>;
using QvUNumList = QvNumListT<quint32>;

// The three global name lists, alive for the whole program.
extern const QvOptionList ItemTypeNames;
extern const QvOptionList SyntaxNames;
extern const QvOptionList AccessNames;
