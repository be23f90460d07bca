#include "Aparencia.h"

#include <cmath>

namespace morvantis::win32 {

bool AltoContraste() {
    wchar_t teste[2] = {};
    if (GetEnvironmentVariableW(L"MORVANTIS_ALTO_CONTRASTE", teste, 2) == 1) {
        return teste[0] == L'1';
    }
    HIGHCONTRASTW tema{};
    tema.cbSize = sizeof tema;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof tema, &tema, 0) != FALSE &&
           (tema.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF Colorref(janelas::CorSistema cor, bool altoContraste) {
    // The classic scheme's value, not the desktop's: Windows 10 and 11 (and
    // Wine) make the active caption's text black, which would hide the
    // about window's rules on its black ground.
    return altoContraste ? GetSysColor(static_cast<int>(cor)) : Colorref(janelas::ValorClassico(cor));
}

COLORREF Colorref(const janelas::Cor& cor, janelas::Uso uso, bool altoContraste) {
    if (altoContraste) {
        return Colorref(janelas::NoAltoContraste(uso), true);
    }
    switch (cor.tipo) {
        case janelas::Cor::Tipo::Sistema:
            return Colorref(cor.sistema, false);
        case janelas::Cor::Tipo::Explicita:
            return Colorref(cor.rgb);
        case janelas::Cor::Tipo::Padrao:
            // Only a window's ground comes here unsettled.
            break;
    }
    return Colorref(janelas::CorSistema::FaceBotao, false);
}

void Fontes::ManterSo(UINT dpi) {
    fontes_.LargarSe([dpi](const auto& chave) { return chave.second != dpi; });
}

HFONT Fontes::De(const janelas::Fonte& fonte, UINT dpi) {
    return fontes_.De({fonte, dpi}, [&fonte, dpi] {
        LOGFONTW lf{};
        // Character height, not cell height: 8.25 points are 11 pixels at 96 dpi.
        lf.lfHeight = -static_cast<LONG>(std::lround(fonte.pontos * dpi / 72.0));
        lf.lfWeight = FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = DEFAULT_QUALITY;
        // "MS Shell Dlg" is the dialog font's alias: Windows maps it to the
        // 8-point face of the system (MS Sans Serif or Tahoma).
        wcscpy_s(lf.lfFaceName, fonte.face == janelas::Fonte::Face::Verdana ? L"Verdana" : L"MS Shell Dlg");
        return CreateFontIndirectW(&lf);
    });
}

}  // namespace morvantis::win32
