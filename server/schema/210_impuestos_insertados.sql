-- Taxes as the tax processing inserts them, instead of written into every
-- daily result. Processing a day rewrote all of its saldosdias rows (197,000
-- at large volume) to fill fourteen tax columns nobody read row by row, and
-- a trigger then regrouped the old and new row versions into the fiscal
-- sums; saldosdias kept half of every page empty for that rewrite. Now the
-- processing of a day inserts, and only it writes:
--   impuestos_loterias  the rates in force for each lottery that day: the
--                       board's and the operator's codes and rates;
--   impuestos_dia       the processed mark of each seller of the day, with
--                       the seller's municipality and its rate and the
--                       national rates, and the amounts of the day it taxed
--                       (the sums of the seller's daily results, and how
--                       many have an amount), so that a later change of
--                       the day's results can be told;
--   impuestos_tasas     every combination of bodies and rates met, once,
--                       numbered (a dozen per day: the sums group on one
--                       integer instead of nine columns);
--   impuestos_sumas     the day's daily results summed per seller and
--                       combination (what the fiscal report reads);
--   impuestos_sumas_mes the same summed per calendar month (mes: its first
--                       day), with how many days each sum holds.
-- A body a row has not is '' in impuestos_tasas (so that the combination
-- is one unique key) and NULL elsewhere. The daily results keep the bodies'
-- codes prize processing writes; their rates and taxes per row are read
-- from the view proc.saldosdias_impuestos, base × stored rate.
CREATE TABLE impuestos_loterias (
  fecha            date         NOT NULL,
  cod_lot          varchar(3)   NOT NULL,
  codigo_junta     varchar(3),
  tasa_junta       numeric(9,3) NOT NULL,
  codigo_operadora varchar(3),
  tasa_operadora   numeric(9,3) NOT NULL,
  PRIMARY KEY (fecha, cod_lot)
);

CREATE TABLE impuestos_dia (
  fecha              date          NOT NULL,
  vendedor           varchar(5)    NOT NULL,
  codigo_alcaldia    varchar(5),
  codigo_gobernacion varchar(5),
  tasa_alcaldia      numeric(9,3)  NOT NULL,
  tasa_venta         numeric(9,3)  NOT NULL,
  tasa_premio        numeric(9,3)  NOT NULL,
  total_venta        numeric(18,3) NOT NULL,
  comision           numeric(18,3) NOT NULL,
  premios            numeric(18,3) NOT NULL,
  filas              integer       NOT NULL,
  PRIMARY KEY (fecha, vendedor),
  CONSTRAINT impuestos_dia_finito
    CHECK ('NaN' NOT IN (tasa_alcaldia, tasa_venta, tasa_premio, total_venta, comision, premios))
);

CREATE TABLE impuestos_tasas (
  id                 integer      GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  codigo_junta       varchar(3)   NOT NULL,
  tasa_junta         numeric(9,3) NOT NULL,
  codigo_operadora   varchar(3)   NOT NULL,
  tasa_operadora     numeric(9,3) NOT NULL,
  codigo_alcaldia    varchar(5)   NOT NULL,
  codigo_gobernacion varchar(5)   NOT NULL,
  tasa_alcaldia      numeric(9,3) NOT NULL,
  tasa_venta         numeric(9,3) NOT NULL,
  tasa_premio        numeric(9,3) NOT NULL,
  CONSTRAINT impuestos_tasas_clave UNIQUE (codigo_junta, tasa_junta, codigo_operadora, tasa_operadora,
                                           codigo_alcaldia, codigo_gobernacion, tasa_alcaldia, tasa_venta,
                                           tasa_premio),
  CONSTRAINT impuestos_tasas_finito
    CHECK ('NaN' NOT IN (tasa_junta, tasa_operadora, tasa_alcaldia, tasa_venta, tasa_premio))
);

-- filas: how many daily results each sum holds (those without an amount
-- too, so that a body of a row of zeros still has its line).
CREATE TABLE impuestos_sumas (
  fecha       date          NOT NULL,
  vendedor    varchar(5)    NOT NULL,
  tasas       integer       NOT NULL,
  total_venta numeric(18,3) NOT NULL,
  comision    numeric(18,3) NOT NULL,
  premios     numeric(18,3) NOT NULL,
  subtotal    numeric(18,3) NOT NULL,
  filas       integer       NOT NULL,
  PRIMARY KEY (fecha, vendedor, tasas),
  CONSTRAINT impuestos_sumas_finito CHECK ('NaN' NOT IN (total_venta, comision, premios, subtotal))
);

CREATE TABLE impuestos_sumas_mes (
  mes         date          NOT NULL,
  vendedor    varchar(5)    NOT NULL,
  tasas       integer       NOT NULL,
  total_venta numeric(18,3) NOT NULL,
  comision    numeric(18,3) NOT NULL,
  premios     numeric(18,3) NOT NULL,
  subtotal    numeric(18,3) NOT NULL,
  filas       integer       NOT NULL,
  dias        integer       NOT NULL,
  PRIMARY KEY (mes, vendedor, tasas),
  CONSTRAINT impuestos_sumas_mes_finito CHECK ('NaN' NOT IN (total_venta, comision, premios, subtotal))
);

-- Existing databases: every seller-day with a processed daily result is
-- processed, at the rates its rows store (the processing wrote one set of
-- rates per lottery and per seller on every row of a day; where rows of a
-- day disagree, the most frequent is kept).
INSERT INTO impuestos_loterias (fecha, cod_lot, codigo_junta, tasa_junta, codigo_operadora, tasa_operadora)
SELECT DISTINCT ON (fecha, cod_lot) fecha, cod_lot, codigo_junta, tasa_junta, codigo_operadora, tasa_operadora
  FROM (SELECT fecha, cod_lot, codigo_junta, tasa_junta, codigo_operadora, tasa_operadora, count(*) AS n
          FROM saldosdias WHERE impuestos_procesados = 'S'
         GROUP BY 1, 2, 3, 4, 5, 6) x
 ORDER BY fecha, cod_lot, n DESC, codigo_junta, codigo_operadora, tasa_junta, tasa_operadora;

INSERT INTO impuestos_dia (fecha, vendedor, codigo_alcaldia, codigo_gobernacion, tasa_alcaldia, tasa_venta,
                           tasa_premio, total_venta, comision, premios, filas)
SELECT t.fecha, t.vendedor, t.codigo_alcaldia, t.codigo_gobernacion, t.tasa_alcaldia, t.tasa_venta, t.tasa_premio,
       a.total_venta, a.comision, a.premios, a.filas
  FROM (SELECT DISTINCT ON (fecha, vendedor) fecha, vendedor, codigo_alcaldia, codigo_gobernacion, tasa_alcaldia,
               tasa_venta, tasa_premio
          FROM (SELECT fecha, vendedor, codigo_alcaldia, codigo_gobernacion, tasa_alcaldia, tasa_venta, tasa_premio,
                       count(*) AS n
                  FROM saldosdias WHERE impuestos_procesados = 'S'
                 GROUP BY 1, 2, 3, 4, 5, 6, 7) x
         ORDER BY fecha, vendedor, n DESC, codigo_gobernacion, codigo_alcaldia, tasa_alcaldia, tasa_venta,
                  tasa_premio) t
  JOIN (SELECT fecha, vendedor, sum(total_venta) AS total_venta, sum(comision) AS comision,
               sum(premios) AS premios,
               count(*) FILTER (WHERE (total_venta, comision, premios) <> (0, 0, 0))::integer AS filas
          FROM saldosdias GROUP BY 1, 2) a ON a.fecha = t.fecha AND a.vendedor = t.vendedor;

-- The sums, as the processing makes them: each daily result of a processed
-- seller-day with its lottery's rates of the day (none stored: no body).
CREATE TEMP TABLE impuestos_filas ON COMMIT DROP AS
SELECT s.fecha, s.vendedor, coalesce(l.codigo_junta, '') AS codigo_junta, coalesce(l.tasa_junta, 0) AS tasa_junta,
       coalesce(l.codigo_operadora, '') AS codigo_operadora, coalesce(l.tasa_operadora, 0) AS tasa_operadora,
       coalesce(d.codigo_alcaldia, '') AS codigo_alcaldia, coalesce(d.codigo_gobernacion, '') AS codigo_gobernacion,
       d.tasa_alcaldia, d.tasa_venta, d.tasa_premio, sum(s.total_venta) AS total_venta, sum(s.comision) AS comision,
       sum(s.premios) AS premios, sum(s.subtotal) AS subtotal, count(*)::integer AS filas
  FROM saldosdias s
  JOIN impuestos_dia d ON d.fecha = s.fecha AND d.vendedor = s.vendedor
  LEFT JOIN impuestos_loterias l ON l.fecha = s.fecha AND l.cod_lot = s.cod_lot
 GROUP BY 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11;

INSERT INTO impuestos_tasas (codigo_junta, tasa_junta, codigo_operadora, tasa_operadora, codigo_alcaldia,
                             codigo_gobernacion, tasa_alcaldia, tasa_venta, tasa_premio)
SELECT DISTINCT codigo_junta, tasa_junta, codigo_operadora, tasa_operadora, codigo_alcaldia, codigo_gobernacion,
       tasa_alcaldia, tasa_venta, tasa_premio
  FROM impuestos_filas
 ORDER BY 1, 2, 3, 4, 5, 6, 7, 8, 9;

INSERT INTO impuestos_sumas (fecha, vendedor, tasas, total_venta, comision, premios, subtotal, filas)
SELECT f.fecha, f.vendedor, t.id, f.total_venta, f.comision, f.premios, f.subtotal, f.filas
  FROM impuestos_filas f
  JOIN impuestos_tasas t USING (codigo_junta, tasa_junta, codigo_operadora, tasa_operadora, codigo_alcaldia,
                                codigo_gobernacion, tasa_alcaldia, tasa_venta, tasa_premio);

INSERT INTO impuestos_sumas_mes (mes, vendedor, tasas, total_venta, comision, premios, subtotal, filas, dias)
SELECT date_trunc('month', fecha)::date, vendedor, tasas, sum(total_venta), sum(comision), sum(premios),
       sum(subtotal), sum(filas), count(*)
  FROM impuestos_sumas
 GROUP BY 1, 2, 3;

DROP TABLE impuestos_filas;

-- The fiscal sums the triggers kept are gone: the trigger now feeds the
-- line-up's balances and the reports' amounts only.
SET client_min_messages = warning;
DROP FUNCTION saldosdias_sumas_cuenta() CASCADE;
RESET client_min_messages;
DROP FUNCTION saldosdias_sumas(text, text, boolean), saldosdias_lado(text, integer, boolean);
DROP TABLE saldosdias_fiscal;

-- The rows of one side of a statement (the transition table "nuevas" or
-- "viejas") with their sign: signo +1 or -1, the amounts negated on the old
-- side.
CREATE FUNCTION saldosdias_lado(tabla text, signo integer) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format('SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, %1$sr.total_venta AS total_venta,
                        %1$sr.comision AS comision, %1$sr.premios AS premios, %1$sr.subtotal AS subtotal, %2$s AS signo
                   FROM %3$I r',
                CASE WHEN signo < 0 THEN '-' ELSE '' END, signo, tabla)
$$;

-- The statement that adds to the kept tables the sums of a statement's
-- rows less the old and new rows whose key and amounts are alike (cambios):
-- as 200_saldosdias_sumas.sql made it, without the fiscal sums.
CREATE FUNCTION saldosdias_sumas(cambios text, aparte boolean) RETURNS text
LANGUAGE sql IMMUTABLE
SET search_path = public, pg_temp AS $$
  SELECT format($q$
    WITH k AS %s (%s),
    dias AS MATERIALIZED (
      SELECT k.vendedor, k.fecha, sum(k.subtotal) AS subtotal, sum(k.signo) AS filas,
             count(*) FILTER (WHERE k.signo > 0) AS nuevas,
             sum(k.total_venta) FILTER (WHERE k.importe) AS i_venta,
             sum(k.comision) FILTER (WHERE k.importe) AS i_comision,
             sum(k.premios) FILTER (WHERE k.importe) AS i_premios,
             sum(k.signo) FILTER (WHERE k.importe) AS i_filas
        FROM (SELECT x.*, (x.total_venta, x.comision, x.premios) <> (0, 0, 0) AS importe FROM k x) k
       GROUP BY k.vendedor, k.fecha),
    balances AS (
      SELECT d.vendedor, d.fecha, d.subtotal,
             d.nuevas > 0 OR EXISTS (SELECT FROM saldosdias s WHERE s.vendedor = d.vendedor AND s.fecha = d.fecha)
               AS quedan
        FROM dias d
       WHERE d.subtotal <> 0 OR d.filas <> 0),
    balance_suma AS (
      INSERT INTO saldosdias_dia AS d (vendedor, fecha, subtotal)
      SELECT b.vendedor, b.fecha, b.subtotal FROM balances b WHERE b.quedan
      ON CONFLICT (vendedor, fecha) DO UPDATE SET subtotal = d.subtotal + excluded.subtotal),
    balance_borra AS (
      DELETE FROM saldosdias_dia d USING balances b
       WHERE NOT b.quedan AND d.vendedor = b.vendedor AND d.fecha = b.fecha),
    importes_dia AS (
      INSERT INTO saldosdias_importes_dia AS d (vendedor, fecha, total_venta, comision, premios, filas)
      SELECT x.vendedor, x.fecha, x.i_venta, x.i_comision, x.i_premios, x.i_filas
        FROM dias x
       WHERE x.i_filas IS NOT NULL AND (x.i_venta, x.i_comision, x.i_premios, x.i_filas) <> (0, 0, 0, 0)
      ON CONFLICT (vendedor, fecha) DO UPDATE
         SET total_venta = d.total_venta + excluded.total_venta, comision = d.comision + excluded.comision,
             premios = d.premios + excluded.premios, filas = d.filas + excluded.filas
      RETURNING d.vendedor, d.fecha, d.filas),
    importes_mes AS (
      INSERT INTO saldosdias_importes_mes AS m (mes, vendedor, cod_lot, tipo_jugada, total_venta, comision,
                                               premios, filas)
      SELECT date_trunc('month', k.fecha)::date, k.vendedor, k.cod_lot, k.tipo_jugada, sum(k.total_venta),
             sum(k.comision), sum(k.premios), sum(k.signo)
        FROM k
       WHERE (k.total_venta, k.comision, k.premios) <> (0, 0, 0)
       GROUP BY 1, 2, 3, 4
      HAVING (sum(k.total_venta), sum(k.comision), sum(k.premios), sum(k.signo)) <> (0, 0, 0, 0)
      ON CONFLICT (vendedor, cod_lot, tipo_jugada, mes) DO UPDATE
         SET total_venta = m.total_venta + excluded.total_venta, comision = m.comision + excluded.comision,
             premios = m.premios + excluded.premios, filas = m.filas + excluded.filas
      RETURNING m.mes, m.vendedor, m.cod_lot, m.tipo_jugada, m.filas)
    SELECT (SELECT array_agg(i.vendedor) FROM importes_dia i WHERE i.filas = 0),
           (SELECT array_agg(i.fecha) FROM importes_dia i WHERE i.filas = 0),
           (SELECT array_agg(m.mes) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.vendedor) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.cod_lot) FROM importes_mes m WHERE m.filas = 0),
           (SELECT array_agg(m.tipo_jugada) FROM importes_mes m WHERE m.filas = 0)
  $q$, CASE WHEN aparte THEN 'MATERIALIZED' ELSE 'NOT MATERIALIZED' END, cambios)
$$;

CREATE FUNCTION saldosdias_sumas_cuenta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp
SET work_mem = '64MB'
SET enable_sort = off AS $$
DECLARE
  cambios text;
  dia_vendedores varchar[];
  dia_fechas date[];
  mes_meses date[];
  mes_vendedores varchar[];
  mes_loterias varchar[];
  mes_tipos varchar[];
BEGIN
  IF TG_OP = 'TRUNCATE' THEN
    DELETE FROM saldosdias_dia;
    DELETE FROM saldosdias_importes_dia;
    DELETE FROM saldosdias_importes_mes;
    RETURN NULL;
  END IF;
  CASE TG_OP
    WHEN 'INSERT' THEN
      cambios := saldosdias_lado('nuevas', 1);
    WHEN 'DELETE' THEN
      cambios := saldosdias_lado('viejas', -1);
    ELSE
      -- Each key is once on each side: a row left alike adds up to 0.
      cambios := 'SELECT d.vendedor, d.fecha, d.cod_lot, d.tipo_jugada, d.signo * d.total_venta AS total_venta,
                                d.signo * d.comision AS comision, d.signo * d.premios AS premios,
                                d.signo * d.subtotal AS subtotal, d.signo
                           FROM (SELECT n.vendedor, n.fecha, n.cod_lot, n.tipo_jugada, n.total_venta, n.comision,
                                        n.premios, n.subtotal, sum(n.signo) AS signo
                                   FROM (SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, r.total_venta, r.comision,
                                                r.premios, r.subtotal, 1 AS signo
                                           FROM nuevas r
                                         UNION ALL
                                         SELECT r.vendedor, r.fecha, r.cod_lot, r.tipo_jugada, r.total_venta, r.comision,
                                                r.premios, r.subtotal, -1
                                           FROM viejas r) n
                                  GROUP BY 1, 2, 3, 4, 5, 6, 7, 8
                                 HAVING sum(n.signo) <> 0) d';
  END CASE;
  EXECUTE saldosdias_sumas(cambios, TG_OP = 'UPDATE')
     INTO dia_vendedores, dia_fechas, mes_meses, mes_vendedores, mes_loterias, mes_tipos;
  IF dia_vendedores IS NOT NULL THEN
    DELETE FROM saldosdias_importes_dia d USING unnest(dia_vendedores, dia_fechas) AS k(vendedor, fecha)
     WHERE d.vendedor = k.vendedor AND d.fecha = k.fecha AND d.filas = 0;
  END IF;
  IF mes_meses IS NOT NULL THEN
    DELETE FROM saldosdias_importes_mes m
     USING unnest(mes_meses, mes_vendedores, mes_loterias, mes_tipos) AS k(mes, vendedor, cod_lot, tipo_jugada)
     WHERE m.mes = k.mes AND m.vendedor = k.vendedor AND m.cod_lot = k.cod_lot AND m.tipo_jugada = k.tipo_jugada
       AND m.filas = 0;
  END IF;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_lado(text, integer), saldosdias_sumas(text, boolean),
  saldosdias_sumas_cuenta() FROM PUBLIC;

CREATE TRIGGER saldosdias_sumas_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_vacia AFTER TRUNCATE ON saldosdias
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_sumas_cuenta();

-- The per-row rates and taxes leave the daily results (the amount check
-- that read them goes with them, and comes back for the four amounts); the pages no longer
-- keep room for a rewrite, and the table is written again packed, in the
-- order of its date index, so that its readers read half the pages.
ALTER TABLE saldosdias
  DROP COLUMN tasa_junta, DROP COLUMN impuesto_junta, DROP COLUMN tasa_operadora,
  DROP COLUMN impuesto_operadora, DROP COLUMN tasa_alcaldia, DROP COLUMN impuesto_alcaldia,
  DROP COLUMN tasa_venta, DROP COLUMN impuesto_venta, DROP COLUMN tasa_premio, DROP COLUMN impuesto_premio;
ALTER TABLE saldosdias ADD CONSTRAINT saldosdias_finito CHECK ('NaN' NOT IN (total_venta, comision, premios, subtotal));
ALTER TABLE saldosdias RESET (fillfactor);
CLUSTER saldosdias USING saldosdias_fecha;
ANALYZE saldosdias, impuestos_loterias, impuestos_dia, impuestos_tasas, impuestos_sumas, impuestos_sumas_mes;
