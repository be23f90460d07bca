// A second Windows program that looks at Morvantis.exe from outside, as a
// person or a screen reader would: it finds a window by its name and a
// control by its described name, reads its text (WM_GETTEXT) and presses
// buttons (BM_CLICK). Windows and controls are named as in janelas/Janelas.h.
//
//   sonda esperar JANELA              waits (10 s at most) until it shows
//   sonda clicar JANELA CONTROLE      presses a button
//   sonda texto JANELA CONTROLE       prints the control's text (UTF-8)
//   sonda invocacao JANELA CONTROLE N TEXTO
//       whether the control shows the first N letters of an invocation,
//       then TEXTO
//   sonda atalho ARQUIVO.lnk          prints the shortcut's target (UTF-8),
//       as the shell reads it

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "Janela.h"
#include "Janelas.h"
#include "Module1.h"
#include "TextoLargo.h"

namespace {

using namespace morvantis;

// Draws each of the 40 entries once, in order.
class TodasAsEntradas final : public Gerador {
public:
    void Semear(std::uint64_t) override {}
    double Proximo() override { return (proxima_++ + 0.5) / Module1::TamanhoTabela; }

private:
    int proxima_ = 0;
};

const janelas::Janela* Descricao(std::string_view nome) {
    for (const janelas::Janela* j : janelas::Todas) {
        if (j->nome == nome) {
            return j;
        }
    }
    return nullptr;
}

HWND Janela(const janelas::Janela& d) {
    const std::wstring titulo = win32::ParaWide(d.nomeAcessivel);
    HWND h = FindWindowW(win32::Janela::Classe, titulo.c_str());
    return h != nullptr && IsWindowVisible(h) ? h : nullptr;
}

HWND Controle(HWND janela, const janelas::Janela& d, std::string_view nome) {
    for (std::size_t i = 0; i < d.controles.size(); ++i) {
        if (d.controles[i].nome == nome) {
            return GetDlgItem(janela, win32::Janela::IdDoControle(i));
        }
    }
    return nullptr;
}

std::string Utf8(const std::wstring& texto) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string saida(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), saida.data(), n, nullptr,
                        nullptr);
    return saida;
}

std::wstring Wide(const char* utf8) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring saida(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, saida.data(), n);
    saida.resize(saida.size() - 1);
    return saida;
}

std::wstring TextoDe(HWND controle) {
    // WM_GETTEXT crosses processes; GetWindowText would not ask the box.
    std::vector<wchar_t> texto(4096);
    const auto n = SendMessageW(controle, WM_GETTEXT, texto.size(), reinterpret_cast<LPARAM>(texto.data()));
    return {texto.data(), static_cast<std::size_t>(n)};
}

int Falha(const char* porque) {
    std::fprintf(stderr, "sonda: %s\n", porque);
    return 1;
}

int Atalho(const char* arquivo) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* atalho = nullptr;
    IPersistFile* persistido = nullptr;
    wchar_t alvo[MAX_PATH] = {};
    const bool lido =
        SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&atalho))) &&
        SUCCEEDED(atalho->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persistido))) &&
        SUCCEEDED(persistido->Load(Wide(arquivo).c_str(), STGM_READ)) &&
        SUCCEEDED(atalho->GetPath(alvo, MAX_PATH, nullptr, 0));
    if (persistido != nullptr) {
        persistido->Release();
    }
    if (atalho != nullptr) {
        atalho->Release();
    }
    CoUninitialize();
    if (!lido) {
        return Falha("not a shortcut");
    }
    std::printf("%s\n", Utf8(alvo).c_str());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        return Falha("usage: sonda COMMAND WINDOW [CONTROL]");
    }
    const std::string_view comando = argv[1];
    if (comando == "atalho") {
        return Atalho(argv[2]);
    }
    const janelas::Janela* d = Descricao(argv[2]);
    if (d == nullptr) {
        return Falha("no such window");
    }
    // Up to 30 s: a loaded machine may take that long to start a program
    // under Wine.
    HWND janela = nullptr;
    for (int vez = 0; vez < 600 && janela == nullptr; ++vez) {
        janela = Janela(*d);
        if (janela == nullptr) {
            Sleep(50);
        }
    }
    if (janela == nullptr) {
        return Falha("window not shown");
    }
    if (comando == "esperar") {
        return 0;
    }
    HWND controle = argc > 3 ? Controle(janela, *d, argv[3]) : nullptr;
    if (controle == nullptr) {
        return Falha("no such control");
    }
    if (comando == "clicar") {
        DWORD_PTR resultado = 0;
        SendMessageTimeoutW(controle, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &resultado);
        return 0;
    }
    const std::wstring texto = TextoDe(controle);
    if (comando == "texto") {
        std::printf("%s\n", Utf8(texto).c_str());
        return 0;
    }
    if (comando == "invocacao" && argc == 6) {
        const auto letras = static_cast<std::size_t>(std::atoi(argv[4]));
        const std::wstring depois = Wide(argv[5]);
        std::printf("%s\n", Utf8(texto).c_str());
        TodasAsEntradas gerador;
        Module1 modulo(gerador);
        for (int i = 0; i < Module1::TamanhoTabela; ++i) {
            const std::wstring invocacao = win32::ParaWide(modulo.SortearInvocacao());
            if (texto == invocacao.substr(0, letras) + depois) {
                return 0;
            }
        }
        return Falha("not the first letters of an invocation");
    }
    return Falha("unknown command");
}
