// What a save may replace: a data file (or a link to one) or nothing; never a device, a FIFO or a folder
// that a file's name leads to, whether the save writes the file or renames another onto it.
#include "model/datafolder.h"
#include "model/datawriter.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace vek {
namespace {

const QString Name = QStringLiteral("members.dat");

// What a path leads to: its type and device numbers, and a regular file's bytes.
std::string leadsTo(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        return "nothing";
    }
    QFile file(path);
    return std::to_string(info.st_mode & S_IFMT) + " " + std::to_string(info.st_rdev) + " " +
           (S_ISREG(info.st_mode) && file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "");
}

TEST(ReplaceTarget, OnlyADataFileOrNothingIsReplaced) {
    // A device node of the test's own, with /dev/null's numbers; without root a FIFO stands in.
    test::TempFolder elsewhere;
    const QByteArray device = QFile::encodeName(elsewhere.filePath(QStringLiteral("device")));
    const bool isDevice = ::mknod(device.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    ASSERT_TRUE(isDevice || ::mkfifo(device.constData(), 0600) == 0);
    const QString notRegular = QStringLiteral("it is not a regular file but ");
    const auto link = [&elsewhere](const char* to) {
        return [&elsewhere, to](const QString& path) { return QFile::link(elsewhere.filePath(to), path); };
    };
    const struct {
        const char* what;
        std::function<bool(const QString& path)> make;
        QString refusal; // empty: replaced
    } cases[] = {
        {"nothing", [](const QString&) { return true; }, {}},
        {"a data file", [](const QString& path) { return QFile(path).open(QIODevice::WriteOnly); }, {}},
        {"a link to a data file", link("data"), {}},
        {"a link that leads nowhere", link("gone"), {}},
        {"a link to a device", link("device"), notRegular + (isDevice ? "a device" : "a FIFO")},
        {"a FIFO", [](const QString& path) { return ::mkfifo(QFile::encodeName(path), 0600) == 0; },
         notRegular + "a FIFO"},
        {"a folder", [](const QString& path) { return QDir().mkdir(path); }, notRegular + "a folder"},
    };
    const std::function<WriteResult(const DataFolder&)> saves[] = {
        [](const DataFolder& f) { return writeFileAtomically(f, Name, "2\r\n"); },
        [](const DataFolder& f) {
            EXPECT_TRUE(writeFileAtomically(f, QStringLiteral("members.new"), "2\r\n").ok);
            return renameFile(f, QStringLiteral("members.new"), Name);
        },
    };
    for (const auto& save : saves) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.what);
            QFile::remove(elsewhere.filePath(QStringLiteral("gone")));
            elsewhere.write(QStringLiteral("data"), "1\r\n");
            test::TempFolder dir;
            ASSERT_TRUE(c.make(dir.filePath(Name)));
            const std::string before = leadsTo(dir.filePath(Name));
            const QStringList elsewhereBefore =
                QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::System);

            const WriteResult result = save(dir.folder());
            if (c.refusal.isEmpty()) {
                EXPECT_TRUE(result.ok) << result.reason.toStdString();
                EXPECT_EQ(dir.folder().readFile(Name), QByteArray("2\r\n"));
                continue;
            }
            EXPECT_EQ(result.failureText().toStdString(),
                      (Name + QStringLiteral(" could not be saved: ") + c.refusal).toStdString());
            EXPECT_EQ(leadsTo(dir.filePath(Name)), before);
            // No temporary file is left beside the name or beside what it leads to.
            EXPECT_EQ(QDir(dir.path())
                          .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                          .filter(QStringLiteral(".dat")),
                      QStringList{Name});
            EXPECT_EQ(QDir(elsewhere.path()).entryList(QDir::AllEntries | QDir::System), elsewhereBefore);
        }
    }
}

} // namespace
} // namespace vek
