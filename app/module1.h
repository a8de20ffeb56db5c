// Start-up.
#pragma once

namespace tovrik {

// Creates and shows the index window; the program then runs on its events.
void Main();

} // namespace tovrik
