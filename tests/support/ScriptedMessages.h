#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "Messages.h"

namespace kestrel::test {

// Records every message box and closes it at once, answering questions from a queue (No when
// it runs out). With `keepOpen` an information or warning box stays open, as a real one does
// while the player reads it, until closeOpenBoxes().
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
        close(std::move(closed));
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
        close(std::move(closed));
    }

    void closeOpenBoxes() {
        std::vector<std::function<void()>> closing;
        closing.swap(openBoxes);
        for (auto& closed : closing) {
            if (closed) {
                closed();
            }
        }
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
    bool keepOpen = false;
    std::vector<std::function<void()>> openBoxes;  // kept open: what each does when closed

private:
    void close(std::function<void()> closed) {
        if (keepOpen) {
            openBoxes.push_back(std::move(closed));
        } else if (closed) {
            closed();
        }
    }
};

}  // namespace kestrel::test
