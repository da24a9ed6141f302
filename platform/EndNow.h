#pragma once

namespace tessaly {

// Ends the program at once with `status`, whatever its other threads are doing: for a thread
// held inside the system that would otherwise keep it from ending. On Windows such a thread
// may hold the loader lock that an ordinary exit waits for.
[[noreturn]] void endNow(int status);

} // namespace tessaly
