#pragma once
#include <memory>
#include <optional>

#include "session/SessionSnapshot.hpp"
#include "store/KeyValueStore.hpp"
#include "store/PersistedValue.hpp"

namespace pellox {

// The stored unfinished hand: "pellox-poker-session-snapshot", envelope version 3.
struct SessionSnapshotStore {
    static const PersistedValue<SessionSnapshot> persisted;

    std::shared_ptr<KeyValueStore> store;

    explicit SessionSnapshotStore(std::shared_ptr<KeyValueStore> store) : store(std::move(store)) {}

    // Replaces any earlier snapshot; one that cannot be encoded writes nothing.
    void save(const SessionSnapshot& snapshot) { persisted.save(snapshot, *store); }
    // None when missing, unreadable, inconsistent or of another version; the document stays.
    std::optional<SessionSnapshot> load() const { return persisted.load(*store); }
    void clear() { store->remove(persisted.key); }
};

}  // namespace pellox
