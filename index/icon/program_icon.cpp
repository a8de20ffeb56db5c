#include "form2.h"

#include "tovrik-16.xpm"
#include "tovrik-32.xpm"
#include "tovrik-48.xpm"

namespace tovrik {

const std::array<const char *const *, 3> kProgramIcon{tovrik_16_xpm, tovrik_32_xpm, tovrik_48_xpm};

} // namespace tovrik
