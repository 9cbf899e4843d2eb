// The signals that end a session (SIGTERM at log-out or from kill, SIGHUP when the terminal goes, SIGINT)
// end the program as its Exit command does, so that every window writes its files.
#pragma once

namespace almadex {

/// From now on SIGTERM, SIGHUP and SIGINT make the running application's event loop quit (the handler only
/// writes to a pipe, which the loop reads). Call once, after the application is made.
void quit_on_end_signals();

} // namespace almadex
