-- Deleting one of a seller's parameter rows by its key: the login role has
-- no right on the tables, so a window cannot empty them in one statement.
-- Keys compare as sent, as the windows' own statements compared them; a
-- key of no row deletes nothing.

-- A seller's parameters for one lottery (Form12).
CREATE FUNCTION borra_ven_lot(xcod_lot varchar, xcodvendedor varchar)
RETURNS void
LANGUAGE sql AS $$
  DELETE FROM ven_lot WHERE cod_lot = xcod_lot AND codvendedor = xcodvendedor
$$;

-- A seller's parameters for one special play of a lottery (Form16).
CREATE FUNCTION borra_vendespec(xcod_lot varchar, xespecial varchar, xcodvendedor varchar)
RETURNS void
LANGUAGE sql AS $$
  DELETE FROM vendespec WHERE cod_lot = xcod_lot AND especial = xespecial AND codvendedor = xcodvendedor
$$;
