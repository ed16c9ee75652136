#pragma once

#include "widgets/MessageBoxService.h"

#include <string>
#include <vector>

namespace pairfall::testing {

// Message boxes that never block: each is recorded as "title|prompt|OK" or
// "title|prompt|YesNo", with "|information" or "|critical" for its icon; a
// question is answered No.
struct ScriptedMessageBoxes final : MessageBoxService {
    Answer Ask(QWidget*, const QString& prompt, Buttons buttons, const QString& title, Icon icon) override
    {
        const std::string text = title.toStdString() + "|" + prompt.toStdString();
        std::string box = text + "|OK";
        if (buttons == Buttons::YesNo)
            box = text + "|YesNo";
        if (icon == Icon::Information)
            box += "|information";
        if (icon == Icon::Critical)
            box += "|critical";
        boxes.push_back(box);
        if (buttons == Buttons::OK)
            return Answer::OK;
        return Answer::No;
    }

    std::vector<std::string> boxes;
};

// For EXPECT_PRED2, which shows both texts when the check fails.
inline bool Contains(const std::string& text, const std::string& wanted)
{
    return text.find(wanted) != std::string::npos;
}

}
