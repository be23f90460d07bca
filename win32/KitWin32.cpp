#include "KitWin32.h"

#include "Janela.h"

namespace morvantis::win32 {

namespace {

constexpr wchar_t ClasseOculta[] = L"Morvantis.Oculta";
constexpr UINT MensagemDepois = WM_APP;

ATOM Registrar(HINSTANCE instancia, const wchar_t* nome, WNDPROC procedimento, bool janela) {
    WNDCLASSEXW classe{};
    classe.cbSize = sizeof classe;
    // GetClassInfoExW returns the class's atom: a second kit (tests) reuses it.
    if (const auto existente = static_cast<ATOM>(GetClassInfoExW(instancia, nome, &classe)); existente != 0) {
        return existente;
    }
    classe.lpfnWndProc = procedimento;
    classe.hInstance = instancia;
    classe.lpszClassName = nome;
    if (janela) {
        classe.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        // The snowflake, from the version resource's icon.
        classe.hIcon =
            static_cast<HICON>(LoadImageW(instancia, L"IDI_ICON1", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
        classe.hIconSm =
            static_cast<HICON>(LoadImageW(instancia, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                          GetSystemMetrics(SM_CYSMICON), 0));
        classe.cbWndExtra = DLGWINDOWEXTRA;
    }
    return RegisterClassExW(&classe);
}

}  // namespace

Kit::Kit(HINSTANCE instancia) : instancia_(instancia) {
    classeJanela_ = Registrar(instancia, Janela::Classe, &Janela::Procedimento, true);
    Registrar(instancia, ClasseOculta, &ProcedimentoOculta, false);
    oculta_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClasseOculta, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              instancia, this);
}

Kit::~Kit() {
    // Not the end of the program any more: nothing to end.
    SetWindowLongPtrW(oculta_, GWLP_USERDATA, 0);
    DestroyWindow(oculta_);
}

std::unique_ptr<janelas::JanelaViva> Kit::Criar(const janelas::Janela& descricao, janelas::JanelaViva* dono) {
    auto* janelaDono = dynamic_cast<Janela*>(dono);
    return std::make_unique<Janela>(*this, descricao, janelaDono != nullptr ? janelaDono->Hwnd() : oculta_);
}

void Kit::Depois(std::function<void()> acao) {
    if (encerrado_) {
        return;
    }
    fila_.push_back(std::move(acao));
    PostMessageW(oculta_, MensagemDepois, 0, 0);
}

void Kit::EncerrarJa() {
    encerrado_ = true;
    fila_.clear();
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND janela, LPARAM) -> BOOL {
            ShowWindow(janela, SW_HIDE);
            return TRUE;
        },
        0);
    PostQuitMessage(0);
}

bool Kit::Rodar(const std::function<bool()>& continuar) {
    MSG msg{};
    while (continuar()) {
        const BOOL resultado = GetMessageW(&msg, nullptr, 0, 0);
        if (resultado == 0 || resultado == -1) {
            PostQuitMessage(resultado == 0 ? static_cast<int>(msg.wParam) : 1);
            return false;
        }
        Despachar(msg);
    }
    return true;
}

int Kit::RodarAteOFim() {
    MSG msg{};
    BOOL resultado = 0;
    while ((resultado = GetMessageW(&msg, nullptr, 0, 0)) > 0) {
        Despachar(msg);
    }
    return resultado == 0 ? static_cast<int>(msg.wParam) : 1;
}

// The dialog keys (Tab and Shift+Tab between controls, Space and Enter on
// the button with the focus) work in every window; Enter elsewhere and
// Escape press nothing (Janela ignores IDOK and IDCANCEL), and the
// question box takes them as characters.
void Kit::Despachar(MSG& msg) {
    HWND raiz = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (raiz != nullptr && GetClassLongPtrW(raiz, GCW_ATOM) == classeJanela_) {
        const bool shiftTab = msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && GetKeyState(VK_SHIFT) < 0;
        sentido_ = shiftTab ? janelas::Sentido::Atras : janelas::Sentido::Adiante;
        const BOOL tratada = IsDialogMessageW(raiz, &msg);
        sentido_ = janelas::Sentido::Adiante;
        if (tratada) {
            return;
        }
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

LRESULT CALLBACK Kit::ProcedimentoOculta(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    }
    auto* kit = reinterpret_cast<Kit*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (kit == nullptr) {
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    switch (msg) {
        case MensagemDepois:
            if (!kit->fila_.empty()) {
                const std::function<void()> acao = std::move(kit->fila_.front());
                kit->fila_.pop_front();
                acao();
            }
            return 0;
        case WM_CLOSE:
            // No person can reach this window: a WM_CLOSE here comes from
            // another program asking this one to end (taskkill without /F
            // posts one to every top-level window; the visible ones ignore
            // it, as they ignore Alt+F4). It ends as "Sair" does. The
            // default handling would destroy this window and every window
            // it owns, and leave the loop running with no window at all.
            kit->EncerrarJa();
            return 0;
        case WM_DESTROY:
            // Whatever destroys it while the program runs ends the program:
            // every window hangs from it.
            kit->oculta_ = nullptr;
            kit->EncerrarJa();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace morvantis::win32
