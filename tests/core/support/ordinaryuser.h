#pragma once

#include <QDirIterator>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vek::test {

/// Runs `body` as an ordinary user, who is bound by the files' permissions as root is not. When the
/// tests run as root, `folder` (and all it holds) is given to "nobody" and `body` runs in a child process
/// that has become him; the child's failures fail the test. Otherwise `body` simply runs.
inline void runAsOrdinaryUser(const QString& folder, const std::function<void()>& body) {
    if (::geteuid() != 0) {
        body();
        return;
    }
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    const uid_t uid = nobody->pw_uid;
    const gid_t gid = nobody->pw_gid;
    ASSERT_EQ(::lchown(QFile::encodeName(folder).constData(), uid, gid), 0);
    for (QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        ASSERT_EQ(::lchown(QFile::encodeName(it.next()).constData(), uid, gid), 0);
    }
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
        EXPECT_TRUE(dropped);
        if (dropped) {
            body();
        }
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the ordinary user's part failed";
}

} // namespace vek::test
