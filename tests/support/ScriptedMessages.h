#pragma once

#include <deque>
#include <vector>

#include "Messages.h"

namespace kestrel::test {

// Records every message box and answers questions from a queue (No when it runs out).
class ScriptedMessages final : public ui::Messages {
public:
    struct Shown {
        char kind;  // 'i' inform, 'c' confirm, 'w' warn
        QString title;
        QString text;
    };

    void inform(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({'i', title, text});
    }
    bool confirm(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({'c', title, text});
        if (answers.empty()) {
            return false;
        }
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void warn(QWidget*, const QString& title, const QString& text) override {
        shown.push_back({'w', title, text});
    }

    std::vector<Shown> shown;
    std::deque<bool> answers;
};

}  // namespace kestrel::test
