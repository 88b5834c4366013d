#pragma once

#include "posix/Heartbeat.h"

#include <string>

class Folder;
class Stem;
struct Distinguishing;
class OutputFile;

// Appends packages 0, 1, ... of the set whose names start with `stem` in `folder` to `output`, up
// to the first index that is no regular file when the join gets there, each exactly as long as it
// was when it was opened. True only when, at the end, the set is still as it was read: every
// package unchanged and nothing after the last, so that the result is the set as it stood, never
// a mix of two states of it. `by`: what tells files apart on the folder's file system.
bool JoinSet(const Folder& folder, const Stem& stem, const Distinguishing& by,
    OutputFile& output, const Heartbeat& heartbeat);
