#include "platform/Classes.h"

#include <string>

#include "platform/Errors.h"

namespace pelk {

void TPersistent::Assign(const TPersistent& source) { source.AssignTo(*this); }

void TPersistent::AssignTo(TPersistent& dest) const {
  throw EConvertError(std::string("Cannot assign a ") + ClassName() + " to a " + dest.ClassName());
}

void TPersistent::DefineProperties(TFiler& /*filer*/) {}

}  // namespace pelk
