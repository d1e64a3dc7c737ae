#include "window/form1.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <memory>

#include "tests/support/bound_lists.h"
#include "window/large_text_view.h"
#include "window/line_breaks.h"
#include "window/output_box.h"
#include "window/plain_text_box.h"

namespace {

// A box's text as a code list text (CR LF line breaks), as the window reads it.
QByteArray CodeList(const QPlainTextEdit* box) {
    return QByteArray::fromStdString(quernel::CodeListTextOfBox(box->document()->toRawText()));
}

void SetCodeList(QPlainTextEdit* box, const QByteArray& text) {
    box->setPlainText(quernel::BoxTextOfCodeList(std::string_view(text.constData(), text.size())));
}

QByteArray CodeList(const quernel::OutputBox* box) {
    return QByteArray::fromStdString(box->CodeListText());
}

void SetCodeList(quernel::OutputBox* box, const QByteArray& text) {
    box->SetCodeListText(text.toStdString());
}

// Whether the focus is on a control or, for Text2, on the page of it in sight.
bool HasFocus(const QWidget* control) {
    const QWidget* focus = QApplication::focusWidget();
    return focus == control || control->isAncestorOf(focus);
}

const QByteArray kPlainInput = "50000302 0001\r\n80010000 0005";
const QByteArray kPlainOutput = "80010000 0005\r\n80010002 0006\r\n80010004 0007\r\n";

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT

    std::unique_ptr<quernel::Form1> form_;
    QPlainTextEdit* text1_ = nullptr;
    quernel::OutputBox* text2_ = nullptr;
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
                QVERIFY(QApplication::overrideCursor() == nullptr);  // the wait is over
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
        text2_ = form_->findChild<quernel::OutputBox*>("Text2");
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
        QVERIFY(CodeList(text2_).isEmpty());
        QVERIFY(!option1_->isChecked());
        QVERIFY(!option2_->isChecked());
        QCOMPARE(QApplication::focusWidget(), text1_);
        QVERIFY(!text1_->textCursor().hasSelection());
        QVERIFY(!command1_->isDefault());
        QVERIFY(!command1_->autoDefault());
        for (QPlainTextEdit* box : QList<QPlainTextEdit*>{text1_, text2_->Editor()}) {
            QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
            QVERIFY(!box->isReadOnly());
        }
        for (QAbstractScrollArea* box :
             QList<QAbstractScrollArea*>{text1_, text2_->Editor(), text2_->View()}) {
            QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
            QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
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
        QTest::newRow("Text2")    << QByteArray("quernel::OutputBox") << ""          << QRect( 32, 312, 553, 129) << 553 <<  1;
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
        if (kind == "QPlainTextEdit" || kind == "quernel::OutputBox") {
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
                } while (stop->focusPolicy() == Qt::NoFocus || !stop->isVisible());
            }
            QVERIFY(stop == control || control->isAncestorOf(stop));
        }
    }

    // The two radio buttons are one group: Tab visits the group once, at its focused (or
    // checked) button, and the arrow keys move within it.
    void tabMovesFocusBothWays() {
        const auto walk = [](Qt::Key key, const QList<QWidget*>& stops) {
            for (QWidget* stop : stops) {
                QTest::keyClick(QApplication::focusWidget(), key);
                QVERIFY(HasFocus(stop));
            }
        };
        walk(Qt::Key_Tab, {text2_, command1_, option1_, text1_});
        walk(Qt::Key_Backtab, {option1_, command1_, text2_, text1_});
        walk(Qt::Key_Backtab, {option1_});
        walk(Qt::Key_Right, {option2_});
        walk(Qt::Key_Tab, {text1_});
        walk(Qt::Key_Backtab, {option2_, command1_});
        QVERIFY(text1_->toPlainText().isEmpty());  // no tab character went in
        QVERIFY(CodeList(text2_).isEmpty());
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
        QPlainTextEdit* editor = text2_->Editor();
        editor->setPlainText(typed);
        editor->moveCursor(QTextCursor::End);
        editor->horizontalScrollBar()->setValue(editor->horizontalScrollBar()->maximum());
        QVERIFY(editor->verticalScrollBar()->value() > 0);
        option2_->click();
        SetCodeList(text1_, "50006402 0001\r\n80010000 0005");  // 100 lines
        Press();
        QCOMPARE(editor->blockCount(), 101);
        QCOMPARE(editor->textCursor().position(), 0);
        QCOMPARE(editor->verticalScrollBar()->value(), 0);
        QCOMPARE(editor->horizontalScrollBar()->value(), 0);
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

    // Enter and Return press the focused button as Space does; in a box they still break lines.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("Return") << QKeyCombination(Qt::Key_Return);
        QTest::newRow("Enter") << QKeyCombination(Qt::KeypadModifier, Qt::Key_Enter);
    }
    void enterPressesTheFocusedButton() {
        QFETCH(QKeyCombination, key);
        option2_->click();
        SetCodeList(text1_, kPlainInput);
        command1_->setFocus();
        QTest::keyClick(command1_, key.key(), key.keyboardModifiers());
        QCOMPARE(CodeList(text2_), kPlainOutput);

        text2_->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
        QCOMPARE(CodeList(text2_), kPlainOutput + "\r\n");
    }

    // After the message, Text1 shows the line the message names: the caret at its start, the
    // line selected and in sight, the text unchanged. The box's text is given with '\n' between
    // paragraphs and U+2028 (Shift+Enter) inside one; both end a line of the list.
    void failureSelectsItsLine_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("boxText");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("selected");
        QString long_list;
        for (int i = 1; i < 5000; ++i) {
            long_list += QString("1%1 0001\n").arg(i, 7, 10, QChar(u'0'));
        }
        QTest::newRow("Plain Text, third line") << "Option2"
                                                << "10000000 0001\nheading\n5zz" << 3 << "5zz";
        QTest::newRow("Plain Text, line break inside a paragraph")
            << "Option2" << QString("10000000 0001") + QChar::LineSeparator + "5zz\nlast" << 2
            << "5zz";
        QTest::newRow("Tarrow Format, second line")
            << "Option1"
            << "Heading\nName|500003zz 0001    20100000 0010|\nz" << 2
            << "Name|500003zz 0001    20100000 0010|";
        QTest::newRow("Plain Text, line 5000 of 5001, scrolled to")
            << "Option2" << long_list + "50000302 0001\n"
            << 5000 << "50000302 0001";
    }
    void failureSelectsItsLine() {
        QFETCH(QString, option);
        QFETCH(QString, boxText);
        QFETCH(int, line);
        QFETCH(QString, selected);
        form_->findChild<QRadioButton*>(option)->click();
        text1_->setPlainText(boxText);
        const QByteArray input = CodeList(text1_);
        command1_->setFocus();
        const QString shown = PressExpectingWarning();
        QVERIFY2(shown.contains(QString("line %1:").arg(line)), qPrintable(shown));
        QCOMPARE(CodeList(text1_), input);
        form_->activateWindow();  // the window system's part once the message has gone
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(QApplication::focusWidget(), text1_);
        const QTextCursor cursor = text1_->textCursor();
        QCOMPARE(cursor.selectedText(), selected);
        QVERIFY(cursor.position() <= cursor.anchor());
        const QList<QByteArray> lines = input.split('\n');
        int start = 0;
        for (int i = 0; i < line - 1; ++i) {
            start +=
                static_cast<int>(QString::fromUtf8(lines[i]).size());  // CR LF counts 1 in the box
        }
        QCOMPARE(cursor.position(), start);
        QVERIFY(text1_->viewport()->rect().contains(text1_->cursorRect()));
    }

    // What a screen reader says of each control, read through the accessibility interfaces.
    void everyControlIsDescribed_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("Text1") << "Text1"
                               << "Input"
                               << "list";
        QTest::newRow("Text2") << "Text2"
                               << "Output"
                               << "Unpatch!";
        QTest::newRow("Option1") << "Option1"
                                 << "Tarrow Format"
                                 << "Tarrow Format";
        QTest::newRow("Option2") << "Option2"
                                 << "Plain Text"
                                 << "Plain Text";
        QTest::newRow("Command1") << "Command1"
                                  << "Unpatch!"
                                  << "repeater codes";
    }
    void everyControlIsDescribed() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        auto* widget = form_->findChild<QWidget*>(control);
        QList<QWidget*> described{widget};
        if (widget == text2_) {  // both of its pages, whichever is in sight
            described << text2_->Editor() << text2_->View();
        }
        for (QWidget* shown : described) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(shown);
            QVERIFY(accessible);
            QCOMPARE(accessible->text(QAccessible::Name), name);
            QVERIFY2(accessible->text(QAccessible::Description).contains(description),
                     qPrintable(accessible->text(QAccessible::Description)));
        }
    }

    void boxLabelsAreBuddiesWithoutAccessKeys() {
        const auto* label1 = form_->findChild<QLabel*>("Label1");
        const auto* label3 = form_->findChild<QLabel*>("Label3");
        QCOMPARE(label1->buddy(), text1_);
        QCOMPARE(label3->buddy(), text2_);
        for (const QWidget* control : form_->findChildren<QWidget*>()) {
            QString caption;
            if (auto* label = qobject_cast<const QLabel*>(control)) {
                caption = label->text();
            } else if (auto* button = qobject_cast<const QAbstractButton*>(control)) {
                caption = button->text();
            }
            QVERIFY2(!caption.contains(u'&'), qPrintable(caption));
        }
    }

    // Past 100,000 lines Text2 shows the result in its view; the text is the same either way.
    void largeOutputIsShownWhole() {
        option2_->click();
        const QByteArray input = "500FFF02 0001\r\n80010000 0005\r\n";
        SetCodeList(text1_, input.repeated(25) + "500FFF02 0001\r\n80010000 0005");
        Press();
        QVERIFY(text2_->ShowsView());
        QCOMPARE(text2_->View()->Lines().Count(), 26 * 0xFFF + 1);
        text1_->setFocus();
        QTest::keyClick(text1_, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), text2_->View());
        QCOMPARE(CodeList(text2_),
                 QByteArray::fromStdString(quernel::Unpatch(quernel::UnpatchMode::PlainText,
                                                            CodeList(text1_).toStdString())));
        QVERIFY(QApplication::overrideCursor() == nullptr);

        SetCodeList(text1_, kPlainInput);
        Press();
        QVERIFY(!text2_->ShowsView());
        QCOMPARE(CodeList(text2_), kPlainOutput);
    }

    // Both boxes copy plain text only, line breaks as '\n'.
    void copyIsPlainText() {
        SetCodeList(text1_, "a\xC3\xA9\r\nb");
        SetCodeList(text2_, "c\r\nd\r\n");
        for (QWidget* box : QList<QWidget*>{text1_, text2_->Editor()}) {
            QApplication::clipboard()->clear();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
            const QMimeData* data = QApplication::clipboard()->mimeData();
            QCOMPARE(data->formats(), QStringList{"text/plain"});
            QCOMPARE(data->text(), box == text1_ ? QString::fromUtf8("a\xC3\xA9\nb") : "c\nd\n");
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
