// From the main window's Print button to a PDF on the PDF device: a results report of a pool in
// mid-season, read back with pdftotext; and the sheets that a long page and its fonts come out on.
#include "app/main.h"
#include "output/printwindow.h"
#include "output/qtreportprinter.h"
#include "processrun.h"
#include "realisticpool.h"
#include "support/tempfolder.h"
#include "support/uiharness.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace vek {
namespace {

/// Chooses a results report of the current week listed game by game, with the ledger and the member
/// charts (ticked under Predictions Listing, where the box is open, and kept), on the PDF device.
void chooseResultsOnPdf(QDialog& dialog) {
    const auto find = [&](const char* name) {
        return dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    auto* printers = dialog.findChild<QListWidget*>(QStringLiteral("lstPrinters"));
    const auto pdf = printers->findItems(QStringLiteral("PDF file"), Qt::MatchExactly);
    ASSERT_EQ(pdf.size(), 1);
    printers->setCurrentItem(pdf.front());
    find("cmdSelect")->click();
    find("prdOption")->click();
    find("standCheck")->click();
    find("rsltOption")->click();
    find("unsortedOption")->click();
    find("ledgerCheck")->click();
    find("cmdPrint")->click();
}

TEST(PrintToPdf, AResultsReportFromTheMainWindowReadsBack) {
    test::UiHarness h;
    test::fillRealisticPool(h.pool(), 20, 8);
    h.session.printer.fontName = QStringLiteral("Courier New");
    Main main(h.session, h.host);
    h.modal.onShow = [](QDialog& dialog) {
        if (dialog.objectName() == QLatin1String("PrintWindow")) {
            chooseResultsOnPdf(dialog);
        }
    };
    main.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
    EXPECT_TRUE(h.messages.requests.empty());

    const QString pdf = QDir(h.temp.path()).filePath(QStringLiteral("printout1.pdf"));
    ASSERT_TRUE(QFileInfo::exists(pdf));
    // pdftotext places the words by their position on the page, so runs of blanks are compared as one.
    const QString text = test::pdfText(pdf).simplified();
    const QStringList expected{
        // The week page of the first member group and its standings rows and box.
        "2024 VEK Season Week 09 End Qtr 2 End Half 1",
        "Game Margaret Bartholo Christop Alexandr Jonathan Elizabet Maximili Geneviev Theodore Josephin",
        "BEAR @ HAWK BEAR(w) HAWK BEAR(w) HAWK",
        "Season 60 48 [T] 60 48 [T]",
        "winning % 44.4% 35.6% 44.4%",
        "Balance 36650 24350 -3350 -5650",
        "|Over 50% Max: 1|Season GB tot: 6000|Half GB tot: 3000|Qtr GB tot: 1500|",
        // The second group's page, its box totalling both groups.
        "Game Sebastia Margaret Bartholo",
        "|Over 50% Max: 1|Season GB tot: 12000|Half GB tot: 6000|Qtr GB tot: 3000|",
        // The ledger.
        "2024 VEK Season Points Ledger",
        "Good Weeks 35500 25500 -4500",
        "Total Points 36650 24350 -3350",
        // The member charts.
        "2024 VEK Season Member Charts",
        "NFC East NFC North NFC South NFC West AFC East AFC North AFC South AFC West",
        "Margaret Fitzgerald-Smythe 1 BEAR 16 0 STAG 16 0",
        "Consensus Predictions",
        "VEK Standings",
    };
    for (const QString& piece : expected) {
        EXPECT_TRUE(text.contains(piece)) << piece.toStdString();
    }
    const test::ToolRun fonts = test::runTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.out.contains("LiberationMono")) << fonts.out.toStdString();

    if (qEnvironmentVariableIsSet("VEK_SCREENSHOTS")) {
        test::runTool(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("110"), pdf,
                       QStringLiteral("/tmp/vek-results")});
    }
}

// What the report hands the printer reaches the sheet: a page longer than the sheet goes on on the next
// one, and each piece keeps its size and italic.
TEST(PrintToPdf, FullSheetsBreakAndSizesAndItalicReachThePaper) {
    test::TempFolder temp;
    QtReportPrinter printer(QString(), temp.path(), PageOrientation::Portrait, QtReportPrinter::DefaultFont);
    printer.setFontSize(16);
    printer.printLine(QStringLiteral("TITLE"));
    printer.setFontSize(7.2);
    printer.setItalic(true);
    printer.printLine(QStringLiteral("loser"));
    printer.setItalic(false);
    printer.setFontSize(10);
    for (int line = 1; line <= 150; ++line) {
        printer.printLine(QStringLiteral("line%1").arg(line));
    }
    printer.endDocument();
    ASSERT_EQ(printer.pdfFiles().size(), 1);
    const QString pdf = printer.pdfFiles().front();

    // One recorded page of 152 lines fills more than two sheets; the last line is on the last sheet.
    const QStringList sheets = test::pdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(sheets.size(), 3);
    EXPECT_TRUE(sheets.back().contains(QStringLiteral("line150")));
    EXPECT_FALSE(sheets.front().contains(QStringLiteral("line150")));

    const test::ToolRun fonts = test::runTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.out.contains("LiberationMono-Italic")) << fonts.out.toStdString();
    // The words' heights on the sheet: 16 points against 7.2.
    const test::ToolRun boxes =
        test::runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(boxes.ok);
    const auto height = [&](const char* word) {
        const QRegularExpression box(
            QStringLiteral(R"re(yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">%1<)re")
                .arg(QLatin1String(word)));
        const QRegularExpressionMatch match = box.match(QString::fromUtf8(boxes.out));
        return match.hasMatch() ? match.captured(2).toDouble() - match.captured(1).toDouble() : 0.0;
    };
    EXPECT_GT(height("loser"), 0.0);
    EXPECT_GT(height("TITLE"), 2.0 * height("loser"));
}

} // namespace
} // namespace vek
