// The reports of the output dialog that list the pool's standings and rules, on the PDF device and in
// their text and HTML files: the sorted results week of the largest pool, read back from the PDF with
// its columns in place.
#include "output/printwindow.h"
#include "processrun.h"
#include "realisticpool.h"
#include "support/uiharness.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace vek {
namespace {

TEST(SortedToPdf, EachReportPrintsToThePdfDeviceAndWritesItsFiles) {
    test::UiHarness h;
    test::fillRealisticPool(h.pool(), MemberSlots, 8);
    h.session.printer.fontName = QStringLiteral("Courier New");
    PrintWindow window(h.session, h.host);
    window.ensureLoaded();
    const auto click = [&](const char* name) {
        window.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
    };
    auto* printers = window.findChild<QListWidget*>(QStringLiteral("lstPrinters"));
    printers->setCurrentItem(printers->findItems(QStringLiteral("PDF file"), Qt::MatchExactly).front());
    click("cmdSelect");

    click("rsltOption"); // sorted, the current week
    click("ledgerCheck");
    click("cmdPrint");
    click("noneOption");
    click("profileCheck");
    click("cmdPrint");
    EXPECT_TRUE(h.messages.requests.empty());

    const QDir folder(h.temp.path());
    // pdftotext places the words by their position on the page, so runs of blanks are compared as one;
    // the columns themselves are for the eye (VEK_SCREENSHOTS keeps the pages as pictures).
    const QString sorted = test::pdfText(folder.filePath(QStringLiteral("printout1.pdf"))).simplified();
    for (const char* piece :
         {"2024 VEK Season Week 09 End Qtr 2 End Half 1",
          "| Member Info | Season | End 1st Half |End 2nd Qtr|Week 9| Wild |>50% |MonNi|Balance|",
          "|Odd|Name | W L gb @| W L gb @| W L gb @| W L | W @| W @| W @| |",
          "|1/9|Margaret Fitzg| 60 75 0 | 60 75 0 |36 39 0 |12 3 | 0 | 1 | 4 | 238467|",
          "Games Behind Points: Season : 72000 Semi-Season : 36000 Quarter : 18000 2024 VEK Season Points "
          "Ledger",
          "|Josephine|"}) {
        EXPECT_TRUE(sorted.contains(QLatin1String(piece))) << piece;
    }
    EXPECT_TRUE(test::pdfText(folder.filePath(QStringLiteral("printout2.pdf")))
                    .contains(QStringLiteral("2024 Pool & Event Profile Summaries")));

    click("fileOption");
    for (const char* report : {"rsltOption", "prdOption"}) {
        for (const bool html : {false, true}) {
            click(report);
            if (window.findChild<QCheckBox*>(QStringLiteral("chkHTML"))->isChecked() != html) {
                click("chkHTML");
            }
            click("cmdPrint");
            const QByteArray file =
                h.temp.read(report == std::string("rsltOption") ? QStringLiteral("results.txt")
                                                                : QStringLiteral("predict.txt"));
            EXPECT_EQ(file.startsWith("<"), html) << report;
            EXPECT_TRUE(file.contains("Marg")) << report;
            EXPECT_TRUE(file.contains("Pool & Event Profile Summaries")) << report; // the box stays ticked
        }
    }
    EXPECT_TRUE(h.messages.requests.empty());

    if (qEnvironmentVariableIsSet("VEK_SCREENSHOTS")) {
        test::runTool(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"),
                       folder.filePath(QStringLiteral("printout1.pdf")),

                       QStringLiteral("/tmp/vek-sorted")});
    }
}

} // namespace
} // namespace vek
