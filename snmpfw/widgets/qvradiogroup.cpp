#include "qvradiogroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

QvRadioGroup::QvRadioGroup(QWidget *parent) : QvRadioGroup(QString(), parent) {}

QvRadioGroup::QvRadioGroup(const QString &title, QWidget *parent)
    : QGroupBox(title, parent), m_group(new QButtonGroup(this)), m_layout(new QGridLayout(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

void QvRadioGroup::setItems(const QStringList &items)
{
    const int before = itemIndex();
    m_items = items;
    rebuild();
    if (before >= 0)
        emit itemIndexChanged(-1);
}

void QvRadioGroup::addItem(const QString &text)
{
    const int index = int(m_items.size());
    m_items.append(text);
    auto *b = new QRadioButton(text, this);
    m_group->addButton(b, index);
    m_layout->addWidget(b, index / m_columns, index % m_columns);
}

void QvRadioGroup::clearItems()
{
    setItems({});
}

QString QvRadioGroup::itemText(int index) const
{
    return index >= 0 && index < m_items.size() ? m_items.at(index) : QString();
}

QRadioButton *QvRadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton *>(m_group->button(index));
}

int QvRadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void QvRadioGroup::setItemIndex(int index)
{
    if (index == itemIndex())
        return;
    if (QAbstractButton *b = m_group->button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button; lift that for the moment.
    if (QAbstractButton *checked = m_group->checkedButton()) {
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
        emit itemIndexChanged(-1);
    }
}

void QvRadioGroup::setColumns(int columns)
{
    columns = qMax(1, columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    for (int i = 0; i < m_items.size(); ++i) {
        QAbstractButton *b = m_group->button(i);
        m_layout->removeWidget(b);
        m_layout->addWidget(b, i / m_columns, i % m_columns);
    }
}

void QvRadioGroup::rebuild()
{
    const QList<QAbstractButton *> old = m_group->buttons();
    for (QAbstractButton *b : old) {
        m_group->removeButton(b);
        delete b;
    }
    for (int i = 0; i < m_items.size(); ++i) {
        auto *b = new QRadioButton(m_items.at(i), this);
        m_group->addButton(b, i);
        m_layout->addWidget(b, i / m_columns, i % m_columns);
    }
}
