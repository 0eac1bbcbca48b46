#include "app/messages.h"
#include "app/model/poolsession.h"
#include "app/windowhost.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vek::PoolSession session(vek::DataFolder(QCoreApplication::applicationDirPath()));
    vek::QtMessages messages;
    vek::QtModalRunner modal;
    vek::WindowHost host(session, messages, modal);
    return 0;
}
