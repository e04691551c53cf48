// TPersistent: the base of every object that can be assigned and streamed.
#pragma once

#include "platform/Types.h"

namespace pelk {

class TFiler;

/// The base of every object that can be assigned and streamed.
class TPersistent : public TObject {
 public:
  /// Copies source into this object. The base version asks the source to
  /// assign itself (AssignTo), which raises EConvertError.
  virtual void Assign(const TPersistent& source);
  /// Defines extra (non-published) properties for streaming.
  virtual void DefineProperties(TFiler& filer);
  /// Class name for messages and streaming.
  virtual const char* ClassName() const { return "TPersistent"; }

 protected:
  /// Copies this object into dest; the base version raises EConvertError.
  virtual void AssignTo(TPersistent& dest) const;
};

}  // namespace pelk
