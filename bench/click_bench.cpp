// A click on "Криптирай" with forty letters in the input line, in the program's own window, timed
// from the mouse press until the model and the widgets hold the new state (StateOnly) or until
// the window has also repainted and flushed to the X server (Painted). Needs an X server:
// bench/run-all gives it one.

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <cstdlib>

#include "ui/window/main_window.h"

namespace {

const QString kFortyLetters = QStringLiteral("TheQuickBrownFoxJumpsOverTheLazyDogCrypt");

// Waits until the X server has done everything the program sent it, so that no earlier paint is
// still being copied out of the window's shared-memory image when the timed part begins.
void SyncWithServer() {
    QCoreApplication::processEvents();
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        xcb_connection_t* connection = x11->connection();
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
    QCoreApplication::processEvents();
}

// Types the forty letters with the clock stopped, as a person would (so the form's input box
// holds them too), and lets the window paint them, so that every iteration starts from the same
// state; then clicks. With `paint` the window's repaint and its flush to the X server are timed
// too, otherwise only the click's own work on the model and the widgets' state.
void ClickEncrypt(benchmark::State& state, MainWindow* window, bool paint) {
    auto* button = window->findChild<QAbstractButton*>(QStringLiteral("Command1_0"));
    auto* input = window->findChild<QLineEdit*>(QStringLiteral("Text2_0"));
    if (button == nullptr || input == nullptr) {
        state.SkipWithError("the window has no Command1_0 button or no Text2_0 input line");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        input->selectAll();
        QTest::keyClicks(input, kFortyLetters);
        SyncWithServer();
        state.ResumeTiming();
        QTest::mouseClick(button, Qt::LeftButton);
        if (paint) {
            QCoreApplication::processEvents();
        }
    }
    const QString expected = kFortyLetters.toUpper();
    if (input->text() != expected || window->form().Text2(0).Text() != expected.toStdU16String() ||
        window->form().List1(0).ListCount() != static_cast<int>(expected.size())) {
        state.SkipWithError("the click did not bring the enciphered state");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    MainWindow::PrepareApplication();
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        return 1;
    }
    benchmark::RegisterBenchmark("BM_ClickEncrypt40_Painted", ClickEncrypt, &window, true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_ClickEncrypt40_StateOnly", ClickEncrypt, &window, false)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
