// A notifier for tests: records every message and answers questions from a
// script (no when the script is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "meet/notifier.h"

namespace kavalto::test {

// The next scripted answer to a question; no when the script is empty.
inline bool NextAnswer(std::deque<bool>& answers) {
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

class RecordingNotifier final : public Notifier {
public:
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::deque<bool> answers;

    void Warn(const std::string& text) override { warnings.push_back(text); }
    bool Ask(const std::string& question) override {
        questions.push_back(question);
        return NextAnswer(answers);
    }
};

}  // namespace kavalto::test
