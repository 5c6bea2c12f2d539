-- The per-day sums of saldosdias_dia follow an update of the daily results
-- through the seller-days whose result changed, or that gained or lost
-- rows, instead of through every updated row: the tax processing rewrites
-- every row of a day without touching its result, and then has nothing to
-- pass on.
CREATE OR REPLACE FUNCTION saldosdias_dia_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(c.vendedor), array_agg(c.fecha), array_agg(c.cambio))
     FROM (SELECT coalesce(n.vendedor, v.vendedor) AS vendedor, coalesce(n.fecha, v.fecha) AS fecha,
                  coalesce(n.total, 0) - coalesce(v.total, 0) AS cambio
             FROM (SELECT x.vendedor, x.fecha, sum(x.subtotal) AS total, count(*) AS filas
                     FROM nuevas x GROUP BY x.vendedor, x.fecha) n
             FULL JOIN (SELECT x.vendedor, x.fecha, sum(x.subtotal) AS total, count(*) AS filas
                          FROM viejas x GROUP BY x.vendedor, x.fecha) v
               ON v.vendedor = n.vendedor AND v.fecha = n.fecha
            WHERE n.vendedor IS NULL OR v.vendedor IS NULL OR n.total <> v.total OR n.filas <> v.filas) c;
  RETURN NULL;
END $$;
