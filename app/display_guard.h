#pragma once

namespace logvane {

// Qt opens the display while the application object is being built; when it cannot, it prints two
// warnings, advises reinstalling the program and aborts. Called around that construction, these
// hold back what Qt and the X libraries print meanwhile. If no display can be opened, the user
// gets one line on standard error and status 1 instead; otherwise the held text is printed after
// all, in its order, and Qt's own message handler is back in place.
void holdStartupMessages();
void releaseStartupMessages();

} // namespace logvane
