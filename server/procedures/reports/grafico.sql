-- devuelvegraficar year, first seller, last seller, months, options: the
-- monthly figures of the summary chart, one row per month asked for, in
-- calendar order, zeros for a month without results. The months are one
-- character each, "1"-"9" January to September, "A" "B" "C" October to
-- December; an empty text asks for all twelve. The sellers are a range of
-- codes; an empty end leaves that end open. A year that is not four
-- figures gives no rows.
--
-- Sales, prizes, commissions and their balance come from the daily results
-- (saldosdias), as the seller results report reads them, so both agree for
-- the same month and sellers; they are read summed per seller and day
-- (saldosdias_dia, kept by triggers on saldosdias), so that a year reads
-- sellers x days rather than every lottery's and play kind's row. Expenses
-- come from the sellers' expenses; the net result is the balance less the
-- expenses. The options are always "12345" (every figure) and are not read.
CREATE FUNCTION devuelvegraficar(xanio varchar, xvended varchar, xvendeh varchar, xmeses varchar,
                                 xopciones varchar)
RETURNS TABLE (nromes integer, mes text, ventas numeric, premios numeric, Comision numeric,
               saldos numeric, gastos numeric, saldototal numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  anio text := btrim(coalesce(xanio, ''));
  desde text := btrim(coalesce(xvended, ''));
  hasta text := btrim(coalesce(xvendeh, ''));
  codigos text := upper(btrim(coalesce(xmeses, '')));
  pedidos integer[];
BEGIN
  -- The window sends the year as typed: one that is no year has no
  -- figures (the window keeps its drawing).
  IF anio !~ '^[0-9]{4}$' OR anio::integer < 1 THEN
    RETURN;
  END IF;
  IF codigos = '' THEN
    codigos := '123456789ABC';
  END IF;
  IF codigos !~ '^[1-9A-C]+$' THEN
    RAISE EXCEPTION 'devuelvegraficar: meses invalidos "%"', xmeses;
  END IF;
  SELECT array_agg(DISTINCT strpos('123456789ABC', c)) INTO pedidos
  FROM regexp_split_to_table(codigos, '') AS c;

  RETURN QUERY
    WITH meses AS (
      SELECT m, make_date(anio::integer, m, 1) AS inicio
      FROM unnest(pedidos) AS m
    ),
    -- The daily results summed per seller and day: the amounts from
    -- saldosdias_importes_dia, the balance from saldosdias_dia.
    importes AS (
      SELECT date_part('month', s.fecha)::integer AS m, sum(s.total_venta) AS venta,
             sum(s.premios) AS premio, sum(s.comision) AS comi
      FROM saldosdias_importes_dia s
      WHERE s.fecha >= make_date(anio::integer, 1, 1) AND s.fecha < make_date(anio::integer + 1, 1, 1)
        AND (desde = '' OR s.vendedor >= desde) AND (hasta = '' OR s.vendedor <= hasta)
      GROUP BY 1
    ),
    saldos AS (
      SELECT date_part('month', s.fecha)::integer AS m, sum(s.subtotal) AS saldo
      FROM saldosdias_dia s
      WHERE s.fecha >= make_date(anio::integer, 1, 1) AND s.fecha < make_date(anio::integer + 1, 1, 1)
        AND (desde = '' OR s.vendedor >= desde) AND (hasta = '' OR s.vendedor <= hasta)
      GROUP BY 1
    ),
    egresos AS (
      SELECT date_part('month', g.fecha_gasto)::integer AS m, sum(g.monto_gasto) AS gasto
      FROM gastosvendedor g
      WHERE g.fecha_gasto >= make_date(anio::integer, 1, 1)
        AND g.fecha_gasto < make_date(anio::integer + 1, 1, 1)
        AND (desde = '' OR g.codvendedor >= desde) AND (hasta = '' OR g.codvendedor <= hasta)
      GROUP BY 1
    )
    SELECT ms.m,
           (ARRAY['Ene', 'Feb', 'Mar', 'Abr', 'May', 'Jun', 'Jul', 'Ago', 'Sep', 'Oct', 'Nov',
                  'Dic'])[ms.m],
           coalesce(r.venta, 0), coalesce(r.premio, 0), coalesce(r.comi, 0), coalesce(b.saldo, 0),
           coalesce(e.gasto, 0), coalesce(b.saldo, 0) - coalesce(e.gasto, 0)
    FROM meses ms
    LEFT JOIN importes r ON r.m = ms.m
    LEFT JOIN saldos b ON b.m = ms.m
    LEFT JOIN egresos e ON e.m = ms.m
    ORDER BY ms.m;
END $$;
