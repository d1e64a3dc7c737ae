#include "window/form1.h"

#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <algorithm>

#include "window/line_breaks.h"

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

QPlainTextEdit* PlaceTextBox(QWidget* form, const char* name, int left, int top, int width,
                             int height) {
    auto* box = Place<QPlainTextEdit>(form, name, left, top, width, height);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);  // also what keeps long lines fast
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
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
    PlaceLabel(this, "Label1", "Input ", 480, 1080, 855, 255);
    text1_ = PlaceTextBox(this, "Text1", 480, 1320, 8295, 2055);
    auto* command1 = Place<QPushButton>(this, "Command1", 3480, 3840, 2175, 375);
    command1->setText("Unpatch!");
    command1->setAutoDefault(false);  // Enter in a box inserts a line break, never presses it
    command1->setDefault(false);
    PlaceLabel(this, "Label3", "Output", 480, 4440, 1455, 255);
    text2_ = PlaceTextBox(this, "Text2", 480, 4680, 8295, 1935);
    PlaceLabel(this, "Label4", "By the Quernel developers: repeater codes in, plain codes out.",
               1560, 6720, 5415, 255);

    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control)) {
            GrowToShowCaption(control);
        }
    }

    setTabOrder(text1_, text2_);
    setTabOrder(text2_, command1);
    setTabOrder(command1, option1_);
    setTabOrder(option1_, option2_);
    text1_->setFocus();

    connect(command1, &QPushButton::clicked, this, &Form1::Command1Click);
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
        // The list the user pasted stays, and so does everything else; the window goes on.
        QMessageBox::warning(this, kCaption,
                             QString("The list could not be unpatched; nothing was changed.\n\n%1")
                                 .arg(QString::fromUtf8(failure.what())));
    }
}

void Form1::RunInto(UnpatchMode mode) {
    const std::string output = Unpatch(mode, CodeListTextOfBox(text1_->document()->toRawText()));
    text2_->setPlainText(BoxTextOfCodeList(output));
}

}  // namespace quernel
