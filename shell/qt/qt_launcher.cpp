#include "shell/qt/qt_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace crucirco {

bool QtProcessLauncher::fileExists(std::u16string_view path)
{
    return QFileInfo(QString::fromStdU16String(std::u16string(path))).isFile();
}

bool QtProcessLauncher::start(std::u16string_view path)
{
    return QProcess::startDetached(QString::fromStdU16String(std::u16string(path)), {});
}

} // namespace crucirco
