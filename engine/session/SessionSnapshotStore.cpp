#include "session/SessionSnapshotStore.hpp"

#include "rules/Json.hpp"
#include "store/PersistedValueJson.hpp"

namespace pellox {

template struct PersistedValue<SessionSnapshot>;

const PersistedValue<SessionSnapshot> SessionSnapshotStore::persisted{"pellox-poker-session-snapshot", 3};

}  // namespace pellox
