#include "TestFiles.h"

#include "Velkaro.h"
#include "naming/PackageNames.h"
#include "posix/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <ostream>
#include <random>
#include <stdexcept>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr std::size_t CompareBlock = 256 * 1024;

std::string MakeTempDir(const std::filesystem::path& parent)
{
    std::string pattern = (parent / "velkaro-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder in " + parent.string());
    return pattern;
}

FileDescriptor OpenForReading(const std::string& path)
{
    FileDescriptor file(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.IsOpen())
        throw std::runtime_error("cannot open " + path);
    return file;
}

// Fills `buffer` as far as the file allows: fewer bytes only at its end.
std::size_t ReadFull(int fd, unsigned char* buffer, std::size_t size, const std::string& path)
{
    std::size_t filled = 0;
    while (filled < size) {
        const ssize_t got = read(fd, buffer + filled, size - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw std::runtime_error("cannot read " + path);
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    return filled;
}

} // namespace

TempDir::TempDir(const std::filesystem::path& parent) : path(MakeTempDir(parent)) { }

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string RandomBytes(std::size_t size, std::uint32_t seed)
{
    std::mt19937 generator(seed);
    std::string bytes(size, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

bool SameContents(const std::string& first, const std::string& second)
{
    const FileDescriptor a = OpenForReading(first);
    const FileDescriptor b = OpenForReading(second);
    const auto bufferA = std::make_unique<unsigned char[]>(CompareBlock);
    const auto bufferB = std::make_unique<unsigned char[]>(CompareBlock);
    for (;;) {
        const std::size_t gotA = ReadFull(a.Get(), bufferA.get(), CompareBlock, first);
        const std::size_t gotB = ReadFull(b.Get(), bufferB.get(), CompareBlock, second);
        if (gotA != gotB || !std::equal(bufferA.get(), bufferA.get() + gotA, bufferB.get()))
            return false;
        if (gotA < CompareBlock)
            return true;
    }
}

bool Exists(const std::string& path)
{
    struct stat status = {};
    return lstat(path.c_str(), &status) == 0;
}

bool IsRegular(const std::string& path)
{
    struct stat status = {};
    return lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

std::vector<std::string> PackagePaths(const std::string& base, std::size_t count)
{
    const SetName set = SetName::OfBase(base);
    std::vector<std::string> names;
    for (std::size_t index = 0; index < count; ++index)
        names.push_back(set.PathOf(index));
    return names;
}

std::string JoinedSet(const std::string& base)
{
    std::string joined;
    for (const auto& name : PackagePaths(base, Velkaro::IsPck(base + ".c0")))
        joined += ReadBytes(name);
    return joined;
}

std::vector<std::string> PackageContents(const std::string& base, std::size_t count)
{
    std::vector<std::string> contents;
    for (const auto& name : PackagePaths(base, count))
        contents.push_back(ReadBytes(name));
    return contents;
}

std::string WritePackages(const std::string& base, const std::vector<std::string>& contents)
{
    std::string joined;
    const std::vector<std::string> names = PackagePaths(base, contents.size());
    for (std::size_t index = 0; index < contents.size(); ++index) {
        WriteBytes(names[index], contents[index]);
        joined += contents[index];
    }
    return joined;
}

void MakeSocket(const std::string& path)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        throw std::runtime_error("socket path too long: " + path);
    path.copy(address.sun_path, path.size());
    const FileDescriptor socketFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!socketFd.IsOpen()
        || bind(socketFd.Get(), reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0)
        throw std::runtime_error("cannot bind a socket at " + path);
}

std::string NameVia(const std::string& file, const std::string& via, const std::string& other)
{
    if (via == "name")
        return file;
    const int made = via == "hardlink" ? link(file.c_str(), other.c_str())
                                       : symlink(file.c_str(), other.c_str());
    return made == 0 ? other : std::string();
}

std::string OwnPackageCase::Arrange(const std::string& base, const std::string& other) const
{
    WritePackages(base, set);
    const std::string package = PackagePaths(base, index + 1).back();
    if (std::string(via) != "name" && !Exists(package))
        WriteBytes(package, "0123456789");
    return NameVia(package, via, other);
}

void PrintTo(const OwnPackageCase& c, std::ostream* out)
{
    *out << c.label;
}
