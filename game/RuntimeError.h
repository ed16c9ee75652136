#pragma once

#include <functional>
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
    // The same words with each of the English texts they are made of (marked
    // in ErrorsContext) passed through translate first.
    std::string description(const std::function<std::string(const char* english)>& translate) const;

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

// The context in which the error texts are marked for translation.
inline constexpr const char* ErrorsContext = "RuntimeError";

}
