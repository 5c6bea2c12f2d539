-- The award of the synthetic days of ventas.sql, run after it with the same
-- psql variables (desde, tickets_dia, premiados_hasta, impuestos_hasta,
-- semilla), in the same session or another: the days up to
-- premiados_hasta go through the prize processing itself (Procesepremios2),
-- so their prizes and daily results are what a re-processing finds; then
-- prized tickets of the days before the last awarded one are mostly paid,
-- the next morning, by the first operator of the house, and the taxes of
-- the days up to impuestos_hasta go through the tax processing
-- (Proceseimpuestos) at the rates in force.

CREATE FUNCTION pg_temp.azar(clave bigint, sal integer, n integer) RETURNS integer
LANGUAGE sql IMMUTABLE PARALLEL SAFE
AS 'SELECT ((hashint8extended(clave, sal) & 2147483647) % n)::integer';

ANALYZE premiar, tickets, jugadasticket, ventas_jugadas, saldosdias;

SELECT clock_timestamp() AS t0 \gset
CREATE TEMP TABLE v_procesos AS
SELECT d.fecha, proc.Procesepremios2(to_char(d.fecha, 'DD/MM/YYYY')) AS codigo
FROM (SELECT DISTINCT fechapremio AS fecha FROM premiar
       WHERE fechapremio <= :'premiados_hasta'::date ORDER BY 1) d;

DO $$
DECLARE
  malo record;
BEGIN
  SELECT * INTO malo FROM v_procesos WHERE codigo <> 0 LIMIT 1;
  IF FOUND THEN
    RAISE EXCEPTION 'processing the prizes of % answered %', malo.fecha, malo.codigo;
  END IF;
END $$;

-- A ticket's hash key, as ventas.sql numbered it: the seller's number
-- among the active sellers with sale-point users, the day, the ticket of
-- the day.
\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('saldosdias', :'t0', clock_timestamp());
\endif

SELECT clock_timestamp() AS t0 \gset
UPDATE tickets t
   SET pagado = 'S',
       fechapago = t.fechaticket + 1 + time '09:00'
                   + pg_temp.azar(p.k, :semilla * 64 + 30, 28800) * interval '1 second',
       operadorpago = o.operador
  FROM (SELECT x.codvendedor, x.nroticket,
               (v.i * 100000 + (x.fechaticket - :'desde'::date)) * 10000
                 + (x.nroticket::bigint - (x.fechaticket - :'desde'::date) * :tickets_dia) AS k
          FROM tickets x
          JOIN (SELECT v.codvendedor, row_number() OVER (ORDER BY v.codvendedor) AS i
                  FROM vendedor v
                 WHERE v.estado_vend = '1'
                   AND EXISTS (SELECT FROM usuarios u WHERE u.codvendedor = v.codvendedor)) v USING (codvendedor)
         WHERE x.premiado = 'S' AND x.fechaticket < :'premiados_hasta'::date) p,
       (SELECT min(operador) AS operador FROM operador) o
 WHERE p.codvendedor = t.codvendedor AND p.nroticket = t.nroticket
   AND t.premiado = 'S' AND o.operador IS NOT NULL
   AND t.fechaticket < :'premiados_hasta'::date
   AND pg_temp.azar(p.k, :semilla * 64 + 31, 10) < 7;

\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('pagos', :'t0', clock_timestamp());
\endif

-- The taxes go through the tax processing itself, so the stored columns
-- are what a re-processing of the day writes.
SELECT clock_timestamp() AS t0 \gset
CREATE TEMP TABLE v_impuestos AS
SELECT d.fecha, proc.Proceseimpuestos(to_char(d.fecha, 'DD/MM/YYYY')) AS codigo
FROM (SELECT DISTINCT fecha FROM saldosdias
       WHERE fecha <= :'impuestos_hasta'::date ORDER BY 1) d;

DO $$
DECLARE
  malo record;
BEGIN
  SELECT * INTO malo FROM v_impuestos WHERE codigo <> 0 LIMIT 1;
  IF FOUND THEN
    RAISE EXCEPTION 'processing the taxes of % answered %', malo.fecha, malo.codigo;
  END IF;
END $$;

\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('impuestos', :'t0', clock_timestamp());
\endif

DROP TABLE v_procesos, v_impuestos;
DROP FUNCTION pg_temp.azar(bigint, integer, integer);
