#include "app/registry.h"

namespace vek {

std::optional<RegistryValue> EmptyRegistry::read(uint32_t, const QString&, const QString&) const {
    return std::nullopt;
}

} // namespace vek
