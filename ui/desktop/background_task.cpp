#include "ui/desktop/background_task.h"

#include <system_error>
#include <utility>

BackgroundTask::BackgroundTask(std::function<void()> step) {
    try {
        thread_ = std::thread(std::move(step));
    } catch (const std::system_error&) {
        // No second thread: the step is left to whoever needs its result.
    }
}

BackgroundTask::~BackgroundTask() {
    Wait();
}

void BackgroundTask::Wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}
