#include "access/form4.h"

#include "access/form31.h"

#include "core/sesion.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace acceso {

namespace db = platform::db;

Form4::Form4()
    : Catalogo(QStringLiteral("Actualizaciòn de Informaciòn de Usuarios"))
    , Text1(new QLineEdit)
    , Text2(new QLineEdit)
    , Text3(new QLineEdit)
    , Text4(new QLineEdit)
    , Text5(new QLineEdit)
    , Text6(new QLineEdit)
    , Combo1(new QComboBox)
    , Command1(new QPushButton(QStringLiteral("F5 - Permisos")))
{
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    grilla()->setObjectName(QStringLiteral("DataGrid1"));
    grilla()->reserveColumnsWidth(9900);
    setLectura(core::Lectura::Guardada);
    setEnterModifica(core::EnterModifica::EnLaGrilla);
    setTeclasFuncion(true);
    setEditor(QStringLiteral("Form13"), core::Modalidad::NoModal, core::Modalidad::Modal);

    auto* detalle = new QVBoxLayout(areaDetalle());
    Combo1->setEditable(true);
    for (QWidget* caja : std::initializer_list<QWidget*>{Text1, Text2, Text3, Text4, Text5, Text6, Combo1})
        detalle->addWidget(caja);
    areaDetalle()->hide();

    botonNuevo()->setText(QStringLiteral("F2 - &Nuevo"));
    botonEliminar()->setText(QStringLiteral("F3 - &Eliminar"));
    botonModificar()->setText(QStringLiteral("F4 - &Modificar"));
    Command1->setAutoDefault(false);
    QBoxLayout* fila = filaBotones();
    fila->removeWidget(botonEliminar());
    fila->insertWidget(fila->indexOf(botonNuevo()) + 1, botonEliminar());
    fila->insertWidget(fila->indexOf(botonRegresar()), Command1);
    connect(Command1, &QPushButton::clicked, this, &Form4::permisos);
}

db::RecordSet Form4::leeLista()
{
    return listausuarios();
}

QList<core::Columna> Form4::columnas() const
{
    return {{0, QStringLiteral("Vendedor"), 900},
            {1, QStringLiteral("Nomb. Vendedor"), 3000},
            {2, QStringLiteral("Usuario"), 3000},
            {3, QStringLiteral("Nomb usuario"), 3000}};
}

RegistroUsuario Form4::registro() const
{
    return registrodeusuario(lista());
}

// Every box takes the row's value or empties, so no box ever keeps a value
// of another row.
void Form4::muestraFila()
{
    const RegistroUsuario r = registro();
    Text1->setText(r.usuario);
    Text2->setText(r.nombre);
    Text3->setText(r.direccion);
    Text4->setText(r.telefono);
    Text5->setText(r.email);
    Text6->setText(r.clave);
    Combo1->setEditText(r.vendedor.isEmpty() ? QString()
                                             : r.vendedor + QStringLiteral(" - ") + r.nombrevendedor);
}

QString Form4::llamaEliminar()
{
    db::Command c = comandoactusr(QStringLiteral("3"), registro(), QString(), QString());
    c.execute();
    return core::respuesta(c);
}

void Form4::permisos()
{
    atrapa([this] {
        const RegistroUsuario r = registro();
        if (r.usuario.isEmpty())
            return;
        core::sesion().marcadormaestro = grilla()->marcador();
        if (auto* ventana = core::cargaVentana<Form31>(QStringLiteral("Form31"))) {
            ventana->ponUsuario(r.usuario, r.vendedor);
            ventana->showModeless();
        }
    });
}

bool Form4::onKeyPreview(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_F5) {
        permisos();
        return true;
    }
    return Catalogo::onKeyPreview(evento);
}

} // namespace acceso
