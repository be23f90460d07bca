// The Windows figures of docs/performance.md, under Wine or on Windows:
//   morvantis_bench_win32 MORVANTIS.EXE JANELA_NUA.EXE [RUNS]
// - start_ms, baseline_start_ms: from CreateProcess to the entry window (or
//   the bare window) shown and painted: visible, then a WM_NULL answered,
//   which its thread does only once it has handled the paint before it;
// - peak_ws_mib, baseline_peak_ws_mib: PeakWorkingSetSize, 200 ms later;
// - exe_kib: the size of Morvantis.exe;
// - reveal_60_ms: in this process, a real FrmMain on the Win32 toolkit: ";",
//   a 60-character answer, Enter, "Perguntar", until the answer box holds
//   all 60 characters (the click to the last tick);
// - paste_1mb_open_ms, paste_1mb_capture_ms: a real FrmMain again: a text of
//   2^20 characters (letters, accents, emoji) pasted into the question box
//   in the open, or after ";", until the box has taken it and repainted.
// Each figure is the median of RUNS runs (default 10) with min and max;
// runs of the program and of the bare window alternate.

#include <windows.h>
// After windows.h, which it needs.
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
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
using Relogio = std::chrono::steady_clock;

double Ms(Relogio::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Janela {
    DWORD pid;
    HWND achada;
};

HWND JanelaVisivel(DWORD pid) {
    Janela busca{pid, nullptr};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* b = reinterpret_cast<Janela*>(lp);
            DWORD dono = 0;
            GetWindowThreadProcessId(h, &dono);
            if (dono == b->pid && IsWindowVisible(h) &&
                win32::ParaU16(win32::TextoDe(h)) == janelas::Entrada.nomeAcessivel) {
                b->achada = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&busca));
    return busca.achada;
}

struct Partida {
    double ms = 0;
    double picoMib = 0;
};

Partida Medir(const std::wstring& programa) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring linha = L"\"" + programa + L"\"";
    const auto inicio = Relogio::now();
    if (!CreateProcessW(programa.c_str(), linha.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        std::fprintf(stderr, "cannot start %ls\n", programa.c_str());
        std::exit(1);
    }
    HWND janela = nullptr;
    while ((janela = JanelaVisivel(pi.dwProcessId)) == nullptr) {
        if (WaitForSingleObject(pi.hProcess, 1) == WAIT_OBJECT_0) {
            std::fprintf(stderr, "%ls ended before showing its window\n", programa.c_str());
            std::exit(1);
        }
    }
    DWORD_PTR r = 0;
    SendMessageTimeoutW(janela, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &r);
    Partida p;
    p.ms = Ms(Relogio::now() - inicio);
    Sleep(200);
    PROCESS_MEMORY_COUNTERS memoria{};
    memoria.cb = sizeof memoria;
    GetProcessMemoryInfo(pi.hProcess, &memoria, sizeof memoria);
    p.picoMib = static_cast<double>(memoria.PeakWorkingSetSize) / (1024.0 * 1024.0);
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return p;
}

// A real main window on the Win32 toolkit, shown while it lives.
struct Principal {
    Principal(win32::Kit& kit, GeradorPadrao& gerador)
        : modulo(gerador),
          fim(kit),
          frm(kit, modulo, fim),
          janela(dynamic_cast<win32::Janela&>(frm.Janela())) {
        janela.Mostrar();
    }
    ~Principal() { janela.Fechar(); }

    Module1 modulo;
    Encerramento fim;
    FrmMain frm;
    win32::Janela& janela;
    HWND pergunta = janela.HwndDe("TxtPergunta");
};

double Revelar(win32::Kit& kit, GeradorPadrao& gerador) {
    Principal principal(kit, gerador);
    win32::Janela& janela = principal.janela;
    HWND pergunta = principal.pergunta;
    HWND resposta = janela.HwndDe("TxtResposta");
    constexpr int Letras = 60;
    SendMessageW(pergunta, WM_CHAR, ';', 1);
    for (int i = 0; i < Letras; ++i) {
        SendMessageW(pergunta, WM_CHAR, 'a' + i % 26, 1);
    }
    SendMessageW(pergunta, WM_CHAR, '\r', 1);
    const auto inicio = Relogio::now();
    SendMessageW(janela.HwndDe("CmdPergunta"), BM_CLICK, 0, 0);
    kit.Rodar([resposta] { return GetWindowTextLengthW(resposta) < Letras; });
    return Ms(Relogio::now() - inicio);
}

void Copiar(std::u16string_view texto) {
    HGLOBAL memoria = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, (texto.size() + 1) * sizeof(char16_t));
    std::copy(texto.begin(), texto.end(), static_cast<char16_t*>(GlobalLock(memoria)));
    GlobalUnlock(memoria);
    OpenClipboard(nullptr);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, memoria);
    CloseClipboard();
}

double Colar(win32::Kit& kit, GeradorPadrao& gerador, bool captura) {
    Principal principal(kit, gerador);
    if (captura) {
        SendMessageW(principal.pergunta, WM_CHAR, ';', 1);
    }
    const auto inicio = Relogio::now();
    SendMessageW(principal.pergunta, WM_PASTE, 0, 0);
    UpdateWindow(principal.janela.Hwnd());
    return Ms(Relogio::now() - inicio);
}

struct Figura {
    const char* nome;
    std::vector<double> valores;
};

double Mediana(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

void Imprimir(const Figura& f) {
    const auto [menor, maior] = std::minmax_element(f.valores.begin(), f.valores.end());
    std::printf("%-22s %10.2f %10.2f %10.2f\n", f.nome, Mediana(f.valores), *menor, *maior);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: morvantis_bench_win32 MORVANTIS.EXE JANELA_NUA.EXE [RUNS]\n");
        return 2;
    }
    const std::wstring programa = argv[1];
    const std::wstring nua = argv[2];
    const int vezes = argc > 3 ? std::max(1, _wtoi(argv[3])) : 10;

    Medir(programa);  // warm-up: the first start fills Wine's caches
    Medir(nua);
    Figura inicio{"start_ms", {}}, inicioNua{"baseline_start_ms", {}};
    Figura pico{"peak_ws_mib", {}}, picoNua{"baseline_peak_ws_mib", {}};
    for (int i = 0; i < vezes; ++i) {
        const bool nuaPrimeiro = i % 2 == 1;
        const Partida a = nuaPrimeiro ? Medir(nua) : Medir(programa);
        const Partida b = nuaPrimeiro ? Medir(programa) : Medir(nua);
        const Partida& p = nuaPrimeiro ? b : a;
        const Partida& n = nuaPrimeiro ? a : b;
        inicio.valores.push_back(p.ms);
        inicioNua.valores.push_back(n.ms);
        pico.valores.push_back(p.picoMib);
        picoNua.valores.push_back(n.picoMib);
    }

    win32::Kit kit(GetModuleHandleW(nullptr));
    GeradorPadrao gerador;
    gerador.Semear(1);
    Figura revelacao{"reveal_60_ms", {}};
    for (int i = 0; i < vezes; ++i) {
        revelacao.valores.push_back(Revelar(kit, gerador));
    }
    std::u16string grande;
    while (grande.size() < (std::size_t{1} << 20)) {
        grande += u"Olá, \U0001F600 mundo! e\u0301 ";
    }
    Copiar(grande.substr(0, std::size_t{1} << 20));
    Figura colarAberto{"paste_1mb_open_ms", {}}, colarCaptura{"paste_1mb_capture_ms", {}};
    for (int i = 0; i < vezes; ++i) {
        colarAberto.valores.push_back(Colar(kit, gerador, false));
        colarCaptura.valores.push_back(Colar(kit, gerador, true));
    }

    HANDLE arquivo =
        CreateFileW(programa.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER tamanho{};
    GetFileSizeEx(arquivo, &tamanho);
    CloseHandle(arquivo);

    std::printf("%-22s %10s %10s %10s   (%d runs)\n", "figure", "median", "min", "max", vezes);
    for (const Figura* f : {&inicio, &inicioNua, &pico, &picoNua, &revelacao, &colarAberto, &colarCaptura}) {
        Imprimir(*f);
    }
    std::printf("%-22s %10.1f\n", "exe_kib", static_cast<double>(tamanho.QuadPart) / 1024.0);
    std::printf("start: %.2f x the bare window; peak memory: %.2f x\n",
                Mediana(inicio.valores) / Mediana(inicioNua.valores),
                Mediana(pico.valores) / Mediana(picoNua.valores));
    const double pace = Mediana(revelacao.valores);
    std::printf("reveal of 60 characters: %.1f ms, %s 600 ms +- 3 %%\n", pace,
                pace >= 582.0 && pace <= 618.0 ? "within" : "OUTSIDE");
    return 0;
}
