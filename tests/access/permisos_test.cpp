// The three permission strings, built from marks and read back, in one
// table: the operator's menu entries, the sale-point user's functions and
// the seller's query-program functions.

#include "access/permisos.h"

#include <gtest/gtest.h>

#include <functional>

using acceso::FormatoPermisos;

namespace {

struct Caso {
    const char* que;
    const FormatoPermisos& (*formato)();
    QList<int> marcadas;    // positions marked (from 0)
    const char* construida; // the string "Aceptar" stores
    const char* guardada;   // a string as stored (another order, NULL as "")
    QList<int> leidas;      // the positions it marks
};

QList<bool> marcas(int cuantas, const QList<int>& posiciones)
{
    QList<bool> lista(cuantas, false);
    for (int p : posiciones)
        lista[p] = true;
    return lista;
}

QList<int> todas(int cuantas)
{
    QList<int> lista;
    for (int i = 0; i < cuantas; ++i)
        lista << i;
    return lista;
}

} // namespace

TEST(PermisosTest, EachFormatIsBuiltFromTheMarksAndReadBack)
{
    const QList<Caso> casos = {
        {"operator: first, fifth, last", acceso::permisooperador, {0, 4, 28}, "01-05-F1-", "05-01-", {0, 4}},
        {"operator: nothing", acceso::permisooperador, {}, "", "", {}},
        {"operator: messages only", acceso::permisooperador, {28}, "F1-", "F1-", {28}},
        {"operator: 13 and 14 side by side", acceso::permisooperador, {12, 13}, "13-14-", "14-13-", {12, 13}},
        {"user: first and third", acceso::permisos, {0, 2}, "F2-CF4-P", "F4-PF2-C", {0, 2}},
        {"user: messages and expenses", acceso::permisos, {7, 14}, "F10-R.-R", "R.-RF10-", {7, 14}},
        {"user: F10, F11, F12 run together",
         acceso::permisos,
         {7, 8, 9},
         "F10-F11-F12-",
         "F12-F10-F11-",
         {7, 8, 9}},
        {"seller: first and last", acceso::permisovendedor, {0, 17}, "01-F1-", "F1-01-", {0, 17}},
        {"seller: messages only", acceso::permisovendedor, {17}, "F1-", "F1-", {17}},
    };
    for (const Caso& c : casos) {
        const FormatoPermisos& f = c.formato();
        EXPECT_EQ(f.construye(marcas(int(f.items.size()), c.marcadas)), QString::fromLatin1(c.construida))
            << c.que;
        EXPECT_EQ(f.lee(QString::fromLatin1(c.guardada)), marcas(int(f.items.size()), c.leidas)) << c.que;
        // What is built reads back as it was marked.
        EXPECT_EQ(f.lee(f.construye(marcas(int(f.items.size()), c.marcadas))),
                  marcas(int(f.items.size()), c.marcadas))
            << c.que;
    }
}

TEST(PermisosTest, EveryItemMarkedGivesTheLongestString)
{
    struct Largo {
        const FormatoPermisos& (*formato)();
        int items;
        int caracteres;
    };
    for (const Largo& l : {Largo{acceso::permisooperador, 29, 87}, Largo{acceso::permisos, 15, 60},
                           Largo{acceso::permisovendedor, 18, 54}}) {
        const FormatoPermisos& f = l.formato();
        ASSERT_EQ(f.items.size(), l.items);
        const QString cadena = f.construye(marcas(l.items, todas(l.items)));
        EXPECT_EQ(cadena.size(), l.caracteres);
        EXPECT_EQ(f.lee(cadena), marcas(l.items, todas(l.items)));
        // No single item is found in the string of all the others.
        for (int i = 0; i < l.items; ++i) {
            QList<int> otras = todas(l.items);
            otras.removeAll(i);
            EXPECT_FALSE(f.lee(f.construye(marcas(l.items, otras)))[i]) << f.items[i].texto.toStdString();
        }
    }
    EXPECT_EQ(acceso::permisooperador().items[28].texto, QStringLiteral("F10 .- Mensajeria"));
    EXPECT_EQ(acceso::permisos().items[14].texto, QStringLiteral("R.-Registrar Egreso o Gasto"));
}
