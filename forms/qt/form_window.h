#pragma once

#include <QCloseEvent>
#include <QMainWindow>
#include <QSize>
#include <type_traits>
#include <utility>

#include "forms/form.h"
#include "forms/qt/fonts.h"
#include "forms/qt/handler_gate.h"
#include "forms/qt/pictures.h"
#include "forms/qt/qt_text.h"
#include "forms/qt/twips.h"

namespace crucirco {

// How a window's row of the table frames it on the desktop.
Qt::WindowFlags windowFlags(const WindowRow& window);
// Has a window without a title bar framed by a border all the same, and kept
// out of the task bar, where the window system needs telling beyond its
// flags. Before it is shown.
void askForBorderWithoutTitle(QWidget* window);

// The window of one form, on any of Qt's top-level widgets: named, titled,
// framed, given its icon and its classic default face from the form's row of
// the window table. Every event reaches the form through forward(), inside
// the handler gate; the title bar's close button unloads the form without a
// question, and the program hides and later destroys the window itself.
// View is the interface through which the form tells the window what changed.
template<class QtWindow, class View = FormView>
class FormWindow : public QtWindow, public View
{
public:
    FormWindow(Form& form, Navigator& navigator, HandlerGate& gate)
        : QtWindow(nullptr, windowFlags(rowOf(form.id())))
        , form_(form)
        , navigator_(navigator)
        , gate_(gate)
    {
        const WindowRow& row = rowOf(form.id());
        this->setObjectName(toQString(row.name));
        this->setWindowTitle(toQString(row.title));
        this->setWindowIcon(windowIcon(row));
        this->setFont(fonts::windowDefault());
        // A main window's size is its menu bar's and its client area's.
        if constexpr (!std::is_base_of_v<QMainWindow, QtWindow>)
            this->setFixedSize(clientSize());
    }

    void refresh() override {}

protected:
    QSize clientSize() const
    {
        const WindowRow& row = rowOf(form_.id());
        return Twips::size(row.width, row.height);
    }

    template<class Handler>
    void forward(Handler&& handler)
    {
        gate_.run(this, std::forward<Handler>(handler));
    }

    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        forward([this] { navigator_.unload(form_.id()); });
    }

    Navigator& navigator() { return navigator_; }

private:
    Form& form_;
    Navigator& navigator_;
    HandlerGate& gate_;
};

} // namespace crucirco
