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

    // While one is open, the changes made through the store reach its storage together when the outermost
    // closes: a store that writes a whole file for every change writes it once, so no crash can land
    // between two changes that belong together. Reads see every change at once.
    class Batch {
      public:
        explicit Batch(KeyValueStore& store) : store_(store) { store_.beginBatch(); }
        ~Batch() { store_.endBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

      private:
        KeyValueStore& store_;
    };

  protected:
    // A store whose changes are complete the moment they are made needs neither.
    virtual void beginBatch() {}
    virtual void endBatch() {}
};

}  // namespace pellox
