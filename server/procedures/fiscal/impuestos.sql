-- The taxes of the house: the daily tax processing (Proceseimpuestos), the
-- fiscal report (rpt_res_ven_totales_fiscal) and the tax catalogue
-- (LIST_IMP, DSPIMP, ACTIMP). The rules are written in server/README.md,
-- "Taxes and the fiscal report".

-- The rates in force for one daily result: the board's and the operator's
-- of its lottery, the municipality's of its seller, the house's national
-- rates. A lottery without a board, or a seller without a municipality,
-- owes that body nothing (rate 0). A view, so that the planner joins the
-- daily results to the sellers and lotteries they name (hashing them)
-- instead of walking every seller and lottery pair.
CREATE VIEW tasas_vigentes AS
  SELECT v.codvendedor AS vendedor, l.cod_lot, l.codigo_junta, coalesce(ju.tasa_junta, 0) AS tasa_junta,
         l.codigo_operadora, coalesce(l.impuesto, 0) AS tasa_operadora,
         a.codigo_alcaldia, a.codigo_gobernacion, coalesce(a.tasa_alcaldia, 0) AS tasa_alcaldia,
         coalesce(pb.tasa_venta, 0) AS tasa_venta, coalesce(pb.tasa_premio, 0) AS tasa_premio
    FROM vendedor v
    CROSS JOIN loterias l
    LEFT JOIN juntas ju ON ju.codigo_junta = l.codigo_junta
    LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia
                        AND a.codigo_gobernacion = v.codigo_gobernacion
    LEFT JOIN parametrosbanca pb ON pb.id = 1;

-- Proceseimpuestos 'dd/mm/yyyy': the taxes of the date. It inserts, and
-- only it writes (server/schema/210_impuestos_insertados.sql):
-- impuestos_loterias, each lottery's board and operator with their rates
-- in force; impuestos_dia, each seller of the day marked processed with
-- his municipality and the national rates in force and the day's amounts
-- it taxed; impuestos_sumas, the day's daily results summed per seller and
-- combination of bodies and rates (impuestos_tasas), and their month
-- (impuestos_sumas_mes). The daily results themselves are not written.
-- Running it again replaces what the day had: nothing is added twice.
-- Return codes: 0 done; 55 the date has no daily results (nothing to
-- process; what an earlier run stored for it goes); 7 the date is not one.
CREATE FUNCTION Proceseimpuestos(xfecha varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  dia date;
  primer_dia date;
BEGIN
  BEGIN
    dia := lee_fecha(xfecha, 'fecha');
  EXCEPTION WHEN OTHERS THEN
    return_value := 7;
    RETURN;
  END;
  primer_dia := date_trunc('month', dia)::date;
  -- Each statement is one plan run once: compiling it (JIT) would cost
  -- more than it saves. For the rest of the call's transaction.
  PERFORM set_config('jit', 'off', true);
  PERFORM set_config('work_mem', '64MB', true);
  -- One processing at a time: a day's sums are replaced whole, and the
  -- combinations of rates are shared by every day.
  PERFORM pg_advisory_xact_lock(hashtext('Proceseimpuestos'));

  -- What an earlier processing of the day stored goes, and leaves its month.
  WITH viejas AS (
    DELETE FROM impuestos_sumas s WHERE s.fecha = dia
    RETURNING s.vendedor, s.tasas, s.total_venta, s.comision, s.premios, s.subtotal, s.filas)
  UPDATE impuestos_sumas_mes m
     SET total_venta = m.total_venta - v.total_venta, comision = m.comision - v.comision,
         premios = m.premios - v.premios, subtotal = m.subtotal - v.subtotal, filas = m.filas - v.filas,
         dias = m.dias - 1
    FROM viejas v
   WHERE m.mes = primer_dia AND m.vendedor = v.vendedor AND m.tasas = v.tasas;
  DELETE FROM impuestos_dia d WHERE d.fecha = dia;
  DELETE FROM impuestos_loterias l WHERE l.fecha = dia;

  IF NOT EXISTS (SELECT 1 FROM saldosdias s WHERE s.fecha = dia) THEN
    DELETE FROM impuestos_sumas_mes m WHERE m.mes = primer_dia AND m.dias = 0;
    return_value := 55;
    RETURN;
  END IF;

  INSERT INTO impuestos_loterias (fecha, cod_lot, codigo_junta, tasa_junta, codigo_operadora, tasa_operadora)
  SELECT dia, l.cod_lot, l.codigo_junta, coalesce(ju.tasa_junta, 0), l.codigo_operadora, coalesce(l.impuesto, 0)
    FROM loterias l
    LEFT JOIN juntas ju ON ju.codigo_junta = l.codigo_junta;

  -- The day's daily results read once, summed per seller and lottery.
  WITH porlot AS MATERIALIZED (
    SELECT s.vendedor, s.cod_lot, sum(s.total_venta) AS venta, sum(s.comision) AS comision,
           sum(s.premios) AS premios, sum(s.subtotal) AS subtotal, count(*)::integer AS filas,
           count(*) FILTER (WHERE (s.total_venta, s.comision, s.premios) <> (0, 0, 0))::integer AS con_importe
      FROM saldosdias s
     WHERE s.fecha = dia
     GROUP BY s.vendedor, s.cod_lot
  ), marcas AS (
    INSERT INTO impuestos_dia AS d (fecha, vendedor, codigo_alcaldia, codigo_gobernacion, tasa_alcaldia,
                                    tasa_venta, tasa_premio, total_venta, comision, premios, filas)
    SELECT dia, x.vendedor, a.codigo_alcaldia, a.codigo_gobernacion, coalesce(a.tasa_alcaldia, 0),
           coalesce(pb.tasa_venta, 0), coalesce(pb.tasa_premio, 0), x.venta, x.comision, x.premios,
           x.con_importe
      FROM (SELECT p.vendedor, sum(p.venta) AS venta, sum(p.comision) AS comision, sum(p.premios) AS premios,
                   sum(p.con_importe)::integer AS con_importe
              FROM porlot p GROUP BY p.vendedor) x
      LEFT JOIN vendedor v ON v.codvendedor = x.vendedor
      LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia AND a.codigo_gobernacion = v.codigo_gobernacion
      LEFT JOIN parametrosbanca pb ON pb.id = 1
    RETURNING d.vendedor, d.codigo_alcaldia, d.codigo_gobernacion, d.tasa_alcaldia, d.tasa_venta, d.tasa_premio
  ), grupos AS MATERIALIZED (
    SELECT m.vendedor, coalesce(l.codigo_junta, '') AS codigo_junta, coalesce(l.tasa_junta, 0) AS tasa_junta,
           coalesce(l.codigo_operadora, '') AS codigo_operadora, coalesce(l.tasa_operadora, 0) AS tasa_operadora,
           coalesce(m.codigo_alcaldia, '') AS codigo_alcaldia,
           coalesce(m.codigo_gobernacion, '') AS codigo_gobernacion, m.tasa_alcaldia, m.tasa_venta,
           m.tasa_premio, sum(p.venta) AS venta, sum(p.comision) AS comision, sum(p.premios) AS premios,
           sum(p.subtotal) AS subtotal, sum(p.filas)::integer AS filas
      FROM porlot p
      JOIN marcas m ON m.vendedor = p.vendedor
      LEFT JOIN impuestos_loterias l ON l.fecha = dia AND l.cod_lot = p.cod_lot
     GROUP BY 1, 2, 3, 4, 5, 6, 7, 8, 9, 10
  ), nuevas AS (
    INSERT INTO impuestos_tasas AS t (codigo_junta, tasa_junta, codigo_operadora, tasa_operadora,
                                      codigo_alcaldia, codigo_gobernacion, tasa_alcaldia, tasa_venta,
                                      tasa_premio)
    SELECT DISTINCT g.codigo_junta, g.tasa_junta, g.codigo_operadora, g.tasa_operadora, g.codigo_alcaldia,
           g.codigo_gobernacion, g.tasa_alcaldia, g.tasa_venta, g.tasa_premio
      FROM grupos g
    ON CONFLICT ON CONSTRAINT impuestos_tasas_clave DO NOTHING
    RETURNING t.*
  ), tasas AS (
    SELECT * FROM impuestos_tasas
    UNION ALL
    SELECT * FROM nuevas
  ), sumas AS (
    INSERT INTO impuestos_sumas AS s (fecha, vendedor, tasas, total_venta, comision, premios, subtotal, filas)
    SELECT dia, g.vendedor, t.id, g.venta, g.comision, g.premios, g.subtotal, g.filas
      FROM grupos g
      JOIN tasas t ON (t.codigo_junta, t.tasa_junta, t.codigo_operadora, t.tasa_operadora, t.codigo_alcaldia,
                       t.codigo_gobernacion, t.tasa_alcaldia, t.tasa_venta, t.tasa_premio)
                    = (g.codigo_junta, g.tasa_junta, g.codigo_operadora, g.tasa_operadora, g.codigo_alcaldia,
                       g.codigo_gobernacion, g.tasa_alcaldia, g.tasa_venta, g.tasa_premio)
    RETURNING s.vendedor, s.tasas, s.total_venta, s.comision, s.premios, s.subtotal, s.filas
  )
  INSERT INTO impuestos_sumas_mes AS m (mes, vendedor, tasas, total_venta, comision, premios, subtotal, filas,
                                        dias)
  SELECT primer_dia, s.vendedor, s.tasas, s.total_venta, s.comision, s.premios, s.subtotal, s.filas, 1
    FROM sumas s
  ON CONFLICT (mes, vendedor, tasas) DO UPDATE
     SET total_venta = m.total_venta + excluded.total_venta, comision = m.comision + excluded.comision,
         premios = m.premios + excluded.premios, subtotal = m.subtotal + excluded.subtotal,
         filas = m.filas + excluded.filas, dias = m.dias + 1;
  DELETE FROM impuestos_sumas_mes m WHERE m.mes = primer_dia AND m.dias = 0;
  return_value := 0;
END $$;

-- Every daily result with its taxes, as the tax processing computes them:
-- a row of a seller-day the processing marked carries the bodies and
-- rates it stored (its lottery's of that day, the seller's municipality
-- and the national rates of that day) and each tax round(base × rate /
-- 100, 3), impuestos_procesados 'S'; any other row its own bodies' codes,
-- rates and taxes 0 and 'N'. What readers of the daily results' taxes read.
CREATE VIEW saldosdias_impuestos AS
  SELECT s.vendedor, s.fecha, s.cod_lot, s.tipo_jugada, s.total_venta, s.comision, s.premios, s.subtotal,
         (CASE WHEN d.fecha IS NULL THEN 'N' ELSE 'S' END)::varchar(1) AS impuestos_procesados,
         CASE WHEN l.fecha IS NULL THEN s.codigo_junta ELSE l.codigo_junta END AS codigo_junta,
         r.tasa_junta, round(s.total_venta * r.tasa_junta / 100, 3)::numeric(18,3) AS impuesto_junta,
         CASE WHEN l.fecha IS NULL THEN s.codigo_operadora ELSE l.codigo_operadora END AS codigo_operadora,
         r.tasa_operadora, round(s.total_venta * r.tasa_operadora / 100, 3)::numeric(18,3) AS impuesto_operadora,
         CASE WHEN d.fecha IS NULL THEN s.codigo_alcaldia ELSE d.codigo_alcaldia END AS codigo_alcaldia,
         CASE WHEN d.fecha IS NULL THEN s.codigo_gobernacion ELSE d.codigo_gobernacion END AS codigo_gobernacion,
         r.tasa_alcaldia, round(s.total_venta * r.tasa_alcaldia / 100, 3)::numeric(18,3) AS impuesto_alcaldia,
         r.tasa_venta, round(s.total_venta * r.tasa_venta / 100, 3)::numeric(18,3) AS impuesto_venta,
         r.tasa_premio, round(s.premios * r.tasa_premio / 100, 3)::numeric(18,3) AS impuesto_premio
    FROM saldosdias s
    LEFT JOIN impuestos_dia d ON d.fecha = s.fecha AND d.vendedor = s.vendedor
    LEFT JOIN impuestos_loterias l ON d.fecha IS NOT NULL AND l.fecha = s.fecha AND l.cod_lot = s.cod_lot
    CROSS JOIN LATERAL (
      SELECT coalesce(l.tasa_junta, 0)::numeric(9,3) AS tasa_junta,
             coalesce(l.tasa_operadora, 0)::numeric(9,3) AS tasa_operadora,
             coalesce(d.tasa_alcaldia, 0)::numeric(9,3) AS tasa_alcaldia,
             coalesce(d.tasa_venta, 0)::numeric(9,3) AS tasa_venta,
             coalesce(d.tasa_premio, 0)::numeric(9,3) AS tasa_premio) r;

-- rpt_res_ven_totales_fiscal first date, last date, first seller, last
-- seller: the fiscal report's rows. A blank first seller starts at the
-- first seller, a blank last one ends at the last, so two blanks report
-- every seller. Per seller, one row per board and operator (with their
-- rates) of the lotteries it sold, the seller's municipality and the
-- national rates; a seller's totals (positions 4 to 7) repeat on each of
-- its rows, and its municipal and national taxes stand on its first row
-- (zero on the others), computed once on its summed bases so that every
-- line of the page is its base times its rate. Seller-days the tax
-- processing marked are taxed at the rates it stored, the others at the
-- rates in force, and the seller's heading says "(impuestos sin procesar)"
-- when any of its days in the range is not processed. Taxes are computed
-- from the bases as they stand, so a day whose prizes were processed again
-- after its taxes is reported on its new prizes. A municipality's code is
-- region "-" code, so two regions' municipalities of one code stay apart.
--
-- What it reads: the processed sums of the months the range covers from
-- impuestos_sumas_mes, and of a month covered in part whichever is fewer
-- processed days, its days inside the range or the month less its days
-- outside (impuestos_sumas); a processed seller-day whose daily results no
-- longer add up to the amounts its processing taxed (its sales,
-- commission, prizes or rows with an amount, as saldosdias_importes_dia
-- keeps them) is read from its daily results at its stored rates instead,
-- and a seller-day not processed from its daily results at the rates in
-- force.
CREATE FUNCTION rpt_res_ven_totales_fiscal(xfechareport1 varchar, xfechareport2 varchar,
                                           xvendedor1 varchar, xvendedor2 varchar)
RETURNS TABLE (vendedor varchar, vendedor_texto varchar, nombre_vend varchar, procesado varchar,
               venta_vendedor numeric, comision_vendedor numeric, premios_vendedor numeric,
               total_vendedor numeric, total_venta numeric, premios numeric,
               codigo_junta varchar, descripcion_junta varchar, tasa_junta numeric,
               impuesto_junta numeric, codigo_operadora varchar, descripcion_operadora varchar,
               tasa_operadora numeric, impuesto_operadora numeric, codigo_alcaldia varchar,
               Descripcion_Alcaldia varchar, tasa_alcaldia numeric, impuesto_alcaldia numeric,
               tasa_venta numeric, impuesto_venta numeric, tasa_premio numeric,
               impuesto_premio numeric)
LANGUAGE plpgsql AS $$
#variable_conflict use_column
DECLARE
  desde date := lee_fecha(xfechareport1, 'fecha desde');
  hasta date := lee_fecha(xfechareport2, 'fecha hasta');
  v1 text := btrim(coalesce(xvendedor1, ''));
  v2 text := btrim(coalesce(xvendedor2, ''));
  meses date[] := '{}';
  dias_mas date[] := '{}';
  dias_menos date[] := '{}';
  mes date;
  fin date;
  dentro integer;
  fuera integer;
  dias_sin_procesar date[];
BEGIN
  PERFORM set_config('jit', 'off', true);
  PERFORM set_config('work_mem', '64MB', true);
  -- The sums are hashed in memory: the planner, blind to how many of a
  -- day's daily results are not processed yet, would sort them to group.
  PERFORM set_config('enable_sort', 'off', true);
  -- Which kept sums make up the range: whole months, and the days of a
  -- month covered in part added, or the month with its days outside taken
  -- away, whichever reads fewer processed days.
  mes := date_trunc('month', desde)::date;
  WHILE desde <= hasta AND mes <= hasta LOOP
    fin := (mes + interval '1 month')::date - 1;
    IF desde <= mes AND hasta >= fin THEN
      meses := meses || mes;
    ELSE
      SELECT count(DISTINCT l.fecha) FILTER (WHERE l.fecha BETWEEN desde AND hasta),
             count(DISTINCT l.fecha) FILTER (WHERE l.fecha NOT BETWEEN desde AND hasta)
        INTO dentro, fuera
        FROM impuestos_loterias l WHERE l.fecha BETWEEN mes AND fin;
      IF dentro <= fuera THEN
        dias_mas := dias_mas || ARRAY(SELECT DISTINCT l.fecha FROM impuestos_loterias l
                                       WHERE l.fecha BETWEEN greatest(mes, desde) AND least(fin, hasta));
      ELSE
        meses := meses || mes;
        dias_menos := dias_menos || ARRAY(SELECT DISTINCT l.fecha FROM impuestos_loterias l
                                           WHERE l.fecha BETWEEN mes AND fin
                                             AND l.fecha NOT BETWEEN desde AND hasta);
      END IF;
    END IF;
    mes := (mes + interval '1 month')::date;
  END LOOP;
  -- The days with seller-days not processed (a few, often none), so that
  -- their daily results are read a day at a time through the date index.
  dias_sin_procesar := ARRAY(SELECT DISTINCT sd.fecha FROM saldosdias_dia sd
                              WHERE sd.fecha BETWEEN desde AND hasta
                                AND NOT EXISTS (SELECT FROM impuestos_dia d
                                                 WHERE d.fecha = sd.fecha AND d.vendedor = sd.vendedor));

  RETURN QUERY
  WITH marcas AS MATERIALIZED (
    -- The range's processed seller-days; cambiado: its daily results are no
    -- longer what its processing summed (or are gone).
    SELECT d.fecha, d.vendedor, d.codigo_alcaldia, d.codigo_gobernacion, d.tasa_alcaldia, d.tasa_venta,
           d.tasa_premio, sd.vendedor IS NOT NULL AS quedan,
           sd.vendedor IS NULL
             OR (d.total_venta, d.comision, d.premios, d.filas)
                IS DISTINCT FROM (coalesce(i.total_venta, 0), coalesce(i.comision, 0), coalesce(i.premios, 0),
                                  coalesce(i.filas, 0)) AS cambiado
      FROM impuestos_dia d
      LEFT JOIN saldosdias_dia sd ON sd.vendedor = d.vendedor AND sd.fecha = d.fecha
      LEFT JOIN saldosdias_importes_dia i ON i.vendedor = d.vendedor AND i.fecha = d.fecha
     WHERE d.fecha BETWEEN desde AND hasta
       AND (v1 = '' OR d.vendedor >= v1) AND (v2 = '' OR d.vendedor <= v2)
  ), sin_procesar AS MATERIALIZED (
    SELECT sd.vendedor, sd.fecha
      FROM saldosdias_dia sd
     WHERE sd.fecha BETWEEN desde AND hasta
       AND (v1 = '' OR sd.vendedor >= v1) AND (v2 = '' OR sd.vendedor <= v2)
       AND NOT EXISTS (SELECT FROM impuestos_dia d WHERE d.fecha = sd.fecha AND d.vendedor = sd.vendedor)
  ), guardadas AS (
    -- The kept sums of the range, signed, per seller and combination.
    SELECT x.vendedor, x.tasas, sum(x.total_venta) AS venta, sum(x.comision) AS comision,
           sum(x.premios) AS premios
      FROM (SELECT m.vendedor, m.tasas, m.total_venta, m.comision, m.premios, m.filas
              FROM impuestos_sumas_mes m
             WHERE m.mes = ANY (meses) AND (v1 = '' OR m.vendedor >= v1) AND (v2 = '' OR m.vendedor <= v2)
            UNION ALL
            SELECT s.vendedor, s.tasas, s.total_venta, s.comision, s.premios, s.filas
              FROM impuestos_sumas s
             WHERE s.fecha = ANY (dias_mas) AND (v1 = '' OR s.vendedor >= v1) AND (v2 = '' OR s.vendedor <= v2)
            UNION ALL
            SELECT s.vendedor, s.tasas, -s.total_venta, -s.comision, -s.premios, -s.filas
              FROM impuestos_sumas s
             WHERE s.fecha = ANY (dias_menos) AND (v1 = '' OR s.vendedor >= v1) AND (v2 = '' OR s.vendedor <= v2)
            UNION ALL
            SELECT s.vendedor, s.tasas, -s.total_venta, -s.comision, -s.premios, -s.filas
              FROM marcas c
              JOIN impuestos_sumas s ON s.fecha = c.fecha AND s.vendedor = c.vendedor
             WHERE c.cambiado) x
     GROUP BY x.vendedor, x.tasas
    HAVING sum(x.filas) <> 0
  ), grupos AS (
    -- The range summed by everything the report tells apart; the rest
    -- works on these few sums.
    SELECT g.vendedor, true AS hecho, nullif(t.codigo_junta, '') AS junta, t.tasa_junta AS tjunta,
           nullif(t.codigo_operadora, '') AS operadora, t.tasa_operadora AS toperadora,
           g.venta, g.comision, g.premios, t.tasa_alcaldia AS talcaldia, t.tasa_venta AS tventa,
           t.tasa_premio AS tpremio
      FROM guardadas g
      JOIN impuestos_tasas t ON t.id = g.tasas
    UNION ALL
    -- The daily results read again, each summed per seller and the board
    -- and operator of its lottery (the seller's own rates are one a day).
    SELECT x.vendedor, true, x.codigo_junta, x.tasa_junta, x.codigo_operadora, x.tasa_operadora, x.venta,
           x.comision, x.premios, c.tasa_alcaldia, c.tasa_venta, c.tasa_premio
      FROM (SELECT r.vendedor, r.fecha, l.codigo_junta, coalesce(l.tasa_junta, 0)::numeric(9,3) AS tasa_junta,
                   l.codigo_operadora, coalesce(l.tasa_operadora, 0)::numeric(9,3) AS tasa_operadora,
                   sum(r.total_venta) AS venta, sum(r.comision) AS comision, sum(r.premios) AS premios
              FROM saldosdias r
              JOIN marcas c ON c.fecha = r.fecha AND c.vendedor = r.vendedor
              LEFT JOIN impuestos_loterias l ON l.fecha = r.fecha AND l.cod_lot = r.cod_lot
             WHERE c.cambiado AND c.quedan
             GROUP BY 1, 2, 3, 4, 5, 6) x
      JOIN marcas c ON c.fecha = x.fecha AND c.vendedor = x.vendedor
    UNION ALL
    SELECT x.vendedor, false, x.codigo_junta, x.tasa_junta, x.codigo_operadora, x.tasa_operadora, x.venta,
           x.comision, x.premios, coalesce(a.tasa_alcaldia, 0), coalesce(pb.tasa_venta, 0),
           coalesce(pb.tasa_premio, 0)
      FROM (SELECT r.vendedor, l.codigo_junta, coalesce(ju.tasa_junta, 0) AS tasa_junta, l.codigo_operadora,
                   coalesce(l.impuesto, 0) AS tasa_operadora, sum(r.total_venta) AS venta,
                   sum(r.comision) AS comision, sum(r.premios) AS premios
              FROM saldosdias r
              -- The rates in force, as tasas_vigentes gives them.
              JOIN loterias l ON l.cod_lot = r.cod_lot
              LEFT JOIN juntas ju ON ju.codigo_junta = l.codigo_junta
             WHERE r.fecha = ANY (dias_sin_procesar)
               AND (v1 = '' OR r.vendedor >= v1) AND (v2 = '' OR r.vendedor <= v2)
               AND NOT EXISTS (SELECT FROM impuestos_dia d WHERE d.fecha = r.fecha AND d.vendedor = r.vendedor)
             GROUP BY 1, 2, 3, 4, 5) x
      JOIN vendedor v ON v.codvendedor = x.vendedor
      LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia AND a.codigo_gobernacion = v.codigo_gobernacion
      LEFT JOIN parametrosbanca pb ON pb.id = 1
  ), primeros AS (
    -- The municipality and national rates of each seller's first day: as
    -- its processing stored them, or in force.
    -- (A seller-day is processed or not, never both.)
    SELECT x.vendedor, x.alcaldia, x.region, x.talcaldia, x.tventa, x.tpremio
      FROM (SELECT c.vendedor, c.fecha, c.codigo_alcaldia AS alcaldia,
                   c.codigo_gobernacion AS region, c.tasa_alcaldia AS talcaldia, c.tasa_venta AS tventa,
                   c.tasa_premio AS tpremio
              FROM marcas c WHERE c.quedan
            UNION ALL
            SELECT u.vendedor, u.fecha, a.codigo_alcaldia, a.codigo_gobernacion,
                   coalesce(a.tasa_alcaldia, 0)::numeric(9,3), coalesce(pb.tasa_venta, 0)::numeric(9,3),
                   coalesce(pb.tasa_premio, 0)::numeric(9,3)
              FROM sin_procesar u
              JOIN vendedor v ON v.codvendedor = u.vendedor
              LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia
                                  AND a.codigo_gobernacion = v.codigo_gobernacion
              LEFT JOIN parametrosbanca pb ON pb.id = 1) x
     WHERE (x.vendedor, x.fecha) IN (SELECT y.vendedor, min(y.fecha) FROM
                                       (SELECT c.vendedor, c.fecha FROM marcas c WHERE c.quedan
                                        UNION ALL
                                        SELECT u.vendedor, u.fecha FROM sin_procesar u) y
                                      GROUP BY y.vendedor)
  ), vendedores AS (
    -- The total: sales less commission less prizes, as every daily
    -- result's subtotal is.
    SELECT g.vendedor, sum(g.venta) AS venta, sum(g.comision) AS comision,
           sum(g.premios) AS premios, sum(g.venta) - sum(g.comision) - sum(g.premios) AS subtotal,
           bool_and(g.hecho) AS hecho
      FROM grupos g GROUP BY g.vendedor
  ), nacionales AS (
    -- Each rate in force in the range taxes its own part of the bases.
    SELECT x.vendedor, sum(x.ialcaldia) AS ialcaldia, sum(x.iventa) AS iventa,
           sum(x.ipremio) AS ipremio
      FROM (SELECT g.vendedor, round(sum(g.venta) * g.talcaldia / 100, 2) AS ialcaldia,
                   0::numeric AS iventa, 0::numeric AS ipremio
              FROM grupos g GROUP BY g.vendedor, g.talcaldia
            UNION ALL
            SELECT g.vendedor, 0, round(sum(g.venta) * g.tventa / 100, 2), 0
              FROM grupos g GROUP BY g.vendedor, g.tventa
            UNION ALL
            SELECT g.vendedor, 0, 0, round(sum(g.premios) * g.tpremio / 100, 2)
              FROM grupos g GROUP BY g.vendedor, g.tpremio) x
     GROUP BY x.vendedor
  ), entes AS (
    SELECT g.vendedor, g.junta, g.tjunta, g.operadora, g.toperadora,
           sum(g.venta) AS venta, sum(g.premios) AS premios
      FROM grupos g GROUP BY g.vendedor, g.junta, g.tjunta, g.operadora, g.toperadora
  ), filas AS (
    SELECT e.*, row_number() OVER (PARTITION BY e.vendedor
                                   ORDER BY e.junta NULLS FIRST, e.operadora NULLS FIRST,
                                            e.tjunta, e.toperadora) AS n
      FROM entes e
  )
  SELECT f.vendedor,
         (f.vendedor || ' - ' || btrim(coalesce(ve.nombre_vend, ''))
          || CASE WHEN vs.hecho THEN '' ELSE ' (impuestos sin procesar)' END)::varchar,
         btrim(coalesce(ve.nombre_vend, ''))::varchar,
         (CASE WHEN vs.hecho THEN 'S' ELSE 'N' END)::varchar,
         vs.venta, vs.comision, vs.premios, vs.subtotal,
         f.venta, f.premios,
         coalesce(f.junta, '')::varchar, coalesce(ju.descripcion_junta, '')::varchar, f.tjunta,
         round(f.venta * f.tjunta / 100, 2),
         coalesce(f.operadora, '')::varchar, coalesce(op.descripcion_operadora, '')::varchar,
         f.toperadora, round(f.venta * f.toperadora / 100, 2),
         (CASE WHEN pr.alcaldia IS NULL THEN '' ELSE pr.region || '-' || pr.alcaldia END)::varchar,
         coalesce(al.descri_alcaldia, '')::varchar, pr.talcaldia,
         CASE WHEN f.n = 1 THEN na.ialcaldia ELSE 0 END,
         pr.tventa, CASE WHEN f.n = 1 THEN na.iventa ELSE 0 END,
         pr.tpremio, CASE WHEN f.n = 1 THEN na.ipremio ELSE 0 END
    FROM filas f
    JOIN vendedores vs ON vs.vendedor = f.vendedor
    JOIN primeros pr ON pr.vendedor = f.vendedor
    JOIN nacionales na ON na.vendedor = f.vendedor
    JOIN vendedor ve ON ve.codvendedor = f.vendedor
    LEFT JOIN juntas ju ON ju.codigo_junta = f.junta
    LEFT JOIN operadoras op ON op.codigo_operadora = f.operadora
    LEFT JOIN alcaldia al ON al.codigo_alcaldia = pr.alcaldia AND al.codigo_gobernacion = pr.region
   ORDER BY al.codigo_gobernacion NULLS FIRST, al.codigo_alcaldia NULLS FIRST, f.vendedor, f.n;
END $$;

-- LIST_IMP: the tax catalogue by code; columns 0 to 2 are what its grid
-- shows (code, description, percentage), the others what its detail boxes
-- read by name.
CREATE FUNCTION LIST_IMP()
RETURNS TABLE (Codigo_Impuesto varchar, Descri_Impuesto varchar, Porcentaje_Impuesto numeric,
               Observa_Impuesto varchar, Aplica_Impuesto varchar, muestramonitor varchar)
LANGUAGE sql STABLE AS $$
  SELECT i.codigo_impuesto, i.descri_impuesto, i.porcentaje_impuesto,
         coalesce(i.observa_impuesto, '')::varchar, coalesce(i.aplica_impuesto, '')::varchar,
         coalesce(i.muestramonitor, '')::varchar
    FROM impuesto i ORDER BY i.codigo_impuesto
$$;

-- DSPIMP '0', x: the same list as LIST_IMP (x is not looked at). Any mode
-- but '0' is refused.
CREATE FUNCTION DSPIMP(xmodo varchar, xopcion varchar)
RETURNS TABLE (Codigo_Impuesto varchar, Descri_Impuesto varchar, Porcentaje_Impuesto numeric,
               Observa_Impuesto varchar, Aplica_Impuesto varchar, muestramonitor varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF btrim(coalesce(xmodo, '')) IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPIMP: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY SELECT * FROM LIST_IMP();
END $$;

-- ACTIMP mode, code, description, percentage, observations, applies to,
-- monitor flag: "1" adds the tax, "2" changes it, "3" deletes it (only the
-- code is looked at then). The code is taken without blanks around it, the
-- texts without trailing blanks; the percentage keeps its decimals.
-- Return codes: 0 done; 1 add of a code that exists; 2 modify or delete of
-- a code that does not exist; 3 a blank code, or a blank description on
-- add or modify; 4 a code longer than 4 characters, a description longer
-- than 30, observations longer than 60, an applies-to longer than 10;
-- 5 delete of a tax assigned to a seller; 7 a code holding a control or
-- invisible character, or a percentage that is negative or not a number.
-- An unknown mode is an error.
CREATE FUNCTION ACTIMP(xmodo varchar, xcodigo_impuesto varchar, xdescri_impuesto varchar,
                       xporcentaje_impuesto numeric, xobserva_impuesto varchar,
                       xaplica_impuesto varchar, xmuestramonitor varchar,
                       OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := btrim(coalesce(xcodigo_impuesto, ''));
  nombre text := rtrim(coalesce(xdescri_impuesto, ''));
  observaciones text := rtrim(coalesce(xobserva_impuesto, ''));
  aplica text := rtrim(coalesce(xaplica_impuesto, ''));
  monitor text := nullif(btrim(coalesce(xmuestramonitor, '')), '');
BEGIN
  IF modo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTIMP: modo desconocido "%"', xmodo;
  END IF;
  return_value := retorno_codigo(codigo, 4);
  IF return_value <> 0 THEN
    RETURN;
  END IF;

  IF modo = '3' THEN
    BEGIN
      DELETE FROM impuesto WHERE codigo_impuesto = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF btrim(nombre) = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 30 OR char_length(observaciones) > 60 OR char_length(aplica) > 10
     OR char_length(coalesce(monitor, '')) > 1 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF NOT importe_valido(xporcentaje_impuesto) OR xporcentaje_impuesto < 0
     OR xporcentaje_impuesto >= 1000000 THEN
    return_value := 7;
    RETURN;
  END IF;
  IF modo = '1' THEN
    INSERT INTO impuesto (codigo_impuesto, descri_impuesto, observa_impuesto, aplica_impuesto,
                          porcentaje_impuesto, muestramonitor)
    VALUES (codigo, nombre, observaciones, aplica, round(xporcentaje_impuesto, 3), monitor)
    ON CONFLICT (codigo_impuesto) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE impuesto
     SET descri_impuesto = nombre, observa_impuesto = observaciones, aplica_impuesto = aplica,
         porcentaje_impuesto = round(xporcentaje_impuesto, 3)
   WHERE codigo_impuesto = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
