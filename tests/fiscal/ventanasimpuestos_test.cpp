// The tax catalogue (masterimpuesto, editaimpuesto), a seller's taxes
// (masterven_imp, editaimpuestovend, opened from the seller catalogue) and
// the fiscal monitor (Form36) on the real server, connected as the
// program's login role: the rows they write, the messages they show, the
// figures they list, and how each window looks.

#include "datosfiscales.h"

#include "fiscal/form36.h"
#include "fiscal/masterimpuesto.h"
#include "fiscal/masterven_imp.h"
#include "fiscal/monitorfiscal.h"
#include "fiscal/registro.h"
#include "reports/form24.h"
#include "sellers/form3.h"
#include "sellers/registro.h"

#include "capturas.h"

#include "platform/messages.h"
#include "platform/ui/windowregistry.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using platform::msg::AnswerNo;
using platform::ui::windowRegistry;

namespace {

const QString Exito = QStringLiteral("La transacción ha sido realizada con éxito!");
const QString Problema = QStringLiteral("Ha ocurrido un problema tratando de realizar la transacción");
const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");
const QString Llenar = QStringLiteral("Debe llenar todos los campos");
const QString Repetido = QStringLiteral(
    "Este Impuesto ya ha sido agregado para este vendedor, por favor verifique!");
const QString Agregado = QStringLiteral("El Impuesto ha sido agregado con exito!");
const QString PreguntaVendedor = QStringLiteral("Desea realmente eliminar el Impuesto?");
const QString Eliminado = QStringLiteral("Registro eliminado con exito!");

class VentanasImpuestosTest : public datosfiscales::Base {
protected:
    void siembra(testsupport::TestDatabase& db) override
    {
        Base::siembra(db);
        db.exec(QStringLiteral(
            "INSERT INTO impuesto (codigo_impuesto, descri_impuesto, observa_impuesto, aplica_impuesto,"
            "  porcentaje_impuesto) VALUES ('IVA', 'VALOR AGREGADO', 'NACIONAL', 'Ventas', 12),"
            "  ('ISLR', 'IMPUESTO SOBRE LA RENTA', 'PREMIOS', 'Premiación', 16.5), ('IMUN', 'MUNICIPAL', '', "
            "'Ventas', 1);"
            "INSERT INTO vend_imp VALUES ('00012', 'IVA', 1.5, '1', 'Venta'), ('00012', 'ISLR', 16, '1', "
            "'Premio'),"
            "  ('00013', 'IVA', 2, '1', 'Venta');"
            "INSERT INTO saldosdias (vendedor, fecha, cod_lot, tipo_jugada, total_venta, comision, premios, "
            "subtotal)"
            "  VALUES ('00012', '2026-03-06', '001', '1', 200, 20, 50, 130);"));
    }

    void SetUp() override
    {
        Base::SetUp();
        if (HasFatalFailure())
            return;
        db_->setServerClock(QStringLiteral("2026-03-05 20:00:00"));
        fiscal::registerWindows(windowRegistry());
    }

    void TearDown() override
    {
        windowRegistry().clear();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Base::TearDown();
    }

    template <class T> T* abre(const QString& nombre)
    {
        auto* v = qobject_cast<T*>(windowRegistry().show(nombre));
        platform::ui::doEvents();
        return v;
    }
    template <class T> static T* abierta(const QString& nombre)
    {
        return qobject_cast<T*>(windowRegistry().find(nombre));
    }

    // Runs `accion` on the modal editor `nombre` as soon as it shows.
    template <class T> static void enEditor(const QString& nombre, std::function<void(T*)> accion)
    {
        QTimer::singleShot(0, [nombre, accion] {
            if (T* editor = abierta<T>(nombre))
                accion(editor);
            else
                ADD_FAILURE() << "no editor " << nombre.toStdString();
        });
    }

    static void irAFila(core::GrillaCatalogo* grilla, const QString& codigo)
    {
        for (int fila = 0; fila < grilla->model()->rowCount(); ++fila)
            if (grilla->model()->index(fila, 0).data().toString().trimmed() == codigo) {
                grilla->setCurrentIndex(grilla->model()->index(fila, 0));
                return;
            }
        ADD_FAILURE() << "no row " << codigo.toStdString();
    }

    QStringList impuestos()
    {
        return db_->rows(QStringLiteral("SELECT codigo_impuesto, descri_impuesto, porcentaje_impuesto,"
                                        " observa_impuesto, aplica_impuesto FROM impuesto ORDER BY 1"));
    }
    QStringList delVendedor(const QString& vendedor)
    {
        return db_->rows(QStringLiteral("SELECT codigo_impuesto, porcentaje_impuesto, muestramonitor,"
                                        " aplica_impuesto FROM vend_imp WHERE codvendedor = '%1' ORDER BY 1")
                             .arg(vendedor));
    }

    // Saves a screenshot to look at and checks the frame and that every
    // value shows whole.
    static void revisa(platform::ui::Window* v, const QString& nombre)
    {
        EXPECT_FALSE(testsupport::saveScreenshot(v, nombre).isEmpty()) << nombre.toStdString();
        EXPECT_TRUE(v->frame().fixedBorder) << nombre.toStdString();
        EXPECT_TRUE(v->frame().centred) << nombre.toStdString();
        EXPECT_EQ(testsupport::cutControls(v), QStringList()) << nombre.toStdString();
    }

    // masterven_imp for `vendedor` as the seller catalogue opens it.
    fiscal::masterven_imp* abreDelVendedor(const QString& vendedor)
    {
        sellers::registerWindows(windowRegistry());
        auto* catalogo = abre<sellers::Form3>(QStringLiteral("Form3"));
        if (!catalogo)
            return nullptr;
        irAFila(catalogo->grilla(), vendedor);
        catalogo->Command3->click();
        platform::ui::doEvents();
        return abierta<fiscal::masterven_imp>(QStringLiteral("masterven_imp"));
    }
};

} // namespace

TEST_F(VentanasImpuestosTest, TheCatalogueAddsModifiesAndDeletesTheHighlightedTax)
{
    auto* lista = abre<fiscal::masterimpuesto>(QStringLiteral("masterimpuesto"));
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->windowTitle(), QStringLiteral("Actualizaciòn de Informaciòn de Impuestos"));
    core::GrillaCatalogo* grilla = lista->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(2), QStringLiteral("%Porc."));
    irAFila(grilla, QStringLiteral("ISLR"));
    EXPECT_EQ(lista->Text5->text(), QStringLiteral("16,5"));
    EXPECT_EQ(lista->Text4->text(), QStringLiteral("Premiación"));
    revisa(lista, QStringLiteral("masterimpuesto"));

    // Add, modeless: typing is limited, the percentage keeps its decimals,
    // and the list rewriting the shared mode does not turn it into a modify.
    lista->botonNuevo()->click();
    auto* editor = abierta<fiscal::editaimpuesto>(QStringLiteral("editaimpuesto"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Agregando Impuesto"));
    QTest::keyClicks(editor->Text1, QStringLiteral("IDEPX"));
    QTest::keyClicks(editor->Text4, QStringLiteral("1.2x.55"));
    EXPECT_EQ(editor->Text1->text(), QStringLiteral("IDEP"));
    EXPECT_EQ(editor->Text4->text(), QStringLiteral("1.255"));
    editor->Text2->setText(QStringLiteral("  DEPORTE  "));
    editor->Text3->setText(QStringLiteral("LEY DEL DEPORTE"));
    editor->Combo1->setEditText(QStringLiteral("Ventas"));
    revisa(editor, QStringLiteral("editaimpuesto"));
    core::sesion().modoedicion = QStringLiteral("M");
    editor->botonGrabar()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Exito});
    EXPECT_TRUE(impuestos().contains(QStringLiteral("IDEP|  DEPORTE|1.255|LEY DEL DEPORTE|Ventas")));
    EXPECT_TRUE(editor->isUnloaded());
    EXPECT_EQ(grilla->model()->rowCount(), 4) << "the list is read again";

    // Texts longer than their columns are refused, never cut: nothing is
    // written and the editor keeps what was typed.
    struct Largo {
        QString campo;
        std::function<void(fiscal::editaimpuesto*)> llena;
        int ancho;
    };
    const QList<Largo> largos = {
        {QStringLiteral("Descripción"), [](auto* e) { e->Text2->setText(QString(31, u'D')); }, 30},
        {QStringLiteral("Observaciones"), [](auto* e) { e->Text3->setText(QString(61, u'O')); }, 60},
        {QStringLiteral("Se Aplica"), [](auto* e) { e->Combo1->setEditText(QStringLiteral("Premiaciones")); },
         10},
    };
    for (const Largo& l : largos) {
        rec_->clear();
        lista->botonNuevo()->click();
        editor = abierta<fiscal::editaimpuesto>(QStringLiteral("editaimpuesto"));
        ASSERT_NE(editor, nullptr);
        editor->Text1->setText(QStringLiteral("LRG"));
        editor->Text2->setText(QStringLiteral("LARGO"));
        l.llena(editor);
        editor->botonGrabar()->click();
        EXPECT_EQ(
            rec_->prompts(),
            QStringList{
                QStringLiteral("El campo %1 no puede tener más de %2 caracteres").arg(l.campo).arg(l.ancho)});
        EXPECT_FALSE(editor->isUnloaded()) << l.campo.toStdString();
        editor->botonDeshacer()->click();
    }
    EXPECT_EQ(impuestos().size(), 4);

    // Modify the highlighted tax, modal.
    rec_->clear();
    irAFila(grilla, QStringLiteral("ISLR"));
    enEditor<fiscal::editaimpuesto>(QStringLiteral("editaimpuesto"), [](fiscal::editaimpuesto* e) {
        EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Impuesto"));
        EXPECT_FALSE(e->Text1->isEnabled());
        EXPECT_EQ(e->Text1->text(), QStringLiteral("ISLR"));
        EXPECT_EQ(e->Text4->text(), QStringLiteral("16.5"));
        EXPECT_EQ(e->Combo1->currentText(), QStringLiteral("Premiación"));
        e->Text4->setText(QStringLiteral("17.75"));
        e->botonGrabar()->click();
    });
    lista->botonModificar()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Exito});
    EXPECT_TRUE(
        impuestos().contains(QStringLiteral("ISLR|IMPUESTO SOBRE LA RENTA|17.750|PREMIOS|Premiación")));
    EXPECT_EQ(lista->Text1->text(), QStringLiteral("ISLR")) << "back on the modified row";

    // Delete the highlighted row: No keeps it, a tax sellers have is
    // refused, a free one goes.
    rec_->clear();
    irAFila(grilla, QStringLiteral("IDEP"));
    rec_->answerNext(AnswerNo);
    lista->botonEliminar()->click();
    EXPECT_EQ(impuestos().size(), 4);
    irAFila(grilla, QStringLiteral("IVA"));
    lista->botonEliminar()->click();
    irAFila(grilla, QStringLiteral("IDEP"));
    lista->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{Pregunta, Pregunta, Problema, Pregunta, Exito}));
    EXPECT_EQ(impuestos().size(), 3);
    EXPECT_FALSE(impuestos().join(u';').contains(QStringLiteral("IDEP")));
    EXPECT_EQ(grilla->model()->rowCount(), 3);
}

TEST_F(VentanasImpuestosTest, TheSellerCatalogueOpensTheSellersTaxesWhichAreAddedAndDeleted)
{
    fiscal::masterven_imp* lista = abreDelVendedor(QStringLiteral("00012"));
    ASSERT_NE(lista, nullptr);
    ASSERT_TRUE(lista->isVisible());
    EXPECT_EQ(lista->windowTitle(), QStringLiteral("Impuestos"));
    EXPECT_EQ(lista->Label2->text(), QStringLiteral("00012 - AGENCIA CENTRO"));
    EXPECT_FALSE(lista->botonModificar()->isVisibleTo(lista)) << "no modify";
    EXPECT_EQ(lista->botonNuevo()->text(), QStringLiteral("&Agregar"));
    core::GrillaCatalogo* grilla = lista->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 2);
    revisa(lista, QStringLiteral("masterven_imp"));

    lista->botonNuevo()->click();
    auto* editor = abierta<fiscal::editaimpuestovend>(QStringLiteral("editaimpuestovend"));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edita Impuestos"));
    EXPECT_EQ(editor->Label2->text(), QStringLiteral("00012 - AGENCIA CENTRO"));
    EXPECT_EQ(editor->DataGrid1->model()->rowCount(), 3) << "the whole catalogue";
    EXPECT_TRUE(editor->Text4->text().isEmpty());

    // Refusals: nothing is written and the editor stays open.
    struct Caso {
        const char* impuesto;
        const char* porcentaje;
        const char* aplica;
        QString mensaje;
    };
    const Caso casos[] = {
        {"IMUN", "", "Venta", Llenar},
        {"IMUN", ".", "Venta", Llenar},
        {"IMUN", "0.0", "Premio", Llenar},
        {"IMUN", "2", "", Llenar},
        {"IMUN", "2", "Premiaciones",
         QStringLiteral("El campo Se Aplica no puede tener más de 10 caracteres")},
        {"IVA", "2", "Venta", Repetido},
    };
    for (const Caso& c : casos) {
        rec_->clear();
        irAFila(editor->DataGrid1, QLatin1String(c.impuesto));
        editor->Text4->setText(QLatin1String(c.porcentaje));
        editor->Combo1->setEditText(QLatin1String(c.aplica));
        editor->botonGrabar()->click();
        EXPECT_EQ(rec_->prompts(), QStringList{c.mensaje}) << c.porcentaje << " " << c.aplica;
        EXPECT_FALSE(editor->isUnloaded());
    }
    EXPECT_EQ(delVendedor(QStringLiteral("00012")).size(), 2);

    // A tax of the catalogue is added with the typed percentage's decimals.
    rec_->clear();
    irAFila(editor->DataGrid1, QStringLiteral("IMUN"));
    editor->Text4->setText(QString());
    QTest::keyClicks(editor->Text4, QStringLiteral(".5"));
    editor->Combo1->setEditText(QStringLiteral("Premio"));
    revisa(editor, QStringLiteral("editaimpuestovend"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Agregado});
    EXPECT_TRUE(editor->isUnloaded());
    EXPECT_EQ(delVendedor(QStringLiteral("00012")),
              (QStringList{QStringLiteral("IMUN|0.500|1|Premio"), QStringLiteral("ISLR|16.000|1|Premio"),
                           QStringLiteral("IVA|1.500|1|Venta")}));
    lista->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(grilla->model()->rowCount(), 3) << "read again on the return";

    // Delete the highlighted row only, and say so only when it went.
    rec_->clear();
    irAFila(grilla, QStringLiteral("ISLR"));
    rec_->answerNext(AnswerNo);
    lista->botonEliminar()->click();
    EXPECT_EQ(delVendedor(QStringLiteral("00012")).size(), 3);
    irAFila(grilla, QStringLiteral("ISLR"));
    lista->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{PreguntaVendedor, PreguntaVendedor, Eliminado}));
    EXPECT_EQ(rec_->boxes().at(1).style, platform::msg::YesNo + platform::msg::Critical) << "Yes the default";
    EXPECT_EQ(delVendedor(QStringLiteral("00012")),
              (QStringList{QStringLiteral("IMUN|0.500|1|Premio"), QStringLiteral("IVA|1.500|1|Venta")}));
    EXPECT_EQ(delVendedor(QStringLiteral("00013")).size(), 1) << "another seller's row stays";

    rec_->clear();
    irAFila(grilla, QStringLiteral("IMUN"));
    db_->exec(QStringLiteral("DELETE FROM vend_imp WHERE codigo_impuesto = 'IMUN'"));
    lista->botonEliminar()->click();
    EXPECT_EQ(rec_->prompts(), (QStringList{PreguntaVendedor, Problema})) << "nothing was deleted";
}

TEST_F(VentanasImpuestosTest, AnAddNamingATaxDeletedMeanwhileWritesNothingAndTheProgramGoesOn)
{
    fiscal::masterven_imp* lista = abreDelVendedor(QStringLiteral("00013"));
    ASSERT_NE(lista, nullptr);
    lista->botonNuevo()->click();
    auto* editor = abierta<fiscal::editaimpuestovend>(QStringLiteral("editaimpuestovend"));
    ASSERT_NE(editor, nullptr);
    irAFila(editor->DataGrid1, QStringLiteral("IMUN"));
    db_->exec(QStringLiteral("DELETE FROM impuesto WHERE codigo_impuesto = 'IMUN'"));
    editor->Text4->setText(QStringLiteral("3"));
    editor->Combo1->setEditText(QStringLiteral("Venta"));
    editor->botonGrabar()->click();
    EXPECT_EQ(rec_->prompts(), QStringList{Problema});
    EXPECT_EQ(rec_->programEnds(), 0);
    EXPECT_FALSE(editor->isUnloaded());
    EXPECT_EQ(delVendedor(QStringLiteral("00013")), QStringList{QStringLiteral("IVA|2.000|1|Venta")});
}

TEST_F(VentanasImpuestosTest, TheFiscalMonitorTaxesEachSellerDayWithItsOwnRows)
{
    auto* v = abre<fiscal::Form36>(QStringLiteral("Form36"));
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->windowTitle(), QStringLiteral("Monitor Fiscal - SENIAT"));
    EXPECT_EQ(v->DTPicker1->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Desdes->date(), QDate(2026, 3, 5));
    EXPECT_EQ(v->Combo1->count(), 2);
    EXPECT_EQ(v->Combo3->count(), 2);
    EXPECT_EQ(v->Combo5->count(), 0);

    const QString t = QStringLiteral("\t");
    const QString regla(80, u'-');
    const auto vendedor = [](const char* texto) { return QString::fromUtf8(texto).leftJustified(40, u' '); };
    const QStringList cabecera = {
        QStringLiteral("Monitor Fiscal - SENIAT"),
        QStringLiteral("Impuestos Calculados en base a Ventas y Premios - Quorvelin 2007"),
        QStringLiteral(" "), QStringLiteral(" ")};
    const QString columnas = QStringLiteral("     Vendedor      \t\t\tVenta\t\tPremios");
    // Hand-computed: 00012 sold 1250 and paid 100 on the 5th (IVA 1.5 % of
    // the sales 18.75, ISLR 16 % of the prizes 16.00), sold 200 and paid 50
    // on the 6th (3.00 and 8.00); 00013 sold 400 (IVA 2 % 8.00); 00014 has
    // no taxes.
    const QStringList dia5_12 = {t + QStringLiteral("IMPUESTO S") + t + QStringLiteral("(16% por Premio)") +
                                     t + QStringLiteral("16,00"),
                                 t + QStringLiteral("VALOR AGRE") + t + QStringLiteral("(1,5% por Venta)") +
                                     t + QStringLiteral("18,75"),
                                 t + t + QStringLiteral("Total Bs. ") + t + t + QStringLiteral("34,75"),
                                 regla};
    const QStringList dia5_13 = {
        t + QStringLiteral("VALOR AGRE") + t + QStringLiteral("(2% por Venta)") + t + QStringLiteral("8,00"),
        t + t + QStringLiteral("Total Bs. ") + t + t + QStringLiteral("8,00"), regla};
    QStringList alCargar = cabecera + QStringList{columnas, regla};
    alCargar << vendedor("00012 - AGENCIA CENTRO") + t + QStringLiteral("1.250,00") + t + t +
                    QStringLiteral("100,00")
             << regla << dia5_12;
    alCargar << vendedor("00012 - AGENCIA CENTRO") + t + QStringLiteral("200,00") + t + t +
                    QStringLiteral("50,00")
             << regla
             << t + QStringLiteral("IMPUESTO S") + t + QStringLiteral("(16% por Premio)") + t +
                    QStringLiteral("8,00")
             << t + QStringLiteral("VALOR AGRE") + t + QStringLiteral("(1,5% por Venta)") + t +
                    QStringLiteral("3,00")
             << t + t + QStringLiteral("Total Bs. ") + t + t + QStringLiteral("11,00") << regla;
    alCargar << vendedor("00013 - AGENCIA ORIENTE") + t + QStringLiteral("400,00") + t + t +
                    QStringLiteral("0")
             << regla << dia5_13;
    alCargar << vendedor("00014 - TAQUILLA SUELTA") + t + QStringLiteral("10,00") + t + t +
                    QStringLiteral("0")
             << regla;
    alCargar << t + QStringLiteral("Total Gral. Bs. ") + t + t + QStringLiteral("53,75");
    QStringList lineas;
    for (int i = 0; i < v->List1->count(); ++i)
        lineas << v->List1->item(i)->text();
    EXPECT_EQ(lineas, alCargar);
    EXPECT_EQ(v->Combo7->count(), 4) << "one item per seller-day";
    EXPECT_EQ(v->Combo7->itemText(0), QStringLiteral("00012 - AGENCIA CENTRO"));
    revisa(v, QStringLiteral("Form36"));

    // The period of the 5th, its dates sent as dd/mm/yyyy.
    v->Command1->click();
    QStringList periodo = cabecera + QStringList{columnas + t + QStringLiteral("Fecha"), regla};
    periodo << vendedor("00012 - AGENCIA CENTRO") + t + QStringLiteral("1.250,00") + t + t +
                   QStringLiteral("100,00") + t + QStringLiteral("05/03/2026")
            << regla << dia5_12;
    periodo << vendedor("00013 - AGENCIA ORIENTE") + t + QStringLiteral("400,00") + t + t +
                   QStringLiteral("0") + t + QStringLiteral("05/03/2026")
            << regla << dia5_13;
    periodo << vendedor("00014 - TAQUILLA SUELTA") + t + QStringLiteral("10,00") + t + t +
                   QStringLiteral("0") + t + QStringLiteral("05/03/2026")
            << regla;
    periodo << t + QStringLiteral("Total Gral. Bs. ") + t + t + QStringLiteral("42,75");
    lineas.clear();
    for (int i = 0; i < v->List1->count(); ++i)
        lineas << v->List1->item(i)->text();
    EXPECT_EQ(lineas, periodo);
    EXPECT_EQ(v->Combo6->count(), 7);

    // A first day after the last lists nothing.
    v->DTPicker1->setDate(QDate(2026, 3, 7));
    v->Command1->click();
    EXPECT_EQ(v->List1->count(), 6);
    EXPECT_EQ(rec_->prompts(), QStringList());
    v->Command2->click();
    EXPECT_TRUE(v->isUnloaded());
}

TEST(MonitorFiscalTest, AmountsLabelsAndBases)
{
    using platform::Decimal;
    namespace m = fiscal::monitor;
    const struct {
        const char* valor;
        const char* texto;
    } importes[] = {{"0", "0"},    {"0.004", "0"},         {"0.49", "0"},  {"0.99", "0,99"},
                    {"1", "1,00"}, {"1234.5", "1.234,50"}, {"-3", "-3,00"}};
    for (const auto& i : importes)
        EXPECT_EQ(m::textoImporte(*Decimal::parse(QLatin1String(i.valor))), QLatin1String(i.texto))
            << i.valor;
    EXPECT_EQ(m::etiquetaVendedor(QStringLiteral("00001"), QString()),
              QStringLiteral("00001 -").leftJustified(40));
    EXPECT_EQ(m::etiquetaVendedor(QStringLiteral("00001"), QString(50, u'N')).size(), 40);
    const m::Grupo g{QStringLiteral("00001"), {}, Decimal(1000), Decimal(10), {}};
    const struct {
        const char* aplica;
        const char* importe;
    } bases[] = {{"Venta", "15.00"}, {"Ventas", "0.15"}, {"venta", "0.15"}, {"Premio", "0.15"}};
    for (const auto& b : bases)
        EXPECT_EQ(m::importe(g, {QString(), QLatin1String(b.aplica), *Decimal::parse(QStringLiteral("1.5"))})
                      .toString(2),
                  QLatin1String(b.importe))
            << b.aplica;
}
