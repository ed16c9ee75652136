#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace pairfall {

// The program's one kind of run-time error, kept as data: what went wrong
// (its kind) and the names and texts it concerns (its fields), so that the
// window can say it in the player's language.  what() is the English.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind { Overflow,
        TypeMismatch,
        DivisionByZero,
        SubscriptOutOfRange,
        OutOfMemory,
        FileNotFound, // the path
        BadPicture, // the path, the reader's reason
        PictureCutShort, // the path
        PictureWrongSize, // the path, its width and height, those wanted
        SettingsWrite, // the settings file
        RegistryWrite, // the registry key
        HelpViewerNotStarted, // the help file
        HelpViewerNotFound }; // the function, the library

    // A stored entry whose text did not convert.
    struct Setting {
        std::string section;
        std::string key;
        std::string text;
    };

    explicit RuntimeError(Kind kind, std::vector<std::string> fields = {});

    Kind kind() const { return m_kind; }
    const std::vector<std::string>& fields() const { return m_fields; }
    const std::optional<Setting>& setting() const { return m_setting; }
    std::string description() const { return what(); }

    // The same error, as met in reading the stored entry section/key.
    RuntimeError InSetting(const std::string& section, const std::string& key, const std::string& text) const;

    static RuntimeError Overflow() { return RuntimeError(Kind::Overflow); }
    static RuntimeError TypeMismatch() { return RuntimeError(Kind::TypeMismatch); }
    static RuntimeError DivisionByZero() { return RuntimeError(Kind::DivisionByZero); }
    static RuntimeError SubscriptOutOfRange() { return RuntimeError(Kind::SubscriptOutOfRange); }
    static RuntimeError FileNotFound(const std::string& path) { return RuntimeError(Kind::FileNotFound, { path }); }

private:
    RuntimeError(Kind kind, std::vector<std::string> fields, std::optional<Setting> setting);

    Kind m_kind;
    std::vector<std::string> m_fields;
    std::optional<Setting> m_setting;
};

inline constexpr const char* ErrorsContext = "RuntimeError";

// The English text of a kind, %1, %2 .. standing for its fields.
const char* ErrorText(RuntimeError::Kind kind);
// The text an error met in a stored entry gets around it: %1 the error,
// %2 the entry, %3 its text.
const char* SettingErrorText();
// The stored text as the player should see it in a report: quoted, control
// characters made visible, and no screenful from a damaged file.
std::string QuotedSettingText(const std::string& text);

// Puts field n in place of %n, from %1 to %9, in one pass: a field that
// holds a "%2" itself stays as it is.
std::string FillIn(const std::string& text, const std::vector<std::string>& fields);

}
