#include "app/Moduli.h"

#include "core/ui/Container.h"

namespace quorvane {

void registraModuli() {
    // One line per module window: Container::registraModulo("Nome", [](Container& c) { ... });
}

}  // namespace quorvane
