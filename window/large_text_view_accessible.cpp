#include "window/large_text_view_accessible.h"

#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>

#include "window/large_text_view.h"

namespace quernel {

namespace {

QAccessibleInterface* Factory(const QString& class_name, QObject* object) {
    if (class_name == QLatin1String(LargeTextView::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new LargeTextViewAccessible(static_cast<LargeTextView*>(object));
    }
    return nullptr;
}

}  // namespace

LargeTextViewAccessible::LargeTextViewAccessible(LargeTextView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void LargeTextViewAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    (void)installed;
}

LargeTextView* LargeTextViewAccessible::View() const {
    return static_cast<LargeTextView*>(widget());
}

std::size_t LargeTextViewAccessible::Byte(int offset) const {
    return View()->Lines().ByteOffset(static_cast<std::size_t>(std::max(offset, 0)));
}

int LargeTextViewAccessible::Offset(std::size_t byte) const {
    return static_cast<int>(View()->Lines().Utf16Offset(byte));
}

void* LargeTextViewAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LargeTextViewAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.multiLine = true;
    state.selectableText = true;
    state.editable = true;
    return state;
}

void LargeTextViewAccessible::selection(int selection_index, int* start_offset,
                                        int* end_offset) const {
    *start_offset = *end_offset = 0;
    if (selection_index == 0 && selectionCount() == 1) {
        *start_offset = Offset(View()->SelectionStart());
        *end_offset = Offset(View()->SelectionEnd());
    }
}

int LargeTextViewAccessible::selectionCount() const {
    return View()->Anchor() != View()->Caret() ? 1 : 0;
}

void LargeTextViewAccessible::addSelection(int start_offset, int end_offset) {
    setSelection(0, start_offset, end_offset);
}

void LargeTextViewAccessible::removeSelection(int selection_index) {
    if (selection_index == 0) {
        View()->Select(View()->Caret(), View()->Caret());
    }
}

void LargeTextViewAccessible::setSelection(int selection_index, int start_offset, int end_offset) {
    if (selection_index == 0) {
        View()->Select(Byte(start_offset), Byte(end_offset));
    }
}

int LargeTextViewAccessible::cursorPosition() const {
    return Offset(View()->Caret());
}

void LargeTextViewAccessible::setCursorPosition(int position) {
    View()->Select(Byte(position), Byte(position));
}

QString LargeTextViewAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) {  // the whole text is read through the text interface
        return QString();
    }
    return QAccessibleWidget::text(t);
}

QString LargeTextViewAccessible::text(int start_offset, int end_offset) const {
    const std::size_t from = Byte(start_offset);
    const std::size_t to = std::max(from, Byte(end_offset));
    const std::string_view bytes = std::string_view(View()->Lines().Text()).substr(from, to - from);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

QString LargeTextViewAccessible::textAtOffset(int offset,
                                              QAccessible::TextBoundaryType boundary_type,
                                              int* start_offset, int* end_offset) const {
    const TextLines& lines = View()->Lines();
    const std::size_t at = Byte(offset);
    const int line = lines.LineOf(at);
    std::size_t from = at;
    std::size_t to = lines.NextCharacter(at);
    switch (boundary_type) {
        case QAccessible::CharBoundary:
            break;
        case QAccessible::WordBoundary:
            if (View()->WordEnd(at) > at) {
                from = View()->WordStart(at);
                to = View()->WordEnd(at);
            }
            break;
        case QAccessible::SentenceBoundary:
        case QAccessible::ParagraphBoundary:
        case QAccessible::LineBoundary:
            from = lines.Start(line);
            to = line + 1 < lines.Count() ? lines.Start(line + 1) : lines.Text().size();
            break;
        case QAccessible::NoBoundary:
            from = 0;
            to = lines.Text().size();
            break;
    }
    *start_offset = Offset(from);
    *end_offset = Offset(to);
    return text(*start_offset, *end_offset);
}

QString LargeTextViewAccessible::textBeforeOffset(int offset,
                                                  QAccessible::TextBoundaryType boundary_type,
                                                  int* start_offset, int* end_offset) const {
    int from = 0;
    int to = 0;
    textAtOffset(offset, boundary_type, &from, &to);
    if (from == 0) {
        *start_offset = *end_offset = 0;
        return QString();
    }
    return textAtOffset(Offset(View()->Lines().PreviousCharacter(Byte(from))), boundary_type,
                        start_offset, end_offset);
}

QString LargeTextViewAccessible::textAfterOffset(int offset,
                                                 QAccessible::TextBoundaryType boundary_type,
                                                 int* start_offset, int* end_offset) const {
    int from = 0;
    int to = 0;
    textAtOffset(offset, boundary_type, &from, &to);
    if (to >= characterCount()) {
        *start_offset = *end_offset = characterCount();
        return QString();
    }
    return textAtOffset(to, boundary_type, start_offset, end_offset);
}

int LargeTextViewAccessible::characterCount() const {
    return Offset(View()->Lines().Text().size());
}

QRect LargeTextViewAccessible::characterRect(int offset) const {
    const LargeTextView* view = View();
    const TextLines& lines = view->Lines();
    const std::size_t at = Byte(offset);
    const int line = lines.LineOf(at);
    QTextLayout layout;
    view->LayOut(line, &layout);
    const std::string_view bytes = lines.Line(line);
    const std::size_t column = std::min(at, lines.End(line)) - lines.Start(line);
    const qreal left = layout.lineAt(0).cursorToX(Utf16Column(bytes, column));
    const qreal right = layout.lineAt(0).cursorToX(
        Utf16Column(bytes, std::min(lines.NextCharacter(at), lines.End(line)) - lines.Start(line)));
    const QRect caret = view->CursorRect(at);
    const QRect in_viewport(caret.left(), caret.top(), std::max(1, static_cast<int>(right - left)),
                            caret.height());
    return QRect(view->viewport()->mapToGlobal(in_viewport.topLeft()), in_viewport.size());
}

int LargeTextViewAccessible::offsetAtPoint(const QPoint& point) const {
    return Offset(View()->OffsetAt(View()->viewport()->mapFromGlobal(point)));
}

void LargeTextViewAccessible::scrollToSubstring(int start_index, int end_index) {
    View()->EnsureVisible(Byte(end_index));
    View()->EnsureVisible(Byte(start_index));  // the start wins where both do not fit
}

QString LargeTextViewAccessible::attributes(int offset, int* start_offset, int* end_offset) const {
    *start_offset = *end_offset = offset;
    return QString();
}

}  // namespace quernel
