#pragma once

#include "fakes/EventLog.h"
#include "game/GameState.h"
#include "game/TableView.h"
#include "game/Texts.h"

#include <algorithm>
#include <array>
#include <string>

namespace pairfall::testing {

// Records what the game shows, in its own state and in the event log, and
// answers every Yes/No question No.
class RecordingTableView final : public TableView {
public:
    // Logs into a log it shares with the other fakes of a test.
    explicit RecordingTableView(EventLog& shared)
        : log(shared)
    {
    }

    void SetSlotPicture(Int16 slot, const std::string& path) override
    {
        pictures.at(slot) = path;
        log.Add("picture " + std::to_string(slot) + " " + path);
    }
    void SetOutlineVisible(Int16 slot, bool visible) override
    {
        outlines.at(slot) = visible;
        if (visible)
            log.Add("show " + std::to_string(slot));
        else
            log.Add("hide " + std::to_string(slot));
    }
    void SetStatusText(const std::string& text) override
    {
        status = text;
        log.Add("status " + text);
    }
    // The English the window would show for the count.
    void SetCardsLeftStatus(Int16 cardsLeft) override
    {
        std::string text = CardsLeftText;
        text.replace(text.find("%n"), 2, std::to_string(cardsLeft));
        SetStatusText(text);
    }
    Answer MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override
    {
        std::string box = title + "|" + prompt;
        if (buttons == Buttons::OK)
            box += "|OK";
        else
            box += "|YesNo";
        if (icon != Icon::None)
            box += "|icon";
        log.Add("box " + box);
        if (buttons == Buttons::OK)
            return Answer::OK;
        return Answer::No;
    }

    std::array<std::string, SlotCount> pictures;
    std::array<bool, SlotCount> outlines {};
    std::string status;
    EventLog& log;
};

}
