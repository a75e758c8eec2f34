// What any Qt window with text costs at start on Windows: the game's title and
// size, and one label. Built like kringwoord.exe (static, windowed), so that
// startup_under_wine compares the game with it.

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(612, 394);
    window.setWindowTitle(QStringLiteral("Kringwoord (one label)"));
    new QLabel(QStringLiteral("0 Woorden"), &window);
    window.show();
    return app.exec();
}
