#pragma once

// The window's font is named "ＭＳ Ｐゴシック", which Linux systems do not have and which
// fontconfig answers with a Latin font. Names the Japanese fonts to use in its place, a
// proportional gothic first, so that no Japanese text shows as boxes.
void installFontFallbacks();
