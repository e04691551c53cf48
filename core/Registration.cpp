#include "core/Registration.h"

#include "core/FormFiles.h"
#include "platform/Streaming.h"

namespace pelk {

void Register() { RegisterComponents("Samples", {&PelkgraphClass()}); }

}  // namespace pelk
