-- The references of the daily results (seller, lottery, board, operator,
-- municipality) checked once per statement instead of once per row: prize
-- processing inserts a day's tens of thousands of rows, and the five
-- foreign keys' per-row look-ups cost more than the insert itself. The
-- guarantee is the foreign keys' own:
--   - a statement that writes saldosdias rows naming a parent that does not
--     exist is refused with SQLSTATE 23503 (foreign_key_violation) and
--     writes nothing; NULL codes (and a municipality with either of its two
--     codes NULL) name nothing, as MATCH SIMPLE;
--   - the parents a statement's new rows name are locked FOR KEY SHARE, as
--     the foreign keys lock them, so that a concurrent delete of one waits
--     for the writer and then sees its rows; an update that leaves a
--     row's references as the statement's old rows had them checks nothing
--     (those parents are held by the old rows), as a foreign key does not;
--   - deleting a parent, changing its key or emptying it (TRUNCATE, which
--     with CASCADE no longer reaches saldosdias) while a daily result names
--     it is refused with 23503, naming saldosdias as the table that holds it
--     (Borreven tells the operator which history keeps a seller by it).
-- The refusals read as the foreign keys' did, with their names.
--
-- A parent's check sees the daily results of its statement's snapshot; at
-- READ COMMITTED, the isolation of every session of this system, that
-- includes every writer that held the parent, since the delete waited for
-- it. A transaction whose snapshot is older (REPEATABLE READ, SERIALIZABLE)
-- could miss one committed meanwhile, so it may not delete a parent or
-- change its key (SQLSTATE 0A000).
ALTER TABLE saldosdias
  DROP CONSTRAINT saldosdias_vendedor_fkey,
  DROP CONSTRAINT saldosdias_cod_lot_fkey,
  DROP CONSTRAINT saldosdias_codigo_junta_fkey,
  DROP CONSTRAINT saldosdias_codigo_operadora_fkey,
  DROP CONSTRAINT saldosdias_codigo_alcaldia_codigo_gobernacion_fkey;

-- The references: the constraint's name, the columns of saldosdias, the
-- parent table and its key columns, in order.
CREATE FUNCTION saldosdias_referencias()
RETURNS TABLE (nombre text, columnas text[], padre text, claves text[])
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  VALUES ('saldosdias_vendedor_fkey', ARRAY['vendedor'], 'vendedor', ARRAY['codvendedor']),
         ('saldosdias_cod_lot_fkey', ARRAY['cod_lot'], 'loterias', ARRAY['cod_lot']),
         ('saldosdias_codigo_junta_fkey', ARRAY['codigo_junta'], 'juntas', ARRAY['codigo_junta']),
         ('saldosdias_codigo_operadora_fkey', ARRAY['codigo_operadora'], 'operadoras', ARRAY['codigo_operadora']),
         ('saldosdias_codigo_alcaldia_codigo_gobernacion_fkey', ARRAY['codigo_alcaldia', 'codigo_gobernacion'],
          'alcaldia', ARRAY['codigo_alcaldia', 'codigo_gobernacion'])
$$;

-- "a, b" of the names, each qualified by alias (or bare when alias is NULL).
CREATE FUNCTION saldosdias_lista(alias text, nombres text[]) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT string_agg(CASE WHEN alias IS NULL THEN '' ELSE quote_ident(alias) || '.' END || quote_ident(n), ', '
                    ORDER BY i)
    FROM unnest(nombres) WITH ORDINALITY AS x(n, i)
$$;

-- After an insert or update of saldosdias: the distinct references of the
-- new rows (less those the old rows had, all five alike: tax processing
-- rewrites a day's rows with the references they had, and has nothing to
-- check), in one pass; then each reference's values, their parents locked
-- and counted. A value short is looked up to name it.
CREATE FUNCTION saldosdias_referencias_escritas() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp
SET work_mem = '64MB' AS $$
DECLARE
  todas text;
  nuevas text;
  consulta text := '';
  cuentas text := '';
  faltan bigint[];
  r record;
  i integer := 0;
  falta text;
BEGIN
  todas := (SELECT string_agg(DISTINCT c, ', ') FROM saldosdias_referencias() x, unnest(x.columnas) c);
  -- EXCEPT keeps each of its rows once.
  IF TG_OP = 'UPDATE' THEN
    nuevas := format('SELECT %1$s FROM nuevas EXCEPT SELECT %1$s FROM viejas', todas);
  ELSE
    nuevas := format('SELECT DISTINCT %s FROM nuevas', todas);
  END IF;
  FOR r IN SELECT * FROM saldosdias_referencias() LOOP
    i := i + 1;
    consulta := consulta || format(', v%1$s AS MATERIALIZED (SELECT DISTINCT %2$s FROM n WHERE %3$s),
                                       p%1$s AS (SELECT 1 FROM %4$I p WHERE (%5$s) IN (SELECT * FROM v%1$s) FOR KEY SHARE OF p)',
                                   i, saldosdias_lista(NULL, r.columnas),
                                   (SELECT string_agg(format('%I IS NOT NULL', c), ' AND ') FROM unnest(r.columnas) c),
                                   r.padre, saldosdias_lista('p', r.claves));
    cuentas := cuentas || CASE WHEN i > 1 THEN ', ' ELSE '' END
               || format('(SELECT count(*) FROM v%1$s) - (SELECT count(*) FROM p%1$s)', i);
  END LOOP;
  EXECUTE format('WITH n AS MATERIALIZED (%s)%s SELECT ARRAY[%s]', nuevas, consulta, cuentas) INTO faltan;
  i := 0;
  FOR r IN SELECT * FROM saldosdias_referencias() LOOP
    i := i + 1;
    CONTINUE WHEN faltan[i] = 0;
    EXECUTE format('SELECT concat_ws(%L, %s) FROM (%s) v WHERE %s AND NOT EXISTS (SELECT FROM %I p WHERE (%s) = (%s))
                     LIMIT 1',
                   ', ', saldosdias_lista('v', r.columnas), nuevas,
                   (SELECT string_agg(format('v.%I IS NOT NULL', c), ' AND ') FROM unnest(r.columnas) c), r.padre,
                   saldosdias_lista('p', r.claves), saldosdias_lista('v', r.columnas))
      INTO falta;
    RAISE EXCEPTION 'insert or update on table "saldosdias" violates foreign key constraint "%"', r.nombre
      USING ERRCODE = 'foreign_key_violation',
            DETAIL = format('Key (%s)=(%s) is not present in table "%s".', array_to_string(r.columnas, ', '),
                            falta, r.padre),
            SCHEMA = 'public', TABLE = 'saldosdias', CONSTRAINT = r.nombre;
  END LOOP;
  RETURN NULL;
END $$;

-- After a delete, or an update, of a parent table (TG_ARGV[0] the table):
-- a key that the statement's old rows had and its new rows have not, still
-- named by a daily result, refuses the statement.
CREATE FUNCTION saldosdias_referencias_padre() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
DECLARE
  r record;
  quitadas text;
  sigue text;
BEGIN
  SELECT * INTO r FROM saldosdias_referencias() x WHERE x.padre = TG_TABLE_NAME;
  -- Emptied (with CASCADE: the others that name it are): any daily result
  -- naming one is left naming none.
  IF TG_OP = 'TRUNCATE' THEN
    EXECUTE format('SELECT concat_ws(%L, %s) FROM saldosdias s WHERE %s LIMIT 1', ', ',
                   saldosdias_lista('s', r.columnas),
                   (SELECT string_agg(format('s.%I IS NOT NULL', c), ' AND ') FROM unnest(r.columnas) c))
      INTO sigue;
    IF sigue IS NOT NULL THEN
      RAISE EXCEPTION 'cannot truncate table "%": daily results name it', TG_TABLE_NAME
        USING ERRCODE = 'foreign_key_violation',
              DETAIL = format('Key (%s)=(%s) is still referenced from table "saldosdias".',
                              array_to_string(r.claves, ', '), sigue),
              SCHEMA = 'public', TABLE = 'saldosdias', CONSTRAINT = r.nombre;
    END IF;
    RETURN NULL;
  END IF;
  quitadas := format('SELECT %s FROM viejas o', saldosdias_lista('o', r.claves));
  IF TG_OP = 'UPDATE' THEN
    quitadas := quitadas || format(' EXCEPT SELECT %s FROM nuevas n', saldosdias_lista('n', r.claves));
  END IF;
  EXECUTE format('SELECT concat_ws(%L, %s) FROM (%s) o(%s)
                   WHERE EXISTS (SELECT FROM saldosdias s WHERE (%s) = (%s)) LIMIT 1',
                 ', ', saldosdias_lista('o', r.claves), quitadas, saldosdias_lista(NULL, r.claves),
                 saldosdias_lista('s', r.columnas), saldosdias_lista('o', r.claves))
    INTO sigue;
  IF sigue IS NOT NULL THEN
    RAISE EXCEPTION 'update or delete on table "%" violates foreign key constraint "%" on table "saldosdias"',
                    TG_TABLE_NAME, r.nombre
      USING ERRCODE = 'foreign_key_violation',
            DETAIL = format('Key (%s)=(%s) is still referenced from table "saldosdias".',
                            array_to_string(r.claves, ', '), sigue),
            SCHEMA = 'public', TABLE = 'saldosdias', CONSTRAINT = r.nombre;
  END IF;
  IF current_setting('transaction_isolation') <> 'read committed' THEN
    EXECUTE format('SELECT count(*) FROM (%s) o', quitadas) INTO sigue;
    IF sigue <> '0' THEN
      RAISE EXCEPTION 'rows of % are deleted, or their keys changed, only at READ COMMITTED: the daily results that name them are checked there',
                      TG_TABLE_NAME
        USING ERRCODE = 'feature_not_supported', SCHEMA = 'public', TABLE = 'saldosdias', CONSTRAINT = r.nombre;
    END IF;
  END IF;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_referencias(), saldosdias_lista(text, text[]),
  saldosdias_referencias_escritas(), saldosdias_referencias_padre() FROM PUBLIC;

CREATE TRIGGER saldosdias_referencias_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_referencias_escritas();
CREATE TRIGGER saldosdias_referencias_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_referencias_escritas();

DO $$
DECLARE
  padre text;
BEGIN
  FOR padre IN SELECT x.padre FROM saldosdias_referencias() x LOOP
    EXECUTE format('CREATE TRIGGER saldosdias_referencias_borra AFTER DELETE ON %I
                      REFERENCING OLD TABLE AS viejas
                      FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_referencias_padre()', padre);
    EXECUTE format('CREATE TRIGGER saldosdias_referencias_cambia AFTER UPDATE ON %I
                      REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas
                      FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_referencias_padre()', padre);
    EXECUTE format('CREATE TRIGGER saldosdias_referencias_vacia AFTER TRUNCATE ON %I
                      FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_referencias_padre()', padre);
  END LOOP;
END $$;
