#include "app/frmsettings.h"

#include "model/appinfo.h"
#include "model/mailsettingsfile.h"
#include "session/poolsession.h"
#include "widgets/messages.h"
#include "widgets/windowhost.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vek {

namespace {

QLineEdit* makeBox(QWidget* parent, const char* name) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QLabel* makeLabel(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

frmSettings::frmSettings(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("frmSettings"));
    setWindowTitle(QStringLiteral("SMTP Servers"));

    txtServer = makeBox(this, "txtServer");
    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    connect(cmdOk, &QPushButton::clicked, this, &frmSettings::cmdOkClicked);
    txtPort = makeBox(this, "txtPort");
    txtPort->setMaximumWidth(80);
    txtAddress = makeBox(this, "txtAddress");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->addWidget(makeLabel(this, QStringLiteral("Enter Default Server Name"), txtServer), 0, 0, 1, 2);
    grid->addWidget(txtServer, 1, 0);
    grid->addWidget(makeLabel(this, QStringLiteral("Port:"), txtPort), 1, 1, Qt::AlignRight);
    grid->addWidget(txtPort, 1, 2);
    grid->addWidget(makeLabel(this, QStringLiteral("Enter your email address"), txtAddress), 2, 0, 1, 2);
    grid->addWidget(txtAddress, 3, 0);
    grid->addWidget(cmdOk, 3, 2);
    grid->setColumnStretch(0, 1);
    setTabOrder(txtServer, cmdOk);
    setTabOrder(cmdOk, txtPort);
    setTabOrder(txtPort, txtAddress);
    resize(420, 130);
}

void frmSettings::loadWindow() {
    txtServer->clear();
    txtPort->setText(DesignerPort);
    txtAddress->clear();

    // Each value read goes to the session and its box, so the last complete group wins and a damaged
    // file still shows what could be read before the damage.
    const MailFileContent content = readMailSettingsGroups(m_session.folder());
    MailSettings& mail = m_session.mail;
    if (content.server) {
        mail.smtpServer = *content.server;
        txtServer->setText(mail.smtpServer);
    }
    if (content.port) {
        mail.smtpPort = *content.port;
        txtPort->setText(QString::number(mail.smtpPort));
    }
    if (content.address) {
        mail.senderEmail = *content.address;
        txtAddress->setText(mail.senderEmail);
    }
    if (content.status == MailFileStatus::Damaged) {
        // A file that could not be read at all is for the user to mend outside the program: say why.
        // One that is only damaged keeps its message as it always was, without an icon.
        if (content.unreadable.isEmpty()) {
            m_host.messages().plain(this, appinfo::Title, ErrorOpening);
        } else {
            m_host.messages().show({this, appinfo::Title,
                                    QStringLiteral("%1 (%2)").arg(ErrorOpening, content.unreadable),
                                    Messages::Icon::Warning, Messages::Buttons::Ok});
        }
    }
}

void frmSettings::cmdOkClicked() {
    const MailInput input = checkMailSettingsInput(txtServer->text(), txtPort->text(), txtAddress->text());
    const auto refuse = [this](const QString& text) {
        m_host.messages().show({this, appinfo::Title, text, Messages::Icon::Warning, Messages::Buttons::Ok});
    };
    switch (input.problem) {
    case MailInputProblem::Port:
        refuse(InvalidPort);
        txtPort->setFocus();
        return;
    case MailInputProblem::Text:
        refuse(InvalidText);
        return;
    case MailInputProblem::None:
        break;
    }
    const WriteResult written = writeMailSettings(m_session.folder(), input.settings);
    if (!written) {
        refuse(written.failureText());
        return;
    }
    m_session.mail = input.settings;
    accept();
}

} // namespace vek
