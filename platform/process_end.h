#pragma once

#include <QtGlobal>

namespace platform {

// Ends a process this program started, directly or through one it started (the HTML engine's
// page processes), at once and without asking it: a page process that runs away answers
// nothing. A process id that names no descendant of this program (one that ended and whose id
// went to an unrelated process, or any other) is left alone. True when the process was told to
// end.
bool EndChildProcess(qint64 pid);

} // namespace platform
