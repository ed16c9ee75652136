#pragma once

#include "widgets/MessageBoxService.h"

#include <string>
#include <vector>

namespace pairfall::testing {

// Message boxes that never block: each prompt is recorded; a question is answered No.
struct ScriptedMessageBoxes final : MessageBoxService {
    Answer Ask(QWidget*, const std::string& prompt, Buttons buttons, const std::string&, Icon) override
    {
        prompts.push_back(prompt);
        if (buttons == Buttons::OK)
            return Answer::OK;
        return Answer::No;
    }

    std::vector<std::string> prompts;
};

// For EXPECT_PRED2, which shows both texts when the check fails.
inline bool Contains(const std::string& text, const std::string& wanted)
{
    return text.find(wanted) != std::string::npos;
}

}
