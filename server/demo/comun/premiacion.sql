-- The award of the synthetic days of ventas.sql, run right after it with the
-- same psql variables (premiados_hasta, impuestos_hasta, semilla) and its
-- tickets (v_tickets) and hash (pg_temp.azar): the days up to
-- premiados_hasta go through the prize processing itself (Procesepremios2),
-- so their prizes and daily results are what a re-processing finds; then
-- prized tickets of the days before the last awarded one are mostly paid,
-- the next morning, by the first operator of the house, and the taxes of
-- the days up to impuestos_hasta go through the tax processing
-- (Proceseimpuestos) at the rates in force.

ANALYZE premiar, tickets, jugadasticket, ventas_jugadas, saldosdias;

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

UPDATE tickets t
   SET pagado = 'S',
       fechapago = t.fechaticket + 1 + time '09:00'
                   + pg_temp.azar(v.k, :semilla * 64 + 30, 28800) * interval '1 second',
       operadorpago = o.operador
  FROM v_tickets v, (SELECT min(operador) AS operador FROM operador) o
 WHERE v.codvendedor = t.codvendedor AND v.nroticket = t.nroticket
   AND t.premiado = 'S' AND o.operador IS NOT NULL
   AND t.fechaticket < :'premiados_hasta'::date
   AND pg_temp.azar(v.k, :semilla * 64 + 31, 10) < 7;

-- The taxes go through the tax processing itself, so the stored columns
-- are what a re-processing of the day writes.
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

DROP TABLE v_tickets, v_procesos, v_impuestos;
DROP FUNCTION pg_temp.azar(bigint, integer, integer);
