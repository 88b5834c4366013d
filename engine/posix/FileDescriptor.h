#pragma once

// Owns one POSIX file descriptor and closes it when it goes out of profile. Close() is there for
// descriptors that were written to: a failing close can mean lost data and must be seen.
class FileDescriptor
{
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor) : fd(descriptor) { }
    ~FileDescriptor();

    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool IsOpen() const { return fd >= 0; }
    int Get() const { return fd; }

    // Closes now; false when the kernel reports an error. The descriptor is gone either way.
    bool Close();

private:
    int fd = -1;
};
