#include "window/text_lines.h"

#include <QTest>
#include <string>
#include <vector>

// Lines break where a text box breaks them, so that a text shows with the same lines in the view
// as in the editor.
class TextLinesTest : public QObject {
    Q_OBJECT

private slots:
    void linesBreakLikeATextBox_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArrayList>("lines");
        QTest::addColumn<int>("longest");
        QTest::newRow("empty") << QByteArray() << QByteArrayList{""} << 0;
        QTest::newRow("one line") << QByteArray("abc") << QByteArrayList{"abc"} << 0;
        QTest::newRow("CR LF at the end")
            << QByteArray("ab\r\ncdef\r\n") << QByteArrayList{"ab", "cdef", ""} << 1;
        QTest::newRow("lone LF") << QByteArray("a\nbc") << QByteArrayList{"a", "bc"} << 1;
        QTest::newRow("lone CR") << QByteArray("abc\rd") << QByteArrayList{"abc", "d"} << 0;
        QTest::newRow("CR at the end") << QByteArray("a\r") << QByteArrayList{"a", ""} << 0;
        QTest::newRow("CR before CR LF")
            << QByteArray("a\r\r\nb") << QByteArrayList{"a", "", "b"} << 0;
        QTest::newRow("empty lines")
            << QByteArray("\r\n\r\nxy") << QByteArrayList{"", "", "xy"} << 2;
        QTest::newRow("non-ASCII") << QByteArray("\xC3\xA9\r\n\xE2\x82\xAC\xE2\x82\xAC")
                                   << QByteArrayList{"\xC3\xA9", "\xE2\x82\xAC\xE2\x82\xAC"} << 1;
    }
    void linesBreakLikeATextBox() {
        QFETCH(QByteArray, text);
        QFETCH(QByteArrayList, lines);
        QFETCH(int, longest);
        const quernel::TextLines index(text.toStdString());
        QCOMPARE(index.Count(), lines.size());
        for (int line = 0; line < index.Count(); ++line) {
            const std::string_view got = index.Line(line);
            QCOMPARE(QByteArray(got.data(), static_cast<qsizetype>(got.size())), lines[line]);
            QCOMPARE(index.LineOf(index.Start(line)), line);
        }
        QCOMPARE(index.LongestLine(), longest);
        QCOMPARE(index.IsAscii(), text == QString::fromUtf8(text).toLatin1());
    }

    // Stepping visits each character once, a UTF-8 sequence and a line break as one step, and
    // UTF-16 offsets agree with QString's over the whole text.
    void charactersAndUtf16Offsets_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("ASCII with CR LF") << QByteArray("ab\r\nc");
        QTest::newRow("two, three and four bytes")
            << QByteArray("\xC3\xA9\xE2\x82\xAC\r\n\xF0\x9D\x84\x9Ex\r\n");
        QTest::newRow("stray bytes") << QByteArray("a\x80\xFF\xC3z\r\nb");
    }
    void charactersAndUtf16Offsets() {
        QFETCH(QByteArray, text);
        const quernel::TextLines index(text.toStdString());
        std::vector<std::size_t> forward{0};
        while (forward.back() < index.Text().size()) {
            forward.push_back(index.NextCharacter(forward.back()));
        }
        for (std::size_t i = forward.size() - 1; i > 0; --i) {
            QCOMPARE(index.PreviousCharacter(forward[i]), forward[i - 1]);
        }
        const QString whole = QString::fromUtf8(text);
        QCOMPARE(index.Utf16Offset(index.Text().size()), static_cast<std::size_t>(whole.size()));
        for (const std::size_t at : forward) {
            const std::size_t units = index.Utf16Offset(at);
            QCOMPARE(units, static_cast<std::size_t>(QString::fromUtf8(text.left(at)).size()));
            QCOMPARE(index.ByteOffset(units), at);
        }
    }

    // Megabytes: 2,000,000 lines are indexed, and the last line is found.
    void millionsOfLines() {
        std::string text;
        for (int i = 0; i < 2'000'000; ++i) {
            text += "80010000 0005\r\n";
        }
        text += "\xC3\xA9nd";
        const quernel::TextLines index(std::move(text));
        QCOMPARE(index.Count(), 2'000'001);
        QCOMPARE(index.Start(2'000'000), 2'000'000u * 15);
        QCOMPARE(index.LineOf(index.Text().size()), 2'000'000);
        QVERIFY(!index.IsAscii());
        QCOMPARE(index.Utf16Offset(index.Text().size()), 2'000'000u * 15 + 3);
    }
};

QTEST_APPLESS_MAIN(TextLinesTest)
#include "text_lines_test.moc"
