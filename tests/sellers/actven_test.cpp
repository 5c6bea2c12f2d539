// The ACTVEN parameter list, one row per parameter, checked against what
// the server receives: names, order, types, sizes, the empty-box rules of
// the save and the decimal conversions.

#include "datosvendedores.h"
#include "espia.h"

#include "sellers/actven.h"
#include "sellers/fichavendedor.h"
#include "sellers/form11.h"

#include "core/masteredita.h"
#include "core/sesion.h"

#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

using namespace sellers;
namespace db = platform::db;
using db::DataType;

namespace {

constexpr DataType Int = DataType::Integer;
constexpr DataType Txt = DataType::VarChar;
constexpr DataType Dec = DataType::Decimal;
constexpr DataType Num = DataType::Numeric;

struct Fila {
    const char* nombre;
    DataType tipo;
    int tamano;    // varchar size
    int precision; // decimal / numeric
    int escala;
    const char* recibido; // what the server received
};

// What the server receives for the record of tecleado().
const Fila Filas[] = {
    {"@RETURN_VALUE", Int, 0, 0, 0, nullptr},
    {"@xmodo", Txt, 1, 0, 0, "1"},
    {"@codvendedor", Txt, 5, 0, 0, "0001 "},   // untrimmed
    {"@nombre_vend", Txt, 50, 0, 0, "0"},      // an empty box sends "0"
    {"@direccion_vend", Txt, 100, 0, 0, "  "}, // blanks are not empty
    {"@telefono_vend", Txt, 50, 0, 0, "0261-555"},
    {"@clave_vend", Txt, 10, 0, 0, "0"},
    {"@email_vend", Txt, 50, 0, 0, "a@b.ve"},
    {"@estado_vend", Txt, 1, 0, 0, "2"}, // "2.- Inactivo"
    {"@tipode_pago", Txt, 1, 0, 0, "2"}, // "2.- Seco"
    {"@codigobanco", Txt, 3, 0, 0, ""},
    {"@cuentabanco", Txt, 25, 0, 0, ""},
    {"@perteneceal", Txt, 5, 0, 0, "00001"}, // "00001 .- GRUPO NORTE"
    {"@correticks", Num, 0, 9, 0, "0"},
    {"@diascaduca", Num, 0, 9, 0, "5"},        // empty: 5
    {"@comision_jefe", Dec, 0, 18, 2, "2.50"}, // typed 2.5
    {"@impuesto", Dec, 0, 18, 2, "0.00"},      // blanks: 0
    {"@codigo_alcaldia", Txt, 5, 0, 0, "MCB"}, // "MCB - Maracaibo"
    {"@rif", Txt, 20, 0, 0, ""},               // not filled with 0
    {"@nit", Txt, 20, 0, 0, "N 1"},
    {"@lim_digito", Dec, 0, 9, 3, "300.000"},
    {"@premio_digito", Dec, 0, 9, 3, "7.000"},
    {"@comi_digito", Dec, 0, 9, 3, "10.500"},  // typed 10.5
    {"@montom_digito", Dec, 0, 9, 3, "0.000"}, // empty: 0
    {"@lim_NumA", Dec, 0, 9, 3, "3.000"},
    {"@lim_NumB", Dec, 0, 9, 3, "4.000"},
    {"@comispar", Dec, 0, 9, 3, "6.500"}, // shown by the catalogue as 6,5
    {"@premiopar", Dec, 0, 9, 3, "8.000"},
    {"@montom_par", Dec, 0, 9, 3, "5.000"},
    {"@sencillo_par", Dec, 0, 9, 3, "9.000"},
    {"@lim_tri", Dec, 0, 9, 3, "500.000"},
    {"@lim_ter", Dec, 0, 9, 3, "1000.000"},
    {"@comi_tri", Dec, 0, 9, 3, "12.500"},
    {"@comi_ter", Dec, 0, 9, 3, "13.500"}, // 13,5 as the catalogue shows it
    {"@minimo_tri", Dec, 0, 9, 3, "10.000"},
    {"@minimo_ter", Dec, 0, 9, 3, "11.000"},
    {"@p_tri_1", Dec, 0, 9, 3, "600.000"},
    {"@p_tri_2", Dec, 0, 9, 3, "60.000"},
    {"@p_tri_3", Dec, 0, 9, 3, "6.125"},
    {"@p_ter_1", Dec, 0, 9, 3, "70.000"},
    {"@p_ter_2", Dec, 0, 9, 3, "7.000"},
    {"@p_ter_3", Dec, 0, 9, 3, "0.500"},
    {"@pagacomodin", Txt, 1, 0, 0, "S"},
    {"@montocomodin", Dec, 0, 9, 3, "3.250"},
    {"@xcodigo_gobernacion", Txt, 5, 0, 0, "ZUL"}, // "ZUL - Zulia"
};
constexpr int Parametros = 45;
static_assert(std::size(Filas) == Parametros);

// The boxes of an editor as the operator left them.
RegistroVendedor tecleado()
{
    RegistroVendedor r;
    r.codigo = QStringLiteral("0001 ");
    r.direccion = QStringLiteral("  ");
    r.telefono = QStringLiteral("0261-555");
    r.email = QStringLiteral("a@b.ve");
    r.estado = QStringLiteral("2.- Inactivo");
    r.tipopago = QStringLiteral("2.- Seco");
    r.grupo = QStringLiteral("00001 .- GRUPO NORTE");
    r.comisionjefe = QStringLiteral("2.5");
    r.impuesto = QStringLiteral("  ");
    r.alcaldia = QStringLiteral("MCB - Maracaibo");
    r.nit = QStringLiteral("N 1");
    const std::pair<const char*, const char*> montos[] = {
        {"lim_digito", "300"}, {"premio_digito", "7"}, {"comi_digito", "10.5"}, {"montom_digito", ""},
        {"lim_numa", "3"},     {"lim_numb", "4"},      {"comispar", "6,5"},     {"premiopar", "8"},
        {"montom_par", "5"},   {"sencillo_par", "9"},  {"lim_tri", "500"},      {"lim_ter", "1000"},
        {"comi_tri", "12.5"},  {"comi_ter", "13,5"},   {"minimo_tri", "10"},    {"minimo_ter", "11"},
        {"p_tri_1", "600"},    {"p_tri_2", "60"},      {"p_tri_3", "6.125"},    {"p_ter_1", "70"},
        {"p_ter_2", "7"},      {"p_ter_3", ".5"},      {"montocomodin", "3.25"}};
    for (const auto& [campo, texto] : montos)
        r.montos.insert(QLatin1String(campo), QLatin1String(texto));
    r.pagacomodin = QStringLiteral("S");
    r.gobernacion = QStringLiteral("ZUL - Zulia");
    return r;
}

class ActvenListaTest : public datosvendedores::FixtureVentanas {
protected:
    void SetUp() override
    {
        datosvendedores::FixtureVentanas::SetUp();
        espia::instala(db(), QStringLiteral("proc.actven"));
    }

    static QStringList esperado()
    {
        QStringList valores;
        for (int i = 1; i < Parametros; ++i)
            valores << QString::fromUtf8(Filas[i].recibido);
        return valores;
    }
};

} // namespace

TEST_F(ActvenListaTest, TheSaveSendsTheFortyFiveParametersAsTheServerReceivesThem)
{
    RegistroVendedor r = tecleado();
    rellenavacios(r);
    db::Command comando = comandoactven(r, QStringLiteral("1"));
    ASSERT_EQ(comando.parameterCount(), Parametros);
    for (int i = 0; i < Parametros; ++i) {
        const Fila& f = Filas[i];
        const db::Parameter& p = comando.parameter(i);
        EXPECT_EQ(p.name(), QString::fromLatin1(f.nombre)) << "#" << i;
        EXPECT_EQ(p.type(), f.tipo) << f.nombre;
        EXPECT_EQ(p.direction(), i == 0 ? db::Direction::ReturnValue : db::Direction::Input) << f.nombre;
        EXPECT_EQ(p.size(), f.tamano) << f.nombre;
        EXPECT_EQ(p.precision(), f.precision) << f.nombre;
        EXPECT_EQ(p.numericScale(), f.escala) << f.nombre;
    }
    EXPECT_EQ(comando.commandTimeout(), 900);
    comando.execute();
    EXPECT_EQ(core::respuesta(comando), QStringLiteral("0"));
    EXPECT_EQ(espia::recibido(db()), esperado());
}

TEST_F(ActvenListaTest, TheEditorsSaveSendsWhatItsBoxesHold)
{
    core::sesion().modoedicion = QStringLiteral("A");
    auto* editor = qobject_cast<Form11*>(platform::ui::windowRegistry().show(QStringLiteral("Form11")));
    ASSERT_NE(editor, nullptr);
    FichaVendedor& f = *editor->ficha();
    f.muestra(tecleado());
    editor->botonGrabar()->click();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("Se Agrego perfectamente 0001 ")});
    EXPECT_EQ(espia::recibido(db()), esperado());
}

TEST_F(ActvenListaTest, EmptyBoxesBecomeZeroOnlyWhereTheSaveSaysSo)
{
    RegistroVendedor r = tecleado();
    r.diascaduca = QStringLiteral(" ");
    r.comisionjefe = QStringLiteral("   ");
    rellenavacios(r);
    EXPECT_EQ(r.nombre, QStringLiteral("0"));
    EXPECT_EQ(r.clave, QStringLiteral("0"));
    EXPECT_EQ(r.direccion, QStringLiteral("  "));
    EXPECT_EQ(r.rif, QString());
    EXPECT_EQ(r.impuesto, QStringLiteral("0"));
    EXPECT_EQ(r.diascaduca, QStringLiteral(" "));     // blanks: kept
    EXPECT_EQ(r.comisionjefe, QStringLiteral("   ")); // kept in the box…
    EXPECT_EQ(r.montos.value(QStringLiteral("montom_digito")), QStringLiteral("0"));
    db::Command comando = comandoactven(r, QStringLiteral("2"));
    EXPECT_EQ(comando.parameter(QStringLiteral("@comision_jefe")).boundValue().toString(),
              QStringLiteral("0.00")); // …and sent as 0
}
