-- The seller results report (window Form25): sales, commission, prizes and
-- net per seller, date, lottery, play kind and group, all read from the
-- daily results saldosdias that prize processing writes (the line-up, the
-- fiscal report and the monthly chart read the same rows, so their figures
-- agree), most of them through the sums kept beside them per seller and
-- day and per seller, lottery, kind and month (saldosdias_importes_dia,
-- saldosdias_importes_mes). Result columns stand where the page writers read them by
-- position; see server/README.md, "Seller results".
--
-- Every request carries a date range "dd/mm/yyyy" and, except the totals
-- per date, a seller range. A seller code sent blank or empty leaves that
-- end of the range open; dates in reverse order select nothing. Rows whose
-- three amounts are all 0 (a day's sales undone after its taxes were
-- processed) are left out everywhere, so no report lists a seller, date or
-- lottery that adds nothing.

-- The bounds of a request: the dates read strictly, the seller codes
-- trimmed (NULL: that end is open). It also sets, for the rest of the
-- call's transaction, what a month of every seller's results needs: no JIT
-- compilation (it cost more than the aggregation it was meant to speed up),
-- room for the hash aggregates in memory (they spilled to disk) and up to
-- four parallel workers for the scan.
CREATE FUNCTION resultados_pedido(xfecha1 varchar, xfecha2 varchar, xvendedor1 varchar,
                                  xvendedor2 varchar,
                                  OUT desde date, OUT hasta date, OUT vdesde varchar, OUT vhasta varchar)
LANGUAGE plpgsql VOLATILE AS $$
BEGIN
  desde := lee_fecha(xfecha1, 'FECHAREPORT1');
  hasta := lee_fecha(xfecha2, 'FECHAREPORT2');
  vdesde := nullif(btrim(coalesce(xvendedor1, '')), '');
  vhasta := nullif(btrim(coalesce(xvendedor2, '')), '');
  PERFORM set_config('jit', 'off', true);
  PERFORM set_config('work_mem', '64MB', true);
  PERFORM set_config('max_parallel_workers_per_gather', '4', true);
END $$;

-- The rows of saldosdias s a request reads, as the condition of a query
-- run with EXECUTE … USING desde, hasta, vdesde, vhasta, lottery (NULL:
-- every one), play kinds. Nothing in these queries calls a function of
-- schema proc per row: each of those runs as its owner with its own search
-- path, which costs more per call than the row's aggregation. EXECUTE plans each call for its own values, so
-- an open end or "every lottery" costs nothing and the estimates stay
-- right (a plan made for any value sorted a month of rows instead of
-- hashing them).
CREATE FUNCTION resultados_filtro()
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT 's.fecha BETWEEN $1 AND $2'
         ' AND ($3::varchar IS NULL OR s.vendedor >= $3)'
         ' AND ($4::varchar IS NULL OR s.vendedor <= $4)'
         ' AND ($5::varchar IS NULL OR s.cod_lot = $5)'
         ' AND s.tipo_jugada = ANY ($6)'
         ' AND (s.total_venta, s.comision, s.premios) <> (0, 0, 0)'
$$;

-- The lottery filter: a three-character code, trimmed; blank or empty is
-- every lottery (NULL).
CREATE FUNCTION resultados_loteria(xloteria varchar)
RETURNS varchar
LANGUAGE sql IMMUTABLE AS $$
  SELECT nullif(btrim(coalesce(xloteria, '')), '')
$$;

-- The play kinds (saldosdias.tipo_jugada) of a play mode as the window
-- sends it, three characters wide: "000" every kind, "Tp " Triples,
-- "Te " Terminales, "D  " Digito, "Tp2" Trip. Especial, "Te2" Term.
-- Especial ("Tp2 " and "Te2 " arrive cut to three). Any other text (the
-- window sends "" for a play type it does not know) selects no kind.
CREATE FUNCTION resultados_tipos(xmodo varchar)
RETURNS varchar[]
LANGUAGE sql IMMUTABLE AS $$
  SELECT CASE rtrim(coalesce(xmodo, ''))
           WHEN '000' THEN ARRAY['1', '2', '3', '4', '5']
           WHEN 'Tp' THEN ARRAY['1']
           WHEN 'Te' THEN ARRAY['2']
           WHEN 'D' THEN ARRAY['3']
           WHEN 'Tp2' THEN ARRAY['4']
           WHEN 'Te2' THEN ARRAY['5']
           ELSE ARRAY[]::varchar[]
         END::varchar[]
$$;

-- The whole months and the single days a request over desde..hasta reads
-- for the reports per lottery and play kind: a month inside the range is
-- read from saldosdias_importes_mes; of a month the range covers in part,
-- the smaller side is read from saldosdias, counted in rows: the days
-- inside the range, or the whole month and, taken away, its days outside
-- the range (a row of a day inside counts once, one outside is taken away
-- once: see resultados_piezas).
CREATE FUNCTION resultados_tramos(desde date, hasta date, OUT meses date[], OUT dias date[])
LANGUAGE plpgsql STABLE AS $$
DECLARE
  mes date;
  fin date;
  dentro bigint;
  fuera bigint;
BEGIN
  meses := ARRAY[]::date[];
  dias := ARRAY[]::date[];
  FOR mes IN SELECT generate_series(date_trunc('month', desde), date_trunc('month', hasta),
                                    interval '1 month')::date LOOP
    fin := (mes + interval '1 month')::date - 1;
    IF desde <= mes AND fin <= hasta THEN
      meses := meses || mes;
      CONTINUE;
    END IF;
    SELECT coalesce(sum(d.filas) FILTER (WHERE d.fecha BETWEEN desde AND hasta), 0),
           coalesce(sum(d.filas) FILTER (WHERE d.fecha NOT BETWEEN desde AND hasta), 0)
      INTO dentro, fuera
      FROM saldosdias_importes_dia d WHERE d.fecha BETWEEN mes AND fin;
    IF dentro = 0 THEN
      CONTINUE;
    ELSIF dentro <= fuera THEN
      dias := dias || ARRAY(SELECT generate_series(greatest(mes, desde), least(fin, hasta),
                                                   interval '1 day')::date);
    ELSE
      meses := meses || mes;
      dias := dias || ARRAY(SELECT f::date FROM generate_series(mes, fin, interval '1 day') f
                             WHERE f::date NOT BETWEEN desde AND hasta);
    END IF;
  END LOOP;
  -- Only the days that have a row of an amount are read.
  dias := ARRAY(SELECT DISTINCT d.fecha FROM saldosdias_importes_dia d WHERE d.fecha = ANY (dias)
                 ORDER BY d.fecha);
END $$;

-- The reports read from the kept totals add up a few hundred thousand
-- rows: in parallel, each worker's partial sums came back to be summed
-- again, which cost more than it saved; and their sums need more memory
-- than the reports that read saldosdias (they spilled to disk). With
-- `en_orden` (months alone to read, grouped by the first columns of their
-- key) they are added up in the index's order, key after key: a hash of
-- every key held a few hundred megabytes of sums and still spilled. The
-- index is read in that order even when the daily updates have left it
-- sparse (each update of a month's row adds an entry; vacuum takes the old
-- ones away but not the pages they filled: at `large`, a month processed
-- day after day left it thirteen times the size of its entries, and the
-- planner then read the table and sorted its rows, twice the time). For
-- the rest of the call's transaction.
CREATE FUNCTION resultados_lee_meses(en_orden boolean)
RETURNS void
LANGUAGE plpgsql VOLATILE AS $$
BEGIN
  PERFORM set_config('max_parallel_workers_per_gather', '0', true);
  PERFORM set_config('work_mem', '128MB', true);
  IF en_orden THEN
    PERFORM set_config('enable_hashagg', 'off', true);
    PERFORM set_config('enable_seqscan', 'off', true);
    PERFORM set_config('enable_bitmapscan', 'off', true);
  END IF;
END $$;

-- The sums of the reports per lottery and play kind come in the order of
-- their key; joined to the sellers' names by merging (a hash join loses
-- that order, and sorting a month's few hundred thousand rows again cost
-- as much as adding them up), with the lotteries' labels looked up per row
-- (resultados_etiquetas). The ORDER BY of each report still decides the
-- order: this only spares the sort when the rows already come in it. For
-- the rest of the call's transaction.
CREATE FUNCTION resultados_en_orden()
RETURNS void
LANGUAGE plpgsql VOLATILE AS $$
BEGIN
  PERFORM set_config('enable_hashjoin', 'off', true);
  PERFORM set_config('enable_nestloop', 'off', true);
END $$;

-- The sellers v as a query joins them by merging with the sums of the
-- kept totals: v.clave is the code in their byte order (COLLATE "C", that
-- of saldosdias_importes_mes), then codvendedor, perteneceal, nombre_vend.
CREATE FUNCTION resultados_vendedores()
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT '(SELECT v.codvendedor COLLATE "C" AS clave, v.codvendedor, v.perteneceal, v.nombre_vend
             FROM vendedor v) v'
$$;

-- The lotteries' labels "code - name" keyed by code, read once per call
-- and looked up per row: a join with the lotteries lost the order the
-- rows were added up in.
CREATE FUNCTION resultados_etiquetas()
RETURNS jsonb
LANGUAGE sql STABLE AS $$
  SELECT coalesce(jsonb_object_agg(l.cod_lot, l.cod_lot || ' - ' || rtrim(l.desc_lot)), '{}')
    FROM loterias l
$$;

-- The signed pieces of a request per lottery and play kind, as a subquery
-- run with EXECUTE … USING the values of resultados_filtro, then the
-- months ($7) and days ($8) of resultados_tramos: per seller, lottery and
-- kind, amounts and `filas` (rows of an amount) that add up, over each
-- key, to the key's rows in the range. A key whose `filas` add up to 0 has
-- no row of an amount in the range. Without days to read (`con_dias`
-- false: whole months, or months whose other days hold nothing) the pieces
-- are the month rows alone, which the planner then adds up key after key
-- in the index's order instead of hashing them all.
CREATE FUNCTION resultados_piezas(con_dias boolean)
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT '(SELECT m.vendedor, m.cod_lot, m.tipo_jugada, m.total_venta AS venta, m.comision AS comi,
                  m.premios AS prem, m.filas
             FROM saldosdias_importes_mes m
            WHERE m.mes = ANY ($7)
              AND ($3::varchar IS NULL OR m.vendedor >= $3)
              AND ($4::varchar IS NULL OR m.vendedor <= $4)
              AND ($5::varchar IS NULL OR m.cod_lot = $5)
              AND m.tipo_jugada = ANY ($6)'
         || CASE WHEN con_dias THEN '
           UNION ALL
           SELECT s.vendedor COLLATE "C", s.cod_lot COLLATE "C", s.tipo_jugada COLLATE "C",
                  g.signo * s.total_venta, g.signo * s.comision,
                  g.signo * s.premios, g.signo
             FROM saldosdias s
            CROSS JOIN LATERAL (SELECT CASE WHEN s.fecha BETWEEN $1 AND $2 THEN 1 ELSE -1 END AS signo) g
            WHERE s.fecha = ANY ($8)
              AND ($3::varchar IS NULL OR s.vendedor >= $3)
              AND ($4::varchar IS NULL OR s.vendedor <= $4)
              AND ($5::varchar IS NULL OR s.cod_lot = $5)
              AND s.tipo_jugada = ANY ($6)
              AND (s.total_venta, s.comision, s.premios) <> (0, 0, 0)' ELSE '' END
         || ') p'
$$;

-- The condition on saldosdias_importes_dia d of a request per seller and
-- day, with the values of resultados_filtro ($1 to $4). It holds only days
-- with a row of an amount.
CREATE FUNCTION resultados_filtro_dia()
RETURNS text
LANGUAGE sql IMMUTABLE AS $$
  SELECT 'd.fecha BETWEEN $1 AND $2'
         ' AND ($3::varchar IS NULL OR d.vendedor >= $3)'
         ' AND ($4::varchar IS NULL OR d.vendedor <= $4)'
$$;

-- "5.- Resumido": one row per seller with results in the range, by code.
-- 0 code, 1 code " - " name (shown), 2 name, 3 group chief, 4 sales,
-- 5 commission, 6 prizes, 7 net.
CREATE FUNCTION rpt_res_ven_totales(xfechareport1 varchar, xfechareport2 varchar,
                                    xvendedor1 varchar, xvendedor2 varchar)
RETURNS TABLE (codvendedor varchar, vendedor varchar, nombre_vend varchar, perteneceal varchar,
               total_venta numeric, comision numeric, premios numeric, total numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, xvendedor1, xvendedor2);
BEGIN
  RETURN QUERY EXECUTE
    'SELECT v.codvendedor, (v.codvendedor || '' - '' || rtrim(v.nombre_vend))::varchar, v.nombre_vend,
            v.perteneceal, t.venta, t.comi, t.prem, t.venta - t.comi - t.prem
       FROM (SELECT d.vendedor, sum(d.total_venta) AS venta, sum(d.comision) AS comi,
                    sum(d.premios) AS prem
               FROM saldosdias_importes_dia d WHERE ' || resultados_filtro_dia() || '
              GROUP BY d.vendedor) t
       JOIN vendedor v ON v.codvendedor = t.vendedor
      ORDER BY v.codvendedor'
    USING p.desde, p.hasta, p.vdesde, p.vhasta;
END $$;

-- Totals per date of every seller, by date: 0 date, 1 sales,
-- 2 commission, 3 prizes, 4 net.
CREATE FUNCTION rpt_res_ven_total_gral(xfechareport1 varchar, xfechareport2 varchar)
RETURNS TABLE (fecha date, total_venta numeric, comision numeric, premios numeric, total numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, '', '');
BEGIN
  RETURN QUERY EXECUTE
    'SELECT d.fecha, sum(d.total_venta), sum(d.comision), sum(d.premios),
            sum(d.total_venta) - sum(d.comision) - sum(d.premios)
       FROM saldosdias_importes_dia d WHERE ' || resultados_filtro_dia() || '
      GROUP BY d.fecha
      ORDER BY d.fecha'
    USING p.desde, p.hasta, p.vdesde, p.vhasta;
END $$;

-- "0.- Por Loteria": one row per lottery and seller, the lottery's rows
-- together, by lottery and seller code; for one lottery (blank: all) and
-- one play mode (resultados_tipos). 0 lottery code, 1 seller code,
-- 2 seller code " - " name (shown), 3 seller name, 4 group chief,
-- 5 lottery name, 6 sales, 7 commission, 8 prizes, 9 net.
CREATE FUNCTION rpt_res_ven_loteria(xfechareport1 varchar, xfechareport2 varchar,
                                    xvendedor1 varchar, xvendedor2 varchar,
                                    xlaloteria varchar, xmodo varchar)
RETURNS TABLE (cod_lot varchar, codvendedor varchar, vendedor varchar, nombre_vend varchar,
               perteneceal varchar, desc_lot varchar,
               total_venta numeric, comision numeric, premios numeric, total numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, xvendedor1, xvendedor2);
  r record := resultados_tramos(p.desde, p.hasta);
BEGIN
  PERFORM resultados_lee_meses(cardinality(r.dias) = 0);
  RETURN QUERY EXECUTE
    'SELECT l.cod_lot, v.codvendedor, (v.codvendedor || '' - '' || rtrim(v.nombre_vend))::varchar,
            v.nombre_vend, v.perteneceal, l.desc_lot, t.venta, t.comi, t.prem, t.venta - t.comi - t.prem
       FROM (SELECT p.cod_lot, p.vendedor, sum(p.venta) AS venta, sum(p.comi) AS comi,
                    sum(p.prem) AS prem
               FROM ' || resultados_piezas(cardinality(r.dias) > 0) || '
              GROUP BY p.vendedor, p.cod_lot
             HAVING sum(p.filas) > 0) t
       JOIN loterias l ON l.cod_lot = t.cod_lot
       JOIN vendedor v ON v.codvendedor = t.vendedor
      ORDER BY t.cod_lot, t.vendedor'
    USING p.desde, p.hasta, p.vdesde, p.vhasta, resultados_loteria(xlaloteria), resultados_tipos(xmodo),
          r.meses, r.dias;
END $$;

-- "2.- Detallado": one row per seller and date, the seller's rows
-- together, by seller code and date. 0 seller code, 1 name, 2 group
-- chief, 3 date, 4 sales, 5 commission, 6 prizes, 7 net.
CREATE FUNCTION rpt_res_ven_totales_fecha(xfechareport1 varchar, xfechareport2 varchar,
                                          xvendedor1 varchar, xvendedor2 varchar)
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, perteneceal varchar, fecha date,
               total_venta numeric, comision numeric, premios numeric, total numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, xvendedor1, xvendedor2);
BEGIN
  RETURN QUERY EXECUTE
    'SELECT v.codvendedor, v.nombre_vend, v.perteneceal, t.fecha, t.venta, t.comi, t.prem, t.venta - t.comi - t.prem
       FROM (SELECT d.vendedor, d.fecha, d.total_venta AS venta, d.comision AS comi, d.premios AS prem
               FROM saldosdias_importes_dia d WHERE ' || resultados_filtro_dia() || ') t
       JOIN vendedor v ON v.codvendedor = t.vendedor
      ORDER BY v.codvendedor, t.fecha'
    USING p.desde, p.hasta, p.vdesde, p.vhasta;
END $$;

-- "6.- Tipo de Jugada": one row per seller, lottery and play kind, the
-- seller's rows together, by seller code, lottery and kind; for one
-- lottery (its three-character code; blank or empty: all). 0 seller code,
-- 1 group chief, 2 seller name, 3 lottery code, 4 lottery code " - " name
-- (shown), 5 play kind name, 6 sales, 7 commission, 8 prizes, 9 net.
-- A month of every seller is a few hundred thousand rows, added up in the
-- order of the monthly totals' key, which is the report's: they keep it to
-- the end (resultados_en_orden), so nothing sorts them again.
CREATE FUNCTION rpt_res_ven_resumido_loteria(xfechareport1 varchar, xfechareport2 varchar,
                                             xvendedor1 varchar, xvendedor2 varchar,
                                             xlaloteria varchar)
RETURNS TABLE (codvendedor varchar, perteneceal varchar, nombre_vend varchar, cod_lot varchar,
               loteria varchar, jugada varchar,
               total_venta numeric, comision numeric, premios numeric, total numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, xvendedor1, xvendedor2);
  r record := resultados_tramos(p.desde, p.hasta);
BEGIN
  PERFORM resultados_lee_meses(cardinality(r.dias) = 0);
  PERFORM resultados_en_orden();
  RETURN QUERY EXECUTE
    'SELECT v.codvendedor, v.perteneceal, v.nombre_vend, t.cod_lot, ($9 ->> t.cod_lot)::varchar,
            (CASE t.tipo_jugada WHEN ''1'' THEN ''Triples'' WHEN ''2'' THEN ''Terminales''
                                WHEN ''3'' THEN ''Digito'' WHEN ''4'' THEN ''Trip. Especial''
                                WHEN ''5'' THEN ''Term. Especial'' END)::varchar,
            t.venta, t.comi, t.prem, t.venta - t.comi - t.prem
       FROM (SELECT p.vendedor, p.cod_lot, p.tipo_jugada, sum(p.venta) AS venta,
                    sum(p.comi) AS comi, sum(p.prem) AS prem
               FROM ' || resultados_piezas(cardinality(r.dias) > 0) || '
              GROUP BY p.vendedor, p.cod_lot, p.tipo_jugada
             HAVING sum(p.filas) > 0) t
       JOIN ' || resultados_vendedores() || ' ON v.clave = t.vendedor
      ORDER BY t.vendedor, t.cod_lot, t.tipo_jugada'
    USING p.desde, p.hasta, p.vdesde, p.vhasta, resultados_loteria(xlaloteria), resultados_tipos('000'),
          r.meses, r.dias, resultados_etiquetas();
END $$;

-- "1.- Por Grupos": one row per seller of the group (perteneceal equal to
-- the group code, trimmed) within the seller range, by code; for one
-- lottery (blank: all). 0 seller code, 1 code " - " name, 2 the chief's
-- name, 3 sales, 4 commission, 5 prizes, 6 net, 7 seller name, 8 the
-- group code, 9 the chief's commission: each row's sales times the
-- seller's chief commission % for that lottery (ven_lot, or the seller's
-- own default without that row), rounded to 3 decimals per row and added
-- up, once per seller. A blank group selects nothing.
CREATE FUNCTION rpt_res_ven_GRUPOS(xfechareport1 varchar, xfechareport2 varchar,
                                   xvendedor1 varchar, xvendedor2 varchar,
                                   xgrupos1 varchar, xcodlot varchar)
RETURNS TABLE (codvendedor varchar, vendedor varchar, nombre_jefe varchar,
               total_venta numeric, comision numeric, premios numeric, total numeric,
               nombre_vend varchar, perteneceal varchar, comision_jefe numeric)
LANGUAGE plpgsql AS $$
DECLARE
  p record := resultados_pedido(xfechareport1, xfechareport2, xvendedor1, xvendedor2);
BEGIN
  RETURN QUERY EXECUTE
    'SELECT v.codvendedor, (v.codvendedor || '' - '' || rtrim(v.nombre_vend))::varchar, j.nombre_vend,
            t.venta, t.comi, t.prem, t.venta - t.comi - t.prem, v.nombre_vend, v.perteneceal, t.jefe
       FROM (SELECT s.vendedor, sum(s.total_venta) AS venta, sum(s.comision) AS comi,
                    sum(s.premios) AS prem,
                    sum(round(s.total_venta * coalesce(vl.comision_jefe, m.comision_jefe) / 100, 3)) AS jefe
               FROM saldosdias s
               JOIN vendedor m ON m.codvendedor = s.vendedor AND m.perteneceal = $7
               LEFT JOIN ven_lot vl ON vl.codvendedor = s.vendedor AND vl.cod_lot = s.cod_lot
              WHERE ' || resultados_filtro() || '
              GROUP BY s.vendedor) t
       JOIN vendedor v ON v.codvendedor = t.vendedor
       JOIN vendedor j ON j.codvendedor = v.perteneceal
      ORDER BY v.codvendedor'
    USING p.desde, p.hasta, p.vdesde, p.vhasta, resultados_loteria(xcodlot), resultados_tipos('000'),
          btrim(coalesce(xgrupos1, ''));
END $$;

-- dspven2 '2': the seller groups, one row per group chief that at least
-- one seller names in perteneceal, by the chief's code: 0 perteneceal (the
-- group's code, the chief's seller code), 1 nombre_vend (the chief's
-- name). A chief nobody names is not a group.
CREATE FUNCTION dspven2_modo2()
RETURNS TABLE (perteneceal varchar, nombre_vend varchar)
LANGUAGE sql STABLE AS $$
  SELECT j.codvendedor, j.nombre_vend
    FROM vendedor j
   WHERE EXISTS (SELECT 1 FROM vendedor m WHERE m.perteneceal = j.codvendedor)
   ORDER BY j.codvendedor
$$;
