#pragma once

#include <QWidget>

#include "engine/unpatch.h"

class QPushButton;
class QRadioButton;

namespace quernel {

class OutputBox;
class PlainTextBox;

// The program's one window: the input box Text1, the format choice Option1 / Option2, the button
// Command1 and the output box Text2, placed at fixed positions. Pressing Command1 converts the
// text of Text1 and puts the result into Text2; nothing else runs code of the program's own.
class Form1 : public QWidget {
public:
    // The window's caption, also the title of every message the program shows.
    static constexpr const char* kCaption = "Quernel v1.1";

    explicit Form1(QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Command1Click();
    void RunInto(UnpatchMode mode);
    void ShowFailure(const UnpatchFailure& failure);

    PlainTextBox* text1_;
    OutputBox* text2_;
    QPushButton* command1_;
    QRadioButton* option1_;
    QRadioButton* option2_;
};

}  // namespace quernel
