#include <QApplication>

#include "shell/DarkStyle.hpp"
#include "shell/PelloxPokerApp.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pellox"));
    QApplication::setApplicationName(QStringLiteral("Pellox Poker"));
    pellox::app::applyDarkStyle(application);
    pellox::app::PelloxPokerApp app;
    app.show();
    return QApplication::exec();
}
