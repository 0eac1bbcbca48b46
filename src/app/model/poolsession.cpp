#include "app/model/poolsession.h"

namespace vek {

PoolSession::PoolSession(DataFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_pool(std::make_unique<PoolData>()) {}

PoolSession::~PoolSession() = default;

void PoolSession::refreshMainButtons() {
    emit mainButtonsRefreshRequested();
}

} // namespace vek
