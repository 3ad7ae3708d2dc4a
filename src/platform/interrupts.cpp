// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/interrupts.h"

#include <array>
#include <csignal>
#include <pthread.h>

namespace {

constexpr std::array Requests{SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t caught = 0;

void noteRequest(int signal)
{
    if (caught == 0)
        caught = signal;
}

void setHandler(void (*handler)(int), int flags)
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = flags;
    sigset_t requests;
    sigemptyset(&requests);
    for (int signal : Requests) {
        sigaction(signal, &action, nullptr);
        sigaddset(&requests, signal);
    }
    // A parent may have started us with them blocked, and they would never come.
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

} // namespace Interrupts
