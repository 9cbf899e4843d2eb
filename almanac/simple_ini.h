// SimpleIni as the almanac's readers of initialisation files use it: the char interface on UTF-8 text, loaded
// the one way. For the almanac's own sources.
#pragma once

#define SI_NO_CONVERSION  // the char interface only: the text is UTF-8 already
#define SI_IMPLEMENTATION // Debian's SimpleIni.h keeps its template definitions behind this switch
#include <SimpleIni.h>
#include <string_view>

namespace almanac {

/// An initialisation file loaded from UTF-8 text, written back as Key=Value; a NUL reads as a blank (it would
/// end the text early for the parser), and text that SimpleIni cannot take leaves the file empty.
void load_ini(CSimpleIniA& ini, std::string_view text);

} // namespace almanac
