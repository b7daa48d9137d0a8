#pragma once

#include <functional>
#include <thread>

// Runs one step of the start-up on a thread of its own, so that it takes the second core while
// the main thread goes on. Where no thread can be had the step is not run at all, and whoever
// needs its result does it as it would have anyway. Wait() returns once the step is done; the
// destructor waits too.
class BackgroundTask final {
  public:
    explicit BackgroundTask(std::function<void()> step);
    ~BackgroundTask();
    BackgroundTask(const BackgroundTask&) = delete;
    BackgroundTask& operator=(const BackgroundTask&) = delete;

    void Wait();

  private:
    std::thread thread_;
};
