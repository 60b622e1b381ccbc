#pragma once
// A run's private folder goes away when the run is ended by a signal from outside, as on a normal exit.
#include <csignal>
#include <filesystem>
#include <thread>

namespace dorvik::cli {

// While it lives, SIGTERM, SIGINT and SIGHUP (those not ignored when it starts) remove the folder, then end
// the process by the same signal, as they would have. Signals are taken by a thread of its own (the folder
// cannot be removed safely inside a signal handler): create it before any other thread, which inherits the
// blocked signals.
class RemovedOnInterrupt {
public:
    explicit RemovedOnInterrupt(std::filesystem::path folder);
    ~RemovedOnInterrupt();
    RemovedOnInterrupt(const RemovedOnInterrupt&) = delete;
    RemovedOnInterrupt& operator=(const RemovedOnInterrupt&) = delete;

private:
    void Watch() const;

    std::filesystem::path folder_;
    sigset_t watched_{};
    sigset_t previous_{};
    int signals_ = -1; // signalfd of the watched signals
    int stop_ = -1;    // eventfd that ends the watch
    std::thread watcher_;
};

} // namespace dorvik::cli
