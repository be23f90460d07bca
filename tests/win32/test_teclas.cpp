// The question box's key path: every way Windows delivers a character
// reaches the filter as one keystroke before the box applies it, and during
// a capture nothing else reaches the box.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <imm.h>

#include <vector>

#include "JanelaWin32.h"
#include "Janelas.h"
#include "KitWin32.h"
#include "TextoLargo.h"

namespace {

using namespace morvantis;

constexpr wchar_t Alta = 0xD83D;
constexpr wchar_t Baixa = 0xDE00;
constexpr char32_t Emoji = 0x1F600;
// The one key this test's filter swallows.
constexpr char32_t Engolida = U'x';

class CaixaDaPergunta : public ::testing::Test {
protected:
    void SetUp() override {
        viva_ = kit_.Criar(janelas::Principal, nullptr);
        janela_ = static_cast<win32::JanelaWin32*>(viva_.get());
        caixa_ = janela_->HwndDe("TxtPergunta");
        janela_->AoTeclar(
            "TxtPergunta",
            [this](char32_t& tecla) {
                teclas_.push_back(tecla);
                if (tecla == Engolida) {
                    tecla = 0;
                }
            },
            [this] { return captura_; });
    }

    [[nodiscard]] std::u16string Texto() const { return win32::ParaU16(win32::TextoDe(caixa_)); }

    win32::KitWin32 kit_{GetModuleHandleW(nullptr)};
    std::unique_ptr<janelas::JanelaViva> viva_;
    win32::JanelaWin32* janela_ = nullptr;
    HWND caixa_ = nullptr;
    std::vector<char32_t> teclas_;
    bool captura_ = false;
};

struct Mensagem {
    UINT msg;
    WPARAM wp;
};

struct Caso {
    const char* nome;
    std::vector<Mensagem> mensagens;
    std::vector<char32_t> teclas;
    std::u16string texto;
};

class Entrega : public CaixaDaPergunta, public ::testing::WithParamInterface<Caso> {};

TEST_P(Entrega, EachCharacterReachesTheFilterOnceThenTheBox) {
    for (const Mensagem& m : GetParam().mensagens) {
        SendMessageW(caixa_, m.msg, m.wp, 1);
    }
    EXPECT_EQ(teclas_, GetParam().teclas);
    EXPECT_EQ(Texto(), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Mensagens, Entrega,
    ::testing::Values(
        Caso{"Char", {{WM_CHAR, 'a'}}, {U'a'}, u"a"},
        Caso{"SurrogatePairIsOneKeystroke", {{WM_CHAR, Alta}, {WM_CHAR, Baixa}}, {Emoji}, u"\U0001F600"},
        Caso{"LoneLowSurrogateIsDropped", {{WM_CHAR, Baixa}}, {}, u""},
        Caso{"HighSurrogateWithoutPartnerIsDropped", {{WM_CHAR, Alta}, {WM_CHAR, 'b'}}, {U'b'}, u"b"},
        Caso{"ImeChar", {{WM_IME_CHAR, 0xE9}}, {U'é'}, u"é"},
        Caso{"ImeCharSurrogatePair", {{WM_IME_CHAR, Alta}, {WM_IME_CHAR, Baixa}}, {Emoji}, u"\U0001F600"},
        Caso{"UniCharIsOneKeystroke", {{WM_UNICHAR, Emoji}}, {Emoji}, u"\U0001F600"},
        Caso{"DeadKeyThenComposedChar", {{WM_DEADCHAR, '~'}, {WM_CHAR, 0xE3}}, {U'ã'}, u"ã"},
        Caso{"SwallowedKeyNeverReachesTheBox", {{WM_CHAR, 'a'}, {WM_CHAR, Engolida}}, {U'a', Engolida}, u"a"},
        Caso{"BackspaceErasesAWholePair",
             {{WM_CHAR, 'a'}, {WM_CHAR, Alta}, {WM_CHAR, Baixa}, {WM_CHAR, 8}},
             {U'a', Emoji, 8},
             u"a"}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(CaixaDaPergunta, DeadAccentShowsNothingDuringACapture) {
    captura_ = true;
    SendMessageW(caixa_, WM_DEADCHAR, 0xB4, 1);
    EXPECT_TRUE(teclas_.empty());
    EXPECT_EQ(Texto(), u"");
}

TEST_F(CaixaDaPergunta, LimitKeepsItsCharactersAndNeverSplitsAPair) {
    const int limite = janelas::Principal.Achar("TxtPergunta")->maximoCaracteres;
    janela_->Caixa("TxtPergunta").SetText(std::u16string(static_cast<std::size_t>(limite - 1), u'a'));
    janela_->Caixa("TxtPergunta").SetCaret(static_cast<std::size_t>(limite - 1));
    SendMessageW(caixa_, WM_CHAR, Alta, 1);
    SendMessageW(caixa_, WM_CHAR, Baixa, 1);
    EXPECT_EQ(Texto().size(), static_cast<std::size_t>(limite - 1));
    SendMessageW(caixa_, WM_CHAR, 'b', 1);
    SendMessageW(caixa_, WM_CHAR, 'c', 1);
    EXPECT_EQ(Texto(), std::u16string(static_cast<std::size_t>(limite - 1), u'a') + u"b");
    EXPECT_EQ(teclas_, (std::vector<char32_t>{Emoji, U'b', U'c'}));
}

void Copiar(const wchar_t* texto) {
    const std::size_t bytes = (wcslen(texto) + 1) * sizeof(wchar_t);
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(memoria), texto, bytes);
    GlobalUnlock(memoria);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memoria);
    CloseClipboard();
}

// Shift+Insert, with the Shift key down in the thread's keyboard state.
void ShiftInsert(HWND caixa) {
    BYTE estado[256] = {};
    GetKeyboardState(estado);
    const BYTE antes = estado[VK_SHIFT];
    estado[VK_SHIFT] = 0x80;
    SetKeyboardState(estado);
    SendMessageW(caixa, WM_KEYDOWN, VK_INSERT, 1);
    estado[VK_SHIFT] = antes;
    SetKeyboardState(estado);
}

TEST_F(CaixaDaPergunta, NothingIsPastedDuringACapture) {
    Copiar(L"colado");
    captura_ = true;
    SendMessageW(caixa_, WM_PASTE, 0, 0);
    SendMessageW(caixa_, WM_CHAR, 0x16, 1);  // Ctrl+V, which the filter lets through here
    ShiftInsert(caixa_);
    EXPECT_EQ(Texto(), u"");

    captura_ = false;
    ShiftInsert(caixa_);
    EXPECT_EQ(Texto(), u"colado");
}

// The box's context menu (Paste among its items) opens only outside a
// capture. A thread timer looks for the menu and closes it, so that a menu
// that wrongly opens does not hold the test in its loop.
bool menuVisto = false;

void CALLBACK FecharMenu(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = FindWindowW(L"#32768", nullptr);
    if (menu != nullptr && IsWindowVisible(menu)) {
        menuVisto = true;
        EndMenu();
    }
}

TEST_F(CaixaDaPergunta, ContextMenuOpensOnlyOutsideACapture) {
    janela_->Mostrar();
    const UINT_PTR temporizador = SetTimer(nullptr, 0, 50, &FecharMenu);
    for (const bool captura : {true, false}) {
        captura_ = captura;
        menuVisto = false;
        SendMessageW(caixa_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(caixa_), MAKELPARAM(-1, -1));
        EXPECT_EQ(menuVisto, !captura);
    }
    KillTimer(nullptr, temporizador);
    janela_->Fechar();
}

// An input method's text: the composition as it is being typed, then the
// result. During a capture the box shows nothing of the composition; either
// way the result reaches the filter once, one character at a time.
class Composicao : public CaixaDaPergunta, public ::testing::WithParamInterface<bool> {};

TEST_P(Composicao, ResultReachesTheFilterOnceAndNoCompositionShowsInACapture) {
    captura_ = GetParam();
    janela_->Mostrar();
    SetFocus(caixa_);
    HIMC contexto = ImmGetContext(caixa_);
    ASSERT_NE(contexto, nullptr);
    ImmSetOpenStatus(contexto, TRUE);
    const wchar_t composto[] = L"\u00e9\U0001F600";
    ImmSetCompositionStringW(contexto, SCS_SETSTR, const_cast<wchar_t*>(composto),
                             sizeof composto - sizeof(wchar_t), nullptr, 0);
    // Outside a capture the EDIT shows the composition in place.
    EXPECT_EQ(Texto().empty(), captura_);
    ImmNotifyIME(contexto, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
    ImmReleaseContext(caixa_, contexto);
    kit_.Rodar([] {
        MSG m;
        return PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
    });
    EXPECT_EQ(teclas_, (std::vector<char32_t>{U'\u00e9', Emoji}));
    EXPECT_EQ(Texto(), u"\u00e9\U0001F600");
    janela_->Fechar();
}

INSTANTIATE_TEST_SUITE_P(ForaEDentroDaCaptura, Composicao, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "DuringACapture" : "Outside"; });

// Enter reaches the box as a character through the program's own loop,
// where the dialog keys would otherwise turn it into IDOK; and Enter on a
// focused button presses nothing either.
TEST_F(CaixaDaPergunta, EnterReachesTheFilterAndPressesNoButton) {
    int cliques = 0;
    for (const char* botao : {"CmdPergunta", "CmdNova", "CmdSair"}) {
        janela_->AoClicar(botao, [&cliques] { ++cliques; });
    }
    janela_->Mostrar();
    for (HWND alvo : {caixa_, janela_->HwndDe("CmdPergunta")}) {
        SetFocus(alvo);
        PostMessageW(alvo, WM_KEYDOWN, VK_RETURN, 1);
        PostMessageW(alvo, WM_KEYUP, VK_RETURN, 0xC0000001);
        kit_.Rodar([] {
            MSG m;
            return PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE) != FALSE;
        });
    }
    EXPECT_EQ(teclas_, std::vector<char32_t>{U'\r'});
    EXPECT_EQ(cliques, 0);
    EXPECT_EQ(Texto(), u"");
    janela_->Fechar();
}

}  // namespace
