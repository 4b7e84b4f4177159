#include "forms/qt/qt_platform.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPointer>
#include <QTime>

#include "forms/qt/accessibility.h"
#include "forms/qt/fonts.h"
#include "forms/qt/handler_gate.h"
#include "forms/qt/qt_text.h"

namespace crucirco {

namespace {

// Room in a box for its whole title in a window manager's title bar: the
// title in the window font, bold, half as wide again (a title bar's face is
// often larger), and three title bar buttons two lines wide each.
int titleRoom(const QString& title)
{
    QFont bold = fonts::windowDefault();
    bold.setBold(true);
    // On Wayland Qt draws the title bar itself: the title at 14 pixels, centred, with room on either
    // side for three buttons as its widest decoration spaces them, 24 pixels wide and 12 apart.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        bold.setPixelSize(14);
        return QFontMetrics(bold).horizontalAdvance(title) + 2 * 3 * (24 + 12);
    }
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) * 3 / 2 + 6 * metrics.height();
}

QMessageBox::StandardButton runBox(std::string_view title, std::string_view text,
                                   QMessageBox::StandardButtons buttons)
{
    // What a screen reader was about to hear comes before the box.
    Announcer::speakPendingNow();
    // Over the window whose handler raised it, so that the window system puts it there; where that
    // window has gone, over the active one.
    QPointer<QWidget> owner = HandlerGate::windowAtWork();
    if (!owner || !owner->isVisible())
        owner = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, toQString(title), toQString(text), buttons, owner);
    box.setFont(fonts::windowDefault());
    // Enter presses the default button, OK, the first in the style's order,
    // until the focus moves to Cancel.
    // The box sizes itself to its layout, which a row as wide as the title
    // needs widens.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(titleRoom(box.windowTitle()), 0), grid->rowCount(), 0, 1,
                      grid->columnCount());
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
