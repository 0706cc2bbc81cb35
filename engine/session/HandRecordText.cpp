#include "session/HandRecordText.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <variant>

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
        switch (c) {
            case '"':
                out_ += "\\\"";
                return;
            case '\\':
                out_ += "\\\\";
                return;
            case '\b':
                out_ += "\\b";
                return;
            case '\f':
                out_ += "\\f";
                return;
            case '\n':
                out_ += "\\n";
                return;
            case '\r':
                out_ += "\\r";
                return;
            case '\t':
                out_ += "\\t";
                return;
            default:
                break;
        }
        if (c < 0x20) {
            static constexpr char hex[] = "0123456789abcdef";
            out_ += "\\u00";
            out_ += hex[c >> 4];
            out_ += hex[c & 0xF];
            return;
        }
        out_ += static_cast<char>(c);
    }

    std::string& out_;
    bool ok_ = true;
    bool first_ = true;
};

void write(Writer& w, const Card& c) {
    w.open();
    w.key("rank");
    w.integer(value(c.rank));
    w.key("suit");
    w.raw(c.suit);
    w.close();
}

void writeCards(Writer& w, const std::vector<Card>& cards) {
    w.array(cards, [&](const Card& c) { write(w, c); });
}

void write(Writer& w, const PlayerAction& a) {
    w.open();
    w.key("type");
    w.raw(a.type);
    if (a.amount) {
        w.key("amount");
        w.integer(*a.amount);
    }
    w.close();
}

void playerId(Writer& w, const std::string& id) {
    w.key("playerId");
    w.string(id);
}

void payload(Writer& w, const EngineEvent::HandStarted& e) {
    w.key("handNumber");
    w.integer(e.handNumber);
    w.key("dealerSeatIndex");
    w.integer(e.dealerSeatIndex);
}
void payload(Writer& w, const EngineEvent::BlindPosted& e) {
    playerId(w, e.playerId);
    w.key("kind");
    w.raw(e.kind);
    w.key("amount");
    w.integer(e.amount);
}
void payload(Writer& w, const EngineEvent::HoleCardsDealt& e) {
    playerId(w, e.playerId);
}
void payload(Writer& w, const EngineEvent::ActionTaken& e) {
    playerId(w, e.playerId);
    w.key("action");
    write(w, e.action);
    w.key("resolvedType");
    w.raw(e.resolvedType);
    w.key("amountPutIn");
    w.integer(e.amountPutIn);
}
void payload(Writer& w, const EngineEvent::StreetDealt& e) {
    w.key("street");
    w.raw(e.street);
    w.key("cards");
    writeCards(w, e.cards);
}
void payload(Writer& w, const EngineEvent::ShowdownRevealed& e) {
    playerId(w, e.playerId);
    w.key("holeCards");
    writeCards(w, e.holeCards);
    w.key("handDescription");
    w.string(e.handDescription);
}
void payload(Writer& w, const EngineEvent::PotAwarded& e) {
    playerId(w, e.playerId);
    w.key("amount");
    w.integer(e.amount);
    w.key("potIndex");
    w.integer(e.potIndex);
}
void payload(Writer& w, const EngineEvent::PlayerEliminated& e) {
    playerId(w, e.playerId);
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
    w.key("id");
    w.string(s.id);
    w.key("name");
    w.string(s.name);
    w.key("seatIndex");
    w.integer(s.seatIndex);
    w.key("startingStack");
    w.integer(s.startingStack);
    w.close();
}

void write(Writer& w, const Winner& winner) {
    w.open();
    playerId(w, winner.playerId);
    w.key("amount");
    w.integer(winner.amount);
    if (winner.handDescription) {
        w.key("handDescription");
        w.string(*winner.handDescription);
    }
    w.close();
}

void write(Writer& w, const GradedDecision& d) {
    w.open();
    w.key("handNumber");
    w.integer(d.handNumber);
    w.key("street");
    w.raw(d.street);
    w.key("playerAction");
    write(w, d.playerAction);
    w.key("resolvedType");
    w.raw(d.resolvedType);
    w.key("advisedAction");
    w.raw(d.advisedAction);
    if (d.advisedAmount) {
        w.key("advisedAmount");
        w.integer(*d.advisedAmount);
    }
    w.key("agreed");
    w.boolean(d.agreed);
    if (d.equity) {
        w.key("equity");
        w.number(*d.equity);
    }
    if (d.requiredEquity) {
        w.key("requiredEquity");
        w.number(*d.requiredEquity);
    }
    w.key("potSize");
    w.integer(d.potSize);
    w.key("toCall");
    w.integer(d.toCall);
    w.key("explanation");
    w.string(d.explanation);
    w.close();
}

template <typename T>
void writeAll(Writer& w, const std::vector<T>& items) {
    w.array(items, [&](const T& item) { write(w, item); });
}

}  // namespace

bool appendJson(std::string& out, const HandRecord& r) {
    Writer w(out);
    w.open();
    w.key("id");
    w.string(r.id);
    w.key("timestamp");
    w.number(secondsSinceReferenceDate(r.timestamp));
    w.key("mode");
    w.raw(r.mode);
    w.key("handNumber");
    w.integer(r.handNumber);
    w.key("blinds");
    w.open();
    w.key("smallBlind");
    w.integer(r.blinds.smallBlind);
    w.key("bigBlind");
    w.integer(r.blinds.bigBlind);
    w.key("ante");
    w.integer(r.blinds.ante);
    w.close();
    w.key("dealerSeatIndex");
    w.integer(r.dealerSeatIndex);
    w.key("seats");
    writeAll(w, r.seats);
    w.key("humanHoleCards");
    writeCards(w, r.humanHoleCards);
    w.key("humanPosition");
    w.raw(r.humanPosition);
    w.key("board");
    writeCards(w, r.board);
    w.key("seed");
    w.integer(r.seed);
    w.key("events");
    writeAll(w, r.events);
    w.key("winners");
    writeAll(w, r.winners);
    w.key("grades");
    writeAll(w, r.grades);
    w.key("humanNet");
    w.integer(r.humanNet);
    w.close();
    return w.ok();
}

}  // namespace pellox
