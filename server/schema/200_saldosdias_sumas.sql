-- The sums kept beside the daily results (saldosdias_dia, saldosdias_importes_dia
-- and _mes, saldosdias_fiscal) followed each statement on saldosdias through
-- a trigger of their own, each walking the statement's rows again: a day's
-- tens or hundreds of thousands of rows were read, grouped and passed on
-- three or four times. One trigger per event now reads the statement's rows
-- once, sums them per seller and day (what the line-up's balance, the
-- reports' daily amounts and the fiscal sums of the rows not tax-processed
-- need), per seller, lottery, kind and month, and per seller, day and
-- taxing bodies' rates of the processed rows, and adds each sum to its
-- table. What each table holds is unchanged:
--   saldosdias_dia           one row per seller and day that has daily
--                            results, the sum of their subtotal;
--   saldosdias_importes_*    the sums of the rows with an amount, no row for
--                            a key without one (filas 0);
--   saldosdias_fiscal        as 180_saldosdias_fiscal.sql says, no row whose
--                            filas is 0.
-- The rows of a statement are taken signed (+1 the new side, -1 the old), so
-- an update whose old and new rows are alike in what a table keeps (the tax
-- amounts alone, or the bodies and rates for all but the fiscal sums) adds
-- up to nothing there and writes nothing.
DROP TRIGGER saldosdias_dia_inserta ON saldosdias;
DROP TRIGGER saldosdias_dia_cambia ON saldosdias;
DROP TRIGGER saldosdias_dia_borra ON saldosdias;
DROP TRIGGER saldosdias_dia_vacia ON saldosdias;
DROP TRIGGER saldosdias_importes_inserta ON saldosdias;
DROP TRIGGER saldosdias_importes_cambia ON saldosdias;
DROP TRIGGER saldosdias_importes_borra ON saldosdias;
DROP TRIGGER saldosdias_importes_vacia ON saldosdias;
DROP TRIGGER saldosdias_fiscal_inserta ON saldosdias;
DROP TRIGGER saldosdias_fiscal_cambia ON saldosdias;
DROP TRIGGER saldosdias_fiscal_borra ON saldosdias;
DROP TRIGGER saldosdias_fiscal_vacia ON saldosdias;
DROP FUNCTION saldosdias_dia_inserta(), saldosdias_dia_cambia(), saldosdias_dia_borra(), saldosdias_dia_vacia(),
  saldosdias_dia_suma(varchar[], date[], numeric[]), saldosdias_importes_inserta(), saldosdias_importes_cambia(),
  saldosdias_importes_borra(), saldosdias_importes_vacia(), saldosdias_importes_suma(saldosdias_cambio[]),
  saldosdias_fiscal_cuenta(), saldosdias_fiscal_suma(text), saldosdias_fiscal_lado(text, text);
DROP TYPE saldosdias_cambio;

-- The rows of one side of a statement (the transition table "nuevas" or
-- "viejas") with their sign: signo +1 or -1, the amounts negated on the old
-- side. fiscal: with the columns the fiscal sums read.
CREATE FUNCTION saldosdias_lado(tabla text, signo integer, fiscal boolean) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format('SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, %1$sr.total_venta AS total_venta,
                        %1$sr.comision AS comision, %1$sr.premios AS premios, %1$sr.subtotal AS subtotal, %2$s AS signo%3$s
                   FROM %4$I r',
                CASE WHEN signo < 0 THEN '-' ELSE '' END, signo,
                CASE WHEN fiscal THEN ', r.impuestos_procesados, r.codigo_junta, r.tasa_junta, r.codigo_operadora,
                                        r.tasa_operadora, r.codigo_alcaldia, r.codigo_gobernacion, r.tasa_alcaldia,
                                        r.tasa_venta, r.tasa_premio' ELSE '' END,
                tabla)
$$;

-- The statement that adds to every kept table the sums of a statement's
-- rows: filas, every row with its sign (saldosdias_lado, fiscal), and
-- cambios, the same less the old and new rows whose key and amounts are
-- alike (the rest of an update: tax processing leaves the amounts as they
-- were, so there is nothing to add to the balances and amounts). A
-- seller-day left without daily results loses its saldosdias_dia row; one
-- that keeps some, or gains its first, has its balance added to (a day of
-- results that sum to 0 has its row of 0). The amounts' and the fiscal sums
-- are added whole, and the keys of amounts whose filas came to 0 are
-- returned to be deleted after (the fiscal ones are found through their
-- partial index), so that concurrent writers of one key add to each
-- other's sums, as before. aparte: cambios is computed once and kept (the
-- few rows an update leaves of its two sides), not read again for each sum.
CREATE FUNCTION saldosdias_sumas(filas text, cambios text, aparte boolean) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format($q$
    WITH c AS NOT MATERIALIZED (%s),
    k AS %s (%s),
    dias AS MATERIALIZED (
      SELECT k.vendedor, k.fecha, sum(k.subtotal) AS subtotal, sum(k.signo) AS filas,
             count(*) FILTER (WHERE k.signo > 0) AS nuevas,
             sum(k.total_venta) FILTER (WHERE k.importe) AS i_venta,
             sum(k.comision) FILTER (WHERE k.importe) AS i_comision,
             sum(k.premios) FILTER (WHERE k.importe) AS i_premios,
             sum(k.signo) FILTER (WHERE k.importe) AS i_filas
        FROM (SELECT x.*, (x.total_venta, x.comision, x.premios) <> (0, 0, 0) AS importe FROM k x) k
       GROUP BY k.vendedor, k.fecha),
    -- Whether the seller-day has daily results after the statement: surely
    -- when the statement left some, else looked up.
    balances AS (
      SELECT d.vendedor, d.fecha, d.subtotal,
             d.nuevas > 0 OR EXISTS (SELECT FROM saldosdias s WHERE s.vendedor = d.vendedor AND s.fecha = d.fecha)
               AS quedan
        FROM dias d
       WHERE d.subtotal <> 0 OR d.filas <> 0),
    balance_suma AS (
      INSERT INTO saldosdias_dia AS d (vendedor, fecha, subtotal)
      SELECT b.vendedor, b.fecha, b.subtotal FROM balances b WHERE b.quedan
      ON CONFLICT (vendedor, fecha) DO UPDATE SET subtotal = d.subtotal + excluded.subtotal),
    balance_borra AS (
      DELETE FROM saldosdias_dia d USING balances b
       WHERE NOT b.quedan AND d.vendedor = b.vendedor AND d.fecha = b.fecha),
    importes_dia AS (
      INSERT INTO saldosdias_importes_dia AS d (vendedor, fecha, total_venta, comision, premios, filas)
      SELECT x.vendedor, x.fecha, x.i_venta, x.i_comision, x.i_premios, x.i_filas
        FROM dias x
       WHERE x.i_filas IS NOT NULL AND (x.i_venta, x.i_comision, x.i_premios, x.i_filas) <> (0, 0, 0, 0)
      ON CONFLICT (vendedor, fecha) DO UPDATE
         SET total_venta = d.total_venta + excluded.total_venta, comision = d.comision + excluded.comision,
             premios = d.premios + excluded.premios, filas = d.filas + excluded.filas
      RETURNING d.vendedor, d.fecha, d.filas),
    importes_mes AS (
      INSERT INTO saldosdias_importes_mes AS m (mes, vendedor, cod_lot, tipo_jugada, total_venta, comision,
                                               premios, filas)
      SELECT date_trunc('month', k.fecha)::date, k.vendedor, k.cod_lot, k.tipo_jugada, sum(k.total_venta),
             sum(k.comision), sum(k.premios), sum(k.signo)
        FROM k
       WHERE (k.total_venta, k.comision, k.premios) <> (0, 0, 0)
       GROUP BY 1, 2, 3, 4
      HAVING (sum(k.total_venta), sum(k.comision), sum(k.premios), sum(k.signo)) <> (0, 0, 0, 0)
      ON CONFLICT (vendedor, cod_lot, tipo_jugada, mes) DO UPDATE
         SET total_venta = m.total_venta + excluded.total_venta, comision = m.comision + excluded.comision,
             premios = m.premios + excluded.premios, filas = m.filas + excluded.filas
      RETURNING m.mes, m.vendedor, m.cod_lot, m.tipo_jugada, m.filas),
    fiscal AS (
      INSERT INTO saldosdias_fiscal AS f
      SELECT x.fecha, x.vendedor, x.procesado, x.tasas, sum(x.total_venta), sum(x.comision), sum(x.premios),
             sum(x.subtotal), sum(x.filas)
        FROM (SELECT r.fecha, r.vendedor, true AS procesado,
                     concat_ws(chr(31), coalesce(r.codigo_junta, ''), r.tasa_junta, coalesce(r.codigo_operadora, ''),
                               r.tasa_operadora, coalesce(r.codigo_alcaldia, ''), coalesce(r.codigo_gobernacion, ''),
                               r.tasa_alcaldia, r.tasa_venta, r.tasa_premio) AS tasas,
                     r.total_venta, r.comision, r.premios, r.subtotal, r.filas
                FROM (SELECT c.fecha, c.vendedor, c.codigo_junta, c.tasa_junta, c.codigo_operadora, c.tasa_operadora,
                             c.codigo_alcaldia, c.codigo_gobernacion, c.tasa_alcaldia, c.tasa_venta, c.tasa_premio,
                             sum(c.total_venta) AS total_venta, sum(c.comision) AS comision, sum(c.premios) AS premios,
                             sum(c.subtotal) AS subtotal, sum(c.signo) AS filas
                        FROM c
                       WHERE c.impuestos_procesados = 'S'
                       GROUP BY c.fecha, c.vendedor, c.codigo_junta, c.tasa_junta, c.codigo_operadora,
                                c.tasa_operadora, c.codigo_alcaldia, c.codigo_gobernacion, c.tasa_alcaldia,
                                c.tasa_venta, c.tasa_premio) r
              UNION ALL
              SELECT c.fecha, c.vendedor, false, '', sum(c.total_venta), sum(c.comision), sum(c.premios),
                     sum(c.subtotal), sum(c.signo)
                FROM c
               WHERE c.impuestos_procesados <> 'S'
               GROUP BY c.fecha, c.vendedor) x
       GROUP BY 1, 2, 3, 4
      HAVING sum(x.filas) <> 0 OR sum(x.total_venta) <> 0 OR sum(x.comision) <> 0 OR sum(x.premios) <> 0
          OR sum(x.subtotal) <> 0
      ON CONFLICT (fecha, vendedor, procesado, tasas)
      DO UPDATE SET total_venta = f.total_venta + excluded.total_venta, comision = f.comision + excluded.comision,
                    premios = f.premios + excluded.premios, subtotal = f.subtotal + excluded.subtotal,
                    filas = f.filas + excluded.filas)
    SELECT (SELECT array_agg(i.vendedor) FROM importes_dia i WHERE i.filas = 0),
           (SELECT array_agg(i.fecha) FROM importes_dia i WHERE i.filas = 0),
           (SELECT array_agg(m.mes) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.vendedor) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.cod_lot) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.tipo_jugada) FROM importes_mes m WHERE m.filas = 0)
  $q$, filas, CASE WHEN aparte THEN 'MATERIALIZED' ELSE 'NOT MATERIALIZED' END, cambios)
$$;

-- The trigger runs the statement itself: only its own statements see the
-- transition tables. A day's hundreds of thousands of rows are summed in
-- memory, hashed (the planner, blind to how many keys they hold, would sort
-- them).
CREATE FUNCTION saldosdias_sumas_cuenta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp
SET work_mem = '64MB'
SET enable_sort = off AS $$
DECLARE
  todas text;
  cambios text;
  dia_vendedores varchar[];
  dia_fechas date[];
  mes_meses date[];
  mes_vendedores varchar[];
  mes_loterias varchar[];
  mes_tipos varchar[];
BEGIN
  IF TG_OP = 'TRUNCATE' THEN
    DELETE FROM saldosdias_dia;
    DELETE FROM saldosdias_importes_dia;
    DELETE FROM saldosdias_importes_mes;
    DELETE FROM saldosdias_fiscal;
    RETURN NULL;
  END IF;
  CASE TG_OP
    WHEN 'INSERT' THEN
      todas := saldosdias_lado('nuevas', 1, true);
      cambios := saldosdias_lado('nuevas', 1, false);
    WHEN 'DELETE' THEN
      todas := saldosdias_lado('viejas', -1, true);
      cambios := saldosdias_lado('viejas', -1, false);
    ELSE
      todas := saldosdias_lado('nuevas', 1, true) || ' UNION ALL ' || saldosdias_lado('viejas', -1, true);
      -- Each key is once on each side: a row left alike adds up to 0.
      cambios := 'SELECT d.vendedor, d.fecha, d.cod_lot, d.tipo_jugada, d.signo * d.total_venta AS total_venta,
                                d.signo * d.comision AS comision, d.signo * d.premios AS premios,
                                d.signo * d.subtotal AS subtotal, d.signo
                           FROM (SELECT n.vendedor, n.fecha, n.cod_lot, n.tipo_jugada, n.total_venta, n.comision,
                                        n.premios, n.subtotal, sum(n.signo) AS signo
                                   FROM (SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, r.total_venta, r.comision,
                                                r.premios, r.subtotal, 1 AS signo
                                           FROM nuevas r
                                         UNION ALL
                                         SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, r.total_venta, r.comision,
                                                r.premios, r.subtotal, -1
                                           FROM viejas r) n
                                  GROUP BY 1, 2, 3, 4, 5, 6, 7, 8
                                 HAVING sum(n.signo) <> 0) d';
  END CASE;
  EXECUTE saldosdias_sumas(todas, cambios, TG_OP = 'UPDATE')
     INTO dia_vendedores, dia_fechas, mes_meses, mes_vendedores, mes_loterias, mes_tipos;
  IF dia_vendedores IS NOT NULL THEN
    DELETE FROM saldosdias_importes_dia d USING unnest(dia_vendedores, dia_fechas) AS k(vendedor, fecha)
     WHERE d.vendedor = k.vendedor AND d.fecha = k.fecha AND d.filas = 0;
  END IF;
  IF mes_meses IS NOT NULL THEN
    DELETE FROM saldosdias_importes_mes m
     USING unnest(mes_meses, mes_vendedores, mes_loterias, mes_tipos) AS k(mes, vendedor, cod_lot, tipo_jugada)
     WHERE m.mes = k.mes AND m.vendedor = k.vendedor AND m.cod_lot = k.cod_lot AND m.tipo_jugada = k.tipo_jugada
       AND m.filas = 0;
  END IF;
  DELETE FROM saldosdias_fiscal WHERE filas = 0;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_lado(text, integer, boolean), saldosdias_sumas(text, text, boolean),
  saldosdias_sumas_cuenta() FROM PUBLIC;

CREATE TRIGGER saldosdias_sumas_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_vacia AFTER TRUNCATE ON saldosdias
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
