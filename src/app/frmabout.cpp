#include "app/frmabout.h"

#include "model/appinfo.h"
#include "app/logo.h"
#include "widgets/messages.h"
#include "session/poolsession.h"
#include "widgets/windowhost.h"

#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vek {

namespace {

const QString SysInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QString SysInfoValue = QStringLiteral("PATH");
const QString SysInfoLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString SysInfoLocationValue = QStringLiteral("MSINFO");
const QString SysInfoProgram = QStringLiteral("\\MSINFO32.EXE");
// The buffer a registry text is read into; a longer value cannot be read.
constexpr int KeyValueBuffer = 1024;

QString descriptionText(int seasonYear) {
    const QString product = appinfo::titleAndDescription();
    return product + QStringLiteral(" will help you manage your football pool.") + QStringLiteral("  ") +
           QStringLiteral("The pool members can match their skills in predicting the outcome of the ") +
           QStringLiteral("Vekaran League (VEK) games either on a week-to-week basis OR ") +
           QStringLiteral("by predicting ALL the games BEFORE the season starts.  ") + product +
           QStringLiteral(" ") + QStringLiteral("manages your pool's predictions and standings.  ") +
           QStringLiteral("A MUST for every football fan!   Enjoy! ") +
           QStringLiteral("(Note: This version contains the ") + QString::number(seasonYear) +
           QStringLiteral(" season schedule.)");
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

} // namespace

frmAbout::frmAbout(PoolSession& session, WindowHost& host, QWidget* parent)
    : PoolWindow(session, host, parent) {
    setObjectName(QStringLiteral("frmAbout"));

    picIcon = makeLabel(this, "picIcon");
    picIcon->setPixmap(drawLogo(56));
    Image1 = makeLabel(this, "Image1");
    Image1->setPixmap(drawWordmark(124, 34));
    lblTitle = makeLabel(this, "lblTitle");
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSize(titleFont.pointSize() + 4);
    lblTitle->setFont(titleFont);
    lblVersion = makeLabel(this, "lblVersion");
    lblDescription = makeLabel(this, "lblDescription");
    lblDescription->setWordWrap(true);
    lblDescription->setMinimumWidth(380);
    lblDisclaimer = makeLabel(this, "lblDisclaimer");
    lblDisclaimer->setText(QStringLiteral("Warning: ..."));
    lblDisclaimer->setWordWrap(true);

    cmdOk = new QPushButton(QStringLiteral("OK"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setAutoDefault(false);
    cmdOk->setDefault(true); // Enter presses it; Esc too (keyPressEvent)
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setAutoDefault(false);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 14);
    grid->setHorizontalSpacing(14);
    grid->addWidget(picIcon, 0, 0, 3, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1);
    grid->addWidget(lblVersion, 1, 1);
    grid->addWidget(lblDescription, 2, 1);
    grid->addWidget(line, 3, 0, 1, 3);
    grid->addWidget(Image1, 4, 0, Qt::AlignTop);
    grid->addWidget(lblDisclaimer, 4, 1);
    grid->addLayout(buttons, 4, 2);
}

void frmAbout::loadWindow() {
    setWindowTitle(QStringLiteral("About ") + appinfo::titleAndDescription());
    lblVersion->setText(appinfo::versionText());
    lblTitle->setText(appinfo::titleAndDescription());
    lblDescription->setText(descriptionText(m_session.pool().seasonYear));
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    // OK is the cancel button as well as the default one.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOk->click();
        return;
    }
    PoolWindow::keyPressEvent(event);
}

void frmAbout::StartSysInfo() {
    QString path;
    if (GetKeyValue(HkeyLocalMachine, SysInfoKey, SysInfoValue, path)) {
        // The first location decides: a program it names that cannot be started is not looked for
        // elsewhere.
        if (m_starter->start(path)) {
            return;
        }
    } else if (GetKeyValue(HkeyLocalMachine, SysInfoLocationKey, SysInfoLocationValue, path)) {
        const QString program = path + SysInfoProgram;
        if (m_starter->fileExists(program) && m_starter->start(program)) {
            return;
        }
    }
    m_host.messages().plain(this, appinfo::Title, SysInfoUnavailable);
}

bool frmAbout::GetKeyValue(uint32_t root, const QString& keyName, const QString& valueName, QString& value) {
    value.clear();
    const std::optional<RegistryValue> read = m_registry->read(root, keyName, valueName);
    if (!read || read->data.size() > KeyValueBuffer) {
        return false;
    }
    if (read->type != RegistryValue::Type::Text) {
        return true; // read all the same, but it names no program
    }
    value = read->data;
    if (value.endsWith(QChar(u'\0'))) {
        value.chop(1);
    }
    return true;
}

} // namespace vek
