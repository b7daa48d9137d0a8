// A click on "Криптирай" with forty letters in the input line, timed from the mouse press until
// the window shows the new state. Needs an X server: bench/run-all gives it one. Arguments of the
// form KEY=VALUE choose how the window is built (ExperimentWindow::Choices); the benchmark finds
// the controls by what they show, not by how they are made, so that it measures the program's own
// window unchanged once that exists.

#include <benchmark/benchmark.h>
#include <xcb/xcb.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <cstdlib>

#include "bench/experiment_window.h"

namespace {

const QString kFortyLetters = QStringLiteral("TheQuickBrownFoxJumpsOverTheLazyDogCrypt");

QPushButton* ButtonShowing(QWidget& window, const QString& caption) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == caption) {
            return button;
        }
    }
    return nullptr;
}

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

// Types the forty letters with the clock stopped and lets the window paint them, so that every
// iteration starts from the same state; then clicks. With `paint` the window's repaint and its
// flush to the X server are timed too, otherwise only the click's own work on the model and the
// widgets' state.
void ClickEncrypt(benchmark::State& state, QWidget* window, bool paint) {
    QPushButton* button = ButtonShowing(*window, QStringLiteral("Криптирай"));
    auto* input = window->findChild<QLineEdit*>();
    if (button == nullptr || input == nullptr) {
        state.SkipWithError("the window has no button \"Криптирай\" or no input line");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        input->setText(kFortyLetters);
        SyncWithServer();
        state.ResumeTiming();
        QTest::mouseClick(button, Qt::LeftButton);
        if (paint) {
            QCoreApplication::processEvents();
        }
    }
    if (input->text() != kFortyLetters.toUpper()) {
        state.SkipWithError("the click did not change the input line");
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    ExperimentWindow window(ExperimentWindow::Choices::Parse(argc, argv));
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
