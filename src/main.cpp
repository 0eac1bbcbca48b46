#include "app/main.h"
#include "widgets/messages.h"
#include "session/poolsession.h"
#include "widgets/windowhost.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // The program ends through Exit or the main window's close box only; the splash window closing
    // before the main window is shown must not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    vek::PoolSession session(vek::DataFolder(QCoreApplication::applicationDirPath()));
    vek::QtMessages messages;
    vek::QtModalRunner modal;
    vek::WindowHost host(session, messages, modal);
    vek::Main mainWindow(session, host);
    QObject::connect(&mainWindow, &vek::Main::exitRequested, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);

    mainWindow.startUp();
    return QApplication::exec();
}
