#pragma once

// The C library keeps memory that large texts leave behind for later use:
// editing a large document can leave a hundred megabytes of it idle. This
// gives such memory back to the system once the program has been idle for a
// moment, so that a burst of edits is not slowed down by it.
void releaseFreedMemorySoon();
