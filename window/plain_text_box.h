#pragma once

#include <QPlainTextEdit>

namespace quernel {

// A text box as the window's boxes are: no line wrapping, both scroll bars, Tab moving the focus
// on. What it copies (and drags, and offers as the X11 selection) is plain text only, the line
// breaks as '\n': the text is taken straight from the box, never through a rich-text copy.
class PlainTextBox : public QPlainTextEdit {
public:
    explicit PlainTextBox(QWidget* parent = nullptr);

    // Selects line `line` (1-based) of the box's code list text, where the box's paragraph and
    // in-paragraph line breaks both end a line; the caret goes to the line's start and the line
    // comes into sight. A line the text does not have selects nothing.
    void SelectCodeListLine(int line);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

}  // namespace quernel
