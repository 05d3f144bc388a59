// shr::AtomicFileCalls: the system calls of an atomic replace, replaceable to inject faults.
#pragma once

#include "shr/Export.h"

#include <sys/types.h>

#include <cstddef>

namespace shr {

/// The calls whose failures a replace must survive. A test swaps one for a failing
/// stand-in through ScopedAtomicFileCalls; everything else uses the system's.
struct SHR_EXPORT AtomicFileCalls {
    ssize_t (*write)(int fd, void const* data, std::size_t size);
    int (*fchmod)(int fd, mode_t mode);
    int (*fsync)(int fd);
    int (*close)(int fd);
};

/// The calls in use now.
SHR_EXPORT AtomicFileCalls const& CurrentAtomicFileCalls();

/// Installs `calls` for its lifetime and then puts the previous ones back.
class SHR_EXPORT ScopedAtomicFileCalls {
public:
    explicit ScopedAtomicFileCalls(AtomicFileCalls const& calls);
    ~ScopedAtomicFileCalls();
    ScopedAtomicFileCalls(ScopedAtomicFileCalls const&) = delete;
    ScopedAtomicFileCalls& operator=(ScopedAtomicFileCalls const&) = delete;

private:
    AtomicFileCalls m_previous;
};

} // namespace shr
