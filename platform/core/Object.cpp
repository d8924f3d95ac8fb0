#include "platform/core/Object.h"

#include "platform/core/Exceptions.h"

#include <string>

namespace vx {

void TPersistent::Assign(const TPersistent* Source) {
  if (Source)
    Source->AssignTo(this);
  else
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) const {
  Dest->AssignError(this);
}

void TPersistent::AssignError(const TPersistent* Source) const {
  const std::string SourceName = Source ? Source->ClassName() : "nil";
  throw EConvertError("Cannot assign a " + SourceName + " to a " + ClassName());
}

} // namespace vx
