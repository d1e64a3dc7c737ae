#include "window/output_box.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <memory>
#include <string>

#include "window/large_text_view.h"
#include "window/plain_text_box.h"

namespace {

std::string Lines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "80010000 0005\r\n";
    }
    return text;
}

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

}  // namespace

class OutputBoxTest : public QObject {
    Q_OBJECT

private slots:
    // Up to the bound the editor shows the text; past it, the view. Either way the whole text
    // reads back exactly as it was set.
    void largeTextsGoToTheView_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<bool>("view");
        const int bound = quernel::OutputBox::kEditorLines;
        QTest::newRow("small") << 3 << false;
        QTest::newRow("at the bound") << bound << false;
        QTest::newRow("one over") << bound + 1 << true;
        QTest::newRow("far over: 2,000,000") << 2'000'000 << true;
    }
    void largeTextsGoToTheView() {
        QFETCH(int, lines);
        QFETCH(bool, view);
        quernel::OutputBox box;
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.Editor()->setFocus();
        const std::string text = Lines(lines);
        box.SetCodeListText(text);
        QCOMPARE(box.ShowsView(), view);
        QCOMPARE(box.View()->isVisible(), view);
        QCOMPARE(box.Editor()->isVisible(), !view);
        QCOMPARE(Bytes(box.CodeListText()), Bytes(text));
        QVERIFY(box.isAncestorOf(QApplication::focusWidget()));
        QVERIFY(QApplication::focusWidget()->isVisible());

        box.SetCodeListText("typed\r\n");  // and back
        QVERIFY(!box.ShowsView());
        QCOMPARE(Bytes(box.CodeListText()), QByteArray("typed\r\n"));
    }

    // The first key that edits the view's text moves it into the editor, keeps the caret or
    // selection, and applies the key there, once.
    void firstEditMovesToTheEditor_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QByteArray>("edited");
        const QByteArray text = "abc\r\ndef\r\nghi\r\n";
        // clang-format off
        QTest::newRow("typing")    << text << 6 << 6 << QKeyCombination(Qt::Key_X)         << QByteArray("abc\r\ndxef\r\nghi\r\n");
        QTest::newRow("replacing") << text << 1 << 6 << QKeyCombination(Qt::Key_X)         << QByteArray("axef\r\nghi\r\n");
        QTest::newRow("backspace") << text << 6 << 6 << QKeyCombination(Qt::Key_Backspace) << QByteArray("abc\r\nef\r\nghi\r\n");
        QTest::newRow("delete")    << text << 6 << 6 << QKeyCombination(Qt::Key_Delete)    << QByteArray("abc\r\ndf\r\nghi\r\n");
        QTest::newRow("enter")     << text << 6 << 6 << QKeyCombination(Qt::Key_Return)    << QByteArray("abc\r\nd\r\nef\r\nghi\r\n");
        QTest::newRow("paste")     << text << 6 << 6 << (Qt::ControlModifier | Qt::Key_V) << QByteArray("abc\r\ndPef\r\nghi\r\n");
        QTest::newRow("cut")       << text << 7 << 5 << (Qt::ControlModifier | Qt::Key_X) << QByteArray("abc\r\nf\r\nghi\r\n");
        QTest::newRow("non-ASCII") << QByteArray("\xC3\xA9\xE2\x82\xAC\r\nb\r\nc\r\n") << 5 << 5
                                   << QKeyCombination(Qt::Key_X) << QByteArray("\xC3\xA9\xE2\x82\xAC" "x\r\nb\r\nc\r\n");
        // clang-format on
    }
    void firstEditMovesToTheEditor() {
        QFETCH(QByteArray, text);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        QFETCH(QKeyCombination, key);
        QFETCH(QByteArray, edited);
        quernel::OutputBox box(nullptr, 2);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.SetCodeListText(text.toStdString());
        QVERIFY(box.ShowsView());
        box.setFocus();
        box.View()->Select(anchor, caret);
        QApplication::clipboard()->setText("P");
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QVERIFY(!box.ShowsView());
        QCOMPARE(QApplication::focusWidget(), box.Editor());
        QCOMPARE(Bytes(box.CodeListText()), edited);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        if (key == (Qt::ControlModifier | Qt::Key_X)) {
            QCOMPARE(QApplication::clipboard()->text(), "de");
        }
    }

    void firstEditKeepsTheScrollPosition() {
        quernel::OutputBox box(nullptr, 10);
        box.resize(300, 150);
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.SetCodeListText(Lines(1000));
        box.setFocus();
        box.View()->Select(500 * 15, 500 * 15);
        const int first_line = box.View()->FirstVisibleLine();
        QVERIFY(first_line > 400);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z);
        QCOMPARE(box.Editor()->verticalScrollBar()->value(), first_line);
        QCOMPARE(box.Editor()->textCursor().blockNumber(), 500);
        QCOMPARE(box.Editor()->textCursor().positionInBlock(), 1);
    }
};

QTEST_MAIN(OutputBoxTest)
#include "output_box_test.moc"
