// The framework code a call throws (0 when it returns), with the exception's text if asked.
#pragma once

#include "qvsnmpexception.h"

#include <QString>

#include <functional>

inline int thrownCode(const std::function<void()> &call, QString *text = nullptr)
{
    try {
        call();
    } catch (const QvSNMPException &e) {
        if (text)
            *text = e.text();
        return e.code();
    }
    return 0;
}
