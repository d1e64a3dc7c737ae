#include "window/large_text_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cctype>
#include <limits>

#include "window/large_text_view_accessible.h"
#include "window/line_breaks.h"

namespace quernel {

namespace {

// The space around the text, the same as a text box's document margin.
constexpr int kMargin = 4;

enum class Move {
    NextCharacter,
    PreviousCharacter,
    NextWord,
    PreviousWord,
    NextLine,
    PreviousLine,
    NextPage,
    PreviousPage,
    StartOfLine,
    EndOfLine,
    StartOfText,
    EndOfText,
};

struct MoveKey {
    QKeySequence::StandardKey key;
    Move move;
    bool select;
};

// clang-format off
constexpr MoveKey kMoveKeys[] = {
    {QKeySequence::MoveToNextChar,         Move::NextCharacter,     false},
    {QKeySequence::SelectNextChar,         Move::NextCharacter,     true},
    {QKeySequence::MoveToPreviousChar,     Move::PreviousCharacter, false},
    {QKeySequence::SelectPreviousChar,     Move::PreviousCharacter, true},
    {QKeySequence::MoveToNextWord,         Move::NextWord,          false},
    {QKeySequence::SelectNextWord,         Move::NextWord,          true},
    {QKeySequence::MoveToPreviousWord,     Move::PreviousWord,      false},
    {QKeySequence::SelectPreviousWord,     Move::PreviousWord,      true},
    {QKeySequence::MoveToNextLine,         Move::NextLine,          false},
    {QKeySequence::SelectNextLine,         Move::NextLine,          true},
    {QKeySequence::MoveToPreviousLine,     Move::PreviousLine,      false},
    {QKeySequence::SelectPreviousLine,     Move::PreviousLine,      true},
    {QKeySequence::MoveToNextPage,         Move::NextPage,          false},
    {QKeySequence::SelectNextPage,         Move::NextPage,          true},
    {QKeySequence::MoveToPreviousPage,     Move::PreviousPage,      false},
    {QKeySequence::SelectPreviousPage,     Move::PreviousPage,      true},
    {QKeySequence::MoveToStartOfLine,      Move::StartOfLine,       false},
    {QKeySequence::SelectStartOfLine,      Move::StartOfLine,       true},
    {QKeySequence::MoveToStartOfBlock,     Move::StartOfLine,       false},
    {QKeySequence::SelectStartOfBlock,     Move::StartOfLine,       true},
    {QKeySequence::MoveToEndOfLine,        Move::EndOfLine,         false},
    {QKeySequence::SelectEndOfLine,        Move::EndOfLine,         true},
    {QKeySequence::MoveToEndOfBlock,       Move::EndOfLine,         false},
    {QKeySequence::SelectEndOfBlock,       Move::EndOfLine,         true},
    {QKeySequence::MoveToStartOfDocument,  Move::StartOfText,       false},
    {QKeySequence::SelectStartOfDocument,  Move::StartOfText,       true},
    {QKeySequence::MoveToEndOfDocument,    Move::EndOfText,         false},
    {QKeySequence::SelectEndOfDocument,    Move::EndOfText,         true},
};

// Keys that change the text: the view hands them on rather than applying them.
constexpr QKeySequence::StandardKey kEditKeys[] = {
    QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Delete, QKeySequence::Backspace,
    QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord,
    QKeySequence::DeleteEndOfLine, QKeySequence::DeleteCompleteLine,
    QKeySequence::InsertParagraphSeparator, QKeySequence::InsertLineSeparator,
};
// clang-format on

bool IsEdit(const QKeyEvent* event) {
    for (QKeySequence::StandardKey key : kEditKeys) {
        if (event->matches(key)) {
            return true;
        }
    }
    switch (event->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return true;
        default:
            break;
    }
    const QString text = event->text();
    return !text.isEmpty() && text.front().isPrint() &&
           !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
}

bool IsWordByte(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    return c >= 0x80 || std::isalnum(c) || c == '_';
}

}  // namespace

LargeTextView::LargeTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    LargeTextViewAccessible::Install();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(1);
}

void LargeTextView::SetText(std::string text) {
    lines_ = TextLines(std::move(text));
    caret_ = anchor_ = 0;
    preferred_x_ = -1;
    Measure();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    if (QAccessible::isActive()) {
        QAccessibleEvent reset(this, QAccessible::TextUpdated);
        QAccessible::updateAccessibility(&reset);
    }
}

std::string LargeTextView::TakeText() {
    std::string text = lines_.Take();
    SetText(std::string());
    return text;
}

void LargeTextView::Select(std::size_t anchor, std::size_t caret) {
    const std::size_t size = lines_.Text().size();
    anchor_ = std::min(anchor, size);
    MoveCaret(std::min(caret, size), true);
}

void LargeTextView::SelectAll() {
    anchor_ = 0;
    MoveCaret(lines_.Text().size(), true);
}

QString LargeTextView::SelectedText() const {
    const std::size_t from = SelectionStart();
    const std::string_view selected =
        std::string_view(lines_.Text()).substr(from, SelectionEnd() - from);
    return BoxTextOfCodeList(selected);
}

void LargeTextView::Copy() const {
    if (caret_ == anchor_) {
        return;
    }
    auto* data = new QMimeData;  // plain text only: the clipboard takes it at once
    data->setText(SelectedText());
    QApplication::clipboard()->setMimeData(data);
}

int LargeTextView::FirstVisibleLine() const {
    return verticalScrollBar()->value();
}

void LargeTextView::Measure() {
    QTextLayout longest;
    LayOut(lines_.LongestLine(), &longest);
    content_width_ =
        static_cast<int>(std::ceil(longest.lineAt(0).naturalTextWidth())) + 2 * kMargin;
    UpdateScrollBars();
}

int LargeTextView::LineHeight() const {
    return std::max(1, fontMetrics().lineSpacing());
}

int LargeTextView::VisibleLines() const {
    return std::max(1, (viewport()->height() - kMargin) / LineHeight());
}

void LargeTextView::UpdateScrollBars() {
    verticalScrollBar()->setPageStep(VisibleLines());
    verticalScrollBar()->setRange(0, std::max(0, lines_.Count() - VisibleLines()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    horizontalScrollBar()->setRange(0, std::max(0, content_width_ - viewport()->width()));
}

void LargeTextView::LayOut(int line, QTextLayout* layout) const {
    const std::string_view bytes = lines_.Line(line);
    layout->setText(QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    layout->setFont(font());
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout->setTextOption(option);
    layout->setCacheEnabled(true);
    layout->beginLayout();
    QTextLine text_line = layout->createLine();
    text_line.setLineWidth(std::numeric_limits<int>::max() / 256);
    layout->endLayout();
}

std::size_t LargeTextView::OffsetAt(QPoint viewport_point) const {
    const int row = (viewport_point.y() - kMargin) / LineHeight();
    const int line = std::clamp(FirstVisibleLine() + (viewport_point.y() < kMargin ? -1 : row), 0,
                                lines_.Count() - 1);
    QTextLayout layout;
    LayOut(line, &layout);
    const qreal x = viewport_point.x() - kMargin + horizontalScrollBar()->value();
    const int column = layout.lineAt(0).xToCursor(x);
    return lines_.Start(line) + ByteColumn(lines_.Line(line), column);
}

QRect LargeTextView::CursorRect(std::size_t offset) const {
    const int line = lines_.LineOf(offset);
    QTextLayout layout;
    LayOut(line, &layout);
    const std::size_t column_bytes = std::min(offset, lines_.End(line)) - lines_.Start(line);
    const int column = Utf16Column(lines_.Line(line), column_bytes);
    const int x = static_cast<int>(layout.lineAt(0).cursorToX(column)) + kMargin -
                  horizontalScrollBar()->value();
    const int y = kMargin + (line - FirstVisibleLine()) * LineHeight();
    return QRect(x, y, 1, LineHeight());
}

void LargeTextView::MoveCaret(std::size_t caret, bool keep_anchor) {
    caret_ = caret;
    if (!keep_anchor) {
        anchor_ = caret;
    }
    EnsureVisible(caret_);
    viewport()->update();
    if (QAccessible::isActive()) {  // a screen reader follows the caret
        QAccessibleTextCursorEvent moved(this, static_cast<int>(lines_.Utf16Offset(caret_)));
        QAccessible::updateAccessibility(&moved);
    }
}

void LargeTextView::EnsureVisible(std::size_t offset) {
    const int line = lines_.LineOf(offset);
    QScrollBar* vertical = verticalScrollBar();
    if (line < vertical->value()) {
        vertical->setValue(line);
    } else if (line >= vertical->value() + VisibleLines()) {
        vertical->setValue(line - VisibleLines() + 1);
    }
    const QRect caret = CursorRect(offset);
    QScrollBar* horizontal = horizontalScrollBar();
    const int width = viewport()->width();
    if (caret.left() < kMargin) {
        horizontal->setValue(horizontal->value() + caret.left() - width / 2);
    } else if (caret.right() > width - kMargin) {
        horizontal->setValue(horizontal->value() + caret.right() - width / 2);
    }
}

std::size_t LargeTextView::WordStart(std::size_t offset) const {
    const std::string& text = lines_.Text();
    const std::size_t start = lines_.Start(lines_.LineOf(offset));
    while (offset > start && IsWordByte(text[offset - 1])) {
        --offset;
    }
    return offset;
}

std::size_t LargeTextView::WordEnd(std::size_t offset) const {
    const std::string& text = lines_.Text();
    const std::size_t end = lines_.End(lines_.LineOf(offset));
    while (offset < end && IsWordByte(text[offset])) {
        ++offset;
    }
    return offset;
}

std::size_t LargeTextView::LineMove(std::size_t offset, int lines) {
    const int from = lines_.LineOf(offset);
    QTextLayout layout;
    if (preferred_x_ < 0) {
        LayOut(from, &layout);
        preferred_x_ = static_cast<int>(layout.lineAt(0).cursorToX(
            Utf16Column(lines_.Line(from), offset - lines_.Start(from))));
    }
    const int to = std::clamp(from + lines, 0, lines_.Count() - 1);
    if (to == from) {
        return lines > 0 ? lines_.End(to) : lines_.Start(to);
    }
    QTextLayout target;
    LayOut(to, &target);
    return lines_.Start(to) + ByteColumn(lines_.Line(to), target.lineAt(0).xToCursor(preferred_x_));
}

bool LargeTextView::Navigate(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        Copy();
        return true;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
        return true;
    }
    const auto* found = std::find_if(std::begin(kMoveKeys), std::end(kMoveKeys),
                                     [&](const MoveKey& k) { return event->matches(k.key); });
    if (found == std::end(kMoveKeys)) {
        return false;
    }
    const std::size_t from = caret_;
    const bool vertical = found->move == Move::NextLine || found->move == Move::PreviousLine ||
                          found->move == Move::NextPage || found->move == Move::PreviousPage;
    if (!vertical) {
        preferred_x_ = -1;
    }
    const int line = lines_.LineOf(from);
    std::size_t to = from;
    switch (found->move) {
        case Move::NextCharacter:
            to = !found->select && anchor_ != caret_ ? std::max(anchor_, caret_)
                                                     : lines_.NextCharacter(from);
            break;
        case Move::PreviousCharacter:
            to = !found->select && anchor_ != caret_ ? std::min(anchor_, caret_)
                                                     : lines_.PreviousCharacter(from);
            break;
        case Move::NextWord:
            to = from >= lines_.End(line) ? lines_.NextCharacter(from) : WordEnd(from);
            while (to < lines_.End(line) && !IsWordByte(lines_.Text()[to])) {
                ++to;
            }
            break;
        case Move::PreviousWord:
            to = from;
            while (to > lines_.Start(line) && !IsWordByte(lines_.Text()[to - 1])) {
                --to;
            }
            to = to == lines_.Start(line) ? lines_.PreviousCharacter(from) : WordStart(to);
            break;
        case Move::NextLine:
            to = LineMove(from, 1);
            break;
        case Move::PreviousLine:
            to = LineMove(from, -1);
            break;
        case Move::NextPage:
            verticalScrollBar()->setValue(verticalScrollBar()->value() + VisibleLines());
            to = LineMove(from, VisibleLines());
            break;
        case Move::PreviousPage:
            verticalScrollBar()->setValue(verticalScrollBar()->value() - VisibleLines());
            to = LineMove(from, -VisibleLines());
            break;
        case Move::StartOfLine:
            to = lines_.Start(line);
            break;
        case Move::EndOfLine:
            to = lines_.End(line);
            break;
        case Move::StartOfText:
            to = 0;
            break;
        case Move::EndOfText:
            to = lines_.Text().size();
            break;
    }
    MoveCaret(to, found->select);
    return true;
}

bool LargeTextView::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::ShortcutOverride: {
            // The view's own keys go to the view, never to a shortcut of the window.
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) ||
                std::any_of(std::begin(kMoveKeys), std::end(kMoveKeys),
                            [&](const MoveKey& k) { return key->matches(k.key); }) ||
                IsEdit(key)) {
                event->accept();
                return true;
            }
            break;
        }
        case QEvent::FontChange:
            Measure();
            viewport()->update();
            break;
        default:
            break;
    }
    return QAbstractScrollArea::event(event);
}

void LargeTextView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const int first = FirstVisibleLine();
    const int last = std::min(lines_.Count(), first + VisibleLines() + 1);
    const int left = kMargin - horizontalScrollBar()->value();
    const std::size_t from = SelectionStart();
    const std::size_t to = SelectionEnd();
    const QPalette& colours = palette();
    QTextCharFormat selected;
    selected.setBackground(colours.brush(QPalette::Highlight));
    selected.setForeground(colours.brush(QPalette::HighlightedText));
    int widest = content_width_;
    for (int line = first; line < last; ++line) {
        QTextLayout layout;
        LayOut(line, &layout);
        const QPointF at(left, kMargin + (line - first) * LineHeight());
        QList<QTextLayout::FormatRange> selections;
        const std::size_t start = lines_.Start(line);
        const std::size_t end = lines_.End(line);
        if (from < to && from <= end && to > start) {
            const std::string_view bytes = lines_.Line(line);
            const int begin_column = Utf16Column(bytes, std::max(from, start) - start);
            const int end_column = Utf16Column(bytes, std::min(to, end) - start);
            selections.append({begin_column, end_column - begin_column, selected});
            if (to > end && line + 1 < lines_.Count()) {  // the line break is selected too
                const qreal x = at.x() + layout.lineAt(0).naturalTextWidth();
                painter.fillRect(QRectF(x, at.y(), fontMetrics().averageCharWidth(), LineHeight()),
                                 selected.background());
            }
        }
        painter.setPen(colours.color(QPalette::Text));
        layout.draw(&painter, at, selections);
        if (hasFocus() && line == lines_.LineOf(caret_)) {
            layout.drawCursor(&painter, at, Utf16Column(lines_.Line(line), caret_ - start));
        }
        widest = std::max(
            widest, static_cast<int>(std::ceil(layout.lineAt(0).naturalTextWidth())) + 2 * kMargin);
    }
    if (widest > content_width_) {  // a line wider than the longest one by bytes came into sight
        content_width_ = widest;
        UpdateScrollBars();
    }
}

void LargeTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void LargeTextView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LargeTextView::keyPressEvent(QKeyEvent* event) {
    if (Navigate(event)) {
        event->accept();
        return;
    }
    if (IsEdit(event)) {
        emit EditRequested(event);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void LargeTextView::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        emit EditRequested(event);
    }
}

void LargeTextView::mousePressEvent(QMouseEvent* event) {
    const std::size_t at = OffsetAt(event->position().toPoint());
    preferred_x_ = -1;
    if (event->button() == Qt::LeftButton) {
        MoveCaret(at, event->modifiers() & Qt::ShiftModifier);
    } else if (event->button() == Qt::RightButton) {
        if (at < SelectionStart() || at > SelectionEnd()) {
            MoveCaret(at, false);
        }
    }
}

void LargeTextView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        MoveCaret(OffsetAt(event->position().toPoint()), true);
    }
}

void LargeTextView::mouseReleaseEvent(QMouseEvent* event) {
    QClipboard* clipboard = QApplication::clipboard();
    if (event->button() == Qt::LeftButton && clipboard->supportsSelection() && caret_ != anchor_) {
        clipboard->setText(SelectedText(), QClipboard::Selection);
    }
}

void LargeTextView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const std::size_t at = OffsetAt(event->position().toPoint());
    const bool on_word = at < lines_.Text().size() && IsWordByte(lines_.Text()[at]);
    anchor_ = on_word ? WordStart(at) : at;
    MoveCaret(on_word ? WordEnd(at) : lines_.NextCharacter(at), true);
}

void LargeTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy"), this, &LargeTextView::Copy);
    copy->setEnabled(caret_ != anchor_);
    menu.addSeparator();
    QAction* all = menu.addAction(tr("Select All"), this, &LargeTextView::SelectAll);
    all->setEnabled(!lines_.Text().empty());
    menu.exec(event->globalPos());
}

void LargeTextView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void LargeTextView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}

}  // namespace quernel
