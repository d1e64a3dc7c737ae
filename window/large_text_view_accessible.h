#pragma once

#include <QAccessibleWidget>

namespace quernel {

class LargeTextView;

// What a screen reader sees of a LargeTextView: an editable multi-line text with a text
// interface. Offsets count UTF-16 units over the whole text, its line breaks as stored (CR LF
// two). Every query works on the lines it touches, never on the whole text at once.
class LargeTextViewAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LargeTextViewAccessible(LargeTextView* view);

    // Makes Qt's accessibility ask this class for every LargeTextView.
    static void Install();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;

    void selection(int selection_index, int* start_offset, int* end_offset) const override;
    int selectionCount() const override;
    void addSelection(int start_offset, int end_offset) override;
    void removeSelection(int selection_index) override;
    void setSelection(int selection_index, int start_offset, int end_offset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(QAccessible::Text t) const override;
    QString text(int start_offset, int end_offset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary_type,
                             int* start_offset, int* end_offset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary_type,
                            int* start_offset, int* end_offset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary_type, int* start_offset,
                         int* end_offset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int start_index, int end_index) override;
    QString attributes(int offset, int* start_offset, int* end_offset) const override;

private:
    LargeTextView* View() const;
    std::size_t Byte(int offset) const;
    int Offset(std::size_t byte) const;
};

}  // namespace quernel
