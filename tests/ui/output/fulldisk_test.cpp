// A write that the file system cuts short (a full disk; here a file size limit, which fails the same way)
// keeps the old file whole and names the file that could not be written: a data file, a report file
// and a PDF printout alike.
#include "model/datawriter.h"
#include "output/qtreportprinter.h"
#include "reports/reportfile.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace vek {
namespace {

/// Limits the size of every file the process writes, and has a write past the limit fail (EFBIG)
/// instead of ending the process; both are put back when it goes out of scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        m_set = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
        m_signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signalBefore);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool set() const { return m_set; }

private:
    rlimit m_before{};
    bool m_set = false;
    void (*m_signalBefore)(int) = SIG_DFL;
};

TEST(FullDisk, AWriteCutShortKeepsTheOldFileAndNamesIt) {
    const QByteArray oldMembers = "1\r\n\"Ann\"\r\n";
    const QByteArray oldResults = "week 1\r\n";
    for (const bool limited : {true, false}) {
        SCOPED_TRACE(limited ? "under a limit" : "without a limit");
        test::TempFolder temp;
        temp.write(QStringLiteral("members.dat"), oldMembers);
        temp.write(QStringLiteral("results.txt"), oldResults);
        temp.write(QStringLiteral("printout1.pdf"), "an earlier printout");

        // Each under the 16 KB that Qt keeps in its buffer, so the failure surfaces in the flush.
        DataWriter members;
        ReportFile results(temp.folder(), QStringLiteral("results.txt"));
        results.create();
        for (int i = 0; i < 200; ++i) {
            members.writeText(QStringLiteral("Member %1").arg(i));
            results.writeLine(QStringLiteral("Week %1 results").arg(i));
        }
        QtReportPrinter pdf(QString(), temp.path(), PageOrientation::Portrait, QString());
        pdf.printLine(QStringLiteral("Points Ledger"));

        WriteResult membersWritten;
        WriteResult resultsWritten;
        {
            const FileSizeLimit limit(limited ? 1024 : RLIM_INFINITY);
            ASSERT_TRUE(limit.set());
            membersWritten = members.commit(temp.folder(), QStringLiteral("members.dat"));
            resultsWritten = results.commit();
            pdf.endDocument();
        }

        if (limited) {
            EXPECT_FALSE(membersWritten.ok);
            EXPECT_TRUE(
                membersWritten.failureText().startsWith(QStringLiteral("members.dat could not be saved: ")))
                << membersWritten.failureText().toStdString();
            EXPECT_FALSE(membersWritten.reason.isEmpty());
            EXPECT_FALSE(resultsWritten.ok);
            EXPECT_EQ(resultsWritten.fileName, QStringLiteral("results.txt"));
            EXPECT_TRUE(pdf.failure().startsWith(QStringLiteral("The report could not be written to %1: ")
                                                     .arg(temp.filePath(QStringLiteral("printout2.pdf")))))
                << pdf.failure().toStdString();
            EXPECT_EQ(pdf.notice(), QString());
            EXPECT_EQ(temp.read(QStringLiteral("members.dat")), oldMembers);
            EXPECT_EQ(temp.read(QStringLiteral("results.txt")), oldResults);
            // Nothing half-written is left behind, under any name.
            EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                      (QStringList{QStringLiteral("members.dat"), QStringLiteral("printout1.pdf"),
                                   QStringLiteral("results.txt")}));
        } else {
            EXPECT_TRUE(membersWritten.ok) << membersWritten.failureText().toStdString();
            EXPECT_TRUE(resultsWritten.ok) << resultsWritten.failureText().toStdString();
            EXPECT_EQ(pdf.failure(), QString());
            EXPECT_EQ(pdf.notice(), QStringLiteral("printout2.pdf"));
            EXPECT_EQ(temp.read(QStringLiteral("members.dat")), members.bytes());
            EXPECT_TRUE(temp.read(QStringLiteral("results.txt")).startsWith("Week 0 results\r\n"));
            EXPECT_TRUE(temp.read(QStringLiteral("printout2.pdf")).trimmed().endsWith("%%EOF"));
        }
    }
}

} // namespace
} // namespace vek
