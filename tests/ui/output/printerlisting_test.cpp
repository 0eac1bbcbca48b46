// The printers the output dialog lists: what the server's destinations name, a print server that
// takes connections and never answers or that refuses the list, which neither holds the dialog nor loses
// the printer current before, and a printer found on the network printed on at its address.
#include "output/printwindow.h"
#include "output/qtprintercatalog.h"
#include "reports/reportprinter.h"
#include "support/poolbuilder.h"
#include "support/scriptedprintserver.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QHostAddress>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTest>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace vek {
namespace {

TEST(PrinterList, NamesTheDefaultAndTheAddressOfEachPrinterFoundOnTheNetwork) {
    struct Dest {
        const char* name;
        const char* instance;
        bool isDefault;
        const char* printerUri; // the server's queue
        const char* deviceUri;
    };
    struct Case {
        const char* what;
        std::vector<Dest> dests;
        QStringList names;
        QString preferred;
        QHash<QString, QString> deviceUris;
    };
    const char* const found = "ipps://Lobby%20Colour._ipps._tcp.local/";
    const Case cases[] = {
        {"queues, an instance, the default and a printer found on the network",
         {{"Office", nullptr, false, "ipp://localhost/printers/Office", "usb://Maker/Laser"},
          {"Office", "duplex", false, "ipp://localhost/printers/Office", "usb://Maker/Laser"},
          {"Front", nullptr, true, "ipp://localhost/printers/Front", nullptr},
          {"Lobby_Colour", nullptr, false, nullptr, found}},
         {"Front", "Lobby_Colour", "Office", "Office/duplex"},
         "Front",
         {{"Lobby_Colour", found}}},
        {"a default instance and a found printer among queues",
         {{"Alpha", nullptr, false, "ipp://localhost/printers/Alpha", nullptr},
          {"Alpha", "draft", true, "ipp://localhost/printers/Alpha", nullptr},
          {"Beta", nullptr, false, nullptr, "ipp://beta.local:631/ipp/print"}},
         {"Alpha", "Alpha/draft", "Beta"},
         "Alpha/draft",
         {{"Beta", "ipp://beta.local:631/ipp/print"}}},
    };
    for (const Case& c : cases) {
        cups_dest_t* dests = nullptr;
        int count = 0;
        for (const Dest& d : c.dests) {
            count = cupsAddDest(d.name, d.instance, count, &dests);
            cups_dest_t* dest = cupsGetDest(d.name, d.instance, count, dests);
            dest->is_default = d.isDefault ? 1 : 0;
            for (const auto& [option, value] :
                 {std::pair{"printer-uri-supported", d.printerUri}, std::pair{"device-uri", d.deviceUri}}) {
                if (value != nullptr) {
                    dest->num_options = cupsAddOption(option, value, dest->num_options, &dest->options);
                }
            }
        }
        const PrinterList list = listPrinters(count, dests);
        cupsFreeDests(count, dests);
        EXPECT_EQ(list.names, c.names) << c.what;
        EXPECT_EQ(list.preferred, c.preferred) << c.what;
        EXPECT_EQ(list.deviceUris, c.deviceUris) << c.what;
    }
}

constexpr int SpanMs = 2000;
// Several spans: room for a loaded machine, far below the minutes that libcups' own waits take.
constexpr int ListingBoundMs = 20000;

/// Lists two printers, Front Desk the server's default, the first time; asks the server every later time.
QtPrinterCatalog::Lister twoPrintersThenTheServer(QtPrinterCatalog::DestsGetter getDests = cupsGetDests2) {
    return [asked = std::make_shared<std::atomic<int>>(0), getDests](int answerMs) {
        if ((*asked)++ > 0) {
            return QtPrinterCatalog::askServer(answerMs, getDests);
        }
        PrinterList first;
        first.names = QStringList{QStringLiteral("Office Laser"), QStringLiteral("Front Desk")};
        first.preferred = QStringLiteral("Front Desk");
        return first;
    };
}

/// A print server that takes the connection and the request and never answers, as a wedged cupsd or
/// another service on its port; this thread's printing and the catalogs made on it talk to it.
class SilentPrintServer {
public:
    SilentPrintServer() {
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
        m_server.pauseAccepting(); // the system still completes the connections and takes the requests
        cupsSetServer(address().toUtf8().constData());
    }
    ~SilentPrintServer() { cupsSetServer(nullptr); }
    [[nodiscard]] QString address() const {
        return QStringLiteral("127.0.0.1:%1").arg(m_server.serverPort());
    }

private:
    QTcpServer m_server;
};

class PrinterListingTest : public ::testing::Test {
protected:
    PrinterListingTest() { test::fillSamplePool(h.pool(), {QStringLiteral("Ann Avery")}, 4); }

    template <class W> W* child(QWidget& window, const char* name) {
        return window.findChild<W*>(QString::fromLatin1(name));
    }
    QString text(QWidget& window, const char* name) { return child<QLabel>(window, name)->text(); }
    void click(QWidget& window, const char* name) { child<QAbstractButton>(window, name)->click(); }

    SilentPrintServer server;
    test::UiHarness h;
};

TEST_F(PrinterListingTest, ASilentServerNeitherHoldsTheDialogNorLosesThePrinterChosenBefore) {
    // The first opening lists two printers; every later one asks the silent server.
    QtPrinterCatalog catalog(h.temp.path(), SpanMs, twoPrintersThenTheServer());
    PrintWindow window(h.session, h.host, catalog);
    window.ensureLoaded();
    // Before the first list is in no printer is known: Print does not fall back to the PDF device.
    click(window, "ssnOption");
    click(window, "cmdPrint");
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_EQ(h.messages.requests[0].text, PrintWindow::StillLookingText);
    EXPECT_EQ(text(window, "lblPrinterStatus"), PrintWindow::LookingForPrintersText);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return text(window, "lblSelectedPrinter") == QStringLiteral("Front Desk"); }, 5000));
    auto* printers = child<QListWidget>(window, "lstPrinters");
    ASSERT_EQ(printers->count(), 3);
    printers->setCurrentRow(0);
    click(window, "cmdSelect");
    EXPECT_EQ(text(window, "lblSelectedPrinter"), QStringLiteral("Office Laser"));
    window.done(QDialog::Rejected);

    QElapsedTimer clock;
    clock.start();
    window.ensureLoaded();
    window.show();
    EXPECT_LT(clock.elapsed(), 1000); // the load does not wait for the server's span
    EXPECT_EQ(text(window, "lblPrinterStatus"), PrintWindow::LookingForPrintersText);
    EXPECT_EQ(printers->cursor().shape(), Qt::WaitCursor);
    printers->setCurrentRow(2); // a row picked meanwhile stays picked where the new list has it
    const QString silent = QStringLiteral("The print server %1 does not answer; only PDF file is offered.")
                               .arg(server.address());
    EXPECT_TRUE(QTest::qWaitFor([&] { return text(window, "lblPrinterStatus") == silent; }, ListingBoundMs))
        << text(window, "lblPrinterStatus").toStdString();
    EXPECT_TRUE(child<QLabel>(window, "lblPrinterStatus")->isVisible());
    ASSERT_EQ(printers->count(), 1);
    EXPECT_EQ(printers->item(0)->text(), PrinterCatalog::PdfDevice);
    EXPECT_EQ(printers->selectedItems(), QList<QListWidgetItem*>{printers->item(0)});
    EXPECT_EQ(printers->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(text(window, "lblSelectedPrinter"), QStringLiteral("Office Laser"));

    click(window, "ssnOption");
    click(window, "cmdPrint");
    ASSERT_EQ(h.messages.requests.size(), 2U);
    EXPECT_EQ(h.messages.requests[1].text,
              QStringLiteral("The report could not be printed on Office Laser: the print server %1 does not "
                             "answer")
                  .arg(server.address()));
    EXPECT_EQ(QDir(h.temp.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList{});
    window.hide();
}

// The server's default printer, shown current but never chosen, stays current as well while a later
// list cannot be read: Print names the server rather than saying that no printer is known.
TEST_F(PrinterListingTest, ThePrinterShownCurrentStaysWhileTheListFails) {
    QtPrinterCatalog catalog(h.temp.path(), SpanMs, twoPrintersThenTheServer());
    PrintWindow window(h.session, h.host, catalog);
    window.ensureLoaded();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
    window.done(QDialog::Rejected);
    window.ensureLoaded();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
    EXPECT_EQ(text(window, "lblSelectedPrinter").toStdString(), "Front Desk");
    click(window, "ssnOption");
    click(window, "cmdPrint");
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_EQ(
        h.messages.requests[0].text.toStdString(),
        QStringLiteral("The report could not be printed on Front Desk: the print server %1 does not answer")
            .arg(server.address())
            .toStdString());
}

// A server that never answered: no printer is known, and the PDF device prints only once chosen.
TEST_F(PrinterListingTest, WithoutAnyListThePdfDevicePrintsOnlyWhenChosen) {
    QtPrinterCatalog catalog(h.temp.path(), SpanMs);
    PrintWindow window(h.session, h.host, catalog);
    window.ensureLoaded();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
    EXPECT_EQ(text(window, "lblSelectedPrinter"), QString());
    click(window, "ssnOption");
    click(window, "cmdPrint");
    ASSERT_EQ(h.messages.requests.size(), 1U);
    EXPECT_EQ(h.messages.requests[0].text,
              PrintWindow::NoPrinterText.arg(
                  QStringLiteral("the print server %1 does not answer").arg(server.address())));
    const auto pdfs = [&] { return QDir(h.temp.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files); };
    EXPECT_EQ(pdfs(), QStringList{});

    child<QListWidget>(window, "lstPrinters")->setCurrentRow(0);
    click(window, "cmdSelect");
    EXPECT_EQ(text(window, "lblSelectedPrinter"), PrinterCatalog::PdfDevice);
    click(window, "cmdPrint");
    EXPECT_EQ(pdfs().size(), 1);
}

// The dialog closed and gone, with its catalog, while the printers are still being asked: the worker
// finds the catalog gone and leaves nothing behind.
TEST_F(PrinterListingTest, TheDialogMayGoWhileThePrintersAreAsked) {
    // Once the catalog's own lister is gone, the worker's copy holds the last `asking`: it goes with the
    // worker.
    auto asking = std::make_shared<int>(0);
    const std::weak_ptr<int> worker = asking;
    auto catalog = std::make_unique<QtPrinterCatalog>(
        h.temp.path(), SpanMs, [asking](int answerMs) { return QtPrinterCatalog::askServer(answerMs); });
    asking.reset();
    auto window = std::make_unique<PrintWindow>(h.session, h.host, *catalog);
    window->ensureLoaded();
    window->show();
    ASSERT_TRUE(catalog->isListing());
    window->done(QDialog::Rejected);
    window.reset();
    catalog.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return worker.expired(); }, ListingBoundMs));
    QCoreApplication::sendPostedEvents();
}

/// libcups' list with a printer found on the network: the server's queues and the found printer, and
/// libcups' last error left at a failure of its own, as its look for printers on the network leaves it.
int withAFoundPrinter(http_t* http, cups_dest_t** dests) {
    int count = cupsGetDests2(http, dests);
    count = cupsAddDest("Lobby_Colour", nullptr, count, dests);
    cups_dest_t* found = cupsGetDest("Lobby_Colour", nullptr, count, *dests);
    found->num_options = cupsAddOption("device-uri", "ipps://Lobby%20Colour._ipps._tcp.local/",
                                       found->num_options, &found->options);
    ippDelete(cupsDoRequest(nullptr, nullptr, "/")); // fails at once, without a server
    return count;
}

// A server that refuses the list (with any HTTP error, or an IPP error other than cupsd's "not found"
// of a server without printers) does not have the chosen printer forgotten, nor a printer found on the
// network made current, and says so in its own words; nothing asks for a password, which libcups would
// ask on the terminal.
TEST(PrinterCatalog, AListTheServerRefusesKeepsTheChosenPrinter) {
    using test::ScriptedPrintServer;
    const struct {
        int httpStatus;
        ipp_status_t status;
        const char* message; // the server's status-message
        const char* refusal;
    } cases[] = {{HTTP_STATUS_FORBIDDEN, IPP_STATUS_OK, nullptr, "Forbidden"},
                 {HTTP_STATUS_UNAUTHORIZED, IPP_STATUS_OK, nullptr, "Unauthorized"},
                 {HTTP_STATUS_SERVER_ERROR, IPP_STATUS_OK, nullptr, "Internal Server Error"},
                 {HTTP_STATUS_NOT_FOUND, IPP_STATUS_OK, nullptr, "Not Found"},
                 {HTTP_STATUS_OK, IPP_STATUS_ERROR_FORBIDDEN, nullptr, "client-error-forbidden"},
                 {HTTP_STATUS_OK, IPP_STATUS_ERROR_FORBIDDEN, "Only the office lists printers.",
                  "Only the office lists printers."},
                 {HTTP_STATUS_OK, IPP_STATUS_ERROR_INTERNAL, nullptr, "server-error-internal-error"},
                 {HTTP_STATUS_OK, IPP_STATUS_ERROR_NOT_FOUND, nullptr, nullptr}};
    test::TempFolder temp;
    for (const auto& c : cases) {
        ScriptedPrintServer server([c](const ScriptedPrintServer::Request&) {
            return ScriptedPrintServer::Answer{
                .httpStatus = c.httpStatus, .status = c.status, .attributes = [c](ipp_t* answer) {
                    if (c.message != nullptr) {
                        ippAddString(answer, IPP_TAG_OPERATION, IPP_TAG_TEXT, "status-message", nullptr,
                                     c.message);
                    }
                }};
        });
        const auto restore = test::useServer(server.address());
        // Counts what would be asked on the terminal, on the worker's thread.
        auto passwords = std::make_shared<std::atomic<int>>(0);
        QtPrinterCatalog catalog(
            temp.path(), SpanMs, [passwords, lister = twoPrintersThenTheServer(withAFoundPrinter)](int ms) {
                cupsSetPasswordCB2(
                    [](const char*, http_t*, const char*, const char*, void* count) -> const char* {
                        ++*static_cast<std::atomic<int>*>(count);
                        return nullptr;
                    },
                    passwords.get());
                return lister(ms);
            });
        catalog.refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
        catalog.setCurrentDevice(0);
        catalog.refresh();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
        const QString refusal = c.refusal == nullptr
                                    ? QString()
                                    : QStringLiteral("the print server %1 refused the list (%2)")
                                          .arg(server.address(), QString::fromLatin1(c.refusal));
        EXPECT_EQ(catalog.listFailure().toStdString(), refusal.toStdString());
        // Without printers of the server's, the found printer is the first.
        EXPECT_EQ(catalog.currentName().toStdString(),
                  c.refusal == nullptr ? "Lobby_Colour" : "Office Laser");
        EXPECT_EQ(*passwords, 0) << c.httpStatus;
    }
}

// A printer found on the network, chosen, reaches the server with its address, from which the server
// makes its queue.
TEST(PrinterCatalog, AFoundPrinterIsPrintedOnAtItsAddress) {
    using test::ScriptedPrintServer;
    ScriptedPrintServer server([](const ScriptedPrintServer::Request& request) {
        return ScriptedPrintServer::Answer{.status = request.operation == IPP_OP_GET_PRINTER_ATTRIBUTES
                                                         ? IPP_STATUS_ERROR_NOT_FOUND
                                                         : IPP_STATUS_OK};
    });
    const auto restore = test::useServer(server.address());
    const QString address = QStringLiteral("ipps://Lobby%20Colour._ipps._tcp.local/");
    test::TempFolder temp;
    QtPrinterCatalog catalog(temp.path(), SpanMs, [address](int) {
        PrinterList list;
        list.names = QStringList{QStringLiteral("Office Laser"), QStringLiteral("Lobby_Colour")};
        list.deviceUris.insert(QStringLiteral("Lobby_Colour"), address);
        return list;
    });
    catalog.refresh();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !catalog.isListing(); }, ListingBoundMs));
    catalog.setCurrentDevice(1);
    const std::unique_ptr<ReportPrinter> printer = catalog.openPrinter(QString());
    printer->printLine(QStringLiteral("Points Ledger"));
    printer->endDocument();
    std::vector<std::string> made;
    for (const ScriptedPrintServer::Request& request : server.requests()) {
        if (request.operation == IPP_OP_CUPS_CREATE_LOCAL_PRINTER) {
            made.push_back(request.attributes.value("device-uri").toStdString());
        }
    }
    EXPECT_EQ(made, std::vector<std::string>{address.toStdString()});
}

} // namespace
} // namespace vek
