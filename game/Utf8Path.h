#pragma once

#include <filesystem>
#include <string>

namespace pairfall {

// Paths travel through the program as UTF-8 text; on Windows a plain string
// would be taken in the local code page instead.
std::filesystem::path PathFromUtf8(const std::string& text);
std::string Utf8FromPath(const std::filesystem::path& path);

}
