-- The line-up: every seller's balance for a date (DspLup22, also spelled
-- DSPLUP22), a seller's line-up over a period (historicolup), the older
-- line-up (DspLupcap) and the collection of the daily loan instalments a
-- future date's line-up registers. server/README.md, "The line-up", gives
-- the rules; the client's actmem (src/core/actmem.h) follows the same ones.

-- The line-up rows of date `xfecha`, of every seller (xvendedor NULL) or of
-- one. The daily results come summed by seller and day (saldosdias_dia).
-- Run as dynamic SQL so that each call is planned with its values: one
-- seller's rows come through the indexes, every seller's through one pass
-- over the days and the movements up to the date.
CREATE FUNCTION lineup_calcula(xfecha date, xvendedor varchar)
RETURNS TABLE (codven varchar, nomven varchar, fecha varchar, deuda numeric, cuenta numeric,
               movimiento numeric, deposito numeric, total numeric, saldoprestamo numeric,
               saldogragral numeric)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  RETURN QUERY EXECUTE $q$
    WITH juego AS (
      SELECT s.vendedor,
             coalesce(sum(s.subtotal) FILTER (WHERE s.fecha < $1), 0) AS antes,
             coalesce(sum(s.subtotal) FILTER (WHERE s.fecha = $1), 0) AS hoy,
             max(s.fecha) FILTER (WHERE s.fecha < $1) AS ultima
      FROM saldosdias_dia s
      WHERE s.fecha <= $1 AND ($2 IS NULL OR s.vendedor = $2)
      GROUP BY s.vendedor),
    mov AS (
      SELECT m.codvendedor,
             coalesce(sum(t.pago) FILTER (WHERE m.fecha_mov < $1), 0) AS pagos_antes,
             coalesce(sum(t.pago) FILTER (WHERE m.fecha_mov = $1), 0) AS pagos_hoy,
             coalesce(sum(m.monto_mov) FILTER (WHERE t.tipo = '3' AND m.fecha_mov = $1), 0) AS abonos_hoy,
             coalesce(sum(m.monto_mov) FILTER (WHERE t.tipo = '5' AND m.fecha_mov = $1), 0) AS cuotas_hoy,
             coalesce(sum(t.prestamo), 0) AS prestamo,
             max(m.fecha_mov) FILTER (WHERE m.fecha_mov < $1) AS ultima
      FROM movimientos m
      CROSS JOIN LATERAL (
        SELECT left(m.descri_mov, 1) AS tipo,
               CASE left(m.descri_mov, 1) WHEN '0' THEN m.monto_mov WHEN '1' THEN -m.monto_mov ELSE 0 END AS pago,
               CASE left(m.descri_mov, 1) WHEN '2' THEN m.monto_mov
                                          WHEN '3' THEN -m.monto_mov
                                          WHEN '5' THEN -m.monto_mov ELSE 0 END AS prestamo) t
      WHERE m.fecha_mov <= $1 AND ($2 IS NULL OR m.codvendedor = $2)
      GROUP BY m.codvendedor),
    fila AS (
      SELECT v.codvendedor, v.nombre_vend,
             greatest(j.ultima, m.ultima) AS ultima,
             coalesce(j.antes, 0) - coalesce(m.pagos_antes, 0) AS deuda,
             coalesce(j.hoy, 0) AS juego,
             coalesce(m.cuotas_hoy, 0) AS cuotas,
             coalesce(m.abonos_hoy, 0) AS abonos,
             coalesce(m.pagos_hoy, 0) AS pagos,
             coalesce(m.prestamo, 0) AS prestamo
      FROM vendedor v
      LEFT JOIN juego j ON j.vendedor = v.codvendedor
      LEFT JOIN mov m ON m.codvendedor = v.codvendedor
      WHERE $2 IS NULL OR v.codvendedor = $2)
    SELECT f.codvendedor::varchar, f.nombre_vend::varchar,
           coalesce(to_char(f.ultima, 'DD/MM/YYYY'), '')::varchar,
           f.deuda::numeric(18,3),
           (f.juego + f.cuotas)::numeric(18,3),
           f.abonos::numeric(18,3),
           f.pagos::numeric(18,3),
           (f.deuda + f.juego - f.pagos)::numeric(18,3),
           f.prestamo::numeric(18,3),
           (f.deuda + f.juego - f.pagos + f.prestamo)::numeric(18,3)
    FROM fila f
    ORDER BY f.codvendedor
  $q$ USING xfecha, xvendedor;
END $$;

-- Collects the daily instalments of date `xfecha` once: for each loan not
-- paid off, with a daily instalment, granted before that date and without
-- an instalment of that date, a type-5 movement of the instalment (no more
-- than what is left of the loan) and its cuotasdiarias row. The loans are
-- locked while this runs, so two line-ups of one date wait for each other
-- and the second finds the instalments collected. Answers how many were.
CREATE FUNCTION lineup_cobra_cuotas(xfecha date)
RETURNS integer
LANGUAGE plpgsql AS $$
DECLARE
  p record;
  cobrado numeric;
  monto numeric;
  nro varchar;
  cobradas integer := 0;
BEGIN
  FOR p IN
    SELECT pr.nroprestamo, pr.codvendedor, pr.monto_prestamo, pr.cuota_diaria
    FROM prestamos pr
    WHERE pr.saldado = 'N' AND pr.cuota_diaria > 0 AND pr.fecha_prestamo < xfecha
    ORDER BY pr.nroprestamo
    FOR UPDATE
  LOOP
    CONTINUE WHEN EXISTS (SELECT 1 FROM cuotasdiarias c
                          WHERE c.nroprestamo = p.nroprestamo AND c.fecha = xfecha);
    SELECT coalesce(sum(c.monto), 0) INTO cobrado FROM cuotasdiarias c WHERE c.nroprestamo = p.nroprestamo;
    monto := least(p.cuota_diaria, p.monto_prestamo - cobrado);
    IF monto > 0 THEN
      LOOP
        nro := 'CD' || lpad(nextval('cuotadiaria_nro')::text, 8, '0');
        EXIT WHEN NOT EXISTS (SELECT 1 FROM movimientos m WHERE m.nromov = nro);
      END LOOP;
      INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor, observa_mov)
      VALUES (nro, '5.- Pago Cuota Diaria', monto, xfecha, reloj_servidor()::time(0), p.codvendedor,
              'Cuota diaria del prestamo ' || p.nroprestamo);
      INSERT INTO cuotasdiarias (nroprestamo, fecha, monto, nromov) VALUES (p.nroprestamo, xfecha, monto, nro);
      cobradas := cobradas + 1;
      cobrado := cobrado + monto;
    END IF;
    IF cobrado >= p.monto_prestamo THEN
      UPDATE prestamos SET saldado = 'S' WHERE nroprestamo = p.nroprestamo;
    END IF;
  END LOOP;
  RETURN cobradas;
END $$;

-- DspLup22 'dd/mm/yyyy' (typed: @xfecmov): the line-up of the date, one
-- row per seller by code. A date later than the server date first collects
-- that date's daily instalments (once). A text that is no date is an error.
CREATE FUNCTION DspLup22(xfecmov varchar)
RETURNS TABLE (codven varchar, nomven varchar, fecha varchar, deuda numeric, cuenta numeric,
               movimiento numeric, deposito numeric, total numeric, saldoprestamo numeric,
               saldogragral numeric)
LANGUAGE plpgsql AS $$
DECLARE
  dia date := lee_fecha(xfecmov, 'fecha del line up');
BEGIN
  IF dia > reloj_servidor()::date THEN
    PERFORM lineup_cobra_cuotas(dia);
  END IF;
  RETURN QUERY SELECT * FROM lineup_calcula(dia, NULL);
END $$;

-- historicolup 'seller', 'from', 'to': the seller's line-up rows, by the
-- rules of DspLup22, for each date of the period on which he has a daily
-- result or a movement, oldest first. Registers nothing. Each row names its
-- own date in `fecha` (the history's "Ultima Fec." column), where the
-- line-up of one date names the date before it: in a list of dates the
-- operator must see which date each row is.
CREATE FUNCTION historicolup(xvendedor varchar, xdesde varchar, xhasta varchar)
RETURNS TABLE (codven varchar, nomven varchar, fecha varchar, deuda numeric, cuenta numeric,
               movimiento numeric, deposito numeric, total numeric, saldoprestamo numeric,
               saldogragral numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  desde date := lee_fecha(xdesde, 'fecha desde');
  hasta date := lee_fecha(xhasta, 'fecha hasta');
  cod varchar := btrim(coalesce(xvendedor, ''));
  dia date;
BEGIN
  FOR dia IN
    SELECT x.f FROM (
      SELECT s.fecha AS f FROM saldosdias_dia s WHERE s.vendedor = cod AND s.fecha BETWEEN desde AND hasta
      UNION
      SELECT m.fecha_mov FROM movimientos m WHERE m.codvendedor = cod AND m.fecha_mov BETWEEN desde AND hasta
    ) x
    ORDER BY x.f
  LOOP
    RETURN QUERY
      SELECT l.codven, l.nomven, to_char(dia, 'DD/MM/YYYY')::varchar, l.deuda, l.cuenta, l.movimiento,
             l.deposito, l.total, l.saldoprestamo, l.saldogragral
      FROM lineup_calcula(dia, cod) l;
  END LOOP;
END $$;

-- DspLupcap 'dd/mm/yyyy': the older line-up, which nothing reaches: the
-- line-up of the date (registering nothing) with the seller as code and
-- name, and the daily instalments of the date and of the server date.
CREATE FUNCTION DspLupcap(xfecha varchar)
RETURNS TABLE (vendedor varchar, fecha varchar, deuda numeric, cuenta numeric, cuotafecha numeric,
               cuotahoy numeric, deposito numeric, total numeric, saldoprestamo numeric,
               saldogragral numeric)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  dia date := lee_fecha(xfecha, 'fecha del line up');
  hoy date := reloj_servidor()::date;
BEGIN
  RETURN QUERY
    SELECT (l.codven || ' - ' || l.nomven)::varchar, l.fecha, l.deuda, l.cuenta,
           coalesce((SELECT sum(m.monto_mov) FROM movimientos m
                     WHERE m.codvendedor = l.codven AND m.fecha_mov = dia AND m.descri_mov LIKE '5%'), 0)::numeric(18,3),
           coalesce((SELECT sum(m.monto_mov) FROM movimientos m
                     WHERE m.codvendedor = l.codven AND m.fecha_mov = hoy AND m.descri_mov LIKE '5%'), 0)::numeric(18,3),
           l.deposito, l.total, l.saldoprestamo, l.saldogragral
    FROM lineup_calcula(dia, NULL) l;
END $$;
