#pragma once

#include "FileDescriptor.h"

// Opens that never hang on a FIFO without a partner: the open itself is non-blocking and fails
// at once instead of waiting.

// For reading from the start, with the kernel told to read ahead.
FileDescriptor OpenForReading(const char* path);

// For writing from the start: creates a missing file, empties an existing one. Writes block as
// usual once the file is open.
FileDescriptor OpenForWriting(const char* path);
