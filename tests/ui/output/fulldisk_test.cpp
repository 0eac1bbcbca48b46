// A write that the file system cuts short (a full disk; here a file size limit, which fails the same way)
// keeps the old file whole and names the file: a data file, a report file and a PDF printout alike.
#include "model/datawriter.h"
#include "output/qtreportprinter.h"
#include "reports/reportfile.h"
#include "support/tempfolder.h"

#include <QDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

namespace vek {
namespace {

/// Limits the size of the files the process writes, a write past it failing (EFBIG) instead of ending
/// the process; both are put back at the end of the scope.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : m_signal(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
    void (*m_signal)(int);
};

TEST(FullDisk, AWriteCutShortKeepsTheOldFileAndNamesIt) {
    for (const bool limited : {true, false}) {
        SCOPED_TRACE(limited ? "under a limit" : "without a limit");
        test::TempFolder temp;
        temp.write(QStringLiteral("members.dat"), "1\r\n\"Ann\"\r\n");
        temp.write(QStringLiteral("results.txt"), "week 1\r\n");
        temp.write(QStringLiteral("printout1.pdf"), "an earlier printout");
        const QStringList before = QDir(temp.path()).entryList(QDir::Files | QDir::Hidden);

        // Each under the 16 KB that Qt buffers, so that the failure comes in the flush.
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
            membersWritten = members.commit(temp.folder(), QStringLiteral("members.dat"));
            resultsWritten = results.commit();
            pdf.endDocument();
        }

        EXPECT_EQ(membersWritten.ok, !limited);
        EXPECT_EQ(resultsWritten.ok, !limited);
        if (limited) {
            EXPECT_EQ(membersWritten.failureText(),
                      QStringLiteral("members.dat could not be saved: %1").arg(qt_error_string(EFBIG)))
                << membersWritten.failureText().toStdString();
            EXPECT_EQ(resultsWritten.fileName, QStringLiteral("results.txt"));
            EXPECT_TRUE(pdf.failure().startsWith(QStringLiteral("The report could not be written to %1: ")
                                                     .arg(temp.filePath(QStringLiteral("printout2.pdf")))))
                << pdf.failure().toStdString();
            EXPECT_EQ(temp.read(QStringLiteral("members.dat")), QByteArray("1\r\n\"Ann\"\r\n"));
            EXPECT_EQ(temp.read(QStringLiteral("results.txt")), QByteArray("week 1\r\n"));
            // Nothing half-written is left, under any name.
            EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), before);
        } else {
            EXPECT_EQ(temp.read(QStringLiteral("members.dat")), members.bytes());
            EXPECT_TRUE(temp.read(QStringLiteral("results.txt")).startsWith("Week 0 results\r\n"));
            EXPECT_EQ(pdf.notice(), QStringLiteral("printout2.pdf"));
            EXPECT_TRUE(temp.read(QStringLiteral("printout2.pdf")).trimmed().endsWith("%%EOF"));
        }
    }
}

} // namespace
} // namespace vek
