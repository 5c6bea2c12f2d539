// The server side of number blocking: actbloqueados adds a block for a set
// of lotteries or for all of them, updates a block that exists, deletes the
// block of one lottery, refuses what is not a block (all or nothing); and
// DSPbloqueados lists them as the blocking window shows them.

#include "datossorteos.h"
#include "llamadascontrol.h"

#include "platform/db/dberror.h"

using namespace datossorteos;
using llamadascontrol::bloquea;
using llamadascontrol::Bloqueo;
using llamadascontrol::desbloquea;
using llamadascontrol::dspbloqueados;
using llamadascontrol::filas;

namespace {

class BloqueosServidorTest : public ConBase {
protected:
    QStringList tabla()
    {
        return db_->rows(
            QStringLiteral("SELECT cod_lot, numero_bloq, monto_bloq::numeric(18,2), especial, jugada,"
                           " modonumero FROM bloqueos ORDER BY 1, 2, 4, 5"));
    }
    QStringList lista()
    {
        platform::db::RecordSet rs = dspbloqueados(conexion());
        return filas(rs);
    }
};

} // namespace

TEST_F(BloqueosServidorTest, AddsForSeveralLotteriesAndForAll)
{
    bloquea(conexion(),
            {QStringLiteral("123"), QStringLiteral("50"), QString(), QString(), QStringLiteral("001014")});
    bloquea(conexion(), {QStringLiteral("45"), QStringLiteral("0"), QStringLiteral("*"), QStringLiteral("T1"),
                         QStringLiteral("*")});
    EXPECT_EQ(tabla(), (QStringList{
                           QStringLiteral("001|123|50.00|||0"),
                           QStringLiteral("001|45|0.00|T1|*|0"),
                           QStringLiteral("014|123|50.00|||0"),
                           QStringLiteral("014|45|0.00|T1|*|0"),
                           QStringLiteral("020|45|0.00|T1|*|0"),
                           QStringLiteral("030|45|0.00|T1|*|0"),
                       }));
}

TEST_F(BloqueosServidorTest, ListsCodeFirstInThePlayCells)
{
    bloquea(conexion(), {QStringLiteral("7"), QStringLiteral("12,5"), QStringLiteral("01"),
                         QStringLiteral("T1"), QStringLiteral("001")});
    bloquea(conexion(),
            {QStringLiteral("s12"), QStringLiteral("3"), QString(), QString(), QStringLiteral("014")});
    EXPECT_EQ(lista(), (QStringList{
                           QStringLiteral("001|ZULIA 12M|7|12,5|01 - ARIES|T1 - TRIPLETAZO"),
                           QStringLiteral("014|CARACAS 4PM|S12|3||"),
                       }));
}

TEST_F(BloqueosServidorTest, AddingAnExistingBlockUpdatesItsAmount)
{
    bloquea(conexion(),
            {QStringLiteral("123"), QStringLiteral("50"), QString(), QString(), QStringLiteral("001")});
    bloquea(conexion(),
            {QStringLiteral("123"), QStringLiteral("75.5"), QString(), QString(), QStringLiteral("*")});
    EXPECT_EQ(tabla(), (QStringList{
                           QStringLiteral("001|123|75.50|||0"),
                           QStringLiteral("014|123|75.50|||0"),
                           QStringLiteral("020|123|75.50|||0"),
                           QStringLiteral("030|123|75.50|||0"),
                       }));
}

TEST_F(BloqueosServidorTest, DeletesTheBlockOfOneLotteryOnly)
{
    bloquea(conexion(), {QStringLiteral("45"), QStringLiteral("10"), QStringLiteral("*"),
                         QStringLiteral("T1"), QStringLiteral("*")});
    bloquea(conexion(),
            {QStringLiteral("45"), QStringLiteral("10"), QString(), QString(), QStringLiteral("014")});
    // As the window sends it: the codes of the cells, the amount as shown.
    desbloquea(conexion(), QStringLiteral("45"), QStringLiteral("10"), QStringLiteral("*"),
               QStringLiteral("T1"), QStringLiteral("014"));
    EXPECT_EQ(tabla(), (QStringList{
                           QStringLiteral("001|45|10.00|T1|*|0"),
                           QStringLiteral("014|45|10.00|||0"),
                           QStringLiteral("020|45|10.00|T1|*|0"),
                           QStringLiteral("030|45|10.00|T1|*|0"),
                       }));
    desbloquea(conexion(), QStringLiteral("45"), QStringLiteral("10"), QStringLiteral("*"),
               QStringLiteral("T1"), QStringLiteral("014"));
    EXPECT_EQ(tabla().size(), 4) << "a block no longer there is no error";
}

TEST_F(BloqueosServidorTest, RefusesWhatIsNotABlockAndStoresNothing)
{
    bloquea(conexion(),
            {QStringLiteral("1"), QStringLiteral("1"), QString(), QString(), QStringLiteral("001")});
    struct Caso {
        Bloqueo bloqueo;
        const char* porque;
    };
    const QString ok = QStringLiteral("001014");
    const Caso casos[] = {
        {{QStringLiteral("")}, "no number"},
        {{QStringLiteral("12A")}, "a letter other than S"},
        {{QStringLiteral("S1S")}, "two S"},
        {{QStringLiteral("1234")}, "four figures"},
        {{QStringLiteral("12"), QStringLiteral("abc")}, "an amount that is no number"},
        {{QStringLiteral("12"), QStringLiteral("-5")}, "a negative amount"},
        {{QStringLiteral("12"), QStringLiteral("5"), QString(), QStringLiteral("ZZ"), ok},
         "an unknown special play"},
        {{QStringLiteral("12"), QStringLiteral("5"), QStringLiteral("09"), QStringLiteral("T1"), ok},
         "a detail of no special play"},
        {{QStringLiteral("12"), QStringLiteral("5"), QStringLiteral("01"), QString(), ok},
         "a detail without its special play"},
        {{QStringLiteral("12"), QStringLiteral("5"), QString(), QString(), QStringLiteral("001999")},
         "an unknown lottery: not even 001 is blocked"},
        {{QStringLiteral("12"), QStringLiteral("5"), QString(), QString(), QStringLiteral("0010")},
         "a cut code"},
        {{QStringLiteral("12"), QStringLiteral("5"), QString(), QString(), QString()}, "no lottery"},
    };
    for (const Caso& c : casos) {
        EXPECT_THROW(bloquea(conexion(), c.bloqueo), platform::db::DbError) << c.porque;
        EXPECT_EQ(tabla(), QStringList{QStringLiteral("001|1|1.00|||0")}) << c.porque;
    }
    EXPECT_THROW(conexion().execute(platform::db::callText(QStringLiteral("ACTBLOQUEADOS"),
                                                           {QStringLiteral("3"), QStringLiteral("1"),
                                                            QStringLiteral("1"), QString(), QString(),
                                                            QStringLiteral("0"), QStringLiteral("001")})),
                 platform::db::DbError)
        << "an unknown mode";
}
