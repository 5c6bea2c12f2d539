-- Prize processing feeds the sums kept beside the daily results itself: its
-- statement holds each written row's old and new amounts, so it adds their
-- differences to saldosdias_dia, saldosdias_importes_dia and _mes as it
-- writes (procedures/draws/premios.sql), and the
-- triggers of 200_saldosdias_sumas.sql need not read a day's rows again.
-- While it does, its transaction is named here (the server process and
-- transaction id, a row it inserts before the statement and deletes after
-- it), and the sums triggers pass over that statement; every other writer
-- of saldosdias, the same procedure's other statements included, is summed
-- by the triggers as before. Only the owner writes this table, so no
-- session can make the triggers pass over its own writes.
CREATE UNLOGGED TABLE saldosdias_sumas_directas (
  pid integer NOT NULL,
  xid xid8 NOT NULL
);

CREATE FUNCTION saldosdias_sumas_directas() RETURNS boolean
LANGUAGE sql STABLE SECURITY DEFINER
SET search_path = public, pg_temp AS $$
  SELECT EXISTS (SELECT FROM saldosdias_sumas_directas d
                  WHERE d.pid = pg_backend_pid() AND d.xid = pg_current_xact_id_if_assigned())
$$;
REVOKE EXECUTE ON FUNCTION saldosdias_sumas_directas() FROM PUBLIC;

DROP TRIGGER saldosdias_sumas_inserta ON saldosdias;
DROP TRIGGER saldosdias_sumas_cambia ON saldosdias;
DROP TRIGGER saldosdias_sumas_borra ON saldosdias;
CREATE TRIGGER saldosdias_sumas_inserta AFTER INSERT ON saldosdias
  REFERENCING NEW TABLE AS nuevas FOR EACH STATEMENT
  WHEN (NOT saldosdias_sumas_directas()) EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_cambia AFTER UPDATE ON saldosdias
  REFERENCING OLD TABLE AS viejas NEW TABLE AS nuevas FOR EACH STATEMENT
  WHEN (NOT saldosdias_sumas_directas()) EXECUTE FUNCTION saldosdias_sumas_cuenta();
CREATE TRIGGER saldosdias_sumas_borra AFTER DELETE ON saldosdias
  REFERENCING OLD TABLE AS viejas FOR EACH STATEMENT
  WHEN (NOT saldosdias_sumas_directas()) EXECUTE FUNCTION saldosdias_sumas_cuenta();
