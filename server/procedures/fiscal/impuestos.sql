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

-- Proceseimpuestos 'dd/mm/yyyy': writes into every daily result of the date
-- the rates in force and the taxes they give (each tax rounded to 3
-- decimals, the precision of the column), and marks it processed. Running
-- it again recomputes the same columns from the same bases: nothing is
-- added twice. Return codes: 0 done; 55 the date has no daily results
-- (nothing to process); 7 the date is not one.
--
-- Prize processing writes each new row's bodies' codes as this derives
-- them; a code given its own value again is no change of reference, so the
-- references' check passes over it; as no index holds a tax column, the
-- row is rewritten within its page (the room saldosdias's fillfactor
-- leaves) without touching an index. A row whose codes are NULL, or no
-- longer those in force, gets them here, checked.
CREATE FUNCTION Proceseimpuestos(xfecha varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  dia date;
BEGIN
  BEGIN
    dia := lee_fecha(xfecha, 'fecha');
  EXCEPTION WHEN OTHERS THEN
    return_value := 7;
    RETURN;
  END;
  -- The day's update is one plan run once: compiling it (JIT) would cost
  -- more than it saves. For the rest of the call's transaction.
  PERFORM set_config('jit', 'off', true);
  UPDATE saldosdias s
     SET impuestos_procesados = 'S',
         codigo_junta = t.codigo_junta,
         tasa_junta = t.tasa_junta,
         impuesto_junta = round(s.total_venta * t.tasa_junta / 100, 3),
         codigo_operadora = t.codigo_operadora,
         tasa_operadora = t.tasa_operadora,
         impuesto_operadora = round(s.total_venta * t.tasa_operadora / 100, 3),
         codigo_alcaldia = t.codigo_alcaldia,
         codigo_gobernacion = t.codigo_gobernacion,
         tasa_alcaldia = t.tasa_alcaldia,
         impuesto_alcaldia = round(s.total_venta * t.tasa_alcaldia / 100, 3),
         tasa_venta = t.tasa_venta,
         impuesto_venta = round(s.total_venta * t.tasa_venta / 100, 3),
         tasa_premio = t.tasa_premio,
         impuesto_premio = round(s.premios * t.tasa_premio / 100, 3)
    FROM tasas_vigentes t
   WHERE s.fecha = dia AND t.vendedor = s.vendedor AND t.cod_lot = s.cod_lot
     -- Only the rows that change are written (a re-run writes none).
     AND (s.impuestos_procesados, s.codigo_junta, s.tasa_junta, s.impuesto_junta, s.codigo_operadora,
          s.tasa_operadora, s.impuesto_operadora, s.codigo_alcaldia, s.codigo_gobernacion,
          s.tasa_alcaldia, s.impuesto_alcaldia, s.tasa_venta, s.impuesto_venta, s.tasa_premio,
          s.impuesto_premio)
         IS DISTINCT FROM
         ('S', t.codigo_junta, t.tasa_junta, round(s.total_venta * t.tasa_junta / 100, 3),
          t.codigo_operadora, t.tasa_operadora, round(s.total_venta * t.tasa_operadora / 100, 3),
          t.codigo_alcaldia, t.codigo_gobernacion, t.tasa_alcaldia,
          round(s.total_venta * t.tasa_alcaldia / 100, 3), t.tasa_venta,
          round(s.total_venta * t.tasa_venta / 100, 3), t.tasa_premio,
          round(s.premios * t.tasa_premio / 100, 3));
  return_value := CASE WHEN EXISTS (SELECT 1 FROM saldosdias s WHERE s.fecha = dia) THEN 0 ELSE 55 END;
END $$;

-- rpt_res_ven_totales_fiscal first date, last date, first seller, last
-- seller: the fiscal report's rows. A blank first seller starts at the
-- first seller, a blank last one ends at the last, so two blanks report
-- every seller. Per seller, one row per board and operator (with their
-- rates) of the lotteries it sold, the seller's municipality and the
-- national rates; a seller's totals (positions 4 to 7) repeat on each of
-- its rows, and its municipal and national taxes stand on its first row
-- (zero on the others), computed once on its summed bases so that every
-- line of the page is its base times its rate. Days already tax-processed
-- are taxed at the rates stored by the processing, the others at the rates
-- in force, and the seller's heading says "(impuestos sin procesar)" when
-- any of its days in the range is not processed. Taxes are computed from
-- the bases as they stand, so a day whose prizes were processed again
-- after its taxes is reported on its new prizes. A municipality's code is
-- region "-" code, so two regions' municipalities of one code stay apart.
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
BEGIN
  -- The month's hundreds of thousands of kept sums are summed once, in
  -- memory, for this call's transaction only (a plan compiled for them
  -- would cost more than it saves).
  PERFORM set_config('jit', 'off', true);
  PERFORM set_config('work_mem', '64MB', true);
  RETURN QUERY
  WITH grupos AS (
    -- The range's rows summed by everything the report tells apart: a
    -- processed row brings the bodies and rates its processing stored,
    -- summed per day as saldosdias_fiscal keeps them (on one text, split
    -- back once summed); one not processed yet those in force now, per
    -- lottery, so those seller-days (the kept sums name them) are read
    -- from the daily results. The rest works on these few sums instead of
    -- on every row.
    SELECT f.vendedor, true AS hecho, nullif(split_part(f.tasas, chr(31), 1), '') AS junta,
           split_part(f.tasas, chr(31), 2)::numeric(9,3) AS tjunta,
           nullif(split_part(f.tasas, chr(31), 3), '') AS operadora,
           split_part(f.tasas, chr(31), 4)::numeric(9,3) AS toperadora,
           nullif(split_part(f.tasas, chr(31), 5), '') AS alcaldia,
           nullif(split_part(f.tasas, chr(31), 6), '') AS region,
           split_part(f.tasas, chr(31), 7)::numeric(9,3) AS talcaldia,
           split_part(f.tasas, chr(31), 8)::numeric(9,3) AS tventa,
           split_part(f.tasas, chr(31), 9)::numeric(9,3) AS tpremio,
           f.primero, f.venta, f.comision, f.premios, f.subtotal
      FROM (SELECT f.vendedor, f.tasas, min(f.fecha) AS primero, sum(f.total_venta) AS venta,
                   sum(f.comision) AS comision, sum(f.premios) AS premios, sum(f.subtotal) AS subtotal
              FROM saldosdias_fiscal f
             WHERE f.fecha BETWEEN desde AND hasta AND f.procesado
               AND (v1 = '' OR f.vendedor >= v1) AND (v2 = '' OR f.vendedor <= v2)
             GROUP BY f.vendedor, f.tasas) f
    UNION ALL
    SELECT r.vendedor, false, t.codigo_junta, t.tasa_junta, t.codigo_operadora, t.tasa_operadora,
           t.codigo_alcaldia, t.codigo_gobernacion, t.tasa_alcaldia, t.tasa_venta, t.tasa_premio,
           min(r.fecha), sum(r.total_venta), sum(r.comision), sum(r.premios), sum(r.subtotal)
      FROM saldosdias_fiscal f
      JOIN saldosdias r ON r.vendedor = f.vendedor AND r.fecha = f.fecha
      JOIN tasas_vigentes t ON t.vendedor = r.vendedor AND t.cod_lot = r.cod_lot
     WHERE f.fecha BETWEEN desde AND hasta AND NOT f.procesado AND r.impuestos_procesados <> 'S'
       AND (v1 = '' OR f.vendedor >= v1) AND (v2 = '' OR f.vendedor <= v2)
     GROUP BY 1, 3, 4, 5, 6, 7, 8, 9, 10, 11
  ), primeros AS (
    -- The municipality and national rates of each seller's first day.
    SELECT DISTINCT ON (g.vendedor) g.vendedor, g.alcaldia, g.region, g.talcaldia, g.tventa, g.tpremio
      FROM grupos g ORDER BY g.vendedor, g.primero, g.hecho DESC, g.alcaldia, g.region
  ), vendedores AS (
    SELECT g.vendedor, sum(g.venta) AS venta, sum(g.comision) AS comision,
           sum(g.premios) AS premios, sum(g.subtotal) AS subtotal, bool_and(g.hecho) AS hecho
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
