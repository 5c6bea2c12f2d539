-- Each seller's sales of a day: the active tickets and the sum of their
-- amounts, what the point-of-sale totals report adds up over a period, so
-- that a month of every seller reads sellers x days rather than every
-- ticket. Triggers on tickets keep it, statement by statement, whoever
-- writes the tickets (the sale points, the annulments, the deletions). A
-- seller and day without active tickets has no row.
CREATE TABLE ventas_dia (
  codvendedor varchar(5) NOT NULL,
  fechaticket date       NOT NULL,
  activos     bigint     NOT NULL,
  venta       numeric    NOT NULL,
  PRIMARY KEY (codvendedor, fechaticket)
) WITH (fillfactor = 70);
-- The report reads a period of every seller. Room is left in each page so
-- that a row's new sums are written beside it without touching the indexes.
CREATE INDEX ventas_dia_fecha ON ventas_dia (fechaticket, codvendedor);

-- Sale points write tickets while a house database is loaded: none may
-- slip between this count and the triggers below.
LOCK TABLE tickets IN SHARE ROW EXCLUSIVE MODE;
INSERT INTO ventas_dia (codvendedor, fechaticket, activos, venta)
SELECT codvendedor, fechaticket, count(*), sum(montoticket)
FROM tickets WHERE estadoticket = 'ACT' GROUP BY codvendedor, fechaticket;

-- The triggers below add the differences of a statement's active tickets
-- per (seller, day): an insert adds, a delete takes away, an update adds
-- the new rows and takes the old ones away. The sums are applied in key
-- order, so that two writers lock the rows they share in the same order,
-- and a day left with no active ticket loses its row. Everything runs in
-- PL/pgSQL, whose plans are kept from call to call: a sale point's ticket
-- is one statement and fires the insert trigger once.

-- Adds signed counts and amounts of active tickets per (seller, day), one
-- entry per key.
CREATE FUNCTION ventas_dia_suma(vendedores varchar[], fechas date[], cuentas bigint[], importes numeric[])
RETURNS void
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
DECLARE
  vacios_v varchar[];
  vacios_f date[];
BEGIN
  WITH sumadas AS (
    INSERT INTO ventas_dia AS d (codvendedor, fechaticket, activos, venta)
    SELECT k.v, k.f, k.n, k.i FROM unnest(vendedores, fechas, cuentas, importes) AS k(v, f, n, i)
    ORDER BY k.v, k.f
    ON CONFLICT (codvendedor, fechaticket)
    DO UPDATE SET activos = d.activos + excluded.activos, venta = d.venta + excluded.venta
    RETURNING d.codvendedor, d.fechaticket, d.activos)
  SELECT array_agg(s.codvendedor), array_agg(s.fechaticket) INTO vacios_v, vacios_f
  FROM sumadas s WHERE s.activos = 0;
  IF vacios_v IS NOT NULL THEN
    DELETE FROM ventas_dia d USING unnest(vacios_v, vacios_f) AS k(v, f)
    WHERE d.codvendedor = k.v AND d.fechaticket = k.f AND d.activos = 0;
  END IF;
END $$;

-- A sale only adds: one statement, no arrays.
CREATE FUNCTION ventas_dia_inserta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  INSERT INTO ventas_dia AS d (codvendedor, fechaticket, activos, venta)
  SELECT n.codvendedor, n.fechaticket, count(*), sum(n.montoticket)
  FROM nuevas n WHERE n.estadoticket = 'ACT'
  GROUP BY 1, 2 ORDER BY 1, 2
  ON CONFLICT (codvendedor, fechaticket)
  DO UPDATE SET activos = d.activos + excluded.activos, venta = d.venta + excluded.venta;
  RETURN NULL;
END $$;

-- Most updates (prizes, payments) change no amount, state, seller or
-- date: their differences add up to nothing and write no row.
CREATE FUNCTION ventas_dia_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM ventas_dia_suma(array_agg(y.v), array_agg(y.f), array_agg(y.n), array_agg(y.i))
  FROM (SELECT x.v, x.f, sum(x.n)::bigint AS n, sum(x.i) AS i
        FROM (SELECT n.codvendedor AS v, n.fechaticket AS f, 1 AS n, n.montoticket AS i
              FROM nuevas n WHERE n.estadoticket = 'ACT'
              UNION ALL
              SELECT o.codvendedor, o.fechaticket, -1, -o.montoticket
              FROM viejas o WHERE o.estadoticket = 'ACT') x
        GROUP BY 1, 2
        HAVING sum(x.n) <> 0 OR sum(x.i) <> 0) y;
  RETURN NULL;
END $$;

CREATE FUNCTION ventas_dia_borra() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM ventas_dia_suma(array_agg(x.v), array_agg(x.f), array_agg(x.n), array_agg(x.i))
  FROM (SELECT o.codvendedor AS v, o.fechaticket AS f, -count(*) AS n, -sum(o.montoticket) AS i
        FROM viejas o WHERE o.estadoticket = 'ACT' GROUP BY 1, 2) x;
  RETURN NULL;
END $$;

CREATE FUNCTION ventas_dia_vacia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  DELETE FROM ventas_dia;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION ventas_dia_suma(varchar[], date[], bigint[], numeric[]), ventas_dia_inserta(),
  ventas_dia_cambia(), ventas_dia_borra(), ventas_dia_vacia() FROM PUBLIC;

CREATE TRIGGER ventas_dia_inserta AFTER INSERT ON tickets
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION ventas_dia_inserta();
CREATE TRIGGER ventas_dia_cambia AFTER UPDATE ON tickets
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION ventas_dia_cambia();
CREATE TRIGGER ventas_dia_borra AFTER DELETE ON tickets
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION ventas_dia_borra();
CREATE TRIGGER ventas_dia_vacia AFTER TRUNCATE ON tickets
  FOR EACH STATEMENT EXECUTE FUNCTION ventas_dia_vacia();
