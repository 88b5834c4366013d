#include "PackageSet.h"

#include "ExtractExtensionA.h"
#include "FileIdentity.h"
#include "OpenFile.h"
#include "Retry.h"
#include "VerifyFileA.h"

#include <algorithm>
#include <cstdlib>

#include <cerrno>
#include <dirent.h>
#include <limits>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

// The index that `digits` writes, if it is written as a package index is: decimal digits
// without a leading zero (but "0" itself).
bool ParseIndex(const std::string& digits, std::uint64_t& index)
{
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos
        || (digits.size() > 1 && digits[0] == '0'))
        return false;
    index = 0;
    for (const char digit : digits) {
        const std::uint64_t value = static_cast<std::uint64_t>(digit - '0');
        if (index > (std::numeric_limits<std::uint64_t>::max() - value) / 10) {
            index = std::numeric_limits<std::uint64_t>::max();
            return true;
        }
        index = index * 10 + value;
    }
    return true;
}

struct CloseDir
{
    void operator()(DIR* dir) const { closedir(dir); }
};

bool SameFolder(const std::string& left, const std::string& right)
{
    const auto a = IdentityOfPath(left.c_str());
    const auto b = IdentityOfPath(right.c_str());
    return a && b && *a == *b;
}

char FoldCase(char letter)
{
    return letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
}

// Whether `name` starts with `stem`, letters compared without regard to case (ASCII only).
bool StartsWithFolded(const std::string& name, const std::string& stem)
{
    return name.size() >= stem.size()
        && std::equal(stem.begin(), stem.end(), name.begin(),
            [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

// Whether `path` is named as a package of the prefix, at any index, the letters of the name in
// either case.
bool NamesPackageOf(const std::string& path, const std::string& prefix)
{
    const std::string name = NameIn(path);
    const std::string stem = NameIn(prefix);
    std::uint64_t index = 0;
    return StartsWithFolded(name, stem) && ParseIndex(name.substr(stem.size()), index)
        && SameFolder(FolderOf(path), FolderOf(prefix));
}

} // namespace

std::string PackagePrefix(const std::string& path)
{
    const std::string::size_type dot = path.rfind(".c");
    return dot == std::string::npos ? std::string() : path.substr(0, dot + 2);
}

std::string PackageName(const std::string& prefix, std::uint64_t index)
{
    // The same digits as NumToStrA, without a string stream for each of a million names.
    return prefix + std::to_string(index);
}

bool ForEachPackageName(const std::string& prefix,
    const std::function<void(std::uint64_t index, const std::string& name)>& visit)
{
    const std::string folder = FolderOf(prefix);
    const std::string stem = NameIn(prefix);
    DIR* opened = nullptr;
    do
        opened = opendir(folder.c_str());
    while (!opened && errno == EINTR);
    const std::unique_ptr<DIR, CloseDir> dir(opened);
    if (!dir)
        return false;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry && errno == EINTR)
            continue;
        // A listing cut short by an error would miss names: it counts as none.
        if (!entry)
            return errno == 0;
        const std::string name = entry->d_name;
        std::uint64_t index = 0;
        if (name.compare(0, stem.size(), stem) == 0 && ParseIndex(name.substr(stem.size()), index))
            visit(index, folder + "/" + name);
    }
}

bool IsPackageOf(const std::string& path, const std::string& prefix)
{
    if (prefix.empty())
        return false;
    // File systems that ignore case (FAT and exFAT sticks, NTFS disks) make "X.C1" package 1 of
    // "X", and through FUSE give each spelling an inode of its own: only the name tells.
    if (NamesPackageOf(path, prefix))
        return true;

    struct stat named = {};
    struct stat file = {};
    if (RetryOnInterrupt([&] { return lstat(path.c_str(), &named); }) != 0
        || RetryOnInterrupt([&] { return stat(path.c_str(), &file); }) != 0)
        return false;
    // A file with one name is a package only under that name: the name itself, or the one a
    // link leads to. Only a file with several names needs the folder searched.
    if (file.st_nlink <= 1) {
        if (!S_ISLNK(named.st_mode))
            return false;
        const std::string resolved = ResolvedPath(path);
        return !resolved.empty() && NamesPackageOf(resolved, prefix);
    }

    const FileIdentity identity = IdentityOf(file);
    bool found = false;
    const bool listed = ForEachPackageName(prefix, [&](std::uint64_t, const std::string& name) {
        found = found || IdentityOfPath(name.c_str()) == identity;
    });
    if (listed)
        return found;
    // A folder that may be written but not read: the set from index 0 up to its first gap is
    // what can still be looked at.
    for (std::uint64_t at = 0;; ++at) {
        const std::optional<FileIdentity> package = IdentityOfPath(PackageName(prefix, at).c_str());
        if (!package)
            return false;
        if (*package == identity)
            return true;
    }
}

bool HasPackageExtension(const std::string& path)
{
    const std::string extension = ExtractExtensionA(path);
    return extension.size() >= 2 && extension[0] == 'c'
        && extension.find_first_not_of("0123456789", 1) == std::string::npos;
}

bool FirstPackageExists(const std::string& path)
{
    return HasPackageExtension(path) && VerifyFileA(PackageName(PackagePrefix(path), 0).c_str());
}

std::uint64_t PackagesFrom(const std::string& prefix, std::uint64_t index)
{
    std::uint64_t count = 0;
    while (VerifyFileA(PackageName(prefix, index + count).c_str()))
        ++count;
    return count;
}

std::uint64_t SplitPackageCount(std::uint64_t length, std::uint32_t size)
{
    return length / size + 1;
}
