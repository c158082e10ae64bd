// Registers every control skinner class under its class name, so the control dispatch can make
// the skinner it decides for a control.
#pragma once

namespace varnelta {

void RegisterControlSkinners();

}  // namespace varnelta
