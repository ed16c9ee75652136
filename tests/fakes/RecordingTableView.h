#pragma once

#include "fakes/EventLog.h"
#include "game/TableView.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace pairfall::testing {

// Records what the game shows, in its own state and in the event log, and
// gives every Yes/No question the same answer.
class RecordingTableView final : public TableView {
public:
    RecordingTableView()
        : log(m_ownLog)
    {
    }
    // Logs into a log it shares with the other fakes of a test.
    explicit RecordingTableView(EventLog& shared)
        : log(shared)
    {
    }
    RecordingTableView(const RecordingTableView&) = delete;
    RecordingTableView& operator=(const RecordingTableView&) = delete;

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
    Answer MessageBox(const std::string& prompt, Buttons buttons, const std::string& title, Icon icon) override
    {
        std::string box = title + "|" + prompt;
        if (buttons == Buttons::OK)
            box += "|OK";
        else
            box += "|YesNo";
        if (icon != Icon::None)
            box += "|icon";
        boxes.push_back(box);
        log.Add("box " + box);
        if (buttons == Buttons::OK)
            return Answer::OK;
        return answer;
    }

    long OutlinesShown() const { return std::ranges::count(outlines, true); }

    std::array<std::string, 12> pictures;
    std::array<bool, 12> outlines {};
    std::string status;
    std::vector<std::string> boxes; // "title|prompt|OK" or "title|prompt|YesNo", "|icon" added for an icon
    Answer answer = Answer::No; // to every Yes/No question

private:
    EventLog m_ownLog;

public:
    EventLog& log;
};

}
