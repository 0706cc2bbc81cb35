#pragma once
// The string storage every stored document goes through; shared by the settings, statistics and
// snapshot stores. None of the operations reports an error.
#include <optional>
#include <string>
#include <string_view>

namespace pellox {

class KeyValueStore {
  public:
    virtual ~KeyValueStore() = default;

    virtual std::optional<std::string> string(std::string_view key) const = 0;
    // Stores the value, replacing any earlier one.
    virtual void set(std::string value, std::string_view key) = 0;
    // No effect when the key is absent.
    virtual void remove(std::string_view key) = 0;
};

}  // namespace pellox
