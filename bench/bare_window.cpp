// The baseline for bench/startup.sh: the least a Qt Widgets program with the
// same window furniture as Pairfall costs to start, when it also runs once
// per user as any such program must, with Qt's own parts: a lock file, and a
// local socket that only this user may reach for later starts to find it by.
#include <QApplication>
#include <QDir>
#include <QLocalServer>
#include <QLockFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QStatusBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("PairfallBench"));
    QApplication::setApplicationName(QStringLiteral("BareWindow"));

    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(folder);
    QLockFile lock(folder + QStringLiteral("/BareWindow.lock"));
    if (!lock.tryLock(0))
        return 0;
    QLocalServer later;
    later.setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(folder + QStringLiteral("/BareWindow.socket"));
    later.listen(folder + QStringLiteral("/BareWindow.socket"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));

    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("&New"));
    file->addAction(QStringLiteral("&Statistics..."));
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    QObject::connect(exit, &QAction::triggered, &window, &QWidget::close);

    QMenu* help = window.menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&Contents"));
    help->addSeparator();
    help->addAction(QStringLiteral("&About..."));

    window.statusBar()->showMessage(QStringLiteral("Ready"));
    // Same sizing rule as the game window: 385x388 below the menu bar.
    window.resize(385, window.menuBar()->sizeHint().height() + 388);
    window.show();
    return app.exec();
}
