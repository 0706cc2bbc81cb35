#include <QApplication>

#include "shell/DarkStyle.hpp"
#include "shell/PelloxPokerApp.hpp"
#include "shell/SingleInstance.hpp"
#include "shell/UserDefaultsStore.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Pellox"));
    QApplication::setApplicationName(QStringLiteral("Pellox Poker"));
    pellox::app::applyDarkStyle(application);
    pellox::app::SingleInstance instance(pellox::app::UserDefaultsStore::defaultFileName());
    if (instance.claim() == pellox::app::SingleInstance::Claim::heldElsewhere)
        return instance.handOverToRunning(pellox::app::showNotResponding);
    pellox::app::PelloxPokerApp app;
    QObject::connect(&instance, &pellox::app::SingleInstance::raiseRequested, &app,
                     &pellox::app::PelloxPokerApp::raiseMainWindow);
    app.show();
    return QApplication::exec();
}
