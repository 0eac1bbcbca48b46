#pragma once

#include "output/cupsconnection.h"
#include "reports/reportchoice.h"

#include <QByteArray>
#include <QPageSize>
#include <QString>

namespace vek {

/// A named CUPS print queue: whether it takes jobs now, and the submission of a finished PDF as one
/// job. The Qt printer prints on named printers through it, because Qt's own CUPS output ends without
/// an error when the server refuses the job. Everything it asks goes over one conversation with the
/// server, so that a server that stops answering costs the user the conversation's span and no more.
class CupsQueue {
public:
    /// What the queue would do with a job.
    struct State {
        QString refusal;     // why it takes no job now, for the user; "" when it takes jobs
        bool paused = false; // it takes jobs but holds them until it is resumed
        QPageSize paper;     // the queue's default paper; invalid when it names none
    };

    /// `name` as the platform lists it: the queue, or "queue/instance". The server has `answerMs` in all
    /// to answer. `deviceUri`: the address of a printer found on the network that has no queue on the
    /// server yet (empty for a queue); state() has the server make the queue when it does not know it.
    explicit CupsQueue(const QString& name, int answerMs = CupsConnection::AnswerMs,
                       const QString& deviceUri = QString());

    [[nodiscard]] State state();

    /// Sends the PDF, laid out in `orientation`, as one job named `title`; "" when the queue took it,
    /// otherwise the server's reason.
    [[nodiscard]] QString submit(const QString& pdfPath, const QString& title, PageOrientation orientation);

    /// How long the server has to take the cancel of a job whose document it did not get, on a
    /// conversation of its own.
    static constexpr int CancelAllowanceMs = 2000;

private:
    QByteArray m_queue;
    QByteArray m_resource;   // where requests about the queue go
    QByteArray m_printerUri; // the queue as requests name it
    QByteArray m_deviceUri;
    CupsConnection m_server;
};

} // namespace vek
