-- The plays of each day summed per seller, lottery and daily-result kind
-- (and special play, whose commission is the seller's rate for it), what
-- the prize processing needs of the plays that win nothing: their sales,
-- and through them the commission. Triggers on jugadasticket keep it,
-- statement by statement, whoever writes the plays (the sale points, the
-- deletions, a ticket's delete that takes its plays along). The processing
-- then prices only the plays that can win.
--
-- Every play counts here, annulled ticket or not. An annulment changes the
-- ticket, not its plays, and when a ticket is deleted its plays go after
-- it, so a trigger on the plays could no longer tell whether they were
-- annulled; the processing takes the day's annulled tickets' plays away
-- instead, which are few and found through tickets_anulados.
CREATE TABLE ventas_jugadas (
  fechaticket date        NOT NULL,
  cod_lot     varchar(3)  NOT NULL,
  codvendedor varchar(5)  NOT NULL,
  -- The daily result's kind: 1 Triples, 2 Terminales, 3 Digito,
  -- 4 Trip. Especial, 5 Term. Especial (saldosdias.tipo_jugada).
  tipo_jugada varchar(1)  NOT NULL,
  -- The special play of kinds 4 and 5, '' for the others.
  especial    varchar(3)  NOT NULL,
  jugadas     bigint      NOT NULL,
  venta       numeric     NOT NULL,
  PRIMARY KEY (fechaticket, cod_lot, codvendedor, tipo_jugada, especial)
) WITH (fillfactor = 70);

-- The daily-result kind of a play (saldosdias.tipo_jugada) from its play
-- type and number: a normal play of 3, 2 or 1 figures is 1, 2 or 3; a
-- special play of 3 figures 4, of fewer 5. Plain SQL, so that the queries
-- that call it take its expression in.
CREATE FUNCTION clase_saldo(tipo varchar, numero varchar) RETURNS varchar
LANGUAGE sql IMMUTABLE PARALLEL SAFE AS $$
  SELECT (CASE WHEN tipo = '1'
               THEN CASE char_length(numero) WHEN 3 THEN '1' WHEN 2 THEN '2' ELSE '3' END
               ELSE CASE char_length(numero) WHEN 3 THEN '4' ELSE '5' END END)::varchar
$$;

-- Sale points write plays while a house database is loaded: none may slip
-- between this count and the triggers below (held until the load commits).
LOCK TABLE jugadasticket IN SHARE ROW EXCLUSIVE MODE;
INSERT INTO ventas_jugadas (fechaticket, cod_lot, codvendedor, tipo_jugada, especial, jugadas, venta)
SELECT p.fechaticket, p.cod_lot, p.codvendedor,
       clase_saldo(p.tipo_jugada, p.numero),
       coalesce(p.especial, ''), count(*), coalesce(sum(p.monto), 0)
FROM jugadasticket p GROUP BY 1, 2, 3, 4, 5;

-- The plays that won something on a day, so that a corrected result finds
-- the prizes it must take back without reading every play of the day.
CREATE INDEX jugadasticket_premiadas ON jugadasticket (fechaticket, cod_lot) WHERE premio > 0;
-- The lotteries where a seller pays the comodin: only there are the
-- terminals that end as the first one priced.
CREATE INDEX ven_lot_comodin ON ven_lot (cod_lot) WHERE tipode_pago = '3' AND pagacomodin = 'S';

-- The triggers below add the differences of a statement's plays per key,
-- as those of ventas_dia (140) do for the tickets: an insert adds, a delete
-- takes away, an update adds the new rows and takes the old ones away; the
-- sums are applied in key order and a key left with no play loses its row.
-- A prize written to a play changes no key or amount and writes nothing.
-- A play without an amount (carried over from an older system) counts as
-- a play of 0.

CREATE FUNCTION ventas_jugadas_suma(fechas date[], lots varchar[], vendedores varchar[], clases varchar[],
                                    especiales varchar[], cuentas bigint[], importes numeric[])
RETURNS void
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
DECLARE
  vacias ventas_jugadas[];
BEGIN
  WITH sumadas AS (
    INSERT INTO ventas_jugadas AS d (fechaticket, cod_lot, codvendedor, tipo_jugada, especial, jugadas, venta)
    SELECT k.f, k.l, k.v, k.c, k.e, k.n, k.i
    FROM unnest(fechas, lots, vendedores, clases, especiales, cuentas, importes) AS k(f, l, v, c, e, n, i)
    ORDER BY k.f, k.l, k.v, k.c, k.e
    ON CONFLICT (fechaticket, cod_lot, codvendedor, tipo_jugada, especial)
    DO UPDATE SET jugadas = d.jugadas + excluded.jugadas, venta = d.venta + excluded.venta
    RETURNING d.*)
  SELECT array_agg(s) INTO vacias FROM sumadas s WHERE s.jugadas = 0;
  IF vacias IS NOT NULL THEN
    DELETE FROM ventas_jugadas d USING unnest(vacias) AS k
    WHERE (d.fechaticket, d.cod_lot, d.codvendedor, d.tipo_jugada, d.especial)
        = (k.fechaticket, k.cod_lot, k.codvendedor, k.tipo_jugada, k.especial)
      AND d.jugadas = 0;
  END IF;
END $$;

-- A sale only adds: one statement, no arrays.
CREATE FUNCTION ventas_jugadas_inserta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  INSERT INTO ventas_jugadas AS d (fechaticket, cod_lot, codvendedor, tipo_jugada, especial, jugadas, venta)
  SELECT n.fechaticket, n.cod_lot, n.codvendedor,
         clase_saldo(n.tipo_jugada, n.numero),
         coalesce(n.especial, ''), count(*), coalesce(sum(n.monto), 0)
  FROM nuevas n
  GROUP BY 1, 2, 3, 4, 5 ORDER BY 1, 2, 3, 4, 5
  ON CONFLICT (fechaticket, cod_lot, codvendedor, tipo_jugada, especial)
  DO UPDATE SET jugadas = d.jugadas + excluded.jugadas, venta = d.venta + excluded.venta;
  RETURN NULL;
END $$;

CREATE FUNCTION ventas_jugadas_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM ventas_jugadas_suma(array_agg(y.f), array_agg(y.l), array_agg(y.v), array_agg(y.c),
                              array_agg(y.e), array_agg(y.n), array_agg(y.i))
  FROM (SELECT x.f, x.l, x.v, x.c, x.e, sum(x.n)::bigint AS n, coalesce(sum(x.i), 0) AS i
        FROM (SELECT n.fechaticket AS f, n.cod_lot AS l, n.codvendedor AS v,
                     clase_saldo(n.tipo_jugada, n.numero) AS c, coalesce(n.especial, '') AS e,
                     1 AS n, n.monto AS i
              FROM nuevas n
              UNION ALL
              SELECT o.fechaticket, o.cod_lot, o.codvendedor, clase_saldo(o.tipo_jugada, o.numero),
                     coalesce(o.especial, ''), -1, -o.monto
              FROM viejas o) x
        GROUP BY 1, 2, 3, 4, 5
        HAVING sum(x.n) <> 0 OR coalesce(sum(x.i), 0) <> 0) y;
  RETURN NULL;
END $$;

CREATE FUNCTION ventas_jugadas_borra() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM ventas_jugadas_suma(array_agg(x.f), array_agg(x.l), array_agg(x.v), array_agg(x.c),
                              array_agg(x.e), array_agg(x.n), array_agg(x.i))
  FROM (SELECT o.fechaticket AS f, o.cod_lot AS l, o.codvendedor AS v,
               clase_saldo(o.tipo_jugada, o.numero) AS c,
               coalesce(o.especial, '') AS e, -count(*) AS n, -coalesce(sum(o.monto), 0) AS i
        FROM viejas o GROUP BY 1, 2, 3, 4, 5) x;
  RETURN NULL;
END $$;

CREATE FUNCTION ventas_jugadas_vacia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  DELETE FROM ventas_jugadas;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION
  ventas_jugadas_suma(date[], varchar[], varchar[], varchar[], varchar[], bigint[], numeric[]),
  ventas_jugadas_inserta(), ventas_jugadas_cambia(), ventas_jugadas_borra(), ventas_jugadas_vacia()
  FROM PUBLIC;

CREATE TRIGGER ventas_jugadas_inserta AFTER INSERT ON jugadasticket
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION ventas_jugadas_inserta();
CREATE TRIGGER ventas_jugadas_cambia AFTER UPDATE ON jugadasticket
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION ventas_jugadas_cambia();
CREATE TRIGGER ventas_jugadas_borra AFTER DELETE ON jugadasticket
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION ventas_jugadas_borra();
CREATE TRIGGER ventas_jugadas_vacia AFTER TRUNCATE ON jugadasticket
  FOR EACH STATEMENT EXECUTE FUNCTION ventas_jugadas_vacia();
