#pragma once

namespace logvane {

class Translations;

// Gives each standard stream that was closed when the program started /dev/null in its place, as
// daemons do: otherwise the next file the program or Qt opens takes its number, and what is
// printed to that stream lands in it.
void openClosedStandardStreams();

// Qt opens the display while the application object is being built; when it cannot, it prints two
// warnings, advises reinstalling the program and aborts. Called around that construction, these
// hold back what Qt and the X libraries print meanwhile. If no display can be opened, the user
// gets one line on standard error and status 1 instead; if no platform plugin could be found or
// loaded, Qt's own reason and the plugins there are, and status 1. Otherwise the held text is
// printed after all, in its order, and Qt's own message handler is back in place.
// `translations` give the user's language to the line, and must outlive the guard.
void holdStartupMessages(const Translations& translations);
void releaseStartupMessages();

} // namespace logvane
