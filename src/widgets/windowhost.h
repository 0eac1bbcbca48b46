#pragma once

#include "widgets/poolwindow.h"

#include <map>
#include <memory>
#include <typeindex>

class QDialog;

namespace vek {

class Messages;
class ModalRunner;
class PoolSession;

/// Holds the single instance of every window and the two seams (message boxes, modal shows). main()
/// owns it beside the session; every window receives it by reference.
class WindowHost {
public:
    WindowHost(PoolSession& session, Messages& messages, ModalRunner& modal);
    ~WindowHost();

    WindowHost(const WindowHost&) = delete;
    WindowHost& operator=(const WindowHost&) = delete;

    [[nodiscard]] PoolSession& session() { return m_session; }
    [[nodiscard]] Messages& messages() { return m_messages; }

    /// The window's single instance, created on first reference and loaded when it is not loaded (so
    /// its load procedure runs before any property the caller sets).
    template <class W>
    W& window() {
        auto& slot = m_windows[std::type_index(typeid(W))];
        if (!slot) {
            slot = std::make_unique<W>(m_session, *this);
        }
        auto& w = static_cast<W&>(*slot);
        w.ensureLoaded();
        return w;
    }

    /// The instance when one exists, without loading it.
    template <class W>
    W* existing() {
        const auto it = m_windows.find(std::type_index(typeid(W)));
        return it == m_windows.end() ? nullptr : static_cast<W*>(it->second.get());
    }

    /// Shows a dialog modally through the seam; returns its result.
    int showModal(QDialog& dialog);

private:
    PoolSession& m_session;
    Messages& m_messages;
    ModalRunner& m_modal;
    std::map<std::type_index, std::unique_ptr<PoolWindow>> m_windows;
};

} // namespace vek
