#include "access/editorpermisos.h"

#include "core/conexion.h"
#include "core/rutinas.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace acceso {

editorpermisos::editorpermisos(const QString& titulo, const FormatoPermisos& formato)
    : Label2(new QLabel)
    , List1(new QListWidget)
    , Command1(
          new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), QStringLiteral("Aceptar")))
    , Command2(new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), QStringLiteral("Regresar")))
    , formato_(formato)
{
    setWindowTitle(titulo);
    setFrame({.fixedBorder = true, .maxButton = false, .centred = true});
    Label2->setObjectName(QStringLiteral("Label2"));
    List1->setObjectName(QStringLiteral("List1"));
    QFont negrita(QStringLiteral("Arial"));
    negrita.setBold(true);
    Label2->setFont(negrita);
    List1->setMinimumSize(360, 380);
    for (QPushButton* b : {Command1, Command2})
        b->setAutoDefault(false);

    auto* raiz = new QVBoxLayout(this);
    raiz->addWidget(Label2);
    raiz->addWidget(List1, 1);
    auto* botones = new QHBoxLayout;
    botones->addWidget(Command1);
    botones->addWidget(Command2);
    raiz->addLayout(botones);
    core::encadenaTabulacion({List1, Command1, Command2});

    connect(Command1, &QPushButton::clicked, this, &editorpermisos::aceptar);
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);
}

QString editorpermisos::codigo() const
{
    return core::primerapalabra(Label2->text());
}

QList<bool> editorpermisos::marcas() const
{
    QList<bool> lista;
    for (int i = 0; i < List1->count(); ++i)
        lista << (List1->item(i)->checkState() == Qt::Checked);
    return lista;
}

void editorpermisos::marca(int posicion, bool marcado)
{
    if (QListWidgetItem* item = List1->item(posicion))
        item->setCheckState(marcado ? Qt::Checked : Qt::Unchecked);
}

void editorpermisos::onActivate()
{
    atrapa([this] {
        core::renuevaconexion();
        muestra(leeCadena(codigo()));
    });
}

void editorpermisos::muestra(const QString& cadena)
{
    List1->clear();
    const QList<bool> concedidos = formato_.lee(cadena);
    for (qsizetype i = 0; i < formato_.items.size(); ++i) {
        auto* item = new QListWidgetItem(formato_.items[i].texto, List1);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(concedidos[i] ? Qt::Checked : Qt::Unchecked);
    }
    if (List1->count() > 0)
        List1->setCurrentRow(0);
}

void editorpermisos::aceptar()
{
    atrapa([this] {
        // A list the activation could not fill would store a cut string:
        // nothing is stored, and the window stays open.
        if (List1->count() != formato_.items.size())
            return;
        core::informaresultado(guardaCadena(codigo(), formato_.construye(marcas())));
        close();
    });
}

} // namespace acceso
