#pragma once
// Waiting on real time for something the event loop brings (a transfer over
// a pseudo-terminal). QTest's QTRY_ waits sleep up to 10 ms between their
// rounds of events, so every turn of the exchange (the sender's tick, the
// bytes on the line, the reply) waits for the next round: a frame then costs
// about 30 ms instead of the 15 ms tick and its bytes. This wait wakes for
// every event.

#include <functional>

// Runs the event loop until done() holds or timeoutMs have passed; returns
// done(). Deferred deletions run on the way, as in QTest's waits.
bool RunEventsUntil(const std::function<bool()>& done, int timeoutMs);
