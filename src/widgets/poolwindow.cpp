#include "widgets/poolwindow.h"

namespace vek {

PoolWindow::PoolWindow(PoolSession& session, WindowHost& host, QWidget* parent)
    : QDialog(parent), m_session(session), m_host(host) {}

void PoolWindow::ensureLoaded() {
    if (!m_loaded) {
        m_loaded = true;
        loadWindow();
    }
}

void PoolWindow::done(int result) {
    m_loaded = false;
    QDialog::done(result);
}

} // namespace vek
