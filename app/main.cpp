#include "art/ProgramIcon.h"
#include "game/RandomSource.h"
#include "game/Texts.h"
#include "game/Version.h"
#include "program/MainLoop.h"
#include "program/ScaleFactor.h"
#include "program/SingleInstance.h"
#include "program/Translations.h"
#include "settings/QtSettingsStore.h"
#include "ui/HelpCommands.h"
#include "ui/frmMain.h"
#include "widgets/EngineTexts.h"
#include "widgets/MessageBoxService.h"

#include <QApplication>
#include <QLocale>

#ifdef _WIN32
#include "platform/RunningMark.h"
#endif

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // First of all, so the installer does not replace a program file in use.
    const pairfall::RunningMark running;
#endif
    pairfall::KeepScaleFactorAtLeastOne();
    // The platform's store, or the INI file PAIRFALL_SETTINGS_FILE names.
    const pairfall::SettingsLocation settings = pairfall::SettingsLocation::FromEnvironment();
    QApplication app(argc, argv);
    // The store is named after these: $XDG_CONFIG_HOME/Pairfall/Pairfall.conf,
    // HKEY_CURRENT_USER\Software\Pairfall\Pairfall.
    QApplication::setOrganizationName(QString::fromLatin1(pairfall::ApplicationTitle));
    QApplication::setApplicationName(QString::fromLatin1(pairfall::ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pairfall.Pairfall"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(pairfall::VersionMajor).arg(pairfall::VersionMinor).arg(pairfall::VersionRevision));

    // Before the single-copy check, whose box speaks the player's language too.
    pairfall::InstallTranslations(QLocale::system().uiLanguages(), pairfall::TranslationsFolder(QCoreApplication::applicationDirPath()));

    // A later start hands over to the running copy before the store is opened.
    pairfall::SingleInstance copy(settings);
    pairfall::QtMessageBoxService boxes;
    switch (copy.Claim()) {
    case pairfall::SingleInstance::Start::First:
        break;
    case pairfall::SingleInstance::Start::HandedOver:
        return 0;
    case pairfall::SingleInstance::Start::NoAnswer:
        QApplication::setWindowIcon(pairfall::ProgramIcon());
        boxes.Ask(nullptr, pairfall::GameText(pairfall::NoAnswerMessage), pairfall::Buttons::OK, QString::fromLatin1(pairfall::ApplicationTitle), pairfall::Icon::Critical);
        return 1;
    }

    // Decoded while the window is made, which shows it.
    const pairfall::ProgramIconDecoding icon;
    pairfall::QtSettingsStore store(settings);
    pairfall::ClockRandomSource random;
    pairfall::PlatformHelpViewer help;
    pairfall::frmMain window({ store, random, boxes, help, QCoreApplication::applicationDirPath().toStdString(), PAIRFALL_HELP_FILE });
    return pairfall::RunMainWindow(window, copy, settings);
}
