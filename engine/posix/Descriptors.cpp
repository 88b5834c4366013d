#include "posix/Descriptors.h"

#include "posix/FileDescriptor.h"
#include "posix/Retry.h"

#include <fcntl.h>
#include <vector>

std::size_t SpareDescriptors(std::size_t upTo)
{
    std::vector<FileDescriptor> taken;
    taken.reserve(upTo);
    while (taken.size() < upTo) {
        FileDescriptor one(
            RetryOnInterrupt([] { return open("/", O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
        if (!one.IsOpen())
            break;
        taken.push_back(std::move(one));
    }
    return taken.size();
}
