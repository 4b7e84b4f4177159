// The floor the game is measured against: the smallest Qt Widgets program
// with a window, built with the same compiler, flags and Qt.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Crucirco"));
    label.setWindowTitle(QStringLiteral("crucirco-floor"));
    label.show();
    return QApplication::exec();
}
