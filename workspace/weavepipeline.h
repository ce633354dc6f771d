#pragma once

#include <cstdint>

class QString;

namespace weftara::workspace {

class Workspace;

// The weave ratio in its box: the leading number, kept within 0..100 (the
// ratios the blend knows: 0 the pattern alone, 100 the base alone) and
// rounded halves to even.
std::int16_t weaveRatio(const QString &text);

// Makes the woven picture from the base and the pattern: resets the woven
// picture's tone and zoom, stacks the surfaces, weaves (plainly, into the
// light or into the dark parts, or copies the base when no pattern is
// loaded), keeps the unzoomed copy and records the weave in the log. Assumes
// a base picture; the callers check for it. False when the woven picture
// could not be made (too large for the memory free): it was left as it was,
// and the message has been shown.
bool weave(Workspace &ws);

} // namespace weftara::workspace
