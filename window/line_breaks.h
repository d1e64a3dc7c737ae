#pragma once

#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

namespace quernel {

// A text box holds its lines as blocks: its raw text has U+2029 between them, and U+2028 where
// Shift+Enter broke a line inside one. A code list text is UTF-8 with CR LF between lines. Each
// function is one linear pass and changes nothing but the line breaks and the encoding.

// The code list text of a box's raw text (QTextDocument::toRawText): every U+2029 and U+2028
// becomes CR LF.
std::string CodeListTextOfBox(QStringView box_text);

// The text to hand to a box (QPlainTextEdit::setPlainText) for a code list text: every CR LF
// becomes one '\n'. A lone CR or LF is passed on as it is.
QString BoxTextOfCodeList(std::string_view code_list_text);

}  // namespace quernel
