#pragma once

#include "widgets/poolwindow.h"
#include "app/programstarter.h"
#include "app/registry.h"

#include <cstdint>

class QLabel;
class QPushButton;

namespace vek {

/// The about box: the program's title, version and description (naming the season of the schedule in
/// memory), and a button that starts the platform's system information program when the registry
/// names one. OK unloads it, so every opening shows the current season year. The registry and the
/// program starter are the platform's unless a test puts its own in their place.
class frmAbout final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString SysInfoUnavailable =
        QStringLiteral("System Information Is Unavailable At This Time");

    explicit frmAbout(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    void setRegistry(const Registry& registry) { m_registry = &registry; }
    void setProgramStarter(ProgramStarter& starter) { m_starter = &starter; }

    /// Starts the system information program from the first registry location that names it, or says
    /// that it is unavailable.
    void StartSysInfo();
    /// Reads a text value of the registry into `value`; false (and `value` empty) when the key or the
    /// value cannot be read. A value that is not text reads as successful with an empty `value`.
    bool GetKeyValue(uint32_t root, const QString& keyName, const QString& valueName, QString& value);

protected:
    void loadWindow() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* picIcon = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOk = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    EmptyRegistry m_platformRegistry;
    DetachedProgramStarter m_platformStarter;
    const Registry* m_registry = &m_platformRegistry;
    ProgramStarter* m_starter = &m_platformStarter;
};

} // namespace vek
