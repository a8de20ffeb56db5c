#include "form2.h"

#include "tovrik-pixels.h"

namespace tovrik {

const std::array<forms::Picture, 3> kProgramIcon{{{16, icon::pixels16}, {32, icon::pixels32}, {48, icon::pixels48}}};

} // namespace tovrik
