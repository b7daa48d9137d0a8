// floor-widgets: an experiment, not the program. It shows the program's 29 controls built in one of
// several ways (see ExperimentWindow::Choices: each argument KEY=VALUE picks one), so that
// startup-probe can tell what each way costs over the text floor.

#include <QApplication>
#include <QTimer>

#include "bench/experiment_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const ExperimentWindow::Choices choices = ExperimentWindow::Choices::Parse(argc, argv);
    ExperimentWindow window(choices);
    if (choices.rows != "before") {
        QTimer::singleShot(0, &window, &ExperimentWindow::FillLists);
    }
    window.show();
    return QApplication::exec();
}
