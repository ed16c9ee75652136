#include "widgets/EngineTexts.h"

#include "game/Texts.h"

#include <QCoreApplication>

namespace pairfall {

QString GameText(const char* english)
{
    return QCoreApplication::translate(TextsContext, english);
}

QString CardsLeftStatus(Int16 cardsLeft)
{
    return QCoreApplication::translate(TextsContext, CardsLeftText, nullptr, cardsLeft);
}

QString ErrorMessage(const RuntimeError& error)
{
    return QString::fromStdString(error.description([](const char* english) { return QCoreApplication::translate(ErrorsContext, english).toStdString(); }));
}

}
