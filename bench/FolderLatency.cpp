#include "FolderLatency.h"

#include "ChildProcess.h"
#include "PairedRuns.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace {

void List(const std::string& folder)
{
    ReapChild(StartChild({"ls", "-l", folder}));
}

} // namespace

FolderLatency::FolderLatency(std::string listed)
    : folder(std::move(listed)),
      lister(
          std::chrono::milliseconds(50),
          [this] {
              double seconds = 0;
              try {
                  seconds = Seconds([this] { List(folder); });
              } catch (const std::runtime_error&) {
                  // No listing to time; the next one may be.
              }
              longest = std::max<double>(longest, seconds);
          },
          // The first listing after the page cache was dropped would mostly time loading ls itself
          // from the computer's own disk.
          [this] {
              try {
                  List(folder);
              } catch (const std::runtime_error&) {
              }
          })
{
}

double FolderLatency::LongestSeconds()
{
    lister.Stop();
    return longest;
}
