-- The volume generator's step after the sales and their indexes are in (see
-- bench/generate-volume), in one transaction: the foreign keys set aside
-- are made again, each checked once over its whole table, and the sales
-- triggers turned on again (their sums were counted by volume/sumas.sql).
SET search_path = public, proc;
SET LOCAL work_mem = '256MB';

DO $$
DECLARE r record;
BEGIN
  FOR r IN SELECT crear FROM generador.apartadas ORDER BY orden, tabla, nombre LOOP
    EXECUTE r.crear;
  END LOOP;
END $$;
ALTER TABLE tickets ENABLE TRIGGER USER;
ALTER TABLE jugadasticket ENABLE TRIGGER USER;
TRUNCATE generador.apartadas;
