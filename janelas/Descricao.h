#pragma once

// What a window is, as data: its size, ground and font, and its controls in
// tab order with their kind, name, text, place, colours, font and the other
// properties a toolkit needs to build them. Plain C++: every toolkit realises
// the same description (janelas/Janelas.h holds the four of them), so a
// number or a text of a window is written once in the whole tree.
//
// Places and sizes are pixels at 96 dots per inch on the window's client
// area; the windows were laid out in twips, 15 to a pixel, and `Twips` turns
// those numbers into pixels at compile time.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace morvantis::janelas {

struct Area {
    int x = 0;
    int y = 0;
    int largura = 0;
    int altura = 0;

    constexpr bool operator==(const Area&) const = default;
};

struct Tamanho {
    int largura = 0;
    int altura = 0;

    constexpr bool operator==(const Tamanho&) const = default;
};

inline constexpr int TwipsPorPixel = 15;

// Refuses, at compile time, a number of twips that is not a whole pixel.
consteval int Pixels(int twips) {
    if (twips % TwipsPorPixel != 0) {
        throw "not a whole pixel";
    }
    return twips / TwipsPorPixel;
}

consteval Area Twips(int esquerda, int topo, int largura, int altura) {
    return {Pixels(esquerda), Pixels(topo), Pixels(largura), Pixels(altura)};
}

consteval Tamanho TwipsCliente(int largura, int altura) {
    return {Pixels(largura), Pixels(altura)};
}

// The desktop's named colours, by their index among the system colours:
// those the windows name, then the desktop, a box's ground and the 3-D
// colours of frames and buttons, which a toolkit drawing the classic look
// itself needs.
enum class CorSistema : std::uint8_t {
    AreaDeTrabalho = 1,
    FundoJanela = 5,
    TextoMenu = 7,
    TextoJanela = 8,
    TextoTituloAtivo = 9,
    BordaAtiva = 10,
    Realce = 13,
    TextoRealce = 14,
    FaceBotao = 15,
    SombraBotao = 16,
    TextoBotao = 18,
    RealceBotao = 20,
    SombraEscura3D = 21,
    Luz3D = 22,
};

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    constexpr bool operator==(const Rgb&) const = default;
};

// The standard colour scheme's value of each named colour, for a toolkit
// that has no system colours of its own (or keeps the windows' look fixed
// whatever the desktop's theme).
constexpr Rgb ValorClassico(CorSistema cor) {
    switch (cor) {
        case CorSistema::AreaDeTrabalho:
            return {0, 128, 128};
        case CorSistema::BordaAtiva:
        case CorSistema::FaceBotao:
        case CorSistema::Luz3D:
            return {212, 208, 200};
        case CorSistema::SombraBotao:
            return {128, 128, 128};
        case CorSistema::SombraEscura3D:
            return {64, 64, 64};
        case CorSistema::Realce:
            return {10, 36, 106};
        case CorSistema::FundoJanela:
        case CorSistema::TextoTituloAtivo:
        case CorSistema::TextoRealce:
        case CorSistema::RealceBotao:
            return {255, 255, 255};
        case CorSistema::TextoMenu:
        case CorSistema::TextoJanela:
        case CorSistema::TextoBotao:
            break;
    }
    return {0, 0, 0};
}

// A colour as a window asks for it: the platform's default for the control
// (for a label's ground: transparent), a named system colour, or an exact
// value.
struct Cor {
    enum class Tipo : std::uint8_t { Padrao, Sistema, Explicita };

    Tipo tipo = Tipo::Padrao;
    CorSistema sistema = CorSistema::TextoJanela;
    Rgb rgb{};

    static constexpr Cor DoSistema(CorSistema c) { return {Tipo::Sistema, c, ValorClassico(c)}; }
    static constexpr Cor Explicita(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return {Tipo::Explicita, CorSistema::TextoJanela, {r, g, b}};
    }
    [[nodiscard]] constexpr bool EhPadrao() const { return tipo == Tipo::Padrao; }

    constexpr bool operator==(const Cor&) const = default;
};

struct Fonte {
    // The platform's 8-point dialog font, or Verdana.
    enum class Face : std::uint8_t { Dialogo, Verdana };

    Face face = Face::Dialogo;
    double pontos = 8.0;

    // The height in pixels at 96 dots per inch: 8 and 8.25 points are 11,
    // 15.75 points 21.
    [[nodiscard]] constexpr int Pixels() const { return static_cast<int>(pontos * 96.0 / 72.0 + 0.5); }

    constexpr bool operator==(const Fonte&) const = default;
};

enum class Tipo : std::uint8_t { Botao, Caixa, Rotulo, Imagem, Linha, Temporizador };

enum class Alinhamento : std::uint8_t { Esquerda, Centro };

// The pictures the program carries.
enum class Figura : std::uint8_t { Nenhuma, Pintura, Faixa };

struct Controle {
    Tipo tipo = Tipo::Rotulo;
    std::string_view nome{};
    std::u16string_view texto{};
    Area area{};
    // Place in the tab order; -1 for the controls that have none.
    int ordemTab = -1;
    Cor corTexto{};
    Cor corFundo{};
    // None: the window's font.
    std::optional<Fonte> fonte{};
    bool habilitado = true;
    // Read-only: a locked box can be scrolled and copied, not typed into.
    bool travado = false;
    bool multiLinha = false;
    bool barraVertical = false;
    // Long lines wrap at word boundaries within the width.
    bool quebraLinhas = false;
    // A one-line label sized to its text from its top-left corner.
    bool ajustaAoTexto = false;
    // At most this many characters can be typed; 0 for no limit.
    int maximoCaracteres = 0;
    Alinhamento alinhamento = Alinhamento::Esquerda;
    Figura figura = Figura::Nenhuma;
    int intervaloMs = 0;
    // What a screen reader calls the control; empty: its text.
    std::u16string_view nomeAcessivel{};

    [[nodiscard]] constexpr std::u16string_view NomeAcessivel() const {
        return nomeAcessivel.empty() ? texto : nomeAcessivel;
    }
    [[nodiscard]] constexpr bool TomaFoco() const { return tipo == Tipo::Botao || tipo == Tipo::Caixa; }
};

// A control's colours with what it leaves to the platform resolved by its
// kind, so every realisation draws the same: a button's text is the button
// text, a box's text and ground the window's, a label's and a rule's colour
// the window text. A label's ground stays transparent, and a button's its
// face, drawn with its edge.
[[nodiscard]] constexpr Cor TextoDe(const Controle& c) {
    if (!c.corTexto.EhPadrao()) {
        return c.corTexto;
    }
    switch (c.tipo) {
        case Tipo::Botao:
            return Cor::DoSistema(CorSistema::TextoBotao);
        case Tipo::Caixa:
        case Tipo::Rotulo:
        case Tipo::Linha:
            return Cor::DoSistema(CorSistema::TextoJanela);
        case Tipo::Imagem:
        case Tipo::Temporizador:
            break;
    }
    return c.corTexto;
}

[[nodiscard]] constexpr Cor FundoDe(const Controle& c) {
    return c.corFundo.EhPadrao() && c.tipo == Tipo::Caixa ? Cor::DoSistema(CorSistema::FundoJanela)
                                                          : c.corFundo;
}

// Which way the focus moves through a window's tab order.
enum class Sentido : std::uint8_t { Adiante, Atras };

// The look every window shares is the toolkit's: a fixed dialog frame of
// three rings (AneisMoldura), no title bar, centred, out of the taskbar, the
// snowflake icon.
struct Janela {
    std::string_view nome{};
    std::u16string_view nomeAcessivel{};
    Tamanho cliente{};
    Cor fundo{};
    Fonte fonte{};
    // In tab order; the controls without a place in it come last.
    std::span<const Controle> controles{};

    // The control of that name, or none.
    [[nodiscard]] constexpr const Controle* Achar(std::string_view nomeControle) const {
        for (const Controle& c : controles) {
            if (c.nome == nomeControle) {
                return &c;
            }
        }
        return nullptr;
    }
    [[nodiscard]] constexpr Fonte FonteDe(const Controle& c) const { return c.fonte.value_or(fonte); }

    // Where Tab (Adiante) or Shift+Tab (Atras) takes the focus from `de`:
    // the next or the previous control in tab order that can take it and,
    // as `habilitado` says, is enabled now, going round past either end;
    // `de` itself when no other can.
    template <typename Habilitado>
    [[nodiscard]] const Controle* Vizinho(const Controle& de, Sentido sentido, Habilitado habilitado) const {
        const std::size_t n = controles.size();
        std::size_t i = 0;
        while (i < n && &controles[i] != &de) {
            ++i;
        }
        for (std::size_t passo = 1; i < n && passo <= n; ++passo) {
            const Controle& c = controles[(i + (sentido == Sentido::Adiante ? passo : n - passo)) % n];
            if (c.TomaFoco() && habilitado(c)) {
                return &c;
            }
        }
        return nullptr;
    }

    // The control that takes the focus when the window shows: the first in
    // tab order that can take it and, as `habilitado` says, is enabled now.
    template <typename Habilitado>
    [[nodiscard]] const Controle* PrimeiroFocavel(Habilitado habilitado) const {
        for (const Controle& c : controles) {
            if (c.TomaFoco() && habilitado(c)) {
                return &c;
            }
        }
        return nullptr;
    }

    // The smallest side of the controls a finger aims at (buttons and
    // boxes), in pixels.
    [[nodiscard]] constexpr int MenorAlvo() const {
        int menor = 0;
        for (const Controle& c : controles) {
            if (c.TomaFoco()) {
                const int lado = c.area.largura < c.area.altura ? c.area.largura : c.area.altura;
                menor = menor == 0 || lado < menor ? lado : menor;
            }
        }
        return menor;
    }
};

inline constexpr int MolduraPixels = 3;

// The classic raised dialog frame, ring by ring from the outside in: each
// ring's light shade runs along the top and left edges, its dark shade along
// the bottom and right ones and over the top-right and bottom-left corners.
struct Anel {
    CorSistema claro;
    CorSistema escuro;
};
inline constexpr Anel AneisMoldura[MolduraPixels] = {
    {CorSistema::Luz3D, CorSistema::SombraEscura3D},
    {CorSistema::RealceBotao, CorSistema::SombraBotao},
    {CorSistema::FaceBotao, CorSistema::FaceBotao},
};

// A classic push button's edge, drawn the same way inside the button: raised,
// and sunken while it is pressed (the dark shades then above and to the
// left). A toolkit that draws its buttons and boxes itself draws these, each
// ring as wide as a ring of the frame.
inline constexpr Anel AneisBotao[] = {
    {CorSistema::RealceBotao, CorSistema::SombraEscura3D},
    {CorSistema::Luz3D, CorSistema::SombraBotao},
};
inline constexpr Anel AneisBotaoApertado[] = {
    {CorSistema::SombraEscura3D, CorSistema::RealceBotao},
    {CorSistema::SombraBotao, CorSistema::FaceBotao},
};
// A text box's sunken edge.
inline constexpr Anel AneisCaixa[] = {
    {CorSistema::SombraBotao, CorSistema::RealceBotao},
    {CorSistema::SombraEscura3D, CorSistema::Luz3D},
};

// The focus mark: a ring around the focused control, as wide as a ring of
// the frame and as far out from the control, on the window's black ground,
// in the white of the windows' texts. Its colour stands out against the
// ground on both sides of it, whatever the control's own edge.
inline constexpr CorSistema CorMarcaFoco = CorSistema::TextoRealce;

// Under a high-contrast theme the windows take the theme's colours whole,
// never one of them beside a fixed one: every ground (the windows', the
// boxes') is the theme's window colour, and every text, rule and focus mark
// its window text, the red and yellow texts too. The frame's rings and the
// buttons keep their named shades, which the theme gives.
enum class Uso : std::uint8_t { Fundo, Texto };

[[nodiscard]] constexpr CorSistema NoAltoContraste(Uso uso) {
    return uso == Uso::Fundo ? CorSistema::FundoJanela : CorSistema::TextoJanela;
}

}  // namespace morvantis::janelas
