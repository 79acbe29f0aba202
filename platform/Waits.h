// The waits of a view's run, built on one pump: wait for a message, take it, dispatch it, until
// the message that ends the wait has been dispatched. Every wait throws ViewClosed once the
// window is closing. No demonstration writes a message loop of its own.
#pragma once

#include <cstdint>

#include "platform/Messages.h"
#include "platform/FunctionRef.h"

namespace dulm {

class MessageQueue;

// Waits for messages and dispatches each of them, until one for which last(m) holds has been
// dispatched; returns that message.
MSG PumpUntil(FunctionRef<bool(const MSG&)> last);

// The "Hit any key" wait: dispatches messages until a key release has been retrieved.
MSG WaitKeyUp();

// Timer 1 of the calling view, started for one wait and always killed, however the wait ends
// (also when ViewClosed unwinds it). A view has one timer: starting another restarts it.
class [[nodiscard]] ScopedTimer {
public:
    explicit ScopedTimer(unsigned intervalMs, unsigned id = 1);
    ~ScopedTimer();
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;

private:
    MessageQueue& m_queue;
    unsigned m_id;
};

// Starts timer 1 with ms, dispatches messages until its first WM_TIMER, and kills it.
void WaitTimer(unsigned ms);

// Starts timer 1 with ms and dispatches messages until its WM_TIMER or a left-button click has
// been retrieved; kills the timer and returns the message that ended the wait.
MSG WaitTimerOrClick(unsigned ms);

// A busy loop calibrated against clock(), and a pause of so many of its iterations during which
// no message is handled (they stay queued). Iterations per millisecond, measured as the old
// calibration did: one clock() tick, then at least 2,000,000 iterations, ten times more until
// clock() has moved. On the virtual clock the rate is a fixed nominal one and no time passes.
// Throws ViewClosed when the window closes during the measurement.
int CalibrateDelay();
// Pauses as long as `iterations` of the calibrated loop take at `perMs` iterations a
// millisecond: a precise sleep on the real clock (no core is burnt), virtual time on the virtual
// clock (exactly iterations * 1000 / perMs microseconds; a test's horizon stops it like any
// wait). No pause when perMs is not positive. Throws ViewClosed promptly when the window closes
// meanwhile.
void BusyDelay(std::int64_t iterations, int perMs);

}  // namespace dulm
