#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "Messages.h"

namespace kestrel::test {

// Records every message box and closes it at once, answering questions from a queue (No when
// it runs out).
class ScriptedMessages final : public ui::Messages {
public:
    struct Shown {
        char kind;  // 'i' inform, 'c' confirm, 'w' warn
        QString title;
        QString text;
    };

    void inform(QWidget*, const QString& title, const QString& text,
                std::function<void()> closed) override {
        shown.push_back({'i', title, text});
        if (closed) {
            closed();
        }
    }
    void confirm(QWidget*, const QString& title, const QString& text,
                 std::function<void(bool)> answered) override {
        shown.push_back({'c', title, text});
        bool yes = false;
        if (!answers.empty()) {
            yes = answers.front();
            answers.pop_front();
        }
        answered(yes);
    }
    void warn(QWidget*, const QString& title, const QString& text,
              std::function<void()> closed) override {
        shown.push_back({'w', title, text});
        if (closed) {
            closed();
        }
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
};

}  // namespace kestrel::test
