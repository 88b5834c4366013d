#include "PackageSet.h"

#include "NumStrA.h"

#include <sys/stat.h>

std::string PackagePrefix(const std::string& path)
{
    return path.substr(0, path.rfind(".c") + 2);
}

std::string PackageName(const std::string& prefix, std::uint64_t index)
{
    return prefix + NumToStrA(index);
}

// Tests each package as VerifyFileA does (the S_IFREG bit), one stat per package.
bool SetContainsFile(const std::string& prefix, const FileIdentity& file)
{
    for (std::uint64_t index = 0;; ++index) {
        struct stat status = {};
        if (stat(PackageName(prefix, index).c_str(), &status) != 0
            || (status.st_mode & S_IFREG) == 0)
            return false;
        if (IdentityOf(status) == file)
            return true;
    }
}
