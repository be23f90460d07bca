// The benchmark driver behind `make bench`.
//
// The program takes no command line and no environment, so it is measured
// from outside, as a person meets it: the driver starts its own Xvfb (with
// -noreset, on a display the server picks itself), launches the real
// executable and a bare Qt window (the toolkit's floor) in turn, and watches
// the display through X. A new top-level window gets an XDamage object when
// it is created; the first damage after it is mapped is its first painted
// frame. "Entrar" is clicked with XTest. Memory and CPU time come from
// /proc. The figures best taken inside the program (the reveal's pace, a
// keystroke's cost) come from morvantis_bench_janela on the same display.
//
// Every figure is the median of the runs, with min and max; the program and
// its baseline alternate within each run so they share the machine's mood.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "Janelas.h"

extern char** environ;

namespace {

using Relogio = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Ms(Relogio::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Opcoes {
    int corridas = 15;
    int aquecimento = 1;
    std::chrono::milliseconds ocioso = 5000ms;
    int teclas = 10000;
    std::string saida = "build/bench/results.json";
    std::string programa = MORVANTIS_PROGRAMA;
    std::string base = MORVANTIS_BASE;
    std::string janela = MORVANTIS_JANELA;
};

// Starts a child with the given arguments and environment. It dies with the
// driver, so an interrupted benchmark leaves nothing running.
pid_t Lancar(const std::vector<std::string>& argumentos, const std::vector<std::string>& ambiente,
             int saida = -1, int erros = -1, int extra = -1) {
    std::vector<char*> argv;
    for (const auto& a : argumentos) {
        argv.push_back(const_cast<char*>(a.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const auto& e : ambiente) {
        envp.push_back(const_cast<char*>(e.c_str()));
    }
    envp.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0) {
        throw std::runtime_error("fork failed");
    }
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (saida >= 0) {
            dup2(saida, STDOUT_FILENO);
        }
        if (erros >= 0) {
            dup2(erros, STDERR_FILENO);
        }
        if (extra >= 0) {
            fcntl(extra, F_SETFD, 0);
        }
        execve(argv[0], argv.data(), envp.data());
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    return pid;
}

void Encerrar(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Our own X server. -displayfd lets it choose a free display and tell us
// which; -noreset keeps it from resetting (and slowing the next client)
// every time the last client leaves.
class Xvfb {
public:
    Xvfb() {
        int canal[2];
        if (pipe2(canal, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        std::vector<std::string> ambiente;
        for (char** e = environ; *e != nullptr; ++e) {
            ambiente.emplace_back(*e);
        }
        const int nulo = open("/dev/null", O_WRONLY | O_CLOEXEC);
        pid_ = Lancar({"Xvfb", "-displayfd", std::to_string(canal[1]), "-noreset", "-nolisten", "tcp",
                       "-screen", "0", "1280x1024x24"},
                      ambiente, nulo, nulo, canal[1]);
        close(nulo);
        close(canal[1]);
        std::string numero;
        pollfd p{canal[0], POLLIN, 0};
        char c = 0;
        while (poll(&p, 1, 10000) > 0 && read(canal[0], &c, 1) == 1 && c != '\n') {
            numero += c;
        }
        close(canal[0]);
        if (numero.empty()) {
            Encerrar(pid_);
            throw std::runtime_error("Xvfb did not start (is the xvfb package installed?)");
        }
        display_ = ":" + numero;
    }
    ~Xvfb() {
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    Xvfb(const Xvfb&) = delete;
    Xvfb& operator=(const Xvfb&) = delete;

    [[nodiscard]] const std::string& Display() const { return display_; }

private:
    pid_t pid_ = -1;
    std::string display_;
};

struct Quadro {
    Relogio::time_point quando;
    xcb_window_t janela;
};

// Watches the display: the top-level windows clients create and map, and
// the first drawing into them.
class Observador {
public:
    explicit Observador(const std::string& display) : c_(xcb_connect(display.c_str(), nullptr)) {
        if (xcb_connection_has_error(c_) != 0) {
            throw std::runtime_error("cannot connect to " + display);
        }
        raiz_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c_, &xcb_damage_id);
        const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(c_, &xcb_test_id);
        if (damage == nullptr || damage->present == 0 || xtest == nullptr || xtest->present == 0) {
            throw std::runtime_error("the X server lacks DAMAGE or XTEST");
        }
        base_damage_ = damage->first_event;
        free(xcb_damage_query_version_reply(c_, xcb_damage_query_version(c_, 1, 1), nullptr));
        const uint32_t mascara = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, raiz_, XCB_CW_EVENT_MASK, &mascara);
        xcb_flush(c_);
    }
    ~Observador() { xcb_disconnect(c_); }
    Observador(const Observador&) = delete;
    Observador& operator=(const Observador&) = delete;

    // From now on only windows created after this call count.
    void Vigiar() {
        Esperar(Relogio::now());
        for (auto& [janela, nova] : janelas_) {
            nova = false;
        }
        vigiando_ = true;
        quadro_.reset();
    }

    // The first frame painted into a window created since Vigiar().
    Quadro PrimeiroQuadro(std::chrono::milliseconds prazo) {
        const auto limite = Relogio::now() + prazo;
        while (!quadro_) {
            if (!Aguardar(limite)) {
                throw std::runtime_error("no window painted within " + std::to_string(prazo.count()) + " ms");
            }
        }
        return *quadro_;
    }

    // Handles events until the given moment.
    void Esperar(Relogio::time_point ate) {
        while (Aguardar(ate)) {
        }
    }
    void Esperar(std::chrono::milliseconds tempo) { Esperar(Relogio::now() + tempo); }

    [[nodiscard]] std::pair<int, int> Posicao(xcb_window_t janela) {
        auto* g = xcb_get_geometry_reply(c_, xcb_get_geometry(c_, janela), nullptr);
        if (g == nullptr) {
            throw std::runtime_error("the window vanished");
        }
        const std::pair<int, int> p{g->x, g->y};
        free(g);
        return p;
    }

    void Pressionar(int x, int y) {
        xcb_test_fake_input(c_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, raiz_, static_cast<int16_t>(x),
                            static_cast<int16_t>(y), 0);
        xcb_test_fake_input(c_, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c_);
    }
    void Soltar() {
        xcb_test_fake_input(c_, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(c_);
    }

private:
    // Handles what has arrived, or waits for something until `limite`.
    // Returns false once `limite` has passed.
    bool Aguardar(Relogio::time_point limite) {
        if (xcb_connection_has_error(c_) != 0) {
            throw std::runtime_error("lost the X connection");
        }
        bool algum = false;
        while (xcb_generic_event_t* evento = xcb_poll_for_event(c_)) {
            Tratar(evento, Relogio::now());
            free(evento);
            algum = true;
        }
        const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(limite - Relogio::now());
        if (resta.count() <= 0) {
            return false;
        }
        if (!algum) {
            pollfd p{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&p, 1, static_cast<int>(std::min<long long>(resta.count(), 50)));
        }
        return true;
    }

    void Tratar(const xcb_generic_event_t* evento, Relogio::time_point agora) {
        const uint8_t tipo = evento->response_type & 0x7f;
        if (tipo == XCB_CREATE_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_create_notify_event_t*>(evento);
            if (e->parent == raiz_ && vigiando_) {
                janelas_[e->window] = true;
                // An input-only window cannot be drawn into; the server's
                // BadMatch for it arrives as an error and is ignored.
                xcb_damage_create(c_, xcb_generate_id(c_), e->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(c_);
            }
        } else if (tipo == XCB_MAP_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_map_notify_event_t*>(evento);
            mapeadas_.push_back(e->window);
        } else if (tipo == XCB_UNMAP_NOTIFY || tipo == XCB_DESTROY_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_unmap_notify_event_t*>(evento);
            std::erase(mapeadas_, e->window);
            if (tipo == XCB_DESTROY_NOTIFY) {
                janelas_.erase(e->window);
            }
        } else if (tipo == base_damage_ + XCB_DAMAGE_NOTIFY) {
            const auto* e = reinterpret_cast<const xcb_damage_notify_event_t*>(evento);
            const auto nova = janelas_.find(e->drawable);
            const bool mapeada =
                std::find(mapeadas_.begin(), mapeadas_.end(), e->drawable) != mapeadas_.end();
            if (!quadro_ && nova != janelas_.end() && nova->second && mapeada) {
                quadro_ = Quadro{agora, e->drawable};
            }
        }
    }

    xcb_connection_t* c_;
    xcb_window_t raiz_ = 0;
    uint8_t base_damage_ = 0;
    bool vigiando_ = false;
    // Top-level windows seen being created, and whether since Vigiar().
    std::map<xcb_window_t, bool> janelas_;
    std::vector<xcb_window_t> mapeadas_;
    std::optional<Quadro> quadro_;
};

// Peak resident memory, VmHWM, in MiB.
double PicoMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string linha;
    while (std::getline(status, linha)) {
        if (linha.rfind("VmHWM:", 0) == 0) {
            return std::stod(linha.substr(6)) / 1024.0;
        }
    }
    throw std::runtime_error("no VmHWM for the program");
}

// CPU time the scheduler has given the process, in milliseconds: exact,
// where the clock ticks only sample.
double CpuMs(pid_t pid) {
    std::ifstream schedstat("/proc/" + std::to_string(pid) + "/schedstat");
    double ns = 0;
    if (!(schedstat >> ns)) {
        throw std::runtime_error("unreadable /proc schedstat");
    }
    return ns / 1e6;
}

// User plus system CPU time, in clock ticks.
long TicksCpu(pid_t pid) {
    std::ifstream arquivo("/proc/" + std::to_string(pid) + "/stat");
    std::string stat((std::istreambuf_iterator<char>(arquivo)), std::istreambuf_iterator<char>());
    // The command name may hold spaces; the fields after it are plain.
    std::istringstream campos(stat.substr(stat.rfind(')') + 2));
    std::vector<std::string> f{std::istream_iterator<std::string>(campos),
                               std::istream_iterator<std::string>()};
    if (f.size() < 13) {
        throw std::runtime_error("unreadable /proc stat");
    }
    return std::stol(f[11]) + std::stol(f[12]);  // utime and stime, fields 14 and 15
}

struct Resumo {
    double mediana = 0;
    double minimo = 0;
    double maximo = 0;
};

Resumo Resumir(std::vector<double> v) {
    if (v.empty()) {
        throw std::runtime_error("a figure has no samples");
    }
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return {n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0, v.front(), v.back()};
}

class Bancada {
public:
    Bancada(const Opcoes& opcoes, const std::string& display) : o_(opcoes), x_(display) {
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string_view v = *e;
            if (!v.starts_with("DISPLAY=") && !v.starts_with("QT_QPA_PLATFORM=") &&
                !v.starts_with("WAYLAND_DISPLAY=")) {
                ambiente_.emplace_back(v);
            }
        }
        ambiente_.push_back("DISPLAY=" + display);
        // Qt warns on every start without one; a private one keeps the
        // table readable.
        if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
            char modelo[] = "/tmp/morvantis-bench-XXXXXX";
            if (mkdtemp(modelo) != nullptr) {
                execucao_ = modelo;
                ambiente_.push_back("XDG_RUNTIME_DIR=" + execucao_);
            }
        }
    }
    ~Bancada() {
        if (!execucao_.empty()) {
            std::error_code ignorado;
            std::filesystem::remove_all(execucao_, ignorado);
        }
    }
    Bancada(const Bancada&) = delete;
    Bancada& operator=(const Bancada&) = delete;

    void Base(bool contar) {
        x_.Vigiar();
        const auto inicio = Relogio::now();
        const pid_t pid = Lancar({o_.base}, ambiente_);
        const Quadro q = Primeiro(pid);
        x_.Esperar(100ms);
        const double rss = PicoMiB(pid);
        Encerrar(pid);
        if (contar) {
            a_["baseline_start_ms"].push_back(Ms(q.quando - inicio));
            a_["baseline_rss_mib"].push_back(rss);
        }
    }

    void Programa(bool contar) {
        x_.Vigiar();
        const auto inicio = Relogio::now();
        const pid_t pid = Lancar({o_.programa}, ambiente_);
        const Quadro entrada = Primeiro(pid);
        // A person takes far longer than this to reach the button.
        x_.Esperar(200ms);
        const auto [x, y] = x_.Posicao(entrada.janela);
        // The middle of "Entrar", inside the window's frame.
        const auto& entrar = morvantis::janelas::Entrada.Achar("CmdEntrar")->area;
        const int moldura = morvantis::janelas::MolduraPixels;
        x_.Pressionar(x + moldura + entrar.x + entrar.largura / 2,
                      y + moldura + entrar.y + entrar.altura / 2);
        x_.Esperar(50ms);
        x_.Vigiar();
        const auto clique = Relogio::now();
        x_.Soltar();
        const Quadro principal = Primeiro(pid);
        x_.Esperar(100ms);
        const double rss = PicoMiB(pid);
        const long antes = TicksCpu(pid);
        const double antesMs = CpuMs(pid);
        x_.Esperar(o_.ocioso);
        const long depois = TicksCpu(pid);
        const double depoisMs = CpuMs(pid);
        Encerrar(pid);
        if (contar) {
            a_["start_ms"].push_back(Ms(entrada.quando - inicio));
            a_["enter_ms"].push_back(Ms(principal.quando - clique));
            a_["rss_mib"].push_back(rss);
            a_["idle_cpu_ticks"].push_back(static_cast<double>(depois - antes));
            a_["idle_cpu_ms"].push_back(depoisMs - antesMs);
        }
    }

    // The in-process figures, all runs in one process on the same display.
    void Janela() {
        int canal[2];
        if (pipe2(canal, O_CLOEXEC) != 0) {
            throw std::runtime_error("pipe failed");
        }
        const pid_t pid =
            Lancar({o_.janela, "--runs", std::to_string(o_.corridas), "--keys", std::to_string(o_.teclas)},
                   ambiente_, canal[1]);
        close(canal[1]);
        std::string saida;
        char bloco[4096];
        for (ssize_t n; (n = read(canal[0], bloco, sizeof bloco)) > 0;) {
            saida.append(bloco, static_cast<std::size_t>(n));
        }
        close(canal[0]);
        int estado = 0;
        waitpid(pid, &estado, 0);
        if (!WIFEXITED(estado) || WEXITSTATUS(estado) != 0) {
            throw std::runtime_error("morvantis_bench_janela failed");
        }
        std::istringstream linhas(saida);
        std::string nome;
        double valor = 0;
        while (linhas >> nome >> valor) {
            a_[nome].push_back(valor);
        }
    }

    [[nodiscard]] std::map<std::string, Resumo> Resultados() const {
        std::map<std::string, Resumo> r;
        for (const auto& [nome, amostras] : a_) {
            r[nome] = Resumir(amostras);
        }
        return r;
    }

private:
    Quadro Primeiro(pid_t pid) {
        try {
            return x_.PrimeiroQuadro(10000ms);
        } catch (...) {
            Encerrar(pid);
            throw;
        }
    }

    const Opcoes& o_;
    Observador x_;
    std::vector<std::string> ambiente_;
    std::string execucao_;
    std::map<std::string, std::vector<double>> a_;
};

struct Meta {
    const char* figura;
    const char* texto;
    bool cumprida;
};

std::vector<Meta> Metas(const std::map<std::string, Resumo>& r) {
    const auto m = [&r](const char* nome) { return r.at(nome).mediana; };
    return {
        {"start_ms", "<= 1.25 x baseline_start_ms", m("start_ms") <= 1.25 * m("baseline_start_ms")},
        {"enter_ms", "< 30", m("enter_ms") < 30.0},
        {"rss_mib", "<= 1.2 x baseline_rss_mib", m("rss_mib") <= 1.2 * m("baseline_rss_mib")},
        {"reveal_60_ms", "600 +- 3 %", std::abs(m("reveal_60_ms") - 600.0) <= 18.0},
        {"keystroke_us", "< 200", m("keystroke_us") < 200.0},
        {"keystroke_secret_us", "< 200", m("keystroke_secret_us") < 200.0},
        {"idle_cpu_ticks", "0", m("idle_cpu_ticks") == 0.0},
        {"paste_1mb_open_ms", "< 1000", m("paste_1mb_open_ms") < 1000.0},
        {"paste_1mb_capture_ms", "< 1000", m("paste_1mb_capture_ms") < 1000.0},
    };
}

// In the order, each program figure beside its baseline.
const char* const Ordem[] = {"start_ms",
                             "baseline_start_ms",
                             "enter_ms",
                             "rss_mib",
                             "baseline_rss_mib",
                             "reveal_60_ms",
                             "reveal_p95_tick_ms",
                             "keystroke_us",
                             "keystroke_secret_us",
                             "baseline_keystroke_us",
                             "keystroke_paint_us",
                             "keystroke_secret_paint_us",
                             "baseline_keystroke_paint_us",
                             "idle_cpu_ticks",
                             "idle_cpu_ms",
                             "paste_1mb_open_ms",
                             "paste_1mb_capture_ms"};

void Imprimir(const std::map<std::string, Resumo>& r, const std::vector<Meta>& metas, int corridas) {
    std::printf("\n%-28s %10s %10s %10s   %s   (%d runs)\n", "figure", "median", "min", "max", "target",
                corridas);
    for (const char* nome : Ordem) {
        const Resumo& s = r.at(nome);
        std::string alvo;
        for (const Meta& meta : metas) {
            if (std::string_view(meta.figura) == nome) {
                alvo = std::string(meta.texto) + (meta.cumprida ? "  ok" : "  MISSED");
            }
        }
        std::printf("%-28s %10.2f %10.2f %10.2f   %s\n", nome, s.mediana, s.minimo, s.maximo, alvo.c_str());
    }
}

void Gravar(const std::string& caminho, const std::map<std::string, Resumo>& r,
            const std::vector<Meta>& metas, const Opcoes& o) {
    const std::filesystem::path p(caminho);
    if (p.has_parent_path()) {
        std::filesystem::create_directories(p.parent_path());
    }
    std::ofstream j(p);
    j << "{\n  \"runs\": " << o.corridas << ",\n  \"idle_window_ms\": " << o.ocioso.count()
      << ",\n  \"keystrokes_per_run\": " << o.teclas << ",\n  \"x_server\": \"Xvfb -noreset\"";
    char numero[64];
    for (const char* nome : Ordem) {
        const Resumo& s = r.at(nome);
        std::snprintf(numero, sizeof numero, "%.3f, \"min\": %.3f, \"max\": %.3f", s.mediana, s.minimo,
                      s.maximo);
        j << ",\n  \"" << nome << "\": {\"median\": " << numero;
        for (const Meta& meta : metas) {
            if (std::string_view(meta.figura) == nome) {
                j << ", \"target\": \"" << meta.texto
                  << "\", \"met\": " << (meta.cumprida ? "true" : "false");
            }
        }
        j << "}";
    }
    j << "\n}\n";
    if (!j) {
        throw std::runtime_error("cannot write " + caminho);
    }
}

Opcoes LerOpcoes(int argc, char* argv[]) {
    Opcoes o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const auto valor = [&]() -> std::string {
            if (i + 1 >= argc) {
                throw std::runtime_error("missing value after " + std::string(a));
            }
            return argv[++i];
        };
        if (a == "--quick") {
            // One run of everything, shortened: proves the benchmark works.
            o.corridas = 1;
            o.aquecimento = 0;
            o.ocioso = 500ms;
            o.teclas = 200;
        } else if (a == "--runs") {
            o.corridas = std::max(1, std::stoi(valor()));
        } else if (a == "--out") {
            o.saida = valor();
        } else if (a == "--program") {
            o.programa = valor();
        } else {
            throw std::runtime_error(
                "usage: morvantis_bench [--quick] [--runs N] [--out results.json] [--program PATH]");
        }
    }
    return o;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        const Opcoes o = LerOpcoes(argc, argv);
        const Xvfb servidor;
        Bancada bancada(o, servidor.Display());
        for (int i = -o.aquecimento; i < o.corridas; ++i) {
            std::fprintf(stderr, "\rrun %d of %d", std::max(i + 1, 0), o.corridas);
            // Alternate which goes first, so neither always meets a
            // freshly warmed cache.
            if (i % 2 == 0) {
                bancada.Base(i >= 0);
                bancada.Programa(i >= 0);
            } else {
                bancada.Programa(i >= 0);
                bancada.Base(i >= 0);
            }
        }
        std::fprintf(stderr, "\rreveal and keystrokes in the main window\n");
        bancada.Janela();
        const auto resultados = bancada.Resultados();
        const auto metas = Metas(resultados);
        Imprimir(resultados, metas, o.corridas);
        Gravar(o.saida, resultados, metas, o);
        std::printf("\nwritten to %s\n", o.saida.c_str());
    } catch (const std::exception& erro) {
        std::fprintf(stderr, "\nmorvantis_bench: %s\n", erro.what());
        return 1;
    }
    return 0;
}
