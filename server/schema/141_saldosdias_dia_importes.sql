-- The daily sums of each seller's results carry the sales, commissions and
-- prizes beside the balance, so that the monthly summary chart adds up
-- sellers x days over a year instead of every lottery's and play kind's
-- row. The same statement triggers on saldosdias keep all four.
ALTER TABLE saldosdias_dia
  ADD COLUMN IF NOT EXISTS total_venta numeric(18,3) NOT NULL DEFAULT 0,
  ADD COLUMN IF NOT EXISTS comision    numeric(18,3) NOT NULL DEFAULT 0,
  ADD COLUMN IF NOT EXISTS premios     numeric(18,3) NOT NULL DEFAULT 0;

UPDATE saldosdias_dia d
SET total_venta = s.total_venta, comision = s.comision, premios = s.premios
FROM (SELECT vendedor, fecha, sum(total_venta) AS total_venta, sum(comision) AS comision,
             sum(premios) AS premios
      FROM saldosdias GROUP BY vendedor, fecha) s
WHERE d.vendedor = s.vendedor AND d.fecha = s.fecha;

-- Adds the signed amounts of (vendedor, fecha, total_venta, comision,
-- premios, subtotal) rows.
CREATE FUNCTION saldosdias_dia_suma(claves varchar[], fechas date[], ventas numeric[], comisiones numeric[],
                                    premios numeric[], importes numeric[])
RETURNS void
LANGUAGE sql
SET search_path = public, pg_temp AS $$
  INSERT INTO saldosdias_dia AS d (vendedor, fecha, total_venta, comision, premios, subtotal)
  SELECT k.v, k.f, sum(k.tv), sum(k.c), sum(k.p), sum(k.i)
  FROM unnest(claves, fechas, ventas, comisiones, premios, importes) AS k(v, f, tv, c, p, i)
  GROUP BY k.v, k.f
  ON CONFLICT (vendedor, fecha) DO UPDATE
  SET total_venta = d.total_venta + excluded.total_venta, comision = d.comision + excluded.comision,
      premios = d.premios + excluded.premios, subtotal = d.subtotal + excluded.subtotal;
  -- A day that no longer has a daily result of the seller is no day of his.
  DELETE FROM saldosdias_dia d
  USING (SELECT DISTINCT k.v, k.f FROM unnest(claves, fechas) AS k(v, f)) k
  WHERE d.vendedor = k.v AND d.fecha = k.f
    AND NOT EXISTS (SELECT 1 FROM saldosdias s WHERE s.vendedor = k.v AND s.fecha = k.f);
$$;

CREATE OR REPLACE FUNCTION saldosdias_dia_inserta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(n.vendedor), array_agg(n.fecha), array_agg(n.total_venta),
                              array_agg(n.comision), array_agg(n.premios), array_agg(n.subtotal))
  FROM nuevas n;
  RETURN NULL;
END $$;

CREATE OR REPLACE FUNCTION saldosdias_dia_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(x.vendedor), array_agg(x.fecha), array_agg(x.total_venta),
                              array_agg(x.comision), array_agg(x.premios), array_agg(x.subtotal))
  FROM (SELECT n.vendedor, n.fecha, n.total_venta, n.comision, n.premios, n.subtotal FROM nuevas n
        UNION ALL
        SELECT v.vendedor, v.fecha, -v.total_venta, -v.comision, -v.premios, -v.subtotal FROM viejas v) x;
  RETURN NULL;
END $$;

CREATE OR REPLACE FUNCTION saldosdias_dia_borra() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(v.vendedor), array_agg(v.fecha), array_agg(-v.total_venta),
                              array_agg(-v.comision), array_agg(-v.premios), array_agg(-v.subtotal))
  FROM viejas v;
  RETURN NULL;
END $$;

DROP FUNCTION saldosdias_dia_suma(varchar[], date[], numeric[]);
REVOKE EXECUTE ON FUNCTION saldosdias_dia_suma(varchar[], date[], numeric[], numeric[], numeric[], numeric[])
  FROM PUBLIC;
