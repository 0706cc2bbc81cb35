#pragma once
// Sessions for the table screen's tests: stores in memory, synchronous advice, and a few ways to move a
// game along without the screen.
#include <functional>

#include "session/SessionTestSupport.hpp"

namespace pellox::app::testing {

using pellox::testing::SessionRig;

// The human's decision made on the session: check when free, else call.
inline void checkOrCall(GameSession& session) {
    const auto legal = *session.humanLegalActions();
    session.submitHumanAction(legal.canCheck ? PlayerActionType::check : PlayerActionType::call);
}

// The human checks or calls, bots play, hands start; stops when the condition holds (true) or the game
// can go no further within the step budget (false).
inline bool playUntil(GameSession& session, const std::function<bool()>& done, int maxSteps = 5000) {
    for (int step = 0; step < maxSteps; ++step) {
        if (done()) return true;
        const auto& table = session.table();
        if (!table || session.tournamentOver() || session.humanBustedInCash()) return false;
        if (!table->isHandInProgress) {
            session.startHand();
        } else if (session.isHumanTurn()) {
            checkOrCall(session);
        } else if (table->currentPlayer()) {
            session.playBotTurn();
        } else {
            return false;
        }
    }
    return done();
}

inline bool handOver(const GameSession& session) {
    return session.table() && !session.table()->isHandInProgress;
}

}  // namespace pellox::app::testing

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTest>
#include <memory>

#include "kit/KeyedTimer.hpp"
#include "table/TablePacingTask.hpp"
#include "table/TableScreen.hpp"
#include "table/TableViewModel.hpp"
#include "theme/AppContext.hpp"
#include "theme/Feedback.hpp"

namespace pellox::app::testing {

// The shown button of that text or accessible name under the root, if any.
template <class Button = QAbstractButton>
Button* visibleButton(QWidget& root, const QString& name) {
    for (auto* b : root.findChildren<Button*>())
        if (b->isVisible() && (b->text() == name || b->accessibleName() == name)) return b;
    return nullptr;
}

// Records the sounds the screen asks for instead of playing them.
class RecordingFeedback : public Feedback {
  public:
    using Feedback::Feedback;
    void play(Sfx sound) override { played.push_back(sound); }
    std::vector<Sfx> played;
};

// A table screen over an in-memory session at fast speed, its bots thinking as briefly as they may; the
// runs of its timers are performed on demand instead of after their delays, so a loaded machine that takes
// longer than a delay changes nothing.
struct ScreenRig {
    SessionRig rig;
    RecordingFeedback feedback{rig.settings, QStringLiteral("/nonexistent")};
    AppContext context{&rig.settings, &feedback};
    // When the screen stands beside a sidebar (besideSidebar()): its window, which outlives the screen.
    std::unique_ptr<QWidget> window;
    std::unique_ptr<TableScreen> screen;
    std::vector<int> exits;
    // Off for a test of the timers themselves.
    bool holdsDelayedRuns = true;

    explicit ScreenRig(GuideMode guide = GuideMode::gradeOnly) : rig(false, guide) {
        rig.settings.gameSpeed.set(GameSpeed::fast);
    }

    TableScreen& open(bool frozen = false, bool summaryAtOnce = false, QSize size = {1280, 820}) {
        screen = std::make_unique<TableScreen>(context, rig.session, rig.settings, frozen, summaryAtOnce,
                                               [this] { exits.push_back(1); });
        screen->pacingTask().setJitter([] { return 0.0; });
        screen->pacingTask().pacingTimer().holdDelayedRuns(holdsDelayedRuns);
        screen->pacingTask().preActionTimer().holdDelayedRuns(holdsDelayedRuns);
        if (window) {
            window->layout()->addWidget(screen.get());
            window->resize(size);
            window->show();
        } else {
            screen->resize(size);
            screen->show();
        }
        settle();
        return *screen;
    }

    // Before open(): the screen comes beside a list of the sections, first in the window's focus chain, as
    // the root view shows it.
    QListWidget* besideSidebar() {
        window = std::make_unique<QWidget>();
        auto* row = new QHBoxLayout(window.get());
        auto* sidebar = new QListWidget(window.get());
        sidebar->setAccessibleName(QStringLiteral("Sections"));
        sidebar->addItems({QStringLiteral("Table"), QStringLiteral("Stats")});
        row->addWidget(sidebar);
        return sidebar;
    }

    GameSession& session() { return rig.session; }

    // The screen's window takes the keys, and the screen holds them as the root view hands them over: on
    // the screen itself, no control of it focused.
    bool activate() {
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get())) return false;
        screen->setFocus(Qt::OtherFocusReason);
        return screen->hasFocus();
    }

    // The hand is over and the screen shows its whole board, as the felt decides it.
    bool handShownOver() {
        return TableViewModel::handShownOver(session().table(), screen->pacing().revealedBoardCount());
    }

    // Lets the gathered refreshes run.
    void settle() {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::processEvents();
            if (screen) screen->pacingTask().flush();
        }
    }

    // Performs the pending pacing or pre-action run, if any; false when nothing was waiting.
    bool step() {
        settle();
        if (screen->pacingTask().preActionTimer().runPendingNow() ||
            screen->pacingTask().pacingTimer().runPendingNow()) {
            settle();
            return true;
        }
        return false;
    }

    // Steps until the condition holds; the human's decisions are made by `human` when it is their turn.
    bool driveUntil(const std::function<bool()>& done, const std::function<void()>& human = nullptr,
                    int maxSteps = 20000) {
        for (int i = 0; i < maxSteps; ++i) {
            settle();
            if (done()) return true;
            if (step()) continue;
            if (human && session().isHumanTurn()) {
                human();
                continue;
            }
            return done();
        }
        return done();
    }
};

}  // namespace pellox::app::testing
