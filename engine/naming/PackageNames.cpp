#include "naming/PackageNames.h"

#include "ExtractExtensionA.h"
#include "TrimA.h"
#include "VerifyFileA.h"
#include "naming/CaseFolding.h"
#include "posix/Folder.h"
#include "posix/OpenFile.h"
#include "posix/Paths.h"

#include <limits>
#include <string_view>

namespace {

// What stands between a base path and a package's index.
constexpr std::string_view Suffix = ".c";

// The index that `digits` writes, if it is written as a package index is: decimal digits
// without a leading zero (but "0" itself).
std::optional<std::uint64_t> ParseIndex(const std::string& digits)
{
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos
        || (digits.size() > 1 && digits[0] == '0'))
        return std::nullopt;
    std::uint64_t index = 0;
    for (const char digit : digits) {
        const auto value = static_cast<std::uint64_t>(digit - '0');
        if (index > (std::numeric_limits<std::uint64_t>::max() - value) / 10)
            return std::numeric_limits<std::uint64_t>::max();
        index = index * 10 + value;
    }
    return index;
}

// The prefix of a package path, as SetName::OfPackage describes it.
std::optional<std::string> PrefixOf(const std::string& path)
{
    const std::string extension = ExtractExtensionA(path);
    if (extension.size() < 2 || extension[0] != Suffix[1]
        || extension.find_first_not_of("0123456789", 1) != std::string::npos)
        return std::nullopt;
    std::string::size_type end = path.size();
    while (end > 0 && IsWhite(path[end - 1]))
        --end;
    const std::string::size_type dot = end - extension.size() - 1;
    if (end < extension.size() + 1 || path.compare(dot, extension.size() + 1, "." + extension) != 0)
        return std::nullopt;
    return path.substr(0, dot + Suffix.size());
}

} // namespace

SetName SetName::OfBase(const std::string& base)
{
    std::string prefix = base + std::string(Suffix);
    return SetName {FolderOf(prefix), Stem(NameIn(prefix)), std::move(prefix)};
}

std::optional<SetName> SetName::OfPackage(const std::string& path)
{
    std::optional<std::string> prefix = PrefixOf(path);
    if (!prefix)
        return std::nullopt;
    return SetName {FolderOf(*prefix), Stem(NameIn(*prefix)), std::move(*prefix)};
}

std::optional<std::string> BaseOf(const std::string& path)
{
    const std::optional<std::string> prefix = PrefixOf(path);
    if (!prefix)
        return std::nullopt;
    return prefix->substr(0, prefix->size() - Suffix.size());
}

std::string PackageName(const Stem& stem, std::uint64_t index)
{
    // The same digits as NumToStrA, without a string stream for each of a million names.
    return stem.Text() + std::to_string(index);
}

bool IsPackageFile(const struct stat& status)
{
    return IsRegularFile(status);
}

bool PackageIn(const Folder& folder, const Stem& stem, std::uint64_t index, struct stat& status)
{
    return folder.Stat(PackageName(stem, index), status) && IsPackageFile(status);
}

bool IsPackageBase(const std::string& base)
{
    std::string name = NameIn(base);
    TrimA(name);
    return !name.empty();
}

std::optional<std::uint64_t> IndexIn(
    const std::string& name, const Stem& stem, const CaseFolding& folding)
{
    // A stem ends in "c": the index is the digits that end the name, and what stands before them
    // must spell the stem.
    const std::string::size_type digits = name.find_last_not_of("0123456789") + 1;
    const std::optional<std::uint64_t> index = ParseIndex(name.substr(digits));
    const std::string& text = stem.Text();
    // The exact spelling first: it is by far the most common, and needs no folding.
    if (!index || (digits == text.size() && name.compare(0, digits, text) == 0))
        return index;
    return folding.StemLength(name, text) == digits ? index : std::nullopt;
}

bool FirstPackageExists(const std::string& path)
{
    const std::optional<SetName> set = SetName::OfPackage(path);
    return set && VerifyFileA(set->PathOf(0).c_str());
}

std::uint64_t SplitPackageCount(std::uint64_t length, std::uint32_t size)
{
    return length / size + 1;
}
