#pragma once

#include "widgets/MessageBoxService.h"

#include <string>
#include <vector>

namespace pairfall::testing {

// Message boxes that never block: each is recorded; a question is answered No.
struct ScriptedMessageBoxes final : MessageBoxService {
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
        return Answer::No;
    }
    std::vector<Box> boxes;
};

}
