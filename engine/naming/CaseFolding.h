#pragma once

#include <clocale>
#include <string>

// Names as file systems without case compare them: FAT, exFAT and NTFS (and through FUSE, which
// gives each spelling an inode of its own) take "Ärger.c1" and "ärger.C1" for one file, folding
// every letter to its simple upper case. Names are UTF-8; a byte that is no part of valid UTF-8
// stands for itself.
class CaseFolding
{
public:
    CaseFolding();
    ~CaseFolding();
    CaseFolding(const CaseFolding&) = delete;
    CaseFolding& operator=(const CaseFolding&) = delete;

    // How many bytes at the start of `name` spell `stem` in letters of either case; npos when
    // they do not.
    std::string::size_type StemLength(const std::string& name, const std::string& stem) const;

private:
    char32_t Fold(char32_t letter) const;

    // Unicode's case tables; null where the C library has none, and then only ASCII folds.
    locale_t unicode;
};
