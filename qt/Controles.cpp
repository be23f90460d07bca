#include "Controles.h"

#include <QPushButton>
#include <QTimer>

namespace morvantis::qt {

QString ParaQString(std::u16string_view texto) {
    return QString::fromUtf16(texto.data(), static_cast<qsizetype>(texto.size()));
}

std::u16string ParaU16(const QString& texto) {
    return texto.toStdU16String();
}

void Botao::Habilitar(bool habilitado) {
    botao_.setEnabled(habilitado);
}

void Botao::Focar() {
    botao_.setFocus(Qt::OtherFocusReason);
}

Temporizador::Temporizador(QTimer& timer) : timer_(timer), compasso_(timer.interval()) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { Pulsar(); });
}

void Temporizador::Habilitar(bool habilitado) {
    if (habilitado == timer_.isActive()) {
        return;
    }
    if (habilitado) {
        relogio_.start();
        compasso_.Iniciar(0.0);
        timer_.start();
    } else {
        compasso_.Parar();
        timer_.stop();
    }
}

void Temporizador::Pulsar() {
    compasso_.Pulsar(static_cast<double>(relogio_.nsecsElapsed()) / 1e6, [this] {
        if (handler_) {
            handler_();
        }
    });
}

}  // namespace morvantis::qt
