#include "window/plain_text_box.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>

namespace quernel {

namespace {

bool IsLineBreak(QChar c) {
    return c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

}  // namespace

PlainTextBox::PlainTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::NoWrap);  // also what keeps long lines fast
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
}

void PlainTextBox::SelectCodeListLine(int line) {
    if (line < 1) {
        return;
    }
    const QString text = document()->toRawText();
    qsizetype start = 0;
    for (int current = 1; current < line; ++current) {
        const auto* next = std::find_if(text.cbegin() + start, text.cend(), IsLineBreak);
        if (next == text.cend()) {
            return;
        }
        start = next - text.cbegin() + 1;
    }
    const auto* end = std::find_if(text.cbegin() + start, text.cend(), IsLineBreak);
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(end - text.cbegin()));
    cursor.setPosition(static_cast<int>(start), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    ensureCursorVisible();
}

QMimeData* PlainTextBox::createMimeDataFromSelection() const {
    QString text = textCursor().selectedText();
    for (QChar& c : text) {
        if (IsLineBreak(c)) {
            c = u'\n';
        }
    }
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

}  // namespace quernel
