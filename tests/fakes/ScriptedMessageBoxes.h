#pragma once

#include "ui/MessageBoxService.h"

#include <deque>
#include <string>
#include <vector>

namespace pairfall::testing {

// Message boxes that never block: each is recorded and answered from a script.
class ScriptedMessageBoxes final : public MessageBoxService {
public:
    struct Box {
        std::string prompt;
        Buttons buttons;
        std::string title;
        Icon icon;
    };

    Answer Ask(QWidget*, const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override
    {
        boxes.push_back({ prompt, buttons, title, icon });
        if (buttons == Buttons::OK)
            return Answer::OK;
        if (answers.empty())
            return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<Box> boxes;
    std::deque<Answer> answers;
};

}
