// The output dialog as the administrator works it: the choices it keeps consistent, the printer it
// selects, and what Print sends out.
#include "fakeprintercatalog.h"
#include "output/printwindow.h"
#include "realisticpool.h"
#include "support/controls.h"
#include "support/filetext.h"
#include "support/poolbuilder.h"
#include "support/uiharness.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <tuple>

namespace vek {
namespace {

const QStringList Members{QStringLiteral("Ann Avery"), QStringLiteral("Bob Burns"),
                          QStringLiteral("Cy Cole")};

class PrintWindowTest : public ::testing::Test {
protected:
    PrintWindowTest() { test::fillSamplePool(h.pool(), Members, 4); } // week 5's results are the last in

    PrintWindow& window() {
        if (!m_window) {
            m_window = std::make_unique<PrintWindow>(h.session, h.host, catalog);
        }
        m_window->ensureLoaded();
        return *m_window;
    }
    template <class W> W* child(const char* name) {
        auto* found = window().findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QRadioButton* option(const char* name) { return child<QRadioButton>(name); }
    QCheckBox* check(const char* name) { return child<QCheckBox>(name); }
    QSpinBox* spin(const char* name) { return child<QSpinBox>(name); }
    QString panel(const char* name) { return child<QLabel>(name)->text(); }
    QString fileName() { return check("fileOption")->text(); }
    std::vector<bool> sectionsEnabled() {
        return {check("psCheck")->isEnabled(), check("ledgerCheck")->isEnabled(),
                check("standCheck")->isEnabled(), check("diffCheck")->isEnabled()};
    }
    void print() { child<QPushButton>("cmdPrint")->click(); }

    test::UiHarness h;
    test::FakePrinterCatalog catalog;
    std::unique_ptr<PrintWindow> m_window;
};

TEST_F(PrintWindowTest, OpensWithNothingChosenAndTheListsFilled) {
    PrintWindow& w = window();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Kestrelmoor Print Options"));
    for (const char* name : {"prdOption", "rsltOption", "ssnOption", "wkOption", "noneOption"}) {
        EXPECT_FALSE(option(name)->isChecked()) << name;
    }
    // Complete schedule, results and predictions: every report can be chosen.
    EXPECT_TRUE(option("prdOption")->isEnabled());
    EXPECT_TRUE(option("rsltOption")->isEnabled());
    EXPECT_TRUE(option("ssnOption")->isEnabled());
    EXPECT_EQ(sectionsEnabled(), (std::vector<bool>{false, false, false, false}));
    EXPECT_FALSE(child<QPushButton>("cmdEmail")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frmStyle")->isVisible());
    EXPECT_EQ(w.choice().kind, KindNotChosen);
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("1"));
    EXPECT_EQ(panel("toPanel"), QStringLiteral("5"));
    EXPECT_EQ(panel("copiesPanel"), QStringLiteral("1"));
    EXPECT_EQ(fileName(), QString());

    auto* members = child<QListWidget>("lstMember");
    ASSERT_EQ(members->count(), 3);
    EXPECT_EQ(members->item(2)->text(), QStringLiteral("Cy Cole"));
    auto* printers = child<QListWidget>("lstPrinters");
    ASSERT_EQ(printers->count(), 3);
    EXPECT_EQ(printers->item(2)->text(), QStringLiteral("PDF file"));
    EXPECT_EQ(panel("lblSelectedPrinter"), QStringLiteral("Front Desk"));
    EXPECT_FALSE(option("optOrientation0")->isChecked());
    EXPECT_FALSE(option("optOrientation1")->isChecked());

    // Without results, predictions of members or a complete schedule those reports are not offered,
    // and the range is the whole season.
    h.pool().currentWeek = -1;
    h.pool().predictionsComplete.fill(0);
    h.pool().scheduleEntries = 0;
    w.done(QDialog::Rejected);
    window();
    EXPECT_FALSE(option("rsltOption")->isEnabled());
    EXPECT_FALSE(option("prdOption")->isEnabled()); // post-season and Big Game points are in use
    EXPECT_FALSE(option("ssnOption")->isEnabled());
    EXPECT_EQ(panel("toPanel"), QStringLiteral("17"));
}

TEST_F(PrintWindowTest, ReportOptionsSetTheWeeksFileAndSections) {
    option("prdOption")->click();
    EXPECT_EQ(window().choice().kind, KindPredictions);
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("1"));
    EXPECT_EQ(panel("toPanel"), QStringLiteral("17"));
    EXPECT_EQ(fileName(), QStringLiteral("predict.txt"));
    EXPECT_EQ(sectionsEnabled(), (std::vector<bool>{true, false, true, true}));

    option("rsltOption")->click();
    ReportChoice c = window().choice();
    EXPECT_EQ(c.kind, KindResultsRange);
    EXPECT_EQ(c.fromWeek, 4);
    EXPECT_EQ(c.toWeek, 4);
    EXPECT_EQ(fileName(), QStringLiteral("results.txt"));
    EXPECT_EQ(option("rsltOption")->text(), QStringLiteral(" Results Listing"));
    EXPECT_EQ(sectionsEnabled(), (std::vector<bool>{false, true, false, true}));
    EXPECT_TRUE(child<QGroupBox>("frmStyle")->isVisibleTo(&window()));
    EXPECT_TRUE(option("sortedOption")->isChecked());
    EXPECT_FALSE(c.unsorted);

    // The range stays within the weeks with results, and never runs backwards.
    spin("toSpin")->setValue(9);
    EXPECT_EQ(window().choice().toWeek, 4);
    EXPECT_EQ(spin("toSpin")->value(), 4);
    spin("fromSpin")->setValue(7);
    EXPECT_EQ(window().choice().fromWeek, 4);
    spin("fromSpin")->setValue(1);
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("2"));

    option("ssnOption")->click();
    EXPECT_FALSE(spin("fromSpin")->isEnabled());
    EXPECT_FALSE(child<QGroupBox>("frmStyle")->isVisibleTo(&window()));
    EXPECT_EQ(fileName(), QStringLiteral("season.txt"));
    EXPECT_EQ(sectionsEnabled(), (std::vector<bool>{false, false, false, false}));

    option("wkOption")->click();
    EXPECT_TRUE(spin("toSpin")->isEnabled());
    EXPECT_EQ(fileName(), QStringLiteral("week0505.txt"));
    spin("toSpin")->setValue(11);
    EXPECT_EQ(fileName(), QStringLiteral("week0512.txt"));

    option("noneOption")->click();
    EXPECT_EQ(fileName(), QStringLiteral("none.txt"));
    EXPECT_EQ(window().choice().report, ReportOption::None);
}

TEST_F(PrintWindowTest, AWholeSeasonOfResultsOffersItsSectionsAndKind) {
    test::fillSampleResults(h.pool(), 16);
    option("rsltOption")->click();
    EXPECT_EQ(option("rsltOption")->text(), QStringLiteral(" Results Listing + ..."));
    EXPECT_EQ(sectionsEnabled(), (std::vector<bool>{true, true, true, true}));
    // The option sets the weeks but leaves the spinners where the load put them (0 and 16): the
    // administrator moves the first week up and back down to reach week 1.
    spin("fromSpin")->setValue(1);
    spin("fromSpin")->setValue(0);
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("1"));
    option("unsortedOption")->click();
    EXPECT_EQ(window().choice().kind, KindResultsSeason);
    EXPECT_TRUE(window().choice().unsorted);
    // A range that leaves the whole season is a range report again.
    spin("toSpin")->setValue(15);
    EXPECT_EQ(window().choice().kind, KindResultsRange);
    EXPECT_EQ(option("rsltOption")->text().toStdString(), " Results Listing");
    EXPECT_FALSE(check("psCheck")->isEnabled());
    spin("toSpin")->setValue(16);
    EXPECT_EQ(window().choice().kind, KindResultsSeason);
}

// The up arrows raise the values; both week spinners tell a whole-season results report from a range;
// the results option reads the same at every opening.
TEST_F(PrintWindowTest, TheSpinnersAndTheResultsCaption) {
    const auto clickUp = [this](const char* name) {
        QSpinBox* s = spin(name);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, 3));
    };
    clickUp("copiesSpin");
    EXPECT_EQ(panel("copiesPanel"), QStringLiteral("2"));
    clickUp("fromSpin");
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("2"));
    option("prdOption")->click();
    clickUp("toSpin");
    EXPECT_EQ(panel("toPanel"), QStringLiteral("6"));

    test::fillSampleResults(h.pool(), 16);
    option("rsltOption")->click();
    spin("toSpin")->setValue(16);
    for (const auto& [from, to, kind] : {std::tuple{3, 16, KindResultsRange},
                                         {0, 16, KindResultsSeason},
                                         {0, 15, KindResultsRange},
                                         {0, 16, KindResultsSeason}}) {
        spin("fromSpin")->setValue(from);
        spin("toSpin")->setValue(to);
        EXPECT_EQ(window().choice().kind, kind) << from << "-" << to;
    }

    h.pool().currentWeek = 4;
    for (int opening = 0; opening < 2; ++opening) {
        window().done(QDialog::Rejected);
        EXPECT_EQ(option("rsltOption")->text().toStdString(), " Results Listing") << opening;
    }
}

TEST_F(PrintWindowTest, DisabledBoxesKeepTheirTicksAndTheTagFollowsHtml) {
    option("prdOption")->click();
    check("standCheck")->click();
    option("noneOption")->click();
    EXPECT_FALSE(check("standCheck")->isEnabled());
    EXPECT_TRUE(window().choice().teamStandings);

    check("chkHTML")->click();
    EXPECT_EQ(check("chkHTML")->property("tag").toString(), QStringLiteral("html;"));
    check("chkHTML")->click();
    EXPECT_EQ(check("chkHTML")->property("tag").toString(), QStringLiteral("plain;"));

    check("chkAll")->click();
    EXPECT_EQ(child<QListWidget>("lstMember")->selectedItems().size(), 3);
    EXPECT_TRUE(child<QPushButton>("cmdEmail")->isEnabled());
    check("chkAll")->click();
    EXPECT_TRUE(child<QListWidget>("lstMember")->selectedItems().isEmpty());
    EXPECT_FALSE(child<QPushButton>("cmdEmail")->isEnabled());

    spin("copiesSpin")->setValue(3);
    EXPECT_EQ(panel("copiesPanel"), QStringLiteral("3"));
    EXPECT_EQ(window().choice().copies, 3);

    // Closing unloads the window: the next opening starts with nothing chosen.
    window().done(QDialog::Rejected);
    EXPECT_FALSE(window().choice().teamStandings);
    EXPECT_EQ(window().choice().report, ReportOption::NotChosen);
}

TEST_F(PrintWindowTest, SelectMakesAPrinterCurrentWithItsOrientation) {
    child<QPushButton>("cmdSelect")->click();
    ASSERT_EQ(h.messages.requests.size(), 1u);
    EXPECT_EQ(h.messages.requests[0].title, QStringLiteral("Select Printer !"));
    EXPECT_EQ(h.messages.requests[0].text,
              QStringLiteral("Select a printer from the list before pressing Select !"));
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::Warning);
    EXPECT_EQ(catalog.current, 1);

    auto* printers = child<QListWidget>("lstPrinters");
    printers->setCurrentRow(0);
    child<QPushButton>("cmdSelect")->click();
    EXPECT_EQ(catalog.current, 0);
    EXPECT_EQ(panel("lblSelectedPrinter"), QStringLiteral("Office Laser"));
    EXPECT_TRUE(option("optOrientation0")->isChecked());
    option("optOrientation1")->click();
    EXPECT_EQ(catalog.orientations[0], PageOrientation::Landscape);
    EXPECT_EQ(window().choice().orientation, PageOrientation::Landscape);

    printers->setCurrentRow(1);
    child<QPushButton>("cmdSelect")->click();
    EXPECT_EQ(panel("lblSelectedPrinter"), QStringLiteral("Front Desk"));
    EXPECT_TRUE(option("optOrientation1")->isChecked());
}

TEST_F(PrintWindowTest, PrintSendsTheChoiceOutAndReportsAFailure) {
    // Nothing chosen: a message, nothing printed.
    print();
    ASSERT_EQ(h.messages.requests.size(), 1u);
    EXPECT_EQ(h.messages.requests[0].text, QStringLiteral("Choose a report before pressing Print !"));
    EXPECT_TRUE(catalog.printed.empty());
    EXPECT_TRUE(catalog.fontsAsked.isEmpty());

    h.session.printer.fontName = QStringLiteral("Courier New");
    option("rsltOption")->click();
    option("unsortedOption")->click();
    spin("copiesSpin")->setValue(2);
    print();
    EXPECT_EQ(catalog.printed.size(), 2u);
    EXPECT_EQ(catalog.fontsAsked, QStringList{QStringLiteral("Courier New")});
    EXPECT_EQ(catalog.printed[0].pageText(0)[0].toStdString(), "2024 VEK Season           Week 05");
    EXPECT_EQ(panel("infoPanel"), QString());
    EXPECT_EQ(h.messages.requests.size(), 1u);
    EXPECT_TRUE(window().isLoaded()); // Print leaves the window open

    // What the device tells: the PDF written in the panel; a paused printer in a message as well.
    catalog.notice = QStringLiteral("printout3.pdf");
    catalog.current = 2;
    print();
    EXPECT_EQ(panel("infoPanel"), catalog.notice);
    EXPECT_EQ(h.messages.requests.size(), 1u);
    catalog.notice =
        QStringLiteral("Front Desk is paused: the report waits in its queue until the printer is resumed.");
    catalog.current = 1;
    print();
    EXPECT_EQ(panel("infoPanel"), catalog.notice);
    ASSERT_EQ(h.messages.requests.size(), 2u);
    EXPECT_EQ(h.messages.requests[1].text, catalog.notice);
    catalog.notice.clear();

    catalog.failure = QStringLiteral("The report could not be printed on Front Desk: out of paper");
    print();
    ASSERT_EQ(h.messages.requests.size(), 3u);
    EXPECT_EQ(h.messages.requests[2].text, catalog.failure);
    EXPECT_EQ(h.messages.requests[2].title, QStringLiteral("Kestrelmoor"));
    EXPECT_EQ(catalog.printed.size(), 7u); // the first copy, then no more
}

TEST_F(PrintWindowTest, PrintToFileWritesTheReportFile) {
    option("prdOption")->click();
    check("standCheck")->click();
    check("fileOption")->click();
    print();
    EXPECT_TRUE(catalog.printed.empty());
    const QList<QByteArray> lines = test::fileLines(h.temp.read(QStringLiteral("predict.txt")));
    ASSERT_GT(lines.size(), 5);
    EXPECT_EQ(lines[0], QByteArray("                      2024 VEK Season")); // the listing, then the charts
    EXPECT_TRUE(lines.contains(QByteArray("2024 VEK Season        Member Charts")));

    // A file that cannot be written is reported by its name.
    QDir(h.temp.path()).mkdir(QStringLiteral("none.txt"));
    option("noneOption")->click();
    print();
    ASSERT_EQ(h.messages.requests.size(), 1u);
    EXPECT_TRUE(h.messages.requests[0].text.startsWith(QStringLiteral("none.txt could not be saved: ")))
        << h.messages.requests[0].text.toStdString();
    EXPECT_EQ(h.messages.requests[0].icon, Messages::Icon::Warning); // as every save that failed
}

TEST_F(PrintWindowTest, AnEmptyScheduleKeepsTheWeeksAtOne) {
    h.pool().numWeeks = 0;
    h.pool().currentWeek = -1;
    EXPECT_EQ(panel("fromPanel"), QStringLiteral("1"));
    EXPECT_EQ(panel("toPanel"), QStringLiteral("1"));
    option("prdOption")->click();
    EXPECT_EQ(panel("toPanel"), QStringLiteral("1"));
    spin("toSpin")->setValue(5);
    EXPECT_EQ(panel("toPanel"), QStringLiteral("1"));
    EXPECT_EQ(spin("toSpin")->value(), 0);
    option("wkOption")->click();
    EXPECT_EQ(fileName(), QStringLiteral("week0101.txt"));
}

} // namespace
} // namespace vek

namespace vek {
namespace {

// 121 members with long names, a long printer name and a results report chosen: nothing is cut off,
// the member list showing each name whole.
TEST(PrintWindowLook, TheLargestPoolFitsTheWindow) {
    test::UiHarness h;
    test::fillRealisticPool(h.pool(), MemberSlots, 16);
    test::FakePrinterCatalog catalog;
    catalog.names = {QStringLiteral("Accounting Department Colour Laser (second floor)"),
                     QStringLiteral("Front Desk"), PrinterCatalog::PdfDevice};
    PrintWindow window(h.session, h.host, catalog);
    window.ensureLoaded();
    window.findChild<QRadioButton*>(QStringLiteral("rsltOption"))->click();
    auto* members = window.findChild<QListWidget*>(QStringLiteral("lstMember"));
    EXPECT_EQ(members->count(), 121);
    // The mail's progress as it names the last member.
    window.findChild<QLabel*>(QStringLiteral("infoPanel"))
        ->setText(QStringLiteral("Sending Mail . . .\n") + h.pool().memberName[MemberSlots - 1]);
    window.show();
    test::expectNothingCutOff(window, QStringLiteral("printwindow"));
    EXPECT_FALSE(members->horizontalScrollBar()->isVisible());
    window.hide();
}

} // namespace
} // namespace vek
