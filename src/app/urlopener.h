#pragma once

class QUrl;

namespace vek {

/// Hands a document to the desktop to show (the user guide page in the system's web browser). The
/// program's own opener asks the desktop; tests record instead, so that no browser starts.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    /// False when no program to show it could be started.
    virtual bool open(const QUrl& url) = 0;
};

/// Opens documents with the desktop's handler for them.
class DesktopUrlOpener final : public UrlOpener {
public:
    bool open(const QUrl& url) override;
};

} // namespace vek
