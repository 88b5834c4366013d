#include "FolderView.h"

#include <cstdlib>
#include <unistd.h>

namespace {

bool Run(const std::string& command)
{
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

} // namespace

FolderView::FolderView(const std::string& folder)
{
    if (geteuid() != 0 || access("/dev/fuse", W_OK) != 0 || !Run("command -v bindfs"))
        unavailable = "needs root, /dev/fuse and bindfs for a second view of a folder";
    else if (!Run("bindfs " + folder + " " + point.Path()))
        unavailable = "cannot mount bindfs here";
}

FolderView::~FolderView()
{
    if (IsMounted())
        Run("fusermount3 -u " + point.Path() + " || umount -l " + point.Path());
}
