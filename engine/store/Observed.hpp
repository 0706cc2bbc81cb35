#pragma once
// Observation of engine objects: subscribers learn the name of each changed property. A plain set of an
// equal value stays silent; an assignment or an in-place edit always notifies once. Subscriptions end with
// their token. Each observable class publishes its property names as constants (a nested `Property`), and
// subscribing to a name none of its properties carries is refused.
#include <concepts>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace pellox {

class Observers;

// Ends its subscription when destroyed or reset; safe to outlive the object it watches.
class Subscription {
  public:
    Subscription() = default;
    Subscription(const Subscription&) = delete;
    Subscription& operator=(const Subscription&) = delete;
    Subscription(Subscription&& other) noexcept;
    Subscription& operator=(Subscription&& other) noexcept;
    ~Subscription() { reset(); }

    void reset() noexcept;
    bool isActive() const noexcept;

  private:
    friend class Observers;
    struct Entry {
        std::string property;  // empty: every property
        std::function<void(std::string_view)> callback;
    };
    using Registry = std::map<std::uint64_t, Entry>;
    Subscription(std::weak_ptr<Registry> registry, std::uint64_t id)
        : registry_(std::move(registry)), id_(id) {}

    std::weak_ptr<Registry> registry_;
    std::uint64_t id_ = 0;
};

// The subscribers of one object, notified in the order they subscribed.
class Observers {
  public:
    using Callback = std::function<void(std::string_view property)>;

    Observers() = default;
    Observers(const Observers&) = delete;
    Observers& operator=(const Observers&) = delete;

    [[nodiscard]] Subscription subscribe(Callback callback);
    // Throws std::invalid_argument for a name no observed property declared.
    [[nodiscard]] Subscription subscribe(std::string_view property, Callback callback);
    void notify(std::string_view property) const;
    // Called by each observed property for its name.
    void declare(std::string_view property);

  private:
    std::shared_ptr<Subscription::Registry> registry_ = std::make_shared<Subscription::Registry>();
    std::set<std::string, std::less<>> declared_;
    std::uint64_t nextId_ = 1;
};

// One observed property of an object that owns an Observers.
template <typename T>
class Observed {
  public:
    Observed(Observers& observers, std::string_view name, T initial)
        : observers_(observers), name_(name), value_(std::move(initial)) {
        observers_.declare(name_);
    }
    Observed(const Observed&) = delete;
    Observed& operator=(const Observed&) = delete;

    const T& get() const noexcept { return value_; }
    operator const T&() const noexcept { return value_; }

    void set(T value) {
        if constexpr (std::equality_comparable<T>) {
            if (value == value_) return;
        }
        value_ = std::move(value);
        observers_.notify(name_);
    }

    // For properties whose every write is announced, equal or not.
    void assign(T value) {
        value_ = std::move(value);
        observers_.notify(name_);
    }

    template <typename Edit>
    void modify(Edit&& edit) {
        std::forward<Edit>(edit)(value_);
        observers_.notify(name_);
    }

    [[nodiscard]] Subscription subscribe(Observers::Callback callback) {
        return observers_.subscribe(name_, std::move(callback));
    }

  private:
    Observers& observers_;
    std::string name_;
    T value_;
};

}  // namespace pellox
