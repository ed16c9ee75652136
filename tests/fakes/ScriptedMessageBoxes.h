#pragma once

#include "widgets/MessageBoxService.h"

#include <ostream>
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
        friend bool operator==(const Box&, const Box&) = default;
        friend std::ostream& operator<<(std::ostream& out, const Box& box)
        {
            return out << box.title << "|" << box.prompt << "|buttons " << static_cast<int>(box.buttons) << "|icon " << static_cast<int>(box.icon);
        }
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

// For EXPECT_PRED2, which shows both texts when the check fails.
inline bool Contains(const std::string& text, const std::string& wanted)
{
    return text.find(wanted) != std::string::npos;
}

}
