#pragma once

#include "widgets/poolwindow.h"

class QLineEdit;
class QPushButton;

namespace vek {

/// The mail settings window: the SMTP server, port and sender address used to e-mail reports. Its load
/// reads defaultserver.dat into the session's mail settings and the boxes; OK checks the boxes, writes
/// the file and the session's settings and unloads. There is no Cancel: the close box leaves everything
/// as the load made it.
class frmSettings final : public PoolWindow {
    Q_OBJECT
public:
    static inline const QString DesignerPort = QStringLiteral("25");
    static inline const QString ErrorOpening = QStringLiteral("Error opening defaultserver.dat");
    static inline const QString InvalidPort =
        QStringLiteral("Please enter a valid port: a whole number from 0 to 65535. 0 or an empty box leaves "
                       "the port not set.");
    static inline const QString InvalidText = QStringLiteral(
        "The server name and the e-mail address cannot contain a double quote or a line break.");

    explicit frmSettings(PoolSession& session, WindowHost& host, QWidget* parent = nullptr);

protected:
    void loadWindow() override;

private:
    void cmdOkClicked();

    QLineEdit* txtServer = nullptr;
    QPushButton* cmdOk = nullptr;
    QLineEdit* txtPort = nullptr;
    QLineEdit* txtAddress = nullptr;
};

} // namespace vek
