#include "PackageSet.h"

#include "FileIdentity.h"
#include "NumStrA.h"

#include <dirent.h>
#include <limits>
#include <memory>
#include <optional>
#include <sys/stat.h>

namespace {

struct PathParts
{
    std::string folder; // with its trailing slash, empty for the current folder
    std::string name;
};

PathParts SplitPath(const std::string& path)
{
    const std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return {std::string(), path};
    return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

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
    const auto a = IdentityOfPath(left.empty() ? "." : left.c_str());
    const auto b = IdentityOfPath(right.empty() ? "." : right.c_str());
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
    const PathParts parts = SplitPath(prefix);
    const std::unique_ptr<DIR, CloseDir> dir(
        opendir(parts.folder.empty() ? "." : parts.folder.c_str()));
    if (!dir)
        return false;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string name = entry->d_name;
        std::uint64_t index = 0;
        if (name.compare(0, parts.name.size(), parts.name) == 0
            && ParseIndex(name.substr(parts.name.size()), index))
            visit(index, parts.folder + name);
    }
    return true;
}

bool IsPackageOf(const std::string& path, const std::string& prefix)
{
    if (prefix.empty())
        return false;
    const PathParts pathParts = SplitPath(path);
    const PathParts prefixParts = SplitPath(prefix);
    std::uint64_t index = 0;
    if (pathParts.name.compare(0, prefixParts.name.size(), prefixParts.name) == 0
        && ParseIndex(pathParts.name.substr(prefixParts.name.size()), index)
        && SameFolder(pathParts.folder, prefixParts.folder))
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
