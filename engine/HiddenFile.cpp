#include "HiddenFile.h"

#include "OpenFile.h"

#include <cerrno>
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

} // namespace

HiddenFile CreateHiddenFileBeside(const std::string& target, mode_t mode)
{
    const std::string stem
        = FolderOf(target) + "/." + CutBetweenCharacters(NameIn(target), LongestStem) + ".velkaro-";
    std::mt19937 generator(std::random_device {}());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        std::string candidate = stem + RandomSuffix(generator);
        FileDescriptor file = CreateNewFile(candidate.c_str(), mode);
        if (file.IsOpen())
            return HiddenFile {std::move(file), std::move(candidate)};
        if (errno != EEXIST)
            break;
    }
    return HiddenFile {};
}
