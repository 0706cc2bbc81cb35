#include "theme/Resources.hpp"

#include <QtGlobal>

// Q_INIT_RESOURCE declares the registration function, which must not be in a namespace.
static void registerApplicationResources() {
    Q_INIT_RESOURCE(resources);
}

namespace pellox::app {

void registerResources() {
    static const bool registered = [] {
        registerApplicationResources();
        return true;
    }();
    (void)registered;
}

}  // namespace pellox::app
