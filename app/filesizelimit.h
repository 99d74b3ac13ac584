#pragma once

// Under a limit on file sizes (ulimit -f), a write beyond it would end the program with
// SIGXFSZ, losing what was not yet saved. Ignored, the write fails (EFBIG) and is reported
// as any failed write is.
void ignoreFileSizeSignal();
