-- xedotaquilla user, seller: the updater of a sale point calls it after
-- installing an update, with the sale point's current user and seller as its
-- settings file names them (either may be empty when the file lacks them).
-- The updater reads no answer and relies only on the call being accepted:
-- any two texts are, and nothing is written.
CREATE FUNCTION xedotaquilla(xusuario varchar, xvendedor varchar)
RETURNS void
LANGUAGE plpgsql AS $$
BEGIN
END
$$;
