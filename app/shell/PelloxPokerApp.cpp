#include "shell/PelloxPokerApp.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "session/GameSession.hpp"
#include "session/SessionSnapshotStore.hpp"
#include "shell/DialogSupport.hpp"
#include "shell/MacNavigation.hpp"
#include "shell/MacRootView.hpp"
#include "shell/MainWindow.hpp"
#include "shell/PelloxCommands.hpp"
#include "shell/QuitOnSignals.hpp"
#include "shell/RangesWindow.hpp"
#include "shell/ResumeOffer.hpp"
#include "shell/SaveFailureAlert.hpp"
#include "shell/SnapshotKeeper.hpp"
#include "shell/ThreadPoolAdviceScheduler.hpp"
#include "shell/UserDefaultsStore.hpp"
#include "store/SettingsStore.hpp"
#include "store/StatsStore.hpp"
#include "theme/AppContext.hpp"
#include "theme/Feedback.hpp"
#include "theme/Resources.hpp"

namespace pellox::app {

PelloxPokerApp::PelloxPokerApp() : PelloxPokerApp(std::make_shared<UserDefaultsStore>()) {}

PelloxPokerApp::PelloxPokerApp(std::shared_ptr<KeyValueStore> defaults)
    : navigation_(std::make_unique<MacNavigation>()) {
    registerResources();
    QGuiApplication::setQuitOnLastWindowClosed(true);
    settings_ = std::make_unique<SettingsStore>();
    stats_ = std::make_unique<StatsStore>();
    defaults_ = std::move(defaults);
    if (auto* file = dynamic_cast<UserDefaultsStore*>(defaults_.get()))
        file->setWriteFailureHandler([this](const QString& path) {
            // Out of the save that failed, which may be in the middle of a click or a hand.
            QTimer::singleShot(0, this, [this, path] { tellSavingFailed(path); });
        });
    settings_->load(defaults_);
    stats_->load(defaults_);
    scheduler_ = std::make_shared<ThreadPoolAdviceScheduler>();
    session_ = std::make_unique<GameSession>(*settings_, *stats_, scheduler_);
    feedback_ = std::make_unique<Feedback>(*settings_);
    snapshots_ = std::make_unique<SessionSnapshotStore>(defaults_);
    snapshotKeeper_ = std::make_unique<SnapshotKeeper>(*session_, *snapshots_);
    buildScenes();

    // At application level, so a quit from the ranges window with the main window closed saves too.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &PelloxPokerApp::saveSnapshotOnQuit);
    quitOnSignals_ = std::make_unique<QuitOnSignals>();
    // Sees the quit before the windows close: closing the resume question would count as its answer.
    qApp->installEventFilter(this);
}

bool PelloxPokerApp::eventFilter(QObject* watched, QEvent* event) {
    if (watched == qApp && event->type() == QEvent::Quit && mainWindow_)
        unansweredAtQuit_ = rootView().resumable();
    return false;
}

// The windows go first, their screens reading the session; then advice still being computed is dropped, so
// none of it reaches the session as it goes.
PelloxPokerApp::~PelloxPokerApp() {
    quitOnSignals_.reset();
    snapshotKeeper_.reset();
    rangesWindow_.reset();
    mainWindow_.reset();
    scheduler_->drain();
}

void PelloxPokerApp::buildScenes() {
    mainContext_ = std::make_unique<AppContext>(settings_.get(), feedback_.get());
    commands_ = std::make_unique<PelloxCommands>(*navigation_, [this] { openRanges(); });
    auto* root = new MacRootView(*mainContext_, *session_, *settings_, *stats_, *snapshots_, *navigation_);
    new DialogSupport(commands_->shortcutActions(), commands_.get());
    connect(root, &MacRootView::resumed, snapshotKeeper_.get(), &SnapshotKeeper::skipCurrentDecision);
    mainWindow_ = std::make_unique<MainWindow>(root, *commands_);
    // The Settings section lives in the main window: asking for it from the ranges window brings it up.
    connect(commands_->settingsAction(), &QAction::triggered, mainWindow_.get(),
            [this] { raiseMainWindow(); });
}

MacRootView& PelloxPokerApp::rootView() const noexcept {
    return *mainWindow_->rootView();
}

void PelloxPokerApp::show() {
    mainWindow_->show();
}

void PelloxPokerApp::raiseMainWindow() {
    mainWindow_->show();
    mainWindow_->raise();
    mainWindow_->activateWindow();
}

QMessageBox* PelloxPokerApp::saveFailureAlert() const noexcept {
    return saveFailureAlert_;
}

void PelloxPokerApp::tellSavingFailed(const QString& path) {
    saveFailureAlert_ = openSaveFailureAlert(path, mainWindow_.get());
}

void PelloxPokerApp::openRanges() {
    if (!rangesWindow_) {
        rangesWindow_ = std::make_unique<RangesWindow>(*settings_);
        rangesWindow_->addActions(commands_->shortcutActions());
    }
    rangesWindow_->open();
}

void PelloxPokerApp::saveSnapshotOnQuit() {
    const auto& offered = rootView().resumable();
    app::saveSnapshotOnQuit(*session_, *snapshots_, offered ? offered : unansweredAtQuit_);
}

}  // namespace pellox::app
