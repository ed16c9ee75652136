#include "widgets/EngineTexts.h"

#include "game/Texts.h"

#include <QCoreApplication>

namespace pairfall {

namespace {

QString Translated(const char* context, const char* english)
{
    return QCoreApplication::translate(context, english);
}

// Fields go in after the translation, in one pass, so that a path with a
// "%1" in it stays as it is.
QString Filled(const QString& text, const std::vector<std::string>& fields)
{
    return QString::fromStdString(FillIn(text.toStdString(), fields));
}

}

QString GameText(const char* english)
{
    return Translated(TextsContext, english);
}

QString CardsLeftStatus(Int16 cardsLeft)
{
    return QCoreApplication::translate(TextsContext, CardsLeftText, nullptr, cardsLeft);
}

QString ErrorMessage(const RuntimeError& error)
{
    const QString message = Filled(Translated(ErrorsContext, ErrorText(error.kind())), error.fields());
    const std::optional<RuntimeError::Setting>& setting = error.setting();
    if (!setting)
        return message;
    const QString inSetting = Translated(ErrorsContext, SettingErrorText());
    return Filled(inSetting, { message.toStdString(), setting->section + "/" + setting->key, QuotedSettingText(setting->text) });
}

}
