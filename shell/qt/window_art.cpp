#include "shell/qt/window_art.h"

#include <QLabel>

namespace crucirco {

QPixmap logoPixmap()
{
    return QPixmap(QStringLiteral(":/assets/logo.jpg"));
}

QIcon windowIcon(Window window)
{
    switch (window) {
    case Window::VersusMachine:
        return QIcon(QStringLiteral(":/assets/icons/versus.png"));
    case Window::TwoPlayer:
        return QIcon(QStringLiteral(":/assets/icons/two-player.png"));
    case Window::Splash:
    case Window::MainMenu:
    case Window::About:
        break;
    }
    return QIcon(QStringLiteral(":/assets/icons/app-48.png"));
}

void fitToText(QLabel* label)
{
    if (!label->property("sizesToText").toBool())
        return;
    const QSize text = label->sizeHint();
    QRect area = label->geometry();
    if (label->alignment() & Qt::AlignRight)
        area.setLeft(area.right() + 1 - text.width());
    else
        area.setWidth(text.width());
    area.setHeight(text.height());
    label->setGeometry(area);
}

} // namespace crucirco
