// A queue's conversation with the print server: the reason given for a server that cannot be reached.
#include "output/cupsconnection.h"

#include <QHostAddress>
#include <QScopeGuard>
#include <QTcpServer>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

namespace vek {
namespace {

/// Points libcups at `address` until the returned guard ends.
auto useServer(const QString& address) {
    cupsSetServer(address.toUtf8().constData());
    return qScopeGuard([] { cupsSetServer(nullptr); });
}

TEST(CupsConnection, AServerThatCannotBeReachedIsNamedWithTheReason) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    const QString closedPort = QStringLiteral("127.0.0.1:%1").arg(probe.serverPort());
    probe.close();
    const struct {
        QString server;
        int error;
    } cases[] = {{closedPort, ECONNREFUSED}, {QStringLiteral("/nonexistent-vek-cups/cups.sock"), ENOENT}};
    for (const auto& unreachable : cases) {
        const auto restore = useServer(unreachable.server);
        const CupsConnection connection(2000);
        EXPECT_EQ(connection.failure().toStdString(),
                  QStringLiteral("the print server %1 cannot be reached (%2)")
                      .arg(unreachable.server, QString::fromLocal8Bit(std::strerror(unreachable.error)))
                      .toStdString());
    }
}

} // namespace
} // namespace vek
