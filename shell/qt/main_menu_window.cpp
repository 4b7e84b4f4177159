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

    addLogo(this, {120, 480, 1455, 1545});

    struct Button
    {
        const char* name;
        const char* caption;
        int left, width;
        void (*handler)(MainMenuForm&);
    };
    const Button buttons[] = {
        {"cmdUnoUno", "Uno contra uno", 0, 1575, [](MainMenuForm& menu) { menu.cmdUnoUno_Click(); }},
        {"cmdVsMaquina", "Vs la máquina", 1680, 1335, [](MainMenuForm& menu) { menu.cmdVsMaquina_Click(); }},
        {"Command1", "Salir", 3120, 1215, [](MainMenuForm& menu) { menu.Command1_Click(); }},
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
