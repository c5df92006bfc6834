#pragma once
// The pipe of a browser started with --remote-debugging-pipe on a POSIX system.

#include <memory>

#include "platform/devtools/devtools_session.h"

namespace plv::devtools {

// The browser's pipe: its answers and events come on `in`, our commands go on `out`, each message
// ended by a NUL byte. Both are our ends of pipe(2)s; the transport makes them non-blocking and
// closes them. Nothing here waits past the deadlines it is given, and a browser that has gone
// (its ends closed) never raises SIGPIPE in the program.
std::unique_ptr<Transport> MakePosixPipe(int in, int out);

}  // namespace plv::devtools
