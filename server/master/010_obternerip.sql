-- obternerip: the address of a house server known to the central server by
-- name (names compare without regard to case or surrounding blanks).
-- Answers 0 and the address in dir_ipdevuelta; for a name it does not know,
-- 1 and an empty address. Made anew on every load.
CREATE SCHEMA IF NOT EXISTS proc;
DROP FUNCTION IF EXISTS proc.obternerip(varchar, varchar);
CREATE FUNCTION proc.obternerip(server varchar, INOUT dir_ipdevuelta varchar,
                                OUT return_value integer)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  encontrada varchar;
BEGIN
  SELECT s.direccion INTO encontrada
  FROM public.servidores s
  WHERE lower(btrim(s.nombre)) = lower(btrim(server))
  ORDER BY s.nombre
  LIMIT 1;
  IF FOUND THEN
    dir_ipdevuelta := encontrada;
    return_value := 0;
  ELSE
    dir_ipdevuelta := '';
    return_value := 1;
  END IF;
END $$;
