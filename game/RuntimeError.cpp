#include "game/RuntimeError.h"

#include "game/Translatable.h"

namespace pairfall {

namespace {

constexpr std::size_t LongestShownText = 40;

// The English text of a kind, %1, %2 .. standing for its fields.
const char* ErrorText(RuntimeError::Kind kind)
{
    using Kind = RuntimeError::Kind;
    switch (kind) {
    case Kind::Overflow:
        //: An error's name: a number too large for the program (a count in the settings, say).
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "Overflow");
    case Kind::TypeMismatch:
        //: An error's name: a text where the program expects a number (in the settings, say).
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "Type mismatch");
    case Kind::DivisionByZero:
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "Division by zero");
    case Kind::SubscriptOutOfRange:
        //: An error's name: the program asked for an item past the end of a list (a place on the table, a card).
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "Subscript out of range");
    case Kind::OutOfMemory:
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "Out of memory");
    case Kind::FileNotFound:
        //: %1 is a file's path.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "File not found: %1");
    case Kind::BadPicture:
        //: %1 is a card picture's path, %2 the reason Qt's picture reader gives (in English).
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The picture %1 could not be read: %2");
    case Kind::PictureCutShort:
        //: %1 is a card picture's path.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The picture %1 could not be read: the file is cut short");
    case Kind::PictureWrongSize:
        //: %1 is a card picture's path; %2 x %3 its width and height, %4 x %5 those it must have.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The picture %1 could not be read: it is %2 x %3 pixels, not %4 x %5");
    case Kind::SettingsWrite:
        //: %1 is the settings file's path.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The settings could not be saved to %1: the file cannot be written (it may be read-only, a folder may stand in its place, or the disk may be full).");
    case Kind::RegistryWrite:
        //: %1 is the settings' key in the Windows registry.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The settings could not be saved to %1: the registry key cannot be written (access to it may be denied, or the registry may be full).");
    case Kind::HelpViewerNotStarted:
        //: %1 is the help file's path.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The help viewer could not be started for %1");
    case Kind::HelpViewerNotFound:
        //: %1 is the name of the Windows function that shows help, %2 the library that should hold it.
        return PAIRFALL_TRANSLATE_NOOP("RuntimeError", "The help viewer could not be found (%1 in %2)");
    }
    return "";
}

// The stored text as the player should see it in a report, where the
// language's own quote marks stand around it: control characters made
// visible, and no screenful from a damaged file.
std::string Shown(const std::string& text)
{
    std::string shown;
    for (char c : text.substr(0, LongestShownText)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += (byte < 0x20 || byte == 0x7f) ? '?' : c;
    }
    if (text.size() > LongestShownText)
        shown += "...";
    return shown;
}

// Puts field n in place of %n, from %1 to %9, in one pass: a field that
// holds a "%2" itself stays as it is.
std::string FillIn(const std::string& text, const std::vector<std::string>& fields)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        const std::size_t field = static_cast<std::size_t>(next - '1');
        if (text[i] == '%' && next >= '1' && next <= '9' && field < fields.size()) {
            filled += fields[field];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

using Translate = std::function<std::string(const char*)>;

std::string Describe(RuntimeError::Kind kind, const std::vector<std::string>& fields, const std::optional<RuntimeError::Setting>& setting, const Translate& translate)
{
    const std::string error = FillIn(translate(ErrorText(kind)), fields);
    if (!setting)
        return error;
    //: %1 is an error (its name or message), %2 a stored setting's name ("Stats/TotalGames"), %3 the text stored there; put the language's own quote marks around %3.
    const char* inSetting = PAIRFALL_TRANSLATE_NOOP("RuntimeError", "%1 in the setting %2: \"%3\"");
    return FillIn(translate(inSetting), { error, setting->section + "/" + setting->key, Shown(setting->text) });
}

std::string English(const char* text)
{
    return text;
}

}

RuntimeError::RuntimeError(Kind kind, std::vector<std::string> fields)
    : RuntimeError(kind, std::move(fields), std::nullopt)
{
}

RuntimeError::RuntimeError(Kind kind, std::vector<std::string> fields, std::optional<Setting> setting)
    : std::runtime_error(Describe(kind, fields, setting, English))
    , m_kind(kind)
    , m_fields(std::move(fields))
    , m_setting(std::move(setting))
{
}

RuntimeError RuntimeError::InSetting(const std::string& section, const std::string& key, const std::string& text) const
{
    return RuntimeError(m_kind, m_fields, Setting { section, key, text });
}

std::string RuntimeError::description(const std::function<std::string(const char*)>& translate) const
{
    return Describe(m_kind, m_fields, m_setting, translate);
}

}
