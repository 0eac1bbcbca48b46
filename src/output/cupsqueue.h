#pragma once

#include "reports/reportchoice.h"

#include <QByteArray>
#include <QString>

typedef struct _http_s http_t;

namespace vek {

/// A named CUPS print queue, reached through libcups on the server the client configuration (or
/// CUPS_SERVER) names: whether it takes jobs now, and the submission of a finished PDF as one job. The
/// Qt printer prints on named printers through it, because Qt's own CUPS output ends without an error
/// when the server refuses the job. One connection to the server serves both.
class CupsQueue {
public:
    /// What the queue would do with a job.
    struct State {
        QString refusal;     // why it takes no job now, for the user; "" when it takes jobs
        bool paused = false; // it takes jobs but holds them until it is resumed
    };

    /// `name` as the platform lists it: the queue, or "queue/instance".
    explicit CupsQueue(const QString& name);
    ~CupsQueue();
    CupsQueue(const CupsQueue&) = delete;
    CupsQueue& operator=(const CupsQueue&) = delete;

    [[nodiscard]] State state() const;

    /// Sends the PDF, laid out in `orientation`, as one job named `title`; "" when the queue took it,
    /// otherwise the server's reason.
    [[nodiscard]] QString submit(const QString& pdfPath, const QString& title,
                                 PageOrientation orientation) const;

private:
    QByteArray m_queue;
    QByteArray m_instance;
    http_t* m_http = nullptr;
    QString m_unreachable; // why the server could not be reached
};

} // namespace vek
