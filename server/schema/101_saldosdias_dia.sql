-- Each seller's daily result summed over the day's lotteries and play
-- kinds: what the line-up reads of the daily results, so that the balance
-- brought forward of every seller is a sum over sellers x days rather than
-- over every lottery's row. Triggers on saldosdias keep it, statement by
-- statement, whoever writes the daily results.
CREATE TABLE saldosdias_dia (
  vendedor varchar(5)    NOT NULL,
  fecha    date          NOT NULL,
  subtotal numeric(18,3) NOT NULL DEFAULT 0,
  PRIMARY KEY (vendedor, fecha)
);

INSERT INTO saldosdias_dia (vendedor, fecha, subtotal)
SELECT vendedor, fecha, sum(subtotal) FROM saldosdias GROUP BY vendedor, fecha;

-- Adds the signed amounts of (vendedor, fecha, subtotal) rows.
CREATE FUNCTION saldosdias_dia_suma(claves varchar[], fechas date[], importes numeric[])
RETURNS void
LANGUAGE sql
SET search_path = public, pg_temp AS $$
  INSERT INTO saldosdias_dia AS d (vendedor, fecha, subtotal)
  SELECT k.v, k.f, sum(k.i) FROM unnest(claves, fechas, importes) AS k(v, f, i) GROUP BY k.v, k.f
  ON CONFLICT (vendedor, fecha) DO UPDATE SET subtotal = d.subtotal + excluded.subtotal;
  -- A day that no longer has a daily result of the seller is no day of his.
  DELETE FROM saldosdias_dia d
  USING (SELECT DISTINCT k.v, k.f FROM unnest(claves, fechas) AS k(v, f)) k
  WHERE d.vendedor = k.v AND d.fecha = k.f
    AND NOT EXISTS (SELECT 1 FROM saldosdias s WHERE s.vendedor = k.v AND s.fecha = k.f);
$$;

CREATE FUNCTION saldosdias_dia_inserta() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(n.vendedor), array_agg(n.fecha), array_agg(n.subtotal)) FROM nuevas n;
  RETURN NULL;
END $$;

CREATE FUNCTION saldosdias_dia_cambia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(x.vendedor), array_agg(x.fecha), array_agg(x.subtotal))
  FROM (SELECT n.vendedor, n.fecha, n.subtotal FROM nuevas n
        UNION ALL
        SELECT v.vendedor, v.fecha, -v.subtotal FROM viejas v) x;
  RETURN NULL;
END $$;

CREATE FUNCTION saldosdias_dia_borra() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  PERFORM saldosdias_dia_suma(array_agg(v.vendedor), array_agg(v.fecha), array_agg(-v.subtotal)) FROM viejas v;
  RETURN NULL;
END $$;

CREATE FUNCTION saldosdias_dia_vacia() RETURNS trigger
LANGUAGE plpgsql
SET search_path = public, pg_temp AS $$
BEGIN
  DELETE FROM saldosdias_dia;
  RETURN NULL;
END $$;

REVOKE EXECUTE ON FUNCTION saldosdias_dia_suma(varchar[], date[], numeric[]), saldosdias_dia_inserta(),
  saldosdias_dia_cambia(), saldosdias_dia_borra(), saldosdias_dia_vacia() FROM PUBLIC;

CREATE TRIGGER saldosdias_dia_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_dia_inserta();
CREATE TRIGGER saldosdias_dia_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_dia_cambia();
CREATE TRIGGER saldosdias_dia_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_dia_borra();
CREATE TRIGGER saldosdias_dia_vacia AFTER TRUNCATE ON saldosdias
  FOR EACH STATEMENT EXECUTE FUNCTION saldosdias_dia_vacia();
