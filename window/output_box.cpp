#include "window/output_box.h"

#include <QCoreApplication>
#include <QScrollBar>
#include <QStackedLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "window/large_text_view.h"
#include "window/line_breaks.h"
#include "window/plain_text_box.h"
#include "window/wait_cursor.h"

namespace quernel {

namespace {

// Counts only up to the first line break past the bound.
bool HasMoreLineBreaksThan(const std::string& text, int bound) {
    int breaks = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        if (++breaks > bound) {
            return true;
        }
    }
    return false;
}

// The editor's position of a view offset: the same line (block) and the same UTF-16 column.
int EditorPosition(const QTextDocument* document, const TextLines& lines, std::size_t offset) {
    const int line = lines.LineOf(offset);
    const QTextBlock block = document->findBlockByNumber(line);
    const std::size_t column_bytes = std::min(offset, lines.End(line)) - lines.Start(line);
    const int column = Utf16Column(lines.Line(line), column_bytes);
    return block.position() + std::min(column, block.length() - 1);
}

}  // namespace

OutputBox::OutputBox(QWidget* parent, int editor_lines)
    : QWidget(parent),
      editor_lines_(editor_lines),
      pages_(new QStackedLayout(this)),
      editor_(new PlainTextBox),
      view_(new LargeTextView) {
    pages_->setContentsMargins(0, 0, 0, 0);
    pages_->addWidget(editor_);
    pages_->addWidget(view_);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    view_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::NoFocus);  // the page in sight takes the focus, even when given to the box
    Show(editor_);
    connect(view_, &LargeTextView::EditRequested, this,
            [this](QEvent* event) { MoveToEditor(event); });
}

std::string OutputBox::CodeListText() const {
    if (ShowsView()) {
        return view_->Lines().Text();
    }
    return CodeListTextOfBox(editor_->document()->toRawText());
}

void OutputBox::SetCodeListText(std::string text) {
    if (HasMoreLineBreaksThan(text, editor_lines_)) {
        view_->SetText(std::move(text));
        Show(view_);
        editor_->clear();
    } else {
        view_->SetText(std::string());
        editor_->setPlainText(BoxTextOfCodeList(text));
        Show(editor_);
    }
}

bool OutputBox::ShowsView() const {
    return pages_->currentWidget() == view_;
}

void OutputBox::Show(QWidget* page) {
    const bool had_focus = isAncestorOf(QApplication::focusWidget());
    pages_->setCurrentWidget(page);
    if (had_focus) {
        page->setFocus();
    }
}

void OutputBox::focusInEvent(QFocusEvent*) {
    pages_->currentWidget()->setFocus();
}

void OutputBox::MoveToEditor(QEvent* pending_edit) {
    WaitCursor waiting;
    const TextLines& lines = view_->Lines();
    const std::size_t anchor = view_->Anchor();
    const std::size_t caret = view_->Caret();
    const int first_line = view_->FirstVisibleLine();
    const int left = view_->horizontalScrollBar()->value();

    editor_->setPlainText(BoxTextOfCodeList(lines.Text()));
    QTextCursor cursor(editor_->document());
    cursor.setPosition(EditorPosition(editor_->document(), lines, anchor));
    cursor.setPosition(EditorPosition(editor_->document(), lines, caret), QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    view_->SetText(std::string());

    Show(editor_);
    editor_->setFocus();
    editor_->verticalScrollBar()->setValue(first_line);  // counted in lines, as in the view
    editor_->horizontalScrollBar()->setValue(left);
    QCoreApplication::sendEvent(editor_, pending_edit);
}

}  // namespace quernel
