#pragma once
// The tones of our skins. Every picture is drawn in one design palette (the light
// skin's colours, SkinLook.h); a tone maps each colour of it into the colours of
// another skin as it is drawn, so that the dark and the paper skin keep the light
// one's shapes, states and contrasts in their own colours. The light skin has no tone.
#include "SkinCanvas.h"

namespace tone {

// Dark slate faces and ink fields with light glyphs; what the design tints
// lavender-blue turns a restrained teal, kept bright enough to read on the dark.
TRgb Night(TRgb c);
// Warm off-white fields and light sand faces with brown-grey glyphs; the accent
// turns a muted terracotta.
TRgb Paper(TRgb c);

}  // namespace tone
