// The seller catalogue Form3 and the seller editor Form11 on the real
// server: the main road (add with every field, modify, back at the seller,
// delete), the editor's checks, the region -> municipality refresh, the
// modify round trip, refused adds and deletes, and the shared seller list.

#include "datosvendedores.h"
#include "pegado.h"
#include "capturas.h"
#include "tabulacion.h"

#include "sellers/fichavendedor.h"
#include "sellers/form11.h"
#include "sellers/form3.h"

#include "core/parametrosventa.h"

#include "platform/ui/datagrid.h"
#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace sellers;
using platform::msg::AnswerNo;
using platform::msg::AnswerYes;
using platform::ui::windowRegistry;

namespace {

const QString Pregunta = QStringLiteral("¿Deseas Eliminar la información Seleccionada?");
const QString Problemas = QStringLiteral("Hubo problemas realizando la transaccion!");

class VendedoresTest : public datosvendedores::FixtureVentanas {
protected:
    void SetUp() override
    {
        FixtureVentanas::SetUp();
        core::sesion().rsvendedores = core::sesion().conexion.execute(QStringLiteral("dspven2 '5'"));
    }

    Form3* abreCatalogo()
    {
        auto* f = qobject_cast<Form3*>(windowRegistry().show(QStringLiteral("Form3")));
        platform::ui::doEvents();
        return f;
    }
    static Form11* editor() { return qobject_cast<Form11*>(windowRegistry().find(QStringLiteral("Form11"))); }
    static void irAFila(core::GrillaCatalogo* grilla, int fila)
    {
        grilla->setCurrentIndex(grilla->model()->index(fila, 0));
    }
    // Gives the region box the focus and takes it away again.
    static void dejaRegion(FichaVendedor& f)
    {
        f.Combo5->setFocus(Qt::TabFocusReason);
        f.Text31->setFocus(Qt::TabFocusReason);
    }
    QString vendedor(const QString& codigo)
    {
        return db().scalar(
            QStringLiteral("SELECT v::text FROM vendedor v WHERE codvendedor = '%1'").arg(codigo));
    }
};

} // namespace

TEST_F(VendedoresTest, TheCatalogueShowsTheWholeRecordOfTheCurrentSeller)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    core::GrillaCatalogo* grilla = catalogo->grilla();
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(grilla->titulo(0), QStringLiteral("Còdigo"));
    EXPECT_EQ(grilla->titulo(1), QStringLiteral("Nombre "));
    FichaVendedor& f = *catalogo->ficha();
    EXPECT_EQ(f.Text1->text(), QStringLiteral("00001"));
    EXPECT_TRUE(catalogo->Command44->isVisibleTo(catalogo)) << "a seller with a key";
    EXPECT_FALSE(catalogo->Command3->isVisibleTo(catalogo));

    irAFila(grilla, 1);
    EXPECT_EQ(f.Text1->text(), QStringLiteral("00002"));
    EXPECT_EQ(f.Combo1->currentText(), QStringLiteral("00001 .- GRUPO NORTE"));
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("1.- Activo"));
    EXPECT_EQ(f.Combo3->currentText(), QStringLiteral("2.- Seco"));
    EXPECT_EQ(f.Combo4->currentText(), QStringLiteral("SFR - San Francisco"));
    EXPECT_EQ(f.Combo5->currentText(), QStringLiteral("ZUL - Zulia"));
    EXPECT_EQ(f.Text7->text(), QStringLiteral("2,5"));
    EXPECT_EQ(f.Text30->text(), QStringLiteral("12,5"));
    EXPECT_EQ(f.Text34->text(), QStringLiteral("9"));
    EXPECT_EQ(f.bloque().texto(QStringLiteral("Comi_Tri")), QStringLiteral("12,5"));
    EXPECT_EQ(f.bloque().texto(QStringLiteral("Lim_NumA")), QStringLiteral("3"));
    EXPECT_TRUE(f.Check12()->isChecked());

    irAFila(grilla, 2); // no group, no key, nulls
    EXPECT_EQ(f.Combo1->currentText(), QString());
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("2.- Inactivo"));
    EXPECT_EQ(f.Text3->text(), QString()) << "a NULL shows as an empty box";
    EXPECT_FALSE(catalogo->Command44->isVisibleTo(catalogo));
    EXPECT_EQ(catalogo->codigonombre(), QStringLiteral("00003 - TAQUILLA SUR"));
}

TEST_F(VendedoresTest, AddModifyAndDeleteASeller)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    core::GrillaCatalogo* grilla = catalogo->grilla();

    // Add with every field.
    catalogo->botonNuevo()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Agregando Vendedores"));
    FichaVendedor& f = *e->ficha();
    EXPECT_TRUE(f.Text1->isEnabled());
    EXPECT_EQ(f.Combo2->currentText(), QStringLiteral("1.- Activo"));
    EXPECT_EQ(f.Combo3->currentText(), QStringLiteral("0.- Punta y Cola"));
    EXPECT_EQ(f.bloque().texto(QStringLiteral("Minimo_tri")), QStringLiteral("10"));
    EXPECT_EQ(f.bloque().texto(QStringLiteral("Lim_Tri")), QStringLiteral("0"));
    EXPECT_EQ(f.Text7->text(), QStringLiteral("0"));
    EXPECT_EQ(f.Combo1->count(), 2) << "the chiefs: sellers of no group";
    EXPECT_EQ(f.Combo1->itemText(0), QStringLiteral("00001 .- GRUPO NORTE"));
    EXPECT_EQ(f.Combo5->count(), 3);

    QTest::keyClicks(f.Text1, QStringLiteral("000100"));
    EXPECT_EQ(f.Text1->text(), QStringLiteral("00010"));
    QTest::keyClicks(f.Text2, QStringLiteral("NUEVO VENDEDOR"));
    f.Text3->setText(QStringLiteral("Calle 1"));
    f.Text4->setText(QStringLiteral("0212"));
    f.Text5->setText(QStringLiteral("n@x.ve"));
    f.Text6->setText(QStringLiteral("clave"));
    f.Combo3->setCurrentIndex(2);
    f.Combo2->setCurrentIndex(0);
    f.Combo1->setCurrentIndex(0);
    f.Text7->clear();
    QTest::keyClicks(f.Text7, QStringLiteral("2.5x"));
    EXPECT_EQ(f.Text7->text(), QStringLiteral("2.5")) << "the decimal filter";
    f.bloque().caja(QStringLiteral("Comi_Tri"))->clear();
    QTest::keyClicks(f.bloque().caja(QStringLiteral("Comi_Tri")), QStringLiteral("12.5"));
    f.bloque().ponTexto(QStringLiteral("Lim_Tri"), QStringLiteral("500"));
    f.Check12()->setChecked(true);
    f.bloque().ponTexto(QStringLiteral("montocomodin"), QStringLiteral("3.5"));
    f.Text31->setText(QStringLiteral("J-10"));
    f.Text33->setText(QStringLiteral("N-10"));
    f.Text34->setText(QStringLiteral("7"));
    f.Combo5->setCurrentIndex(2); // ZUL
    dejaRegion(f);
    ASSERT_EQ(f.Combo4->count(), 2) << "the municipalities of the region left";
    EXPECT_EQ(f.Combo4->itemText(0), QStringLiteral("MCB - Maracaibo"));
    EXPECT_EQ(f.Combo4->currentText(), QString());
    f.Combo4->setCurrentIndex(0);
    f.Text2->setFocus();
    QTest::keyClick(e->windowHandle(), Qt::Key_Return); // Enter saves
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Se Agrego perfectamente 00010")});
    EXPECT_EQ(editor(), nullptr) << "closed";
    EXPECT_EQ(core::sesion().modoedicion, QString());
    EXPECT_EQ(
        db().scalar(QStringLiteral(
            "SELECT concat_ws('|', nombre_vend, tipode_pago, perteneceal, comision_jefe, comi_tri, lim_tri,"
            " pagacomodin, montocomodin, codigo_alcaldia, codigo_gobernacion, diascaduca, rif, clave_vend)"
            " FROM vendedor WHERE codvendedor = '00010'")),
        QStringLiteral("NUEVO VENDEDOR|2|00001|2.50|12.500|500.000|S|3.500|MCB|ZUL|7|J-10|clave"));
    EXPECT_EQ(db().rows(QStringLiteral(
                  "SELECT cod_lot, lim_tri FROM ven_lot WHERE codvendedor = '00010' ORDER BY 1")),
              (QStringList{QStringLiteral("001|500.000"), QStringLiteral("002|500.000")}));
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM vendespec WHERE codvendedor = '00010'")),
              QStringLiteral("1"));
    // The shared seller list holds the new seller, on a cursor of its own.
    core::Sesion& s = core::sesion();
    EXPECT_EQ(s.rsvendedores.recordCount(), 4);
    catalogo->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(grilla->model()->rowCount(), 4);
    EXPECT_EQ(catalogo->ficha()->Text1->text(), QStringLiteral("00001")) << "after an add: the first row";

    // Modify the new seller; the catalogue comes back to him.
    rec().clear();
    irAFila(grilla, 3);
    ASSERT_EQ(catalogo->ficha()->Text1->text(), QStringLiteral("00010"));
    catalogo->botonModificar()->click();
    e = editor();
    ASSERT_NE(e, nullptr);
    FichaVendedor& m = *e->ficha();
    EXPECT_EQ(e->windowTitle(), QStringLiteral("Modificando Vendedores"));
    EXPECT_FALSE(m.Text1->isEnabled());
    EXPECT_EQ(m.bloque().texto(QStringLiteral("Comi_Tri")), QStringLiteral("12.5")) << "comaapunto";
    EXPECT_EQ(m.Text7->text(), QStringLiteral("2,5"));
    EXPECT_EQ(m.Combo3->currentText(), QStringLiteral("2.- Seco"));
    m.Text2->setText(QStringLiteral("CAMBIADO"));
    e->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Se Actualizo perfectamente 00010")});
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT nombre_vend FROM vendedor WHERE codvendedor = '00010'")),
              QStringLiteral("CAMBIADO"));
    catalogo->activateWindow();
    platform::ui::doEvents();
    EXPECT_EQ(catalogo->ficha()->Text1->text(), QStringLiteral("00010")) << "back at the seller";
    EXPECT_EQ(catalogo->ficha()->Text2->text(), QStringLiteral("CAMBIADO"));

    // Delete him; the shared list is the catalogue's list itself.
    rec().clear();
    catalogo->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), (QStringList{Pregunta, QStringLiteral("Se Borro esto perfectamente 00010")}));
    EXPECT_EQ(vendedor(QStringLiteral("00010")), QString());
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM ven_lot WHERE codvendedor = '00010'")),
              QStringLiteral("0"));
    EXPECT_EQ(grilla->model()->rowCount(), 3);
    EXPECT_EQ(s.rsvendedores.recordCount(), 3);
}

TEST_F(VendedoresTest, TheEditorsTabOrderReachesTheButtonsBeforeTheLocationBoxes)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    for (const bool agregar : {true, false}) {
        (agregar ? catalogo->botonNuevo() : catalogo->botonModificar())->click();
        platform::ui::doEvents();
        Form11* e = editor();
        ASSERT_NE(e, nullptr);
        FichaVendedor& f = *e->ficha();
        EXPECT_EQ(testsupport::enfocado(), agregar ? f.Text1 : f.Text2);
        QList<QWidget*> esperada{f.Text1,  f.Text2,  f.Text3,  f.Text4, f.Text5,
                                 f.Combo3, f.Combo2, f.Combo1, f.Text7, f.Text6};
        for (const QString& campo : core::campos::Digito + core::campos::Venta)
            esperada << f.bloque().caja(campo);
        esperada << f.Check12() << f.Text32() << e->botonGrabar() << e->botonDeshacer() << f.Combo4
                 << f.Text31 << f.Text33 << f.Text34 << f.Combo5;
        EXPECT_EQ(testsupport::cadenaTabulacion(f.Text1), esperada) << (agregar ? "add" : "modify");
        // The digit block's first box is Text17, the minimum play.
        EXPECT_EQ(esperada.at(10), f.bloque().caja(QStringLiteral("Montom_digito")));
        e->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The catalogue and the editor show a seller of ordinary long values whole:
// a name, address and e-mail of thirty-odd characters, a region and
// municipality with their names.
TEST_F(VendedoresTest, TheCatalogueAndTheEditorShowTheSellersValuesWhole)
{
    db().exec(QStringLiteral("UPDATE vendedor SET nombre_vend = 'AGENCIA LOTERIAS DEL LAGO AZUL',"
                             " direccion_vend = 'Av. 5 de Julio con calle 72, Maracaibo',"
                             " email_vend = 'agencia.lago.azul@correo.com.ve' WHERE codvendedor = '00001'"));
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 0);
    platform::ui::doEvents();
    EXPECT_EQ(testsupport::cutControls(catalogo), QStringList{});
    EXPECT_FALSE(testsupport::saveScreenshot(catalogo, QStringLiteral("Form3")).isEmpty());

    catalogo->botonModificar()->click();
    platform::ui::doEvents();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(testsupport::cutControls(e), QStringList{});
    EXPECT_FALSE(testsupport::saveScreenshot(e, QStringLiteral("Form11")).isEmpty());
}

TEST_F(VendedoresTest, TheEditorsThreeChecksSendNothing)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    catalogo->botonNuevo()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    FichaVendedor& f = *e->ficha();
    const QString antes = db().scalar(QStringLiteral("SELECT count(*) FROM vendedor"));

    QTest::keyClicks(f.Text1, QStringLiteral("0001"));
    e->botonGrabar()->click();
    f.Text1->setText(QStringLiteral("00011"));
    e->botonGrabar()->click();
    f.Combo5->setEditText(QStringLiteral("ZUL"));
    e->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(),
              (QStringList{QStringLiteral("El código del vendedor debe tener 5 caracteres"),
                           QStringLiteral("Obligatoriamente debe asignar este vendedor a alguna Gobernación"),
                           QStringLiteral("Obligatoriamente debe asignar este vendedor a alguna Alcaldía")}));
    EXPECT_EQ(rec().boxes().first().style, 16);
    EXPECT_EQ(f.Text2->text(), QString()) << "no box changed";
    EXPECT_EQ(editor(), e) << "still open";
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM vendedor")), antes);
}

TEST_F(VendedoresTest, TheEditorsBoxesTakeNoMoreThanTheirParametersHold)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    catalogo->botonNuevo()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    FichaVendedor& f = *e->ficha();
    struct Caso {
        QLineEdit* caja;
        QString tecleado;
        QString queda;
    };
    const QString largo(120, QLatin1Char('A'));
    const QList<Caso> casos = {
        {f.Text2, largo, largo.left(50)},                                      // name
        {f.Text3, largo, largo.left(100)},                                     // address
        {f.Text6, largo, largo.left(10)},                                      // password
        {f.Text31, largo, largo.left(20)},                                     // RIF
        {f.Text7, QStringLiteral("2.555"), QStringLiteral("2.55")},            // chief's commission (18,2)
        {f.Text34, QStringLiteral("1234567890"), QStringLiteral("123456789")}, // expiry days (9,0)
        {f.bloque().caja(QStringLiteral("Comi_Tri")), QStringLiteral("1234567.5678"),
         QStringLiteral("123456.567")}, // an amount (9,3)
    };
    for (const Caso& c : casos) {
        c.caja->clear();
        QTest::keyClicks(c.caja, c.tecleado);
        EXPECT_EQ(c.caja->text(), c.queda) << c.caja->objectName().toStdString();
    }
}

// Pasted or handed over, a text beyond its ACTVEN parameter never reaches
// the server cut: a 56-character name pasted is refused whole and told, as
// is a six-character code; one the window was given is refused by the save,
// which sends nothing.
TEST_F(VendedoresTest, TextsBeyondTheirParametersAreRefusedNeverCut)
{
    using testsupport::Pegado;
    const QString nombre = QStringLiteral("DISTRIBUIDORAS DE LOTERIAS Y APUESTAS DEL OCCIDENTE C.A.");
    ASSERT_EQ(nombre.size(), 56);
    const QString nombreLargo = QStringLiteral("El campo Nombre no puede tener más de 50 caracteres");
    const QString antes = vendedor(QStringLiteral("00002"));
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);

    catalogo->botonNuevo()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    FichaVendedor& f = *e->ficha();
    f.Text1->setFocus();
    testsupport::pega(f.Text1, QStringLiteral("000123"), Pegado::Teclado);
    EXPECT_EQ(f.Text1->text(), QString());
    testsupport::pega(f.Text2, nombre, Pegado::Menu);
    EXPECT_EQ(f.Text2->text(), QString());
    EXPECT_EQ(
        rec().prompts(),
        (QStringList{QStringLiteral("El campo Vendedor no puede tener más de 5 caracteres"), nombreLargo}));
    e->botonDeshacer()->click();
    platform::ui::doEvents();

    rec().clear();
    irAFila(catalogo->grilla(), 1);
    catalogo->botonModificar()->click();
    e = editor();
    ASSERT_NE(e, nullptr);
    e->ficha()->Text2->setText(nombre);
    e->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{nombreLargo});
    EXPECT_TRUE(e->isVisible()) << "the editor stays open";
    EXPECT_EQ(vendedor(QStringLiteral("00002")), antes) << "nothing reached the server";
}

TEST_F(VendedoresTest, ModifyingOnlyTheNameKeepsEveryOtherColumn)
{
    const QString columnas = QStringLiteral(
        "SELECT (v.*)::text FROM (SELECT codvendedor, direccion_vend, telefono_vend, email_vend, clave_vend,"
        " estado_vend, tipode_pago, perteneceal, diascaduca, comision_jefe, impuesto, codigo_alcaldia,"
        " codigo_gobernacion, rif, nit, minimo_tri, minimo_ter, lim_tri, lim_ter, comi_tri, comi_ter,"
        " p_tri_1, p_tri_2, p_tri_3, p_ter_1, p_ter_2, p_ter_3, montom_digito, lim_digito, comi_digito,"
        " premio_digito, lim_numa, lim_numb, montom_par, comispar, premiopar, sencillo_par, pagacomodin,"
        " montocomodin, permisovendedor, puertoprinter FROM vendedor WHERE codvendedor = '00002') v");
    const QString antes = db().scalar(columnas);
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 1);
    catalogo->botonModificar()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    e->ficha()->Text2->setText(QStringLiteral("SOLO EL NOMBRE"));
    e->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Se Actualizo perfectamente 00002")});
    EXPECT_EQ(db().scalar(columnas), antes);
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT nombre_vend FROM vendedor WHERE codvendedor = '00002'")),
              QStringLiteral("SOLO EL NOMBRE"));
}

TEST_F(VendedoresTest, AnAddWithAnExistingCodeChangesNothing)
{
    const QString antes = vendedor(QStringLiteral("00002"));
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    const int filas = catalogo->lista().recordCount();
    catalogo->botonNuevo()->click();
    Form11* e = editor();
    ASSERT_NE(e, nullptr);
    FichaVendedor& f = *e->ficha();
    QTest::keyClicks(f.Text1, QStringLiteral("00002"));
    QTest::keyClicks(f.Text2, QStringLiteral("OTRO"));
    f.Combo5->setEditText(QStringLiteral("DCA - Distrito Capital"));
    f.Combo4->setEditText(QStringLiteral("LIB - Libertador"));
    e->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Problemas});
    EXPECT_EQ(rec().boxes().first().style, 16);
    EXPECT_EQ(vendedor(QStringLiteral("00002")), antes);
    EXPECT_EQ(catalogo->lista().recordCount(), filas);
    EXPECT_EQ(f.Text2->text(), QStringLiteral("OTRO")) << "what was typed stays";
}

TEST_F(VendedoresTest, DeletingASellerWithTicketsShowsTheRefusalAndKeepsEverything)
{
    db().exec(QStringLiteral(
        "INSERT INTO ven_lot (codvendedor, cod_lot) VALUES ('00003', '001');"
        "INSERT INTO usuarios (codvendedor, usuario, nombre_usua) VALUES ('00003', 'U1', 'C');"
        "INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket, montoticket)"
        "  VALUES ('00003', '1', 'S', 'U1', '2031-01-01', '10:00', 5)"));
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 2);
    catalogo->botonEliminar()->click();
    ASSERT_EQ(rec().prompts().size(), 2);
    EXPECT_EQ(rec().prompts().at(1), QStringLiteral("No se puede eliminar el vendedor 00003: tiene tickets"));
    EXPECT_FALSE(rec().prompts().join(QString()).contains(QStringLiteral("Se Borro")));
    EXPECT_NE(vendedor(QStringLiteral("00003")), QString());
    EXPECT_EQ(db().scalar(QStringLiteral("SELECT count(*) FROM ven_lot WHERE codvendedor = '00003'")),
              QStringLiteral("1"));
    EXPECT_EQ(catalogo->grilla()->model()->rowCount(), 3);

    // No: nothing is sent, the list is read again all the same.
    rec().clear();
    rec().answerNext(AnswerNo);
    catalogo->botonEliminar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{Pregunta});
    EXPECT_EQ(core::sesion().rsvendedores.recordCount(), 3);
}

TEST_F(VendedoresTest, EscInAModifyPutsTheCatalogueBackOnTheSeller)
{
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 1);
    catalogo->botonModificar()->click();
    ASSERT_NE(editor(), nullptr);
    irAFila(catalogo->grilla(), 2);
    QTest::keyClick(editor()->windowHandle(), Qt::Key_Escape);
    EXPECT_EQ(editor(), nullptr);
    EXPECT_EQ(catalogo->ficha()->Text1->text(), QStringLiteral("00002"));
    EXPECT_EQ(core::sesion().modoedicion, QStringLiteral("M"));
}

namespace {

// A window of another subsystem as the catalogue reaches it: by its
// registered name and its control's name.
class VentanaDeOtro : public platform::ui::Window {
public:
    VentanaDeOtro()
    {
        auto* lista = new QComboBox(this);
        lista->setObjectName(QStringLiteral("Combo4"));
        lista->setEditable(true);
        auto* etiqueta = new QLabel(this);
        etiqueta->setObjectName(QStringLiteral("Label2"));
    }
    QString texto() const
    {
        return findChild<QComboBox*>(QStringLiteral("Combo4"))->currentText() +
               findChild<QLabel*>(QStringLiteral("Label2"))->text();
    }
};

} // namespace

TEST_F(VendedoresTest, ThePerSellerWindowsGetTheCurrentSeller)
{
    for (const char* nombre : {"Form44", "paramvendespe", "permisoespejo", "masterven_imp"})
        windowRegistry().add<VentanaDeOtro>(QLatin1String(nombre));
    Form3* catalogo = abreCatalogo();
    ASSERT_NE(catalogo, nullptr);
    irAFila(catalogo->grilla(), 1);
    const auto texto = [](const char* nombre) {
        auto* v = dynamic_cast<VentanaDeOtro*>(windowRegistry().find(QLatin1String(nombre)));
        return v && v->isVisible() ? v->texto() : QStringLiteral("not open");
    };
    QTest::keyClick(catalogo->windowHandle(), Qt::Key_F4);
    EXPECT_EQ(texto("Form44"), QStringLiteral("00002 - AGENCIA LA FORTUNA"));
    catalogo->Command1->click();
    EXPECT_EQ(texto("paramvendespe"), QStringLiteral("00002 - AGENCIA LA FORTUNA"));
    catalogo->Command44->click();
    EXPECT_EQ(texto("permisoespejo"), QStringLiteral("00002 - AGENCIA LA FORTUNA"));
    catalogo->impuestos();
    EXPECT_EQ(texto("masterven_imp"), QStringLiteral("00002 - AGENCIA LA FORTUNA"));
    EXPECT_EQ(core::sesion().marcadormaestro, catalogo->grilla()->marcador());
    // The current seller as other windows read it.
    EXPECT_EQ(catalogo->findChild<QLineEdit*>(QStringLiteral("Text7"))->text(), QStringLiteral("2,5"));
}
