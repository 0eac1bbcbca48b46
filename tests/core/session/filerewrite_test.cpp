// Rewriting several files all or nothing: a failure puts back every file written before it.
#include "model/datawriter.h"
#include "session/filerewrite.h"
#include "support/tempfolder.h"

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(FileRewrite, AFailurePutsBackWhatWasWrittenBeforeIt) {
    test::TempFolder dir;
    dir.write(QStringLiteral("first.dat"), "first\r\n");
    dir.write(QStringLiteral("third.dat"), "third\r\n");
    const auto writeNew = [&](const QString& name) {
        return [&dir, name] { return writeFileAtomically(dir.folder(), name, "new\r\n"); };
    };
    FileRewrite rewrite(dir.folder());
    rewrite.add(QStringLiteral("first.dat"), writeNew(QStringLiteral("first.dat")));
    rewrite.add(QStringLiteral("second.dat"), writeNew(QStringLiteral("second.dat"))); // not there before
    rewrite.add(QStringLiteral("third.dat"), [] {
        return WriteResult::failure(QStringLiteral("third.dat"), QStringLiteral("the disk is full"));
    });
    const WriteResult result = rewrite.run();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("third.dat"));
    EXPECT_EQ(result.reason, QStringLiteral("the disk is full"));
    EXPECT_EQ(dir.read(QStringLiteral("first.dat")), "first\r\n");
    EXPECT_FALSE(dir.exists(QStringLiteral("second.dat")));
    EXPECT_EQ(dir.read(QStringLiteral("third.dat")), "third\r\n");
}

TEST(FileRewrite, AFileThatCannotBeReadStopsItBeforeAnyWrite) {
    test::TempFolder dir;
    dir.write(QStringLiteral("first.dat"), "first\r\n");
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("second.dat/inside")));
    bool wrote = false;
    FileRewrite rewrite(dir.folder());
    rewrite.add(QStringLiteral("first.dat"), [&] {
        wrote = true;
        return WriteResult::success(QStringLiteral("first.dat"));
    });
    rewrite.add(QStringLiteral("second.dat"),
                [] { return WriteResult::success(QStringLiteral("second.dat")); });
    const WriteResult result = rewrite.run();
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.fileName, QStringLiteral("second.dat"));
    EXPECT_FALSE(wrote);
}

} // namespace
} // namespace vek
