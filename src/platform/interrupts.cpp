// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/interrupts.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <poll.h>
#include <pthread.h>

namespace {

constexpr std::array Requests{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t caught = 0;

void noteRequest(int signal)
{
    if (caught == 0)
        caught = signal;
}

sigset_t requestSet()
{
    sigset_t requests;
    sigemptyset(&requests);
    for (int signal : Requests)
        sigaddset(&requests, signal);
    return requests;
}

void setHandler(void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    for (int signal : Requests)
        sigaction(signal, &action, nullptr);
    // A parent may have started us with them blocked, and they would never come.
    const sigset_t requests = requestSet();
    pthread_sigmask(SIG_UNBLOCK, &requests, nullptr);
}

} // namespace

namespace Interrupts {

void catchRequests()
{
    caught = 0;
    // SA_RESTART: the calls in progress go on; the command looks at its
    // next safe point. SA_RESETHAND: a second request is not caught.
    setHandler(noteRequest, SA_RESTART | SA_RESETHAND);
}

void restoreDefaults()
{
    setHandler(SIG_DFL, 0);
}

int caughtSignal()
{
    return caught;
}

int exitStatus()
{
    return caught == 0 ? 0 : 128 + caught;
}

bool waitForInput(int fd)
{
    // The requests are held back between the look at `caught` and the wait,
    // and let through only inside ppoll(), so none can slip in between.
    const sigset_t requests = requestSet();
    sigset_t original;
    pthread_sigmask(SIG_BLOCK, &requests, &original);
    bool readable = false;
    while (caught == 0 && !readable) {
        pollfd input{fd, POLLIN, 0};
        const int ready = ::ppoll(&input, 1, nullptr, &original);
        readable = ready > 0 || (ready < 0 && errno != EINTR); // the read reports an error
    }
    pthread_sigmask(SIG_SETMASK, &original, nullptr);
    return readable;
}

} // namespace Interrupts
