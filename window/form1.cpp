#include "window/form1.h"

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <algorithm>

#include "window/large_text_view.h"
#include "window/line_breaks.h"
#include "window/output_box.h"
#include "window/plain_text_box.h"
#include "window/wait_cursor.h"

namespace quernel {

namespace {

// Positions and sizes are given in twips, 15 to the pixel at 96 dpi; Qt scales on other screens.
constexpr int Px(int twips) {
    return twips / 15;
}

// The layout was drawn for "MS Sans Serif"; Debian has none, so the closest sans faces stand in:
// Liberation Sans (Arial's metrics), else DejaVu Sans.
QFont LayoutFont(qreal point_size) {
    QFont font;
    font.setFamilies({"MS Sans Serif", "Liberation Sans", "Arimo", "DejaVu Sans"});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(point_size);
    font.setWeight(QFont::Normal);
    return font;
}

template <typename Control>
Control* Place(QWidget* form, const char* name, int left, int top, int width, int height) {
    auto* control = new Control(form);
    control->setObjectName(name);
    control->setGeometry(Px(left), Px(top), Px(width), Px(height));
    return control;
}

QLabel* PlaceLabel(QWidget* form, const char* name, const QString& caption, int left, int top,
                   int width, int height) {
    auto* label = Place<QLabel>(form, name, left, top, width, height);
    label->setText(caption);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// Widens a control whose caption would be cut, to the right and into free space only: up to the
// nearest control to its right on the same rows, or the edge of the window.
void GrowToShowCaption(QWidget* control) {
    const int needed = control->sizeHint().width();
    if (needed <= control->width()) {
        return;
    }
    const QRect place = control->geometry();
    int free_right = control->parentWidget()->width();
    for (const QWidget* other :
         control->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect there = other->geometry();
        if (there.left() > place.left() && there.top() <= place.bottom() &&
            there.bottom() >= place.top()) {
            free_right = std::min(free_right, there.left());
        }
    }
    control->resize(std::min(needed, free_right - place.left()), place.height());
}

QIcon ProgramIcon() {
    QIcon icon;
    icon.addFile(":/icon/quernel-16.xpm");
    icon.addFile(":/icon/quernel-32.xpm");
    return icon;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setObjectName("Form1");
    setWindowTitle(kCaption);
    setWindowIcon(ProgramIcon());
    setFont(LayoutFont(8));
    resize(Px(9210), Px(7230));

    QLabel* label2 = PlaceLabel(this, "Label2", kCaption, 1800, 120, 4695, 495);
    label2->setFont(LayoutFont(13.5));
    option1_ = Place<QRadioButton>(this, "Option1", 4080, 960, 1215, 255);
    option1_->setText("Tarrow Format");
    option2_ = Place<QRadioButton>(this, "Option2", 5640, 960, 1215, 255);
    option2_->setText("Plain Text");
    QLabel* label1 = PlaceLabel(this, "Label1", "Input ", 480, 1080, 855, 255);
    text1_ = Place<PlainTextBox>(this, "Text1", 480, 1320, 8295, 2055);
    command1_ = Place<QPushButton>(this, "Command1", 3480, 3840, 2175, 375);
    command1_->setText("Unpatch!");
    command1_->setAutoDefault(false);  // Enter in a box inserts a line break, never presses it
    command1_->setDefault(false);
    command1_->installEventFilter(this);  // but Enter on the focused button presses it
    QLabel* label3 = PlaceLabel(this, "Label3", "Output", 480, 4440, 1455, 255);
    text2_ = Place<OutputBox>(this, "Text2", 480, 4680, 8295, 1935);
    PlaceLabel(this, "Label4", "By the Quernel developers: repeater codes in, plain codes out.",
               1560, 6720, 5415, 255);

    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
            GrowToShowCaption(control);
        }
    }

    // What a screen reader says of each control; the buddies tie the box labels to their boxes
    // without giving either an access key.
    label1->setBuddy(text1_);
    label3->setBuddy(text2_);
    text1_->setAccessibleName("Input");
    text1_->setAccessibleDescription("The list of codes to unpatch");
    for (QWidget* output : QList<QWidget*>{text2_, text2_->Editor(), text2_->View()}) {
        output->setAccessibleName("Output");
        output->setAccessibleDescription("The unpatched list, replaced by each press of Unpatch!");
    }
    option1_->setAccessibleDescription(
        "Read the input as Tarrow Format: one entry per line, a name, a bar, the codes, a bar");
    option2_->setAccessibleDescription("Read the input as Plain Text: one code per line");
    command1_->setAccessibleDescription(
        "Expand the repeater codes of the input into the output, in the chosen format");

    setTabOrder(text1_, text2_->Editor());  // Text2's focus is on whichever of them is in sight
    setTabOrder(text2_->Editor(), text2_->View());
    setTabOrder(text2_->View(), command1_);
    setTabOrder(command1_, option1_);
    setTabOrder(option1_, option2_);
    text1_->setFocus();

    connect(command1_, &QPushButton::clicked, this, &Form1::Command1Click);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == command1_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            command1_->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Command1Click() {
    try {
        if (option1_->isChecked()) {
            RunInto(UnpatchMode::TarrowFormat);
        }
        if (option2_->isChecked()) {
            RunInto(UnpatchMode::PlainText);
        }
    } catch (const UnpatchFailure& failure) {
        ShowFailure(failure);
    }
}

void Form1::RunInto(UnpatchMode mode) {
    WaitCursor waiting;
    text2_->SetCodeListText(Unpatch(mode, CodeListTextOfBox(text1_->document()->toRawText())));
}

// The list the user pasted stays, and so does everything else; the window goes on, and the
// failing line is selected in Text1 for the user to mend.
void Form1::ShowFailure(const UnpatchFailure& failure) {
    QMessageBox::warning(this, kCaption,
                         QString("The list could not be unpatched; nothing was changed.\n\n%1")
                             .arg(QString::fromUtf8(failure.what())));
    if (failure.line() > 0) {
        text1_->SelectCodeListLine(failure.line());
        text1_->setFocus();
    }
}

}  // namespace quernel
