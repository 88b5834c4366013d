#include "posix/HiddenFile.h"

#include "posix/OpenFile.h"
#include "posix/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <random>
#include <utility>

namespace {

// Leaves room for the dot and the suffix within the 255 bytes a name may have.
constexpr std::string::size_type LongestStem = 200;
constexpr int Attempts = 64;

// At most `longest` bytes, without the first bytes of a character whose last ones would be cut.
std::string CutBetweenCharacters(const std::string& name, std::string::size_type longest)
{
    if (name.size() <= longest)
        return name;
    std::string::size_type cut = longest;
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
        --cut;
    return name.substr(0, cut);
}

std::string RandomSuffix(std::mt19937& generator)
{
    static constexpr char Letters[]
        = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    std::string suffix(8, ' ');
    for (char& letter : suffix)
        letter = Letters[pick(generator)];
    return suffix;
}

// Hidden names beside `targetName` in turn, until `make` makes one or fails for another reason
// than that the name is taken. The name made, or nothing.
std::string MakeHidden(const std::string& folderPath, const std::string& targetName,
    const std::function<bool(const std::string& name)>& make)
{
    const std::string stem
        = folderPath + "." + CutBetweenCharacters(targetName, LongestStem) + ".velkaro-";
    std::mt19937 generator(std::random_device {}());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string candidate = stem + RandomSuffix(generator);
        if (make(candidate))
            return candidate;
        if (errno != EEXIST)
            break;
    }
    return std::string();
}

HiddenFile CreateHidden(
    int folder, const std::string& folderPath, const std::string& targetName, mode_t mode)
{
    HiddenFile hidden;
    hidden.path = MakeHidden(folderPath, targetName, [&](const std::string& name) {
        hidden.file = CreateNewFileAt(folder, name.c_str(), mode);
        return hidden.file.IsOpen();
    });
    return hidden;
}

} // namespace

HiddenFile CreateHiddenFileBeside(const std::string& target, mode_t mode)
{
    return CreateHidden(AT_FDCWD, FolderOf(target) + "/", NameIn(target), mode);
}

HiddenFile CreateHiddenFileIn(int folder, const std::string& targetName, mode_t mode)
{
    return CreateHidden(folder, "", targetName, mode);
}

std::string MakeHiddenName(
    const std::string& targetName, const std::function<bool(const std::string& name)>& make)
{
    return MakeHidden("", targetName, make);
}
