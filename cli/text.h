// Human-readable renderings of almadex-cli's JSON documents; each ends with a newline.
#pragma once

#include "cli/commands.h"

#include <string>

namespace almadex::cli {

std::string day_text(const json& doc);
std::string moon_text(const json& doc);
std::string phases_text(const json& doc);
std::string eclipses_text(const json& doc);
std::string seasons_text(const json& doc);
std::string solar_term_text(const json& doc);
std::string position_text(const json& doc);
std::string riseset_text(const json& doc);
std::string between_text(const json& doc);

} // namespace almadex::cli
