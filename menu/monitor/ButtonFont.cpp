#include "ButtonFont.h"

FontFaceAndHeight ButtonFontFor(bool korean) {
    // "Gulim" in code page 949, which is the system code page whenever this face is chosen.
    if (korean) return FontFaceAndHeight{"\xB1\xBC\xB8\xB2", 12};
    return FontFaceAndHeight{"Tahoma", 14};
}

HFONT CreateButtonFont(bool korean) {
    const FontFaceAndHeight font = ButtonFontFor(korean);
    return ::CreateFontA(font.height, 0, 0, 0, 900, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x50, font.face);
}
