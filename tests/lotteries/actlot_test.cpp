// The two parameter lists of ACTLOT, checked against what the server
// receives: the save of the lottery editor (51 parameters) and the delete
// of the catalogue (49), one row per parameter.

#include "datosloterias.h"

#include "lotteries/actlot.h"
#include "lotteries/form5.h"
#include "lotteries/form9.h"
#include "lotteries/registro.h"

#include "core/masteredita.h"

#include "platform/ui/windowregistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

using namespace lotteries;
namespace db = platform::db;
using db::DataType;

namespace {

constexpr DataType Int = DataType::Integer;
constexpr DataType Txt = DataType::VarChar;
constexpr DataType Dec = DataType::Decimal;
constexpr DataType Num = DataType::Numeric;

// One parameter: as the save builds it and the server receives it, then
// as the delete builds it and the server receives it (a delete list has
// no @codigo_junta or @codigo_operadora: the server takes NULL).
struct Fila {
    const char* nombre;
    DataType tipo;
    int tamano;    // varchar size
    int precision; // decimal / numeric
    int escala;
    const char* grabado; // what the server received from the save
    DataType tipoEliminar;
    int precisionEliminar;
    const char* eliminado; // what the server received from the delete
};

// The save sends what the test types into the editor (see escribeEditor);
// the delete sends lottery 001 as the catalogue shows it.
const Fila Filas[] = {
    {"@RETURN_VALUE", Int, 0, 0, 0, nullptr, Int, 0, nullptr},
    {"@xmodo", Txt, 1, 0, 0, "1", Txt, 0, "3"},
    {"@xcod_lot", Txt, 3, 0, 0, "NUE", Txt, 0, "001"},
    {"@xdesc_lot", Txt, 25, 0, 0, "  Nueva Loteria", Txt, 0, "ZULIA 12M"},
    {"@xlim_digito", Dec, 0, 9, 3, "300.000", Num, 9, "300"},
    {"@xpremio_digito", Dec, 0, 9, 3, "7.000", Num, 9, "7"},
    {"@xcomi_digito", Dec, 0, 9, 3, "10.500", Num, 9, "10"}, // 10,5 shown: its leading 10
    {"@xmontom_digito", Dec, 0, 9, 3, "0.000", Num, 9, "2"}, // an empty box sends 0
    {"@xlim_numA", Dec, 0, 9, 3, "11.000", Num, 9, "11"},
    {"@xlim_numB", Dec, 0, 9, 3, "2.500", Num, 9, "12"}, // taken over as 2,5
    {"@xcomispar", Dec, 0, 9, 3, "0.250", Num, 9, "2"},
    {"@xpremiopar", Dec, 0, 9, 3, "15.000", Num, 9, "15"},
    {"@xmontom_par", Dec, 0, 9, 3, "13.000", Num, 9, "13"},
    {"@xsencillo_par", Dec, 0, 9, 3, "16.000", Num, 9, "16"},
    {"@xlim_tri", Dec, 0, 9, 3, "500.000", Num, 9, "500"},
    {"@xlim_ter", Dec, 0, 9, 3, "1000.000", Num, 9, "1000"},
    {"@xcomi_tri", Dec, 0, 9, 3, "15.000", Num, 9, "15"},
    {"@xcomi_ter", Dec, 0, 9, 3, "12.500", Num, 9, "12"},
    {"@xminimo_tri", Dec, 0, 9, 3, "5.000", Num, 9, "5"},
    {"@xminimo_ter", Dec, 0, 9, 3, "6.000", Num, 9, "6"},
    {"@xp_tri_1", Dec, 0, 9, 3, "600.000", Num, 9, "600"},
    {"@xp_tri_2", Dec, 0, 9, 3, "60.000", Num, 9, "60"},
    {"@xp_tri_3", Dec, 0, 9, 3, "6.125", Num, 9, "6"},
    {"@xp_ter_1", Dec, 0, 18, 3, "123456789.500", Num, 9, "70"},
    {"@xp_ter_2", Dec, 0, 9, 3, "20.000", Num, 9, "20"},
    {"@xp_ter_3", Dec, 0, 9, 3, "1.000", Num, 9, "2"}, // typed 1.0005: no fourth decimal
    {"@xdia_1", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xdia_2", Txt, 1, 0, 0, "N", Txt, 0, "S"},
    {"@xdia_3", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xdia_4", Txt, 1, 0, 0, "N", Txt, 0, "S"},
    {"@xdia_5", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xdia_6", Txt, 1, 0, 0, "N", Txt, 0, "S"},
    {"@xdia_7", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xhora_1", Txt, 13, 0, 0, "21:05:00", Txt, 0, ""},
    {"@xhora_2", Txt, 13, 0, 0, "00:00:00", Txt, 0, ""},
    {"@xhora_3", Txt, 13, 0, 0, "12:30:00", Txt, 0, ""},
    {"@xhora_4", Txt, 13, 0, 0, "00:00:00", Txt, 0, ""},
    {"@xhora_5", Txt, 13, 0, 0, "00:00:00", Txt, 0, ""},
    {"@xhora_6", Txt, 13, 0, 0, "00:00:00", Txt, 0, ""},
    {"@xhora_7", Txt, 13, 0, 0, "09:00:00", Txt, 0, ""},
    {"@xestado_act", Txt, 1, 0, 0, "A", Txt, 0, "A"},
    {"@xcerrada", Txt, 1, 0, 0, "N", Txt, 0, "N"},
    {"@xjuegaespecial", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xjuegapar", Txt, 1, 0, 0, "N", Txt, 0, "S"},
    {"@xjuegadigito", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xjueganormal", Txt, 1, 0, 0, "N", Txt, 0, "S"},
    {"@xpagacomodin", Txt, 1, 0, 0, "S", Txt, 0, "S"},
    {"@xmontocomodin", Dec, 0, 9, 3, "3.500", Num, 9, "0"},
    {"@ximpuesto", Dec, 0, 9, 3, "12.500", Num, 9, "0"}, // typed 12.5 stays 12.5
    {"@codigo_junta", Txt, 3, 0, 0, "002", Txt, 0, nullptr},
    {"@codigo_operadora", Txt, 3, 0, 0, "01", Txt, 0, nullptr},
};
constexpr int ParametrosGrabar = 51;
constexpr int ParametrosEliminar = 49;

// What the editor's boxes get: typed where the operator can type, set
// where the editor carries the catalogue's value (the hidden pair boxes).
void escribeEditor(Form9& editor)
{
    const auto teclea = [](QLineEdit* caja, const char* texto) {
        caja->clear();
        QTest::keyClicks(caja, QString::fromLatin1(texto));
    };
    teclea(editor.Text1, "NUE");
    editor.Text2->setText(QStringLiteral("  Nueva Loteria  "));
    core::BloqueVenta& b = editor.bloque();
    const std::pair<const char*, const char*> tecleados[] = {
        {"Lim_digito", "300"},  {"Premio_digito", "7"},     {"Comi_digito", "10.5"}, {"Montom_digito", ""},
        {"Lim_Tri", "500"},     {"Lim_ter", "1000"},        {"Comi_Tri", "15"},      {"Comi_Ter", "12.5"},
        {"Minimo_tri", "5"},    {"Minimo_ter", "6"},        {"P_tri_1", "600"},      {"P_tri_2", "60"},
        {"P_Tri_3", "6.125"},   {"P_ter_1", "123456789.5"}, {"P_ter_2", "20"},       {"P_ter_3", "1.0005"},
        {"montocomodin", "3.5"}};
    for (const auto& [campo, texto] : tecleados)
        teclea(b.caja(QLatin1String(campo)), texto);
    const std::pair<const char*, const char*> llevados[] = {{"Lim_NumA", "11"},   {"Lim_NumB", "2,5"},
                                                            {"Comispar", "0.25"}, {"Premiopar", "15"},
                                                            {"Montom_par", "13"}, {"sencillo_par", "16"}};
    for (const auto& [campo, texto] : llevados)
        b.ponTexto(QLatin1String(campo), QLatin1String(texto));
    teclea(editor.Text33, "12.5");
    for (int d = 0; d < 7; ++d)
        editor.dias[d]->setChecked(d % 2 == 0);
    editor.horas[0]->setTime(QTime(21, 5));
    editor.horas[2]->setTime(QTime(12, 30));
    editor.horas[6]->setTime(QTime(9, 0));
    editor.Check11->setChecked(true);
    editor.Check9->setChecked(false);
    editor.Check8->setChecked(true);
    editor.Check10->setChecked(false);
    editor.Check12()->setChecked(true);
    editor.Combo5->setCurrentIndex(1);
    editor.Combo1->setEditText(QStringLiteral("01"));
}

class ActlotListasTest : public datosloterias::FixtureVentanas {
protected:
    void SetUp() override
    {
        FixtureVentanas::SetUp();
        if (IsSkipped())
            return;
        // ACTLOT replaced by a spy with the same signature that keeps every
        // input as text, in order, and answers 0.
        db().exec(QStringLiteral(R"sql(
            CREATE TABLE public.recibido (n int, valor text);
            GRANT ALL ON public.recibido TO PUBLIC;
            DO $$
            DECLARE
              argumentos text := pg_get_function_arguments('proc.actlot'::regproc);
              filas text;
            BEGIN
              SELECT string_agg(format('(%s, coalesce(%I::text, ''NULL''))', a.n, a.nombre), ', ')
              INTO filas
              FROM unnest((SELECT proargnames FROM pg_proc WHERE oid = 'proc.actlot'::regproc),
                          (SELECT proargmodes FROM pg_proc WHERE oid = 'proc.actlot'::regproc))
                   WITH ORDINALITY AS a(nombre, modo, n)
              WHERE a.modo = 'i';
              EXECUTE format('CREATE OR REPLACE FUNCTION proc.actlot(%s) LANGUAGE plpgsql AS '
                             '$f$ BEGIN INSERT INTO public.recibido VALUES %s; return_value := 0; END $f$',
                             argumentos, filas);
            END $$)sql"));
    }
    QStringList recibido()
    {
        QStringList valores = db().rows(QStringLiteral("SELECT valor FROM public.recibido ORDER BY n"));
        db().exec(QStringLiteral("DELETE FROM public.recibido"));
        return valores;
    }

    static void comparaLista(const db::Command& comando, bool eliminar)
    {
        const int total = eliminar ? ParametrosEliminar : ParametrosGrabar;
        ASSERT_EQ(comando.parameterCount(), total);
        for (int i = 0; i < total; ++i) {
            const Fila& f = Filas[i];
            const db::Parameter& p = const_cast<db::Command&>(comando).parameter(i);
            const DataType tipo = eliminar ? f.tipoEliminar : f.tipo;
            const int precision = eliminar ? f.precisionEliminar : f.precision;
            const int escala = eliminar && tipo == Num ? 0 : f.escala;
            EXPECT_EQ(p.name(), QString::fromLatin1(f.nombre)) << "#" << i + 1;
            EXPECT_EQ(p.type(), tipo) << f.nombre;
            EXPECT_EQ(p.direction(), i == 0 ? db::Direction::ReturnValue : db::Direction::Input) << f.nombre;
            EXPECT_EQ(p.size(), tipo == Txt ? f.tamano : 0) << f.nombre;
            EXPECT_EQ(p.precision(), precision) << f.nombre;
            EXPECT_EQ(p.numericScale(), escala) << f.nombre;
        }
    }

    static QStringList esperados(bool eliminar)
    {
        QStringList valores;
        for (int i = 1; i < ParametrosGrabar; ++i) {
            const char* v = eliminar ? Filas[i].eliminado : Filas[i].grabado;
            valores << (v ? QString::fromUtf8(v) : QStringLiteral("NULL"));
        }
        return valores;
    }
};

} // namespace

TEST_F(ActlotListasTest, TheEditorsSaveSendsTheFiftyOneParameters)
{
    core::sesion().modoedicion = QStringLiteral("A");
    auto* editor = platform::ui::windowRegistry().get<Form9>(QStringLiteral("Form9"));
    ASSERT_NE(editor, nullptr);
    editor->showModeless();
    escribeEditor(*editor);

    comparaLista(comandograbaloteria(editor->registro(), QStringLiteral("1")), false);
    editor->grabar();
    EXPECT_EQ(rec().prompts(), QStringList{QStringLiteral("La transacción ha sido realizada con éxito!")});
    EXPECT_EQ(recibido(), esperados(false));
}

TEST_F(ActlotListasTest, TheCataloguesDeleteSendsTheFortyNineParameters)
{
    auto* catalogo = platform::ui::windowRegistry().get<Form5>(QStringLiteral("Form5"));
    ASSERT_NE(catalogo, nullptr);
    catalogo->showModeless();
    ASSERT_EQ(catalogo->Text1->text(), QStringLiteral("001"));

    RegistroLoteria mostrado;
    mostrado.codigo = catalogo->Text1->text();
    mostrado.montos = catalogo->bloque().textos();
    comparaLista(comandoeliminaloteria(mostrado), true);
    rec().answerNext(platform::msg::AnswerYes);
    catalogo->eliminar();
    EXPECT_EQ(recibido(), esperados(true));
}
