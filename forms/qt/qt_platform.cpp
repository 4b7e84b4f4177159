#include "forms/qt/qt_platform.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTime>

#include "forms/qt/accessibility.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

namespace {

QMessageBox::StandardButton runBox(std::string_view title, std::string_view text,
                                   QMessageBox::StandardButtons buttons)
{
    // What a screen reader was about to hear comes before the box.
    Announcer::speakPendingNow();
    const QPointer<QWidget> owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    // The focus goes back to the window the box was raised over, not to
    // whichever window the desktop would pick.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

} // namespace

void QtMessageBoxes::inform(std::string_view title, std::string_view text)
{
    runBox(title, text, QMessageBox::Ok);
}

Answer QtMessageBoxes::confirm(std::string_view title, std::string_view text)
{
    // Escape and the title bar's close button answer Cancel.
    return runBox(title, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok ? Answer::Ok
                                                                                         : Answer::Cancel;
}

void QtEventLoop::processPendingEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

std::uint32_t QtClock::secondsSinceMidnight() const
{
    return static_cast<std::uint32_t>(QTime::currentTime().msecsSinceStartOfDay() / 1000);
}

} // namespace crucirco
