// The single-copy guard in this process, at a location the test chooses.
#include "program/SingleInstance.h"
#include "settings/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pairfall;

namespace {

class SingleCopy : public ::testing::Test {
protected:
    QTemporaryDir folder;
    const SettingsLocation where = SettingsLocation::IniFile(folder.path() + "/Pairfall.ini");
};

// As after a Windows session end: the system ended the run that held the
// lock, and this start has that run's process id.
TEST_F(SingleCopy, ALockLeftByARunWithThisVeryProcessIdIsTakenOverAtOnce)
{
    const QString lockFile = SingleInstance::LockFile(where);
    QByteArray left;
    {
        QLockFile run(lockFile);
        ASSERT_TRUE(run.tryLock(0));
        QFile held(lockFile);
        ASSERT_TRUE(held.open(QIODevice::ReadOnly));
        left = held.readAll();
    }
    QFile stale(lockFile);
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(left);
    stale.close();

    // Not taken over, it would be asked for in vain and the start told NoAnswer.
    SingleInstance copy(where);
    EXPECT_EQ(copy.Claim(), SingleInstance::Start::First);
}

#ifdef Q_OS_UNIX

// A later start could not find it: rather than be told that it does not answer,
// it runs unguarded, as where no lock can be written.
TEST_F(SingleCopy, ACopyThatCannotListenGivesItsLockUpSoALaterStartRunsAtOnce)
{
    // Longer than a Unix socket's path may be.
    const QString runtime = folder.path() + '/' + QString(120, 'r');
    ASSERT_TRUE(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    SingleInstance first(where);
    const SingleInstance::Start firstStart = first.Claim();
    // Were the lock kept, the later start would wait for an answer and be told NoAnswer.
    SingleInstance later(where);
    const SingleInstance::Start laterStart = later.Claim();
    qputenv("XDG_RUNTIME_DIR", before);
    EXPECT_EQ(firstStart, SingleInstance::Start::First);
    EXPECT_EQ(laterStart, SingleInstance::Start::First);
}

#endif

}
