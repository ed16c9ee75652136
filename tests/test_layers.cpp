// Each folder is one layer and may include only the folders below it.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
    std::set<std::string> folders; // the project's folders it may include, itself among them
    std::string libraries; // the other headers it may include, as a pattern
};

// Standard C++ headers have short lower-case names without an extension.
const std::string Standard = "[a-z_]+";
const std::string StandardAndQt = Standard + "|Q[A-Za-z]+";

const std::map<std::string, Layer> Layers = {
    { "game", { { "game" }, Standard } },
    { "art", { { "art", "game" }, StandardAndQt } },
    { "widgets", { { "widgets", "game" }, StandardAndQt } },
    { "stats", { { "stats", "widgets", "art", "game" }, StandardAndQt } },
    { "ui", { { "ui", "stats", "widgets", "art", "game" }, StandardAndQt + "|windows\\.h" } },
    { "app", { { "app", "ui", "stats", "widgets", "art", "game" }, StandardAndQt } },
    { "tools", { { "tools", "art", "game" }, StandardAndQt } },
    { "bench", { { "bench", "game" }, ".+" } },
};

struct Include {
    std::string file;
    int line;
    std::string target;
    bool quoted;
};

std::vector<Include> IncludesIn(const fs::path& folder)
{
    static const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> includes;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        const std::string extension = entry.path().extension().string();
        if (extension != ".h" && extension != ".cpp" && extension != ".c" && extension != ".in")
            continue;
        std::ifstream in(entry.path());
        std::string text;
        for (int line = 1; std::getline(in, text); ++line) {
            std::smatch match;
            if (std::regex_search(text, match, directive))
                includes.push_back({ fs::relative(entry.path(), PAIRFALL_SOURCE_DIR).string(), line, match[2], match[1] == "\"" });
        }
    }
    return includes;
}

TEST(Layers, EveryIncludeStaysWithinItsFoldersLayer)
{
    for (const auto& [folder, layer] : Layers) {
        const std::regex libraries(layer.libraries);
        const std::vector<Include> includes = IncludesIn(fs::path(PAIRFALL_SOURCE_DIR) / folder);
        EXPECT_FALSE(includes.empty()) << folder << " has no sources";
        for (const Include& include : includes) {
            const std::string top = include.target.substr(0, include.target.find('/'));
            bool allowed = std::regex_match(include.target, libraries);
            if (include.quoted)
                allowed = include.target.find('/') != std::string::npos && layer.folders.contains(top);
            EXPECT_TRUE(allowed) << include.file << ":" << include.line << ": " << folder << " may not include " << include.target;
        }
    }
}

// Taking away, again and again, every folder that needs no other folder left
// must take them all: otherwise some folders include each other in a circle.
TEST(Layers, NoFoldersIncludeEachOtherEvenThroughOthers)
{
    std::set<std::string> left;
    for (const auto& [folder, layer] : Layers)
        left.insert(folder);
    bool progress = true;
    while (!left.empty() && progress) {
        progress = false;
        for (const std::string& folder : std::set(left)) {
            const std::set<std::string>& uses = Layers.at(folder).folders;
            const bool needsNoneLeft = std::ranges::none_of(uses, [&](const std::string& used) { return used != folder && left.contains(used); });
            if (needsNoneLeft) {
                left.erase(folder);
                progress = true;
            }
        }
    }
    EXPECT_TRUE(left.empty()) << left.size() << " folders include each other, among them " << *left.begin();
}

}
