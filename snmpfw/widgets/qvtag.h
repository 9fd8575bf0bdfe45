// A control's tag: one integer per widget that handlers use to talk to each other (a change or
// exit handler sets -1 to veto the checks that follow it). Kept as a dynamic property so that
// any widget carries one without subclassing.
#pragma once

#include <QObject>
#include <QVariant>

inline constexpr char QvTagProperty[] = "qvTag";

inline int QvTag(const QObject *object)
{
    return object ? object->property(QvTagProperty).toInt() : 0;
}

inline void QvSetTag(QObject *object, int tag)
{
    if (object)
        object->setProperty(QvTagProperty, tag);
}
