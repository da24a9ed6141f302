#include "PathSystemInfoTool.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace tessaly {

PathSystemInfoTool::PathSystemInfoTool(std::vector<std::string> candidates) : candidates_(std::move(candidates)) {}

std::vector<std::string> PathSystemInfoTool::defaultCandidates()
{
    return {"kinfocenter", "hardinfo2", "hardinfo", "lshw-gtk"};
}

std::optional<std::string> PathSystemInfoTool::locate()
{
    for (const auto& name : candidates_) {
        const QString found = QStandardPaths::findExecutable(QString::fromStdString(name));
        if (!found.isEmpty())
            return found.toStdString();
    }
    return std::nullopt;
}

bool PathSystemInfoTool::launch(const std::string& path)
{
    // Started directly, never through a shell.
    return !path.empty() && QProcess::startDetached(QString::fromStdString(path), {});
}

} // namespace tessaly
