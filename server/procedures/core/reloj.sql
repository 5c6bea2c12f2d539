-- The server's date and time as every procedure must see it: the real clock,
-- unless a test pinned it with the setting duroz.reloj_prueba.
CREATE FUNCTION reloj_servidor() RETURNS timestamp(0)
LANGUAGE sql STABLE AS $$
  SELECT coalesce(nullif(current_setting('duroz.reloj_prueba', true), '')::timestamp(0),
                  localtimestamp(0))
$$;

-- Retornafecha: one row, field FECHA, the server's date and time.
CREATE FUNCTION Retornafecha() RETURNS TABLE (FECHA timestamp(0))
LANGUAGE sql STABLE AS $$
  SELECT reloj_servidor()
$$;
