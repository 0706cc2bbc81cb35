#pragma once
#include <QString>

class QMessageBox;
class QWidget;

namespace pellox::app {

inline constexpr const char* saveFailureTitle = "Your progress cannot be saved";

// Names the file, and that play goes on with nothing kept after this run.
QString saveFailureMessage(const QString& path);

// The warning shown once when the settings file cannot be written, opened over `parent` (never blocking).
QMessageBox* openSaveFailureAlert(const QString& path, QWidget* parent);

}  // namespace pellox::app
