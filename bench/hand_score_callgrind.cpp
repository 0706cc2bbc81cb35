// Scores 2^20 random seven-card hands once, with today's scorer or (argument "before") the one it replaced;
// run under callgrind and divide the scorer's inclusive instruction count by 1048576:
//   valgrind --tool=callgrind --callgrind-out-file=cg.out bench/hand_score_callgrind [before]
//   callgrind_annotate --inclusive=yes cg.out | grep -i score
#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "rules/HandEvaluator.hpp"
#include "rules/SeededRNG.hpp"

#include "reference/LegacyHandScore.hpp"

int main(int argc, char** argv) {
    using pellox::Card;
    pellox::SeededRNG rng(12345);
    std::array<Card, 52> deck{};
    for (int i = 0; i < 52; ++i)
        deck[static_cast<std::size_t>(i)] = Card::fromIndex(i);
    std::vector<std::array<Card, 7>> hands(std::size_t{1} << 20);
    for (auto& h : hands)
        for (std::size_t i = 0; i < 7; ++i) {
            std::swap(deck[i], deck[pellox::drawIndex(rng.next(), i, std::size_t{52})]);
            h[i] = deck[i];
        }
    const bool before = argc > 1 && std::string_view(argv[1]) == "before";
    std::int64_t sum = 0;
    for (const auto& h : hands)
        sum += before ? pellox::legacy::legacyScore(h) : pellox::HandEvaluator::score(h);
    std::printf("%lld\n", static_cast<long long>(sum));
    return 0;
}
