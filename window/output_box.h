#pragma once

#include <QWidget>
#include <string>

class QStackedLayout;
class QEvent;

namespace quernel {

class LargeTextView;
class PlainTextBox;

// The output box: to the rest of the program one text box whose whole text is read and replaced
// in one step. A text of up to kEditorLines lines (line breaks) shows in an editor; a longer one
// shows in a view that holds the text itself and lays out only what is in sight, so that any output
// shows at once. The first key that edits the view's text moves the text into the editor, keeping
// the caret, the selection and the scroll position, and applies the key there.
class OutputBox : public QWidget {
    Q_OBJECT

public:
    static constexpr int kEditorLines = 100'000;

    // editor_lines: the most line breaks that a text shown in the editor has.
    explicit OutputBox(QWidget* parent = nullptr, int editor_lines = kEditorLines);

    // The whole text, each line break as CR LF.
    std::string CodeListText() const;
    // Replaces the whole text and shows it from its beginning.
    void SetCodeListText(std::string text);

    PlainTextBox* Editor() const { return editor_; }
    LargeTextView* View() const { return view_; }
    bool ShowsView() const;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    void Show(QWidget* page);
    void MoveToEditor(QEvent* pending_edit);

    int editor_lines_;
    QStackedLayout* pages_;
    PlainTextBox* editor_;
    LargeTextView* view_;
};

}  // namespace quernel
