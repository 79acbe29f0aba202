// The timed input of the render tool: "WHAT@MS;WHAT@MS", for example
// "key:0@1;keyup:esc@1500;click:400,300@2000".
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "harness/Scenario.h"

namespace dulm {

// The latest time an event may be scripted at, and the range of a point's coordinates.
inline constexpr std::int64_t kLatestEventMs = 2147483647;
inline constexpr long kLeastCoordinate = -32768;
inline constexpr long kGreatestCoordinate = 32767;

// Reads a whole decimal integer from lo to hi: digits with an optional leading '-', nothing else;
// false for anything else, a number outside the range included.
bool ParseInteger(std::string_view text, long lo, long hi, long& value);

// Text from the command line as a message quotes it: whole up to 80 bytes, else its first 80
// (not cutting a character in two) and "...", so that a huge argument does not flood the message.
std::string Excerpt(std::string_view text);

// Posts every event of the script to the scenario; on a malformed event returns false and says why.
bool PostEventScript(const std::string& script, Scenario& scenario, std::string& error);

}  // namespace dulm
