#include "window/line_breaks.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>

namespace quernel {

namespace {

// Stateless: the pieces between line breaks are converted one by one. ConvertInitialBom: a
// U+FEFF at the start of a piece is text like any other, never dropped.
constexpr auto kFlags =
    QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

}  // namespace

std::string CodeListTextOfBox(QStringView box_text) {
    QStringEncoder to_utf8(QStringConverter::Utf8, kFlags);
    // Room for 3 bytes per UTF-16 unit; a line break (1 unit) takes 2.
    std::string text(static_cast<size_t>(to_utf8.requiredSpace(box_text.size())), '\0');
    char* out = text.data();
    qsizetype piece_start = 0;
    for (qsizetype i = 0; i < box_text.size(); ++i) {
        const QChar c = box_text[i];
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out = to_utf8.appendToBuffer(out, box_text.sliced(piece_start, i - piece_start));
            *out++ = '\r';
            *out++ = '\n';
            piece_start = i + 1;
        }
    }
    out = to_utf8.appendToBuffer(out, box_text.sliced(piece_start));
    text.resize(static_cast<size_t>(out - text.data()));
    return text;
}

QString BoxTextOfCodeList(std::string_view code_list_text) {
    QStringDecoder from_utf8(QStringConverter::Utf8, kFlags);
    QString box_text(from_utf8.requiredSpace(static_cast<qsizetype>(code_list_text.size())),
                     Qt::Uninitialized);
    QChar* out = box_text.data();
    size_t piece_start = 0;
    for (size_t cr_lf; (cr_lf = code_list_text.find("\r\n", piece_start)) != std::string_view::npos;
         piece_start = cr_lf + 2) {
        out =
            from_utf8.appendToBuffer(out, code_list_text.substr(piece_start, cr_lf - piece_start));
        *out++ = u'\n';
    }
    out = from_utf8.appendToBuffer(out, code_list_text.substr(piece_start));
    box_text.truncate(out - box_text.data());
    return box_text;
}

}  // namespace quernel
