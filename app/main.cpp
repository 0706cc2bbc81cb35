#include <QApplication>
#include <QMainWindow>

#include "shell/DarkStyle.hpp"
#include "shell/Resources.hpp"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Pellox");
    QApplication::setApplicationName("Pellox Poker");
    pellox::app::registerResources();
    pellox::app::applyDarkStyle(app);
    QMainWindow window;
    window.setWindowTitle("Pellox Poker");
    window.setMinimumSize(1000, 680);
    window.resize(1280, 820);
    window.show();
    return QApplication::exec();
}
