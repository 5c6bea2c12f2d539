-- Puts back what bench/volume/preparar.sql set aside, whatever the step a
-- run stopped at: the keys and indexes not made yet, the sales triggers.
-- Then the generator's own schema goes.
SET search_path = public, proc;
DO $$
DECLARE r record;
BEGIN
  IF to_regclass('generador.apartadas') IS NULL THEN
    RETURN;
  END IF;
  FOR r IN SELECT crear FROM generador.apartadas ORDER BY orden, tabla, nombre LOOP
    BEGIN
      EXECUTE r.crear;
    EXCEPTION WHEN duplicate_table OR duplicate_object OR invalid_table_definition THEN
      NULL;
    END;
  END LOOP;
END $$;
ALTER TABLE tickets ENABLE TRIGGER USER;
ALTER TABLE jugadasticket ENABLE TRIGGER USER;
DROP SCHEMA IF EXISTS generador CASCADE;
