#pragma once

#include <QAbstractScrollArea>
#include <algorithm>
#include <cstddef>
#include <string>

#include "window/text_lines.h"

class QTextLayout;

namespace quernel {

// A read-only view of a large text: it holds the text itself (moved in, never copied) with an
// index of its lines, and lays out and paints only the lines in sight, so that millions of lines
// show at once. It offers what a user reads and copies with: both scroll bars, selection by mouse
// and keyboard, Copy and Select All (also in a context menu) and an accessible text interface.
// A key that would edit the text is not applied here: EditRequested hands it to the owner, which
// moves the text into an editor and applies the key there.
class LargeTextView : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit LargeTextView(QWidget* parent = nullptr);

    // Shows a text (UTF-8, lines broken at CR LF or a lone CR or LF) from its beginning, with the
    // caret at the start and nothing selected.
    void SetText(std::string text);
    const TextLines& Lines() const { return lines_; }
    // Gives the text back and leaves the view empty.
    std::string TakeText();

    // The caret and the other end of the selection, as byte offsets into the text.
    std::size_t Caret() const { return caret_; }
    std::size_t Anchor() const { return anchor_; }
    std::size_t SelectionStart() const { return std::min(anchor_, caret_); }
    std::size_t SelectionEnd() const { return std::max(anchor_, caret_); }
    void Select(std::size_t anchor, std::size_t caret);
    void SelectAll();
    // The selected text with each line break as '\n', as the clipboard takes it.
    QString SelectedText() const;
    void Copy() const;
    // The first line in sight.
    int FirstVisibleLine() const;

    // The range in pixels of the horizontal scroll bar; it grows when a wider line is painted.
    int ContentWidth() const { return content_width_; }

signals:
    // A key press or input method event that edits the text; the view has not applied it.
    void EditRequested(QEvent* event);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class LargeTextViewAccessible;

    // Takes the horizontal extent from the longest line and sets both scroll bars' ranges.
    void Measure();
    int LineHeight() const;
    int VisibleLines() const;
    void UpdateScrollBars();
    // Lays one line out in the view's font, ready to measure or draw.
    void LayOut(int line, QTextLayout* layout) const;
    std::size_t OffsetAt(QPoint viewport_point) const;
    // Where a caret at the offset stands, in the viewport's pixels.
    QRect CursorRect(std::size_t offset) const;
    void MoveCaret(std::size_t caret, bool keep_anchor);
    void EnsureVisible(std::size_t offset);
    std::size_t WordStart(std::size_t offset) const;
    std::size_t WordEnd(std::size_t offset) const;
    std::size_t LineMove(std::size_t offset, int lines);
    // Applies a navigation, selection or copy key; false when the key is none of those.
    bool Navigate(QKeyEvent* event);

    TextLines lines_;
    std::size_t caret_ = 0;
    std::size_t anchor_ = 0;
    int preferred_x_ = -1;  // kept while the caret moves up and down
    int content_width_ = 0;
};

}  // namespace quernel
