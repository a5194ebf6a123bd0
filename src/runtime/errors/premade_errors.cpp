#include "runtime/errors/premade_errors.h"

#include "runtime/errors/messages.h"

namespace zaveredo {

void MakePremadeErrors() {
  PremadeOutOfMemory();
  PremadeInvalidPointer();
}

const EOutOfMemory& PremadeOutOfMemory() {
  static const EOutOfMemory error(MessageText(MessageId::kOutOfMemory));
  return error;
}

const EInvalidPointer& PremadeInvalidPointer() {
  static const EInvalidPointer error(MessageText(MessageId::kInvalidPointer));
  return error;
}

}  // namespace zaveredo
