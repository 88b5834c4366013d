#pragma once

#include "VerifyFileExA.h"

#include <string>

// What VerifyFileExA finds at a path that is about to be written.
enum class Probe {
    Exists, // a regular file is there
    Free, // nothing, or something that opens for writing as it is; a new file can be made
    Unwritable, // nothing can be written there
};

inline Probe ProbeOf(const std::string& path)
{
    switch (VerifyFileExA(path.c_str())) {
    case 0:
        return Probe::Exists;
    case 1:
        return Probe::Free;
    default:
        return Probe::Unwritable;
    }
}
