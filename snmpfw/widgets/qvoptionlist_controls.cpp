// The option list's control operations, kept in the widget layer so that the core needs no
// widgets: fill a combo box or radio group with the labels, select by label or value.
#include "qvoptionlist.h"
#include "qvradiogroup.h"

#include <QComboBox>

namespace {

int selectionIndex(const QvOptionList &list, const QString &text)
{
    const int byLabel = list.IndexOfLabel(text);
    return byLabel >= 0 ? byLabel : list.IndexOfValue(text);
}

QStringList labels(const QvOptionList &list)
{
    QStringList out;
    out.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        out.append(list.Item(i).label);
    return out;
}

} // namespace

void QvOptionList::FillItems(QComboBox *control) const
{
    if (!control)
        return;
    control->clear();
    control->addItems(labels(*this));
    // A fresh list shows no choice until a value selects one, as a radio group does.
    control->setCurrentIndex(-1);
}

void QvOptionList::SelectItem(QComboBox *control, const QString &text) const
{
    if (control)
        control->setCurrentIndex(selectionIndex(*this, text));
}

void QvOptionList::FillItems(QvRadioGroup *control) const
{
    if (control)
        control->setItems(labels(*this));
}

void QvOptionList::SelectItem(QvRadioGroup *control, const QString &text) const
{
    if (control)
        control->setItemIndex(selectionIndex(*this, text));
}
