// The report file writer: one run, one atomic write, the first failure reported.
#include "reports/reportfile.h"
#include "support/tempfolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vek {
namespace {

const QString Name = QStringLiteral("results.txt");

TEST(ReportFile, MainReportStartsAfreshAndSectionsAppendToTheSameRun) {
    test::TempFolder temp;
    temp.write(Name, "an earlier report\r\n");

    ReportFile run(temp.folder(), Name);
    run.create();
    run.write(QStringLiteral("Week "));
    run.writeLine(QStringLiteral("1"));
    run.writeLine();
    // Nothing reaches the file before the run commits.
    EXPECT_EQ(temp.read(Name), QByteArray("an earlier report\r\n"));
    run.openForAppend(); // a section after the main report keeps what the run wrote
    run.writeLine(QStringLiteral("Charts"));
    const WriteResult written = run.commit();
    EXPECT_TRUE(written.ok);
    EXPECT_EQ(temp.read(Name), QByteArray("Week 1\r\n\r\nCharts\r\n"));

    // A section alone appends to the file on disk; a second section of the same run follows it.
    ReportFile sections(temp.folder(), Name);
    sections.openForAppend();
    sections.writeLine(QStringLiteral("more"));
    sections.openForAppend();
    sections.writeLine(QStringLiteral("and more"));
    ASSERT_TRUE(sections.commit().ok);
    EXPECT_EQ(temp.read(Name), QByteArray("Week 1\r\n\r\nCharts\r\nmore\r\nand more\r\n"));

    // A section appended to a file that does not exist yet starts it.
    ReportFile fresh(temp.folder(), QStringLiteral("none.txt"));
    fresh.openForAppend();
    fresh.writeLine(QStringLiteral("x"));
    ASSERT_TRUE(fresh.commit().ok);
    EXPECT_EQ(temp.read(QStringLiteral("none.txt")), QByteArray("x\r\n"));

    // A run that nobody opened writes nothing.
    ReportFile idle(temp.folder(), QStringLiteral("predict.txt"));
    EXPECT_TRUE(idle.commit().ok);
    EXPECT_FALSE(temp.exists(QStringLiteral("predict.txt")));
}

TEST(ReportFile, FailuresAreReportedWithTheFileAndLeaveTheOldFileWhole) {
    // The folder is gone: the write fails and says which file.
    ReportFile lost(DataFolder(QStringLiteral("/nonexistent-pool-folder/sub")), Name);
    lost.create();
    lost.writeLine(QStringLiteral("x"));
    const WriteResult failed = lost.commit();
    EXPECT_FALSE(failed.ok);
    EXPECT_EQ(failed.fileName, Name);
    EXPECT_FALSE(failed.reason.isEmpty());

    // The file to append to cannot be read: that first failure is reported and nothing is written.
    test::TempFolder temp;
    ASSERT_TRUE(QDir(temp.path()).mkdir(Name));
    ReportFile blocked(temp.folder(), Name);
    blocked.openForAppend();
    blocked.writeLine(QStringLiteral("x"));
    const WriteResult refused = blocked.commit();
    EXPECT_EQ(refused.failureText(),
              QStringLiteral("results.txt could not be saved: it is not a regular file but a folder"));
    EXPECT_TRUE(QFileInfo(temp.filePath(Name)).isDir());

    // A report file that is a FIFO is neither waited on nor replaced, whether the run starts it anew or
    // appends to it.
    ASSERT_TRUE(QDir(temp.path()).rmdir(Name));
    ASSERT_EQ(::mkfifo(QFile::encodeName(temp.filePath(Name)).constData(), 0600), 0);
    for (const bool append : {false, true}) {
        ReportFile run(temp.folder(), Name);
        append ? run.openForAppend() : run.create();
        run.writeLine(QStringLiteral("x"));
        EXPECT_EQ(run.commit().failureText(),
                  QStringLiteral("results.txt could not be saved: it is not a regular file but a FIFO"));
        EXPECT_EQ(QFileInfo(temp.filePath(Name)).size(), 0); // still the FIFO, with nothing in it
    }
}

TEST(ReportFile, TextsFromTheDataAreEscapedInHtml) {
    EXPECT_EQ(htmlText(QStringLiteral("Tom & \"Jerry\" <b>")),
              QStringLiteral("Tom &amp; &quot;Jerry&quot; &lt;b&gt;"));
    EXPECT_EQ(htmlText(QStringLiteral("Zoë O'Neil")), QStringLiteral("Zoë O'Neil"));
}

} // namespace
} // namespace vek
