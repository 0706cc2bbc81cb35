#include "shell/SettingsFileText.hpp"

#include <QString>
#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace pellox::app::settingsFile {
namespace {

constexpr char hexDigits[] = "0123456789ABCDEF";

bool isHexDigit(unsigned char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0 || i + length > text.size()) return false;
        const auto second = static_cast<unsigned char>(length > 1 ? text[i + 1] : 0x80);
        // Overlong forms, surrogates and code points beyond U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

// Writes "\\x" and the character's lowercase hex digits, without leading zero, as QSettings does.
char* writeHex(unsigned char c, char* w) {
    static constexpr char lowerHex[] = "0123456789abcdef";
    *w++ = '\\';
    *w++ = 'x';
    if (c >= 16) *w++ = lowerHex[c >> 4];
    *w++ = lowerHex[c & 0xF];
    return w;
}

// The escape letter of a character QSettings writes as a backslash pair, or 0.
char escapeLetter(unsigned char c) {
    switch (c) {
        case '\0':
            return '0';
        case '\a':
            return 'a';
        case '\b':
            return 'b';
        case '\f':
            return 'f';
        case '\n':
            return 'n';
        case '\r':
            return 'r';
        case '\t':
            return 't';
        case '\v':
            return 'v';
        case '"':
            return '"';
        case '\\':
            return '\\';
        default:
            return 0;
    }
}

// Writes the value's characters, escaped; `needsQuotes` learns whether one of them asks for quotes. Written
// into a buffer sized for the worst case (every character four bytes): a full history is a megabyte.
char* writeEscaped(std::string_view value, char* w, bool& needsQuotes) {
    // Characters written as they are and asking for nothing else: most of a document.
    static constexpr auto plain = [] {
        std::array<bool, 256> table{};
        for (int c = 0x20; c < 256; ++c)
            table[static_cast<std::size_t>(c)] = c != '"' && c != '\\' && c != ';' && c != ',' && c != '=';
        return table;
    }();
    bool escapeNextIfDigit = false;
    for (const char ch : value) {
        const auto c = static_cast<unsigned char>(ch);
        if (plain[c] && !escapeNextIfDigit) {
            *w++ = ch;
            continue;
        }
        if (c == ';' || c == ',' || c == '=') needsQuotes = true;
        if (escapeNextIfDigit && isHexDigit(c)) {
            w = writeHex(c, w);
            continue;
        }
        escapeNextIfDigit = false;
        if (const char letter = escapeLetter(c)) {
            *w++ = '\\';
            *w++ = letter;
            escapeNextIfDigit = c == '\0';
        } else if (c <= 0x1F) {
            w = writeHex(c, w);
            escapeNextIfDigit = true;
        } else {
            *w++ = ch;
        }
    }
    return w;
}

void appendValidEscapedValue(std::string_view value, QByteArray& out) {
    // As QSettings marks a string that holds a NUL, or one that could be taken for such a mark.
    const bool holdsNul = value.find('\0') != std::string_view::npos;
    const std::string_view prefix = holdsNul                                   ? "@String("
                                    : (!value.empty() && value.front() == '@') ? "@"
                                                                               : "";
    const qsizetype start = out.size();
    out.resize(start + 1 + static_cast<qsizetype>(prefix.size() + 4 * value.size() + 2));
    // One byte left free at `start` for an opening quote.
    char* const begin = out.data() + start + 1;
    char* w = std::copy(prefix.begin(), prefix.end(), begin);
    bool needsQuotes = false;
    w = writeEscaped(value, w, needsQuotes);
    if (holdsNul) *w++ = ')';
    if (needsQuotes || (w > begin && (*begin == ' ' || *(w - 1) == ' '))) {
        *(begin - 1) = '"';
        *w++ = '"';
        out.resize(w - out.constData());
    } else {
        std::memmove(begin - 1, begin, static_cast<std::size_t>(w - begin));
        out.resize(w - 1 - out.constData());
    }
}

}  // namespace

void appendEscapedKey(std::string_view key, QByteArray& out) {
    const QString text = QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
                   c == '-' || c == '.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hexDigits[c / 16];
            out += hexDigits[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hexDigits[(c >> shift) & 0xF];
        }
    }
}

void appendEscapedValue(std::string_view value, QByteArray& out) {
    if (isValidUtf8(value)) return appendValidEscapedValue(value, out);
    const QByteArray repaired =
        QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())).toUtf8();
    appendValidEscapedValue(std::string_view(repaired.constData(), static_cast<std::size_t>(repaired.size())),
                            out);
}

QByteArray text(const Values& values) {
    // Section name to its keys in order; the keys outside any group form the first, [General].
    std::map<std::string, std::vector<std::pair<std::string_view, const std::string*>>> sections;
    std::size_t size = 0;
    for (const auto& [key, value] : values) {
        const std::size_t slash = key.find('/');
        const std::string section = slash == std::string::npos ? std::string() : key.substr(0, slash);
        const std::string_view name =
            slash == std::string::npos ? std::string_view(key) : std::string_view(key).substr(slash + 1);
        sections[section].emplace_back(name, &value);
        size += key.size() + value.size() + 8;
    }
    QByteArray out;
    out.reserve(static_cast<qsizetype>(size + size / 16 + 64));
    bool first = true;
    for (const auto& [section, entries] : sections) {
        if (!first) out += '\n';
        first = false;
        out += '[';
        if (section.empty())
            out += "General";
        else
            appendEscapedKey(section, out);
        out += "]\n";
        for (const auto& [name, value] : entries) {
            appendEscapedKey(name, out);
            out += '=';
            appendEscapedValue(*value, out);
            out += '\n';
        }
    }
    return out;
}

}  // namespace pellox::app::settingsFile
