// A press of "Unpatch!" at 100,000, 1,000,000 and 2,000,000 output lines, run offscreen: the
// engine's own time, the press until Text2 has painted, and the press's peak memory, next to the
// same output set into a bare editor (what every press cost when Text2 was an editor alone).
// Then Ctrl+A, Ctrl+C in Text2 and the first paste, against the engine's time.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextDocument>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <string>

#include "engine/unpatch.h"
#include "window/form1.h"
#include "window/large_text_view.h"
#include "window/line_breaks.h"
#include "window/output_box.h"
#include "window/plain_text_box.h"

namespace {

// Plain Text repeater codes of at most FFF lines each, adding up to `lines` output lines.
std::string Input(int lines) {
    std::string input;
    char line[64];
    int address = 0x100000;
    for (int left = lines; left > 0; left -= 0xFFF, address += 0x2000) {
        std::snprintf(line, sizeof line, "500%03X02 0001\r\n80%06X 0000\r\n", std::min(left, 0xFFF),
                      address);
        input += line;
    }
    input.resize(input.size() - 2);  // a last CR LF would add an empty line to the output
    return input;
}

// A field of /proc/self/status in bytes.
double StatusBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) {
            return std::stod(line.substr(field.size() + 1)) * 1024;
        }
    }
    return 0;
}

// Starts a new peak: the kernel's high-water mark of resident memory falls back to what is in use.
void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

struct Cost {
    double seconds;
    double peak_bytes;  // above what was in use before
};

// Runs a step once, timing it and taking the peak of resident memory it adds.
Cost Measure(const std::function<void()>& step) {
    ResetPeakMemory();
    const double before = StatusBytes("VmRSS");
    QElapsedTimer timer;
    timer.start();
    step();
    const double seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return {seconds, StatusBytes("VmHWM") - before};
}

double EngineSeconds(const std::string& input) {
    return Measure([&] {
               const std::string output = quernel::Unpatch(quernel::UnpatchMode::PlainText, input);
               benchmark::DoNotOptimize(output.data());
           })
        .seconds;
}

struct Window {
    Window() {
        form1.show();
        text1 = form1.findChild<QPlainTextEdit*>("Text1");
        text2 = form1.findChild<quernel::OutputBox*>("Text2");
        command1 = form1.findChild<QPushButton*>("Command1");
        form1.findChild<QRadioButton*>("Option2")->setChecked(true);
    }
    quernel::Form1 form1;
    QPlainTextEdit* text1;
    quernel::OutputBox* text2;
    QPushButton* command1;
};

Window& TheWindow() {
    static Window window;
    return window;
}

// What a step costs next to the engine's own time for the same list, with the step's peak memory.
void Report(benchmark::State& state, double engine, const Cost& cost, std::size_t output) {
    state.counters["engine_ms"] = engine * 1e3;
    state.counters["x_engine"] = cost.seconds / engine;
    state.counters["peak_MB"] = cost.peak_bytes / 1e6;
    state.counters["output_MB"] = static_cast<double>(output) / 1e6;
    state.counters["peak_x_output"] = cost.peak_bytes / static_cast<double>(output);
}

void Press(benchmark::State& state) {
    Window& window = TheWindow();
    const std::string input = Input(static_cast<int>(state.range(0)));
    window.text1->setPlainText(quernel::BoxTextOfCodeList(input));
    const double engine = EngineSeconds(input);
    Cost cost{};
    for (auto _ : state) {
        window.text2->SetCodeListText(std::string());
        QApplication::processEvents();
        cost = Measure([&] {
            window.command1->click();
            window.text2->repaint();
        });
        state.SetIterationTime(cost.seconds);
    }
    Report(state, engine, cost, window.text2->CodeListText().size());
}

// The output set into a bare editor and painted, plus the engine's time: a press's cost when
// Text2 was an editor alone.
void BareEditor(benchmark::State& state) {
    const std::string input = Input(static_cast<int>(state.range(0)));
    const double engine = EngineSeconds(input);
    const std::string output = quernel::Unpatch(quernel::UnpatchMode::PlainText, input);
    QPlainTextEdit editor;
    editor.setLineWrapMode(QPlainTextEdit::NoWrap);
    editor.resize(TheWindow().text2->size());
    editor.show();
    Cost cost{};
    for (auto _ : state) {
        editor.clear();
        QApplication::processEvents();
        cost = Measure([&] {
            editor.setPlainText(quernel::BoxTextOfCodeList(output));
            editor.repaint();
        });
        cost.seconds += engine;
        state.SetIterationTime(cost.seconds);
    }
    Report(state, engine, cost, output.size());
}

void SendKey(QWidget* to, QKeySequence::StandardKey key) {
    const QKeyCombination combination = QKeySequence(key)[0];
    QKeyEvent press(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, combination.key(), combination.keyboardModifiers());
    QApplication::sendEvent(to, &release);
}

// Ctrl+A, Ctrl+C in a box, and the first paste, which reads the clipboard's text.
void CopyAndPaste(benchmark::State& state, QWidget* box, double engine, std::size_t output) {
    box->setFocus();
    Cost cost{};
    for (auto _ : state) {
        QApplication::clipboard()->clear();
        cost = Measure([&] {
            SendKey(box, QKeySequence::SelectAll);
            SendKey(box, QKeySequence::Copy);
            const QString pasted = QApplication::clipboard()->text();
            benchmark::DoNotOptimize(pasted.constData());
        });
        state.SetIterationTime(cost.seconds);
    }
    Report(state, engine, cost, output);
}

// In Text2, after a press.
void SelectAllCopyPaste(benchmark::State& state) {
    Window& window = TheWindow();
    const std::string input = Input(static_cast<int>(state.range(0)));
    window.text1->setPlainText(quernel::BoxTextOfCodeList(input));
    const double engine = EngineSeconds(input);
    window.command1->click();
    QWidget* shown = window.text2->ShowsView() ? static_cast<QWidget*>(window.text2->View())
                                               : window.text2->Editor();
    CopyAndPaste(state, shown, engine, window.text2->CodeListText().size());
}

// In a bare editor, whose copy also makes rich-text versions of the selection: what copying cost
// when Text2 was an editor alone. Too slow to run past 100,000 lines.
void BareEditorCopyPaste(benchmark::State& state) {
    const std::string input = Input(static_cast<int>(state.range(0)));
    const std::string output = quernel::Unpatch(quernel::UnpatchMode::PlainText, input);
    QPlainTextEdit editor;
    editor.setPlainText(quernel::BoxTextOfCodeList(output));
    editor.show();
    CopyAndPaste(state, &editor, EngineSeconds(input), output.size());
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(100'000)->Arg(1'000'000)->Arg(2'000'000);
    benchmark->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
}

BENCHMARK(Press)->Apply(Sizes);
BENCHMARK(BareEditor)->Apply(Sizes);
BENCHMARK(SelectAllCopyPaste)->Apply(Sizes);
BENCHMARK(BareEditorCopyPaste)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);

}  // namespace

int main(int argc, char* argv[]) {
    QTemporaryDir runtime_dir;
    qputenv("XDG_RUNTIME_DIR", runtime_dir.path().toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Every large block freshly mapped, as in a program's first press (see the engine benchmark).
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
