#include "PathSystemInfoTool.h"

#include "Messages.h"
#include "ScriptedDialogs.h"
#include "Shell.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace tessaly;
using namespace tessaly::testing;

TEST(SystemInfo, ToolsAreFoundOnThePathAndStartedWithoutAShell)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString marker = dir.filePath("started");
    const QString tool = dir.filePath("fake-info-tool");
    QFile script(tool);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8() + ":" + oldPath);
    PathSystemInfoTool finder(std::vector<std::string>{"no-such-info-tool", "fake-info-tool"});
    const auto found = finder.locate();
    ScriptedDialogs dialogs;
    StartSysInfo(finder, dialogs, nullptr);
    qputenv("PATH", oldPath);
    dialogs.verify();
    ASSERT_EQ(found, tool.toStdString());
    for (int i = 0; i < 100 && !QFile::exists(marker); ++i)
        QThread::msleep(20);
    EXPECT_TRUE(QFile::exists(marker));

    EXPECT_FALSE(PathSystemInfoTool(std::vector<std::string>{"no-such-info-tool"}).locate());
}

TEST(SystemInfo, NoToolOrOneThatCannotStartIsReportedAsUnavailable)
{
    // The known tools looked for on a PATH that holds none of them, then one that is found but
    // cannot start, its interpreter being missing.
    const QByteArray oldPath = qgetenv("PATH");
    for (const bool found : {false, true}) {
        SCOPED_TRACE(found ? "found, cannot start" : "none");
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        if (found) {
            QFile script(dir.filePath(QString::fromStdString(PathSystemInfoTool::defaultCandidates().front())));
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write("#!/no/such/interpreter\n");
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        qputenv("PATH", dir.path().toUtf8());
        PathSystemInfoTool tool;
        const bool located = tool.locate().has_value();
        ScriptedDialogs dialogs;
        dialogs.expectMessage(kNoticeBox, "System Information Is Unavailable At This Time");
        StartSysInfo(tool, dialogs, nullptr);
        qputenv("PATH", oldPath);
        dialogs.verify();
        EXPECT_EQ(located, found);
    }
}
