// The Qt printer on the PDF device: numbered files that never replace one another, the fixed-pitch
// font, a wide document scaled down whole, a refused file reported by name, the locale's paper. On a
// printer: a print server that never answers is given up in time.
#include "output/qtprintercatalog.h"
#include "output/qtreportprinter.h"
#include "processrun.h"
#include "reports/reportchoice.h"
#include "reports/reportdispatch.h"
#include "support/tempfolder.h"
#include "support/uiharness.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QLocale>
#include <QPageSize>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTest>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace vek {
namespace {

TEST(QtReportPrinter, WritesNewNumberedPdfsInTheFixedPitchFont) {
    test::TempFolder temp;
    temp.write(QStringLiteral("printout1.pdf"), "an earlier printout");
    // A name the printout would be written under first that is no file: opening it would wait for ever.
    const QString fifo = temp.filePath(QStringLiteral("printout2.pdf.part"));
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    // Should the printer open it after all, its other end is opened after a while and drained (both
    // ends at once, so that neither the open nor the drain waits): the test fails on what it finds
    // rather than waiting for ever.
    const std::jthread watchdog([path = QFile::encodeName(fifo)](const std::stop_token& stop) {
        std::mutex mutex;
        std::condition_variable_any tick;
        std::unique_lock lock(mutex);
        const auto goingAfter = [&](int ms) {
            tick.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; });
            return !stop.stop_requested();
        };
        const int end = goingAfter(5000) ? ::open(path.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC) : -1;
        for (char sink[4096]; end >= 0 && goingAfter(20);) {
            while (::read(end, sink, sizeof sink) > 0) {
            }
        }
        if (end >= 0) {
            ::close(end);
        }
    });
    QtReportPrinter printer(QString(), temp.path(), PageOrientation::Portrait, QString());

    // One line of 250 characters, far wider than a portrait page at 10 points, and a second page.
    const QString wide = QStringLiteral("BEGIN") + QString(240, QLatin1Char('.')) + QStringLiteral("FINAL");
    printer.setFontSize(10);
    printer.printLine(wide);
    printer.setBold(true);
    printer.printLine(QStringLiteral("Points Ledger"));
    printer.newPage();
    printer.printLine(QStringLiteral("Member Charts"));
    printer.endDocument();
    printer.printLine(QStringLiteral("the second copy"));
    printer.endDocument();

    EXPECT_EQ(printer.failure(), QString());
    ASSERT_EQ(printer.pdfFiles(), (QStringList{temp.filePath(QStringLiteral("printout3.pdf")),
                                               temp.filePath(QStringLiteral("printout4.pdf"))}));
    EXPECT_EQ(printer.notice(), QStringLiteral("printout3.pdf, printout4.pdf"));
    EXPECT_EQ(temp.read(QStringLiteral("printout1.pdf")), QByteArray("an earlier printout"));

    const QString text = test::pdfText(printer.pdfFiles()[0]);
    EXPECT_TRUE(text.contains(wide)) << text.toStdString(); // scaled down, not cut
    EXPECT_TRUE(text.contains(QStringLiteral("Points Ledger")));
    // Two pages: the report's own page break.
    EXPECT_EQ(text.count(QLatin1Char('\f')), 2) << text.toStdString();
    EXPECT_TRUE(test::pdfText(printer.pdfFiles()[1]).contains(QStringLiteral("the second copy")));

    const test::ToolRun fonts = test::runTool(QStringLiteral("pdffonts"), {printer.pdfFiles()[0]});
    ASSERT_TRUE(fonts.ok);
    EXPECT_TRUE(fonts.out.contains("LiberationMono")) << fonts.out.toStdString();
    EXPECT_TRUE(fonts.out.contains("LiberationMono-Bold")) << fonts.out.toStdString();
}

TEST(QtReportPrinter, AFileThatCannotBeWrittenIsReportedByName) {
    QtReportPrinter printer(QString(), QStringLiteral("/nonexistent-pool-folder"), PageOrientation::Landscape,
                            QStringLiteral("Courier New"));
    printer.printLine(QStringLiteral("x"));
    printer.endDocument();
    EXPECT_TRUE(printer.failure().startsWith(
        QStringLiteral("The report could not be written to /nonexistent-pool-folder/printout1.pdf: ")))
        << printer.failure().toStdString();
    EXPECT_TRUE(printer.pdfFiles().isEmpty());
}

// A server that takes the connection and the request and never answers, as a wedged cupsd or another
// service on its port: the dialog's list and a print action each give up on it within the bound, and
// the PDF device does not wait for it.
TEST(QtReportPrinter, APrintServerThatNeverAnswersIsGivenUpInTime) {
    constexpr int BoundMs = 2000;
    // Listing asks twice, and libcups waits a second for each request to be taken: a bound of several
    // spans leaves room for a loaded machine, far below the minutes of libcups' own waits.
    constexpr int ListingBoundMs = 20000;
    QTcpServer wedged;
    ASSERT_TRUE(wedged.listen(QHostAddress::LocalHost));
    wedged.pauseAccepting(); // the system still completes the connections and takes the requests
    const QString address = QStringLiteral("127.0.0.1:%1").arg(wedged.serverPort());
    cupsSetServer(address.toUtf8().constData());
    const auto restore = qScopeGuard([] { cupsSetServer(nullptr); });
    test::UiHarness h;
    QElapsedTimer clock;

    QtPrinterCatalog catalog(h.temp.path(), BoundMs);
    clock.start();
    catalog.refresh();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs)) << clock.elapsed();
    EXPECT_EQ(catalog.deviceNames(), QStringList{PrinterCatalog::PdfDevice});
    EXPECT_EQ(catalog.listFailure(), QStringLiteral("the print server %1 does not answer").arg(address));

    QtReportPrinter printer(QStringLiteral("VekTestPdf"), h.temp.path(), PageOrientation::Portrait, QString(),
                            BoundMs);
    ReportChoice choice;
    choice.report = ReportOption::SeasonForm;
    choice.copies = 2;
    clock.restart();
    const DispatchResult result = RunReportDispatch(h.session, choice, printer, [](const QString&) {});
    EXPECT_LT(clock.elapsed(), BoundMs + 1000);
    EXPECT_EQ(
        result.failure,
        QStringLiteral("The report could not be printed on VekTestPdf: the print server %1 does not answer")
            .arg(address));
    EXPECT_TRUE(printer.pdfFiles().isEmpty());

    // The PDF device has no need of the server at all.
    QtReportPrinter pdfDevice(QString(), h.temp.path(), PageOrientation::Portrait, QString(), BoundMs);
    clock.restart();
    pdfDevice.printLine(QStringLiteral("Points Ledger"));
    pdfDevice.endDocument();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_EQ(pdfDevice.notice(), QStringLiteral("printout1.pdf"));
}

// A new PDF is on the paper of the user's locale: the helper's table, and a PDF written in a process
// that runs in Canada (the locale is read from the environment once per process).
TEST(QtReportPrinter, APdfIsOnThePaperOfTheUsersLocale) {
    const char* const FolderVariable = "VEK_TEST_PAPER_FOLDER";
    if (qEnvironmentVariableIsSet(FolderVariable)) {
        QtReportPrinter printer(QString(), qEnvironmentVariable(FolderVariable), PageOrientation::Portrait,
                                QString());
        printer.printLine(QStringLiteral("Points Ledger"));
        printer.endDocument();
        return;
    }
    // The C library's paper, where it has one, over the measuring system.
    const struct {
        const char* locale;
        std::optional<QSize> localePaperMm;
        QPageSize paper;
    } cases[] = {{"en_US", std::nullopt, QPageSize(QPageSize::Letter)},
                 {"es_US", std::nullopt, QPageSize(QPageSize::Letter)},
                 {"de_DE", std::nullopt, QPageSize(QPageSize::A4)},
                 {"en_GB", std::nullopt, QPageSize(QPageSize::A4)},
                 {"en_CA", QSize(216, 279), QPageSize(QPageSize::Letter)},
                 {"es_MX", QSize(216, 279), QPageSize(QPageSize::Letter)},
                 {"fil_PH", QSize(216, 279), QPageSize(QPageSize::Letter)},
                 {"en_US", QSize(210, 297), QPageSize(QPageSize::A4)},
                 {"de_DE", QSize(200, 300), QPageSize(QSizeF(200, 300), QPageSize::Millimeter)}};
    for (const auto& local : cases) {
        const QPageSize paper =
            QtReportPrinter::localPaper(QLocale(QString::fromLatin1(local.locale)), local.localePaperMm);
        EXPECT_TRUE(paper == local.paper) << local.locale << ": " << paper.name().toStdString();
    }

    // Canada measures in metric units and prints on Letter: only the C library's locale says so. The
    // locale is compiled for the test, so that it needs none installed.
    test::TempFolder locales;
    const test::ToolRun compiled =
        test::runTool(QStringLiteral("localedef"),
                      {QStringLiteral("-i"), QStringLiteral("en_CA"), QStringLiteral("-f"),
                       QStringLiteral("UTF-8"), locales.filePath(QStringLiteral("en_CA.UTF-8"))});
    ASSERT_TRUE(compiled.ok) << compiled.err.toStdString();
    test::TempFolder temp;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QString::fromLatin1(FolderVariable), temp.path());
    env.insert(QStringLiteral("LOCPATH"), locales.path());
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_CA.UTF-8"));
    // The C library keeps the locale path it was given until the process ends, which LeakSanitizer
    // (in a sanitizer build) would take for a leak of the child's.
    locales.write(QStringLiteral("leaks.supp"), "leak:__argz_add_sep\n");
    env.insert(QStringLiteral("LSAN_OPTIONS"), env.value(QStringLiteral("LSAN_OPTIONS")) +
                                                   QStringLiteral(":suppressions=") +
                                                   locales.filePath(QStringLiteral("leaks.supp")));
    const test::ToolRun child = test::runTool(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=QtReportPrinter.APdfIsOnThePaperOfTheUsersLocale")}, 60000, env);
    ASSERT_TRUE(child.ok) << child.out.toStdString() << child.err.toStdString();
    const test::ToolRun info =
        test::runTool(QStringLiteral("pdfinfo"), {temp.filePath(QStringLiteral("printout1.pdf"))});
    EXPECT_TRUE(info.out.contains("612 x 792 pts")) << info.out.toStdString(); // Letter
}

} // namespace
} // namespace vek
