-- The award of the synthetic days of ventas.sql, run right after it with the
-- same psql variables (premiados_hasta, impuestos_hasta, semilla) and its
-- tickets (v_tickets) and hash (pg_temp.azar): the days up to
-- premiados_hasta go through the prize processing itself (Procesepremios2),
-- so their prizes and daily results are what a re-processing finds; then
-- prized tickets of the days before the last awarded one are mostly paid,
-- the next morning, by the first operator of the house, and the taxes of
-- the days up to impuestos_hasta are processed at the rates in force.

ANALYZE premiar, tickets, jugadasticket, saldosdias;

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

UPDATE saldosdias s
   SET impuestos_procesados = 'S',
       codigo_junta = l.codigo_junta,
       tasa_junta = coalesce(ju.tasa_junta, 0),
       impuesto_junta = round(s.total_venta * coalesce(ju.tasa_junta, 0) / 100, 3),
       codigo_operadora = l.codigo_operadora,
       tasa_operadora = l.impuesto,
       impuesto_operadora = round(s.total_venta * l.impuesto / 100, 3),
       codigo_alcaldia = v.codigo_alcaldia,
       codigo_gobernacion = CASE WHEN v.codigo_alcaldia IS NOT NULL THEN v.codigo_gobernacion END,
       tasa_alcaldia = coalesce(a.tasa_alcaldia, 0),
       impuesto_alcaldia = round(s.total_venta * coalesce(a.tasa_alcaldia, 0) / 100, 3),
       tasa_venta = coalesce(pb.tasa_venta, 0),
       impuesto_venta = round(s.total_venta * coalesce(pb.tasa_venta, 0) / 100, 3),
       tasa_premio = coalesce(pb.tasa_premio, 0),
       impuesto_premio = round(s.premios * coalesce(pb.tasa_premio, 0) / 100, 3)
  FROM loterias l
  LEFT JOIN juntas ju ON ju.codigo_junta = l.codigo_junta,
       vendedor v
  LEFT JOIN alcaldia a ON a.codigo_alcaldia = v.codigo_alcaldia
                      AND a.codigo_gobernacion = v.codigo_gobernacion
  LEFT JOIN parametrosbanca pb ON pb.id = 1
 WHERE l.cod_lot = s.cod_lot AND v.codvendedor = s.vendedor
   AND s.fecha <= :'impuestos_hasta'::date;

DROP TABLE v_tickets, v_procesos;
DROP FUNCTION pg_temp.azar(bigint, integer, integer);
