#pragma once

#include <functional>

// The ends that reach the Linux program from outside its window as signals: SIGTERM (a logout, a
// task manager, a parent's time limit), SIGHUP (its terminal or session gone) and SIGINT (Ctrl+C
// where it was started). Their default would end the program at once and leave the host's own
// input in the exchange file as the answer.
namespace morven::tool::qt {

// Takes the three signals from this moment on; call it first thing, before any window, so that a
// signal that comes while the program starts waits for the event loop. The handler only writes
// the signal's number into a pipe.
void CatchEndSignals();

// Once the application exists: each signal taken reaches `onEnd` from the event loop that runs
// then, a box's own included. Called once.
void OnEndSignal(std::function<void(int signal)> onEnd);

// A signal taken and not yet handed on, or 0.
int PendingEndSignal();

// Ends the program by `signal` as its default would, so that whoever started it sees why.
[[noreturn]] void EndBySignal(int signal);

}  // namespace morven::tool::qt
