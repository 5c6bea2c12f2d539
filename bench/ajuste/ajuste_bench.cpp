// The bulk adjustment of every seller over every lottery, timed through its
// window: Form48 opened as the main menu opens it (with the shared seller
// and lottery lists loaded), every seller and every lottery selected with
// the list headings, four values typed, "Aplicar ajustes de Parámetros"
// answered Yes; the time runs from the click until the server's answer
// has been shown. Run r types the limit 100 + r; bench/ajuste-bench then
// counts on the server the rows that hold the last run's values.
//   ajuste_bench SERVER PORT DATABASE [RUNS]
// Prints "sellers=… lotteries=… rows=… limit=… ms=…,…" and exits non-zero
// when the window did not list the sellers and lotteries or the adjustment
// failed.

#include "core/acceso.h"
#include "core/conexion.h"
#include "core/sesion.h"
#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "sellerparams/form48.h"
#include "sellerparams/registro.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <cstdio>

namespace {

// Answers Yes to the question and remembers the last message.
class Respuestas final : public platform::MessageBoxService {
public:
    int show(const QString& prompt, int, const QString&) override
    {
        ultimo = prompt;
        return platform::msg::AnswerYes;
    }
    QString ultimo;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: ajuste_bench SERVER PORT DATABASE [RUNS]\n");
        return 2;
    }
    const int corridas = argc > 4 ? std::atoi(argv[4]) : 3;
    Respuestas respuestas;
    platform::setMessageBoxService(&respuestas);
    core::Sesion& s = core::sesion();
    s.servidor = QString::fromLocal8Bit(argv[1]);
    s.puerto = QString::fromLocal8Bit(argv[2]);
    s.basedatos = QString::fromLocal8Bit(argv[3]);
    qputenv("DUROZ_PUERTO", argv[2]);
    core::reconstruyecadenaconexion();
    if (!core::abreconexion(s.conexion, 0, 3))
        return 1;
    core::cargalistascompartidas(s.conexion);
    sellerparams::registerWindows(platform::ui::windowRegistry());

    QStringList tiempos;
    int vendedores = 0, loterias = 0;
    QString limite;
    for (int corrida = 1; corrida <= corridas; ++corrida) {
        auto* ventana = platform::ui::windowRegistry().get<sellerparams::Form48>(QStringLiteral("Form48"));
        ventana->showModeless();
        // Nothing is selected at the start: a heading click selects all.
        emit ventana->Label26->clicked();
        emit ventana->Label27->clicked();
        vendedores = ventana->vendedores().size() / 5;
        loterias = ventana->loterias().size() / 3;
        if (vendedores == 0 || loterias == 0) {
            std::fprintf(stderr, "run %d: the window lists %d sellers and %d lotteries\n", corrida,
                         vendedores, loterias);
            return 1;
        }
        limite = QString::number(100 + corrida);
        ventana->normal()->caja(QStringLiteral("Lim_Tri"))->setText(limite);
        ventana->normal()->caja(QStringLiteral("Comi_Ter"))->setText(QStringLiteral("12.5"));
        ventana->impuesto->setText(QStringLiteral("2.25"));
        ventana->Combo1->setCurrentIndex(3);

        QElapsedTimer reloj;
        reloj.start();
        ventana->XPButton1->click();
        tiempos << QString::number(reloj.nsecsElapsed() / 1e6, 'f', 1);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (respuestas.ultimo != QStringLiteral("Ajuste de parámetros realizada sin problemas")) {
            std::fprintf(stderr, "run %d: the adjustment failed: %s\n", corrida,
                         qPrintable(respuestas.ultimo));
            return 1;
        }
    }
    std::printf("sellers=%d lotteries=%d rows=%d limit=%s ms=%s\n", vendedores, loterias,
                vendedores * loterias, qPrintable(limite), qPrintable(tiempos.join(QLatin1Char(','))));
    return 0;
}
