#include "shell/qt/main_menu_window.h"

#include <QLabel>
#include <QPushButton>

#include "forms/qt/wrapping_button.h"

namespace crucirco {

MainMenuWindow::MainMenuWindow(MainMenuForm& menu, Navigator& navigator, HandlerGate& gate)
    : FormWindow(menu, navigator, gate)
    , menu_(menu)
{
    auto* welcome = new QLabel(
        QStringLiteral("Bienvenido al Crucirco Velquor. Escoja el modo en que desea jugar:"), this);
    welcome->setObjectName(QStringLiteral("Label1"));
    welcome->setGeometry(Twips::rect(1920, 720, 2415, 735));
    welcome->setWordWrap(true);
    welcome->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    addLogo(this, {.left = 120, .top = 480, .width = 1455, .height = 1545});

    struct Button
    {
        const char* name;
        const char* caption;
        int left;
        int width;
        void (*handler)(MainMenuForm&);
    };
    const Button buttons[] = {
        {.name = "cmdUnoUno",
         .caption = "Uno contra uno",
         .left = 0,
         .width = 1575,
         .handler = [](MainMenuForm& menu) { menu.cmdUnoUno_Click(); }},
        {.name = "cmdVsMaquina",
         .caption = "Vs la máquina",
         .left = 1680,
         .width = 1335,
         .handler = [](MainMenuForm& menu) { menu.cmdVsMaquina_Click(); }},
        {.name = "Command1",
         .caption = "Salir",
         .left = 3120,
         .width = 1215,
         .handler = [](MainMenuForm& menu) { menu.Command1_Click(); }},
    };
    // Created from left to right, the buttons take the focus in that order.
    for (const Button& b : buttons) {
        auto* button = new WrappingButton(QString::fromUtf8(b.caption), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(Twips::rect(b.left, 2160, b.width, 375));
        const auto handler = b.handler;
        connect(button, &QPushButton::clicked, this,
                [this, handler] { forward([this, handler] { handler(menu_); }); });
    }
}

} // namespace crucirco
