#include "lotteries/form5.h"

#include "lotteries/marcodias.h"

#include "core/sesion.h"

#include "platform/ui/textwidth.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lotteries {

namespace db = platform::db;
using core::marcada;
using core::textocampo;

namespace {

core::BloqueVenta::Opciones opcionesBloque()
{
    core::BloqueVenta::Opciones o;
    o.partes = core::BloqueVenta::Normal | core::BloqueVenta::Comodin | core::BloqueVenta::Digito |
               core::BloqueVenta::Pares;
    o.filasNormal[5] = QStringLiteral("3cer Premio");
    return o;
}

QLineEdit* cajaBloqueada()
{
    auto* caja = new QLineEdit;
    caja->setReadOnly(true);
    return caja;
}

// The text a list shows, whether it takes typed text or only its items.
void ponTextoLista(QComboBox* lista, const QString& texto)
{
    if (lista->isEditable()) {
        lista->setEditText(texto);
        return;
    }
    lista->clear();
    lista->addItem(texto);
}

} // namespace

Form5::Form5()
    : Catalogo(QStringLiteral("Actualizaciòn de Loterias"))
    , Text1(cajaBloqueada())
    , Text2(cajaBloqueada())
    , Text33(cajaBloqueada())
    , Text34(cajaBloqueada())
    , Text35(cajaBloqueada())
    , Check8(new QCheckBox(QStringLiteral("Jugar por Digito")))
    , Check9(new QCheckBox(QStringLiteral("Jugar por Pares")))
    , Check10(new QCheckBox(QStringLiteral("Jugar en Forma Normal")))
    , Check11(new QCheckBox(QStringLiteral("Usar Jugadas Especiales")))
    , Command1(new QPushButton(
          QStringLiteral("Presione la tecla F5 o haga clic en este boton para configurar los parametros "
                         "especiales para la loteria seleccionada (Ejm. Tripletazo, Jugada del Mes, otras)")))
    , bloque_(std::make_unique<core::BloqueVenta>(opcionesBloque()))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    bloque_->ponSoloLectura(true);
    // Wide enough for the name, and for a board or operator item.
    platform::ui::showCharacters(Text2, 25);
    for (QLineEdit* caja : {Text34, Text35})
        platform::ui::showCharacters(caja, 28);
    auto* detalle = new QGridLayout(areaDetalle());
    detalle->addWidget(new QLabel(QStringLiteral("Còdigo")), 0, 0);
    detalle->addWidget(Text1, 0, 1);
    detalle->addWidget(new QLabel(QStringLiteral("Nombre")), 0, 2);
    detalle->addWidget(Text2, 0, 3);
    detalle->addWidget(Check11, 0, 4);
    detalle->addWidget(Check8, 1, 0, 1, 2);
    detalle->addWidget(Check10, 1, 2, 1, 3);
    detalle->addWidget(bloque_->marcoDigito(), 2, 0, 1, 2);
    detalle->addWidget(bloque_->marcoNormal(), 2, 2, 1, 3);

    auto* abajo = new QGridLayout;
    core::etiquetaControles(abajo, 0, 0,
                            {{QStringLiteral("Junta:"), Text34},
                             {QStringLiteral("Operadora:"), Text35},
                             {QStringLiteral("% Imp. Operadora"), Text33}},
                            Qt::Vertical);
    // The caption is a sentence: wrap it inside the button instead of letting
    // it stretch the window past the screen.
    auto* leyenda = new QLabel(Command1->text());
    leyenda->setWordWrap(true);
    leyenda->setAlignment(Qt::AlignCenter);
    leyenda->setAttribute(Qt::WA_TransparentForMouseEvents);
    Command1->setAccessibleName(Command1->text());
    Command1->setText(QString());
    (new QVBoxLayout(Command1))->addWidget(leyenda);
    Command1->setMinimumHeight(leyenda->sizeHint().height() * 3);
    abajo->addWidget(Command1, 3, 0, 1, 2);
    detalle->addLayout(abajo, 3, 0, 1, 2);
    detalle->addWidget(construyeDias(), 3, 2, 1, 3);

    // Carried for the editor, never shown.
    detalle->addWidget(Check9, 4, 0);
    detalle->addWidget(bloque_->marcoPares(), 4, 1);
    Check9->hide();
    bloque_->marcoPares()->hide();

    setLectura(core::Lectura::Guardada);
    setEditor(QStringLiteral("Form9"));
    setEnterModifica(core::EnterModifica::EnLaGrilla);
    activaMenuContextual();
    connect(Command1, &QPushButton::clicked, this, &Form5::parametrosespeciales);
}

Form5::~Form5() = default;

QWidget* Form5::construyeDias()
{
    return marcodias(dias, [this] {
        horas.append(cajaBloqueada());
        return horas.last();
    });
}

db::RecordSet Form5::leeLista()
{
    return listaloterias(Text1->text());
}

QList<core::Columna> Form5::columnas() const
{
    return {{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 3000}};
}

QList<core::Columna> Form5::columnasTrasEliminar() const
{
    return {{0, QStringLiteral("Còdigo"), 765}, {1, QStringLiteral("Nombre "), 2800}};
}

namespace {

QString interruptor(bool marcado)
{
    return marcado ? QStringLiteral("S") : QStringLiteral("N");
}

} // namespace

RegistroLoteria Form5::registro() const
{
    RegistroLoteria loteria;
    if (!grilla()->tieneFila()) {
        loteria.dias = QStringList(7, QStringLiteral("N"));
        loteria.horas = QStringList(7, QString());
        return loteria;
    }
    const db::RecordSet fila = grilla()->dataSource();
    const auto campo = [&fila](const QString& nombre) { return fila.value(nombre); };
    loteria.codigo = textocampo(campo(QStringLiteral("COD_LOT")));
    loteria.nombre = textocampo(campo(QStringLiteral("desc_lot")));
    loteria.montos = core::leetextosventa(fila);
    loteria.impuesto = textocampo(campo(QStringLiteral("impuesto")));
    for (int d = 1; d <= 7; ++d) {
        const QString n = QString::number(d);
        loteria.dias << interruptor(marcada(campo(QStringLiteral("DIA_") + n)));
        loteria.horas << textocampo(campo(QStringLiteral("hora_") + n));
    }
    loteria.juegaespecial = interruptor(marcada(campo(QStringLiteral("juegaespecial")), true));
    loteria.juegapar = interruptor(marcada(campo(QStringLiteral("Juegapar"))));
    loteria.juegadigito = interruptor(marcada(campo(QStringLiteral("Juegadigito"))));
    loteria.jueganormal = interruptor(marcada(campo(QStringLiteral("JUEGANORMAL"))));
    loteria.pagacomodin = interruptor(marcada(campo(core::campos::PagaComodin), true));
    loteria.junta = core::itemcodigo(campo(QStringLiteral("codigo_junta")),
                                     campo(QStringLiteral("descripcion_junta")));
    loteria.operadora = core::itemcodigo(campo(QStringLiteral("codigo_operadora")),
                                         campo(QStringLiteral("descripcion_operadora")));
    return loteria;
}

void Form5::muestraFila()
{
    const RegistroLoteria loteria = registro();
    Text1->setText(loteria.codigo);
    Text2->setText(loteria.nombre);
    bloque_->ponTextos(loteria.montos);
    Check12()->setChecked(loteria.pagacomodin == QLatin1String("S"));
    Check8->setChecked(loteria.juegadigito == QLatin1String("S"));
    Check9->setChecked(loteria.juegapar == QLatin1String("S"));
    Check10->setChecked(loteria.jueganormal == QLatin1String("S"));
    Check11->setChecked(loteria.juegaespecial == QLatin1String("S"));
    for (int d = 0; d < 7; ++d) {
        dias[d]->setChecked(loteria.dias.value(d) == QLatin1String("S"));
        horas[d]->setText(loteria.horas.value(d));
    }
    Text33->setText(loteria.impuesto);
    Text34->setText(loteria.junta);
    Text35->setText(loteria.operadora);
}

QString Form5::llamaEliminar()
{
    db::Command comando = comandoeliminaloteria(registro());
    comando.execute();
    return core::respuesta(comando);
}

void Form5::parametrosespeciales()
{
    atrapa([this] {
        core::sesion().marcadormaestro = grilla()->marcador();
        platform::ui::Window* ventana = platform::ui::windowRegistry().get(QStringLiteral("Form46"));
        if (!ventana)
            return;
        if (auto* lista = ventana->findChild<QComboBox*>(QStringLiteral("Combo4")))
            ponTextoLista(lista, platform::vb::trim(grilla()->textoColumna(0)) + QStringLiteral(" - ") +
                                     platform::vb::rtrim(grilla()->textoColumna(1)));
        ventana->showModeless();
    });
}

bool Form5::onKeyPreview(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_F5) {
        parametrosespeciales();
        return true;
    }
    return Catalogo::onKeyPreview(evento);
}

} // namespace lotteries
