#include "Velkaro.h"

#include "ByteCopier.h"
#include "ExtractExtensionA.h"
#include "FileIdentity.h"
#include "OpenFile.h"
#include "PackageSet.h"
#include "RemoveA.h"
#include "VerifyFileA.h"
#include "VerifyFileExA.h"

#include <algorithm>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsPackageExtension(const std::string& extension)
{
    return extension.size() >= 2 && extension[0] == 'c'
        && extension.find_first_not_of("0123456789", 1) == std::string::npos;
}

// Before a split touches anything: none of the names it will remove or write may be the source
// itself, and every name it will write must be free or a regular file it can replace.
bool SplitTargetsAreSafe(const std::string& prefix, const FileIdentity& source,
    std::uint64_t removeCount, std::uint64_t writeCount)
{
    const std::uint64_t last = std::max(removeCount, writeCount);
    for (std::uint64_t index = 0; index < last; ++index) {
        struct stat status = {};
        if (stat(PackageName(prefix, index).c_str(), &status) != 0)
            continue;
        if (IdentityOf(status) == source)
            return false;
        if (index < writeCount && !S_ISREG(status.st_mode))
            return false;
    }
    return true;
}

// The packages a failed split has written so far, and only those, are deleted again.
void RemoveWrittenPackages(const std::string& prefix, std::uint64_t count)
{
    for (std::uint64_t index = 0; index < count; ++index)
        unlink(PackageName(prefix, index).c_str());
}

} // namespace

unsigned long Velkaro::IsPck(std::string path)
{
    if (!IsPackageExtension(ExtractExtensionA(path)))
        return 0;
    const std::string prefix = PackagePrefix(path);
    unsigned long count = 0;
    while (VerifyFileA(PackageName(prefix, count).c_str()))
        ++count;
    return count;
}

bool Velkaro::Split(std::string source, std::string destination, std::uint32_t size, bool overwrite)
{
    if (!VerifyFileA(source.c_str()))
        return false;

    const std::string prefix = destination + ".c";
    const std::string firstPackage = PackageName(prefix, 0);
    const int probe = VerifyFileExA(firstPackage.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;
    if (size == 0)
        return false;

    FileDescriptor input = OpenForReading(source.c_str());
    if (!input.IsOpen())
        return false;
    struct stat status = {};
    if (fstat(input.Get(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;

    // A source of length L makes floor(L / size) + 1 packages; the last one is empty when L is
    // a multiple of size.
    const std::uint64_t writeCount = static_cast<std::uint64_t>(status.st_size) / size + 1;
    const std::uint64_t removeCount = probe == 0 ? IsPck(firstPackage) : 0;
    if (!SplitTargetsAreSafe(prefix, IdentityOf(status), removeCount, writeCount))
        return false;

    for (std::uint64_t index = 0; index < removeCount; ++index)
        RemoveA(PackageName(prefix, index).c_str(), 1);

    ByteCopier copier;
    off_t offset = 0;
    std::uint64_t written = 0;
    for (std::uint64_t index = 0;; ++index) {
        FileDescriptor package = OpenForWriting(PackageName(prefix, index).c_str());
        if (!package.IsOpen()) {
            RemoveWrittenPackages(prefix, written);
            return false;
        }
        ++written;
        struct stat packageStatus = {};
        const bool regular
            = fstat(package.Get(), &packageStatus) == 0 && S_ISREG(packageStatus.st_mode);
        const std::int64_t copied
            = regular ? copier.Copy(input.Get(), offset, status.st_size, package.Get(), size) : -1;
        if (copied < 0 || !package.Close()) {
            RemoveWrittenPackages(prefix, written);
            return false;
        }
        if (static_cast<std::uint64_t>(copied) < size)
            return true;
    }
}

bool Velkaro::Build(std::string package, std::string destination, bool overwrite)
{
    if (IsPck(package) == 0)
        return false;
    const int probe = VerifyFileExA(destination.c_str());
    if (probe == 2 || (probe == 0 && !overwrite))
        return false;

    const std::string prefix = PackagePrefix(package);
    if (const auto existing = IdentityOfPath(destination.c_str());
        existing && SetContainsFile(prefix, *existing))
        return false;

    FileDescriptor output = OpenForWriting(destination.c_str());
    if (!output.IsOpen())
        return false;
    struct stat targetStatus = {};
    if (fstat(output.Get(), &targetStatus) != 0)
        return false;
    const FileIdentity target = IdentityOf(targetStatus);
    const bool regularTarget = S_ISREG(targetStatus.st_mode);

    // A half-joined file must not pass for a whole one: empty it (also through other links to
    // it) and delete it. Devices and FIFOs are left alone.
    const auto fail = [&] {
        if (regularTarget) {
            if (output.IsOpen())
                ftruncate(output.Get(), 0);
            unlink(destination.c_str());
        }
        return false;
    };

    ByteCopier copier;
    for (std::uint64_t index = 0;; ++index) {
        const std::string name = PackageName(prefix, index);
        // Package 0 was seen by IsPck; every later one is tested when the join gets there.
        if (index > 0 && !VerifyFileA(name.c_str()))
            break;
        const FileDescriptor input = OpenForReading(name.c_str());
        struct stat status = {};
        if (!input.IsOpen() || fstat(input.Get(), &status) != 0 || !S_ISREG(status.st_mode))
            return fail();
        // The destination may have been created under a name of the set (the index right
        // after its last package): joining it into itself would never end.
        if (IdentityOf(status) == target)
            return fail();
        off_t offset = 0;
        if (copier.Copy(input.Get(), offset, status.st_size, output.Get(),
                std::numeric_limits<std::uint64_t>::max())
            < 0)
            return fail();
    }
    if (!output.Close())
        return fail();
    return true;
}
