#include "ui_fonts.h"

#include "dpi_scale.h"

#include <cstring>
#include <initializer_list>
#include <map>
#include <string>

namespace ptr {

namespace {

// Each wanted face, then faces of the same kind (proportional or fixed pitch) that
// other systems have.
const char *const kProportional[] = {"ＭＳ Ｐゴシック", "MS PGothic", "Meiryo UI", "IPAPGothic", "IPA Pゴシック",
                                     "VL PGothic", "Noto Sans CJK JP", nullptr};
const char *const kFixed[] = {"ＭＳ ゴシック", "MS Gothic", "IPAGothic", "IPAゴシック", "VL Gothic",
                              "Noto Sans Mono CJK JP", nullptr};

int CALLBACK NoteFound(const LOGFONTA *, const TEXTMETRICA *, DWORD, LPARAM found) {
    *reinterpret_cast<bool *>(found) = true;
    return 0;   // one is enough
}

bool FaceInstalled(const char *face) {
    LOGFONTA lf{};
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strncpy(lf.lfFaceName, face, LF_FACESIZE - 1);
    bool found = false;
    const HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &lf, NoteFound, reinterpret_cast<LPARAM>(&found), 0);
    ReleaseDC(nullptr, screen);
    return found;
}

}  // namespace

const char *AvailableFace(const char *face) {
    static std::map<std::string, const char *> chosen;   // the font list is asked once per face
    const auto known = chosen.find(face);
    if (known != chosen.end()) return known->second;
    const char *result = face;
    for (const char *const *list : {kProportional, kFixed}) {
        if (std::strcmp(list[0], face) != 0) continue;
        for (const char *const *f = list; *f; ++f) {
            if (FaceInstalled(*f)) {
                result = *f;
                break;
            }
        }
    }
    chosen[face] = result;
    return result;
}

HFONT CreateUiFont(const char *face, double points, bool bold, int dpi) {
    return CreateFontA(tlx::FontHeight(points, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       AvailableFace(face));
}

HFONT DialogFont(int dpi) {
    static std::map<int, HFONT> fonts;
    HFONT &font = fonts[dpi];
    if (!font) font = CreateUiFont("ＭＳ Ｐゴシック", 9, false, dpi);
    return font;
}

}  // namespace ptr
