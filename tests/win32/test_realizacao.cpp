// A description realised with the Windows API: for every control of every
// window a real control of the right class at its place with its text and
// styles, the window's frame and client area, and the colours it hands out.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "Encerramento.h"
#include "FrmMain.h"
#include "Geometria.h"
#include "Janela.h"
#include "Janelas.h"
#include "KitWin32.h"
#include "Realizacoes.h"
#include "TextoLargo.h"

namespace {

using namespace morvantis;
using janelas::Tipo;

std::wstring Classe(HWND h) {
    wchar_t nome[64] = {};
    GetClassNameW(h, nome, 64);
    return nome;
}

RECT NoCliente(HWND janela, HWND controle) {
    RECT r{};
    GetWindowRect(controle, &r);
    MapWindowPoints(nullptr, janela, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool Tem(HWND h, LONG_PTR estilo) {
    return (GetWindowLongPtrW(h, GWL_STYLE) & estilo) == estilo;
}

COLORREF Rgb(const janelas::Rgb& rgb) {
    return RGB(rgb.r, rgb.g, rgb.b);
}

// What a described colour is: a named one the classic scheme's value
// whatever the desktop's, the default the desktop's `padrao`.
COLORREF Esperada(const janelas::Cor& cor, int padrao) {
    switch (cor.tipo) {
        case janelas::Cor::Tipo::Explicita:
            return Rgb(cor.rgb);
        case janelas::Cor::Tipo::Sistema:
            return Rgb(janelas::ValorClassico(cor.sistema));
        case janelas::Cor::Tipo::Padrao:
            break;
    }
    return GetSysColor(padrao);
}

// Shown, with the frame and every control painted.
void MostrarPintada(win32::Janela& janela) {
    janela.Mostrar();
    RedrawWindow(janela.Hwnd(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

class Realizacao : public ::testing::TestWithParam<const janelas::Janela*> {
protected:
    void SetUp() override {
        viva_ = kit_.Criar(*GetParam(), nullptr);
        janela_ = static_cast<win32::Janela*>(viva_.get());
        // The layout below is checked at 96 dpi, Wine's default.
        ASSERT_EQ(GetDpiForWindow(janela_->Hwnd()), USER_DEFAULT_SCREEN_DPI);
    }

    win32::Kit kit_{GetModuleHandleW(nullptr)};
    std::unique_ptr<janelas::JanelaViva> viva_;
    win32::Janela* janela_ = nullptr;
};

TEST_P(Realizacao, EveryControlIsARealControlWithItsTextAndStyles) {
    const janelas::Janela& d = *GetParam();
    for (std::size_t i = 0; i < d.controles.size(); ++i) {
        const janelas::Controle& c = d.controles[i];
        SCOPED_TRACE(std::string(c.nome));
        if (c.tipo == Tipo::Temporizador) {
            EXPECT_NO_THROW((void)janela_->Temporizador(c.nome));
            continue;
        }
        HWND h = janela_->HwndDe(c.nome);
        ASSERT_NE(h, nullptr);
        EXPECT_EQ(GetDlgItem(janela_->Hwnd(), win32::Janela::IdDoControle(i)), h);
        const wchar_t* classe = c.tipo == Tipo::Botao   ? L"Button"
                                : c.tipo == Tipo::Caixa ? L"Edit"
                                                        : L"Static";
        EXPECT_EQ(_wcsicmp(Classe(h).c_str(), classe), 0);
        if (c.tipo == Tipo::Botao || c.tipo == Tipo::Caixa || c.tipo == Tipo::Rotulo) {
            EXPECT_EQ(win32::ParaU16(win32::TextoDe(h)), c.texto);
        }
        EXPECT_EQ(IsWindowEnabled(h) != FALSE, c.habilitado);
        if (c.tipo == Tipo::Botao) {
            EXPECT_FALSE(Tem(h, BS_DEFPUSHBUTTON));
        }
        if (c.tipo == Tipo::Caixa) {
            EXPECT_EQ(Tem(h, ES_MULTILINE), c.multiLinha);
            EXPECT_EQ(Tem(h, ES_READONLY), c.travado);
            EXPECT_EQ(Tem(h, WS_VSCROLL), c.barraVertical);
            EXPECT_EQ(Tem(h, ES_CENTER), c.alinhamento == janelas::Alinhamento::Centro);
            if (c.maximoCaracteres > 0) {
                EXPECT_EQ(SendMessageW(h, EM_GETLIMITTEXT, 0, 0), c.maximoCaracteres);
            }
            // A screen reader names the box after the label before it.
            HWND rotulo = GetWindow(h, GW_HWNDPREV);
            ASSERT_NE(rotulo, nullptr);
            EXPECT_EQ(_wcsicmp(Classe(rotulo).c_str(), L"Static"), 0);
            EXPECT_EQ(win32::ParaU16(win32::TextoDe(rotulo)), c.NomeAcessivel());
        }
        if (c.tipo == Tipo::Imagem) {
            EXPECT_NE(SendMessageW(h, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
        }
    }
}

TEST_P(Realizacao, DialogFrameNoCaptionDescribedClientAreaCentredOutOfTheTaskbar) {
    const janelas::Janela& d = *GetParam();
    HWND h = janela_->Hwnd();
    EXPECT_FALSE(Tem(h, WS_CAPTION));
    EXPECT_FALSE(Tem(h, WS_SYSMENU));
    EXPECT_TRUE(Tem(h, WS_DLGFRAME));
    EXPECT_EQ(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);
    EXPECT_NE(GetWindow(h, GW_OWNER), nullptr);
    EXPECT_EQ(win32::ParaU16(win32::TextoDe(h)), d.nomeAcessivel);
    // The snowflake (linked in here as in Morvantis.exe), both sizes.
    EXPECT_NE(SendMessageW(h, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(h, WM_GETICON, ICON_SMALL, 0), 0);

    janela_->Mostrar();
    RECT fora{};
    GetWindowRect(h, &fora);
    EXPECT_EQ(fora.right - fora.left, d.cliente.largura + 2 * janelas::MolduraPixels);
    EXPECT_EQ(fora.bottom - fora.top, d.cliente.altura + 2 * janelas::MolduraPixels);
    // Rounded as on every realisation.
    EXPECT_EQ(fora.left, janelas::Centrado(GetSystemMetrics(SM_CXSCREEN), fora.right - fora.left));
    EXPECT_EQ(fora.top, janelas::Centrado(GetSystemMetrics(SM_CYSCREEN), fora.bottom - fora.top));
    janela_->Fechar();
}

// The raised frame as painted on the screen, ring by ring from the outside:
// the light shade on the top and left edges and the top-left corner, the
// dark one on the bottom and right edges and the other three corners, then
// the window's ground. A ring one pixel off on any side would show here. At
// 144 and 192 dpi each ring is two device pixels, and each picture's pixels
// are whole blocks of device pixels, none blended.
TEST_P(Realizacao, FrameIsLightAboveAndLeftDarkBelowAndRightToTheCorners) {
    HWND h = janela_->Hwnd();
    std::map<std::string_view, std::tuple<std::vector<COLORREF>, int, int>> originais;
    for (const auto& [dpi, anel] : {std::pair{96U, 1}, {144U, 2}, {192U, 2}}) {
        SCOPED_TRACE(dpi);
        RECT sugerido{};
        SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&sugerido));
        MostrarPintada(*janela_);
        RECT fora{};
        GetWindowRect(h, &fora);
        HDC dc = GetWindowDC(h);
        morvantis::testing::VerMoldura(
            anel, fora.right - fora.left, fora.bottom - fora.top,
            [](janelas::CorSistema c) { return Rgb(janelas::ValorClassico(c)); },
            Esperada(GetParam()->fundo, COLOR_3DFACE), [dc](int x, int y) { return GetPixel(dc, x, y); });
        // The pictures, against their own pixels at 96 dpi.
        for (const janelas::Controle& c : GetParam()->controles) {
            if (c.tipo != Tipo::Imagem) {
                continue;
            }
            auto* bitmap = reinterpret_cast<HBITMAP>(
                SendMessageW(janela_->HwndDe(c.nome), STM_GETIMAGE, IMAGE_BITMAP, 0));
            BITMAP bm{};
            GetObjectW(bitmap, sizeof bm, &bm);
            BITMAPINFO formato{
                {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
            std::vector<COLORREF> visto(static_cast<std::size_t>(bm.bmWidth) * bm.bmHeight);
            GetDIBits(dc, bitmap, 0, static_cast<UINT>(bm.bmHeight), visto.data(), &formato, DIB_RGB_COLORS);
            auto& [origem, largura, altura] = originais[c.nome];
            if (dpi == 96) {
                origem = visto, largura = bm.bmWidth, altura = bm.bmHeight;
            }
            EXPECT_EQ(bm.bmWidth, janelas::EmPixels(largura, dpi / 96.0)) << c.nome;
            const int erradas = morvantis::testing::PixelsBorrados(
                bm.bmWidth, bm.bmHeight, largura, altura,
                [&](int x, int y) { return visto[y * bm.bmWidth + x]; },
                [&](int x, int y) { return origem[y * largura + x]; });
            EXPECT_EQ(erradas, 0) << c.nome << " nearest neighbour";
        }
        ReleaseDC(h, dc);
    }
    janela_->Fechar();
}

// Tab and Shift+Tab go round each window both ways (the answer box handing
// Tab on, and passed over by Shift+Tab; the help text no trap), the button
// with the focus is the default one that Enter presses, and the focused
// control alone has the white ring around it from the moment the window
// opens.
TEST_P(Realizacao, TabAndShiftTabGoRoundBothWaysAndTheMarkFollowsTheFocus) {
    GeradorPadrao gerador;
    Module1 modulo(gerador);
    Encerramento fim(kit_);
    // The main window with its handlers, for the answer box's.
    std::optional<FrmMain> principal;
    auto* janela = janela_;
    if (GetParam() == &janelas::Principal) {
        janela = static_cast<win32::Janela*>(&principal.emplace(kit_, modulo, fim).Janela());
    }
    const auto tab = [this](bool shift) {
        BYTE teclado[256] = {};
        GetKeyboardState(teclado);
        teclado[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(teclado);
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 0xC0000001);
        kit_.Rodar([] {
            MSG m;
            return PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
        });
        teclado[VK_SHIFT] = 0;
        SetKeyboardState(teclado);
    };
    const auto verMarca = [&](std::string_view focado) {
        EXPECT_EQ(GetFocus(), janela->HwndDe(focado)) << focado;
        HDC dc = GetDC(janela->Hwnd());
        for (const std::string_view nome : morvantis::testing::OrdemDeTab(GetParam()->nome)) {
            HWND h = janela->HwndDe(nome);
            const RECT r = NoCliente(janela->Hwnd(), h);
            const int meio = (r.top + r.bottom) / 2;
            EXPECT_EQ(GetPixel(dc, r.left - 2, meio), nome == focado
                                                          ? Rgb(janelas::ValorClassico(janelas::CorMarcaFoco))
                                                          : Esperada(GetParam()->fundo, 0))
                << nome << ", the ring";
            EXPECT_EQ(GetPixel(dc, r.left - 1, meio), Esperada(GetParam()->fundo, 0)) << nome;
            if (nome.starts_with("Cmd")) {
                EXPECT_EQ(Tem(h, BS_DEFPUSHBUTTON), nome == focado) << nome << ", the default button";
            }
        }
        ReleaseDC(janela->Hwnd(), dc);
    };
    MostrarPintada(*janela);
    morvantis::testing::RodarNosDoisSentidos(GetParam()->nome, tab, verMarca);
    janela->Fechar();
}

// Each rule shows on the screen against the window's ground: the about
// window's two, in the active caption's text colour, once came out black on
// black.
TEST_P(Realizacao, LinesShowAgainstTheGround) {
    const janelas::Janela& d = *GetParam();
    MostrarPintada(*janela_);
    const COLORREF chao = Esperada(d.fundo, COLOR_3DFACE);  // as the frame test finds it
    for (const janelas::Controle& c : d.controles) {
        if (c.tipo != Tipo::Linha) {
            continue;
        }
        SCOPED_TRACE(std::string(c.nome));
        HWND linha = janela_->HwndDe(c.nome);
        HDC dc = GetDC(linha);
        const COLORREF cor = GetPixel(dc, c.area.largura / 2, 0);
        ReleaseDC(linha, dc);
        EXPECT_NE(cor, chao);
        EXPECT_EQ(cor, Esperada(c.corTexto, COLOR_WINDOWTEXT));
    }
    janela_->Fechar();
}

TEST_P(Realizacao, GroundLabelsBoxesAndLinesTakeTheirDescribedColours) {
    const janelas::Janela& d = *GetParam();
    HWND h = janela_->Hwnd();
    HDC tela = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(tela);
    HBITMAP bitmap = CreateCompatibleBitmap(tela, 4, 4);
    SelectObject(dc, bitmap);
    SendMessageW(h, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetPixel(dc, 1, 1), Esperada(d.fundo, COLOR_3DFACE));
    for (const janelas::Controle& c : d.controles) {
        SCOPED_TRACE(std::string(c.nome));
        if (c.tipo != Tipo::Caixa && c.tipo != Tipo::Rotulo && c.tipo != Tipo::Linha) {
            continue;
        }
        // A read-only EDIT asks as a STATIC does.
        const UINT pergunta = c.tipo == Tipo::Caixa && !c.travado ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        auto* pincel = reinterpret_cast<HBRUSH>(SendMessageW(
            h, pergunta, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(janela_->HwndDe(c.nome))));
        LOGBRUSH lb{};
        ASSERT_NE(GetObjectW(pincel, sizeof lb, &lb), 0);
        switch (c.tipo) {
            case Tipo::Caixa:
                EXPECT_EQ(GetTextColor(dc), Esperada(c.corTexto, COLOR_WINDOWTEXT));
                EXPECT_EQ(lb.lbColor, Esperada(c.corFundo, COLOR_WINDOW));
                break;
            case Tipo::Rotulo:
                EXPECT_EQ(GetTextColor(dc), Esperada(c.corTexto, COLOR_WINDOWTEXT));
                EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
                EXPECT_EQ(lb.lbColor, Esperada(d.fundo, COLOR_3DFACE));
                break;
            default:
                EXPECT_EQ(lb.lbColor, Esperada(c.corTexto, COLOR_WINDOWTEXT));
                break;
        }
        SetBkMode(dc, OPAQUE);
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
    ReleaseDC(nullptr, tela);
}

// Under a high-contrast theme the windows take its colours whole: every
// ground its window colour, every text and rule (the red and yellow ones
// too) its window text, the frame its 3-D shades. High Contrast White's
// window colours, a 3-D light of its own, and the program's stand-in for
// SPI_GETHIGHCONTRAST, which Wine cannot turn on.
TEST_P(Realizacao, UnderAHighContrastThemeEveryColourIsTheThemes) {
    const INT indices[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_3DLIGHT};
    const COLORREF tema[] = {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 128, 0)};
    COLORREF antes[3] = {};
    std::transform(std::begin(indices), std::end(indices), antes, GetSysColor);
    SetSysColors(3, indices, tema);
    SetEnvironmentVariableW(L"MORVANTIS_ALTO_CONTRASTE", L"1");
    HWND h = janela_->Hwnd();
    SendMessageW(h, WM_SYSCOLORCHANGE, 0, 0);
    MostrarPintada(*janela_);
    HDC dc = GetDC(h);
    EXPECT_EQ(GetPixel(dc, 0, 0), tema[0]);
    for (const janelas::Controle& c : GetParam()->controles) {
        const RECT r = c.tipo != Tipo::Temporizador ? NoCliente(h, janela_->HwndDe(c.nome)) : RECT{};
        if (c.tipo == Tipo::Linha) {
            EXPECT_EQ(GetPixel(dc, (r.left + r.right) / 2, r.top), tema[1]) << c.nome;
        } else if (c.tipo == Tipo::Caixa || c.tipo == Tipo::Rotulo) {
            const UINT pergunta = c.tipo == Tipo::Caixa && !c.travado ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
            SendMessageW(h, pergunta, reinterpret_cast<WPARAM>(dc),
                         reinterpret_cast<LPARAM>(janela_->HwndDe(c.nome)));
            EXPECT_EQ(GetTextColor(dc), tema[1]) << c.nome;
            EXPECT_TRUE(c.tipo == Tipo::Rotulo || GetBkColor(dc) == tema[0]) << c.nome;
        }
    }
    ReleaseDC(h, dc);
    HDC janela = GetWindowDC(h);
    EXPECT_EQ(GetPixel(janela, 0, 0), tema[2]) << "the frame's outer ring";
    ReleaseDC(h, janela);
    janela_->Fechar();
    SetSysColors(3, indices, antes);
    SetEnvironmentVariableW(L"MORVANTIS_ALTO_CONTRASTE", nullptr);
}

// Every control at its place, a picture's its picture's size and the rest
// sized to their text; moved to a denser screen (150 %, 200 %), the window
// lays itself out again: every place, size and picture scaled, the client
// area too.
TEST_P(Realizacao, LaysOutAsDescribedAndAgainAtTheDpiOfItsNewScreen) {
    const janelas::Janela& d = *GetParam();
    HWND h = janela_->Hwnd();
    for (const UINT dpi : {96U, 144U, 192U}) {
        SCOPED_TRACE(dpi);
        const auto escala = [dpi](int pixels) { return static_cast<LONG>(std::lround(pixels * dpi / 96.0)); };
        if (dpi != USER_DEFAULT_SCREEN_DPI) {
            RECT sugerido{};
            GetWindowRect(h, &sugerido);
            SendMessageW(h, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&sugerido));
        }
        RECT cliente{};
        GetClientRect(h, &cliente);
        EXPECT_EQ(cliente.right, escala(d.cliente.largura));
        EXPECT_EQ(cliente.bottom, escala(d.cliente.altura));
        for (const janelas::Controle& c : d.controles) {
            SCOPED_TRACE(std::string(c.nome));
            if (c.tipo == Tipo::Temporizador) {
                continue;
            }
            const RECT r = NoCliente(h, janela_->HwndDe(c.nome));
            EXPECT_EQ(r.left, escala(c.area.x));
            EXPECT_EQ(r.top, escala(c.area.y));
            if (c.ajustaAoTexto) {
                EXPECT_TRUE(r.right > r.left && r.bottom > r.top);
            } else {
                EXPECT_EQ(r.right - r.left, escala(c.area.largura));
                EXPECT_EQ(r.bottom - r.top, escala(c.area.altura));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Janelas, Realizacao, ::testing::ValuesIn(janelas::Todas),
                         [](const auto& info) { return std::string(info.param->nome); });

}  // namespace
