#pragma once

#include "widgets/messages.h"

#include <deque>
#include <functional>
#include <vector>

namespace vek::test {

/// Message boxes for tests: records every request, lets the test look around through `onShow` while the
/// message is "on screen", and answers from a queue, or OK when it is empty.
class RecordingMessages final : public Messages {
public:
    Answer show(const Request& request) override {
        requests.push_back(request);
        if (onShow) {
            onShow(request);
        }
        if (answers.empty()) {
            return Answer::Ok;
        }
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Request> requests;
    std::deque<Answer> answers;
    std::function<void(const Request&)> onShow;
};

} // namespace vek::test
