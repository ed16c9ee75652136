#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace pairfall::testing {

// What the fakes saw, store and screen in one list, in the order it happened:
//   "read Stats/TotalGames", "write Stats/TotalGames=3", "commit",
//   "picture 3 <path>", "show 3", "hide 3", "status Ready",
//   "box <title>|<prompt>|OK" or "...|YesNo", with "|icon" added for an icon.
struct EventLog {
    std::vector<std::string> events;

    void Add(std::string event) { events.push_back(std::move(event)); }
    void Clear() { events.clear(); }

    // The position of the first event that begins with prefix, or -1.
    int IndexOf(const std::string& prefix) const
    {
        const auto found = std::ranges::find_if(events, [&](const std::string& event) { return event.starts_with(prefix); });
        if (found == events.end())
            return -1;
        return static_cast<int>(found - events.begin());
    }

    // The events that begin with prefix, in order.
    std::vector<std::string> Starting(const std::string& prefix) const
    {
        std::vector<std::string> matching;
        for (const std::string& event : events) {
            if (event.starts_with(prefix))
                matching.push_back(event);
        }
        return matching;
    }
};

}
