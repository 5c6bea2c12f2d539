-- The three lookup lists the main menu loads once per run and many windows
-- read: lotteries (xDSPLOT), special-play details (DSPjugadeta) and sellers
-- (dspven2).

-- xDSPLOT '4', estado: the lotteries in the given state ('A' active), by
-- code. Readers take COD_LOT, desc_lot and juegaespecial by name.
CREATE FUNCTION xDSPLOT(xmodo varchar, xestado varchar)
RETURNS TABLE (COD_LOT varchar, desc_lot varchar, juegaespecial varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF xmodo IS DISTINCT FROM '4' THEN
    RAISE EXCEPTION 'xDSPLOT: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT l.cod_lot, l.desc_lot, l.juegaespecial
    FROM loterias l
    WHERE l.estado_act = xestado
    ORDER BY l.cod_lot;
END $$;

-- DSPjugadeta: every detail of every special play, by special play and
-- detail code.
CREATE FUNCTION DSPjugadeta()
RETURNS TABLE (especial varchar, jugada varchar, desc_jugada varchar)
LANGUAGE sql STABLE AS $$
  SELECT d.especial, d.jugada, d.desc_jugada
  FROM jugadeta d
  ORDER BY d.especial, d.jugada
$$;

-- dspven2 'modo': seller lists, one result shape per mode. Each mode is a
-- function dspven2_modo<modo>() returning its rows; a new mode is a new
-- such function (in any file), with no change here.
CREATE FUNCTION dspven2(xmodo varchar, OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
DECLARE
  funcion text := 'dspven2_modo' || lower(btrim(coalesce(xmodo, '')));
BEGIN
  IF btrim(coalesce(xmodo, '')) !~ '^[0-9A-Za-z]+$'
     OR NOT EXISTS (SELECT FROM pg_proc p JOIN pg_namespace n ON n.oid = p.pronamespace
                    WHERE n.nspname = 'proc' AND p.proname = funcion AND p.pronargs = 0) THEN
    RAISE EXCEPTION 'dspven2: modo desconocido "%"', xmodo;
  END IF;
  return_value := 0;
  OPEN resultado FOR EXECUTE format('SELECT * FROM proc.%I()', funcion);
END $$;

-- Mode 5: every seller, by code; the first three columns are the seller
-- code, the name and the group chief (NULL for a chief or a seller of no
-- group), in that order (a grid shows columns 0 and 1 and hides 2).
CREATE FUNCTION dspven2_modo5()
RETURNS TABLE (codvendedor varchar, nombre_vend varchar, perteneceal varchar)
LANGUAGE sql STABLE AS $$
  SELECT v.codvendedor, v.nombre_vend, v.perteneceal
  FROM vendedor v
  ORDER BY v.codvendedor
$$;
