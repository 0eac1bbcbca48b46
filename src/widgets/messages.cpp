#include "widgets/messages.h"

#include <QDialog>
#include <QMessageBox>

namespace vek {

void Messages::information(QWidget* parent, const QString& title, const QString& text) {
    show({parent, title, text, Icon::Information, Buttons::Ok});
}

void Messages::plain(QWidget* parent, const QString& title, const QString& text) {
    show({parent, title, text, Icon::None, Buttons::Ok});
}

bool Messages::askYesNo(QWidget* parent, const QString& title, const QString& text) {
    return show({parent, title, text, Icon::Question, Buttons::YesNo, Answer::No}) == Answer::Yes;
}

Messages::Answer QtMessages::show(const Request& request) {
    QMessageBox box(request.parent);
    box.setWindowTitle(request.title);
    box.setText(request.text);
    switch (request.icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (request.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    switch (request.defaultAnswer) {
    case Answer::Ok:
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case Answer::Cancel:
        box.setDefaultButton(QMessageBox::Cancel);
        break;
    case Answer::Yes:
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case Answer::No:
        box.setDefaultButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return Answer::Cancel;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Ok;
    }
}

int QtModalRunner::run(QDialog& dialog) {
    return dialog.exec();
}

} // namespace vek
