#pragma once
// The program's start checked from outside: with the environment variable
// DUROZ_SMOKE_CHECK set, once the event loop has shown the first window the
// program prints the name and caption of every window it shows ("Form21:
// Bienvenido a …") and ends with 0. CI and the tests start the real
// executable offscreen this way.

namespace app {

void reportShownWindowsWhenAsked();

} // namespace app
