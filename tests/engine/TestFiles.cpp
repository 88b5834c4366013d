#include "TestFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

TempDir::TempDir(const std::filesystem::path& parent)
{
    std::string pattern = (parent / "velkaro-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder in " + parent.string());
    path = pattern;
}

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

std::vector<std::string> PackageNames(const std::string& base, std::size_t count)
{
    std::vector<std::string> names;
    for (std::size_t index = 0; index < count; ++index)
        names.push_back(base + ".c" + std::to_string(index));
    return names;
}

std::string WritePackages(const std::string& base, const std::vector<std::string>& contents)
{
    std::string joined;
    const std::vector<std::string> names = PackageNames(base, contents.size());
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
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound
        = fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
    if (fd >= 0)
        close(fd);
    if (!bound)
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
