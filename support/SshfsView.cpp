#include "SshfsView.h"

#include "Shell.h"
#include "posix/FileDescriptor.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* Sshd = "/usr/sbin/sshd";

// A loopback port no one listens on now; 0 when none can be had.
int FreeLoopbackPort()
{
    const FileDescriptor probe(socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (!probe.IsOpen() || bind(probe.Get(), reinterpret_cast<sockaddr*>(&address), length) != 0
        || getsockname(probe.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return 0;
    return ntohs(address.sin_port);
}

} // namespace

SshfsView::SshfsView(const std::string& folder)
{
    if (geteuid() != 0 || access("/dev/fuse", W_OK) != 0 || !Have("sshfs") || !Have(Sshd)
        || !Have("ssh-keygen"))
        unavailable = "needs root, /dev/fuse, sshfs, sshd and ssh-keygen for a view through sshfs";
    else if (!StartServer())
        unavailable = "cannot start sshd on a loopback port";
    else if (!Mount(folder))
        unavailable = "cannot mount the folder through sshfs to this machine";
}

bool SshfsView::StartServer()
{
    port = FreeLoopbackPort();
    // sshd wants its privilege separation folder, which a system that never ran it lacks.
    if (port == 0 || !Shell("mkdir -p -m 0755 /run/sshd")
        || !Shell("ssh-keygen -q -t ed25519 -N '' -f " + keys / "host")
        || !Shell("ssh-keygen -q -t ed25519 -N '' -f " + keys / "user")
        || !Shell("cp " + keys / "user.pub" + " " + keys / "authorized_keys"))
        return false;
    WriteBytes(keys / "sshd_config",
        "ListenAddress 127.0.0.1:" + std::to_string(port) + "\nHostKey " + keys / "host"
            + "\nPidFile " + keys / "sshd.pid" + "\nAuthorizedKeysFile " + keys / "authorized_keys"
            + "\nPermitRootLogin prohibit-password\nStrictModes no\nUsePAM no\n"
              "Subsystem sftp internal-sftp\n");
    if (!Shell(std::string(Sshd) + " -f " + keys / "sshd_config" + " -E " + keys / "sshd.log"))
        return false;
    // It forks into the background and writes its process id once it listens.
    for (int tries = 0; tries < 100 && server == 0; ++tries) {
        server = std::atoi(ReadBytes(keys / "sshd.pid").c_str());
        if (server == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return server != 0;
}

bool SshfsView::Mount(const std::string& folder)
{
    const std::string options = "port=" + std::to_string(port) + ",IdentityFile=" + keys / "user"
        + ",IdentitiesOnly=yes,BatchMode=yes,StrictHostKeyChecking=no,UserKnownHostsFile=/dev/null";
    mounted = Shell(
        "sshfs -F /dev/null -o " + options + " root@127.0.0.1:" + folder + " " + point.Path());
    return mounted;
}

SshfsView::~SshfsView()
{
    if (mounted)
        Shell("fusermount3 -u " + point.Path() + " || umount -l " + point.Path());
    if (server != 0)
        kill(server, SIGTERM);
}
