#include "store/HandRecordText.hpp"

#include <charconv>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <optional>
#include <string_view>
#include <variant>

#include "rules/Json.hpp"

namespace pellox {

namespace {

// Length of the valid UTF-8 sequence starting at s[i], or 0 (overlong forms, surrogates and code points
// beyond U+10FFFF are invalid, as for the JSON library).
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = byte(i);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0) low = 0xA0;
        if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0) low = 0x90;
        if (c == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (i + length > s.size()) return 0;
    if (byte(i + 1) < low || byte(i + 1) > high) return 0;
    for (std::size_t k = 2; k < length; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return length;
}

class Writer {
  public:
    explicit Writer(std::string& out) : out_(out) {}

    bool ok() const { return ok_; }

    void open() {
        out_ += '{';
        first_ = true;
    }
    void close() {
        out_ += '}';
        first_ = false;
    }
    void key(std::string_view name) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += '"';
        out_ += name;
        out_ += "\":";
    }

    void string(std::string_view s) {
        out_ += '"';
        for (std::size_t i = 0; i < s.size();) {
            const auto c = static_cast<unsigned char>(s[i]);
            if (c >= 0x80) {
                const auto length = utf8SequenceLength(s, i);
                if (length == 0) {
                    ok_ = false;
                    return;
                }
                out_.append(s.substr(i, length));
                i += length;
                continue;
            }
            escape(c);
            ++i;
        }
        out_ += '"';
    }

    void integer(std::int64_t v) {
        char buffer[24];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
        out_.append(buffer, end);
    }

    void number(double v) {
        if (!std::isfinite(v)) {
            ok_ = false;
            return;
        }
        char buffer[32];
        auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
        const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
        out_ += text;
        if (text.find_first_of(".e") == std::string_view::npos) out_ += ".0";  // stays a JSON float
    }

    void boolean(bool v) { out_ += v ? "true" : "false"; }

    template <RawEnum E>
    void raw(E value) {
        out_ += '"';
        out_ += rawValue(value);
        out_ += '"';
    }

    template <typename T, typename Each>
    void array(const std::vector<T>& items, Each each) {
        out_ += '[';
        for (std::size_t i = 0; i < items.size(); ++i) {
            if (i > 0) out_ += ',';
            each(items[i]);
        }
        out_ += ']';
        first_ = false;
    }

  private:
    void escape(unsigned char c) {
        if (c >= 0x20 && c != '"' && c != '\\') {
            out_ += static_cast<char>(c);
            return;
        }
        // The characters JSON gives a short escape, each above its letter.
        static constexpr std::string_view shortEscaped = "\"\\\b\f\n\r\t";
        static constexpr std::string_view shortLetters = "\"\\bfnrt";
        out_ += '\\';
        if (const auto k = shortEscaped.find(static_cast<char>(c)); k != std::string_view::npos) {
            out_ += shortLetters[k];
            return;
        }
        static constexpr char hex[] = "0123456789abcdef";
        out_ += "u00";
        out_ += hex[c >> 4];
        out_ += hex[c & 0xF];
    }

    std::string& out_;
    bool ok_ = true;
    bool first_ = true;
};

// Every value goes through put(): the scalars directly, lists element by element, the records of the hand
// through their write() below. An optional field that holds nothing is left out, as in to_json.
template <typename T>
void put(Writer& w, const T& v);

template <typename T>
void put(Writer& w, const std::vector<T>& items) {
    w.array(items, [&](const T& item) { put(w, item); });
}

template <typename T>
void field(Writer& w, std::string_view name, const T& v) {
    w.key(name);
    put(w, v);
}

template <typename T>
void field(Writer& w, std::string_view name, const std::optional<T>& v) {
    if (v) field(w, name, *v);
}

template <typename T>
void put(Writer& w, const T& v) {
    if constexpr (std::same_as<T, bool>)
        w.boolean(v);
    else if constexpr (std::integral<T>)
        w.integer(v);
    else if constexpr (std::floating_point<T>)
        w.number(v);
    else if constexpr (std::same_as<T, std::string>)
        w.string(v);
    else if constexpr (RawEnum<T>)
        w.raw(v);
    else
        write(w, v);
}

void write(Writer& w, const Card& c) {
    w.open();
    field(w, "rank", value(c.rank));
    field(w, "suit", c.suit);
    w.close();
}

void write(Writer& w, const PlayerAction& a) {
    w.open();
    field(w, "type", a.type);
    field(w, "amount", a.amount);
    w.close();
}

void payload(Writer& w, const EngineEvent::HandStarted& e) {
    field(w, "handNumber", e.handNumber);
    field(w, "dealerSeatIndex", e.dealerSeatIndex);
}
void payload(Writer& w, const EngineEvent::BlindPosted& e) {
    field(w, "playerId", e.playerId);
    field(w, "kind", e.kind);
    field(w, "amount", e.amount);
}
void payload(Writer& w, const EngineEvent::HoleCardsDealt& e) {
    field(w, "playerId", e.playerId);
}
void payload(Writer& w, const EngineEvent::ActionTaken& e) {
    field(w, "playerId", e.playerId);
    field(w, "action", e.action);
    field(w, "resolvedType", e.resolvedType);
    field(w, "amountPutIn", e.amountPutIn);
}
void payload(Writer& w, const EngineEvent::StreetDealt& e) {
    field(w, "street", e.street);
    field(w, "cards", e.cards);
}
void payload(Writer& w, const EngineEvent::ShowdownRevealed& e) {
    field(w, "playerId", e.playerId);
    field(w, "holeCards", e.holeCards);
    field(w, "handDescription", e.handDescription);
}
void payload(Writer& w, const EngineEvent::PotAwarded& e) {
    field(w, "playerId", e.playerId);
    field(w, "amount", e.amount);
    field(w, "potIndex", e.potIndex);
}
void payload(Writer& w, const EngineEvent::PlayerEliminated& e) {
    field(w, "playerId", e.playerId);
}

void write(Writer& w, const EngineEvent& e) {
    w.open();
    w.key(e.caseName());
    w.open();
    std::visit([&](const auto& c) { payload(w, c); }, e.value);
    w.close();
    w.close();
}

void write(Writer& w, const HandSeat& s) {
    w.open();
    field(w, "id", s.id);
    field(w, "name", s.name);
    field(w, "seatIndex", s.seatIndex);
    field(w, "startingStack", s.startingStack);
    w.close();
}

void write(Writer& w, const Winner& winner) {
    w.open();
    field(w, "playerId", winner.playerId);
    field(w, "amount", winner.amount);
    field(w, "handDescription", winner.handDescription);
    w.close();
}

void write(Writer& w, const GradedDecision& d) {
    w.open();
    field(w, "handNumber", d.handNumber);
    field(w, "street", d.street);
    field(w, "playerAction", d.playerAction);
    field(w, "resolvedType", d.resolvedType);
    field(w, "advisedAction", d.advisedAction);
    field(w, "advisedAmount", d.advisedAmount);
    field(w, "agreed", d.agreed);
    field(w, "equity", d.equity);
    field(w, "requiredEquity", d.requiredEquity);
    field(w, "potSize", d.potSize);
    field(w, "toCall", d.toCall);
    field(w, "explanation", d.explanation);
    w.close();
}

void write(Writer& w, const HandRecord::BlindsSnapshot& b) {
    w.open();
    field(w, "smallBlind", b.smallBlind);
    field(w, "bigBlind", b.bigBlind);
    field(w, "ante", b.ante);
    w.close();
}

}  // namespace

bool appendJson(std::string& out, const HandRecord& r) {
    Writer w(out);
    w.open();
    field(w, "id", r.id);
    field(w, "timestamp", secondsSinceReferenceDate(r.timestamp));
    field(w, "mode", r.mode);
    field(w, "handNumber", r.handNumber);
    field(w, "blinds", r.blinds);
    field(w, "dealerSeatIndex", r.dealerSeatIndex);
    field(w, "seats", r.seats);
    field(w, "humanHoleCards", r.humanHoleCards);
    field(w, "humanPosition", r.humanPosition);
    field(w, "board", r.board);
    field(w, "seed", r.seed);
    field(w, "events", r.events);
    field(w, "winners", r.winners);
    field(w, "grades", r.grades);
    field(w, "humanNet", r.humanNet);
    w.close();
    return w.ok();
}

}  // namespace pellox
