#include "engine/system/mapping_guard.h"

namespace velandry {

// Windows refuses to shorten a file while it is mapped; there is nothing to
// guard against.
MappingGuard::MappingGuard(const void *, qsizetype) { }
MappingGuard::~MappingGuard() = default;
bool MappingGuard::faulted() const
{
    return false;
}

} // namespace velandry
