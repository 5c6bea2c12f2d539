-- VLDUSRB: checks an operator's code and password at login.
-- Answers 0 and one row (NombreOpe, Name_duroz, permisooperador) when the
-- operator exists and the password is his; 0 and no row otherwise, so the
-- login counts the refusal. The code and the password compare exactly, as
-- stored (case and blanks count); a blank password never matches.
-- xmodo: "" (the only mode: validate).
CREATE FUNCTION VLDUSRB(xmodo varchar, xusuario varchar, xclave varchar,
                        OUT return_value integer, OUT resultado refcursor)
LANGUAGE plpgsql AS $$
BEGIN
  IF coalesce(xmodo, '') <> '' THEN
    RAISE EXCEPTION 'VLDUSRB: modo desconocido "%"', xmodo;
  END IF;
  return_value := 0;
  OPEN resultado FOR
    SELECT o.nombreope AS NombreOpe,
           (SELECT p.name_duroz FROM parametrosbanca p) AS Name_duroz,
           o.permisooperador
    FROM operador o
    WHERE o.operador = xusuario
      AND o.claveope = xclave
      AND coalesce(xclave, '') <> '';
END $$;
