#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace vek {

/// The root of the registry locations the about box looks in.
constexpr uint32_t HkeyLocalMachine = 0x80000002;

/// A value as a registry holds it: text, or something else that names no path.
struct RegistryValue {
    enum class Type { Text, Other };
    Type type = Type::Text;
    QString data; // a text value's characters as stored, a trailing zero character included
};

/// Read access to a system registry of keys and named values, as the about box uses it to find the
/// system information program. The program's own registry (`EmptyRegistry`) holds nothing, since the
/// platform has none; tests put their own in its place.
class Registry {
public:
    virtual ~Registry() = default;
    /// The value `valueName` of the key `keyName` under `root`; nothing when the key or the value
    /// is not there.
    [[nodiscard]] virtual std::optional<RegistryValue> read(uint32_t root, const QString& keyName,
                                                            const QString& valueName) const = 0;
};

/// The registry of a platform without one: every read finds nothing.
class EmptyRegistry final : public Registry {
public:
    [[nodiscard]] std::optional<RegistryValue> read(uint32_t root, const QString& keyName,
                                                    const QString& valueName) const override;
};

} // namespace vek
