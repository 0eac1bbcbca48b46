#pragma once

#include "widgets/messages.h"

#include <QDialog>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

namespace vek::test {

/// Modal shows for tests: records each dialog as it is shown, lets the test look at it (or work it)
/// through `onShow` while it is "on screen", then closes it with a chosen result, so a window that
/// unloads on close does so as after a real close. Nothing blocks.
class RecordingModalRunner final : public ModalRunner {
public:
    struct Shown {
        QString className;  // with its namespace, e.g. "vek::ResultsPredict"
        QString objectName; // the window's name, e.g. "ResultsPredict"
        QString windowTitle;
    };

    int run(QDialog& dialog) override {
        shown.push_back({QString::fromLatin1(dialog.metaObject()->className()), dialog.objectName(),
                         dialog.windowTitle()});
        if (onShow) {
            onShow(dialog);
        }
        int result = defaultResult;
        if (!results.empty()) {
            result = results.front();
            results.pop_front();
        }
        dialog.done(result);
        return result;
    }

    std::vector<Shown> shown;
    std::function<void(QDialog&)> onShow;
    std::deque<int> results;               // the results of the next shows, in order
    int defaultResult = QDialog::Accepted; // when the queue is empty
};

} // namespace vek::test
