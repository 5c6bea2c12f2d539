#include "core/masteredita.h"

#include "core/filtros.h"
#include "core/sesion.h"

#include "platform/db/dberror.h"
#include "platform/messages.h"
#include "platform/regional.h"
#include "platform/vbtext.h"
#include "platform/ui/windowregistry.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace core {

namespace db = platform::db;
using platform::msgbox;

namespace {

// Yes and No, critical icon, the second button (No) as the default.
constexpr int EstiloConfirmacion = platform::msg::YesNo + platform::msg::Critical + 256;

QPushButton* boton(const QString& texto, QBoxLayout* fila)
{
    auto* b = new QPushButton(texto);
    b->setAutoDefault(false);
    fila->addWidget(b);
    return b;
}

} // namespace

bool confirmaeliminar(const QString& titulo)
{
    return msgbox(QStringLiteral("¿Deseas Eliminar la información Seleccionada?"), EstiloConfirmacion,
                  titulo) == platform::msg::AnswerYes;
}

bool informaresultado(const QString& respuesta)
{
    const bool exito = respuesta.trimmed() == QLatin1String("0");
    msgbox(exito ? QStringLiteral("La transacción ha sido realizada con éxito!")
                 : QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción"),
           platform::msg::Information, TituloAtencion);
    return exito;
}

db::Command comandoact(const QString& procedimiento, int tiempoEspera)
{
    db::Command comando(sesion().conexion, procedimiento);
    if (tiempoEspera >= 0)
        comando.setCommandTimeout(tiempoEspera);
    comando.append(QStringLiteral("@RETURN_VALUE"), db::DataType::Integer, db::Direction::ReturnValue);
    return comando;
}

QString respuesta(const db::Command& comando)
{
    return comando.value(QStringLiteral("@RETURN_VALUE")).toString().trimmed();
}

QString textocampo(const QVariant& valor)
{
    return platform::vb::rtrim(platform::regional::toText(valor));
}

QString itemcodigo(const QVariant& codigo, const QVariant& nombre)
{
    const QString texto = textocampo(codigo);
    return texto.isEmpty() ? QString() : texto + QStringLiteral(" - ") + textocampo(nombre);
}

bool marcada(const QVariant& valor, bool comoGuardado)
{
    const QString texto = platform::regional::toText(valor);
    return (comoGuardado ? texto : platform::vb::rtrim(texto)) == QLatin1String("S");
}

QString bandera(const QCheckBox* casilla)
{
    return casilla->checkState() == Qt::Unchecked ? QStringLiteral("N") : QStringLiteral("S");
}

QString itemopcion(const QStringList& items, const QVariant& valor, CoincideOpcion coincide)
{
    const QString texto = platform::regional::toText(valor).trimmed();
    const QString digito = coincide == CoincideOpcion::PrimerCaracter ? texto.left(1) : texto;
    if (digito.isEmpty())
        return {};
    for (const QString& item : items)
        if (valorOpcion(item) == digito)
            return item;
    return {};
}

QString valorOpcion(const QString& item)
{
    return item.left(1);
}

void muestraOpcion(QComboBox* lista, const QVariant& valor, CoincideOpcion coincide)
{
    QStringList items;
    for (int i = 0; i < lista->count(); ++i)
        items << lista->itemText(i);
    lista->setCurrentIndex(items.indexOf(itemopcion(items, valor, coincide)));
}

void etiquetaControles(QGridLayout* rejilla, int fila, int columna,
                       const QList<std::pair<QString, QWidget*>>& pares, Qt::Orientation direccion)
{
    for (const auto& [titulo, control] : pares) {
        rejilla->addWidget(new QLabel(titulo), fila, columna);
        rejilla->addWidget(control, fila, columna + 1);
        if (direccion == Qt::Horizontal)
            columna += 2;
        else
            ++fila;
    }
}

QWidget* encadenaTabulacion(const QList<QWidget*>& widgets)
{
    if (widgets.isEmpty())
        return nullptr;
    {
        // Qt (6.4) leaves the order unchanged when the first widget of a
        // pair is the last of its window's chain: a focusable stand-in at
        // the end of the chain, gone once the order is set, avoids it.
        QWidget centinela(widgets.first()->window());
        centinela.setFocusPolicy(Qt::TabFocus);
        for (qsizetype i = 1; i < widgets.size(); ++i)
            QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
    for (QWidget* widget : widgets) {
        const QWidget* ventana = widget->window();
        if (widget->isEnabled() && widget->isVisibleTo(ventana) && (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus();
            return widget;
        }
    }
    return nullptr;
}

void VentanaAtrapada::atrapa(const std::function<void()>& manejador)
{
    manejoerrores(trampa(), manejador);
}

// --- Catalogo

Catalogo::Catalogo(const QString& titulo) : grilla_(new GrillaCatalogo), detalle_(new QWidget)
{
    setWindowTitle(titulo);
    auto* raiz = new QHBoxLayout(this);
    auto* izquierda = new QVBoxLayout;
    raiz_ = raiz;
    columna_ = izquierda;
    izquierda->addWidget(grilla_, 1);
    botones_ = new QHBoxLayout;
    nuevo_ = boton(QStringLiteral("&Nuevo"), botones_);
    modificar_ = boton(QStringLiteral("&Modificar"), botones_);
    eliminar_ = boton(QStringLiteral("&Eliminar"), botones_);
    regresar_ = boton(QStringLiteral("&Regresar"), botones_);
    izquierda->addLayout(botones_);
    raiz->addLayout(izquierda, 2);
    raiz->addWidget(detalle_, 3);

    connect(nuevo_, &QPushButton::clicked, this, &Catalogo::nuevo);
    connect(modificar_, &QPushButton::clicked, this, &Catalogo::modificar);
    connect(eliminar_, &QPushButton::clicked, this, &Catalogo::eliminar);
    connect(regresar_, &QPushButton::clicked, this, &Catalogo::regresar);
    connect(grilla_, &GrillaCatalogo::rowChanged, this, &Catalogo::filaCambiada);
}

void Catalogo::daAnchoAlDetalle()
{
    raiz_->setStretch(0, 0);
    raiz_->setStretch(1, 1);
}

void Catalogo::reemplazaLista(const db::RecordSet& lista)
{
    lista_ = lista;
}

void Catalogo::setEditor(const QString& nombre, Modalidad agregar, Modalidad modificar)
{
    editor_ = nombre;
    modalidadAgregar_ = agregar;
    modalidadModificar_ = modificar;
}

void Catalogo::onLoad()
{
    atrapa([this] {
        sesion().modoedicion.clear();
        if (guardaPosicion_)
            sesion().marcadormaestro = db::Bookmark{};
        if (lectura_ == Lectura::Guardada) {
            renuevaconexion();
            lista_ = leeLista();
        } else if (lectura_ == Lectura::AlCargar) {
            relee();
        }
    });
}

void Catalogo::onActivate()
{
    if (lectura_ == Lectura::AlCargar)
        return;
    atrapa([this] {
        if (renuevaAlActivar_)
            renuevaconexion();
        if (lectura_ == Lectura::EnCadaActivacion)
            lista_ = leeLista();
        if (!enlaza(lista_))
            return;
        muestraFila();
        if (lectura_ == Lectura::Guardada) {
            grilla_->irAMarcador(sesion().marcadormaestro);
            muestraFila();
        }
        grilla_->setFocus();
    });
}

bool Catalogo::enlaza(const db::RecordSet& lista)
{
    return enlaza(lista, columnas());
}

bool Catalogo::enlaza(const db::RecordSet& lista, const QList<Columna>& disposicion)
{
    if (lista.state() != db::RecordSet::StateOpen || lista.recordCount() < 1)
        return false;
    grilla_->setDataSource(lista);
    grilla_->disponeColumnas(disposicion);
    return true;
}

void Catalogo::enlazaSiempre(const db::RecordSet& lista, const QList<Columna>& disposicion)
{
    lista_ = lista;
    grilla_->setDataSource(lista);
    grilla_->disponeColumnas(disposicion);
    muestraFila();
}

void Catalogo::relee()
{
    enlazaSiempre(leeLista(), columnas());
}

void Catalogo::filaCambiada()
{
    atrapa([this] { muestraFila(); });
}

void Catalogo::nuevo()
{
    atrapa([this] {
        sesion().modoedicion = QStringLiteral("A");
        if (guardaPosicion_ && nuevoAlPrimero_)
            sesion().marcadormaestro = db::Bookmark{};
        abreEditor(true);
    });
}

void Catalogo::modificar()
{
    atrapa([this] {
        sesion().modoedicion = QStringLiteral("M");
        if (guardaPosicion_)
            sesion().marcadormaestro = grilla_->marcador();
        abreEditor(false);
    });
}

void Catalogo::abreEditor(bool agregar)
{
    if (editor_.isEmpty())
        return;
    const Modalidad modalidad = agregar ? modalidadAgregar_ : modalidadModificar_;
    if (modalidad == Modalidad::Modal) {
        abreEditorModal(editor_);
    } else if (platform::ui::Window* editor = platform::ui::windowRegistry().get(editor_)) {
        editor->showModeless();
    }
}

// The list is bound whatever it holds and the detail shows the row now
// current: the deleted row never stays on show for "&Nuevo" to copy.
void Catalogo::eliminar()
{
    atrapa([this] {
        if (!preguntaEliminar()) {
            noElimina();
            return;
        }
        renuevaconexion();
        informaEliminado(llamaEliminar());
        trasEliminar();
        enlazaSiempre(leeLista(), columnasTrasEliminar());
    });
}

void Catalogo::regresar()
{
    close();
}

QString Catalogo::llamaEliminar()
{
    throw db::DbError::badArgument(windowTitle() + QStringLiteral(": sin eliminación"));
}

void Catalogo::activaMenuContextual()
{
    if (menu_)
        return;
    menu_ = new QMenu(this);
    menu_->addAction(QStringLiteral("Modificar"), this, &Catalogo::modificar);
    menu_->addAction(QStringLiteral("Eliminar"), this, &Catalogo::eliminar);
    grilla_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grilla_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& punto) { menu_->popup(grilla_->viewport()->mapToGlobal(punto)); });
}

void Catalogo::abreEditorModal(const QString& nombre)
{
    if (platform::ui::Window* editor = platform::ui::windowRegistry().get(nombre))
        editor->showModal(this);
}

bool Catalogo::onKeyPreview(QKeyEvent* evento)
{
    if (teclasFuncion_) {
        switch (evento->key()) {
        case Qt::Key_F2: nuevo(); return true;
        case Qt::Key_F3: eliminar(); return true;
        case Qt::Key_F4: modificar(); return true;
        default: break;
        }
    }
    const bool enter = codigotecla(*evento) == TeclaEnter;
    const bool modifica = enter &&
                          (enterModifica_ == EnterModifica::EnLaVentana ||
                           (enterModifica_ == EnterModifica::EnLaGrilla && focusWidget() == grilla_));
    return teclasventana(
        *evento, [this] { regresar(); },
        modifica ? std::function<void()>([this] { modificar(); }) : std::function<void()>());
}

// --- Editor

Editor::Editor(const QString& sustantivo) : sustantivo_(sustantivo), campos_(new QWidget)
{
    setWindowTitle(sustantivo);
    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(campos_, 1);
    botones_ = new QHBoxLayout;
    botones_->addStretch(1);
    grabar_ = boton(QStringLiteral("&Grabar"), botones_);
    deshacer_ = boton(QStringLiteral("&Deshacer"), botones_);
    raiz->addLayout(botones_);
    connect(grabar_, &QPushButton::clicked, this, &Editor::grabar);
    connect(deshacer_, &QPushButton::clicked, this, &Editor::deshacer);
}

void Editor::onLoad()
{
    atrapa([this] {
        if (cargaListas()) {
            agregando_ = sesion().modoedicion == QLatin1String("A");
            setWindowTitle((agregando_ ? QStringLiteral("Agregando ") : QStringLiteral("Modificando ")) +
                           sustantivo_);
            if (cajaCodigo_)
                cajaCodigo_->setEnabled(agregando_);
            if (agregando_)
                preparaAgregar();
            else
                preparaModificar();
        }
        ordenaTabulacion();
    });
}

void Editor::preparaAgregar()
{
    for (QWidget* campo : camposEnOrden_.isEmpty() ? camposEnCreacion() : camposEnOrden_) {
        if (auto* caja = qobject_cast<QLineEdit*>(campo))
            caja->clear();
        else if (auto* lista = qobject_cast<QComboBox*>(campo); lista && lista->isEditable())
            lista->setEditText(QString());
    }
}

// The member's fields as they were made: the focus chain from the window,
// the fields' own widgets only (a list's text box goes with its list).
QList<QWidget*> Editor::camposEnCreacion() const
{
    QList<QWidget*> campos;
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (!campos_->isAncestorOf(w) || w->focusProxy())
            continue;
        QWidget* campo = w->parentWidget() && w->parentWidget()->focusProxy() == w ? w->parentWidget() : w;
        if ((campo->focusPolicy() & Qt::TabFocus) && !campos.contains(campo))
            campos << campo;
    }
    return campos;
}

// Fields first, in the member's order, then the buttons the member did not
// place itself; the first field that can take it has the focus.
void Editor::ordenaTabulacion()
{
    QList<QWidget*> orden = camposEnOrden_.isEmpty() ? camposEnCreacion() : camposEnOrden_;
    for (QWidget* boton : {static_cast<QWidget*>(grabar_), static_cast<QWidget*>(deshacer_)})
        if (!orden.contains(boton))
            orden << boton;
    encadenaTabulacion(orden);
}

void Editor::grabar()
{
    atrapa([this] {
        if (!cabenLimites(this) || !validaGrabar())
            return;
        const bool agrega = modoPropio_ ? agregando_ : sesion().modoedicion == QLatin1String("A");
        const QString modo = agrega ? QStringLiteral("1") : QStringLiteral("2");
        const bool exito = informaGrabado(llamaGrabar(modo));
        trasGrabar(exito);
        if (!exito)
            return;
        if (vaciaModoAlGrabar_)
            sesion().modoedicion.clear();
        close();
    });
}

void Editor::cambiaModo(bool agregar)
{
    agregando_ = agregar;
    if (cajaCodigo_)
        cajaCodigo_->setEnabled(agregar);
}

void Editor::deshacer()
{
    if (vaciaModoAlDeshacer_)
        sesion().modoedicion.clear();
    close();
}

bool Editor::onKeyPreview(QKeyEvent* evento)
{
    return teclasventana(
        *evento, [this] { close(); }, [this] { grabar(); });
}

bool Editor::onQueryUnload()
{
    atrapa([this] { alCerrar(); });
    return true;
}

} // namespace core
