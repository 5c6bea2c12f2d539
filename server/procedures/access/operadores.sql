-- The head-office operators (operador): their list and one operator's menu
-- permissions (DSPOPR), their maintenance and the storing of their
-- permissions (ACTOPR). The login checks them with VLDUSRB.

-- DSPOPR '0', x: every operator by code; DSPOPR '3', code: that operator
-- alone (no row when there is none). Columns 0 to 2 are the code, the name
-- and the password (the operators window shows them by position); the
-- permission window reads permisooperador by name. Any other mode is
-- refused.
CREATE FUNCTION DSPOPR(xmodo varchar, xoperador varchar)
RETURNS TABLE (operador varchar, nombreope varchar, claveope varchar, permisooperador varchar)
LANGUAGE plpgsql STABLE AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
BEGIN
  IF modo NOT IN ('0', '3') THEN
    RAISE EXCEPTION 'DSPOPR: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT o.operador, o.nombreope, o.claveope, o.permisooperador
    FROM operador o
    WHERE modo = '0' OR o.operador = btrim(coalesce(xoperador, ''))
    ORDER BY o.operador;
END $$;

-- ACTOPR mode, code, name, password, permissions:
--   "1" adds the operator with no permission (the string sent is not
--       looked at);
--   "2" changes the name and password of the operator, keeping his
--       permissions;
--   "3" deletes the operator (only the code is looked at);
--   "4" stores the operator's whole permission string, keeping his name and
--       password (which the window sends empty).
-- The code is taken without blanks around it, the name without trailing
-- blanks; the password as sent. Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 a change, delete or permission store for a code of no operator;
--   3 a blank code, or a blank password on add or modify;
--   4 a code longer than 5 characters, a name longer than 30, a password
--     longer than 10, permissions longer than 200;
--   7 a code holding a control or invisible character, or a password with
--     blanks around it, which the login (it trims what is typed) could
--     never match.
-- An unknown mode is an error.
CREATE FUNCTION ACTOPR(xmodo varchar, xoperador varchar, xnombreope varchar, xclaveope varchar,
                       xpermisooperador varchar, OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := btrim(coalesce(xoperador, ''));
  nombre text := rtrim(coalesce(xnombreope, ''));
  clave text := coalesce(xclaveope, '');
  permisos text := coalesce(xpermisooperador, '');
BEGIN
  IF modo NOT IN ('1', '2', '3', '4') THEN
    RAISE EXCEPTION 'ACTOPR: modo desconocido "%"', xmodo;
  END IF;
  return_value := retorno_codigo(codigo, 5);
  IF return_value <> 0 THEN
    RETURN;
  END IF;

  IF modo = '3' THEN
    DELETE FROM operador WHERE operador = codigo;
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    RETURN;
  END IF;

  IF modo = '4' THEN
    IF char_length(permisos) > 200 THEN
      return_value := 4;
      RETURN;
    END IF;
    UPDATE operador SET permisooperador = permisos WHERE operador = codigo;
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    RETURN;
  END IF;

  IF btrim(clave) = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 30 OR char_length(clave) > 10 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF clave <> btrim(clave) THEN
    return_value := 7;
    RETURN;
  END IF;
  IF modo = '1' THEN
    INSERT INTO operador (operador, nombreope, claveope, permisooperador)
    VALUES (codigo, nombre, clave, '')
    ON CONFLICT (operador) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE operador SET nombreope = nombre, claveope = clave WHERE operador = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
