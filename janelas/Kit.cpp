#include "Kit.h"

#include <stdexcept>

namespace morvantis::janelas {

namespace {

// The adaptor of that name, or std::out_of_range.
template <typename Mapa>
auto& Achar(const Mapa& mapa, std::string_view nome) {
    const auto it = mapa.find(nome);
    if (it == mapa.end()) {
        throw std::out_of_range("no such control: " + std::string(nome));
    }
    return *it->second;
}

}  // namespace

toolkit::Caixa& JanelaViva::Caixa(std::string_view nome) {
    if (const auto it = modelos_.find(nome); it != modelos_.end()) {
        return *it->second;
    }
    return Achar(caixas_, nome);
}

toolkit::Botao& JanelaViva::Botao(std::string_view nome) {
    return Achar(botoes_, nome);
}

toolkit::Temporizador& JanelaViva::Temporizador(std::string_view nome) {
    return Achar(temporizadores_, nome);
}

void JanelaViva::AoTeclar(std::string_view caixa, Filtro filtro) {
    Achar(modelos_, caixa).DefinirFiltro(std::move(filtro));
}

void JanelaViva::AoPulsar(std::string_view temporizador, std::function<void()> handler) {
    Achar(temporizadores_, temporizador).AoPulsar(std::move(handler));
}

void JanelaViva::FocarVizinho(std::string_view de, Sentido sentido) {
    if (const Controle* vizinho = Vizinho(de, sentido); vizinho != nullptr) {
        FocarControle(*vizinho, sentido);
    }
}

const Controle* JanelaViva::Vizinho(std::string_view de, Sentido sentido) const {
    const Controle* origem = descricao_.Achar(de);
    return origem != nullptr
               ? descricao_.Vizinho(*origem, sentido, [this](const Controle& c) { return Habilitado(c); })
               : nullptr;
}

const Controle* JanelaViva::PrimeiroFocavel() const {
    return descricao_.PrimeiroFocavel([this](const Controle& c) { return Habilitado(c); });
}

ModeloPergunta& JanelaViva::NovoModelo(const Controle& c) {
    auto modelo = std::make_unique<ModeloPergunta>(static_cast<std::size_t>(c.maximoCaracteres));
    modelo->DefinirTexto(std::u16string(c.texto));
    modelo->Travar(c.travado);
    return *modelos_.insert_or_assign(std::string(c.nome), std::move(modelo)).first->second;
}

void JanelaViva::Guardar(std::string_view nome, std::unique_ptr<toolkit::Caixa> caixa) {
    caixas_.insert_or_assign(std::string(nome), std::move(caixa));
}

void JanelaViva::Guardar(std::string_view nome, std::unique_ptr<toolkit::Botao> botao) {
    botoes_.insert_or_assign(std::string(nome), std::move(botao));
}

void JanelaViva::Guardar(std::string_view nome, std::unique_ptr<TemporizadorVivo> temporizador) {
    temporizadores_.insert_or_assign(std::string(nome), std::move(temporizador));
}

}  // namespace morvantis::janelas
