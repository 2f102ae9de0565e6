#include "fulldisk.h"

#include <csignal>

namespace testsupport {

FullDisk::FullDisk(rlim_t bytes)
{
    // Going past the limit raises SIGXFSZ, which would end the test run;
    // ignored, the write fails with EFBIG instead.
    m_signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &m_before);
    rlimit limited = m_before;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
}

FullDisk::~FullDisk()
{
    setrlimit(RLIMIT_FSIZE, &m_before);
    std::signal(SIGXFSZ, m_signalBefore);
}

} // namespace testsupport
