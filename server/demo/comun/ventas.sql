-- Synthetic activity of a head office over a run of days, for the demo data
-- and the volume-data generator: draw results, tickets with their plays and
-- prizes, the sellers' daily results with their taxes, money movements,
-- loans with daily instalments, and expenses. It works on the catalogue
-- already in the database (lotteries with their sale days and closing
-- hours, special plays, sellers with their sale-point users, accounts).
--
-- psql variables:
--   desde, hasta        first and last sale date (ISO text)
--   resultados_hasta    last date whose draw results are recorded
--   premiados_hasta     last date whose prizes are awarded (daily results)
--   impuestos_hasta     last date whose taxes are processed
--   tickets_dia         tickets per seller and day
--   jugadas_ticket      average plays per ticket
--   semilla             seed: the same seed gives the same data
--   parte, partes       optional: this run makes the sellers' activity of
--                       one part of partes (the sellers numbered i with
--                       (i - 1) % partes = parte), and part 0 the draw
--                       results too, so that several sessions can make
--                       the parts at once; without them, everything
--   tiempos             optional: each large insert's start and end are
--                       written to generador.tiempos (the volume generator)
--
-- Every choice comes from a hash of the row's identity and the seed, so the
-- result does not depend on the order in which the server produces rows.
-- Tickets and plays go in without prizes; premiacion.sql, run next, awards
-- the days through the prize processing itself.

\if :{?partes}
\else
\set partes 1
\set parte 0
\endif

CREATE FUNCTION pg_temp.azar(clave bigint, sal integer, n integer) RETURNS integer
LANGUAGE sql IMMUTABLE PARALLEL SAFE
AS 'SELECT ((hashint8extended(clave, sal) & 2147483647) % n)::integer';

-- A random number of `cifras` figures, as text with leading zeros.
CREATE FUNCTION pg_temp.cifras(clave bigint, sal integer, cifras integer) RETURNS varchar
LANGUAGE sql IMMUTABLE PARALLEL SAFE
AS 'SELECT lpad(pg_temp.azar(clave, sal, (10 ^ cifras)::integer)::text, cifras, ''0'')';

CREATE TEMP TABLE v_dias AS
SELECT d::date AS fecha, d::date - :'desde'::date AS dia, extract(isodow FROM d)::integer AS dow
FROM generate_series(:'desde'::date, :'hasta'::date, interval '1 day') d;
ANALYZE v_dias;

-- The lotteries sold each day, latest closing first: the lotteries still open
-- at a moment of the day are the first m of them.
CREATE TEMP TABLE v_lotdia AS
SELECT d.fecha, l.cod_lot, c.cierre,
       row_number() OVER (PARTITION BY d.fecha ORDER BY c.cierre DESC, l.cod_lot) - 1 AS n
FROM v_dias d
CROSS JOIN loterias l
CROSS JOIN LATERAL (
  SELECT (ARRAY[l.dia_1, l.dia_2, l.dia_3, l.dia_4, l.dia_5, l.dia_6, l.dia_7])[d.dow] AS vende,
         (ARRAY[l.hora_1, l.hora_2, l.hora_3, l.hora_4, l.hora_5, l.hora_6, l.hora_7])[d.dow] AS cierre) c
WHERE c.vende = 'S' AND c.cierre IS NOT NULL AND l.estado_act = 'A' AND l.jueganormal = 'S';
ANALYZE v_lotdia;

-- Quarter hours of selling from 08:00, each with the number of lotteries
-- that stay open through it.
CREATE TEMP TABLE v_franjas AS
SELECT fecha, inicio, m, row_number() OVER (PARTITION BY fecha ORDER BY inicio) - 1 AS f
FROM (
  SELECT d.fecha, time '08:00' + q * interval '15 minutes' AS inicio,
         (SELECT count(*)::integer FROM v_lotdia x
           WHERE x.fecha = d.fecha AND x.cierre >= time '08:00' + (q + 1) * interval '15 minutes') AS m
  FROM v_dias d CROSS JOIN generate_series(0, 59) q
) s
WHERE m > 0;
ANALYZE v_franjas;
CREATE TEMP TABLE v_nfranjas AS SELECT fecha, count(*)::integer AS k FROM v_franjas GROUP BY fecha;
ANALYZE v_nfranjas;

-- The lotteries' special plays that have details, and their details.
CREATE TEMP TABLE v_especiales AS
SELECT e.cod_lot, array_agg(e.especial ORDER BY e.especial) AS especiales
FROM lotespec e JOIN loterias l USING (cod_lot)
WHERE l.juegaespecial = 'S' AND EXISTS (SELECT FROM jugadeta d WHERE d.especial = e.especial)
GROUP BY e.cod_lot;
ANALYZE v_especiales;
CREATE TEMP TABLE v_detalles AS
SELECT especial, array_agg(jugada ORDER BY jugada) AS jugadas FROM jugadeta GROUP BY especial;
ANALYZE v_detalles;

-- Active sellers that have sale-point users, numbered; those of this part.
CREATE TEMP TABLE v_vend AS
SELECT * FROM (
  SELECT v.codvendedor, row_number() OVER (ORDER BY v.codvendedor) AS i, u.usuarios
  FROM vendedor v
  JOIN (SELECT codvendedor, array_agg(usuario ORDER BY usuario) AS usuarios
          FROM usuarios GROUP BY codvendedor) u USING (codvendedor)
  WHERE v.estado_vend = '1'
) v
WHERE (v.i - 1) % :partes = :parte;
ANALYZE v_vend;

-- Draw results: three triples, the terminals and the digit that follow
-- from them, and a special play with its detail where the lottery has one.
SELECT clock_timestamp() AS t0 \gset
INSERT INTO premiar (cod_lot, fechapremio, horapremio, pri_triple, seg_triple, ter_triple,
                     pri_terminal, seg_terminal, ter_terminal, prem_digito,
                     triple_especial, terminal_especial, especial, jugada, procesado)
SELECT r.cod_lot, r.fecha, r.cierre + interval '15 minutes', r.t1, r.t2, r.t3,
       right(r.t1, 2), left(r.t1, 2), right(r.t2, 2), right(r.t1, 1),
       CASE WHEN r.especial IS NOT NULL THEN r.te END,
       CASE WHEN r.especial IS NOT NULL THEN right(r.te, 2) END,
       r.especial,
       CASE WHEN r.especial IS NOT NULL
            THEN dt.jugadas[1 + pg_temp.azar(r.k, :semilla * 64 + 6, cardinality(dt.jugadas))] END,
       'N'
FROM (
  SELECT ld.cod_lot, ld.fecha, ld.cierre, k.k,
         pg_temp.cifras(k.k, :semilla * 64 + 1, 3) AS t1,
         pg_temp.cifras(k.k, :semilla * 64 + 2, 3) AS t2,
         pg_temp.cifras(k.k, :semilla * 64 + 3, 3) AS t3,
         pg_temp.cifras(k.k, :semilla * 64 + 4, 3) AS te,
         es.especiales[1 + pg_temp.azar(k.k, :semilla * 64 + 5, cardinality(es.especiales))] AS especial
  FROM v_lotdia ld
  JOIN v_dias d USING (fecha)
  CROSS JOIN LATERAL (SELECT (d.dia + 1)::bigint * 16777216 + ascii(substr(ld.cod_lot, 1, 1)) * 65536
                             + ascii(substr(ld.cod_lot, 2, 1)) * 256 + ascii(substr(ld.cod_lot, 3, 1)) AS k) k
  LEFT JOIN v_especiales es USING (cod_lot)
  WHERE ld.fecha <= :'resultados_hasta'::date
) r
LEFT JOIN v_detalles dt ON dt.especial = r.especial
WHERE :parte = 0;
\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('premiar', :'t0', clock_timestamp());
\endif

-- Tickets: an hour in a quarter where some lottery is open, a sale-point
-- user of the seller, a printed serial, one in a hundred annulled.
CREATE TEMP TABLE v_tickets AS
SELECT t.codvendedor, t.fecha, t.k, t.anulado, t.nplays, f.m,
       lpad((t.dia * :tickets_dia + t.n)::text, 10, '0') AS nroticket,
       t.usuarios[1 + pg_temp.azar(t.k, :semilla * 64 + 10, cardinality(t.usuarios))] AS usuario,
       upper(lpad(to_hex(hashint8extended(t.k, :semilla * 64 + 11)), 16, '0')) AS serial,
       f.inicio + pg_temp.azar(t.k, :semilla * 64 + 12, 900) * interval '1 second' AS horaticket
FROM (
  SELECT v.codvendedor, v.usuarios, d.fecha, d.dia, n, nf.k AS nfranjas,
         (v.i * 100000 + d.dia) * 10000 + n AS k,
         CASE WHEN pg_temp.azar((v.i * 100000 + d.dia) * 10000 + n, :semilla * 64 + 13, 100) = 0
              THEN 'S' ELSE 'N' END AS anulado,
         1 + pg_temp.azar((v.i * 100000 + d.dia) * 10000 + n, :semilla * 64 + 14,
                          2 * :jugadas_ticket - 1) AS nplays
  FROM v_vend v
  CROSS JOIN v_dias d
  JOIN v_nfranjas nf USING (fecha)
  CROSS JOIN generate_series(1, :tickets_dia) n
) t
JOIN v_franjas f ON f.fecha = t.fecha AND f.f = pg_temp.azar(t.k, :semilla * 64 + 15, t.nfranjas);
ANALYZE v_tickets;

-- Plays: a lottery open at the ticket's hour; mostly triples and
-- terminales, some digits and special plays where the lottery takes them.
CREATE TEMP TABLE v_jugadas AS
SELECT p.codvendedor, p.nroticket, p.linea, p.fecha, p.cod_lot, p.anulado,
       k.tipo_jugada, p.numero_base, k.cifras, k.especial,
       CASE WHEN k.especial IS NOT NULL
            THEN dt.jugadas[1 + pg_temp.azar(p.pk, :semilla * 64 + 20, cardinality(dt.jugadas))] END AS jugada,
       (ARRAY[5, 10, 10, 20, 20, 25, 50, 50, 100, 200])[1 + pg_temp.azar(p.pk, :semilla * 64 + 21, 10)]::numeric AS monto,
       p.pk
FROM (
  SELECT t.codvendedor, t.nroticket, t.fecha, t.anulado, g.linea, t.k * 64 + g.linea AS pk,
         ld.cod_lot, l.juegadigito, es.especiales,
         pg_temp.azar(t.k * 64 + g.linea, :semilla * 64 + 22, 100) AS r,
         pg_temp.azar(t.k * 64 + g.linea, :semilla * 64 + 23, 1000) AS numero_base
  FROM v_tickets t
  CROSS JOIN LATERAL generate_series(1, t.nplays) g(linea)
  JOIN v_lotdia ld ON ld.fecha = t.fecha AND ld.n = pg_temp.azar(t.k * 64 + g.linea, :semilla * 64 + 24, t.m)
  JOIN loterias l ON l.cod_lot = ld.cod_lot
  LEFT JOIN v_especiales es ON es.cod_lot = ld.cod_lot
) p
CROSS JOIN LATERAL (
  SELECT CASE WHEN p.r < 10 AND p.especiales IS NOT NULL THEN '2' ELSE '1' END AS tipo_jugada,
         CASE WHEN p.r < 10 AND p.especiales IS NOT NULL
              THEN p.especiales[1 + pg_temp.azar(p.pk, :semilla * 64 + 25, cardinality(p.especiales))] END AS especial,
         CASE WHEN p.r < 10 AND p.especiales IS NOT NULL THEN CASE WHEN p.r < 7 THEN 3 ELSE 2 END
              WHEN p.r < 20 AND p.juegadigito = 'S' THEN 1
              WHEN p.r < 55 THEN 2
              ELSE 3 END AS cifras) k
LEFT JOIN v_detalles dt ON dt.especial = k.especial;
ANALYZE v_jugadas;

-- The play's number.
CREATE TEMP TABLE v_numeradas AS
SELECT j.codvendedor, j.nroticket, j.linea, j.fecha, j.cod_lot, j.tipo_jugada,
       right(lpad(j.numero_base::text, 3, '0'), j.cifras)::varchar(3) AS numero,
       j.monto, j.especial, j.jugada
FROM v_jugadas j;

SELECT clock_timestamp() AS t0 \gset
INSERT INTO tickets (codvendedor, nroticket, serial, usuario, fechaticket, horaticket,
                     montoticket, estadoticket, anulado)
SELECT t.codvendedor, t.nroticket, t.serial, t.usuario, t.fecha, t.horaticket, s.monto,
       CASE t.anulado WHEN 'S' THEN 'ELI' ELSE 'ACT' END, t.anulado
FROM v_tickets t
JOIN (SELECT codvendedor, nroticket, sum(monto) AS monto
        FROM v_numeradas GROUP BY codvendedor, nroticket) s USING (codvendedor, nroticket);
\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('tickets', :'t0', clock_timestamp());
\endif

SELECT clock_timestamp() AS t0 \gset
INSERT INTO jugadasticket (codvendedor, nroticket, linea, fechaticket, cod_lot, tipo_jugada,
                           numero, monto, especial, jugada)
SELECT codvendedor, nroticket, linea, fecha, cod_lot, tipo_jugada, numero, monto, especial, jugada
FROM v_numeradas;
\if :{?tiempos}
INSERT INTO generador.tiempos VALUES ('jugadasticket', :'t0', clock_timestamp());
\endif

-- Money movements: on about a third of the days a seller pays the house,
-- on one day in ten the house pays the seller. Document numbers carry the
-- date and the seller's number.
INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor,
                         observa_mov, codigo_cuenta, tipo_pago_mov)
SELECT 'M' || to_char(d.fecha, 'YMMDD') || lpad(v.i::text, 4, '0'),
       CASE WHEN r.r < 35 THEN '0.- Pago Vendedor a Duroz' ELSE '1.- Pago Duroz a Vendedor' END,
       100 * (1 + pg_temp.azar(r.k, :semilla * 64 + 41, 50)),
       d.fecha, time '17:00' + pg_temp.azar(r.k, :semilla * 64 + 42, 10800) * interval '1 second',
       v.codvendedor, NULL,
       c.cuentas[1 + pg_temp.azar(r.k, :semilla * 64 + 43, greatest(cardinality(c.cuentas), 1))],
       pg_temp.azar(r.k, :semilla * 64 + 44, 3)::text
FROM v_vend v
CROSS JOIN v_dias d
CROSS JOIN (SELECT array_agg(codigo_cuenta ORDER BY codigo_cuenta) AS cuentas FROM cuentas) c
CROSS JOIN LATERAL (SELECT v.i * 100000 + d.dia AS k) k
CROSS JOIN LATERAL (SELECT k.k, pg_temp.azar(k.k, :semilla * 64 + 40, 100) AS r) r
WHERE r.r < 45;

-- Loans: one seller in twelve owes a loan granted on the first day, repaid
-- by a daily instalment of a twentieth of it, collected every later day.
CREATE TEMP TABLE v_prestamos AS
SELECT v.codvendedor, v.i, 'PR' || lpad(v.i::text, 5, '0') AS nroprestamo,
       1000 * (1 + pg_temp.azar(v.i, :semilla * 64 + 51, 10)) AS monto
FROM v_vend v
WHERE pg_temp.azar(v.i, :semilla * 64 + 50, 12) = 0;
ANALYZE v_prestamos;

INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor, observa_mov)
SELECT p.nroprestamo, '2.- Prestamo', p.monto, :'desde'::date, time '10:00', p.codvendedor, 'Prestamo al vendedor'
FROM v_prestamos p
UNION ALL
SELECT 'CU' || lpad(p.i::text, 5, '0'), '4.- Couta diaria Presamo', p.monto / 20, :'desde'::date,
       time '10:05', p.codvendedor, 'Cuota diaria del prestamo ' || p.nroprestamo
FROM v_prestamos p;

INSERT INTO prestamos (nroprestamo, codvendedor, fecha_prestamo, monto_prestamo, cuota_diaria)
SELECT nroprestamo, codvendedor, :'desde'::date, monto, monto / 20 FROM v_prestamos;

INSERT INTO movimientos (nromov, descri_mov, monto_mov, fecha_mov, hora_mov, codvendedor, observa_mov)
SELECT 'C' || to_char(d.fecha, 'YMMDD') || lpad(p.i::text, 4, '0'), '5.- Pago Cuota Diaria', p.monto / 20,
       d.fecha, time '06:00', p.codvendedor, 'Cuota diaria del prestamo ' || p.nroprestamo
FROM v_prestamos p CROSS JOIN v_dias d
WHERE d.dia BETWEEN 1 AND 20;

INSERT INTO cuotasdiarias (nroprestamo, fecha, monto, nromov)
SELECT p.nroprestamo, d.fecha, p.monto / 20, 'C' || to_char(d.fecha, 'YMMDD') || lpad(p.i::text, 4, '0')
FROM v_prestamos p CROSS JOIN v_dias d
WHERE d.dia BETWEEN 1 AND 20;

-- Expenses: on one day in five a seller records one.
INSERT INTO gastosvendedor (codvendedor, nrogasto, fecha_gasto, descri_gasto, monto_gasto, observa_gasto)
SELECT v.codvendedor, to_char(d.fecha, 'YYMMDD'),  d.fecha,
       (ARRAY['Papel para tickets', 'Alquiler del local', 'Servicio electrico', 'Internet',
              'Refrigerios', 'Transporte', 'Mantenimiento de equipos'])[1 + pg_temp.azar(k.k, :semilla * 64 + 61, 7)],
       50 * (1 + pg_temp.azar(k.k, :semilla * 64 + 62, 20)), NULL
FROM v_vend v
CROSS JOIN v_dias d
CROSS JOIN LATERAL (SELECT v.i * 100000 + d.dia AS k) k
WHERE pg_temp.azar(k.k, :semilla * 64 + 60, 5) = 0;

DROP TABLE v_dias, v_lotdia, v_franjas, v_nfranjas, v_especiales, v_detalles, v_vend,
           v_tickets, v_jugadas, v_numeradas, v_prestamos;
DROP FUNCTION pg_temp.azar(bigint, integer, integer), pg_temp.cifras(bigint, integer, integer);
