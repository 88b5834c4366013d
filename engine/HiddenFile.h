#pragma once

#include "FileDescriptor.h"

#include <string>
#include <sys/types.h>

// A new file beside `target` under a name that is seen as neither the target nor a package:
// "." + the start of the target's name + ".velkaro-" + eight random letters. A kill that leaves
// it behind therefore leaves nothing that counts. The target's name is cut between two characters
// (UTF-8), so that the name is valid text wherever the target's is: file systems that keep names
// as Unicode (exFAT, NTFS) refuse half a character.
struct HiddenFile
{
    FileDescriptor file; // closed when no such file could be made
    std::string path;
};

// Created by this call (never a file that was there, never through a link), `mode` less the umask.
HiddenFile CreateHiddenFileBeside(const std::string& target, mode_t mode);
