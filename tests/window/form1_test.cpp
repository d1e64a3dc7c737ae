#include "window/form1.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <memory>

#include "tests/support/bound_lists.h"
#include "window/line_breaks.h"

namespace {

// A box's text as a code list text (CR LF line breaks), as the window reads it.
QByteArray CodeList(const QPlainTextEdit* box) {
    return QByteArray::fromStdString(quernel::CodeListTextOfBox(box->document()->toRawText()));
}

void SetCodeList(QPlainTextEdit* box, const QByteArray& text) {
    box->setPlainText(quernel::BoxTextOfCodeList(std::string_view(text.constData(), text.size())));
}

const QByteArray kPlainInput = "50000302 0001\r\n80010000 0005";
const QByteArray kPlainOutput = "80010000 0005\r\n80010002 0006\r\n80010004 0007\r\n";

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<quernel::Form1> form_;
    QPlainTextEdit* text1_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    QRadioButton* option1_ = nullptr;
    QRadioButton* option2_ = nullptr;
    QPushButton* command1_ = nullptr;

    void Press() { QTest::mouseClick(command1_, Qt::LeftButton); }

    // Presses Command1 and closes the warning that the press shows; returns the warning's text.
    QString PressExpectingWarning() {
        QString shown;
        QTimer closer;
        closer.callOnTimeout([&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->close();
            }
        });
        closer.start(10);
        Press();
        return shown;
    }

private slots:
    void init() {
        form_ = std::make_unique<quernel::Form1>();
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        text1_ = form_->findChild<QPlainTextEdit*>("Text1");
        text2_ = form_->findChild<QPlainTextEdit*>("Text2");
        option1_ = form_->findChild<QRadioButton*>("Option1");
        option2_ = form_->findChild<QRadioButton*>("Option2");
        command1_ = form_->findChild<QPushButton*>("Command1");
        QVERIFY(text1_ && text2_ && option1_ && option2_ && command1_);
    }
    void cleanup() { form_.reset(); }

    void startState() {
        QCOMPARE(form_->objectName(), "Form1");
        QCOMPARE(form_->windowTitle(), "Quernel v1.1");
        QCOMPARE(form_->size(), QSize(614, 482));
        QVERIFY(form_->windowIcon().availableSizes().contains(QSize(16, 16)));
        QVERIFY(form_->windowIcon().availableSizes().contains(QSize(32, 32)));
        const QImage mono(":/icon/quernel-32-mono.xpm");
        QCOMPARE(mono.size(), QSize(32, 32));
        QVERIFY(text1_->toPlainText().isEmpty());
        QVERIFY(text2_->toPlainText().isEmpty());
        QVERIFY(!option1_->isChecked());
        QVERIFY(!option2_->isChecked());
        QCOMPARE(QApplication::focusWidget(), text1_);
        QVERIFY(!text1_->textCursor().hasSelection());
        QVERIFY(!command1_->isDefault());
        QVERIFY(!command1_->autoDefault());
        for (QPlainTextEdit* box : {text1_, text2_}) {
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QVERIFY(!box->isReadOnly());
        }
    }

    // Every control: its kind, caption, place (pixels at 96 dpi), and its stop in the tab order
    // (-1: takes no focus). A control whose caption would be cut is wider than given, up to the
    // free space on its right (freeWidth); every other one keeps its width.
    void layout_data() {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<int>("freeWidth");
        QTest::addColumn<int>("tabStop");
        // clang-format off
        QTest::newRow("Label2")   << QByteArray("QLabel")         << "Quernel v1.1"  << QRect(120,   8, 313,  33) << 494 << -1;
        QTest::newRow("Option1")  << QByteArray("QRadioButton")   << "Tarrow Format" << QRect(272,  64,  81,  17) << 104 <<  3;
        QTest::newRow("Option2")  << QByteArray("QRadioButton")   << "Plain Text"    << QRect(376,  64,  81,  17) << 238 <<  4;
        QTest::newRow("Label1")   << QByteArray("QLabel")         << "Input "        << QRect( 32,  72,  57,  17) << 240 << -1;
        QTest::newRow("Text1")    << QByteArray("QPlainTextEdit") << ""              << QRect( 32,  88, 553, 137) << 553 <<  0;
        QTest::newRow("Command1") << QByteArray("QPushButton")    << "Unpatch!"      << QRect(232, 256, 145,  25) << 382 <<  2;
        QTest::newRow("Label3")   << QByteArray("QLabel")         << "Output"        << QRect( 32, 296,  97,  17) << 582 << -1;
        QTest::newRow("Text2")    << QByteArray("QPlainTextEdit") << ""              << QRect( 32, 312, 553, 129) << 553 <<  1;
        QTest::newRow("Label4")   << QByteArray("QLabel")         << ""              << QRect(104, 448, 361,  17) << 510 << -1;
        // clang-format on
    }
    void layout() {
        QFETCH(QByteArray, kind);
        QFETCH(QString, caption);
        QFETCH(QRect, place);
        QFETCH(int, freeWidth);
        QFETCH(int, tabStop);
        auto* control = form_->findChild<QWidget*>(QTest::currentDataTag());
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), form_.get());
        QCOMPARE(QByteArray(control->metaObject()->className()), kind);
        QVERIFY(control->isVisible() && control->isEnabled());

        QCOMPARE(control->pos(), place.topLeft());
        QCOMPARE(control->height(), place.height());
        const int needed = control->sizeHint().width();
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (!caption.isEmpty()) {
                QCOMPARE(label->text(), caption);
            }
            QVERIFY(!label->text().isEmpty());
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            QCOMPARE(button->text(), caption);
        }
        if (kind == "QPlainTextEdit") {
            QCOMPARE(control->width(), place.width());
        } else {
            QCOMPARE(control->width(), std::max(place.width(), std::min(needed, freeWidth)));
            QVERIFY2(needed <= control->width(), "caption cut");
        }

        // tabStop counts the focusable controls before this one in the focus chain from Text1.
        if (tabStop < 0) {
            QCOMPARE(control->focusPolicy(), Qt::NoFocus);
        } else {
            QWidget* stop = text1_;
            for (int i = 0; i < tabStop; ++i) {
                do {
                    stop = stop->nextInFocusChain();
                } while (stop->focusPolicy() == Qt::NoFocus);
            }
            QCOMPARE(stop, control);
        }
    }

    // The two radio buttons are one group: Tab visits the group once, at its focused (or
    // checked) button, and the arrow keys move within it.
    void tabMovesFocusBothWays() {
        const auto walk = [](Qt::Key key, const QList<QWidget*>& stops) {
            for (QWidget* stop : stops) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QCOMPARE(QApplication::focusWidget(), stop);
            }
        };
        walk(Qt::Key_Tab, {text2_, command1_, option1_, text1_});
        walk(Qt::Key_Backtab, {option1_, command1_, text2_, text1_});
        walk(Qt::Key_Backtab, {option1_});
        walk(Qt::Key_Right, {option2_});
        walk(Qt::Key_Tab, {text1_});
        walk(Qt::Key_Backtab, {option2_, command1_});
        QVERIFY(text1_->toPlainText().isEmpty());  // no tab character went in
        QVERIFY(text2_->toPlainText().isEmpty());
    }

    void pressWithNoFormatChangesNothing() {
        SetCodeList(text1_, kPlainInput);
        SetCodeList(text2_, "typed\r\n");
        Press();
        QCOMPARE(CodeList(text1_), kPlainInput);
        QCOMPARE(CodeList(text2_), QByteArray("typed\r\n"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    // Typed text in Text2 is replaced whole; Text1 stays as the user left it.
    void pressRunsTheChosenFormat_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QByteArray>("output");
        QTest::newRow("Plain Text") << "Option2" << kPlainInput << kPlainOutput;
        QTest::newRow("Tarrow Format")
            << "Option1" << QByteArray("Alpha|50000304 0001    20100000 0010|")
            << QByteArray(
                   "Alpha 1|20100000 0010|\r\nAlpha 2|20100004 0011|\r\nAlpha 3|20100008 "
                   "0012|\r\n");
        QTest::newRow("empty input empties Text2") << "Option2" << QByteArray() << QByteArray();
    }
    void pressRunsTheChosenFormat() {
        QFETCH(QString, option);
        QFETCH(QByteArray, input);
        QFETCH(QByteArray, output);
        form_->findChild<QRadioButton*>(option)->click();
        SetCodeList(text1_, input);
        SetCodeList(text2_, "typed by hand\r\nover two lines");
        Press();
        QCOMPARE(CodeList(text2_), output);
        QCOMPARE(CodeList(text1_), input);
        Press();  // a second press replaces, never appends
        QCOMPARE(CodeList(text2_), output);
    }

    void outputShownFromItsBeginning() {
        QString typed;
        for (int i = 0; i < 200; ++i) {
            typed += QString(300, u'x') + u'\n';
        }
        text2_->setPlainText(typed);
        text2_->moveCursor(QTextCursor::End);
        text2_->horizontalScrollBar()->setValue(text2_->horizontalScrollBar()->maximum());
        QVERIFY(text2_->verticalScrollBar()->value() > 0);
        option2_->click();
        SetCodeList(text1_, "50006402 0001\r\n80010000 0005");  // 100 lines
        Press();
        QCOMPARE(text2_->blockCount(), 101);
        QCOMPARE(text2_->textCursor().position(), 0);
        QCOMPARE(text2_->verticalScrollBar()->value(), 0);
        QCOMPARE(text2_->horizontalScrollBar()->value(), 0);
    }

    void failingRunWarnsAndKeepsEverything_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("warning");
        QTest::newRow("repeater code on the last line")
            << "Option2" << QByteArray("5") << "line 1: NoNextLine: ";
        // 721 entries of 4095 lines each would make more than 64 MiB.
        QTest::newRow("output past 64 MiB")
            << "Option1" << QByteArray("E|500FFF04 0001    20100000 0010|\r\n").repeated(721)
            << "line 721: OutOfRange: the output would grow past 64 MiB";
        // After a long stretch of lines that make no output, which once let the output pass the
        // bound and write past its memory.
        using quernel::testing::BoundOutcome;
        const std::pair<const char*, BoundOutcome> bound_rows[] = {
            {"Option1", BoundOutcome::OneOver},
            {"Option1", BoundOutcome::FarOver},
            {"Option2", BoundOutcome::FarOver},
        };
        for (const auto& [option, outcome] : bound_rows) {
            const auto mode = QString(option) == "Option1" ? quernel::UnpatchMode::TarrowFormat
                                                           : quernel::UnpatchMode::PlainText;
            const quernel::testing::BoundList list =
                quernel::testing::MakeBoundList(mode, 700 * 1024, outcome);
            const QByteArray name =
                QByteArray(option) + " after silent lines, " +
                QByteArray::fromStdString(std::string(quernel::testing::BoundOutcomeName(outcome)));
            QTest::newRow(name.constData())
                << option << QByteArray::fromStdString(list.input)
                << QString("line %1: OutOfRange: the output would grow past 64 MiB")
                       .arg(list.failing_line);
        }
    }

    void failingRunWarnsAndKeepsEverything() {
        QFETCH(QString, option);
        QFETCH(QByteArray, input);
        QFETCH(QString, warning);
        auto* chosen = form_->findChild<QRadioButton*>(option);
        chosen->click();
        SetCodeList(text1_, input);
        SetCodeList(text2_, "from before\r\n");
        const QString shown = PressExpectingWarning();
        QVERIFY2(shown.contains(warning), qPrintable(shown));
        QCOMPARE(CodeList(text1_), input);
        QCOMPARE(CodeList(text2_), QByteArray("from before\r\n"));
        QVERIFY(chosen->isChecked());
        QVERIFY(form_->isVisible());

        option2_->click();
        SetCodeList(text1_, kPlainInput);  // and the window goes on working
        Press();
        QCOMPARE(CodeList(text2_), kPlainOutput);
    }

    void enterInsertsALineBreakAndPressesNothing() {
        option2_->click();
        SetCodeList(text2_, "kept");
        text1_->setFocus();
        QTest::keyClicks(text1_, "50000302 0001");
        QTest::keyClick(text1_, Qt::Key_Return);
        QTest::keyClicks(text1_, "80010000 0005");
        QTest::keyClick(text1_, Qt::Key_Enter);
        QCOMPARE(CodeList(text1_), kPlainInput + "\r\n");
        QCOMPARE(CodeList(text2_), QByteArray("kept"));
    }

    void spacePressesTheFocusedButton() {
        option2_->click();
        SetCodeList(text1_, kPlainInput);
        command1_->setFocus();
        QTest::keyClick(command1_, Qt::Key_Space);
        QCOMPARE(CodeList(text2_), kPlainOutput);
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
