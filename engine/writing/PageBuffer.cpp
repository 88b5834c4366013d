#include "writing/PageBuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t Page = 4096;

} // namespace

PageBuffer::PageBuffer(std::size_t size)
    // aligned_alloc wants a multiple of the alignment, and may give nothing for 0.
    : bytes(static_cast<char*>(std::aligned_alloc(Page, (size / Page + 1) * Page)))
{
    if (!bytes)
        throw std::bad_alloc();
    std::memset(bytes.get(), 0, size);
}

void PageBuffer::Free::operator()(char* bytes) const
{
    std::free(bytes);
}
