-- The server's date and time as every procedure must see it: the real clock,
-- unless the clock was pinned in table relojprueba (tests; only the owner
-- role may write it).
CREATE FUNCTION reloj_servidor() RETURNS timestamp(0)
LANGUAGE sql STABLE AS $$
  SELECT coalesce((SELECT r.momento FROM public.relojprueba r), localtimestamp(0))
$$;

-- Retornafecha: one row, field FECHA, the server's date and time.
CREATE FUNCTION Retornafecha() RETURNS TABLE (FECHA timestamp(0))
LANGUAGE sql STABLE AS $$
  SELECT reloj_servidor()
$$;
