#include "output/cupsqueue.h"

#include <QFile>
#include <QSizeF>

#include <cups/cups.h>

#include <array>

namespace vek {
namespace {

QString lastError() {
    const QString text = QString::fromUtf8(cupsLastErrorString());
    return text.isEmpty() ? QStringLiteral("the print server gave no reason") : text;
}

/// A request about `queue`, made by the program's user.
ipp_t* newRequest(ipp_op_t operation, const QByteArray& queue) {
    ipp_t* request = ippNewRequest(operation);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue.constData());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
    return request;
}

QPageSize paperOf(ipp_t* printer) {
    const char* name = ippGetString(ippFindAttribute(printer, "media-default", IPP_TAG_ZERO), 0, nullptr);
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
}

CupsQueue::State CupsQueue::state() {
    State state;
    ipp_t* printer = nullptr;
    ipp_status_t status = IPP_STATUS_OK;
    QString reason;
    // One request on this connection: libcups' own lookup of a queue, when its request fails, asks
    // again on the default connection, and there a server that does not answer costs minutes.
    m_server.talk([&](http_t* http) {
        ipp_t* request = newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES, m_queue);
        static constexpr std::array Wanted{"printer-is-accepting-jobs", "printer-state", "media-default"};
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                      static_cast<int>(Wanted.size()), nullptr, Wanted.data());
        printer = cupsDoRequest(http, request, "/");
        status = cupsLastError();
        reason = lastError();
    });
    if (!m_server.failure().isEmpty()) {
        state.refusal = m_server.failure();
    } else if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        state.refusal = QStringLiteral("the print server does not know this printer");
    } else if (printer == nullptr || status > IPP_STATUS_OK_CONFLICTING) {
        state.refusal = reason;
    } else {
        ipp_attribute_t* accepting = ippFindAttribute(printer, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
        if (accepting != nullptr && ippGetBoolean(accepting, 0) == 0) {
            state.refusal = QStringLiteral("the printer does not accept jobs");
        }
        state.paused =
            ippGetInteger(ippFindAttribute(printer, "printer-state", IPP_TAG_ENUM), 0) == IPP_PSTATE_STOPPED;
        state.paper = paperOf(printer);
    }
    ippDelete(printer);
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
    QString reason;
    m_server.talk([&](http_t* http) {
        ipp_t* request = newRequest(IPP_OP_CREATE_JOB, m_queue);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "job-name", nullptr, name.constData());
        // The pages are laid out in the orientation already; the queue is told it so that it does not
        // turn them back.
        ippAddInteger(request, IPP_TAG_JOB, IPP_TAG_ENUM, "orientation-requested",
                      orientation == PageOrientation::Landscape ? IPP_ORIENT_LANDSCAPE : IPP_ORIENT_PORTRAIT);
        ipp_t* created = cupsDoRequest(http, request, "/");
        job = ippGetInteger(ippFindAttribute(created, "job-id", IPP_TAG_INTEGER), 0);
        ippDelete(created);
        if (job <= 0) {
            reason = lastError();
            return;
        }
        if (cupsStartDocument(http, m_queue.constData(), job, name.constData(), CUPS_FORMAT_PDF, 1) !=
                HTTP_STATUS_CONTINUE ||
            cupsWriteRequestData(http, pdf.constData(), static_cast<size_t>(pdf.size())) !=
                HTTP_STATUS_CONTINUE ||
            cupsFinishDocument(http, m_queue.constData()) != IPP_STATUS_OK) {
            reason = lastError();
        }
    });
    if (!m_server.failure().isEmpty()) {
        return m_server.failure();
    }
    if (!reason.isEmpty() && job > 0) {
        // A job without its document would wait at the server until it gives up on it.
        m_server.talk([&](http_t* http) { cupsCancelJob2(http, m_queue.constData(), job, 0); });
    }
    return reason;
}

} // namespace vek
