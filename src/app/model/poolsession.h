#pragma once

#include "app/model/datafolder.h"
#include "app/model/pooldata.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

namespace vek {

/// The mail settings kept for the e-mail of reports; empty and 0 until the settings file was read.
struct MailSettings {
    QString smtpServer;  // "none" = not set
    int32_t smtpPort = 0; // 0 = not set
    QString senderEmail; // "none" = not set
};

/// One running pool: owns the shared data model, knows the pool's folder, keeps the mail settings and
/// the mode values that one window sets for another. Every window receives it by reference; main()
/// owns it for the whole run.
class PoolSession final : public QObject {
    Q_OBJECT
public:
    explicit PoolSession(DataFolder folder, QObject* parent = nullptr);
    ~PoolSession() override;

    PoolSession(const PoolSession&) = delete;
    PoolSession& operator=(const PoolSession&) = delete;

    [[nodiscard]] PoolData& pool() { return *m_pool; }
    [[nodiscard]] const PoolData& pool() const { return *m_pool; }
    [[nodiscard]] const DataFolder& folder() const { return m_folder; }

    /// Asks the main window to set its buttons' enabled state from the data (the one way back into it).
    void refreshMainButtons();

    MailSettings mail;

    // Mode values, set by one window for another.
    int16_t entryMode = 0;         // 0 predictions or differences, 1 results, 2 point spreads
    int16_t scheduleMode = 0;      // 1 after a new season
    int16_t sortMode = 0;          // 0 every member's standings, 1 consensus, 2 league
    bool teamsRecalculated = false; // the team tallies match the data
    int16_t currentMember = 0;     // the member being edited in the weekly entry window

signals:
    void mainButtonsRefreshRequested();

private:
    DataFolder m_folder;
    std::unique_ptr<PoolData> m_pool;
};

} // namespace vek
