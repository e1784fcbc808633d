#include "tools/snapshot_hook.h"

namespace quorvil::sim {

namespace {
SnapFunction registeredSnap = nullptr;
}  // namespace

void RegisterSnapFunction(SnapFunction function) { registeredSnap = function; }

SnapFunction RegisteredSnapFunction() { return registeredSnap; }

}  // namespace quorvil::sim
