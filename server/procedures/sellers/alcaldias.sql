-- The municipalities (alcaldia) of each region: their list (DSPALD), the
-- municipalities of one region (DSPALcdgob) and their maintenance (ACTALD).

-- DSPALD '0', x: every municipality, by region and code, with its region.
-- Callers read by position: municipality code, name, observations, region
-- code, region name. x is not looked at; any mode but '0' is refused.
CREATE FUNCTION DSPALD(xmodo varchar, xopcion varchar)
RETURNS TABLE (codigo_alcaldia varchar, descri_alcaldia varchar, observa_alcaldia varchar,
               codigo_gobernacion varchar, descri_gobernacion varchar)
LANGUAGE plpgsql STABLE AS $$
BEGIN
  IF btrim(coalesce(xmodo, '')) IS DISTINCT FROM '0' THEN
    RAISE EXCEPTION 'DSPALD: modo desconocido "%"', xmodo;
  END IF;
  RETURN QUERY
    SELECT a.codigo_alcaldia, a.descri_alcaldia, a.observa_alcaldia,
           a.codigo_gobernacion, g.descri_gobernacion
    FROM alcaldia a
    JOIN gobernacion g ON g.codigo_gobernacion = a.codigo_gobernacion
    ORDER BY a.codigo_gobernacion, a.codigo_alcaldia;
END $$;

-- DSPALcdgob region: the municipalities of that region (blanks around the
-- code do not count), by code; none for an empty or unknown code.
CREATE FUNCTION DSPALcdgob(xcodigo_gobernacion varchar)
RETURNS TABLE (codigo_alcaldia varchar, Descripcion_Alcaldia varchar)
LANGUAGE sql STABLE AS $$
  SELECT a.codigo_alcaldia, a.descri_alcaldia
  FROM alcaldia a
  WHERE a.codigo_gobernacion = btrim(coalesce(xcodigo_gobernacion, ''))
  ORDER BY a.codigo_alcaldia
$$;

-- ACTALD mode, municipality code, region code, name, observations: "1"
-- adds the municipality to the region, "2" changes the name and
-- observations of that pair, "3" deletes the pair (name and observations
-- are not looked at then). Codes are taken without blanks around them, the
-- name and observations without trailing blanks.
-- Return codes:
--   0 done;
--   1 add of a pair that exists already;
--   2 modify or delete of a pair that does not exist;
--   3 a blank code or region, or a blank name on add or modify;
--   4 a code or region longer than 5 characters, a name or observations
--     longer than 50;
--   5 delete of a municipality that sellers or daily results name;
--   6 add of a municipality to a region that does not exist;
--   7 a code holding a control or invisible character.
-- An unknown mode is an error.
CREATE FUNCTION ACTALD(xmodo varchar, xcodigo_alcaldia varchar, xcodigo_gobernacion varchar,
                       xdescri_alcaldia varchar, xobserva_alcaldia varchar,
                       OUT return_value integer)
LANGUAGE plpgsql AS $$
DECLARE
  modo text := btrim(coalesce(xmodo, ''));
  codigo text := btrim(coalesce(xcodigo_alcaldia, ''));
  region text := btrim(coalesce(xcodigo_gobernacion, ''));
  nombre text := rtrim(coalesce(xdescri_alcaldia, ''));
  observaciones text := rtrim(coalesce(xobserva_alcaldia, ''));
BEGIN
  IF modo NOT IN ('1', '2', '3') THEN
    RAISE EXCEPTION 'ACTALD: modo desconocido "%"', xmodo;
  END IF;
  IF codigo = '' OR region = '' THEN
    return_value := 3;
    RETURN;
  END IF;
  IF char_length(codigo) > 5 OR char_length(region) > 5 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF NOT codigo_valido(codigo) OR NOT codigo_valido(region) THEN
    return_value := 7;
    RETURN;
  END IF;

  IF modo = '3' THEN
    BEGIN
      DELETE FROM alcaldia WHERE codigo_alcaldia = codigo AND codigo_gobernacion = region;
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
  IF char_length(nombre) > 50 OR char_length(observaciones) > 50 THEN
    return_value := 4;
    RETURN;
  END IF;
  IF modo = '1' THEN
    IF NOT EXISTS (SELECT FROM gobernacion g WHERE g.codigo_gobernacion = region) THEN
      return_value := 6;
      RETURN;
    END IF;
    INSERT INTO alcaldia (codigo_alcaldia, codigo_gobernacion, descri_alcaldia, observa_alcaldia)
    VALUES (codigo, region, nombre, observaciones)
    ON CONFLICT (codigo_alcaldia, codigo_gobernacion) DO NOTHING;
    return_value := CASE WHEN FOUND THEN 0 ELSE 1 END;
    RETURN;
  END IF;
  UPDATE alcaldia SET descri_alcaldia = nombre, observa_alcaldia = observaciones
  WHERE codigo_alcaldia = codigo AND codigo_gobernacion = region;
  return_value := CASE WHEN FOUND THEN 0 ELSE 2 END;
END $$;
