#include "core/parametrosventa.h"
#include "qtprint.h"

#include "platform/db/dberror.h"
#include "platform/decimal.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace core;
namespace db = platform::db;

namespace {

BloqueVenta::Opciones todas()
{
    BloqueVenta::Opciones o;
    o.partes = BloqueVenta::Normal | BloqueVenta::Comodin | BloqueVenta::Digito | BloqueVenta::Pares;
    return o;
}

// A row holding every field of the block: the n-th field (from 0) holds n + 0.5.
db::RecordSet fila(const QString& pagaComodin)
{
    db::RecordSet rs;
    const QStringList lista = campos::Venta + campos::Digito + campos::Pares +
                              QStringList{campos::MontoComodin};
    for (const QString& campo : lista)
        rs.appendField(campo.toUpper(), db::DataType::Decimal, 0, 9, 3);
    rs.appendField(campos::PagaComodin, db::DataType::VarChar, 1);
    rs.addNew();
    for (int i = 0; i < lista.size(); ++i)
        rs.setValue(i, QString(QString::number(i) + QStringLiteral(",5")));
    rs.setValue(campos::PagaComodin, pagaComodin);
    rs.update();
    return rs;
}

} // namespace

TEST(BloqueVentaTest, HoldsTheFieldsOfItsPartsInTheBlocksOrder)
{
    BloqueVenta normal({});
    EXPECT_EQ(normal.campos(), campos::Venta);
    EXPECT_EQ(normal.marcoDigito(), nullptr);
    EXPECT_EQ(normal.caja(QStringLiteral("Lim_digito")), nullptr);
    EXPECT_EQ(normal.marcoNormal()->title(), QStringLiteral("< Venta Normal >"));
    delete normal.marcoNormal();

    BloqueVenta bloque(todas());
    EXPECT_EQ(bloque.campos(),
              campos::Venta + QStringList{campos::MontoComodin} + campos::Digito + campos::Pares);
    EXPECT_NE(bloque.caja(QStringLiteral("p_tri_3")), nullptr) << "fields by any case";
    EXPECT_EQ(bloque.pagaComodin()->text(), QStringLiteral("Paga Comodin Monto:"));
    for (QGroupBox* marco : {bloque.marcoNormal(), bloque.marcoDigito(), bloque.marcoPares()})
        delete marco;
}

TEST(BloqueVentaTest, ShowsARowByNameAndCopiesAnotherBlock)
{
    BloqueVenta origen(todas());
    origen.muestra(fila(QStringLiteral("S")));
    EXPECT_EQ(origen.texto(QStringLiteral("Minimo_tri")), QStringLiteral("0,5"));
    EXPECT_EQ(origen.texto(QStringLiteral("Comi_Tri")), QStringLiteral("4,5"));
    EXPECT_TRUE(origen.pagaComodin()->isChecked());
    origen.muestra(fila(QStringLiteral("S ")));
    EXPECT_FALSE(origen.pagaComodin()->isChecked()) << "compared as stored";

    BloqueVenta copia(todas());
    copia.copiaDe(origen, {QStringLiteral("comi_tri")});
    EXPECT_EQ(copia.texto(QStringLiteral("Comi_Tri")), QStringLiteral("4.5"));
    EXPECT_EQ(copia.texto(QStringLiteral("Comi_Ter")), QStringLiteral("5,5"));
    EXPECT_EQ(copia.textos().size(), 23);
    for (BloqueVenta* b : {&origen, &copia})
        for (QGroupBox* marco : {b->marcoNormal(), b->marcoDigito(), b->marcoPares()})
            delete marco;
}

TEST(BloqueVentaTest, EmptyBoxesBecomeZeroAndFiltersAndLockingApply)
{
    BloqueVenta bloque({});
    bloque.ponTexto(QStringLiteral("Lim_Tri"), QStringLiteral("12.5"));
    bloque.rellenaVacios();
    EXPECT_EQ(bloque.texto(QStringLiteral("Lim_Tri")), QStringLiteral("12.5"));
    EXPECT_EQ(bloque.texto(QStringLiteral("P_ter_3")), QStringLiteral("0"));

    bloque.ponFiltro({QStringLiteral("Minimo_tri")}, FiltroCaja::Entero);
    QLineEdit* caja = bloque.caja(QStringLiteral("Minimo_tri"));
    caja->clear();
    QTest::keyClicks(caja, QStringLiteral("1.5a"));
    EXPECT_EQ(caja->text(), QStringLiteral("15"));
    bloque.ponSoloLectura(true);
    EXPECT_TRUE(caja->isReadOnly());
    EXPECT_THROW(bloque.ponFiltro({QStringLiteral("Lim_digito")}, FiltroCaja::Decimal), db::DbError);
    delete bloque.marcoNormal();
}

TEST(BloqueVentaTest, ConversionsOfTheStores)
{
    struct Caso {
        const char* texto;
        ConversionVenta conversion;
        QVariant esperado;
    };
    const Caso casos[] = {
        {"12.5", ConversionVenta::PuntoAComa, QStringLiteral("12,5")},
        {"2,5", ConversionVenta::PuntoAComa, QStringLiteral("2,5")},
        {"12,5", ConversionVenta::NumeroInicial, 12.0},
        {" 25 ", ConversionVenta::NumeroInicial, 25.0},
        {"", ConversionVenta::NumeroInicial, 0.0},
        {"1.5", ConversionVenta::NumeroInicial, 1.5},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(valorventa(QString::fromLatin1(c.texto), c.conversion), c.esperado) << c.texto;

    db::Command comando;
    TextosVenta textos{{QStringLiteral("lim_tri"), QStringLiteral("12.5")}};
    agregaparametrosventa(comando,
                          {{QStringLiteral("@x"), QStringLiteral("Lim_Tri"), db::DataType::Decimal, 18, 3}},
                          textos, ConversionVenta::PuntoAComa);
    EXPECT_EQ(comando.parameter(0).precision(), 18);
    EXPECT_EQ(comando.parameter(0).boundValue().value<platform::Decimal>().toString(3),
              QStringLiteral("12.500"));
    EXPECT_THROW(agregaparametrosventa(comando, {{QStringLiteral("@y"), QStringLiteral("P_tri_1")}}, textos,
                                       ConversionVenta::PuntoAComa),
                 db::DbError);
    EXPECT_EQ(textosventa(textos, {QStringLiteral("LIM_TRI")}), QStringList{QStringLiteral("12.5")});
}
