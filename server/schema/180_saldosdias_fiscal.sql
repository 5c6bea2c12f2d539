-- The daily results' amounts summed for the fiscal report: a month of every
-- seller is millions of saldosdias rows, a few hundred thousand here.
--
-- A tax-processed row is summed per seller, day and the bodies and rates its
-- processing stored (a seller sells the lotteries of a dozen boards and
-- operators a day), which `tasas` holds as one text: the board's code and
-- rate, the operator's code and rate, the municipality's and its region's
-- codes, the municipality's rate, the national rates on sales and on
-- prizes, joined by the unit separator chr(31) ('' for a body the row has
-- not); no code holds a control character (codigo_valido), so the text
-- splits back exactly, and the report groups a month on one short key
-- instead of nine columns. A row not processed yet is taxed by the report
-- at the rates in force for its lottery, so it is summed per seller and day
-- only (`tasas` ''): the report reads those seller-days' rows from
-- saldosdias, and nothing else of them. Triggers on saldosdias keep it,
-- statement by statement, whoever writes the daily results; `filas` counts
-- the rows summed, and a sum left with none is deleted. The key is a unique
-- index rather than a constraint: `tasas` is no code and holds the
-- separator.
CREATE TABLE saldosdias_fiscal (
  fecha       date          NOT NULL,
  vendedor    varchar(5)    NOT NULL,
  procesado   boolean       NOT NULL,
  tasas       text          NOT NULL,
  total_venta numeric(18,3) NOT NULL,
  comision    numeric(18,3) NOT NULL,
  premios     numeric(18,3) NOT NULL,
  subtotal    numeric(18,3) NOT NULL,
  filas       integer       NOT NULL
);
CREATE UNIQUE INDEX saldosdias_fiscal_clave ON saldosdias_fiscal (fecha, vendedor, procesado, tasas);
-- The sums a statement emptied, found without walking the table.
CREATE INDEX saldosdias_fiscal_vacias ON saldosdias_fiscal (fecha) WHERE filas = 0;

-- The sums of the rows of one side of a statement (the transition table
-- "nuevas" or "viejas", or saldosdias itself), each with its sign ('' or
-- '-'): processed rows per seller, day, body and rate, the others per
-- seller and day alone, which is cheap (a new day, and the old side of its
-- tax processing, are all such rows).
CREATE FUNCTION saldosdias_fiscal_lado(tabla text, signo text) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format($q$
    SELECT r.fecha, r.vendedor, true AS procesado,
           concat_ws(chr(31), coalesce(r.codigo_junta, ''), r.tasa_junta, coalesce(r.codigo_operadora, ''),
                     r.tasa_operadora, coalesce(r.codigo_alcaldia, ''), coalesce(r.codigo_gobernacion, ''),
                     r.tasa_alcaldia, r.tasa_venta, r.tasa_premio) AS tasas,
           %2$ssum(r.total_venta) AS total_venta, %2$ssum(r.comision) AS comision,
           %2$ssum(r.premios) AS premios, %2$ssum(r.subtotal) AS subtotal, %2$scount(*) AS filas
      FROM %1$I r
     WHERE r.impuestos_procesados = 'S'
     GROUP BY r.fecha, r.vendedor, r.codigo_junta, r.tasa_junta, r.codigo_operadora, r.tasa_operadora,
              r.codigo_alcaldia, r.codigo_gobernacion, r.tasa_alcaldia, r.tasa_venta, r.tasa_premio
    UNION ALL
    SELECT r.fecha, r.vendedor, false, '', %2$ssum(r.total_venta), %2$ssum(r.comision), %2$ssum(r.premios),
           %2$ssum(r.subtotal), %2$scount(*)
      FROM %1$I r
     WHERE r.impuestos_procesados <> 'S'
     GROUP BY r.fecha, r.vendedor
  $q$, tabla, signo)
$$;

-- The statement that adds to the kept sums those of the sides of a
-- statement (saldosdias_fiscal_lado). An update that leaves a row's key,
-- amounts, bodies and rates as they were (the tax amounts alone) adds
-- nothing.
CREATE FUNCTION saldosdias_fiscal_suma(lados text) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format($q$
    INSERT INTO saldosdias_fiscal AS f
    SELECT x.fecha, x.vendedor, x.procesado, x.tasas, sum(x.total_venta), sum(x.comision), sum(x.premios),
           sum(x.subtotal), sum(x.filas)
      FROM (%s) x
     GROUP BY 1, 2, 3, 4
    HAVING sum(x.filas) <> 0 OR sum(x.total_venta) <> 0 OR sum(x.comision) <> 0 OR sum(x.premios) <> 0
        OR sum(x.subtotal) <> 0
    ON CONFLICT (fecha, vendedor, procesado, tasas)
    DO UPDATE SET total_venta = f.total_venta + excluded.total_venta, comision = f.comision + excluded.comision,
                  premios = f.premios + excluded.premios, subtotal = f.subtotal + excluded.subtotal,
                  filas = f.filas + excluded.filas
  $q$, lados)
$$;

-- The trigger runs the statement itself: only its own statements see the
-- transition tables. A day's hundreds of thousands of rows are summed in
-- memory, hashed (the planner, blind to how many rows are processed,
-- would sort them).
CREATE FUNCTION saldosdias_fiscal_cuenta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp
SET work_mem = '64MB'
SET enable_sort = off AS $$
BEGIN
  CASE TG_OP
    WHEN 'INSERT' THEN
      EXECUTE saldosdias_fiscal_suma(saldosdias_fiscal_lado('nuevas', ''));
    WHEN 'UPDATE' THEN
      EXECUTE saldosdias_fiscal_suma(saldosdias_fiscal_lado('nuevas', '') || ' UNION ALL '
                                     || saldosdias_fiscal_lado('viejas', '-'));
    WHEN 'DELETE' THEN
      EXECUTE saldosdias_fiscal_suma(saldosdias_fiscal_lado('viejas', '-'));
    ELSE
      DELETE FROM saldosdias_fiscal;
  END CASE;
  DELETE FROM saldosdias_fiscal WHERE filas = 0;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_fiscal_lado(text, text), saldosdias_fiscal_suma(text),
  saldosdias_fiscal_cuenta() FROM PUBLIC;

DO $$ BEGIN EXECUTE saldosdias_fiscal_suma(saldosdias_fiscal_lado('saldosdias', '')); END $$;

CREATE TRIGGER saldosdias_fiscal_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_fiscal_cuenta();
CREATE TRIGGER saldosdias_fiscal_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_fiscal_cuenta();
CREATE TRIGGER saldosdias_fiscal_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_fiscal_cuenta();
CREATE TRIGGER saldosdias_fiscal_vacia AFTER TRUNCATE ON saldosdias
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_fiscal_cuenta();
