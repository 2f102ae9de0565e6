#pragma once

#include <sys/resource.h>

namespace testsupport {

// While it lives, no file of this process can grow past `bytes`: a write
// beyond stops short with an error, as on a full disk. Needs no privileges
// and touches no other process.
class FullDisk {
public:
    explicit FullDisk(rlim_t bytes);
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

private:
    rlimit m_before{};
    void (*m_signalBefore)(int) = nullptr;
};

} // namespace testsupport
