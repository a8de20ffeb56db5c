// Start-up.
#pragma once

#include <QString>

class QTranslator;

namespace tovrik {

// Creates and shows the index window; the program then runs on its events.
void Main();

// Sets up the application before any window: its id (so that the desktop
// matches the windows to the desktop entry) and Qt's standard texts in
// Chinese. Run once, right after the application object is made.
void prepareApplication();

// Qt's own standard texts (the edit menu of a text box, and the like) in
// Simplified Chinese, as the rest of the program speaks, whatever the
// locale: loads qtbase_zh_CN.qm from the given folder (by default Qt's own
// translations) and installs it for the application, which owns it. Returns
// nullptr, and changes nothing, where the file is absent.
QTranslator *installStandardTexts(const QString &folder = QString());

} // namespace tovrik
