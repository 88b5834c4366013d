#include "PackageSet.h"

#include "FileIdentity.h"
#include "NumStrA.h"
#include "OpenFile.h"

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

} // namespace

std::string PackagePrefix(const std::string& path)
{
    const std::string::size_type dot = path.rfind(".c");
    return dot == std::string::npos ? std::string() : path.substr(0, dot + 2);
}

std::string PackageName(const std::string& prefix, std::uint64_t index)
{
    return prefix + NumToStrA(index);
}

bool ForEachPackageName(const std::string& prefix,
    const std::function<void(std::uint64_t index, const std::string& name)>& visit)
{
    const std::string folder = FolderOf(prefix);
    const std::string stem = NameIn(prefix);
    const std::unique_ptr<DIR, CloseDir> dir(opendir(folder.c_str()));
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        std::uint64_t index = 0;
        if (name.compare(0, stem.size(), stem) == 0 && ParseIndex(name.substr(stem.size()), index))
            visit(index, folder + "/" + name);
    }
    return true;
}

bool IsPackageOf(const std::string& path, const std::string& prefix)
{
    if (prefix.empty())
        return false;
    const std::string name = NameIn(path);
    const std::string stem = NameIn(prefix);
    std::uint64_t index = 0;
    if (name.compare(0, stem.size(), stem) == 0 && ParseIndex(name.substr(stem.size()), index)
        && SameFolder(FolderOf(path), FolderOf(prefix)))
        return true;

    const std::optional<FileIdentity> file = IdentityOfPath(path.c_str());
    if (!file)
        return false;
    bool found = false;
    const bool listed = ForEachPackageName(prefix, [&](std::uint64_t, const std::string& name) {
        found = found || IdentityOfPath(name.c_str()) == file;
    });
    if (listed)
        return found;
    // A folder that may be written but not read: the set from index 0 up to its first gap is
    // what can still be looked at.
    for (std::uint64_t at = 0;; ++at) {
        const std::optional<FileIdentity> package = IdentityOfPath(PackageName(prefix, at).c_str());
        if (!package)
            return false;
        if (*package == *file)
            return true;
    }
}
