// The fixed GL state every frame relies on: the lights' colours, the light
// model, the material values no frame changes, and the global switches. Runs
// once, right after the context has been made current.
#pragma once

namespace quorvil {

void SetUpFixedGlState();

}  // namespace quorvil
