#pragma once

#include <QDialog>

namespace vek {

class PoolSession;
class WindowHost;

/// Base of every window the main window and the other windows open. A window has one instance, made by
/// the `WindowHost` on first reference. Its load procedure runs when it is referred to while not loaded;
/// closing it unloads it, so the next reference loads it afresh, while whatever the window keeps in its
/// own members (shown week, selected row) lives on with the instance.
class PoolWindow : public QDialog {
    Q_OBJECT
public:
    PoolWindow(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    /// Runs the load procedure when the window is not loaded.
    void ensureLoaded();

    void done(int result) override;

protected:
    /// The window's load procedure: brings back its designer state where openers change it, then fills
    /// it from the shared data model.
    virtual void loadWindow() = 0;

    PoolSession& m_session;
    WindowHost& m_host;

private:
    bool m_loaded = false;
};

} // namespace vek
