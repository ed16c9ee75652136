// Each folder is one layer and may include only itself and the folders below it.
#include <gtest/gtest.h>

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
    std::set<std::string> uses; // the folders just below it
    std::string libraries; // a pattern for the other headers it may include
};

// Standard C++ headers have short lower-case names without an extension.
const std::string Standard = "[a-z_]+";
const std::string StandardAndQt = Standard + "|Q[A-Za-z]+";

// The layer picture in docs/layers.md draws these arrows.
const std::map<std::string, Layer> Layers = {
    { "game", { {}, Standard } },
    { "platform", { { "game" }, Standard + "|windows\\.h" } },
    { "art", { { "game" }, StandardAndQt } },
    { "widgets", { { "game" }, StandardAndQt } },
    { "settings", { { "game" }, StandardAndQt } },
    { "ui", { { "widgets", "art", "platform" }, StandardAndQt } },
    { "program", { { "ui", "settings" }, StandardAndQt + "|signal\\.h|unistd\\.h|fcntl\\.h" } },
    { "app", { { "program" }, StandardAndQt } },
    { "tools", { { "art" }, StandardAndQt } },
    { "bench", { { "ui", "settings" }, ".+" } },
};

// A folder may include itself and every folder its arrows reach.
std::set<std::string> Reach(const std::string& folder)
{
    std::set<std::string> reached { folder };
    std::vector<std::string> next { folder };
    while (!next.empty()) {
        const std::string from = next.back();
        next.pop_back();
        for (const std::string& used : Layers.at(from).uses) {
            if (reached.insert(used).second)
                next.push_back(used);
        }
    }
    return reached;
}

bool IsSource(const fs::path& file)
{
    const std::set<std::string> extensions { ".h", ".cpp", ".c", ".in" };
    return extensions.contains(file.extension().string());
}

TEST(Layers, EveryIncludeStaysWithinItsFoldersLayer)
{
    const std::regex directive(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    for (const auto& [folder, layer] : Layers) {
        const std::set<std::string> reach = Reach(folder);
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
                // A file's own moc output, for a class with signals that only it knows.
                const bool ownMoc = target == entry.path().stem().string() + ".moc";
                bool allowed = ownMoc || std::regex_match(target, libraries);
                if (include[1] == "\"" && !ownMoc)
                    allowed = target.find('/') != std::string::npos && reach.contains(target.substr(0, target.find('/')));
                EXPECT_TRUE(allowed) << fs::relative(entry.path(), PAIRFALL_SOURCE_DIR).string() << ":" << line << ": " << folder << " may not include " << target;
            }
        }
    }
}

// A folder of C or C++ sources left out of the map would go unchecked.  The
// tests may include every folder; build folders are the build's own.
TEST(Layers, EveryFolderOfSourcesHasALayer)
{
    for (const auto& folder : fs::directory_iterator(PAIRFALL_SOURCE_DIR)) {
        const std::string name = folder.path().filename().string();
        if (!folder.is_directory() || name.starts_with('.') || name.starts_with("build") || name == "out" || name == "tests" || Layers.contains(name))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(folder.path())) {
            const std::string extension = entry.path().extension().string();
            EXPECT_FALSE(extension == ".h" || extension == ".cpp" || extension == ".c") << name << "/ holds " << fs::relative(entry.path(), folder.path()).string() << " but has no layer";
        }
    }
}

}
