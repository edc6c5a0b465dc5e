#include "base/TerminationSignals.h"

#include <QtGlobal>

#include <csignal>
#include <iterator>

#if defined(Q_OS_UNIX)
#include <signal.h>
#endif

namespace {

static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler may only touch lock-free atomics");
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

std::atomic<bool>* stopFlag = nullptr;
std::atomic<int> receivedSignal{0};

extern "C" void onTerminationSignal(int signal)
{
    receivedSignal.store(signal);
    if (std::atomic<bool>* stop = stopFlag)
        stop->store(true);
}

constexpr int handledSignals[] = {SIGINT, SIGTERM};

#if defined(Q_OS_UNIX)
struct sigaction earlierActions[std::size(handledSignals)];
#else
void (*earlierHandlers[std::size(handledSignals)])(int);
#endif

} // namespace

TerminationSignals::TerminationSignals(std::atomic<bool>& stop)
{
    stopFlag = &stop;
    receivedSignal.store(0);
    for (size_t i = 0; i < std::size(handledSignals); ++i) {
#if defined(Q_OS_UNIX)
        struct sigaction action = {};
        action.sa_handler = onTerminationSignal;
        sigemptyset(&action.sa_mask);
        // The handler is used once: a second signal has its usual effect.
        action.sa_flags = SA_RESETHAND;
        sigaction(handledSignals[i], &action, &earlierActions[i]);
#else
        // Here the handler is reset before it runs, as SA_RESETHAND does.
        earlierHandlers[i] = std::signal(handledSignals[i], onTerminationSignal);
#endif
    }
}

TerminationSignals::~TerminationSignals()
{
    for (size_t i = 0; i < std::size(handledSignals); ++i) {
#if defined(Q_OS_UNIX)
        sigaction(handledSignals[i], &earlierActions[i], nullptr);
#else
        std::signal(handledSignals[i], earlierHandlers[i]);
#endif
    }
    stopFlag = nullptr;
}

int TerminationSignals::received()
{
    return receivedSignal.load();
}
