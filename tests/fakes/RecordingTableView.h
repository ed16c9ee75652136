#pragma once

#include "game/TableView.h"

#include <array>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace pairfall::testing {

// Records what the game shows and answers its questions from a script.
class RecordingTableView final : public TableView {
public:
    struct Box {
        std::string prompt;
        Buttons buttons;
        std::string title;
        Icon icon;
    };

    void SetSlotPicture(Int16 slot, const std::string& path) override
    {
        pictures.at(static_cast<std::size_t>(slot)) = path;
        log.push_back("picture " + std::to_string(slot) + " " + path);
    }
    void SetOutlineVisible(Int16 slot, bool visible) override
    {
        outlines.at(static_cast<std::size_t>(slot)) = visible;
        log.push_back(std::string(visible ? "show " : "hide ") + std::to_string(slot));
    }
    void SetStatusText(const std::string& text) override
    {
        status = text;
        log.push_back("status " + text);
    }
    Answer MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override
    {
        boxes.push_back({ prompt, buttons, title, icon });
        log.push_back("box " + prompt);
        if (buttons == Buttons::OK)
            return Answer::OK;
        if (answers.empty())
            throw std::logic_error("unexpected question: " + prompt);
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int OutlinesShown() const
    {
        int shown = 0;
        for (bool visible : outlines)
            shown += visible ? 1 : 0;
        return shown;
    }

    std::array<std::string, 12> pictures {};
    std::array<bool, 12> outlines {};
    std::string status = "Ready";
    std::vector<Box> boxes;
    std::vector<std::string> log;
    std::deque<Answer> answers; // for Yes/No questions, in order
};

}
