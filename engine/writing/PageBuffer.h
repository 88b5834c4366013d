#pragma once

#include <cstddef>
#include <memory>

// A zeroed buffer for reads and writes through the kernel, starting on a page boundary. The
// kernel copies to and from such a buffer several times faster than to one that malloc placed
// a few bytes into a page, as it does for any large block.
class PageBuffer
{
public:
    explicit PageBuffer(std::size_t size);

    char* Data() const { return bytes.get(); }

private:
    struct Free
    {
        void operator()(char* bytes) const;
    };

    std::unique_ptr<char, Free> bytes;
};
