// The question box's translation: every way Windows delivers text, keys and
// caret moves reaches the box's model as the edit it stands for, and the
// EDIT shows what the model holds. The model's own rules are tested on the
// plain side; here, what only the Windows path can get wrong.

#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <imm.h>

#include <chrono>
#include <cstdio>
#include <vector>

#include "Encerramento.h"
#include "FrmMain.h"
#include "Janela.h"
#include "Janelas.h"
#include "KitWin32.h"
#include "Module1.h"
#include "TextoLargo.h"

namespace {

using namespace morvantis;

constexpr wchar_t Alta = 0xD83D;
constexpr wchar_t Baixa = 0xDE00;
constexpr char16_t Emoji[] = u"\U0001F600";

std::u16string TextoDe(HWND caixa) {
    return win32::ParaU16(win32::TextoDe(caixa));
}

constexpr std::u16string_view Backspace = toolkit::teclas::Como(toolkit::teclas::Backspace);
constexpr std::u16string_view Enter = toolkit::teclas::Como(toolkit::teclas::Enter);

// The ends of the EDIT's selection, in order.
std::pair<DWORD, DWORD> Selecao(HWND caixa) {
    DWORD inicio = 0;
    DWORD fim = 0;
    SendMessageW(caixa, EM_GETSEL, reinterpret_cast<WPARAM>(&inicio), reinterpret_cast<LPARAM>(&fim));
    return {inicio, fim};
}

void Digitar(HWND caixa, std::u16string_view unidades) {
    for (const char16_t u : unidades) {
        SendMessageW(caixa, WM_CHAR, u, 1);
    }
}

// A key pressed on the box, Shift held or not in the thread's key state.
void Pressionar(HWND caixa, WPARAM tecla, bool shift = false) {
    BYTE estado[256] = {};
    GetKeyboardState(estado);
    const BYTE antes = estado[VK_SHIFT];
    estado[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(estado);
    SendMessageW(caixa, WM_KEYDOWN, tecla, 1);
    estado[VK_SHIFT] = antes;
    SetKeyboardState(estado);
}

void Copiar(std::u16string_view texto) {
    const std::size_t bytes = (texto.size() + 1) * sizeof(char16_t);
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    memcpy(GlobalLock(memoria), texto.data(), texto.size() * sizeof(char16_t));
    GlobalUnlock(memoria);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memoria);
    CloseClipboard();
}

std::u16string Colado() {
    std::u16string texto;
    if (OpenClipboard(nullptr)) {
        if (HANDLE dados = GetClipboardData(CF_UNICODETEXT)) {
            texto = static_cast<const char16_t*>(GlobalLock(dados));
            GlobalUnlock(dados);
        }
        CloseClipboard();
    }
    return texto;
}

// The main window's box with a filter that records each keystroke and
// swallows none.
class CaixaDaPergunta : public ::testing::Test {
protected:
    void SetUp() override {
        viva_ = kit_.Criar(janelas::Principal, nullptr);
        janela_ = static_cast<win32::Janela*>(viva_.get());
        caixa_ = janela_->HwndDe("TxtPergunta");
        janela_->AoTeclar(
            "TxtPergunta",
            {[this](toolkit::Tecla& tecla) { teclas_.push_back(tecla); }, [this] { return captura_; }, {}});
    }

    [[nodiscard]] std::u16string Texto() const { return TextoDe(caixa_); }

    win32::Kit kit_{GetModuleHandleW(nullptr)};
    std::unique_ptr<janelas::JanelaViva> viva_;
    win32::Janela* janela_ = nullptr;
    HWND caixa_ = nullptr;
    std::vector<std::u16string> teclas_;
    bool captura_ = false;
};

struct Mensagem {
    UINT msg;
    WPARAM wp;
};

struct Caso {
    const char* nome;
    std::vector<Mensagem> mensagens;
    std::vector<std::u16string> teclas;
    bool captura = false;
};

class Entrega : public CaixaDaPergunta, public ::testing::WithParamInterface<Caso> {};

TEST_P(Entrega, EachCharacterReachesTheBoxAsOneKeystroke) {
    captura_ = GetParam().captura;
    for (const Mensagem& m : GetParam().mensagens) {
        SendMessageW(caixa_, m.msg, m.wp, 1);
    }
    EXPECT_EQ(teclas_, GetParam().teclas);
    std::u16string juntas;
    for (const auto& t : GetParam().teclas) {
        juntas += t;
    }
    EXPECT_EQ(Texto(), juntas);
}

INSTANTIATE_TEST_SUITE_P(
    Mensagens, Entrega,
    ::testing::Values(Caso{"Char", {{WM_CHAR, 'a'}}, {u"a"}},
                      Caso{"SurrogatePairIsOneKeystroke", {{WM_CHAR, Alta}, {WM_CHAR, Baixa}}, {Emoji}},
                      Caso{"LoneLowSurrogateIsDropped", {{WM_CHAR, Baixa}}, {}},
                      Caso{"HighSurrogateWithoutPartnerIsDropped", {{WM_CHAR, Alta}, {WM_CHAR, 'b'}}, {u"b"}},
                      Caso{"ImeChar", {{WM_IME_CHAR, 0xE9}}, {u"é"}},
                      Caso{"ImeCharSurrogatePair", {{WM_IME_CHAR, Alta}, {WM_IME_CHAR, Baixa}}, {Emoji}},
                      Caso{"UniCharIsOneKeystroke", {{WM_UNICHAR, 0x1F600}}, {Emoji}},
                      Caso{"DeadKeyThenComposedChar", {{WM_DEADCHAR, '~'}, {WM_CHAR, 0xE3}}, {u"ã"}},
                      Caso{"DeadAccentShowsNothingDuringACapture", {{WM_DEADCHAR, 0xB4}}, {}, true}),
    [](const auto& info) { return std::string(info.param.nome); });

// The EDIT moves its caret a UTF-16 unit at a time; the box puts it back on
// the edge of the character, and Delete takes the character whole.
TEST_F(CaixaDaPergunta, ArrowsAndDeleteNeverSplitAPair) {
    Digitar(caixa_, u"a\U0001F600b");
    Pressionar(caixa_, VK_HOME);
    Pressionar(caixa_, VK_RIGHT);
    EXPECT_EQ(Selecao(caixa_), std::make_pair(DWORD{1}, DWORD{1}));
    Pressionar(caixa_, VK_RIGHT);
    EXPECT_EQ(Selecao(caixa_), std::make_pair(DWORD{3}, DWORD{3}));
    Pressionar(caixa_, VK_LEFT);
    EXPECT_EQ(Selecao(caixa_), std::make_pair(DWORD{1}, DWORD{1}));
    Pressionar(caixa_, VK_RIGHT, true);
    EXPECT_EQ(Selecao(caixa_), std::make_pair(DWORD{1}, DWORD{3}));
    Pressionar(caixa_, VK_LEFT);
    Pressionar(caixa_, VK_DELETE);
    EXPECT_EQ(Texto(), u"ab");
    EXPECT_EQ(janela_->Caixa("TxtPergunta").Texto(), u"ab");
}

// Each way to paste, at a caret the arrows moved into the middle of the
// text: the pasted text goes there, through the filter, in the open.
class Colagem : public CaixaDaPergunta, public ::testing::WithParamInterface<const char*> {};

TEST_P(Colagem, GoesInAtTheCaretThroughTheFilter) {
    Copiar(u"X\U0001F600");
    Digitar(caixa_, u"abcd");
    Pressionar(caixa_, VK_LEFT);
    Pressionar(caixa_, VK_LEFT);
    teclas_.clear();
    const std::string_view como = GetParam();
    if (como == "WmPaste") {
        SendMessageW(caixa_, WM_PASTE, 0, 0);
    } else if (como == "CtrlV") {
        SendMessageW(caixa_, WM_CHAR, 0x16, 1);
    } else {
        Pressionar(caixa_, VK_INSERT, true);
    }
    EXPECT_EQ(Texto(), u"abX\U0001F600cd");
    EXPECT_EQ(Selecao(caixa_), std::make_pair(DWORD{5}, DWORD{5}));
    EXPECT_EQ(teclas_.size(), como == "CtrlV" ? 3U : 2U);
}

INSTANTIATE_TEST_SUITE_P(Caminhos, Colagem, ::testing::Values("WmPaste", "CtrlV", "ShiftInsert"));

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
    EXPECT_EQ(teclas_, (std::vector<std::u16string>{u"\u00e9", Emoji}));
    EXPECT_EQ(Texto(), u"\u00e9\U0001F600");
    janela_->Fechar();
}

INSTANTIATE_TEST_SUITE_P(ForaEDentroDaCaptura, Composicao, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "DuringACapture" : "Outside"; });

// Enter reaches the box as a character through the program's own loop,
// where the dialog keys would otherwise turn it into IDOK; on a button it
// presses that button, and only once the focus is there.
TEST_F(CaixaDaPergunta, EnterReachesTheFilterAndPressesOnlyTheFocusedButton) {
    std::vector<std::string> cliques;
    for (const char* botao : {"CmdPergunta", "CmdNova", "CmdSair"}) {
        janela_->AoClicar(botao, [&cliques, botao] { cliques.emplace_back(botao); });
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
    EXPECT_EQ(teclas_, std::vector<std::u16string>{std::u16string(Enter)});
    EXPECT_EQ(cliques, std::vector<std::string>{"CmdPergunta"});
    EXPECT_EQ(Texto(), u"");
    janela_->Fechar();
}

// The trick itself on the Windows box: the real main window and game.
class Truque : public ::testing::Test {
protected:
    [[nodiscard]] std::u16string Texto() const { return TextoDe(caixa_); }
    [[nodiscard]] const EstadoJogo& Estado() const { return frm_.Jogo().Estado(); }
    [[nodiscard]] std::u16string Invocacao(std::size_t letras) const {
        return Estado().Invocacao.substr(0, letras);
    }

    win32::Kit kit_{GetModuleHandleW(nullptr)};
    GeradorPadrao gerador_;
    Module1 modulo_{gerador_};
    Encerramento fim_{kit_};
    FrmMain frm_{kit_, modulo_, fim_};
    HWND caixa_ = dynamic_cast<win32::Janela&>(frm_.Janela()).HwndDe("TxtPergunta");
};

struct Sequencia {
    const char* nome;
    std::u16string unidades;  // each sent as one WM_CHAR
};

class UmCaractere : public Truque, public ::testing::WithParamInterface<Sequencia> {};

// A family of three joined emoji is eight WM_CHARs; an accent typed after
// its letter, two; a flag, four. Each is one letter of the invocation, and
// one Backspace takes it whole from the box and from the answer.
TEST_P(UmCaractere, TypedInACaptureShowsOneLetterAndOneBackspaceErasesIt) {
    Digitar(caixa_, u";a");
    Digitar(caixa_, GetParam().unidades);
    EXPECT_EQ(Texto(), Invocacao(2));
    EXPECT_EQ(Estado().Resposta, u"a" + GetParam().unidades);
    Digitar(caixa_, Backspace);
    EXPECT_EQ(Texto(), Invocacao(1));
    EXPECT_EQ(Estado().Resposta, u"a");
}

INSTANTIATE_TEST_SUITE_P(Sequencias, UmCaractere,
                         ::testing::Values(Sequencia{"Family", u"\U0001F468\u200D\U0001F469\u200D\U0001F467"},
                                           Sequencia{"CombiningAccent", u"e\u0301"},
                                           Sequencia{"Flag", u"\U0001F1E7\U0001F1F7"}),
                         [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Truque, ShiftDeleteAndCutTakeNothingFromTheBoxDuringACapture) {
    Copiar(u"antes");
    Digitar(caixa_, u";abc");
    Pressionar(caixa_, VK_HOME, true);
    ASSERT_EQ(Selecao(caixa_), std::make_pair(DWORD{0}, DWORD{3}));
    Pressionar(caixa_, VK_DELETE, true);
    SendMessageW(caixa_, WM_CUT, 0, 0);
    EXPECT_EQ(Texto(), Invocacao(3));
    EXPECT_EQ(Colado(), u"antes");

    // In the open, Shift+Delete cuts the selection.
    Pressionar(caixa_, VK_END);
    Digitar(caixa_, u"\r xy");
    Pressionar(caixa_, VK_LEFT, true);
    Pressionar(caixa_, VK_LEFT, true);
    Pressionar(caixa_, VK_DELETE, true);
    EXPECT_EQ(Texto(), Invocacao(3) + u" ");
    EXPECT_EQ(Colado(), u"xy");
}

// A paste of a megabyte, in the open and in a capture, ends with the box
// showing what the model holds; the time it takes is measured by
// bench/win32 (paste_1mb_*).
class ColagemGrande : public Truque, public ::testing::WithParamInterface<bool> {};

TEST_P(ColagemGrande, EndsWithTheBoxShowingWhatTheModelHolds) {
    std::u16string grande;
    while (grande.size() < (std::size_t{1} << 20)) {
        grande += u"Olá, \U0001F600 mundo! e\u0301 ";
    }
    Copiar(grande);
    const bool captura = GetParam();
    if (captura) {
        Digitar(caixa_, u";");
    }
    SendMessageW(caixa_, WM_PASTE, 0, 0);
    const std::u16string texto = Texto();
    EXPECT_EQ(texto, frm_.Janela().Caixa("TxtPergunta").Texto());
    if (captura) {
        EXPECT_EQ(texto, Estado().Invocacao);
        EXPECT_EQ(Estado().Mascarados, 32767);
    } else {
        EXPECT_GT(texto.size(), 190U);
        EXPECT_LE(texto.size(), 200U);
        EXPECT_EQ(texto, grande.substr(0, texto.size()));
    }
    // The box still takes keys: a question in the open after the capture,
    // a Backspace in the full box.
    Digitar(caixa_, captura ? u"\r?" : Backspace);
    if (captura) {
        EXPECT_EQ(Texto(), Estado().Invocacao + u"?");
    } else {
        EXPECT_LT(Texto().size(), texto.size());
    }
}

INSTANTIATE_TEST_SUITE_P(ForaEDentroDaCaptura, ColagemGrande, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "DuringACapture" : "Outside"; });

}  // namespace
