#include "widgets/windowhost.h"

#include "widgets/messages.h"

namespace vek {

WindowHost::WindowHost(PoolSession& session, Messages& messages, ModalRunner& modal)
    : m_session(session), m_messages(messages), m_modal(modal) {}

WindowHost::~WindowHost() = default;

int WindowHost::showModal(QDialog& dialog) {
    if (auto* window = qobject_cast<PoolWindow*>(&dialog)) {
        window->ensureLoaded();
    }
    return m_modal.run(dialog);
}

} // namespace vek
