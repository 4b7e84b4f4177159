#include "shell/qt/qt_process_launcher.h"

#include <QFileInfo>
#include <QProcess>

namespace crucirco {

namespace {

QString toQString(std::u16string_view path)
{
    return QString(reinterpret_cast<const QChar*>(path.data()), static_cast<qsizetype>(path.size()));
}

} // namespace

bool QtProcessLauncher::fileExists(std::u16string_view path)
{
    return QFileInfo(toQString(path)).isFile();
}

bool QtProcessLauncher::start(std::u16string_view path)
{
    return QProcess::startDetached(toQString(path), {});
}

} // namespace crucirco
