#include "sellers/form11.h"

#include "sellers/actven.h"
#include "sellers/fichavendedor.h"
#include "sellers/form3.h"
#include "sellers/ubicacion.h"

#include "core/conexion.h"
#include "core/filtros.h"
#include "core/rutinas.h"
#include "core/sesion.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"
#include "platform/vbtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>
#include <utility>

namespace sellers {

namespace db = platform::db;

namespace {

constexpr int AnchoCodigo = 5;

// The amounts a new seller starts with: minimum plays 10, every other 0.
void ponDefectos(core::BloqueVenta& bloque)
{
    for (const QString& campo : bloque.campos())
        bloque.ponTexto(campo, QStringLiteral("0"));
    for (const char* campo : {"Montom_digito", "Minimo_tri", "Minimo_ter"})
        bloque.ponTexto(QLatin1String(campo), QStringLiteral("10"));
}

// Each box takes no more than the ACTVEN parameter its value is sent in
// holds: characters for texts, whole digits and decimals for amounts.
void ponLimites(FichaVendedor& f)
{
    for (auto [caja, caracteres, campo] : {std::tuple{f.Text1, AnchoCodigo, "Vendedor"},
                                           {f.Text2, 50, "Nombre"},
                                           {f.Text3, 100, "Dirección"},
                                           {f.Text4, 50, "Telefono(s)"},
                                           {f.Text5, 50, "e-mail"},
                                           {f.Text6, 10, "Clave de Acceso al Sistema"},
                                           {f.Text31, 20, "R.I.F."},
                                           {f.Text33, 20, "N.I.T."}})
        core::conectaLimite(caja, caracteres, QString::fromUtf8(campo));
    core::conectaLimiteImporte(f.Text7, 18, 2);
    core::conectaLimiteImporte(f.Text30, 18, 2);
    core::conectaLimiteImporte(f.Text34, 9, 0);
    f.bloque().ponLimites(parametrosventaactven());
    f.bloque().ponLimites({core::campos::MontoComodin}, 9, 3);
}

} // namespace

Form11::Form11() : Editor(QStringLiteral("Vendedores")), ficha_(new FichaVendedor(FichaVendedor::Uso::Editor))
{
    setFrame({.fixedBorder = true, .minButton = false, .maxButton = false, .centred = true});
    auto* campos = new QVBoxLayout(areaCampos());
    campos->addWidget(ficha_);
    setCajaCodigo(ficha_->Text1);
    setCatalogo(QStringLiteral("Form3"));
    conectaEntradas();
    setCamposEnOrden(ordenTabulacion());
    ficha_->Combo5->installEventFilter(this);
    setVaciaModoAlGrabar(true);
}

// The boxes by the record's layout, the sale parameters digit first, then
// the buttons, and only then the location and fiscal boxes: the region comes
// last, after the municipality it selects.
QList<QWidget*> Form11::ordenTabulacion() const
{
    const FichaVendedor& f = *ficha_;
    QList<QWidget*> orden{f.Text1,  f.Text2,  f.Text3,  f.Text4, f.Text5,
                          f.Combo3, f.Combo2, f.Combo1, f.Text7, f.Text6};
    for (const QString& campo : core::campos::Digito + core::campos::Venta)
        orden << f.bloque().caja(campo);
    orden << f.Check12() << f.Text32() << botonGrabar() << botonDeshacer() << f.Combo4 << f.Text31 << f.Text33
          << f.Text34 << f.Combo5;
    return orden;
}

void Form11::conectaEntradas()
{
    FichaVendedor& f = *ficha_;
    core::BloqueVenta& b = f.bloque();
    b.ponFiltro(b.campos(), core::FiltroCaja::Decimal);
    b.ponSeleccionaTodo(b.campos());
    core::conectafiltrodecimal(f.Text7);
    ponLimites(f);
    for (QLineEdit* caja :
         {f.Text1, f.Text2, f.Text3, f.Text4, f.Text5, f.Text6, f.Text7, f.Text31, f.Text33, f.Text34})
        core::conectaseleccionatodo(caja);
    for (QComboBox* lista : {f.Combo1, f.Combo2, f.Combo3, f.Combo4})
        core::conectaseleccionatodo(lista);
}

bool Form11::cargaListas()
{
    FichaVendedor& f = *ficha_;
    f.Combo2->clear();
    f.Combo2->addItems(itemsestado());
    f.Combo3->clear();
    f.Combo3->addItems(itemstipopago());
    Form3* lista = catalogo<Form3>();
    const QString regionCatalogo = lista ? lista->ficha()->Combo5->currentText() : QString();
    f.Combo1->clear();
    f.Combo1->setEditText(lista ? lista->ficha()->Combo1->currentText() : QString());
    llenaAlcaldias(regionCatalogo);

    f.Combo5->clear();
    for (db::RecordSet regiones = listaregiones(QStringLiteral("00")); !regiones.eof(); regiones.moveNext())
        f.Combo5->addItem(core::textocampo(regiones.value(QStringLiteral("codigo_gobernacion"))) +
                          QStringLiteral(" - ") +
                          core::textocampo(regiones.value(QStringLiteral("Descripcion_gobernacion"))));
    llenaJefes();
    return true;
}

void Form11::llenaJefes()
{
    const QString texto = ficha_->Combo1->currentText();
    const db::RecordSet vendedores = core::sesion().rsvendedores;
    if (vendedores.state() == db::RecordSet::StateOpen && vendedores.recordCount() > 0) {
        // A second cursor, so the shared list's current row stays put.
        db::RecordSet jefes = vendedores.clone();
        for (jefes.moveFirst(); !jefes.eof(); jefes.moveNext()) {
            if (!platform::vb::trim(core::textocampo(jefes.value(QStringLiteral("perteneceal")))).isEmpty())
                continue;
            ficha_->Combo1->addItem(
                platform::vb::trim(core::textocampo(jefes.value(QStringLiteral("codvendedor")))) +
                QStringLiteral(" .- ") + core::textocampo(jefes.value(QStringLiteral("nombre_vend"))));
        }
    }
    ficha_->Combo1->setCurrentIndex(-1);
    ficha_->Combo1->setEditText(texto);
}

void Form11::llenaAlcaldias(const QString& region)
{
    QComboBox* alcaldias = ficha_->Combo4;
    alcaldias->clear();
    for (db::RecordSet rs = alcaldiasderegion(core::primerapalabra(region)); !rs.eof(); rs.moveNext())
        alcaldias->addItem(core::textocampo(rs.value(QStringLiteral("codigo_alcaldia"))) +
                           QStringLiteral(" - ") +
                           core::textocampo(rs.value(QStringLiteral("Descripcion_Alcaldia"))));
    alcaldias->setCurrentIndex(-1);
}

void Form11::refrescaAlcaldias()
{
    atrapa([this] {
        llenaAlcaldias(ficha_->Combo5->currentText());
        ficha_->Combo4->setEditText(QString());
    });
}

void Form11::preparaAgregar()
{
    setWindowTitle(QStringLiteral("Agregando Vendedores"));
    FichaVendedor& f = *ficha_;
    RegistroVendedor nuevo;
    nuevo.comisionjefe = QStringLiteral("0");
    nuevo.impuesto = QStringLiteral("0");
    nuevo.estado = itemsestado().first();
    nuevo.tipopago = itemstipopago().first();
    f.muestra(nuevo);
    ponDefectos(f.bloque());
    f.Text1->setFocus();
}

void Form11::preparaModificar()
{
    setWindowTitle(QStringLiteral("Modificando Vendedores"));
    Form3* lista = catalogo<Form3>();
    if (!lista)
        return;
    RegistroVendedor v = lista->registro();
    v.nombre = platform::vb::rtrim(v.nombre);
    for (const char* campo : {"comi_tri", "comi_ter"})
        v.montos[QLatin1String(campo)] = core::comaapunto(v.montos.value(QLatin1String(campo)));
    ficha_->muestra(v);
    ficha_->Text2->setFocus();
}

bool Form11::validaGrabar()
{
    FichaVendedor& f = *ficha_;
    const QString titulo = core::TituloAtencion;
    if (f.Text1->text().size() < AnchoCodigo) {
        platform::msgbox(QStringLiteral("El código del vendedor debe tener 5 caracteres"), 16, titulo);
        return false;
    }
    if (platform::vb::trim(f.Combo5->currentText()).isEmpty()) {
        platform::msgbox(QStringLiteral("Obligatoriamente debe asignar este vendedor a alguna Gobernación"),
                         16, titulo);
        f.Combo5->setFocus();
        return false;
    }
    if (platform::vb::trim(f.Combo4->currentText()).isEmpty()) {
        platform::msgbox(QStringLiteral("Obligatoriamente debe asignar este vendedor a alguna Alcaldía"), 16,
                         titulo);
        f.Combo4->setFocus();
        return false;
    }
    return true;
}

QString Form11::llamaGrabar(const QString& modo)
{
    RegistroVendedor v = ficha_->registro();
    rellenavacios(v);
    ficha_->muestra(v);
    agregado_ = modo == QLatin1String("1");
    db::Command comando = comandoactven(v, modo);
    comando.execute();
    return core::respuesta(comando);
}

bool Form11::informaGrabado(const QString& respuesta)
{
    if (respuesta != QLatin1String("0")) {
        platform::msgbox(QStringLiteral("Hubo problemas realizando la transaccion!"), 16,
                         core::TituloAtencion);
        return false;
    }
    platform::msgbox((agregado_ ? QStringLiteral("Se Agrego perfectamente ")
                                : QStringLiteral("Se Actualizo perfectamente ")) +
                     ficha_->Text1->text());
    return true;
}

void Form11::trasGrabar(bool exito)
{
    if (!exito)
        return;
    const db::RecordSet lista = listavendedores();
    if (Form3* form3 = catalogo<Form3>())
        form3->reemplazaLista(lista);
    // After an add the shared seller list walks on its own; after a modify
    // it is the catalogue's list itself.
    core::sesion().rsvendedores = agregado_ ? lista.clone() : lista;
}

void Form11::alCerrar()
{
    if (core::sesion().modoedicion != QLatin1String("M"))
        return;
    if (Form3* lista = catalogo<Form3>())
        lista->grilla()->irAMarcador(core::sesion().marcadormaestro);
}

bool Form11::eventFilter(QObject* objeto, QEvent* evento)
{
    // The focus leaving the box for another control of the program; not a
    // switch to another application or the box's own list.
    if (objeto == ficha_->Combo5 && evento->type() == QEvent::FocusOut) {
        const Qt::FocusReason razon = static_cast<QFocusEvent*>(evento)->reason();
        if (razon != Qt::ActiveWindowFocusReason && razon != Qt::PopupFocusReason)
            refrescaAlcaldias();
    }
    return Editor::eventFilter(objeto, evento);
}

} // namespace sellers
