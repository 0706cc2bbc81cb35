#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "store/InMemoryStore.hpp"
#include "store/KeyValueStore.hpp"

namespace pellox::test {

// Counts the writes a store that replaces a whole file per change would make: one per change, or one per
// outermost batch that changed something.
class WriteCountingStore final : public KeyValueStore {
  public:
    InMemoryStore values;
    int writes = 0;

    std::optional<std::string> string(std::string_view k) const override { return values.string(k); }
    void set(std::string value, std::string_view k) override {
        values.set(std::move(value), k);
        changed();
    }
    void remove(std::string_view k) override {
        values.remove(k);
        changed();
    }

  protected:
    void beginBatch() override { ++depth_; }
    void endBatch() override {
        if (--depth_ == 0 && std::exchange(pending_, false)) ++writes;
    }

  private:
    void changed() {
        if (depth_ > 0)
            pending_ = true;
        else
            ++writes;
    }
    int depth_ = 0;
    bool pending_ = false;
};

}  // namespace pellox::test
