#pragma once

#include "TestFiles.h"

#include <string>
#include <sys/types.h>

// A view of a folder through sshfs from this machine to itself, as a folder on a server is seen:
// sshfs keeps names and attributes cached for seconds and makes inode numbers up, new ones once
// the kernel forgets a file. The test's own sshd serves it on a loopback port, with a host key
// and a user key made for the object; the mount and that sshd go with the object. Needs root,
// /dev/fuse, sshfs, sshd and ssh-keygen; where any is missing nothing is mounted and Unavailable()
// says why.
class SshfsView
{
public:
    explicit SshfsView(const std::string& folder);
    ~SshfsView();
    SshfsView(const SshfsView&) = delete;
    SshfsView& operator=(const SshfsView&) = delete;

    bool IsMounted() const { return unavailable.empty(); }
    const std::string& Unavailable() const { return unavailable; }
    const std::string& Path() const { return point.Path(); }
    std::string operator/(const std::string& name) const { return point / name; }

private:
    bool StartServer();
    bool Mount(const std::string& folder);

    const TempDir keys; // keys, configuration and log of the server
    const TempDir point;
    int port = 0;
    pid_t server = 0;
    bool mounted = false;
    std::string unavailable;
};
