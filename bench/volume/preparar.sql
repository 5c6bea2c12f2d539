-- The volume generator's first step, in one transaction (see
-- bench/generate-volume): empties the data tables, sets aside what slows a
-- bulk load, and makes the catalogue and the sale parameters.
--
-- Set aside until the load is done, in generador.apartadas (kept in the
-- database, so that a run that fails or is stopped can put them back,
-- bench/volume/restaurar.sql): the foreign keys and the plain indexes of
-- every table, and the keys of the tickets and their plays. Built after the
-- load, each is made over the whole table at once, and each foreign key is
-- checked once over its table instead of row by row. The triggers that
-- keep the sales sums are turned off while the sales go in; the sums are
-- counted once afterwards (bench/volume/cerrar.sql).

SET search_path = public, proc;
SET LOCAL work_mem = '256MB';
TRUNCATE :tablas;

DROP SCHEMA IF EXISTS generador CASCADE;
CREATE SCHEMA generador;
CREATE TABLE generador.tiempos (tabla text, inicio timestamptz, fin timestamptz);
CREATE TABLE generador.apartadas AS
SELECT a.*, row_number() OVER (ORDER BY a.orden DESC, a.tabla, a.nombre) AS n FROM (
SELECT c.conrelid::regclass::text AS tabla, c.conname::text AS nombre,
       'ALTER TABLE ' || c.conrelid::regclass::text || ' ADD CONSTRAINT ' || quote_ident(c.conname) || ' '
         || pg_get_constraintdef(c.oid) AS crear,
       'ALTER TABLE ' || c.conrelid::regclass::text || ' DROP CONSTRAINT ' || quote_ident(c.conname) AS quitar,
       CASE c.contype WHEN 'f' THEN 2 ELSE 1 END AS orden
FROM pg_constraint c
WHERE c.connamespace = 'public'::regnamespace
  AND (c.contype = 'f'
       OR (c.contype IN ('p', 'u') AND c.conrelid IN ('public.tickets'::regclass, 'public.jugadasticket'::regclass)))
UNION ALL
SELECT i.indrelid::regclass::text, x.relname::text, pg_get_indexdef(i.indexrelid),
       'DROP INDEX ' || i.indexrelid::regclass::text, 0
FROM pg_index i
JOIN pg_class x ON x.oid = i.indexrelid
WHERE x.relnamespace = 'public'::regnamespace
  AND NOT EXISTS (SELECT FROM pg_constraint c WHERE c.conindid = i.indexrelid)
) a;

DO $$
DECLARE r record;
BEGIN
  FOR r IN SELECT quitar FROM generador.apartadas ORDER BY orden DESC LOOP
    EXECUTE r.quitar;
  END LOOP;
END $$;
ALTER TABLE tickets DISABLE TRIGGER USER;
ALTER TABLE jugadasticket DISABLE TRIGGER USER;

SELECT clock_timestamp() AS t0 \gset
\ir catalogo.sql
\ir ../../server/demo/comun/parametros.sql
INSERT INTO generador.tiempos VALUES ('catalogo', :'t0', clock_timestamp());

-- Makes again the indexes and keys (not the foreign keys) set aside, the
-- share of session parte of partes, each in a transaction of its own, so
-- that sessions building indexes of one table at once never wait on each
-- other's whole work.
CREATE PROCEDURE generador.rehace(parte integer, partes integer)
LANGUAGE plpgsql AS $$
DECLARE r record;
BEGIN
  PERFORM set_config('maintenance_work_mem', '256MB', false);
  FOR r IN SELECT tabla, nombre, crear
             FROM generador.apartadas
            WHERE orden < 2 AND (n - 1) % partes = parte
            ORDER BY orden DESC, tabla, nombre LOOP
    EXECUTE r.crear;
    DELETE FROM generador.apartadas WHERE tabla = r.tabla AND nombre = r.nombre;
    COMMIT;
  END LOOP;
END $$;
