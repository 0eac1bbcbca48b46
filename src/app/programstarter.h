#pragma once

#include <QString>

namespace vek {

/// Starts another program on its own, as the about box starts the system information program. The
/// program's own starter (`DetachedProgramStarter`) runs real programs; tests record instead.
class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    /// Whether a file of that full path exists.
    [[nodiscard]] virtual bool fileExists(const QString& path) const = 0;
    /// Starts the program of that full path without waiting for it; false when it cannot be started.
    virtual bool start(const QString& path) = 0;
};

/// Starts real programs as detached processes.
class DetachedProgramStarter final : public ProgramStarter {
public:
    [[nodiscard]] bool fileExists(const QString& path) const override;
    bool start(const QString& path) override;
};

} // namespace vek
