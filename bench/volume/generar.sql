-- The volume generator's run, in one transaction (see bench/generate-volume):
-- empties the data tables, makes the catalogue, derives the sale
-- parameters, and synthesises the days of activity up to the last day.
--
-- Loading under foreign keys checks every row one by one; instead the keys
-- and the plain indexes are set aside while the rows go in and made again
-- afterwards, which checks and builds them over whole tables. Nothing is
-- committed unless every key holds.

SET search_path = public, proc;
SET LOCAL work_mem = '256MB';
SET LOCAL maintenance_work_mem = '1GB';
TRUNCATE :tablas;

CREATE TEMP TABLE g_apartadas AS
SELECT c.conrelid::regclass::text AS tabla, c.conname AS nombre,
       'ALTER TABLE ' || c.conrelid::regclass::text || ' ADD CONSTRAINT ' || quote_ident(c.conname) || ' '
         || pg_get_constraintdef(c.oid) AS crear,
       'ALTER TABLE ' || c.conrelid::regclass::text || ' DROP CONSTRAINT ' || quote_ident(c.conname) AS quitar,
       1 AS orden
FROM pg_constraint c
WHERE c.contype = 'f' AND c.connamespace = 'public'::regnamespace
UNION ALL
SELECT i.indrelid::regclass::text, x.relname::text, pg_get_indexdef(i.indexrelid),
       'DROP INDEX ' || i.indexrelid::regclass::text, 0
FROM pg_index i
JOIN pg_class x ON x.oid = i.indexrelid
WHERE x.relnamespace = 'public'::regnamespace
  AND NOT EXISTS (SELECT FROM pg_constraint c WHERE c.conindid = i.indexrelid);

DO $$
DECLARE r record;
BEGIN
  FOR r IN SELECT quitar FROM g_apartadas ORDER BY orden DESC LOOP
    EXECUTE r.quitar;
  END LOOP;
END $$;

SELECT coalesce(nullif(:'hasta', '')::date, proc.reloj_servidor()::date) AS hasta_fecha \gset
SELECT :'hasta_fecha'::date - (:dias - 1) AS desde,
       :'hasta_fecha'::date - 1 AS resultados_hasta,
       :'hasta_fecha'::date - 1 AS premiados_hasta,
       :'hasta_fecha'::date - 2 AS impuestos_hasta
\gset
\set hasta :hasta_fecha

\ir catalogo.sql
\ir ../../server/demo/comun/parametros.sql
\ir ../../server/demo/comun/ventas.sql

DO $$
DECLARE r record;
BEGIN
  FOR r IN SELECT crear FROM g_apartadas ORDER BY orden, tabla, nombre LOOP
    EXECUTE r.crear;
  END LOOP;
END $$;
DROP TABLE g_apartadas;

-- The award runs on the keys and indexes, as it does in service.
\ir ../../server/demo/comun/premiacion.sql
