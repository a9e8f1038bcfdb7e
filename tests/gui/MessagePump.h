#pragma once
// Lets the test's own thread handle everything that is queued, as the program's message loop would,
// so that a test can assert on the state that the messages leave behind.

namespace TestSupport {

// Dispatches queued and posted messages until the queue is empty (at most maxMessages of them, so a
// window that keeps posting to itself cannot hang a test). Returns the number dispatched.
int PumpMessages(int maxMessages = 10000);

}  // namespace TestSupport
