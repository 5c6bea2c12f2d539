-- The special plays: their catalogue list (DSPJUG), the plain lists the
-- editors read (LIST_JUG, dspjugadase) and their maintenance (ACTJUG).

-- DSPJUG '0', 'A': every special play, by code; column 0 the code, column 1
-- the name. Special plays keep no state of their own, so all of them are
-- active ('A'). Any other mode or state is refused.
CREATE FUNCTION DSPJUG(xmodo varchar, xestado varchar)
RETURNS TABLE (especial varchar, desc_espec varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF xmodo IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPJUG: modo desconocido "%"', xmodo;
  END IF;
  IF xestado IS DISTINCT FROM 'A' THEN
    RAISE EXCEPTION 'DSPJUG: estado desconocido "%"', xestado;
  END IF;
  RETURN QUERY
    SELECT j.especial, j.desc_espec
    FROM jugadas j
    ORDER BY j.especial;
END $$;

-- LIST_JUG: every special play, by code: especial, desc_espec. The code is
-- padded with blanks to its 3 characters, because the details editor cuts
-- the code out of "code name" items by its first three characters.
CREATE FUNCTION LIST_JUG()
RETURNS TABLE (especial varchar, desc_espec varchar)
LANGUAGE sql STABLE AS $$
  SELECT rpad(j.especial, 3)::varchar, j.desc_espec
  FROM jugadas j
  ORDER BY j.especial
$$;

-- dspjugadase: every special play, by code: especial (trimmed), desc_espec.
-- The list the parameter, blocking and prizes-per-number windows fill their
-- special-play boxes from; they trim the code themselves.
CREATE FUNCTION dspjugadase()
RETURNS TABLE (especial varchar, desc_espec varchar)
LANGUAGE sql STABLE AS $$
  SELECT j.especial, j.desc_espec
  FROM jugadas j
  ORDER BY j.especial
$$;

-- ACTJUG mode, code, name: "1" adds the special play, "2" renames it, "3"
-- deletes it (with its details and the lotteries' parameters for it). The
-- code arrives trimmed, the name right-trimmed; a delete ignores the name.
-- Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 rename or delete of a code that does not exist;
--   3 blank code, or blank name to add or rename;
--   4 code longer than 3 characters or name longer than 25;
--   5 delete of a special play that sold tickets or draw results name;
--   7 a code holding a control or invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTJUG(xmodo varchar, xespecial varchar, xdesc_espec varchar,
                       OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  codigo text := btrim(coalesce(xespecial, ''));
  nombre text := rtrim(coalesce(xdesc_espec, ''));
BEGIN
  IF xmodo IS NULL OR xmodo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTJUG: modo desconocido "%"', xmodo;
  END IF;
  return_value := retorno_codigo(codigo, 3);
  IF return_value <> 0 THEN
    RETURN;
  END IF;

  IF xmodo = '3' THEN
    BEGIN
      DELETE FROM jugadas WHERE especial = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF nombre = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 25 THEN
    return_value := 4;
    RETURN;
  END IF;

  IF xmodo = '1' THEN
    INSERT INTO jugadas (especial, desc_espec) VALUES (codigo, nombre)
    ON CONFLICT (especial) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
  ELSE
    UPDATE jugadas SET desc_espec = nombre WHERE especial = codigo;
    return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
  END IF;
END $$;
