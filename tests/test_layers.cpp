// Each folder is one layer and may include only itself and the folders below it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Layer {
    std::set<std::string> folders; // the project's folders it may include
    std::string libraries; // a pattern for the other headers it may include
};

// Standard C++ headers have short lower-case names without an extension.
const std::string Standard = "[a-z_]+";
const std::string StandardAndQt = Standard + "|Q[A-Za-z]+";

const std::map<std::string, Layer> Layers = {
    { "game", { { "game" }, Standard } },
    { "platform", { { "platform", "game" }, Standard + "|windows\\.h" } },
    { "art", { { "art", "game" }, StandardAndQt } },
    { "widgets", { { "widgets", "game" }, StandardAndQt } },
    { "stats", { { "stats", "widgets", "art", "game" }, StandardAndQt } },
    { "ui", { { "ui", "platform", "stats", "widgets", "art", "game" }, StandardAndQt + "|signal\\.h|unistd\\.h|fcntl\\.h" } },
    { "app", { { "app", "ui", "stats", "widgets", "art", "game" }, StandardAndQt } },
    { "tools", { { "tools", "art", "game" }, StandardAndQt } },
    { "bench", { { "bench", "ui", "stats", "widgets", "art", "game" }, ".+" } },
};

bool IsSource(const fs::path& file)
{
    const std::set<std::string> extensions { ".h", ".cpp", ".c", ".in" };
    return extensions.contains(file.extension().string());
}

TEST(Layers, EveryIncludeStaysWithinItsFoldersLayer)
{
    const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& [folder, layer] : Layers) {
        const std::regex libraries(layer.libraries);
        for (const auto& entry : fs::recursive_directory_iterator(fs::path(PAIRFALL_SOURCE_DIR) / folder)) {
            if (!IsSource(entry.path()))
                continue;
            std::ifstream in(entry.path());
            std::string text;
            for (int line = 1; std::getline(in, text); ++line) {
                std::smatch include;
                if (!std::regex_search(text, include, directive))
                    continue;
                const std::string target = include[2];
                bool allowed = std::regex_match(target, libraries);
                if (include[1] == "\"")
                    allowed = target.find('/') != std::string::npos && layer.folders.contains(target.substr(0, target.find('/')));
                EXPECT_TRUE(allowed) << fs::relative(entry.path(), PAIRFALL_SOURCE_DIR).string() << ":" << line << ": " << folder << " may not include " << target;
            }
        }
    }
}

// Taking away, again and again, every folder that needs no other folder left
// must take them all: otherwise some folders include each other in a circle.
TEST(Layers, NoFoldersIncludeEachOtherEvenThroughOthers)
{
    std::set<std::string> left;
    for (const auto& entry : Layers)
        left.insert(entry.first);
    for (bool progress = true; progress;) {
        progress = std::erase_if(left, [&](const std::string& folder) {
            return std::ranges::none_of(Layers.at(folder).folders, [&](const std::string& used) { return used != folder && left.contains(used); });
        }) > 0;
    }
    EXPECT_TRUE(left.empty()) << left.size() << " folders include each other in a circle";
}

}
