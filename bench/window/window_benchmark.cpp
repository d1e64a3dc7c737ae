// Times a press of "Unpatch!" whose output is 100,000 lines against the baseline: the same output
// text set straight into a bare box set up like Text2. Runs offscreen; prints both medians and
// the ratio (the target: a press adds at most 30% to the baseline).
#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/unpatch.h"
#include "window/form1.h"
#include "window/line_breaks.h"

namespace {

constexpr int kOutputLines = 100'000;
constexpr int kRounds = 11;

// Plain Text repeater codes of at most FFF lines each, adding up to kOutputLines.
std::string Input() {
    std::string input;
    char line[64];
    int address = 0x100000;
    for (int left = kOutputLines; left > 0; left -= 0xFFF, address += 0x2000) {
        std::snprintf(line, sizeof line, "500%03X02 0001\r\n80%06X 0000\r\n", std::min(left, 0xFFF),
                      address);
        input += line;
    }
    input.resize(input.size() - 2);  // a last CR LF would add an empty line to the output
    return input;
}

double Milliseconds(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Clear(QPlainTextEdit* box) {
    box->clear();
    QApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir runtime_dir;
    qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);

    quernel::Form1 form1;
    form1.show();
    auto* text1 = form1.findChild<QPlainTextEdit*>("Text1");
    auto* text2 = form1.findChild<QPlainTextEdit*>("Text2");
    auto* command1 = form1.findChild<QPushButton*>("Command1");
    form1.findChild<QRadioButton*>("Option2")->setChecked(true);
    const std::string input = Input();
    text1->setPlainText(quernel::BoxTextOfCodeList(input));

    const std::string output = quernel::Unpatch(quernel::UnpatchMode::PlainText, input);
    const QString box_text = quernel::BoxTextOfCodeList(output);
    QPlainTextEdit bare;
    bare.setLineWrapMode(QPlainTextEdit::NoWrap);
    bare.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    bare.resize(text2->size());
    bare.show();

    std::vector<double> baseline, press, read, unpatch, line_breaks;
    for (int round = 0; round < kRounds; ++round) {
        Clear(&bare);
        baseline.push_back(Milliseconds([&] { bare.setPlainText(box_text); }));
        Clear(text2);
        press.push_back(Milliseconds([&] { command1->click(); }));
        // The press's own steps, one by one, to show where its time goes.
        std::string code_list;
        read.push_back(Milliseconds(
            [&] { code_list = quernel::CodeListTextOfBox(text1->document()->toRawText()); }));
        std::string result;
        unpatch.push_back(Milliseconds(
            [&] { result = quernel::Unpatch(quernel::UnpatchMode::PlainText, code_list); }));
        line_breaks.push_back(Milliseconds([&] { (void)quernel::BoxTextOfCodeList(result); }));
    }
    if (quernel::CodeListTextOfBox(text2->document()->toRawText()) != output ||
        text2->blockCount() != kOutputLines + 1) {
        std::fputs("window_benchmark: the press did not give the expected output\n", stderr);
        return 1;
    }

    const double base = Median(baseline);
    const double whole = Median(press);
    const double added = (whole / base - 1) * 100;
    std::printf("output: %d lines, %zu bytes; medians of %d rounds\n", kOutputLines, output.size(),
                kRounds);
    std::printf("baseline, the text set into a bare box:      %8.1f ms\n", base);
    std::printf("press, read + Unpatch + line breaks + set:   %8.1f ms\n", whole);
    const double own = Median(read) + Median(unpatch) + Median(line_breaks);
    std::printf(
        "  the press's own steps: read Text1 %.1f ms, Unpatch %.1f ms, line breaks %.1f ms;\n"
        "  together %.1f ms, %.1f%% of the baseline\n",
        Median(read), Median(unpatch), Median(line_breaks), own, own / base * 100);
    std::printf("ratio %.2f: the press adds %.1f%% (target: at most 30%%) %s\n", whole / base,
                added, added <= 30 ? "OK" : "OVER");
    return 0;
}
