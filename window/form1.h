#pragma once

#include <QWidget>

#include "engine/unpatch.h"

class QPlainTextEdit;
class QRadioButton;

namespace quernel {

// The program's one window: the input box Text1, the format choice Option1 / Option2, the button
// Command1 and the output box Text2, placed at fixed positions. Pressing Command1 converts the
// text of Text1 and puts the result into Text2; nothing else runs code of the program's own.
class Form1 : public QWidget {
public:
    // The window's caption, also the title of every message the program shows.
    static constexpr const char* kCaption = "Quernel v1.1";

    explicit Form1(QWidget* parent = nullptr);

private:
    void Command1Click();
    void RunInto(UnpatchMode mode);

    QPlainTextEdit* text1_;
    QPlainTextEdit* text2_;
    QRadioButton* option1_;
    QRadioButton* option2_;
};

}  // namespace quernel
