#include "output/cupsqueue.h"

#include <QFile>
#include <QSizeF>
#include <QStringList>

#include <cups/cups.h>

#include <array>
#include <memory>

namespace vek {
namespace {

// How often the server is asked whether a printer it sets up is ready.
constexpr int SetUpPollMs = 250;

QString lastError() {
    const QString text = QString::fromUtf8(cupsLastErrorString());
    return text.isEmpty() ? QStringLiteral("the print server gave no reason") : text;
}

struct IppDelete {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

/// What the server answered to one request.
struct Answer {
    std::unique_ptr<ipp_t, IppDelete> attributes; // null when nothing came
    ipp_status_t status = IPP_STATUS_OK;
    QString reason; // the server's, when the request failed

    [[nodiscard]] bool ok() const { return attributes != nullptr && status <= IPP_STATUS_OK_CONFLICTING; }
    [[nodiscard]] ipp_attribute_t* find(const char* name, ipp_tag_t type) const {
        return ippFindAttribute(attributes.get(), name, type);
    }
    [[nodiscard]] bool stopped() const {
        return ippGetInteger(find("printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED;
    }
    /// Whether the server reports an error of the printer (a state reason such as "other-error").
    [[nodiscard]] bool printerFailed() const {
        ipp_attribute_t* reasons = find("printer-state-reasons", IPP_TAG_ZERO);
        for (int i = 0; i < ippGetCount(reasons); ++i) {
            if (QByteArray(ippGetString(reasons, i, nullptr)).endsWith("-error")) {
                return true;
            }
        }
        return false;
    }
    /// What the server says of the state of the printer or the job (`of`): its state message, else its
    /// state reasons; "" when it says nothing.
    [[nodiscard]] QString stateSaid(const QByteArray& of) const {
        const char* message = ippGetString(find(of + "-state-message", IPP_TAG_ZERO), 0, nullptr);
        if (message != nullptr && message[0] != '\0') {
            return QString::fromUtf8(message);
        }
        QStringList said;
        ipp_attribute_t* reasons = find(of + "-state-reasons", IPP_TAG_ZERO);
        for (int i = 0; i < ippGetCount(reasons); ++i) {
            if (const QString reason = QString::fromUtf8(ippGetString(reasons, i, nullptr));
                reason != QLatin1String("none")) {
                said << reason;
            }
        }
        return said.join(QStringLiteral(", "));
    }
};

Answer answered(ipp_t* response) {
    Answer answer;
    answer.attributes.reset(response);
    answer.status = cupsLastError();
    if (!answer.ok()) {
        // Without a message of the server's, libcups gives the status by its name; what the server
        // says of the job tells the user more.
        const QString job =
            answer.find("status-message", IPP_TAG_ZERO) == nullptr ? answer.stateSaid("job") : QString();
        answer.reason = job.isEmpty() ? lastError() : job;
    }
    return answer;
}

Answer ask(http_t* http, ipp_t* request, const char* resource) {
    return answered(cupsDoRequest(http, request, resource));
}

ipp_t* newRequest(ipp_op_t operation, const char* printerUri) {
    ipp_t* request = ippNewRequest(operation);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

Answer askPrinter(http_t* http, const QByteArray& printerUri, const QByteArray& resource) {
    ipp_t* request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, printerUri.constData());
    static constexpr std::array Wanted{"printer-is-accepting-jobs", "printer-state", "printer-state-message",
                                       "printer-state-reasons", "media-default"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  static_cast<int>(Wanted.size()), nullptr, Wanted.data());
    return ask(http, request, resource.constData());
}

/// Has the server make a queue named `queue` for the printer at `deviceUri`, as it does for a printer
/// found on the network when it is first used.
Answer makeQueue(http_t* http, const QByteArray& queue, const QByteArray& deviceUri) {
    ipp_t* request = newRequest(IPP_OP_CUPS_CREATE_LOCAL_PRINTER, "ipp://localhost/");
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_NAME, "printer-name", nullptr, queue.constData());
    ippAddString(request, IPP_TAG_PRINTER, IPP_TAG_URI, "device-uri", nullptr, deviceUri.constData());
    return ask(http, request, "/");
}

QPageSize paperOf(const Answer& printer) {
    const char* name = ippGetString(printer.find("media-default", IPP_TAG_ZERO), 0, nullptr);
    const pwg_media_t* media = name != nullptr ? pwgMediaForPWG(name) : nullptr;
    // PWG sizes are in hundredths of a millimetre.
    return media != nullptr
               ? QPageSize(QSizeF(media->width / 100.0, media->length / 100.0), QPageSize::Millimeter)
               : QPageSize();
}

} // namespace

CupsQueue::CupsQueue(const QString& name, int answerMs, const QString& deviceUri)
    : m_deviceUri(deviceUri.toUtf8()), m_server(answerMs) {
    // An instance only carries options of the user's own; the server knows the queue.
    m_queue = name.section(QLatin1Char('/'), 0, 0).toUtf8();
    // Every request about the queue goes to the queue's own resource, as libcups' own submission does,
    // so that the server's access rules for the queue apply to all of the job.
    m_resource = "/printers/" + m_queue;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", m_queue.constData());
    m_printerUri = uri;
}

CupsQueue::State CupsQueue::state() {
    State state;
    Answer printer;
    bool made = false;
    // Every request on this connection: libcups' own lookup of a queue, when its request fails, asks
    // again on the default connection, and there a server that does not answer costs minutes.
    m_server.talk([&](http_t* http) {
        printer = askPrinter(http, m_printerUri, m_resource);
        if (printer.status != IPP_STATUS_ERROR_NOT_FOUND || m_deviceUri.isEmpty()) {
            return;
        }
        printer = makeQueue(http, m_queue, m_deviceUri);
        made = printer.ok();
        const char* uri = ippGetString(printer.find("printer-uri-supported", IPP_TAG_URI), 0, nullptr);
        if (made && uri != nullptr) {
            // The server may have named the queue otherwise than asked.
            m_printerUri = uri;
            std::array<char, HTTP_MAX_URI> scheme{}, user{}, host{}, resource{};
            int port = 0;
            if (httpSeparateURI(HTTP_URI_CODING_ALL, uri, scheme.data(), scheme.size(), user.data(),
                                user.size(), host.data(), host.size(), &port, resource.data(),
                                resource.size()) >= HTTP_URI_STATUS_OK) {
                m_resource = resource.data();
                if (m_resource.startsWith("/printers/")) {
                    m_queue = m_resource.mid(10);
                }
            }
        }
        // The server sets the new printer up in the background (it asks the printer what it can do)
        // and keeps it stopped until then. It may report an error of the printer instead (one it
        // cannot reach), which no waiting mends.
        for (bool settingUp = made; settingUp;) {
            printer = askPrinter(http, m_printerUri, m_resource);
            settingUp =
                printer.ok() && printer.stopped() && !printer.printerFailed() && m_server.pause(SetUpPollMs);
        }
    });
    if (!m_server.failure().isEmpty()) {
        state.refusal = m_server.failure();
    } else if (printer.status == IPP_STATUS_ERROR_NOT_FOUND) {
        state.refusal = QStringLiteral("the print server does not know this printer");
    } else if (!printer.ok()) {
        state.refusal = printer.reason;
    } else if (made && printer.stopped() && printer.printerFailed()) {
        // Only a printer kept stopped is one the server could not set up: an idle one prints, whatever
        // it reports (an empty tray, say).
        state.refusal = QStringLiteral("the print server could not set up this printer: %1")
                            .arg(printer.stateSaid("printer"));
    } else if (made && printer.stopped()) {
        state.refusal = QStringLiteral("the print server has not finished setting up this printer; it may be "
                                       "switched off or no longer on the network");
    } else {
        ipp_attribute_t* accepting = printer.find("printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        if (accepting != nullptr && ippGetBoolean(accepting, 0) == 0) {
            state.refusal = QStringLiteral("the printer does not accept jobs");
        }
        state.paused = printer.stopped();
        state.paper = paperOf(printer);
    }
    return state;
}

QString CupsQueue::submit(const QString& pdfPath, const QString& title, PageOrientation orientation) {
    QFile file(pdfPath);
    const QByteArray pdf = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        return QStringLiteral("the job's file cannot be read: %1").arg(file.errorString());
    }
    const QByteArray name = title.toUtf8();
    // Create-Job, Send-Document and their answers on this one connection: libcups' own submission
    // looks the queue up again and, when that fails, asks once more on its default connection.
    int job = 0;
    bool taken = false;
    QString reason;
    m_server.talk([&](http_t* http) {
        ipp_t* request = newRequest(IPP_OP_CREATE_JOB, m_printerUri.constData());
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, name.constData());
        // The pages are laid out in the orientation already; the queue is told it so that it does not
        // turn them back.
        ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_ENUM, "orientation-requested",
                      orientation == PageOrientation::Landscape ? IPP_ORIENT_LANDSCAPE : IPP_ORIENT_PORTRAIT);
        const Answer created = ask(http, request, m_resource.constData());
        job = ippGetInteger(created.find("job-id", IPP_TAG_INTEGER), 0);
        if (job <= 0) {
            reason = created.ok() ? lastError() : created.reason;
            return;
        }
        if (cupsStartDocument(http, m_queue.constData(), job, name.constData(), CUPS_FORMAT_PDF, 1) !=
                HTTP_STATUS_CONTINUE ||
            cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) !=
                HTTP_STATUS_CONTINUE) {
            reason = lastError();
            return;
        }
        // The answer itself, not only its status (as cupsFinishDocument gives): it may say what became
        // of the job.
        const Answer sent = answered(cupsGetResponse(http, m_resource.constData()));
        if (!sent.ok()) {
            reason = sent.reason;
            return;
        }
        taken = true;
    });
    // When the span ends during the answer to the document, libcups keeps the status it had before.
    taken = taken && m_server.failure().isEmpty();
    if (job > 0 && !taken) {
        // A job without its document would wait at the server until it gives up on it. The cancel has
        // a short span of its own, since a server that fell silent used up the job's.
        CupsConnection allowance(CancelAllowanceMs);
        allowance.talk([&](http_t* http) { cupsCancelJob2(http, m_queue.constData(), job, 0); });
    }
    return m_server.failure().isEmpty() ? reason : m_server.failure();
}

} // namespace vek
