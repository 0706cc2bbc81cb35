#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "rules/EngineError.hpp"
#include "rules/PokerEngine.hpp"
#include "rules/PokerEngineTestSupport.hpp"
#include "rules/SeededRNG.hpp"
#include "rules/TableState.hpp"
#include "strategy/BotDecision.hpp"
#include "strategy/BotDifficulty.hpp"

namespace pellox {
namespace {

using pellox::testing::chipsOnTable;

constexpr std::int64_t kBuyIn = 1000;

struct BotsOnlyGame {
    std::vector<EngineEvent> events;
    std::vector<std::vector<std::int64_t>> stacksAfterEachHand;
    std::int64_t handsCompleted{0};
    std::int64_t actions{0};
};

// A cash game between bots only: every bot acts through BotDecision from the game's generator, every action
// goes through the engine, and a bot that goes broke buys in again before the next hand.
BotsOnlyGame play(std::uint32_t seed, int bots, BotDifficulty difficulty, int hands) {
    std::vector<SeatConfig> seats;
    std::map<std::string, BotProfile> profiles;
    const auto& personalityList = personalities(difficulty);
    for (int k = 0; k < bots; ++k) {
        const std::string id = "bot-" + std::to_string(k + 1);
        seats.push_back({id, "Bot " + std::to_string(k + 1), true, kBuyIn});
        profiles[id] = {skill(difficulty),
                        personalityList[static_cast<std::size_t>(k) % personalityList.size()]};
    }
    TableState table(GameMode::cash, seats, 5, 10, 0);
    SeededRNG rng(RNGStream::seed(seed, RNGStream::game));
    BotsOnlyGame game;
    std::int64_t chips = kBuyIn * bots;
    for (int hand = 0; hand < hands; ++hand) {
        for (const Player& p : std::vector<Player>(table.players))
            if (p.stack < 1) {
                table.players = TableState::restack(table.players, p.id, kBuyIn);
                chips += kBuyIn;
            }
        EngineResult result = PokerEngine::startHand(table, rng);
        table = result.state;
        game.events.insert(game.events.end(), result.events.begin(), result.events.end());
        int steps = 0;
        while (table.isHandInProgress && table.currentToActSeatIndex) {
            const std::string id = table.currentPlayer()->id;
            const PlayerAction action = BotDecision::decide(id, table, profiles.at(id), rng);
            const LegalActions legal = PokerEngine::legalActions(id, table);
            if (action.type == PlayerActionType::bet || action.type == PlayerActionType::raise) {
                EXPECT_TRUE(action.amount.has_value());
                EXPECT_GE(*action.amount, legal.minRaiseTo);
                EXPECT_LE(*action.amount, legal.maxRaiseTo);
                EXPECT_TRUE(*action.amount % chipStep == 0 || *action.amount == legal.minRaiseTo ||
                            *action.amount == legal.maxRaiseTo)
                    << *action.amount;
            }
            try {
                result = PokerEngine::applyAction(action, id, table);
            } catch (const EngineError& e) {
                ADD_FAILURE() << id << " was refused: " << e.what();
                return game;
            }
            table = result.state;
            game.events.insert(game.events.end(), result.events.begin(), result.events.end());
            ++game.actions;
            if (table.isHandInProgress) {
                EXPECT_EQ(chipsOnTable(table), chips);
            }
            if (++steps > 200) {
                ADD_FAILURE() << "hand " << table.handNumber << " does not end";
                return game;
            }
        }
        EXPECT_FALSE(table.isHandInProgress) << "hand " << table.handNumber;
        EXPECT_TRUE(table.winners.has_value());
        std::vector<std::int64_t> stacks;
        std::int64_t sum = 0;
        for (const Player& p : table.players) {
            stacks.push_back(p.stack);
            sum += p.stack;
        }
        EXPECT_EQ(sum, chips) << "chips are conserved";
        game.stacksAfterEachHand.push_back(stacks);
        ++game.handsCompleted;
    }
    return game;
}

TEST(BotsOnlyGameTests, EveryDifficultyAndTableSizePlaysCompleteHands) {
    std::int64_t hands = 0, actions = 0;
    std::map<PlayerActionType, int> resolved;
    for (BotDifficulty difficulty : allCases<BotDifficulty>())
        for (int bots = 2; bots <= 6; ++bots) {
            const BotsOnlyGame game = play(1000 + static_cast<std::uint32_t>(bots), bots, difficulty, 24);
            EXPECT_EQ(game.handsCompleted, 24) << rawValue(difficulty) << " with " << bots;
            hands += game.handsCompleted;
            actions += game.actions;
            for (const EngineEvent& e : game.events)
                if (const auto* taken = std::get_if<EngineEvent::ActionTaken>(&e.value))
                    ++resolved[taken->resolvedType];
        }
    EXPECT_EQ(hands, 360);
    EXPECT_GT(actions, hands);
    // The bots use their whole vocabulary.
    for (PlayerActionType type : {PlayerActionType::fold, PlayerActionType::check, PlayerActionType::call,
                                  PlayerActionType::bet, PlayerActionType::raise})
        EXPECT_GT(resolved[type], 0) << rawValue(type);
}

TEST(BotsOnlyGameTests, SameSeedReplaysTheSameGame) {
    for (BotDifficulty difficulty : allCases<BotDifficulty>()) {
        const BotsOnlyGame first = play(77, 4, difficulty, 20);
        const BotsOnlyGame second = play(77, 4, difficulty, 20);
        EXPECT_EQ(first.events, second.events) << rawValue(difficulty);
        EXPECT_EQ(first.stacksAfterEachHand, second.stacksAfterEachHand) << rawValue(difficulty);
        const BotsOnlyGame other = play(78, 4, difficulty, 20);
        EXPECT_NE(first.events, other.events) << rawValue(difficulty);
    }
}

}  // namespace
}  // namespace pellox
