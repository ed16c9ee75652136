#include "game/RandomSource.h"
#include "game/Texts.h"
#include "game/Version.h"
#include "stats/QtSettingsStore.h"
#include "ui/HelpCommands.h"
#include "ui/ScaleFactor.h"
#include "ui/frmMain.h"
#include "widgets/MessageBoxService.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    pairfall::KeepScaleFactorAtLeastOne();
    QApplication app(argc, argv);
    // The store's file is named after these: $XDG_CONFIG_HOME/Pairfall/Pairfall.conf.
    QApplication::setOrganizationName(QString::fromLatin1(pairfall::ApplicationTitle));
    QApplication::setApplicationName(QString::fromLatin1(pairfall::ApplicationTitle));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.pairfall.Pairfall"));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3").arg(pairfall::VersionMajor).arg(pairfall::VersionMinor).arg(pairfall::VersionRevision));

    pairfall::QtSettingsStore store;
    pairfall::ClockRandomSource random;
    pairfall::QtMessageBoxService boxes;
    pairfall::PlatformHelpViewer help;
    pairfall::frmMain window({ store, random, boxes, help, QCoreApplication::applicationDirPath().toStdString(), PAIRFALL_HELP_FILE });
    window.Form_Load();
    window.show();
    return app.exec();
}
