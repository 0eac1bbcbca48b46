#include "output/cupsqueue.h"

#include <QFile>

#include <cups/cups.h>

namespace vek {
namespace {

constexpr int StoppedState = 5; // IPP printer-state "stopped"
constexpr int ConnectMs = 30000;

QString lastError() {
    const QString text = QString::fromUtf8(cupsLastErrorString());
    return text.isEmpty() ? QStringLiteral("the print server gave no reason") : text;
}

} // namespace

CupsQueue::CupsQueue(const QString& name) {
    const qsizetype slash = name.indexOf(QLatin1Char('/'));
    m_queue = name.left(slash < 0 ? name.size() : slash).toUtf8();
    if (slash >= 0) {
        m_instance = name.mid(slash + 1).toUtf8();
    }
    // Connected here rather than through libcups' default connection, which cannot tell a server that
    // is down from a printer that does not exist.
    const char* server = cupsServer();
    m_http = httpConnect2(server, ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, ConnectMs, nullptr);
    if (m_http == nullptr) {
        const QString where = server[0] == '/'
                                  ? QString::fromUtf8(server)
                                  : QStringLiteral("%1:%2").arg(QString::fromUtf8(server)).arg(ippPort());
        m_unreachable = QStringLiteral("the print server %1 cannot be reached (%2)").arg(where, lastError());
    }
}

CupsQueue::~CupsQueue() {
    if (m_http != nullptr) {
        httpClose(m_http);
    }
}

CupsQueue::State CupsQueue::state() const {
    State state;
    if (m_http == nullptr) {
        state.refusal = m_unreachable;
        return state;
    }
    cups_dest_t* dest = cupsGetNamedDest(m_http, m_queue.constData(),
                                         m_instance.isEmpty() ? nullptr : m_instance.constData());
    if (dest == nullptr) {
        state.refusal = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND
                            ? QStringLiteral("the print server does not know this printer")
                            : lastError();
        return state;
    }
    const auto option = [dest](const char* name) {
        return QByteArray(cupsGetOption(name, dest->num_options, dest->options));
    };
    if (option("printer-is-accepting-jobs") == "false") {
        state.refusal = QStringLiteral("the printer does not accept jobs");
    }
    state.paused = option("printer-state").toInt() == StoppedState;
    cupsFreeDests(1, dest);
    return state;
}

QString CupsQueue::submit(const QString& pdfPath, const QString& title, PageOrientation orientation) const {
    if (m_http == nullptr) {
        return m_unreachable;
    }
    // The pages are laid out in the orientation already; the queue is told it so that it does not
    // turn them back.
    cups_option_t* options = nullptr;
    int count = cupsAddOption("document-format", CUPS_FORMAT_PDF, 0, &options);
    count = cupsAddOption("orientation-requested", orientation == PageOrientation::Landscape ? "4" : "3",
                          count, &options);
    const int job = cupsPrintFile2(m_http, m_queue.constData(), QFile::encodeName(pdfPath).constData(),
                                   title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    return job > 0 ? QString() : lastError();
}

} // namespace vek
