// Answers every message box shown while it lives, without showing one, and keeps what was asked.
#pragma once

#include "tmessagebox.h"

#include <QStringList>

#include <functional>

struct BoxAnswer {
    explicit BoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : BoxAnswer([answer](const QString &) { return answer; })
    {
    }
    // The answer may depend on the question.
    explicit BoxAnswer(std::function<QMessageBox::StandardButton(const QString &text)> answer)
    {
        previous = QvSetMessageHook([this, answer](QWidget *, const QString &text, const QString &caption,
                                                    QMessageBox::StandardButtons) {
            asked << text;
            captions << caption;
            return answer(text);
        });
    }
    ~BoxAnswer() { QvSetMessageHook(previous); }
    BoxAnswer(const BoxAnswer &) = delete;
    BoxAnswer &operator=(const BoxAnswer &) = delete;

    QStringList asked;
    QStringList captions;
    QvMessageHook previous;
};
