-- The amounts of the daily results added up ahead, for the seller results
-- reports: a month of every seller is millions of saldosdias rows, these
-- are tens of thousands (per seller and day) and a few hundred thousand
-- (per seller, lottery, play kind and month). Each holds the sums of
-- total_venta, comision and premios of its rows and `filas`, how many of
-- them have an amount other than 0 (a row of zeros is a result of nothing:
-- the reports leave it out). A key whose rows are all zeros has no row
-- here. Triggers on saldosdias keep both, statement by statement, whoever
-- writes the daily results.
CREATE TABLE saldosdias_importes_dia (
  vendedor    varchar(5) NOT NULL,
  fecha       date       NOT NULL,
  total_venta numeric    NOT NULL,
  comision    numeric    NOT NULL,
  premios     numeric    NOT NULL,
  filas       integer    NOT NULL,
  PRIMARY KEY (vendedor, fecha)
);
CREATE INDEX saldosdias_importes_dia_fecha ON saldosdias_importes_dia (fecha);

-- mes: the first day of the calendar month.
CREATE TABLE saldosdias_importes_mes (
  mes         date       NOT NULL,
  -- Byte order (the order of the database's collation, C.UTF-8, code
  -- point by code point), which sorts and compares without the library's
  -- collation calls.
  vendedor    varchar(5) COLLATE "C" NOT NULL,
  cod_lot     varchar(3) COLLATE "C" NOT NULL,
  tipo_jugada varchar(1) COLLATE "C" NOT NULL,
  total_venta numeric    NOT NULL,
  comision    numeric    NOT NULL,
  premios     numeric    NOT NULL,
  filas       integer    NOT NULL,
  -- In the order of the reports, with the amounts: a range of months is
  -- added up reading the index alone, key after key, with no sort.
  PRIMARY KEY (vendedor, cod_lot, tipo_jugada, mes) INCLUDE (total_venta, comision, premios, filas)
);
-- Nearly every seller plays nearly every lottery and kind: without this the
-- planner takes the keys of a month for a few thousand.
CREATE STATISTICS saldosdias_importes_mes_claves (ndistinct) ON vendedor, cod_lot, tipo_jugada
  FROM saldosdias_importes_mes;

INSERT INTO saldosdias_importes_dia (vendedor, fecha, total_venta, comision, premios, filas)
SELECT vendedor, fecha, sum(total_venta), sum(comision), sum(premios), count(*)
  FROM saldosdias WHERE (total_venta, comision, premios) <> (0, 0, 0)
 GROUP BY vendedor, fecha;

INSERT INTO saldosdias_importes_mes (mes, vendedor, cod_lot, tipo_jugada, total_venta, comision, premios, filas)
SELECT date_trunc('month', fecha)::date, vendedor, cod_lot, tipo_jugada,
       sum(total_venta), sum(comision), sum(premios), count(*)
  FROM saldosdias WHERE (total_venta, comision, premios) <> (0, 0, 0)
 GROUP BY 1, vendedor, cod_lot, tipo_jugada;

-- One signed change of a daily result: a row added (its amounts, filas 1
-- when some amount is not 0) or taken away (all negated).
CREATE TYPE saldosdias_cambio AS (
  vendedor    varchar(5),
  fecha       date,
  cod_lot     varchar(3),
  tipo_jugada varchar(1),
  total_venta numeric,
  comision    numeric,
  premios     numeric,
  filas       integer
);

-- Adds the signed changes to both tables; keys left with no row of an
-- amount are removed.
CREATE FUNCTION saldosdias_importes_suma(cambios saldosdias_cambio[])
RETURNS void
LANGUAGE sql
SET search_path = public, pg_temp AS $$
  INSERT INTO saldosdias_importes_dia AS d (vendedor, fecha, total_venta, comision, premios, filas)
  SELECT c.vendedor, c.fecha, sum(c.total_venta), sum(c.comision), sum(c.premios), sum(c.filas)
    FROM unnest(cambios) c
   GROUP BY c.vendedor, c.fecha
  HAVING (sum(c.total_venta), sum(c.comision), sum(c.premios), sum(c.filas)) <> (0, 0, 0, 0)
  ON CONFLICT (vendedor, fecha) DO UPDATE
     SET total_venta = d.total_venta + excluded.total_venta, comision = d.comision + excluded.comision,
         premios = d.premios + excluded.premios, filas = d.filas + excluded.filas;
  DELETE FROM saldosdias_importes_dia d
   USING (SELECT DISTINCT c.vendedor, c.fecha FROM unnest(cambios) c) c
   WHERE d.vendedor = c.vendedor AND d.fecha = c.fecha AND d.filas = 0;
  INSERT INTO saldosdias_importes_mes AS m (mes, vendedor, cod_lot, tipo_jugada, total_venta, comision,
                                           premios, filas)
  SELECT date_trunc('month', c.fecha)::date, c.vendedor, c.cod_lot, c.tipo_jugada,
         sum(c.total_venta), sum(c.comision), sum(c.premios), sum(c.filas)
    FROM unnest(cambios) c
   GROUP BY 1, c.vendedor, c.cod_lot, c.tipo_jugada
  HAVING (sum(c.total_venta), sum(c.comision), sum(c.premios), sum(c.filas)) <> (0, 0, 0, 0)
  ON CONFLICT (vendedor, cod_lot, tipo_jugada, mes) DO UPDATE
     SET total_venta = m.total_venta + excluded.total_venta, comision = m.comision + excluded.comision,
         premios = m.premios + excluded.premios, filas = m.filas + excluded.filas;
  DELETE FROM saldosdias_importes_mes m
   USING (SELECT DISTINCT date_trunc('month', c.fecha)::date AS mes, c.vendedor, c.cod_lot, c.tipo_jugada
            FROM unnest(cambios) c) c
   WHERE m.mes = c.mes AND m.vendedor = c.vendedor AND m.cod_lot = c.cod_lot
     AND m.tipo_jugada = c.tipo_jugada AND m.filas = 0;
$$;

CREATE FUNCTION saldosdias_importes_inserta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_importes_suma(array_agg(ROW(n.vendedor, n.fecha, n.cod_lot, n.tipo_jugada,
      n.total_venta, n.comision, n.premios, 1)::saldosdias_cambio))
  FROM nuevas n WHERE (n.total_venta, n.comision, n.premios) <> (0, 0, 0);
  RETURN NULL;
END $$;

-- An update that leaves a row's key and amounts as they were (the tax
-- columns written by Proceseimpuestos) changes nothing here.
CREATE FUNCTION saldosdias_importes_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_importes_suma(array_agg(ROW(x.vendedor, x.fecha, x.cod_lot, x.tipo_jugada,
      x.signo * x.total_venta, x.signo * x.comision, x.signo * x.premios, x.signo)::saldosdias_cambio))
  FROM (SELECT d.*, 1 AS signo
          FROM (SELECT n.vendedor, n.fecha, n.cod_lot, n.tipo_jugada, n.total_venta, n.comision, n.premios
                  FROM nuevas n
                EXCEPT ALL
                SELECT v.vendedor, v.fecha, v.cod_lot, v.tipo_jugada, v.total_venta, v.comision, v.premios
                  FROM viejas v) d
        UNION ALL
        SELECT d.*, -1
          FROM (SELECT v.vendedor, v.fecha, v.cod_lot, v.tipo_jugada, v.total_venta, v.comision, v.premios
                  FROM viejas v
                EXCEPT ALL
                SELECT n.vendedor, n.fecha, n.cod_lot, n.tipo_jugada, n.total_venta, n.comision, n.premios
                  FROM nuevas n) d) x
  WHERE (x.total_venta, x.comision, x.premios) <> (0, 0, 0);
  RETURN NULL;
END $$;

CREATE FUNCTION saldosdias_importes_borra() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_importes_suma(array_agg(ROW(v.vendedor, v.fecha, v.cod_lot, v.tipo_jugada,
      -v.total_venta, -v.comision, -v.premios, -1)::saldosdias_cambio))
  FROM viejas v WHERE (v.total_venta, v.comision, v.premios) <> (0, 0, 0);
  RETURN NULL;
END $$;

CREATE FUNCTION saldosdias_importes_vacia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  DELETE FROM saldosdias_importes_dia;
  DELETE FROM saldosdias_importes_mes;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_importes_suma(saldosdias_cambio[]), saldosdias_importes_inserta(),
  saldosdias_importes_cambia(), saldosdias_importes_borra(), saldosdias_importes_vacia() FROM PUBLIC;

CREATE TRIGGER saldosdias_importes_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_importes_inserta();
CREATE TRIGGER saldosdias_importes_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_importes_cambia();
CREATE TRIGGER saldosdias_importes_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_importes_borra();
CREATE TRIGGER saldosdias_importes_vacia AFTER TRUNCATE ON saldosdias
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_importes_vacia();
