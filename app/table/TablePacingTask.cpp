#include "table/TablePacingTask.hpp"

#include <QRandomGenerator>
#include <QString>

#include "kit/KeyedTimer.hpp"
#include "kit/RefreshCoalescer.hpp"
#include "rules/PlayerAction.hpp"
#include "session/GameSession.hpp"
#include "store/SettingsStore.hpp"
#include "table/TableControls.hpp"
#include "theme/AppContext.hpp"
#include "theme/Feedback.hpp"

namespace pellox::app {

namespace {

Feedback::Sfx sfx(TablePacing::Sound sound) {
    switch (sound) {
        case TablePacing::Sound::deal:
            return Feedback::Sfx::deal;
        case TablePacing::Sound::chip:
            return Feedback::Sfx::chip;
        case TablePacing::Sound::win:
            return Feedback::Sfx::win;
    }
    return Feedback::Sfx::chip;
}

}  // namespace

TablePacingTask::TablePacingTask(const AppContext& context, GameSession& session, SettingsStore& settings,
                                 bool frozen, QObject* parent)
    : QObject(parent),
      context_(context),
      session_(session),
      settings_(settings),
      pacing_(session, settings, frozen, context.reduceMotion()),
      jitter_([] { return QRandomGenerator::global()->generateDouble(); }),
      coalescer_(std::make_unique<RefreshCoalescer>([this] { refresh(); })),
      pacingTimer_(std::make_unique<KeyedTimer>()),
      preActionTimer_(std::make_unique<KeyedTimer>()) {
    // The table is watched as it changes, not at the refresh, so a new game is told from a new hand.
    sessionWatch_ = session_.subscribe([this](std::string_view property) {
        if (property == GameSession::Property::table) pacing_.observeTable();
        coalescer_->notify();
    });
    settingsWatch_ = settings_.subscribe([this](std::string_view) { coalescer_->notify(); });
    // The first refresh is the sound watchers' initial run and arms the first step.
    coalescer_->notify();
}

TablePacingTask::~TablePacingTask() = default;

void TablePacingTask::notify() {
    coalescer_->notify();
}

void TablePacingTask::flush() {
    coalescer_->flush();
}

void TablePacingTask::refresh() {
    schedulePacingRun();
    schedulePreActionRun();
    for (TablePacing::Sound sound : pacing_.soundsDue())
        play(sound);
    emit refreshed();
}

void TablePacingTask::schedulePacingRun() {
    const TablePacing::PacingKey key = pacing_.pacingKey();
    if (pacedKey_ == key) return;
    pacedKey_ = key;
    pacingTimer_->cancel();
    const PacingStep step = pacing_.pacingStep(jitter_());
    if (!step.advance) return;
    const PacingAction action = step.advance->action;
    pacingTimer_->schedule(pacing_.delayBefore(*step.advance), [this, action] { perform(action); });
}

void TablePacingTask::perform(PacingAction action) {
    switch (action) {
        case PacingAction::revealNextCard:
            play(TablePacing::Sound::deal);
            pacing_.revealOneMoreCard();
            coalescer_->notify();
            break;
        case PacingAction::playBotTurn:
            session_.playBotTurn();
            break;
        case PacingAction::startNextHand:
            if (pacing_.finishHand()) {
                startHand();
            } else {
                coalescer_->notify();
            }
            break;
    }
}

void TablePacingTask::startHand() {
    const HandKey before = pacing_.handKey();
    session_.startHand();
    // A tournament is settled as its next hand would start, and then none starts: its end comes there,
    // after the one pause the final hand has had, not after another.
    if (pacing_.handKey() == before && pacing_.gameOver()) pacing_.finishHand();
}

void TablePacingTask::schedulePreActionRun() {
    const auto& table = session_.table();
    const std::string key = TableControls::preActionKey(session_.isHumanTurn(), session_.preAction(),
                                                        table ? table->handNumber : 0);
    if (!preActionTimer_->changeKey(QString::fromStdString(key) + '#' + QString::number(pacing_.game())))
        return;
    if (!session_.isHumanTurn() || !session_.preAction()) return;
    preActionTimer_->schedule(TableControls::preActionDelay(settings_.gameSpeed.get()),
                              [this] { firePreAction(); });
}

void TablePacingTask::firePreAction() {
    if (!session_.applyPreAction()) return;
    const Player* human = session_.table() ? session_.table()->player(GameSession::humanId) : nullptr;
    if (human && human->lastAction && context_.feedback())
        context_.feedback()->actionTaken(human->lastAction->type);
}

void TablePacingTask::submit(const PlayerAction& action) {
    if (context_.feedback()) context_.feedback()->actionTaken(action);
    session_.submitHumanAction(action.type, action.amount);
}

void TablePacingTask::foldFromSeat() {
    submit({PlayerActionType::fold, std::nullopt});
}

void TablePacingTask::advanceOrRevealAll() {
    switch (pacing_.advanceOrRevealAll()) {
        case TablePacing::Skip::revealedBoard:
        case TablePacing::Skip::endShown:
            coalescer_->notify();
            break;
        case TablePacing::Skip::startHand:
            startHand();
            break;
        case TablePacing::Skip::nothing:
            break;
    }
}

void TablePacingTask::setShowingSummary(bool showing) {
    if (pacing_.showingSummary() == showing) return;
    pacing_.setShowingSummary(showing);
    coalescer_->notify();
}

void TablePacingTask::play(TablePacing::Sound sound) const {
    if (context_.feedback()) context_.feedback()->play(sfx(sound));
}

}  // namespace pellox::app
