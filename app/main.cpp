#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Pellox");
    QApplication::setApplicationName("Pellox Poker");
    QMainWindow window;
    window.setWindowTitle("Pellox Poker");
    window.setMinimumSize(1000, 680);
    window.resize(1280, 820);
    window.show();
    return QApplication::exec();
}
