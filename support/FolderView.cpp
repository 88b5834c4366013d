#include "FolderView.h"

#include "Shell.h"

#include <unistd.h>

FolderView::FolderView(const std::string& folder)
{
    if (geteuid() != 0 || access("/dev/fuse", W_OK) != 0 || !Have("bindfs"))
        unavailable = "needs root, /dev/fuse and bindfs for a second view of a folder";
    else if (!Shell("bindfs " + folder + " " + point.Path()))
        unavailable = "cannot mount bindfs here";
}

FolderView::~FolderView()
{
    if (IsMounted())
        Shell("fusermount3 -u " + point.Path() + " || umount -l " + point.Path());
}
