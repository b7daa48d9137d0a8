// first-frame-exit: a library preloaded into a Qt program that ends the program as soon as its
// first window has been shown and painted and the program has nothing left to do, so that a run
// covers the start-up alone, for instruction counts under callgrind (bench/startup-instructions):
//   LD_PRELOAD=build/bench/libfirst-frame-exit.so valgrind --tool=callgrind build/bin/floor-text

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWindow>
#include <cstdlib>

namespace {

// Waits for the first exposure of a window, which paints it, and then for the event loop to run
// dry: whatever the painting set off has run too, and the program would wait for the next event.
class FirstFrameExit final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!exposed_ && event->type() == QEvent::Expose) {
            if (auto* window = qobject_cast<QWindow*>(watched); window && window->isVisible()) {
                exposed_ = true;
                // At once, as a user's program never ends: its tearing down is not start-up.
                QObject::connect(QAbstractEventDispatcher::instance(),
                                 &QAbstractEventDispatcher::aboutToBlock, this,
                                 [] { std::_Exit(EXIT_SUCCESS); });
            }
        }
        return false;
    }

  private:
    bool exposed_ = false;
};

void Install() {
    QCoreApplication::instance()->installEventFilter(new FirstFrameExit(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Install)
