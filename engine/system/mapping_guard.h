#pragma once

#include <QtGlobal>

namespace velandry {

// While alive, reads of the mapping [begin, begin + size) of a file that
// another program shortens read zeros instead of ending the process (POSIX
// sends SIGBUS for a page past the file's new end; Windows refuses to shorten
// a mapped file), and faulted() says that it happened.
class MappingGuard final
{
public:
    MappingGuard(const void *begin, qsizetype size);
    ~MappingGuard();
    MappingGuard(const MappingGuard &) = delete;
    MappingGuard &operator=(const MappingGuard &) = delete;
    bool faulted() const;

private:
    int slot_ = -1;
};

} // namespace velandry
