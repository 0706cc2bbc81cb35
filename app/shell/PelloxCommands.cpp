#include "shell/PelloxCommands.hpp"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <utility>

#include "shell/MacNavigation.hpp"

namespace pellox::app {
namespace {

QAction* action(const QString& text, QKeySequence shortcut, QObject* parent) {
    auto* a = new QAction(text, parent);
    a->setShortcut(shortcut);
    // The menu bar belongs to the main window; the commands also serve the ranges window.
    a->setShortcutContext(Qt::ApplicationShortcut);
    return a;
}

}  // namespace

QString PelloxCommands::helpText() {
    return QStringLiteral("While playing: F folds, C checks or calls, A goes all in, Space deals on.");
}

PelloxCommands::PelloxCommands(MacNavigation& navigation, std::function<void()> openWindow, QObject* parent)
    : QObject(parent), navigation_(navigation), openWindow_(std::move(openWindow)) {
    settings_ = action(QStringLiteral("Settings..."), QKeySequence(Qt::CTRL | Qt::Key_Comma), this);
    settings_->setMenuRole(QAction::PreferencesRole);
    quit_ = action(QStringLiteral("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quit_->setMenuRole(QAction::QuitRole);
    ranges_ = action(QStringLiteral("Preflop Ranges"), QKeySequence(Qt::CTRL | Qt::Key_R), this);
    // A line of text, not a command.
    help_ = new QAction(helpText(), this);
    help_->setEnabled(false);

    connect(settings_, &QAction::triggered, this, &PelloxCommands::showSettings);
    connect(ranges_, &QAction::triggered, this, &PelloxCommands::openRanges);
    connect(quit_, &QAction::triggered, this, [] { QCoreApplication::quit(); });
}

void PelloxCommands::install(QMenuBar* menuBar) {
    QMenu* file = menuBar->addMenu(QStringLiteral("File"));
    file->addAction(settings_);
    file->addSeparator();
    file->addAction(quit_);
    QMenu* table = menuBar->addMenu(QStringLiteral("Table"));
    table->addAction(ranges_);
    QMenu* help = menuBar->addMenu(QStringLiteral("Help"));
    help->addAction(help_);
}

void PelloxCommands::showSettings() {
    navigation_.setRequestedSection(Section::settings);
}

void PelloxCommands::openRanges() {
    if (openWindow_) openWindow_();
}

}  // namespace pellox::app
