#include "Messages.h"
#include "ScriptedDialogs.h"
#include "Shell.h"
#include "SystemInfo.h"
#include "WindowsSystemInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <windows.h>

using namespace tessaly;
using namespace tessaly::testing;

namespace {

const QString kToolKey = QStringLiteral(R"(HKLM\SOFTWARE\Microsoft\Shared Tools\MSINFO)");
const QString kFolderKey = QStringLiteral(R"(HKLM\SOFTWARE\Microsoft\Shared Tools Location)");

bool underWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

int reg(const QStringList& arguments)
{
    QProcess tool;
    tool.start(QStringLiteral("reg"), arguments);
    tool.waitForFinished();
    return tool.exitCode();
}

void setValue(const QString& key, const QString& name, const QString& text)
{
    ASSERT_EQ(reg({"add", key, "/v", name, "/t", "REG_SZ", "/d", text, "/f"}), 0);
}

// The real registry and the real launcher, with our stand-in as the System Information tool.
class SystemInfoRegistry : public ::testing::Test {
protected:
    void SetUp() override
    {
        // These tests rewrite entries of the whole machine: only in a Wine prefix of their own.
        if (!underWine())
            GTEST_SKIP() << "runs only under Wine, in the prefix the Windows test run makes";
        ASSERT_TRUE(folder_.isValid());
        reg({"delete", kToolKey, "/v", "PATH", "/f"});
        reg({"delete", kFolderKey, "/f"});
    }

    void TearDown() override
    {
        reg({"delete", kToolKey, "/v", "PATH", "/f"});
        reg({"delete", kFolderKey, "/f"});
    }

    // The folder that holds the stand-in as MSINFO32.EXE, in Windows spelling.
    QString installStandIn()
    {
        const QString standIn = QDir(QCoreApplication::applicationDirPath()).filePath("msinfo-standin.exe");
        EXPECT_TRUE(QFile::copy(standIn, folder_.filePath("MSINFO32.EXE")));
        return QDir::toNativeSeparators(folder_.path());
    }

    bool standInStarted()
    {
        const QString marker = folder_.filePath("started");
        for (int i = 0; i < 200 && !QFile::exists(marker); ++i)
            QThread::msleep(50);
        return QFile::exists(marker);
    }

    QTemporaryDir folder_;
};

} // namespace

TEST_F(SystemInfoRegistry, TheToolsOwnEntryIsStartedAndTheFolderEntryNotConsulted)
{
    const QString folder = installStandIn();
    const QString tool = folder + "\\MSINFO32.EXE";
    setValue(kToolKey, "PATH", tool);
    setValue(kFolderKey, "MSINFO", "C:\\nowhere");

    WindowsSystemInfoTool systemInfo;
    EXPECT_EQ(systemInfo.locate(), tool.toStdString());
    ScriptedDialogs dialogs;
    StartSysInfo(systemInfo, dialogs, nullptr);
    dialogs.verify();
    EXPECT_TRUE(standInStarted());
}

TEST_F(SystemInfoRegistry, TheFolderEntryIsJoinedAsItStandsAndTheToolStarted)
{
    const QString folder = installStandIn();
    for (const QString& entry : {folder, folder + "\\"}) {
        SCOPED_TRACE(entry.toStdString());
        QFile::remove(folder_.filePath("started"));
        setValue(kFolderKey, "MSINFO", entry);

        WindowsSystemInfoTool systemInfo;
        // A trailing backslash stays: the path then holds two of them, and still works.
        EXPECT_EQ(systemInfo.locate(), (entry + "\\MSINFO32.EXE").toStdString());
        ScriptedDialogs dialogs;
        StartSysInfo(systemInfo, dialogs, nullptr);
        dialogs.verify();
        EXPECT_TRUE(standInStarted());
    }
}

TEST_F(SystemInfoRegistry, WithoutAnEntryOrWithoutTheFileTheToolIsUnavailable)
{
    for (const bool folderEntry : {false, true}) {
        SCOPED_TRACE(folderEntry ? "a folder without the tool" : "no entry");
        if (folderEntry)
            setValue(kFolderKey, "MSINFO", QDir::toNativeSeparators(folder_.path()));

        WindowsSystemInfoTool systemInfo;
        EXPECT_EQ(systemInfo.locate(), std::nullopt);
        ScriptedDialogs dialogs;
        dialogs.expectMessage(kNoticeBox, "System Information Is Unavailable At This Time");
        StartSysInfo(systemInfo, dialogs, nullptr);
        dialogs.verify();
    }
}
