-- The rows the lottery windows read and delete by their key. The login role
-- has no right on the tables: each window's statement is one of these, and
-- none can reach more than the rows of the key it is given (compared as
-- sent, as the windows' own statements compared them).

-- The special-play parameters of one lottery and special play (Form10):
-- the row, or none.
CREATE FUNCTION lee_lotespec(xcod_lot varchar, xespecial varchar)
RETURNS SETOF lotespec
LANGUAGE sql STABLE AS $$
  SELECT * FROM lotespec WHERE cod_lot = xcod_lot AND especial = xespecial
$$;

-- Deletes the special-play parameters of one lottery and special play
-- (Form10); nothing when there is no such row.
CREATE FUNCTION borra_lotespec(xcod_lot varchar, xespecial varchar)
RETURNS void
LANGUAGE sql AS $$
  DELETE FROM lotespec WHERE cod_lot = xcod_lot AND especial = xespecial
$$;

-- Deletes one detail of a special play (Form6); nothing when there is none.
CREATE FUNCTION borra_jugadeta(xespecial varchar, xjugada varchar)
RETURNS void
LANGUAGE sql AS $$
  DELETE FROM jugadeta WHERE especial = xespecial AND jugada = xjugada
$$;

-- The special plays a lottery takes (Form17), as stored.
CREATE FUNCTION especiales_loteria(xcod_lot varchar)
RETURNS TABLE (especial varchar)
LANGUAGE sql STABLE AS $$
  SELECT l.especial FROM lotespec l WHERE l.cod_lot = xcod_lot
$$;

-- One special play (Form17): its row, or none.
CREATE FUNCTION lee_jugada(xespecial varchar)
RETURNS SETOF jugadas
LANGUAGE sql STABLE AS $$
  SELECT * FROM jugadas WHERE especial = xespecial
$$;

-- The details of one special play (Form17).
CREATE FUNCTION detalles_jugada(xespecial varchar)
RETURNS SETOF jugadeta
LANGUAGE sql STABLE AS $$
  SELECT * FROM jugadeta WHERE especial = xespecial
$$;

-- Every special play (paramvendespe fills its box with them).
CREATE FUNCTION lista_jugadas()
RETURNS SETOF jugadas
LANGUAGE sql STABLE AS $$
  SELECT * FROM jugadas
$$;
