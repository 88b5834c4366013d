#pragma once

#include "TestFiles.h"

#include <string>

// A second view of a folder through FUSE (bindfs), as sshfs or a desktop's network share of a local
// disk gives one: the same files under another device number. Taken down with the object. Needs
// root, /dev/fuse and bindfs; where any is missing nothing is mounted and Unavailable() says why.
class FolderView
{
public:
    explicit FolderView(const std::string& folder);
    ~FolderView();
    FolderView(const FolderView&) = delete;
    FolderView& operator=(const FolderView&) = delete;

    bool IsMounted() const { return unavailable.empty(); }
    const std::string& Unavailable() const { return unavailable; }
    const std::string& Path() const { return point.Path(); }
    std::string operator/(const std::string& name) const { return point / name; }

private:
    const TempDir point;
    std::string unavailable;
};
