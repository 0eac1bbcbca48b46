// A data file is read whole on a file system that answers "try again" to a read that must not wait.
#include "model/datafolder.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

#include <cerrno>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

// Such a file system, as some network and user-space ones are: while `againWithoutWaiting` holds, this
// executable's read fails so for a file opened without waiting, and is the system's own otherwise.
namespace {
bool againWithoutWaiting = false;
}
extern "C" ssize_t read(int fd, void* buffer, size_t count) {
    if (againWithoutWaiting && (::fcntl(fd, F_GETFL) & O_NONBLOCK) != 0) {
        errno = EAGAIN;
        return -1;
    }
    return static_cast<ssize_t>(::syscall(SYS_read, fd, buffer, count));
}

namespace vek {
namespace {

TEST(ReadContent, ADataFileIsReadWhenItsFileSystemWouldHaveTheReadWait) {
    test::TempFolder temp;
    temp.write(QStringLiteral("pool.dat"), "0\r\n-1\r\n");
    againWithoutWaiting = true;
    const DataFolder::FileContent content = temp.folder().readContent(QStringLiteral("pool.dat"));
    againWithoutWaiting = false;
    EXPECT_EQ(content.state, DataFolder::FileState::Read) << content.reason.toStdString();
    EXPECT_EQ(content.bytes, QByteArray("0\r\n-1\r\n"));
}

} // namespace
} // namespace vek
