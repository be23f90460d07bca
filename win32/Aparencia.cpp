#include "Aparencia.h"

#include <cmath>

namespace morvantis::win32 {

COLORREF Colorref(const janelas::Cor& cor, int padrao) {
    switch (cor.tipo) {
        case janelas::Cor::Tipo::Sistema:
            // The desktop's own value, as the windows were drawn with it.
            return GetSysColor(static_cast<int>(cor.sistema));
        case janelas::Cor::Tipo::Explicita:
            return RGB(cor.rgb.r, cor.rgb.g, cor.rgb.b);
        case janelas::Cor::Tipo::Padrao:
            break;
    }
    return GetSysColor(padrao);
}

Pinceis::~Pinceis() {
    for (const auto& [cor, pincel] : pinceis_) {
        DeleteObject(pincel);
    }
}

HBRUSH Pinceis::De(COLORREF cor) {
    for (const auto& [feita, pincel] : pinceis_) {
        if (feita == cor) {
            return pincel;
        }
    }
    pinceis_.emplace_back(cor, CreateSolidBrush(cor));
    return pinceis_.back().second;
}

Fontes::~Fontes() {
    for (const Feita& f : fontes_) {
        DeleteObject(f.hfont);
    }
}

void Fontes::ManterSo(UINT dpi) {
    std::erase_if(fontes_, [dpi](const Feita& f) {
        if (f.dpi == dpi) {
            return false;
        }
        DeleteObject(f.hfont);
        return true;
    });
}

HFONT Fontes::De(const janelas::Fonte& fonte, UINT dpi) {
    for (const Feita& f : fontes_) {
        if (f.fonte == fonte && f.dpi == dpi) {
            return f.hfont;
        }
    }
    LOGFONTW lf{};
    // Character height, not cell height: 8.25 points are 11 pixels at 96 dpi.
    lf.lfHeight = -static_cast<LONG>(std::lround(fonte.pontos * dpi / 72.0));
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    // "MS Shell Dlg" is the dialog font's alias: Windows maps it to the
    // 8-point face of the system (MS Sans Serif or Tahoma).
    wcscpy_s(lf.lfFaceName, fonte.face == janelas::Fonte::Face::Verdana ? L"Verdana" : L"MS Shell Dlg");
    fontes_.push_back({fonte, dpi, CreateFontIndirectW(&lf)});
    return fontes_.back().hfont;
}

}  // namespace morvantis::win32
