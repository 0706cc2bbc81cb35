#pragma once

namespace pellox::app {

// Makes the application's resources (":/sounds/...") available. They live in a static library whose
// registration nothing references, so the linker would drop it unless someone calls this; calling it more
// than once is harmless.
void registerResources();

}  // namespace pellox::app
