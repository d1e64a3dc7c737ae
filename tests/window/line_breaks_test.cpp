#include "window/line_breaks.h"

#include <QTest>

using quernel::BoxTextOfCodeList;
using quernel::CodeListTextOfBox;

class LineBreaksTest : public QObject {
    Q_OBJECT

private slots:
    // A box's raw text has U+2029 between blocks and U+2028 for Shift+Enter.
    void codeListTextOfBox_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QByteArray>("codeList");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("one line") << "50000302 0001" << QByteArray("50000302 0001");
        QTest::newRow("blocks") << QString("a\u2029b\u2029") << QByteArray("a\r\nb\r\n");
        QTest::newRow("line separator") << QString("a\u2028b") << QByteArray("a\r\nb");
        QTest::newRow("empty lines") << QString("\u2029\u2029") << QByteArray("\r\n\r\n");
        QTest::newRow("kept as typed")
            << QStringView(u"\uFEFF \u00A0\t|\u00E9\U0001F600  ").toString()
            << QByteArray("\xEF\xBB\xBF \xC2\xA0\t|\xC3\xA9\xF0\x9F\x98\x80  ");
    }
    void codeListTextOfBox() {
        QFETCH(QString, box);
        QFETCH(QByteArray, codeList);
        QCOMPARE(QByteArray::fromStdString(CodeListTextOfBox(box)), codeList);
    }

    void boxTextOfCodeList_data() {
        QTest::addColumn<QByteArray>("codeList");
        QTest::addColumn<QString>("box");
        QTest::newRow("empty") << QByteArray("") << "";
        QTest::newRow("lines") << QByteArray("a\r\nb\r\n") << "a\nb\n";
        QTest::newRow("no last break") << QByteArray("a\r\nb") << "a\nb";
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << "\n\n";
        QTest::newRow("lone CR and LF pass") << QByteArray("a\rb\nc\r\r\n") << "a\rb\nc\r\n";
        QTest::newRow("kept as written")
            << QByteArray("\xEF\xBB\xBF \xC2\xA0|\xC3\xA9\xF0\x9F\x98\x80\r\n")
            << QStringView(u"\uFEFF \u00A0|\u00E9\U0001F600\n").toString();
    }
    void boxTextOfCodeList() {
        QFETCH(QByteArray, codeList);
        QFETCH(QString, box);
        QCOMPARE(BoxTextOfCodeList(std::string_view(codeList.constData(), codeList.size())), box);
    }
};

QTEST_APPLESS_MAIN(LineBreaksTest)
#include "line_breaks_test.moc"
