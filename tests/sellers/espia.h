#pragma once
// A server procedure replaced by a spy with the same signature: it keeps
// every input it receives as text ("NULL" for NULL), in order, and answers
// 0, so a test sees exactly what a window's call delivered.

#include "testdb.h"

#include <QString>
#include <QStringList>

namespace espia {

inline void instala(testsupport::TestDatabase& db, const QString& procedimiento)
{
    db.exec(QStringLiteral(R"sql(
        CREATE TABLE IF NOT EXISTS public.recibido (n int, valor text);
        GRANT ALL ON public.recibido TO PUBLIC;
        DO $$
        DECLARE
          funcion regproc := '%1'::regproc;
          filas text;
        BEGIN
          SELECT string_agg(format('(%s, coalesce(%I::text, ''NULL''))', a.n, a.nombre), ', ')
          INTO filas
          FROM unnest((SELECT proargnames FROM pg_proc WHERE oid = funcion),
                      (SELECT proargmodes FROM pg_proc WHERE oid = funcion))
               WITH ORDINALITY AS a(nombre, modo, n)
          WHERE a.modo = 'i';
          EXECUTE format('CREATE OR REPLACE FUNCTION %s(%s) LANGUAGE plpgsql AS '
                         '$f$ BEGIN INSERT INTO public.recibido VALUES %s; return_value := 0; END $f$',
                         funcion::text, pg_get_function_arguments(funcion), filas);
        END $$)sql")
                .arg(procedimiento));
}

// What the spy received since the last look, in parameter order.
inline QStringList recibido(testsupport::TestDatabase& db)
{
    QStringList valores = db.rows(QStringLiteral("SELECT valor FROM public.recibido ORDER BY n"));
    db.exec(QStringLiteral("DELETE FROM public.recibido"));
    return valores;
}

} // namespace espia
