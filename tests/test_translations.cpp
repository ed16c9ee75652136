// The program in other languages: which language a player's list gives, a
// damaged file, and every window's texts fitting their controls.
#include "GameFixture.h"
#include "MainWindowOnFakes.h"
#include "ProgramCopies.h"
#include "game/Texts.h"
#include "program/Translations.h"
#include "ui/StatusLine.h"
#include "ui/frmAbout.h"
#include "ui/frmGameStats.h"
#include "widgets/DialogFont.h"
#include "widgets/DialogLayout.h"
#include "widgets/EngineTexts.h"
#include "widgets/MessageBoxService.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>

using namespace pairfall;
using namespace pairfall::testing;

namespace {

const QString Folder = QStringLiteral(PAIRFALL_TRANSLATIONS_DIR);

QStringList Languages()
{
    return QStringLiteral(PAIRFALL_LANGUAGES).split(QLatin1Char(','));
}

// Takes back whatever a test installed, so the next one starts in English.
void RemoveTranslations()
{
    for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    SetDialogLanguage({});
}

struct LanguageList {
    const char* name;
    QStringList wanted;
    QString taken;
};

class ALanguageList : public ::testing::TestWithParam<LanguageList> {
protected:
    void TearDown() override { RemoveTranslations(); }
};

TEST_P(ALanguageList, GivesItsFirstTranslatedLanguageUnlessEnglishComesFirst)
{
    EXPECT_EQ(InstallTranslations(GetParam().wanted, Folder), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(, ALanguageList,
    ::testing::Values(
        LanguageList { "German", { "de-DE" }, "de" },
        LanguageList { "BrazilianPortuguese", { "pt-BR" }, "pt_BR" },
        LanguageList { "CanadianFrenchAfterJapanese", { "ja-JP", "fr-CA" }, "fr" },
        LanguageList { "EnglishBeforeGerman", { "en-GB", "de-DE" }, "" },
        LanguageList { "TheCLocaleBeforeGerman", { "C", "de" }, "" },
        LanguageList { "SwedishAfterAnEmptyAndAMalformedName", { "", "xx-!!", "sv-SE" }, "sv" },
        LanguageList { "NoLanguageAtAll", {}, "" }),
    RowName);

struct DamagedFile {
    const char* name;
    QByteArray bytes;
};

class ADamagedTranslation : public ::testing::TestWithParam<DamagedFile> {
protected:
    void TearDown() override { RemoveTranslations(); }
};

TEST_P(ADamagedTranslation, IsPassedOverAndTheGameSpeaksEnglish)
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("pairfall_de.qm")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();
    EXPECT_EQ(InstallTranslations({ "de-DE" }, folder.path()), "");
    EXPECT_EQ(GameText(ReadyText), "Ready");
}

INSTANTIATE_TEST_SUITE_P(, ADamagedTranslation,
    ::testing::Values(
        DamagedFile { "CutShort", Contents(Folder + QStringLiteral("/pairfall_de.qm")).left(100) },
        DamagedFile { "AnotherProgramsTranslation", Contents(QStringLiteral(PAIRFALL_SOURCE_DIR "/tests/translations/other_program_de.qm")) }),
    RowName);

struct DialogFace {
    const char* name;
    QString language;
    QString family;
};

class TheDialogFaceAtOneHundredPercent : public ::testing::TestWithParam<DialogFace> {
protected:
    void TearDown() override { RemoveTranslations(); }
};

// "MS Sans Serif" has the letters of Windows-1252 alone.
TEST_P(TheDialogFaceAtOneHundredPercent, IsTheBitmapOneOnlyForALanguageWhoseLettersItHas)
{
    ASSERT_EQ(InstallTranslations({ GetParam().language }, Folder), GetParam().language);
    EXPECT_EQ(DialogFontFamily({ "MS Sans Serif", "Microsoft Sans Serif" }, 1.0), GetParam().family);
}

INSTANTIATE_TEST_SUITE_P(, TheDialogFaceAtOneHundredPercent,
    ::testing::Values(DialogFace { "English", "", "MS Sans Serif" },
        DialogFace { "Swedish", "sv", "MS Sans Serif" },
        DialogFace { "Polish", "pl", "Microsoft Sans Serif" }),
    RowName);

// Qt's Italian names the focus action "ImpostaFuoco" ("set fire"): the
// program's own copy of Qt's words is searched first, Qt's for the rest.
TEST(AnItalianTranslation, SpeaksQtsWordsFromTheProgramsCopyBeforeQts)
{
    QTranslator qt;
    // The Windows build carries a copy beside the program's own.
    ASSERT_TRUE(qt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        || qt.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"), Folder))
        << "Qt's Italian (qtbase_it.qm, Debian's qt6-translations-l10n, which scripts/setup.sh installs) is missing";
    QTranslator own;
    ASSERT_TRUE(own.load(Folder + QStringLiteral("/pairfall_it.qm")));
    const char* focus = "SetFocus";
    ASSERT_NE(own.translate("QAccessibleActionInterface", focus), qt.translate("QAccessibleActionInterface", focus)) << "the two agree: no order shows";
    const QString language = InstallTranslations({ "it" }, Folder);
    const QString spokenFocus = QCoreApplication::translate("QAccessibleActionInterface", focus);
    const QString cancel = QCoreApplication::translate("QPlatformTheme", "Cancel");
    RemoveTranslations();
    ASSERT_EQ(language, "it");
    EXPECT_EQ(spokenFocus, own.translate("QAccessibleActionInterface", focus));
    EXPECT_EQ(cancel, qt.translate("QPlatformTheme", "Cancel"));
}

// Where a text would be cut off or run under another control, names it.
void ExpectTextsFit(const QWidget& window)
{
    std::vector<const QWidget*> texts;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        texts.push_back(label);
        if (label->wordWrap())
            EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
        else
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisible())
            continue;
        texts.push_back(button);
        EXPECT_LE(CaptionWidth(*button), button->width()) << button->text().toStdString();
    }
    for (const QWidget* text : texts) {
        const QRect area(text->mapTo(&window, QPoint(0, 0)), text->size());
        EXPECT_TRUE(window.rect().contains(area)) << text->objectName().toStdString() << " leaves its window";
        for (const QWidget* other : texts) {
            if (other != text && other->parent() == text->parent()) {
                EXPECT_FALSE(text->geometry().intersects(other->geometry())) << text->objectName().toStdString() << " runs under " << other->objectName().toStdString();
            }
        }
    }
}

// The main window on fakes in each language.
class ATranslatedWindow : public MainWindow, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(InstallTranslations({ GetParam() }, Folder), GetParam());
        Open();
    }
    void TearDown() override
    {
        window.reset();
        RemoveTranslations();
    }
};

TEST_P(ATranslatedWindow, GivesEachCommandAnAccessKeyOfItsOwnInItsMenu)
{
    std::vector<QList<QAction*>> menus { window->menuBar()->actions() };
    for (QAction* menu : window->menuBar()->actions())
        menus.push_back(menu->menu()->actions());
    for (const QList<QAction*>& commands : menus) {
        std::set<QString> keys;
        for (const QAction* command : commands) {
            if (command->isSeparator())
                continue;
            const QString key = QKeySequence::mnemonic(command->text()).toString();
            EXPECT_FALSE(key.isEmpty()) << command->text().toStdString() << " has no access key";
            EXPECT_TRUE(keys.insert(key).second) << command->text().toStdString() << " shares " << key.toStdString();
        }
    }
}

TEST_P(ATranslatedWindow, FitsEveryStatusLineInTheBar)
{
    auto* line = window->findChild<StatusLine*>()->findChild<QLabel*>();
    for (const QString& status : { GameText(ReadyText), CardsLeftStatus(1), CardsLeftStatus(2), CardsLeftStatus(5), CardsLeftStatus(51) }) {
        line->setText(status);
        EXPECT_LE(line->sizeHint().width(), line->width()) << status.toStdString();
    }
}

TEST_P(ATranslatedWindow, FitsGameStatsTexts)
{
    window->findChild<QAction*>("mnuGameStats")->trigger();
    auto* stats = window->findChild<frmGameStats*>();
    ExpectTextsFit(*stats);
    // Each value keeps the designed gap of 8 pixels after its caption.
    for (const QLabel* caption : stats->findChildren<QLabel*>()) {
        if (const QWidget* value = caption->buddy()) {
            EXPECT_GE(value->x() - caption->geometry().right() - 1, 8) << caption->text().toStdString();
        }
    }
    stats->close();
}

TEST_P(ATranslatedWindow, FitsAboutTexts)
{
    frmAbout about(window.get());
    about.Form_Load();
    about.show();
    ExpectTextsFit(about);
}

// Closes the box that opens next as soon as it has been laid out, whatever
// it is; `look` sees it first if it is a message box, and the flag given
// back says whether it was.  The assertions come after, so that a failing
// one cannot leave the box open.
std::shared_ptr<bool> AnswerTheNextBoxNo(std::function<void(QMessageBox&)> look)
{
    auto seen = std::make_shared<bool>(false);
    QTimer::singleShot(0, [seen, look] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            *seen = true;
            look(*box);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QMessageBox::No);
        else if (modal)
            modal->close();
    });
    return seen;
}

// Each box the program asks, answered as soon as it has been laid out.
TEST_P(ATranslatedWindow, FitsEveryMessageBoxText)
{
    QtMessageBoxService service;
    for (const char* text : { PlayAgainPrompt, NotTenMessage, AllFourFacesMessage, LosePrompt, NoHelpMessage, NoAnswerMessage }) {
        const auto seen = AnswerTheNextBoxNo([](QMessageBox& box) { ExpectTextsFit(box); });
        service.Ask(window.get(), GameText(text), Buttons::YesNo, GameText(LoseTitle), Icon::None);
        EXPECT_TRUE(*seen) << text;
    }
}

// Qt's own words, from Qt's translation or, where Qt has none, the program's.
// ("No" is the same word in some of the languages; "Yes" in none.)
TEST_P(ATranslatedWindow, AsksWithAYesButtonInItsLanguage)
{
    QString yes;
    const auto seen = AnswerTheNextBoxNo([&yes](QMessageBox& box) {
        if (QAbstractButton* button = box.button(QMessageBox::Yes))
            yes = button->text();
    });
    QtMessageBoxService().Ask(window.get(), GameText(PlayAgainPrompt), Buttons::YesNo, GameText(WinTitle), Icon::None);
    ASSERT_TRUE(*seen);
    EXPECT_FALSE(yes.isEmpty());
    EXPECT_NE(yes, "&Yes");
}

// Each language's own pair, as its typesetters set them.
const std::map<QString, QString> QuotedText = {
    { "de", QStringLiteral("„abc“") },
    { "fr", QStringLiteral("«\u00a0abc\u00a0»") },
    { "es", QStringLiteral("«abc»") },
    { "it", QStringLiteral("«abc»") },
    { "nl", QStringLiteral("“abc”") },
    { "pt_BR", QStringLiteral("“abc”") },
    { "pl", QStringLiteral("„abc”") },
    { "sv", QStringLiteral("”abc”") },
};

TEST_P(ATranslatedWindow, QuotesABadSettingsTextWithItsLanguagesOwnMarks)
{
    ASSERT_TRUE(QuotedText.contains(GetParam())) << "no quote marks known for " << GetParam().toStdString();
    const QString message = ErrorMessage(RuntimeError::TypeMismatch().InSetting("Stats", "TotalGames", "abc"));
    EXPECT_TRUE(message.contains(QuotedText.at(GetParam()))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(, ATranslatedWindow, ::testing::ValuesIn(Languages()), [](const auto& info) { return info.param.toStdString(); });

// What a player hears and reads is the language's, not only the menus.
class AGermanWindow : public MainWindow {
protected:
    void TearDown() override
    {
        window.reset();
        RemoveTranslations();
    }
};

TEST_F(AGermanWindow, NamesADealtCardInGerman)
{
    ASSERT_EQ(InstallTranslations({ "de-DE" }, Folder), "de");
    Open();
    window->State().Deck(52) = Card { 40, 1 }; // the Ace of Spades
    ClickSlot(0);
    EXPECT_EQ(Slot(0)->accessibleName(), "Pik-Ass");
}

}
