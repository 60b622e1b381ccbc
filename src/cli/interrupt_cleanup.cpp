#include "cli/interrupt_cleanup.h"

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <system_error>

namespace dorvik::cli {

RemovedOnInterrupt::RemovedOnInterrupt(std::filesystem::path folder) : folder_(std::move(folder)) {
    sigemptyset(&watched_);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        // A signal the starter ignores (SIGINT of a background job) stays ignored.
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            sigaddset(&watched_, signal);
    }
    pthread_sigmask(SIG_BLOCK, &watched_, &previous_);
    signals_ = ::signalfd(-1, &watched_, SFD_CLOEXEC);
    stop_ = ::eventfd(0, EFD_CLOEXEC);
    if (signals_ >= 0 && stop_ >= 0)
        watcher_ = std::thread([this] { Watch(); });
}

RemovedOnInterrupt::~RemovedOnInterrupt() {
    if (watcher_.joinable()) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto written = ::write(stop_, &one, sizeof one);
        watcher_.join();
    }
    for (const int fd : {signals_, stop_})
        if (fd >= 0)
            ::close(fd);
    // A signal that came after the watch ended is delivered now, with its usual effect.
    pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void RemovedOnInterrupt::Watch() const {
    std::array<pollfd, 2> fds{{{signals_, POLLIN, 0}, {stop_, POLLIN, 0}}};
    int ready = 0;
    do
        ready = ::poll(fds.data(), fds.size(), -1);
    while (ready < 0 && errno == EINTR);
    if (ready <= 0 || fds[1].revents != 0)
        return;
    signalfd_siginfo info{};
    if (::read(signals_, &info, sizeof info) != static_cast<ssize_t>(sizeof info))
        return;
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    // Ended by the signal itself, so the starter sees why.
    const int signal = static_cast<int>(info.ssi_signo);
    std::signal(signal, SIG_DFL);
    sigset_t only;
    sigemptyset(&only);
    sigaddset(&only, signal);
    pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
    ::raise(signal);
    ::_exit(128 + signal);
}

} // namespace dorvik::cli
