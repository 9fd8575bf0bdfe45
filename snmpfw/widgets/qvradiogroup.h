// A titled group of mutually exclusive radio buttons addressed by index, the way option lists
// and bindings use it: a list of item captions and the index of the checked one (-1: none).
// Buttons are laid out in the given number of columns, filled row by row.
#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

class QvRadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit QvRadioGroup(QWidget *parent = nullptr);
    explicit QvRadioGroup(const QString &title, QWidget *parent = nullptr);

    QStringList items() const { return m_items; }
    void setItems(const QStringList &items);
    void addItem(const QString &text);
    void clearItems();
    int count() const { return int(m_items.size()); }
    QString itemText(int index) const;
    QRadioButton *button(int index) const;

    int itemIndex() const;
    // Out of range, -1 included: no button checked.
    void setItemIndex(int index);

    int columns() const { return m_columns; }
    void setColumns(int columns);

signals:
    // Sent when the checked button changes, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    void rebuild();

    QStringList m_items;
    int m_columns = 1;
    QButtonGroup *m_group;
    QGridLayout *m_layout;
};
