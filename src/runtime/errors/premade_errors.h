// The two error objects made once, before they are needed: raising them must not depend on
// memory, since running out of it is one of the reasons to raise.
#pragma once

#include "runtime/errors/errors.h"

namespace zaveredo {

// Makes both objects with their messages (start-up calls it; first use does it otherwise).
void MakePremadeErrors();

const EOutOfMemory& PremadeOutOfMemory();
const EInvalidPointer& PremadeInvalidPointer();

}  // namespace zaveredo
