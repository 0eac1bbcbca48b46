// Printing through a real printer: a CUPS server of the test's own with a cups-pdf queue, listed by the
// output dialog, printed to, and the PDF it makes read back; the queue deleted while the dialog is open.
// A driverless printer of the test's own, found on the network but without a queue, gets one and prints.
#include "output/printwindow.h"
#include "output/qtreportprinter.h"
#include "processrun.h"
#include "realisticpool.h"
#include "support/uiharness.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

namespace vek {
namespace {

constexpr int ServerStartMs = 20000;
constexpr int PrintJobMs = 120000;
const char* const QueueVariable = "VEK_TEST_PRINTER_QUEUE";
const char* const OutcomeVariable = "VEK_TEST_PRINTER_OUTCOME";
const char* const DeleteVariable = "VEK_TEST_PRINTER_DELETE";
const QString Queue = QStringLiteral("VekTestPdf");

/// A free port of the loopback address; 0 when there is none.
quint16 freePort() {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

/// Starts a server program, stopped with the test process when it dies first, and waits until it
/// accepts connections on `port`; the reason when it does not.
QString startListening(QProcess& process, const QString& program, const QStringList& arguments,
                       quint16 port) {
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForStarted(ServerStartMs)) {
        return QStringLiteral("%1 did not start: %2").arg(program, process.errorString());
    }
    const bool listening = QTest::qWaitFor(
        [&] {
            if (process.state() == QProcess::NotRunning) {
                return true;
            }
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            return socket.waitForConnected(200);
        },
        ServerStartMs);
    if (!listening || process.state() == QProcess::NotRunning) {
        return QStringLiteral("%1 does not listen: %2").arg(program, QString::fromUtf8(process.readAll()));
    }
    return {};
}

/// Ends a server program started by the test by its process id.
void stopProcess(QProcess& process) {
    if (process.state() != QProcess::NotRunning) {
        process.terminate();
        if (!process.waitForFinished(10000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
}

/// A CUPS server in a temporary folder of its own, on a free port of the loopback address, with one
/// cups-pdf queue that writes into that folder. Stopped by its process id when the test ends, and also
/// when the test process dies first.
class TestCupsServer {
public:
    ~TestCupsServer() {
        stopProcess(m_cupsd);
        if (!m_pdfConfig.isEmpty()) {
            QFile::remove(m_pdfConfig);
        }
    }

    [[nodiscard]] QString address() const { return QStringLiteral("127.0.0.1:%1").arg(m_port); }
    [[nodiscard]] QString pdfFolder() const { return m_root.filePath(QStringLiteral("pdf")); }
    [[nodiscard]] QString errorLog() const {
        QFile log(m_root.filePath(QStringLiteral("log/error_log")));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll().right(3000)) : QString();
    }
    [[nodiscard]] QProcessEnvironment environment() const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("CUPS_SERVER"), address());
        return env;
    }

    /// Starts cupsd and waits until it accepts connections; the reason when it does not.
    QString start() {
        if (!m_root.isValid()) {
            return QStringLiteral("no temporary folder");
        }
        const group* lp = getgrnam("lp");
        if (lp == nullptr) {
            return QStringLiteral("the system has no lp group");
        }
        m_port = freePort();
        if (m_port == 0) {
            return QStringLiteral("no free port");
        }

        const QDir root(m_root.path());
        ::chmod(QFile::encodeName(root.path()).constData(), 0755);
        // The filters run as lp: they read the spool and write temporary files.
        const struct {
            const char* name;
            mode_t mode;
        } folders[] = {{"conf", 0755},  {"spool", 0710}, {"tmp", 01770}, {"cache", 0770},
                       {"state", 0755}, {"log", 0755},   {"pdf", 0755}};
        for (const auto& folder : folders) {
            const QByteArray path = QFile::encodeName(root.filePath(QString::fromLatin1(folder.name)));
            if (!root.mkpath(QString::fromLatin1(folder.name)) ||
                ::chown(path.constData(), 0, lp->gr_gid) != 0 ||
                ::chmod(path.constData(), folder.mode) != 0) {
                return QStringLiteral("cannot prepare %1").arg(QString::fromLatin1(path));
            }
        }
        const QString conf = root.filePath(QStringLiteral("conf"));
        const bool written =
            write(
                conf + QStringLiteral("/cupsd.conf"),
                QStringLiteral("Listen 127.0.0.1:%1\nLogLevel info\nBrowsing No\nWebInterface No\n"
                               "DefaultAuthType None\n<Policy default>\n  <Limit All>\n    Order allow,deny\n"
                               "    Allow all\n  </Limit>\n</Policy>\n<Location />\n  Order allow,deny\n"
                               "  Allow all\n</Location>\n")
                    .arg(m_port)) &&
            write(conf + QStringLiteral("/cups-files.conf"),
                  QStringLiteral(
                      "ServerRoot %1/conf\nRequestRoot %1/spool\nTempDir %1/tmp\nCacheDir %1/cache\n"
                      "StateDir %1/state\nAccessLog %1/log/access_log\nErrorLog %1/log/error_log\n"
                      "PageLog %1/log/page_log\nPrintcap %1/state/printcap\nServerBin /usr/lib/cups\n"
                      "DataDir /usr/share/cups\nUser lp\nGroup lp\nSystemGroup root\n")
                      .arg(root.path()));
        if (!written) {
            return QStringLiteral("cannot write the server's configuration");
        }

        const QString listening =
            startListening(m_cupsd, QStringLiteral("cupsd"),
                           {QStringLiteral("-f"), QStringLiteral("-c"), conf + QStringLiteral("/cupsd.conf"),
                            QStringLiteral("-s"), conf + QStringLiteral("/cups-files.conf")},
                           m_port);
        return listening.isEmpty() ? QString() : listening + errorLog();
    }

    /// start() and then addPdfQueue(): the first reason either gives, or "".
    QString startWithPdfQueue() {
        const QString started = start();
        return started.isEmpty() ? addPdfQueue() : started;
    }

    /// Adds the cups-pdf queue; its own cups-pdf configuration sends the PDFs into pdfFolder(). The
    /// queue converts through pdftocairo, which keeps the text of the document readable.
    QString addPdfQueue() {
        const QString instance = QStringLiteral("vektest%1").arg(m_port);
        m_pdfConfig = QStringLiteral("/etc/cups/cups-pdf-%1.conf").arg(instance);
        if (!write(m_pdfConfig,
                   QStringLiteral("Out %1\nAnonDirName %1\nSpool %2/cups-pdf\nLog %2/log\nGrp root\n")
                       .arg(pdfFolder(), m_root.path()))) {
            return QStringLiteral("cannot write %1 (is printer-driver-cups-pdf installed?)").arg(m_pdfConfig);
        }
        const test::ToolRun added =
            test::runTool(QStringLiteral("lpadmin"),
                          {QStringLiteral("-p"), Queue, QStringLiteral("-E"), QStringLiteral("-v"),
                           QStringLiteral("cups-pdf:/") + instance, QStringLiteral("-m"),
                           QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"), QStringLiteral("-o"),
                           QStringLiteral("pdftops-renderer-default=pdftocairo")},
                          ServerStartMs, environment());
        return added.ok ? QString() : QStringLiteral("lpadmin failed: %1").arg(QString::fromUtf8(added.err));
    }

    /// Runs a CUPS administration command (cupsreject, cupsdisable, ...) on the queue.
    [[nodiscard]] bool admin(const QString& command) const {
        return test::runTool(command, {Queue}, 10000, environment()).ok;
    }

    void stop() {
        m_cupsd.terminate();
        m_cupsd.waitForFinished(10000);
    }

    /// Whether the queue holds no job still to print.
    [[nodiscard]] bool idle(const QString& queue = Queue) const {
        const test::ToolRun jobs =
            test::runTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}, 10000, environment());
        return jobs.ok && jobs.out.trimmed().isEmpty();
    }

private:
    static bool write(const QString& path, const QString& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text.toUtf8()) >= 0;
    }

    QTemporaryDir m_root;
    QProcess m_cupsd;
    quint16 m_port = 0;
    QString m_pdfConfig;
};

/// A driverless printer of the test's own: ippeveprinter on a free port of the loopback address,
/// keeping each job it receives in a folder of its own, and announcing nothing. Its print command does
/// nothing, so a job ends at once (without one it plays at printing for several seconds). Its DNS-SD
/// client still needs a D-Bus bus, so it gets a private one. Both stopped by their process ids.
class TestIppPrinter {
public:
    ~TestIppPrinter() {
        stopProcess(m_printer);
        stopProcess(m_bus);
    }

    [[nodiscard]] QString uri() const { return QStringLiteral("ipp://127.0.0.1:%1/ipp/print").arg(m_port); }
    [[nodiscard]] QString jobFolder() const { return m_root.filePath(QStringLiteral("jobs")); }

    QString start() {
        m_port = freePort();
        if (!m_root.isValid() || m_port == 0 || !QDir(m_root.path()).mkdir(QStringLiteral("jobs"))) {
            return QStringLiteral("no folder or port for the IPP printer");
        }
        const QString bus = m_root.filePath(QStringLiteral("bus"));
        m_bus.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
        m_bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                    QStringLiteral("--address=unix:path=") + bus});
        if (!QTest::qWaitFor([&] { return QFileInfo::exists(bus) || m_bus.state() == QProcess::NotRunning; },
                             ServerStartMs) ||
            !QFileInfo::exists(bus)) {
            return QStringLiteral("dbus-daemon did not start: %1").arg(m_bus.errorString());
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), QStringLiteral("unix:path=") + bus);
        m_printer.setProcessEnvironment(env);
        return startListening(m_printer, QStringLiteral("ippeveprinter"),
                              {QStringLiteral("-p"), QString::number(m_port), QStringLiteral("-d"),
                               jobFolder(), QStringLiteral("-k"), QStringLiteral("-c"),
                               QStringLiteral("/bin/true"), QStringLiteral("-f"),
                               QStringLiteral("application/pdf,image/pwg-raster"), QStringLiteral("-r"),
                               QStringLiteral("off"), QStringLiteral("VekTestIpp")},
                              m_port);
    }

private:
    QTemporaryDir m_root;
    QProcess m_bus;
    QProcess m_printer;
    quint16 m_port = 0;
};

/// The part that runs in a process of its own, started with the server's address in CUPS_SERVER (the
/// CUPS client library reads it once per process): the dialog lists the queue, which is selected, and a
/// results report of week 5 is printed on it with its ledger and member charts. With DeleteVariable set
/// the queue is deleted once the dialog lists it, and printing on it fails by its name.
void printThroughTheDialog(const QString& queue) {
    test::UiHarness h;
    test::fillRealisticPool(h.pool(), 12, 4);
    h.session.printer.fontName = QStringLiteral("Courier New");
    PrintWindow window(h.session, h.host);
    window.ensureLoaded();
    const auto button = [&](const char* name) {
        return window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    };
    auto* printers = window.findChild<QListWidget*>(QStringLiteral("lstPrinters"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !printers->findItems(queue, Qt::MatchExactly).isEmpty(); },
                                ServerStartMs))
        << "the dialog does not list " << queue.toStdString() << " in time";
    const QList<QListWidgetItem*> listed = printers->findItems(queue, Qt::MatchExactly);
    ASSERT_EQ(listed.size(), 1) << "the dialog does not list " << queue.toStdString();
    EXPECT_EQ(printers->item(printers->count() - 1)->text(), QStringLiteral("PDF file"));
    const bool deleted = qEnvironmentVariableIsSet(DeleteVariable);
    if (deleted) {
        ASSERT_TRUE(test::runTool(QStringLiteral("lpadmin"), {QStringLiteral("-x"), queue}).ok);
    }
    printers->setCurrentItem(listed.front());
    button("cmdSelect")->click();
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lblSelectedPrinter"))->text(), queue);
    button("prdOption")->click();
    button("standCheck")->click();
    button("rsltOption")->click();
    button("unsortedOption")->click();
    button("ledgerCheck")->click();
    button("cmdPrint")->click();
    if (deleted) {
        ASSERT_EQ(h.messages.requests.size(), 1U);
        EXPECT_EQ(h.messages.requests.front().text,
                  QStringLiteral(
                      "The report could not be printed on %1: the print server does not know this printer")
                      .arg(queue));
        EXPECT_EQ(QDir(h.temp.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList{});
        return;
    }
    for (const auto& request : h.messages.requests) {
        ADD_FAILURE() << "message: " << request.text.toStdString();
    }
}

/// Each test runs a CUPS server (cupsd) of its own, which runs only as root; the part of a test that
/// runs in a child process of the test's runs as root too.
class RealPrinter : public ::testing::Test {
protected:
    void SetUp() override {
        if (::geteuid() != 0) {
            GTEST_SKIP()
                << "needs root: the test runs a CUPS server (cupsd) of its own, which runs only as root";
        }
    }
};

TEST_F(RealPrinter, PrintsAResultsReportThroughItsOwnCupsServer) {
    if (qEnvironmentVariableIsSet(QueueVariable)) {
        printThroughTheDialog(qEnvironmentVariable(QueueVariable));
        return;
    }
    TestCupsServer server;
    const QString started = server.startWithPdfQueue();
    ASSERT_TRUE(started.isEmpty()) << started.toStdString();

    // The dialog's part, in a fresh process that talks to this server only.
    const auto runDialog = [&](bool deleteQueue) {
        QProcessEnvironment env = server.environment();
        env.insert(QString::fromLatin1(QueueVariable), Queue);
        if (deleteQueue) {
            env.insert(QString::fromLatin1(DeleteVariable), QStringLiteral("1"));
        }
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        return test::runTool(
            QCoreApplication::applicationFilePath(),
            {QStringLiteral("--gtest_filter=RealPrinter.PrintsAResultsReportThroughItsOwnCupsServer")},
            PrintJobMs, env);
    };
    const test::ToolRun child = runDialog(false);
    ASSERT_TRUE(child.ok) << child.out.toStdString() << child.err.toStdString();

    const QDir pdfs(server.pdfFolder());
    const auto printed = [&] {
        return !pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files).isEmpty() && server.idle();
    };
    ASSERT_TRUE(QTest::qWaitFor(printed, PrintJobMs)) << server.errorLog().toStdString();
    const QStringList files = pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    ASSERT_EQ(files.size(), 1) << files.join(QLatin1Char(' ')).toStdString();
    const QString text = test::pdfText(pdfs.filePath(files.front())).simplified();
    for (const char* piece :
         {"2024 VEK Season Week 05 Qtr 2 Half 1", "Game Margaret Bartholo Christop",
          "BEAR @ HAWK BEAR(w) HAWK", "Balance", "|Over 50% Max:", "2024 VEK Season Points Ledger",
          "Total Points", "2024 VEK Season Member Charts", "Consensus Predictions", "VEK Standings"}) {
        EXPECT_TRUE(text.contains(QString::fromLatin1(piece))) << piece << "\n" << text.toStdString();
    }

    const test::ToolRun gone = runDialog(true);
    EXPECT_TRUE(gone.ok) << gone.out.toStdString() << gone.err.toStdString();
}

/// The child's part of the refusal cases: one document printed on the queue, and the printer's failure
/// and notice written to the outcome file, one per line.
void printOneDocument(const QString& queue, const QString& outcomePath) {
    QtReportPrinter printer(queue, QString(), PageOrientation::Portrait, QString());
    printer.printLine(QStringLiteral("Points Ledger"));
    printer.endDocument();
    QFile outcome(outcomePath);
    ASSERT_TRUE(outcome.open(QIODevice::WriteOnly));
    outcome.write((printer.failure() + QLatin1Char('\n') + printer.notice()).toUtf8());
}

TEST_F(RealPrinter, ARefusingOrPausedPrinterIsReported) {
    if (qEnvironmentVariableIsSet(OutcomeVariable)) {
        printOneDocument(qEnvironmentVariable(QueueVariable), qEnvironmentVariable(OutcomeVariable));
        return;
    }
    TestCupsServer server;
    const QString started = server.startWithPdfQueue();
    ASSERT_TRUE(started.isEmpty()) << started.toStdString();

    QTemporaryDir childTemp;
    const auto print = [&]() -> QStringList {
        QProcessEnvironment env = server.environment();
        env.insert(QString::fromLatin1(QueueVariable), Queue);
        env.insert(QString::fromLatin1(OutcomeVariable), childTemp.filePath(QStringLiteral("outcome")));
        env.insert(QStringLiteral("TMPDIR"), childTemp.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const test::ToolRun child =
            test::runTool(QCoreApplication::applicationFilePath(),
                          {QStringLiteral("--gtest_filter=RealPrinter.ARefusingOrPausedPrinterIsReported")},
                          PrintJobMs, env);
        EXPECT_TRUE(child.ok) << child.out.toStdString() << child.err.toStdString();
        QFile outcome(childTemp.filePath(QStringLiteral("outcome")));
        const QByteArray text = outcome.open(QIODevice::ReadOnly) ? outcome.readAll() : "no outcome";
        outcome.remove();
        return QString::fromUtf8(text).split(QLatin1Char('\n'));
    };
    const QString refused = QStringLiteral("The report could not be printed on VekTestPdf: ");

    ASSERT_TRUE(server.admin(QStringLiteral("cupsreject")));
    EXPECT_EQ(print(),
              (QStringList{refused + QStringLiteral("the printer does not accept jobs"), QString()}));
    EXPECT_TRUE(server.idle());
    ASSERT_TRUE(server.admin(QStringLiteral("cupsaccept")));

    // A paused queue takes the job and holds it; the job's temporary PDF is gone.
    ASSERT_TRUE(server.admin(QStringLiteral("cupsdisable")));
    EXPECT_EQ(print(), (QStringList{QString(), QStringLiteral("VekTestPdf is paused: the report waits in its "
                                                              "queue until the printer is resumed.")}));
    EXPECT_FALSE(server.idle());
    EXPECT_EQ(QDir(childTemp.path()).entryList({QStringLiteral("*.pdf")}, QDir::Files), QStringList{});

    server.stop();
    const QString down = print().front();
    EXPECT_TRUE(down.startsWith(
        refused + QStringLiteral("the print server %1 cannot be reached").arg(server.address())))
        << down.toStdString();
}

// A printer found on the network that the server has no queue for: the server makes the queue on the
// first print, and the printer gets the job.
TEST_F(RealPrinter, APrinterFoundOnTheNetworkGetsAQueueAndPrints) {
    TestCupsServer server;
    const QString started = server.start();
    ASSERT_TRUE(started.isEmpty()) << started.toStdString();
    TestIppPrinter ipp;
    const QString ippStarted = ipp.start();
    ASSERT_TRUE(ippStarted.isEmpty()) << ippStarted.toStdString();
    cupsSetServer(server.address().toUtf8().constData());
    const auto restore = qScopeGuard([] { cupsSetServer(nullptr); });

    const QString found = QStringLiteral("VekTestIpp");
    QtReportPrinter printer(found, QString(), PageOrientation::Portrait, QString(), CupsConnection::AnswerMs,
                            ipp.uri());
    printer.printLine(QStringLiteral("Points Ledger"));
    printer.endDocument();
    ASSERT_TRUE(printer.failure().isEmpty()) << printer.failure().toStdString() << "\n"
                                             << server.errorLog().toStdString();

    const QDir jobs(ipp.jobFolder(), QStringLiteral("*.pdf"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !jobs.isEmpty() && server.idle(found); }, PrintJobMs))
        << server.errorLog().toStdString();
    const QStringList received = jobs.entryList();
    ASSERT_EQ(received.size(), 1) << received.join(QLatin1Char(' ')).toStdString();
    EXPECT_TRUE(test::pdfText(jobs.filePath(received.front())).contains(QStringLiteral("Points Ledger")));
}

} // namespace
} // namespace vek
