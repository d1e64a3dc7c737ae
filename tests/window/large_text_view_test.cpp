#include "window/large_text_view.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <string>

namespace {

using Keys = QList<QKeyCombination>;

// Byte offsets into a text.
struct Span {
    int anchor;
    int caret;
};

QByteArray Bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Q_DECLARE_METATYPE(Span)

class LargeTextViewTest : public QObject {
    Q_OBJECT

    std::unique_ptr<quernel::LargeTextView> view_;

    // The middle of a line's row, at `x` pixels into the text.
    QPoint At(int line, int x) const {
        const int row = line - view_->FirstVisibleLine();
        return {4 + x, 4 + row * view_->fontMetrics().lineSpacing() +
                           view_->fontMetrics().lineSpacing() / 2};
    }
    int Advance(const QString& text) const { return view_->fontMetrics().horizontalAdvance(text); }

private slots:
    void initTestCase() { qRegisterMetaType<QEvent*>(); }
    void init() {
        view_ = std::make_unique<quernel::LargeTextView>();
        view_->resize(400, 200);
        view_->show();
        view_->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() { view_.reset(); }

    // Each row: the text, where the caret starts, the keys pressed, and where the selection ends.
    void keysMoveAndSelect_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<Span>("span");
        const QByteArray two = "abc def\r\nabc def\r\n";
        const QByteArray wide = "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E|\r\nx";  // 2, 3, 4 bytes
        const auto shift = Qt::ShiftModifier;
        const auto ctrl = Qt::ControlModifier;
        // clang-format off
        QTest::newRow("right")             << two  << 0 << Keys{Qt::Key_Right}                 << Span{1, 1};
        QTest::newRow("right over CR LF")  << two  << 7 << Keys{Qt::Key_Right}                 << Span{9, 9};
        QTest::newRow("left over CR LF")   << two  << 9 << Keys{Qt::Key_Left}                  << Span{7, 7};
        QTest::newRow("shift+right")       << two  << 0 << Keys{shift | Qt::Key_Right, shift | Qt::Key_Right} << Span{0, 2};
        QTest::newRow("right collapses")   << two  << 0 << Keys{shift | Qt::Key_Right, Qt::Key_Right}         << Span{1, 1};
        QTest::newRow("end")               << two  << 2 << Keys{Qt::Key_End}                   << Span{7, 7};
        QTest::newRow("shift+home")        << two  << 11 << Keys{shift | Qt::Key_Home}         << Span{11, 9};
        QTest::newRow("down keeps column") << two  << 2 << Keys{Qt::Key_Down}                  << Span{11, 11};
        QTest::newRow("down to empty end") << two  << 11 << Keys{Qt::Key_Down}                 << Span{18, 18};
        QTest::newRow("up from first")     << two  << 2 << Keys{Qt::Key_Up}                    << Span{0, 0};
        QTest::newRow("shift+down")        << two  << 0 << Keys{shift | Qt::Key_Down}          << Span{0, 9};
        QTest::newRow("ctrl+end")          << two  << 0 << Keys{ctrl | Qt::Key_End}            << Span{18, 18};
        QTest::newRow("ctrl+shift+home")   << two  << 12 << Keys{ctrl | shift | Qt::Key_Home}  << Span{12, 0};
        QTest::newRow("word right")        << two  << 0 << Keys{ctrl | Qt::Key_Right}          << Span{4, 4};
        QTest::newRow("word left")         << two  << 6 << Keys{ctrl | Qt::Key_Left}           << Span{4, 4};
        QTest::newRow("page down")         << two  << 0 << Keys{Qt::Key_PageDown}              << Span{18, 18};
        QTest::newRow("ctrl+a")            << two  << 3 << Keys{ctrl | Qt::Key_A}              << Span{0, 18};
        QTest::newRow("right, 2 bytes")    << wide << 0 << Keys{Qt::Key_Right}                 << Span{2, 2};
        QTest::newRow("right, 3 bytes")    << wide << 2 << Keys{Qt::Key_Right}                 << Span{5, 5};
        QTest::newRow("right, 4 bytes")    << wide << 5 << Keys{Qt::Key_Right}                 << Span{9, 9};
        QTest::newRow("left, 4 bytes")     << wide << 9 << Keys{shift | Qt::Key_Left}          << Span{9, 5};
        // clang-format on
    }
    void keysMoveAndSelect() {
        QFETCH(QByteArray, text);
        QFETCH(int, start);
        QFETCH(Keys, keys);
        QFETCH(Span, span);
        view_->SetText(text.toStdString());
        view_->Select(start, start);
        QSignalSpy edits(view_.get(), &quernel::LargeTextView::EditRequested);
        for (const QKeyCombination key : keys) {
            QTest::keyClick(view_.get(), key.key(), key.keyboardModifiers());
        }
        QCOMPARE(static_cast<int>(view_->Anchor()), span.anchor);
        QCOMPARE(static_cast<int>(view_->Caret()), span.caret);
        QCOMPARE(edits.count(), 0);
        QCOMPARE(Bytes(view_->Lines().Text()), text);  // nothing changed
    }

    // Keys that would change the text are handed on, never applied.
    void editKeysAreHandedOn_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("typing") << QKeyCombination(Qt::Key_X);
        QTest::newRow("backspace") << QKeyCombination(Qt::Key_Backspace);
        QTest::newRow("delete") << QKeyCombination(Qt::Key_Delete);
        QTest::newRow("enter") << QKeyCombination(Qt::Key_Return);
        QTest::newRow("paste") << (Qt::ControlModifier | Qt::Key_V);
        QTest::newRow("cut") << (Qt::ControlModifier | Qt::Key_X);
    }
    void editKeysAreHandedOn() {
        QFETCH(QKeyCombination, key);
        view_->SetText("abc\r\n");
        QSignalSpy edits(view_.get(), &quernel::LargeTextView::EditRequested);
        QTest::keyClick(view_.get(), key.key(), key.keyboardModifiers());
        QCOMPARE(edits.count(), 1);
        QCOMPARE(Bytes(view_->Lines().Text()), QByteArray("abc\r\n"));
    }

    // The clipboard gets plain text only, each line break as '\n', non-ASCII text intact.
    void copyIsPlainText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Span>("span");
        QTest::addColumn<QString>("copied");
        QTest::newRow("all, CR LF") << QByteArray("ab\r\ncd\r\n") << Span{0, 8} << "ab\ncd\n";
        QTest::newRow("backwards") << QByteArray("ab\r\ncd") << Span{5, 1} << "b\nc";
        QTest::newRow("non-ASCII") << QByteArray("\xC3\xA9t\xC3\xA9\r\n\xE2\x82\xAC") << Span{2, 11}
                                   << QString::fromUtf8("t\xC3\xA9\n\xE2\x82\xAC");
    }
    void copyIsPlainText() {
        QFETCH(QByteArray, text);
        QFETCH(Span, span);
        QFETCH(QString, copied);
        QApplication::clipboard()->clear();
        view_->SetText(text.toStdString());
        view_->Select(span.anchor, span.caret);
        QTest::keyClick(view_.get(), Qt::Key_C, Qt::ControlModifier);
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data);
        QCOMPARE(data->formats(), QStringList{"text/plain"});
        QCOMPARE(data->text(), copied);
    }

    void mouseSelects() {
        view_->SetText("hello world\r\nsecond line\r\n");
        QWidget* area = view_->viewport();
        QTest::mouseClick(area, Qt::LeftButton, {}, At(1, Advance("sec")));
        QCOMPARE(view_->Caret(), 16u);
        QCOMPARE(view_->Anchor(), 16u);
        QTest::mouseClick(area, Qt::LeftButton, Qt::ShiftModifier, At(0, Advance("hel")));
        QCOMPARE(view_->Anchor(), 16u);
        QCOMPARE(view_->Caret(), 3u);
        QTest::mouseDClick(area, Qt::LeftButton, {}, At(0, Advance("hello wo")));
        QCOMPARE(view_->SelectedText(), "world");
        QTest::mousePress(area, Qt::LeftButton, {}, At(0, 0));
        QTest::mouseMove(area, At(1, 1000));
        QTest::mouseRelease(area, Qt::LeftButton, {}, At(1, 1000));
        QCOMPARE(view_->SelectedText(), "hello world\nsecond line");
    }

    // Megabytes: 2,000,000 lines and a 1 MB line. Both scroll bars span the whole text at once.
    void scrollBarsSpanTheText() {
        std::string text;
        for (int i = 0; i < 2'000'000; ++i) {
            text += "80010000 0005\r\n";
        }
        const std::string long_line(1'000'000, 'W');
        text += long_line;
        view_->SetText(std::move(text));
        const int rows = view_->verticalScrollBar()->pageStep();
        QVERIFY(rows > 1);
        QCOMPARE(view_->verticalScrollBar()->maximum(), 2'000'001 - rows);
        const int width = Advance(QString::fromStdString(long_line));
        QVERIFY2(view_->horizontalScrollBar()->maximum() >= width - view_->viewport()->width(),
                 qPrintable(QString::number(view_->horizontalScrollBar()->maximum())));

        QTest::keyClick(view_.get(), Qt::Key_End,
                        Qt::ControlModifier);  // the caret comes into sight
        QCOMPARE(view_->verticalScrollBar()->value(), view_->verticalScrollBar()->maximum());
        QVERIFY(view_->horizontalScrollBar()->value() > 0);
        QTest::keyClick(view_.get(), Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(view_->verticalScrollBar()->value(), 0);
        QCOMPARE(view_->horizontalScrollBar()->value(), 0);
    }

    // A screen reader reads lines and the selection; offsets count UTF-16 units.
    void accessibleText() {
        view_->SetText("\xC3\xA9t\xC3\xA9\r\nsecond\r\n");
        view_->Select(2, 3);  // the "t" between the two e-acute
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view_.get());
        QVERIFY(accessible);
        QAccessibleTextInterface* text = accessible->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 13);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(6, QAccessible::LineBoundary, &start, &end), "second\r\n");
        QCOMPARE(start, 5);
        QCOMPARE(end, 13);
        QCOMPARE(text->textAtOffset(1, QAccessible::LineBoundary, &start, &end),
                 QString::fromUtf8("\xC3\xA9t\xC3\xA9\r\n"));
        QCOMPARE(text->textAfterOffset(0, QAccessible::LineBoundary, &start, &end), "second\r\n");
        QCOMPARE(text->selectionCount(), 1);
        text->selection(0, &start, &end);
        QCOMPARE(start, 1);
        QCOMPARE(end, 2);
        QCOMPARE(text->text(start, end), "t");
        text->setSelection(0, 5, 11);
        QCOMPARE(view_->SelectedText(), "second");
        QCOMPARE(text->cursorPosition(), 11);
    }
};

QTEST_MAIN(LargeTextViewTest)
#include "large_text_view_test.moc"
