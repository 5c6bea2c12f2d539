-- The regions (gobernacion): their list (DSPGBR) and their maintenance
-- (ACTGBR).

-- DSPGBR '0', x: every region, by code. Column 0 is the code, 1 the name
-- and 2 the observations (the region list shows those three by position);
-- the name comes twice, as Descri_Gobernacion (read by the municipality
-- editor, which sends x = '') and as Descripcion_gobernacion (read by the
-- seller editor, which sends x = '00'), so one result serves every caller
-- and x is not looked at. Any mode but '0' is refused.
CREATE FUNCTION DSPGBR(xmodo varchar, xopcion varchar)
RETURNS TABLE (codigo_gobernacion varchar, Descri_Gobernacion varchar,
               Observa_Gobernacion varchar, Descripcion_gobernacion varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF btrim(coalesce(xmodo, '')) IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPGBR: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT g.codigo_gobernacion, g.descri_gobernacion, g.observa_gobernacion,
           g.descri_gobernacion
    FROM gobernacion g
    ORDER BY g.codigo_gobernacion;
END $$;

-- ACTGBR mode, code, name, observations: "1" adds the region, "2" changes
-- its name and observations, "3" deletes it (name and observations are not
-- looked at then). The code is taken without blanks around it, the name
-- and observations without trailing blanks.
-- Return codes:
--   0 done;
--   1 add of a code that exists already;
--   2 modify or delete of a code that does not exist;
--   3 a blank code, or a blank name on add or modify;
--   4 a code longer than 5 characters, a name longer than 50, observations
--     longer than 60;
--   5 delete of a region that municipalities or sellers name;
--   7 a code holding a control or invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTGBR(xmodo varchar, xcodigo_gobernacion varchar,
                       xdescri_gobernacion varchar, xobserva_gobernacion varchar,
                       OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := btrim(coalesce(xcodigo_gobernacion, ''));
  nombre text := rtrim(coalesce(xdescri_gobernacion, ''));
  observaciones text := rtrim(coalesce(xobserva_gobernacion, ''));
BEGIN
  IF modo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTGBR: modo desconocido "%"', xmodo;
  END IF;
  return_value := retorno_codigo(codigo, 5);
  IF return_value <> 0 THEN
    RETURN;
  END IF;

  IF modo = '3' THEN
    BEGIN
      DELETE FROM gobernacion WHERE codigo_gobernacion = codigo;
      return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
    EXCEPTION WHEN foreign_key_violation THEN
      return_value := 5;
    END;
    RETURN;
  END IF;

  IF btrim(nombre) = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(nombre) > 50 OR char_length(observaciones) > 60 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF modo = '1' THEN
    INSERT INTO gobernacion (codigo_gobernacion, descri_gobernacion, observa_gobernacion)
    VALUES (codigo, nombre, observaciones)
    ON CONFLICT (codigo_gobernacion) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE gobernacion SET descri_gobernacion = nombre, observa_gobernacion = observaciones
  WHERE codigo_gobernacion = codigo;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
