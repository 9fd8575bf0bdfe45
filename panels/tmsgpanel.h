// The strip at the bottom of a generated panel whose memo receives the report lines.
#pragma once

#include <QWidget>

class QPlainTextEdit;

class TMsgPanel : public QWidget {
    Q_OBJECT
public:
    explicit TMsgPanel(QWidget *parent = nullptr);

    static constexpr int StripHeight = 50;
    QPlainTextEdit *Memo;
};
