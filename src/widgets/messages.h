#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace vek {

/// The one way every window shows a message box. The application uses `QtMessages`; tests replace it,
/// record what was shown and answer, so that no test blocks.
class Messages {
public:
    enum class Icon { None, Information, Warning, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Request {
        QWidget* parent = nullptr;
        QString title;
        QString text;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        /// The button that Enter presses; for Yes/No questions that change data, No.
        Answer defaultAnswer = Answer::Ok;
    };

    virtual ~Messages() = default;
    virtual Answer show(const Request& request) = 0;

    /// An information message with a single OK button.
    void information(QWidget* parent, const QString& title, const QString& text);
    /// A message with a single OK button and no icon.
    void plain(QWidget* parent, const QString& title, const QString& text);
    /// A Yes/No question with the question icon and No as the default answer; true on Yes.
    [[nodiscard]] bool askYesNo(QWidget* parent, const QString& title, const QString& text);
};

/// Message boxes on screen. A text taller than the screen allows scrolls within its box.
class QtMessages final : public Messages {
public:
    Answer show(const Request& request) override;
};

/// The one way every window is shown modally. The application runs the dialog's own event loop; tests
/// replace it so that no test blocks.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int run(QDialog& dialog) = 0;
};

class QtModalRunner final : public ModalRunner {
public:
    int run(QDialog& dialog) override;
};

} // namespace vek
