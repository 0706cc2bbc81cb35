#include "shell/SaveFailureAlert.hpp"

#include <QDir>
#include <QMessageBox>

namespace pellox::app {

QString saveFailureMessage(const QString& path) {
    return QStringLiteral(
               "Pellox Poker cannot write its settings file:\n%1\n\nYou can play on, but settings, "
               "statistics and hands from now on are kept only until you quit.")
        .arg(QDir::toNativeSeparators(path));
}

QMessageBox* openSaveFailureAlert(const QString& path, QWidget* parent) {
    auto* alert = new QMessageBox(QMessageBox::Warning, QString::fromLatin1(saveFailureTitle),
                                  QString::fromLatin1(saveFailureTitle), QMessageBox::Ok, parent);
    alert->setInformativeText(saveFailureMessage(path));
    alert->setWindowModality(Qt::WindowModal);
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->open();
    return alert;
}

}  // namespace pellox::app
