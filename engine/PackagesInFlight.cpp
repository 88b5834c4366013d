#include "PackagesInFlight.h"

#include <utility>

namespace {

constexpr std::uint64_t MostBytes = std::uint64_t(8) << 20;
constexpr std::size_t MostPackages = 64;

} // namespace

bool PackagesInFlight::Add(OutputFile package)
{
    if (!package.StartRest())
        return false;
    bytes += package.Pending();
    packages.push_back(std::move(package));
    while (bytes > MostBytes || packages.size() > MostPackages) {
        if (!LandOldest())
            return false;
    }
    return true;
}

bool PackagesInFlight::Land()
{
    while (!packages.empty()) {
        if (!LandOldest())
            return false;
    }
    return true;
}

bool PackagesInFlight::LandOldest()
{
    OutputFile& oldest = packages.front();
    bytes -= oldest.Pending();
    const bool landed = oldest.Drain() && oldest.Close();
    packages.pop_front();
    return landed;
}
