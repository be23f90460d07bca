// The Windows API's floor as a program of its own: a bare window with the
// entry window's controls (same kinds, places and texts, read from its
// description) and nothing of ours: no look, fonts, pictures, icon, frame
// or key path. The benchmark starts it beside Morvantis.exe.

#include <windows.h>

#include <string>

#include "Janelas.h"

namespace {

LRESULT CALLBACK Procedimento(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

std::wstring Wide(std::u16string_view texto) {
    return {texto.begin(), texto.end()};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    using namespace morvantis::janelas;
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    classe.lpfnWndProc = &Procedimento;
    classe.hInstance = instancia;
    classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    classe.lpszClassName = L"JanelaNua";
    RegisterClassExW(&classe);
    HWND janela = CreateWindowExW(0, classe.lpszClassName, Wide(Entrada.nomeAcessivel).c_str(),
                                  WS_POPUP | WS_BORDER, CW_USEDEFAULT, CW_USEDEFAULT, Entrada.cliente.largura,
                                  Entrada.cliente.altura, nullptr, nullptr, instancia, nullptr);
    for (const Controle& c : Entrada.controles) {
        const wchar_t* tipo = c.tipo == Tipo::Botao ? L"BUTTON" : c.tipo == Tipo::Caixa ? L"EDIT" : L"STATIC";
        CreateWindowExW(0, tipo, Wide(c.texto).c_str(), WS_CHILD | WS_VISIBLE, c.area.x, c.area.y,
                        c.area.largura, c.area.altura, janela, nullptr, instancia, nullptr);
    }
    ShowWindow(janela, SW_SHOW);
    UpdateWindow(janela);
    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
